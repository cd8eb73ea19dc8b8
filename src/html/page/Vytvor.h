#pragma once

#include "core/html/html_new_page.h"
#include "html/controls/ColourSwatch.h"
#include "html/controls/HtmlDialog.h"

class FilePickerGroup;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QTabWidget;

// The new-page wizard: turns the whole document into an HTML page with the
// old text inside its body, selected, and gives the editor the page's
// background and text colours.
class Vytvor : public HtmlDialog {
    Q_OBJECT
public:
    explicit Vytvor(QWidget* owner = nullptr);

protected:
    void confirm() override;

private:
    // One BODY colour: its box, swatch and "Vyber" button.
    struct ColourRow {
        QCheckBox* check = nullptr;
        ColourSwatch* swatch = nullptr;
        QPushButton* button = nullptr;
    };

    [[nodiscard]] QWidget* buildMainTab();
    [[nodiscard]] QLayout* buildHeadLines(QWidget* tab);
    [[nodiscard]] QLayout* buildBackground(QWidget* tab);
    [[nodiscard]] QLayout* buildMargins(QWidget* tab);
    [[nodiscard]] QWidget* buildColourTab();
    [[nodiscard]] QLayout* buildPreview(QWidget* tab);
    ColourRow addColourRow(QWidget* tab, QGridLayout* grid, int row, const QStringList& names,
                           int captionIndex, const QString& caption, ColorValue initial);
    void followColours();
    [[nodiscard]] NewPageValues values() const;
    // Carries the page's colours over to the editor before its text is replaced.
    void colourEditor() const;

    QTabWidget* m_tabStrip = nullptr;
    QLineEdit* m_text2 = nullptr;
    QCheckBox* m_check3 = nullptr;
    QLineEdit* m_text3 = nullptr;
    QCheckBox* m_check8 = nullptr;
    QScrollBar* m_hscroll1 = nullptr;
    QCheckBox* m_isPicture = nullptr;
    FilePickerGroup* m_picker = nullptr;
    QCheckBox* m_chkBGProp = nullptr;
    QCheckBox* m_chkMargin = nullptr;
    QLabel* m_lblMarginH = nullptr;
    QLabel* m_lblMarginV = nullptr;

    ColourRow m_background; // Check1, Label1, Label2, Command4
    ColourRow m_text;       // Check2, Picture1, Label4, Command7
    ColourRow m_link;       // Check7, Picture4, Label13, Command6
    ColourRow m_visited;    // Check5, Picture2, Label12, Command5
    ColourRow m_active;     // Check6, Picture3, Label11, Command8
    QPlainTextEdit* m_preview = nullptr;
    QLabel* m_linkLabel = nullptr;    // Label5
    QLabel* m_activeLabel = nullptr;  // Label6
    QLabel* m_visitedLabel = nullptr; // Label7
};

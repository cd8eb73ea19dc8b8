#pragma once

#include "core/html/html_frames.h"
#include "html/controls/HtmlDialog.h"

class ColourSwatch;
class FilePickerGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// One FRAME tag for a page chosen on the local disk, with the attributes
// whose boxes are ticked, inserted at the caret.
class Frame : public HtmlDialog {
    Q_OBJECT
public:
    explicit Frame(QWidget* owner = nullptr);

protected:
    void confirm() override;

private:
    [[nodiscard]] QWidget* buildPage();
    [[nodiscard]] QLayout* buildAttributes();
    void addBarRow(QGridLayout* grid, int row, QCheckBox* box, const QString& barName,
                   QLabel* label);
    [[nodiscard]] QWidget* buildMargins();
    [[nodiscard]] FrameTagValues values() const;

    FilePickerGroup* m_picker = nullptr;
    QCheckBox* m_check4 = nullptr; // name
    QLineEdit* m_text1 = nullptr;
    QCheckBox* m_check6 = nullptr; // alignment
    QComboBox* m_combo3 = nullptr;
    QCheckBox* m_check7 = nullptr; // border size
    QLabel* m_label13 = nullptr;
    QCheckBox* m_check9 = nullptr; // border colour
    ColourSwatch* m_borderColour = nullptr;
    QCheckBox* m_check8 = nullptr; // spacing
    QLabel* m_label4 = nullptr;
    QCheckBox* m_check1 = nullptr; // scrolling
    QComboBox* m_combo2 = nullptr;
    QCheckBox* m_check3 = nullptr; // content margins
    QLabel* m_label11 = nullptr;
    QLabel* m_label12 = nullptr;
    QCheckBox* m_check2 = nullptr; // no resize
};

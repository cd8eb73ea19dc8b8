#pragma once

#include "core/html/html_image_tag.h"
#include "html/controls/HtmlDialog.h"
#include "html/controls/OptionValues.h"

class FilePickerGroup;
class QHBoxLayout;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

// An IMG tag for a picture chosen on the local disk, inserted at the caret.
// The picture presets the size and, on request, an alternative text. In the
// "form" mode the attributes alone go back to the form builder instead.
class Obrazek : public HtmlDialog {
    Q_OBJECT
public:
    explicit Obrazek(QWidget* owner = nullptr);

protected:
    void confirm() override;

private:
    [[nodiscard]] QWidget* buildPicture();
    [[nodiscard]] QLayout* buildAltRow();
    [[nodiscard]] QWidget* buildAlignment();
    [[nodiscard]] QWidget* buildSize();
    [[nodiscard]] QWidget* buildBorder();
    [[nodiscard]] QWidget* buildSpacing();
    [[nodiscard]] QHBoxLayout* buildTextRow(QCheckBox* box, QLineEdit* text);
    [[nodiscard]] QLayout* buildButtons();

    void pictureChosen(const QString& fullPath);
    // Takes the picture's size into the scroll bars, in pixels.
    void presetSize(ImageSize size);
    void rebuildAutoAlt();
    [[nodiscard]] ImageTagValues values() const;

    FilePickerGroup* m_picker = nullptr;
    QCheckBox* m_chkAutoAlt = nullptr;
    QCheckBox* m_check4 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QCheckBox* m_check8 = nullptr;
    OptionValues<ImageAlign> m_align{ImageAlign::Left};
    QCheckBox* m_check1 = nullptr;
    QCheckBox* m_chkPercent = nullptr;
    QScrollBar* m_vscroll2 = nullptr; // width
    QLabel* m_label4 = nullptr;
    QScrollBar* m_vscroll1 = nullptr; // height
    QLabel* m_label3 = nullptr;
    QCheckBox* m_check2 = nullptr;
    QScrollBar* m_vscroll3 = nullptr; // border
    QLabel* m_label8 = nullptr;
    QCheckBox* m_check3 = nullptr;
    QLabel* m_label11 = nullptr; // horizontal space
    QLabel* m_label12 = nullptr; // vertical space
    QCheckBox* m_check6 = nullptr;
    QLineEdit* m_text2 = nullptr;
    QCheckBox* m_check7 = nullptr;
    QLineEdit* m_text3 = nullptr;
    QPushButton* m_command1 = nullptr;
};

#pragma once

#include "html/controls/HtmlDialog.h"

class FilePickerGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;

// A LINK tag to a style sheet chosen on the disk, with optional REL (Check1,
// Text1) and TYPE (Check3, Text2), inserted at the caret.
class HtmlLink : public HtmlDialog {
    Q_OBJECT
public:
    explicit HtmlLink(QWidget* owner = nullptr);

protected:
    void confirm() override;

private:
    FilePickerGroup* m_picker = nullptr;
    QCheckBox* m_check1 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QCheckBox* m_check3 = nullptr;
    QLineEdit* m_text2 = nullptr;
};

#pragma once

#include "html/controls/HtmlDialog.h"

class QLineEdit;

// The mail-link dialog: wraps the selection in a mailto link to the address
// in Text1, or writes the address as its own link text when nothing is
// selected. The address starts as the user's own, taken when the window is
// created.
class MailTo : public HtmlDialog {
    Q_OBJECT
public:
    explicit MailTo(QWidget* owner = nullptr);

protected:
    void confirm() override;

private:
    QLineEdit* m_text1;
};

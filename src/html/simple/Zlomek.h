#pragma once

#include "html/controls/HtmlDialog.h"

class QLineEdit;

// The fraction dialog: numerator Text1 over denominator Text2, inserted at
// the caret as superscript "/" subscript.
class Zlomek : public HtmlDialog {
    Q_OBJECT
public:
    explicit Zlomek(QWidget* owner = nullptr);

protected:
    void confirm() override;

private:
    QLineEdit* m_text1;
    QLineEdit* m_text2;
};

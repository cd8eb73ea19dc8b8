#pragma once

#include "html/controls/HtmlDialog.h"

class QLineEdit;

// Inserts an empty named anchor at the caret and remembers its name in the
// anchor list of the link-to-anchor window, so a link can pick it later.
class Kotva : public HtmlDialog {
    Q_OBJECT
public:
    explicit Kotva(QWidget* owner = nullptr);

protected:
    void confirm() override;

private:
    QLineEdit* m_text1;
};

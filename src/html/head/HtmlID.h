#pragma once

#include "html/controls/HtmlDialog.h"

class QComboBox;

// The document-type chooser: Ok puts the chosen line and CR LF before the
// whole document. It does not look for a line already there.
class HtmlID : public HtmlDialog {
    Q_OBJECT
public:
    explicit HtmlID(QWidget* owner = nullptr);

protected:
    void confirm() override;

private:
    QComboBox* m_combo1 = nullptr;
};

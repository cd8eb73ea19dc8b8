#pragma once

#include "html/controls/AlignOptions.h"
#include "html/controls/HtmlDialog.h"

// A paragraph around the editor's selection, aligned by one of five option
// buttons ("Do bloku" at first, "Nezarovnávat" for no alignment).
class Odstavec : public HtmlDialog {
    Q_OBJECT
public:
    explicit Odstavec(QWidget* owner = nullptr);

protected:
    void confirm() override;

private:
    AlignOptions m_align;
};

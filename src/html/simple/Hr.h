#pragma once

#include "html/controls/AlignOptions.h"
#include "html/controls/HtmlDialog.h"

class QCheckBox;
class QLabel;
class QScrollBar;

// A horizontal rule inserted at the caret: alignment, an optional width in
// percent or pixels, and the no-shade flag.
class Hr : public HtmlDialog {
    Q_OBJECT
public:
    explicit Hr(QWidget* owner = nullptr);

protected:
    void confirm() override;

private:
    [[nodiscard]] QLayout* buildAlignment();
    [[nodiscard]] QLayout* buildWidth();

    AlignOptions m_align;
    QCheckBox* m_check1 = nullptr;
    QCheckBox* m_check2 = nullptr;
    QScrollBar* m_vscroll1 = nullptr;
    QLabel* m_label1 = nullptr;
    QCheckBox* m_shader = nullptr;
};

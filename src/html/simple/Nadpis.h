#pragma once

#include "html/controls/AlignOptions.h"
#include "html/controls/HtmlDialog.h"

class QCheckBox;
class QLabel;
class QScrollBar;

// A heading of level 1 to 6 around the editor's selection, with an optional
// alignment and the no-wrap flag.
class Nadpis : public HtmlDialog {
    Q_OBJECT
public:
    explicit Nadpis(QWidget* owner = nullptr);

protected:
    void confirm() override;

private:
    [[nodiscard]] QLayout* buildAlignment();
    [[nodiscard]] QLayout* buildLevel();

    AlignOptions m_align;
    QCheckBox* m_check1 = nullptr;
    QLabel* m_label1 = nullptr;
};

#pragma once

#include "html/controls/HtmlDialog.h"

class ColourSwatch;
class QCheckBox;
class QWidget;

// Colours the selection with a gradient from one colour to another, by
// character or by line, in FONT tags; a strip shows the gradient.
class ColorFade : public HtmlDialog {
    Q_OBJECT
public:
    explicit ColorFade(QWidget* owner = nullptr);

protected:
    void confirm() override;

private:
    [[nodiscard]] QLayout* buildColour(const QString& caption, ColourSwatch* swatch,
                                       const QString& buttonName);

    ColourSwatch* m_from = nullptr; // Pic1, L1
    ColourSwatch* m_to = nullptr;   // Pic2, L2
    QCheckBox* m_chkLines = nullptr;
    QWidget* m_preview = nullptr; // CF
};

#pragma once

#include "core/colour/colour_value.h"

#include <QString>

class EditorSurface;

// The look the text menu reads at the caret and applies to the whole text.
struct TextLook {
    ColorValue color = 0;
    bool bold = false;
    bool italic = false;
    QString fontName;
};

// The look at the caret: that of the selection's first character, so a
// selection that mixes looks still gives one answer.
[[nodiscard]] TextLook LookAtCaret(const EditorSurface& surface);

// White minus the colour: each channel c becomes 255 - c. Only the low 24
// bits of the value are a colour; anything above them is dropped first.
[[nodiscard]] constexpr ColorValue InvertedColor(ColorValue color) {
    return 0xFFFFFF - (color & 0xFFFFFF);
}

#pragma once

#include <QIcon>

class QPalette;

// The toolbar's own pictures, painted with lines and shapes so that they never
// depend on a font holding a symbol.
enum class ToolbarPicture {
    Html,
    Cut,
    Copy,
    Paste,
    Bold,
    Italic,
    Underline,
    Center,
    Line,
    Print,
    Colors
};

// The picture drawn in the palette's button text colour, at 16 and 32 pixels.
[[nodiscard]] QIcon PaintToolbarPicture(ToolbarPicture picture, const QPalette& palette);

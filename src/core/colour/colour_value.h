#pragma once

#include <QtGlobal>

// A colour as the program stores it: red in bits 0-7, green in 8-15, blue in 16-23.
using ColorValue = qint32;

[[nodiscard]] constexpr ColorValue RgbColor(int red, int green, int blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}
[[nodiscard]] constexpr int RedOf(ColorValue c) {
    return c & 0xFF;
}
[[nodiscard]] constexpr int GreenOf(ColorValue c) {
    return (c >> 8) & 0xFF;
}
[[nodiscard]] constexpr int BlueOf(ColorValue c) {
    return (c >> 16) & 0xFF;
}

#pragma once

#include "core/colour/colour_value.h"

#include <QString>

// The text form of a colour: "#" and two upper-case hexadecimal digits each
// for red, green and blue, red first.

// Only the low 24 bits count, so a system colour or an out-of-range value
// still gives seven characters.
[[nodiscard]] QString ColorToHex(ColorValue color);

// Reads characters 2-3, 4-5 and 6-7 as the red, green and blue pairs; the
// first character is not looked at and anything after the seventh is ignored.
// Each pair is worth its leading run of hexadecimal digits (either case), so
// "1Z" reads 1 and "Z1", a short or a missing pair read 0. Never fails.
[[nodiscard]] ColorValue HexToColor(const QString& text);

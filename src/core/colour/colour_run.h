#pragma once

#include "core/colour/colour_value.h"

// A stretch of the text painted in one colour. Positions count characters of
// the text, so a CR LF line break counts two.
struct ColorRun {
    int start = 0;
    int length = 0;
    ColorValue color = 0;

    friend bool operator==(const ColorRun&, const ColorRun&) = default;
};

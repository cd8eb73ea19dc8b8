#pragma once

#include <QString>

// A scroll bar that holds a size in percent or in pixels, as the HTML
// dialogs' percent boxes switch it.

// The bar's maximum in either unit; it starts at 1 in both.
struct UnitMaxima {
    int percent = 100;
    int pixels = 800;

    [[nodiscard]] constexpr int of(bool inPercent) const { return inPercent ? percent : pixels; }
};

// What the value label shows: "50%" in percent, "50" in pixels. The label's
// text is the value written into the HTML.
[[nodiscard]] inline QString UnitValueLabel(int value, bool inPercent) {
    return inPercent ? QString::number(value) + u'%' : QString::number(value);
}

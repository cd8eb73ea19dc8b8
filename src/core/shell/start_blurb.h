#pragma once

#include <QString>
#include <array>
#include <optional>

// The feature blurb of the start screen and the bands of the picture beside
// it: moving the mouse over a band selects that item of the blurb.

// A stretch of the blurb text; positions count CR LF as two characters.
struct BlurbRange {
    int start = 0;
    int length = 0;
};

// One band of the picture, a closed range of heights in twips from its top,
// and the item it selects: the item's text without its leading "* " and
// without its last CR LF.
struct BlurbBand {
    double fromTwips = 0;
    double toTwips = 0;
    BlurbRange item;
};

inline constexpr int BlurbBandCount = 6;

// The blurb: one line per row, each ended by CR LF; an item starts at a line
// beginning with "* ".
[[nodiscard]] QString StartBlurbText();

[[nodiscard]] const std::array<BlurbBand, BlurbBandCount>& BlurbBands();

// The item under a height of the picture; nothing between two bands (a
// fraction past a band's end) or outside them all.
[[nodiscard]] std::optional<BlurbRange> BlurbItemAt(double yTwips);

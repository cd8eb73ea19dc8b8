#pragma once

#include "core/colour/colour_value.h"

// The result of the latest pick, 0 before the first. Only the picker's ways
// of closing write it: OK the chosen colour, cancel and the close box the
// colour the pick started from.
[[nodiscard]] ColorValue& PickedColor();

// Shows the program's one colour picker modally on color (its channels set
// to color's low three bytes), above the window the pick is asked from, which
// is active again afterwards, and returns PickedColor() once it is closed:
// the chosen colour after OK, color itself, exactly, after cancel or the
// close box. History, palette index and gradient settings carry over from
// earlier picks unless the close box discarded the picker.
[[nodiscard]] ColorValue PickColor(ColorValue color);

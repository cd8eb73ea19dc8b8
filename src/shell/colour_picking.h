#pragma once

#include "core/colour/colour_value.h"

#include <functional>

// The colour picker window belongs to a library above the shell; it installs
// itself here, so the shell's own windows can ask for a colour too.
using ColourPicker = std::function<ColorValue(ColorValue)>;

// Replaces the picker before, if any; an empty picker removes it.
void InstallColourPicker(ColourPicker picker);

// The colour the user picks starting from color; color itself when no picker
// is installed or the user cancels.
[[nodiscard]] ColorValue PickShellColour(ColorValue color);

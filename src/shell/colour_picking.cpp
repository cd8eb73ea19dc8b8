#include "shell/colour_picking.h"

namespace {

ColourPicker& installedPicker() {
    static ColourPicker picker;
    return picker;
}

} // namespace

void InstallColourPicker(ColourPicker picker) {
    installedPicker() = std::move(picker);
}

ColorValue PickShellColour(ColorValue color) {
    const ColourPicker& picker = installedPicker();
    return picker ? picker(color) : color;
}

#include "colour/PickColor.h"

#include "colour/ColorDialog.h"
#include "core/colour/colour_tools.h"
#include "platform/modal_turn.h"
#include "shell/window_instances.h"

ColorValue& PickedColor() {
    static ColorValue color = 0;
    return color;
}

ColorValue PickColor(ColorValue color) {
    ColorDialog& dialog = LoadedWindow<ColorDialog>();
    dialog.setPreviousColor(color);
    dialog.setChannels(ChannelsOf(color));
    // Every way of closing the picker writes PickedColor(); the window the
    // pick came from gets the activation back.
    ExecForOpener(dialog);
    // Deleted here rather than later from the event loop, so that a next
    // pick straight after the close box already finds a fresh picker.
    if (dialog.discarded())
        delete &dialog;
    return PickedColor();
}

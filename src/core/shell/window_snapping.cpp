#include "core/shell/window_snapping.h"

WindowRect SnapWindow(const WindowRect& window, double screenWidth, double screenHeight,
                      double distance) {
    WindowRect r = window;
    // "Near the far edge" reads as: the far side is less than distance short of it.
    const auto nearRight = [&] { return r.left + r.width - screenWidth > -distance; };
    const auto nearBottom = [&] { return r.top + r.height - screenHeight > -distance; };
    if (nearRight() && r.left < distance)
        r.width = screenWidth;
    if (nearBottom() && r.top < distance)
        r.height = screenHeight;
    if (r.left < distance)
        r.left = 0;
    if (r.top < distance)
        r.top = 0;
    if (nearRight())
        r.left = screenWidth - r.width;
    if (nearBottom())
        r.top = screenHeight - r.height;
    return r;
}

WindowRect DockWindow(const WindowRect& window, const WindowRect& mainWindow,
                      WindowShowState mainState, bool startModeEmpty, double screenWidth,
                      double screenHeight) {
    WindowRect r = window;
    if (!startModeEmpty || mainState == WindowShowState::Minimised) {
        r.left = screenWidth - r.width;
        r.top = screenHeight - r.height;
    } else if (mainState == WindowShowState::Maximised) {
        r.left = screenWidth - r.width;
        r.top = 0;
        r.height = screenHeight;
    } else {
        r.top = mainWindow.top;
        r.height = mainWindow.height;
        r.left = mainWindow.left + mainWindow.width;
        if (screenWidth - r.left > 0)
            r.width = screenWidth - r.left;
        else
            r.left = screenWidth - r.width;
    }
    return r;
}

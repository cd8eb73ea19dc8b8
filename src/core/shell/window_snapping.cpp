#include "core/shell/window_snapping.h"

namespace {

// The window as seen from the screen's top-left corner, and back.
WindowRect onScreen(WindowRect window, const WindowRect& screen) {
    window.left -= screen.left;
    window.top -= screen.top;
    return window;
}

WindowRect onDesktop(WindowRect window, const WindowRect& screen) {
    window.left += screen.left;
    window.top += screen.top;
    return window;
}

} // namespace

WindowRect SnapWindow(const WindowRect& window, const WindowRect& screen, double distance) {
    const double screenWidth = screen.width;
    const double screenHeight = screen.height;
    WindowRect r = onScreen(window, screen);
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
    return onDesktop(r, screen);
}

WindowRect DockWindow(const WindowRect& window, const WindowRect& mainWindow,
                      WindowShowState mainState, bool startModeEmpty, const WindowRect& screen) {
    const double screenWidth = screen.width;
    const double screenHeight = screen.height;
    WindowRect r = onScreen(window, screen);
    const WindowRect main = onScreen(mainWindow, screen);
    if (!startModeEmpty || mainState == WindowShowState::Minimised) {
        r.left = screenWidth - r.width;
        r.top = screenHeight - r.height;
    } else if (mainState == WindowShowState::Maximised) {
        r.left = screenWidth - r.width;
        r.top = 0;
        r.height = screenHeight;
    } else {
        r.top = main.top;
        r.height = main.height;
        r.left = main.left + main.width;
        if (screenWidth - r.left > 0)
            r.width = screenWidth - r.left;
        else
            r.left = screenWidth - r.width;
    }
    return onDesktop(r, screen);
}

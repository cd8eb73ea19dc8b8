#pragma once

// Where the main window's timer puts the windows that ask to be snapped to the
// screen edges or docked beside the main window. Everything is in twips.

#include <QString>

// The window tags by which a window asks the timer to snap it to the screen
// edges or to dock it beside the main window.
inline const QString SnapTag = QStringLiteral("_AUTOSNAP");
inline const QString DockTag = QStringLiteral("_AUTODOCK");

struct WindowRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

enum class WindowShowState { Normal = 0, Minimised = 1, Maximised = 2 };

// Pulls a window to the edges of the screen it is on (a rectangle of the
// desktop, which need not start at 0, 0) when it comes within distance of
// them, stretching it across or down when it nearly spans the screen. Each
// rule sees what the rules before it did, and all comparisons are strict, so
// a window exactly distance away stays. A window partly off the screen always comes back
// inside, even with a distance of 0.
[[nodiscard]] WindowRect SnapWindow(const WindowRect& window, const WindowRect& screen,
                                    double distance);

// Glues a window to the right side of the main window, taking its top and
// height and filling the space up to the right edge of the main window's
// screen. In a stand-alone mode or with the main window minimised the window
// parks in the screen's bottom-right corner. With no room beside the main window (its
// right edge at or past the screen's, or it is maximised) the window keeps
// its own width at the screen's right edge; beside a maximised main window it
// runs the full screen height.
[[nodiscard]] WindowRect DockWindow(const WindowRect& window, const WindowRect& mainWindow,
                                    WindowShowState mainState, bool startModeEmpty,
                                    const WindowRect& screen);

#include "core/shell/window_snapping.h"

#include <gtest/gtest.h>
#include <ostream>

// Found by argument lookup, so it lives beside WindowRect.
void PrintTo(const WindowRect& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}

namespace {

// A 1280 x 960 pixel screen.
constexpr double SW = 19200;
constexpr double SH = 14400;
constexpr WindowRect Screen{0, 0, SW, SH};

TEST(SnapWindow, PullsToTheEdgesWithinTheDistanceOnly) {
    const struct {
        const char* name;
        double distance;
        WindowRect window;
        WindowRect expected;
    } cases[] = {
        {"left within 240", 240, {200, 3000, 6000, 4000}, {0, 3000, 6000, 4000}},
        {"left exactly at 240 stays", 240, {240, 3000, 6000, 4000}, {240, 3000, 6000, 4000}},
        {"top within", 240, {3000, 239, 6000, 4000}, {3000, 0, 6000, 4000}},
        {"right within", 240, {13000, 3000, 6000, 4000}, {13200, 3000, 6000, 4000}},
        {"right exactly at 240 stays", 240, {12960, 3000, 6000, 4000}, {12960, 3000, 6000, 4000}},
        {"bottom within", 240, {3000, 10300, 6000, 4000}, {3000, 10400, 6000, 4000}},
        {"nearly screen wide spans it", 240, {200, 3000, 18900, 4000}, {0, 3000, SW, 4000}},
        {"nearly screen high spans it", 240, {3000, 100, 6000, 14200}, {3000, 0, 6000, SH}},
        {"wide, not near the left", 240, {300, 3000, 18800, 4000}, {400, 3000, 18800, 4000}},
        {"corner takes both edges", 240, {100, 10300, 6000, 4000}, {0, 10400, 6000, 4000}},
        {"distance 1000 stays", 1000, {1000, 1000, 6000, 4000}, {1000, 1000, 6000, 4000}},
        {"distance 1001 snaps", 1001, {1000, 1000, 6000, 4000}, {0, 0, 6000, 4000}},
        {"0: back from the left", 0, {-300, 3000, 6000, 4000}, {0, 3000, 6000, 4000}},
        {"0: back from the right", 0, {13500, 3000, 6000, 4000}, {13200, 3000, 6000, 4000}},
        {"0: back from the top", 0, {3000, -45, 6000, 4000}, {3000, 0, 6000, 4000}},
        {"0: on screen stays", 0, {15, 15, 6000, 4000}, {15, 15, 6000, 4000}},
        {"0: off both sides fits", 0, {-15, 3000, 19500, 4000}, {0, 3000, SW, 4000}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SnapWindow(c.window, Screen, c.distance), c.expected) << c.name;
}

// The second of two screens side by side, 12000 x 9000 twips beside the
// first and 1500 lower: the rules keep to its own edges.
constexpr WindowRect Second{SW, 1500, 12000, 9000};

TEST(SnapWindow, KeepsToTheEdgesOfTheScreenItIsOn) {
    const struct {
        const char* name;
        WindowRect window;
        WindowRect expected;
    } cases[] = {
        {"near left and top", {SW + 200, 1700, 3000, 2000}, {SW, 1500, 3000, 2000}},
        {"near right and bottom", {SW + 8800, 8300, 3000, 2000}, {SW + 9000, 8500, 3000, 2000}},
        {"above it", {23085, 900, 3000, 2000}, {23085, 1500, 3000, 2000}},
        {"straddling into the first", {SW - 1000, 4500, 3000, 2000}, {SW, 4500, 3000, 2000}},
        {"nearly spanning it spans it", {SW + 100, 1600, 11800, 8800}, Second},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SnapWindow(c.window, Second, 240), c.expected) << c.name;
}

TEST(DockWindow, GluesBesideTheMainWindowOrParksInTheCorner) {
    using S = WindowShowState;
    const struct {
        const char* name;
        S mainState;
        bool startModeEmpty;
        WindowRect mainWindow;
        WindowRect expected;
    } cases[] = {
        // Beside a normal main window up to the screen edge, however narrow the gap.
        {"normal", S::Normal, true, {1500, 750, 9600, 7200}, {11100, 750, 8100, 7200}},
        {"narrow gap", S::Normal, true, {0, 0, 19185, 7200}, {19185, 0, 15, 7200}},
        // No room beside it: the window keeps its width at the screen edge.
        {"at the edge", S::Normal, true, {9600, 300, 9600, 7200}, {16200, 300, 3000, 7200}},
        {"past the edge", S::Normal, true, {12000, 300, 9600, 7200}, {16200, 300, 3000, 7200}},
        {"maximised", S::Maximised, true, {0, 0, SW, SH}, {16200, 0, 3000, SH}},
        // Parked in the bottom-right corner.
        {"minimised", S::Minimised, true, {1500, 750, 9600, 7200}, {16200, 12400, 3000, 2000}},
        {"stand-alone", S::Normal, false, {1500, 750, 9600, 7200}, {16200, 12400, 3000, 2000}},
        {"stand-alone, maximised", S::Maximised, false, {0, 0, SW, SH}, {16200, 12400, 3000, 2000}},
    };
    const WindowRect window{600, 900, 3000, 2000};
    for (const auto& c : cases) {
        EXPECT_EQ(DockWindow(window, c.mainWindow, c.mainState, c.startModeEmpty, Screen),
                  c.expected)
            << c.name;
    }
}

TEST(DockWindow, FillsUpToTheEdgeOfTheMainWindowsScreen) {
    const auto dock = [](const WindowRect& mainWindow, WindowShowState state) {
        return DockWindow({600, 900, 3000, 2000}, mainWindow, state, true, Second);
    };
    const WindowRect main{SW + 1500, 2250, 6000, 4500};
    EXPECT_EQ(dock(main, WindowShowState::Normal), (WindowRect{SW + 7500, 2250, 4500, 4500}));
    EXPECT_EQ(dock(Second, WindowShowState::Maximised), (WindowRect{SW + 9000, 1500, 3000, 9000}));
    EXPECT_EQ(dock(main, WindowShowState::Minimised), (WindowRect{SW + 9000, 8500, 3000, 2000}));
}

} // namespace

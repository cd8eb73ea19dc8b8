#include "core/utilities/window_beside.h"

#include <gtest/gtest.h>

namespace {

// A 300 x 60 window on a 1280 x 1000 screen whose usable part starts at
// (0, 24); the main window's inside starts 30 pixels below its frame's top.
TEST(WindowBeside, TakesTheFirstSideWithRoomElseTheScreensRightEdge) {
    const QRect screen(0, 24, 1280, 1000);
    const QSize frameSize(300, 60);
    const struct {
        const char* name;
        QRect mainFrame;
        QPoint expected;
    } cases[] = {
        {"right, level with the top", {100, 200, 600, 400}, {700, 200}},
        {"right, ending at the screen's edge", {100, 200, 880, 400}, {980, 200}},
        {"left", {400, 200, 881, 400}, {100, 200}},
        {"left, starting at the screen's edge", {300, 200, 981, 400}, {0, 200}},
        {"below, lined up with the left edge", {0, 100, 1280, 600}, {0, 700}},
        {"below, pushed into the screen", {-100, 100, 1500, 600}, {0, 700}},
        {"above", {100, 100, 1180, 924}, {100, 40}},
        {"right, pushed up into the screen", {100, 990, 600, 34}, {700, 964}},
        {"no room: screen's right edge below the title", {0, 24, 1280, 1000}, {980, 54}},
        {"no room, main window larger than the screen", {-8, -8, 1296, 1100}, {980, 24}},
    };
    for (const auto& c : cases) {
        const QRect inside = c.mainFrame.adjusted(4, 30, -4, -4);
        const QPoint placed = PlaceBeside(c.mainFrame, inside, frameSize, screen);
        EXPECT_EQ(placed, c.expected) << c.name;
        EXPECT_TRUE(screen.contains(QRect(placed, frameSize))) << c.name;
    }
}

} // namespace

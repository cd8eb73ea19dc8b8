#include "core/shell/screen_choice.h"

#include <gtest/gtest.h>

namespace {

// Two monitors side by side: 800 x 600, and beside it 1024 x 768 starting
// 100 px lower.
const QList<QRect> Screens{{0, 0, 800, 600}, {800, 100, 1024, 768}};

TEST(ScreenHolding, TakesTheScreenOfTheCentreElseTheMostOfTheWindow) {
    const struct {
        const char* name;
        QRect window;
        std::optional<qsizetype> expected;
    } cases[] = {
        {"on the first", {100, 100, 400, 300}, 0},
        {"centre over the second's edge", {700, 200, 400, 300}, 1},
        {"centre above the second, mostly on it", {900, -50, 400, 300}, 1},
        {"on no screen", {3000, 3000, 400, 300}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScreenHolding(c.window, Screens), c.expected) << c.name;
    EXPECT_EQ(ScreenHolding({100, 100, 400, 300}, {}), std::nullopt) << "no screens at all";
}

TEST(TitleBarOnScreen, BringsTheStartOfTheTitleBarOntoTheScreen) {
    const struct {
        const char* name;
        QRect frame;
        int screen;
        QPoint expected;
    } cases[] = {
        {"above it", {300, -60, 400, 300}, 0, {300, 0}},
        {"past its right edge", {790, 200, 400, 300}, 0, {776, 200}},
        {"below it, body and title", {300, 590, 400, 300}, 0, {300, 576}},
        {"body below the bottom, title on", {300, 500, 400, 300}, 0, {300, 500}},
        {"wider than the screen", {-100, 50, 900, 300}, 0, {0, 50}},
        {"above the second", {1000, 20, 400, 300}, 1, {1000, 100}},
        {"off the second's left", {700, 300, 400, 300}, 1, {800, 300}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TitleBarOnScreen(c.frame, 24, Screens[c.screen]), c.expected) << c.name;
}

} // namespace

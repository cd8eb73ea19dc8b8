#include "core/shell/main_layout.h"

#include <gtest/gtest.h>

namespace {

// A 9600 x 6600-twip inner area with a 420-twip toolbar and a 345-twip status bar.
MainLayoutInput window(bool toolbar, bool statusBar, bool tabs) {
    MainLayoutInput input;
    input.innerWidth = 9600;
    input.innerHeight = 6600;
    input.toolbarVisible = toolbar;
    input.toolbarHeight = 420;
    input.statusBarVisible = statusBar;
    input.statusBarHeight = 345;
    input.tabStripVisible = tabs;
    input.editorHeight = 3000;
    return input;
}

TEST(MainLayout, FitsTheEditorBetweenTheBarsAndLeavesTheTabsTheirStrip) {
    const struct {
        const char* name;
        MainLayoutInput input;
        QRect editor;
        QRect tabStrip;
        QRect tabArea;
    } cases[] = {
        {"all shown", window(true, true, true), QRect(0, 420, 9240, 5835),
         QRect(0, 420, 9600, 5835), QRect(9240, 420, 360, 5835)},
        {"tabs hidden", window(true, true, false), QRect(0, 420, 9600, 5835),
         QRect(0, 420, 9600, 5835), QRect(9600, 420, 0, 5835)},
        {"toolbar hidden", window(false, true, true), QRect(0, 0, 9240, 6255),
         QRect(0, 0, 9600, 6255), QRect(9240, 0, 360, 6255)},
        {"status bar hidden", window(true, false, true), QRect(0, 420, 9240, 6180),
         QRect(0, 420, 9600, 6180), QRect(9240, 420, 360, 6180)},
        {"both bars hidden", window(false, false, false), QRect(0, 0, 9600, 6600),
         QRect(0, 0, 9600, 6600), QRect(9600, 0, 0, 6600)},
    };
    for (const auto& c : cases) {
        const std::optional<MainLayout> layout = LayoutMainArea(c.input);
        ASSERT_TRUE(layout.has_value()) << c.name;
        EXPECT_EQ(layout->editor, c.editor) << c.name;
        EXPECT_EQ(layout->tabStrip, c.tabStrip) << c.name;
        EXPECT_EQ(UncoveredTabArea(*layout), c.tabArea) << c.name;
    }
}

TEST(MainLayout, NoRoomLeftKeepsTheEditorsHeight) {
    const struct {
        int innerHeight;
        int editorHeight;
    } cases[] = {
        {765, 3000}, // the bars take exactly the whole height
        {600, 3000}, // and more than it
        {0, 1200},
        {766, 1}, // one twip left is room enough
    };
    for (const auto& c : cases) {
        MainLayoutInput input = window(true, true, true);
        input.innerHeight = c.innerHeight;
        input.editorHeight = c.editorHeight;
        const int expected = c.innerHeight > 765 ? c.innerHeight - 765 : c.editorHeight;
        const std::optional<MainLayout> layout = LayoutMainArea(input);
        ASSERT_TRUE(layout.has_value());
        EXPECT_EQ(layout->editor, QRect(0, 420, 9240, expected)) << c.innerHeight;
        EXPECT_EQ(layout->tabStrip, QRect(0, 420, 9600, expected)) << c.innerHeight;
    }
}

TEST(MainLayout, MinimisedWindowMovesNothing) {
    MainLayoutInput input = window(true, true, true);
    input.minimised = true;
    EXPECT_FALSE(LayoutMainArea(input).has_value());
}

TEST(MainLayout, WindowNarrowerThanTheTabStripGivesTheEditorNoWidth) {
    for (const int width : {0, 200, 359, 360}) {
        MainLayoutInput input = window(false, false, true);
        input.innerWidth = width;
        const std::optional<MainLayout> layout = LayoutMainArea(input);
        ASSERT_TRUE(layout.has_value());
        EXPECT_EQ(layout->editor, QRect(0, 0, 0, 6600)) << width;
        EXPECT_EQ(layout->tabStrip, QRect(0, 0, width, 6600)) << width;
        EXPECT_EQ(UncoveredTabArea(*layout), QRect(0, 0, width, 6600)) << width;
    }
}

} // namespace

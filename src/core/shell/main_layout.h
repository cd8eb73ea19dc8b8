#pragma once

#include <QRect>
#include <optional>

// The main window's inner area and the controls that decide how the editor
// fits into it; every length is in twips.
struct MainLayoutInput {
    int innerWidth = 0;
    int innerHeight = 0;
    bool toolbarVisible = false;
    int toolbarHeight = 0;
    bool statusBarVisible = false;
    int statusBarHeight = 0;
    bool tabStripVisible = false;
    bool minimised = false;
    // The editor keeps this height when the bars leave no room for it.
    int editorHeight = 0;
};

// Rectangles in twips within the inner area. The tab strip lies behind the
// editor across the whole width; its tabs show where the editor leaves room.
struct MainLayout {
    QRect editor;
    QRect tabStrip;
};

// The strip at the right that the editor leaves to the tabs.
inline constexpr int TabStripReserve = 360;

// Fits the editor between the toolbar and the status bar; nothing moves while
// the window is minimised.
[[nodiscard]] std::optional<MainLayout> LayoutMainArea(const MainLayoutInput& input);

// The part of the tab strip not covered by the editor, where the tabs show.
[[nodiscard]] QRect UncoveredTabArea(const MainLayout& layout);

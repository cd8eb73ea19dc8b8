#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a small tool window first stands so that the user sees it next to
// the main window: its frame of frameSize touches the main window's frame
// without covering it, on the first side where it fits on the screen: the
// right, lined up with the main window's top; the left, likewise; below,
// lined up with its left edge; above, likewise. Along the side it is pushed
// into the screen. When no side has room (the main window fills the screen)
// it stands at the screen's right edge, level with the top of the main
// window's inside, so that the main window's title bar stays free.
// Returns the top-left corner of the tool window's frame.
[[nodiscard]] QPoint PlaceBeside(const QRect& mainFrame, const QRect& mainInside, QSize frameSize,
                                 const QRect& screen);

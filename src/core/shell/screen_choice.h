#pragma once

// Which of several monitors a window belongs to, and where it goes to be
// within the user's reach there. Everything is in pixels of the desktop that
// joins the monitors.

#include <QList>
#include <QPoint>
#include <QRect>
#include <optional>

// The screen that holds the window's centre, else the one it overlaps most;
// none when it lies on no screen at all (its monitor is gone).
[[nodiscard]] std::optional<qsizetype> ScreenHolding(const QRect& window,
                                                     const QList<QRect>& screens);

// The frame's corner that brings the start of the window's title bar (the
// square of titleHeight at the frame's top-left corner, where its menu and
// title begin) onto the screen: moved down from above it, up from below it,
// in from its left and back from past its right edge. A window partly over
// the right or bottom edge with that square on the screen stays where it
// is, as the user may leave it.
[[nodiscard]] QPoint TitleBarOnScreen(const QRect& frame, int titleHeight, const QRect& screen);

#pragma once

#include <Qt>

class QWidget;

// The window type of a top-level window that is not a dialog by nature.
// Owned, it is of the dialog type all the same: an X11 window manager keeps
// only dialog and tool windows above their owner and minimises them with it
// (a plain window with a parent is neither), and it keeps the title-bar
// buttons of a plain window. Without an owner it is a plain window of its own
// with a taskbar entry, where a dialog without a parent would be tied to the
// whole program instead.
[[nodiscard]] Qt::WindowFlags ModelessWindowFlags(const QWidget* owner);

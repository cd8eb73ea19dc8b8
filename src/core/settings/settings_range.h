#pragma once

#include "core/settings/settings_record.h"

// A rectangle of the screen in twips.
struct TwipsRect {
    qint32 left = 0;
    qint32 top = 0;
    qint32 width = 0;
    qint32 height = 0;
};

// What the window manager's frame adds around the inside of a window, twips.
struct FrameTwips {
    qint32 left = 0;
    qint32 top = 0;
    qint32 right = 0;
    qint32 bottom = 0;
};

// Where the main window may go. The record keeps the frame's corner and the
// inside's size.
// - screen: the whole screen, which the snapping and the placement picker
//   size the window to, so a window they sized always fits;
// - workArea: the part no panel covers, where a window too broken to use
//   starts again;
// - frame: the frame's share, zero while the window manager has not framed
//   the window yet;
// - the smallest inside the layout allows.
struct WindowRoom {
    TwipsRect screen;
    TwipsRect workArea;
    FrameTwips frame;
    qint32 minWidth = 0;
    qint32 minHeight = 0;
};

// A record read from the file, with every value in the range the program can
// use; a file may be damaged or come from another machine, and none of its
// values may stop the program from starting. A value in range stays as read.
// - The window keeps a usable size, shrunk to the screen where it is larger
//   than the screen, and its frame is moved the least needed to lie on the
//   screen, title bar and all. A size of zero, below zero or below the
//   smallest window becomes the first run's half of the screen, at the work
//   area's corner.
// - MainWindowState outside 0..2 and AutosaveMode outside 0..2 become 0.
// - SnapDistance is clamped to 10..1450 twips, AutosaveMinutes to 1..10.
// - An EditorFontSize other than 8, 10, 12, 14, 17 or 24 becomes 8.
// - A colour keeps its red, green and blue and loses the top byte.
// - An empty EditorFontName becomes "Courier New CE".
[[nodiscard]] SettingsRecord SettingsInRange(SettingsRecord settings, const WindowRoom& room);

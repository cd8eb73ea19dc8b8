#pragma once

#include "core/settings/settings_record.h"

// Where the main window may go, all in twips: the free part of the screen,
// less the frame's own share (the record keeps the frame's corner and the
// inside's size), and the smallest window the program can lay out.
struct WindowRoom {
    qint32 left = 0;
    qint32 top = 0;
    qint32 width = 0;
    qint32 height = 0;
    qint32 minWidth = 0;
    qint32 minHeight = 0;
};

// A record read from the file, with every value in the range the program can
// use; a file may be damaged or come from another machine, and none of its
// values may stop the program from starting. A value in range stays as read.
// - The window keeps its size when it fits the room (no smaller than the
//   smallest window) and is moved the least to lie within it; a window that
//   does not fit takes half the room at its top left corner, as on a first run.
// - MainWindowState outside 0..2 and AutosaveMode outside 0..2 become 0.
// - SnapDistance is clamped to 10..1450 twips, AutosaveMinutes to 1..10.
// - An EditorFontSize other than 8, 10, 12, 14, 17 or 24 becomes 8.
// - A colour keeps its red, green and blue and loses the top byte.
// - An empty EditorFontName becomes "Courier New CE".
[[nodiscard]] SettingsRecord SettingsInRange(SettingsRecord settings, const WindowRoom& room);

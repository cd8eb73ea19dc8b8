#pragma once

class QWidget;

// Sets the font size of the whole editor text to one of 8, 10, 12, 14, 17 or
// 24 points (any other size gives 8), keeping the selection.
void SetEditorFontSize(int size);

// Keeps window above all others, or stops doing so, without moving it.
void SetAlwaysOnTop(QWidget& window, bool on);

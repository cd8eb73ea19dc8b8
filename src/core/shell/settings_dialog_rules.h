#pragma once

#include <QRectF>
#include <QString>
#include <optional>

// The rules of the settings dialog that give exact results: the font-size
// box, the snap distance bar and the 3 x 3 window-placement picker.

// The number a text begins with, as the size box reads it: blanks, tabs and
// line feeds anywhere are skipped, then an optional sign, digits, an optional
// decimal point with digits and an optional exponent (E or D); whatever
// follows is ignored. A text without such a number is 0.
[[nodiscard]] double LeadingNumber(const QString& text);

// What the font-size box shows once an edit has settled, and the preview size
// that follows it.
struct SizeBoxValue {
    QString text;
    double size = 1;

    friend bool operator==(const SizeBoxValue&, const SizeBoxValue&) = default;
};

// Settles a text typed into the size box: a text that is empty or worth less
// than 1 becomes "1"; otherwise the box shows the number's own decimal text,
// cut to its first two characters when longer ("123" -> "12", "8.5" -> "8",
// "abc" -> "1"). Each rewrite is read again, so the preview size is the
// value of the settled text, from 1 to 99.
[[nodiscard]] SizeBoxValue SettleSizeBox(const QString& typed);

// A preview size in whole points, halves to even (10.5 -> 10, 11.5 -> 12).
[[nodiscard]] int WholePoints(double size);

inline constexpr int SnapBarMinimum = 10;
inline constexpr int SnapBarMaximum = 1450;

// A stored snap distance as the snap bar can show it: kept within 10 to
// 1450 twips, so a damaged settings file cannot put it out of range.
[[nodiscard]] int SnapBarValue(qint32 stored);

// A cell of the window-placement picker: the text that names it, the outline
// drawn in the picker (its scale is 3 x 3 units) and where it puts the main
// window, as fractions of the screen's width and height.
struct PlacementCell {
    const char16_t* caption;
    QRectF outline; // picker units
    double left, top, width, height;
    // The centre cell maximises the window after placing it.
    bool maximise;
};

// The cell under a point of the picker in its 3 x 3 scale: column and row are
// the whole parts of x + 1 and y + 1; nothing outside columns and rows 1 to 3.
[[nodiscard]] std::optional<PlacementCell> PlacementCellAt(double x, double y);

// Where a cell puts the main window on a screen of the given size (twips).
struct WindowPlacement {
    int left = 0, top = 0, width = 0, height = 0;
    bool maximise = false;

    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};
[[nodiscard]] WindowPlacement PlacementOnScreen(const PlacementCell& cell, int screenWidth,
                                                int screenHeight);

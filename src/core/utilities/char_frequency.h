#pragma once

#include <QLine>
#include <QLocale>
#include <QPoint>
#include <QString>
#include <array>
#include <optional>
#include <vector>

// How often each character code of the ANSI code page occurs in a text.
// Index k holds the count of code k; code 0 (which no text of the editor
// holds) is never counted, and code 256 exists only as the graph's last point.
using CodeCounts = std::array<int, 257>;

[[nodiscard]] CodeCounts CountCodes(const QString& text);

// One row of the ranked table.
struct FrequencyRow {
    QString rank;
    QString count;
    QString percent;
    QString code;
    QString character;

    friend bool operator==(const FrequencyRow&, const FrequencyRow&) = default;
};

// The codes 1 to 255 ranked by count, largest first, equal counts in
// ascending code order: always 255 rows, codes that do not occur included.
// The percentage is of textLength, every character counted.
[[nodiscard]] std::vector<FrequencyRow> RankedFrequencies(const CodeCounts& counts, int textLength,
                                                          const QLocale& locale = QLocale());

// A number in the general format: up to 15 significant digits, no trailing
// zeros, the locale's decimal separator, an exponent only for very small or
// large values ("1E-05").
[[nodiscard]] QString GeneralNumber(double value, const QLocale& locale = QLocale());

// The options of the graph.
struct GraphOptions {
    // All 256 codes two pixels apart; otherwise the codes 1 to 128 four apart.
    bool wide = true;
    // The blank neither sets the scale nor gets a bar.
    bool ignoreBlank = false;
    // A curve through every code instead of bars.
    bool lines = false;
};

inline constexpr int GraphBaseline = 200;

// What the graph draws, in pixels of its box (y downwards, the base line at 200).
struct FrequencyGraph {
    enum class Shape { Bars, Curve, Polyline };
    Shape shape = Shape::Bars;
    int penWidth = 1;
    // Bars: one vertical line per code that occurs.
    std::vector<QLine> bars;
    // Curve: a start point then groups of two control points and an end
    // point; Polyline: the points joined in order.
    std::vector<QPoint> points;

    friend bool operator==(const FrequencyGraph&, const FrequencyGraph&) = default;
};

// The largest count among the codes 1 to 255, the blank left out when it is ignored.
[[nodiscard]] int GraphMaximum(const CodeCounts& counts, bool ignoreBlank);

[[nodiscard]] FrequencyGraph DrawFrequencies(const CodeCounts& counts, const GraphOptions& options);

// The read-out for the mouse at x over the graph: "Poloha: 65 Znak: "A"";
// nothing at x = 0 and from x = 512 on.
[[nodiscard]] std::optional<QString> GraphPositionText(int x, bool wide);

#pragma once

#include <QString>
#include <QStringList>

// Column-wise editing of the selected lines: every line is cut at one
// column, counted from its start or from its end, and edited there.

// Where each line is cut: position characters from its start, or from its
// end. A position above a line's length cuts it at its far end.
struct LineColumn {
    int position = 0;
    bool fromStart = true;
};

// The selection split at every CR LF; a lone CR or LF stays inside its
// line, and a selection ending with CR LF gives an empty last line.
[[nodiscard]] QStringList SplitSelectionLines(const QString& selection);
// The lines joined with CR LF between them, none after the last.
[[nodiscard]] QString JoinSelectionLines(const QStringList& lines);

// The length of the shortest line; 0 without lines.
[[nodiscard]] int ShortestLineLength(const QStringList& lines);
// The length of the longest line; 0 without lines.
[[nodiscard]] int LongestLineLength(const QStringList& lines);

// text put into every line at the column.
[[nodiscard]] QStringList InsertAtColumn(const QStringList& lines, LineColumn column,
                                         const QString& text);
// One character taken from every line at the column: the one after it from
// the start, the one before it from the end. While the shortest line has no
// character there, nothing changes at all.
[[nodiscard]] QStringList DeleteAtColumn(const QStringList& lines, LineColumn column);
// Every line padded at the column to the longest line's length with the
// first character of fill, or with blanks when fill is empty.
[[nodiscard]] QStringList PadAtColumn(const QStringList& lines, LineColumn column,
                                      const QString& fill);

#include "core/utilities/line_formatting.h"

#include <algorithm>

namespace {

const QString LineBreak = QStringLiteral("\r\n");

// The length of the part left of the column in line.
qsizetype LeftLength(const QString& line, LineColumn column) {
    const qsizetype position = std::clamp<qsizetype>(column.position, 0, line.size());
    return column.fromStart ? position : line.size() - position;
}

qsizetype LengthOf(const QString& line) {
    return line.size();
}

template <class Edit> QStringList EachLine(const QStringList& lines, Edit edit) {
    QStringList result;
    result.reserve(lines.size());
    for (const QString& line : lines)
        result << edit(line);
    return result;
}

} // namespace

QStringList SplitSelectionLines(const QString& selection) {
    return selection.split(LineBreak);
}

QString JoinSelectionLines(const QStringList& lines) {
    return lines.join(LineBreak);
}

int ShortestLineLength(const QStringList& lines) {
    return lines.isEmpty() ? 0 : static_cast<int>(std::ranges::min(lines, {}, LengthOf).size());
}

int LongestLineLength(const QStringList& lines) {
    return lines.isEmpty() ? 0 : static_cast<int>(std::ranges::max(lines, {}, LengthOf).size());
}

QStringList InsertAtColumn(const QStringList& lines, LineColumn column, const QString& text) {
    return EachLine(lines, [&](const QString& line) {
        QString edited = line;
        return edited.insert(LeftLength(line, column), text);
    });
}

QStringList DeleteAtColumn(const QStringList& lines, LineColumn column) {
    if (column.position < 0 || column.position >= ShortestLineLength(lines))
        return lines;
    return EachLine(lines, [&](const QString& line) {
        const qsizetype left = LeftLength(line, column);
        QString edited = line;
        return edited.remove(column.fromStart ? left : left - 1, 1);
    });
}

QStringList PadAtColumn(const QStringList& lines, LineColumn column, const QString& fill) {
    const int longest = LongestLineLength(lines);
    const QChar c = fill.isEmpty() ? QChar(u' ') : fill.front();
    return EachLine(lines, [&](const QString& line) {
        QString edited = line;
        return edited.insert(LeftLength(line, column), QString(longest - line.size(), c));
    });
}

#pragma once

#include <QList>
#include <QString>
#include <functional>

// One line as it goes to the printer.
struct PrintedLine {
    // Every line but an empty one begins with a blank.
    QString text;
    // How many characters of the printed text are done once this line is.
    qsizetype done = 0;

    friend bool operator==(const PrintedLine&, const PrintedLine&) = default;
};

// The width of a text in the printer's current font, in the printer's units.
using PrintTextWidth = std::function<double(const QString& text)>;

// The text laid out in lines for a printable width. Each line break of the
// text (CR LF, a lone CR or a lone LF) ends a line; within a line the text is
// cut at each blank into words, and each word is printed after a blank, so
// runs of blanks print as they stand. A word goes to the next line when it
// would end past the limit: the printable width, rounded, less the width of
// "ZZZZZZZZ" as the right margin (the word's own blank is not measured). A
// word wider than the limit starts a line of its own and is broken into
// pieces that fit. An empty text gives no lines; a text that ends in a line
// break gives no empty line after it.
[[nodiscard]] QList<PrintedLine> PrintLines(const QString& text, const PrintTextWidth& width,
                                            double printableWidth);

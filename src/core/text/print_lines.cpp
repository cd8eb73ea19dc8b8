#include "core/text/print_lines.h"

#include "core/text/last_holding.h"

#include <QStringView>
#include <cmath>

namespace {

const QString RightMargin = QStringLiteral("ZZZZZZZZ");
const QChar Blank = u' ';

// Builds the lines word by word, keeping the current line's width.
class LineBuilder {
public:
    LineBuilder(const PrintTextWidth& width, double limit) : m_width(width), m_limit(limit) {}

    // done: the characters of the text finished with this word.
    void addWord(QStringView word, qsizetype done) {
        const double wordWidth = m_width(word.toString());
        if (!m_line.isEmpty() && m_x + wordWidth > m_limit)
            endLine();
        while (m_line.isEmpty() && wordWidth > m_limit && word.size() > 1) {
            const qsizetype fits = longestFittingPrefix(word);
            if (fits == word.size())
                break;
            put(word.first(fits), done - (word.size() - fits));
            endLine();
            word = word.sliced(fits);
            if (m_width(word.toString()) <= m_limit)
                break;
        }
        put(word, done);
    }

    // Ends a line of the text: an empty one prints as an empty line.
    void endParagraph(qsizetype done) {
        m_done = done;
        endLine();
    }

    [[nodiscard]] QList<PrintedLine> take() { return std::move(m_lines); }

private:
    void put(QStringView word, qsizetype done) {
        const QString printed = Blank + word.toString();
        m_line += printed;
        m_x += m_width(printed);
        m_done = done;
    }

    void endLine() {
        m_lines.append({m_line, m_done});
        m_line.clear();
        m_x = 0;
    }

    // At least one character, so a piece always moves on.
    [[nodiscard]] qsizetype longestFittingPrefix(QStringView word) const {
        return LastHolding(qsizetype{1}, word.size(), [this, word](qsizetype length) {
            return m_width(word.first(length).toString()) <= m_limit;
        });
    }

    const PrintTextWidth& m_width;
    double m_limit;
    QList<PrintedLine> m_lines;
    QString m_line;
    double m_x = 0;
    qsizetype m_done = 0;
};

// Length of the line break at index, 0 when there is none.
qsizetype breakLength(const QString& text, qsizetype index) {
    const QChar c = text.at(index);
    if (c == u'\r')
        return index + 1 < text.size() && text.at(index + 1) == u'\n' ? 2 : 1;
    return c == u'\n' ? 1 : 0;
}

} // namespace

QList<PrintedLine> PrintLines(const QString& text, const PrintTextWidth& width,
                              double printableWidth) {
    LineBuilder lines(width, std::round(printableWidth) - width(RightMargin));
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && breakLength(text, end) == 0)
            ++end;
        const QStringView line = QStringView(text).sliced(start, end - start);
        qsizetype wordStart = 0;
        while (wordStart < line.size()) {
            qsizetype blank = line.indexOf(Blank, wordStart);
            if (blank < 0)
                blank = line.size();
            lines.addWord(line.sliced(wordStart, blank - wordStart), start + blank);
            wordStart = blank + 1;
        }
        const qsizetype next = end < text.size() ? end + breakLength(text, end) : end;
        lines.endParagraph(next);
        start = next;
    }
    return lines.take();
}

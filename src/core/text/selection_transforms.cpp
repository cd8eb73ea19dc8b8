#include "core/text/selection_transforms.h"

#include "core/text/ansi_code_page.h"
#include "core/text/random_text.h"

#include <QStringList>
#include <algorithm>
#include <utility>

namespace {

bool StartsWord(QChar previous) {
    switch (previous.unicode()) {
    case 0:
    case u'\t':
    case u'\n':
    case 0x0B:
    case 0x0C:
    case u'\r':
    case u' ':
        return true;
    default:
        return false;
    }
}

const QString LineBreak = QStringLiteral("\r\n");

} // namespace

QString ProperCase(const QString& text) {
    QString result(text.size(), Qt::Uninitialized);
    bool wordStart = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        result[i] = wordStart ? AnsiUpper(c) : AnsiLower(c);
        wordStart = StartsWord(c);
    }
    return result;
}

QString ReverseChars(const QString& text) {
    QString result = text;
    std::reverse(result.begin(), result.end());
    return result;
}

QString ShuffleWords(const QString& text) {
    if (text.isEmpty())
        return {};
    QStringList words = text.split(u' ');
    const int last = static_cast<int>(words.size()) - 1;
    for (int i = 0; i <= last; ++i)
        std::swap(words[i], words[RandomInt(0, last)]);
    return words.join(u' ');
}

QString BlanksToLineBreaks(const QString& text) {
    return QString(text).replace(u' ', LineBreak);
}

QString NumberLines(const QString& text) {
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(LineBreak);
    const int width = static_cast<int>(QString::number(lines.size() - 1).size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        lines[i] = QStringLiteral("%1 ").arg(i, width, 10, QChar(u'0')) + lines.at(i);
    return lines.join(LineBreak);
}

QString ComplementCodes(const QString& text) {
    QString result(text.size(), Qt::Uninitialized);
    QChar* out = result.data();
    for (const QChar c : text) {
        const int code = Asc(c);
        *out++ = Chr(code == 0 ? 0 : 256 - code);
    }
    return result;
}

#include "core/utilities/selection_reshaping.h"

#include "core/text/ansi_code_page.h"
#include "core/text/random_text.h"
#include "core/text/string_functions.h"

#include <algorithm>

namespace {

const QString MaskLetters = QStringLiteral("ULIRP");

} // namespace

QString RotateLeft(const QString& text, int count) {
    const qsizetype n = std::clamp<qsizetype>(count, 0, text.size());
    return text.mid(n) + text.left(n);
}

QString RepeatText(const QString& text, int times) {
    return times < 1 ? QString() : text.repeated(times);
}

bool RepetitionFits(qint64 documentLength, qint64 selectionLength, int times, qint64 limit) {
    const qint64 others = documentLength - selectionLength;
    // Compared before multiplying, so a huge count cannot overflow.
    return times <= 1 || selectionLength == 0 ||
           (limit - others) / selectionLength >= static_cast<qint64>(times);
}

QString CleanCaseMask(const QString& typed) {
    QString mask;
    for (const QChar c : typed.toUpper()) {
        if (MaskLetters.contains(c))
            mask += c;
    }
    return mask;
}

QString MaskCase(const QString& text, const QString& mask,
                 const std::function<int(int, int)>& draw) {
    QString result;
    if (mask.isEmpty())
        return result;
    result.reserve(text.size());
    qsizetype k = 0;
    for (const QChar c : text) {
        switch (mask.at(k).unicode()) {
        case u'U':
            result += AnsiUpper(c);
            break;
        case u'L':
            result += AnsiLower(c);
            break;
        case u'I':
            result += InvertCase(QString(c));
            break;
        case u'R':
            result += RandomCase(QString(c), draw);
            break;
        case u'P':
            result += c;
            break;
        default:
            break;
        }
        k = (k + 1) % mask.size();
    }
    return result;
}

QString MaskCase(const QString& text, const QString& mask) {
    return MaskCase(text, mask, RandomInt);
}

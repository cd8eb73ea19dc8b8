#include "core/utilities/letter_ciphers.h"

#include "core/text/ansi_code_page.h"
#include "core/text/random_text.h"

namespace {

constexpr int AlphabetSize = 26;

// The alphabet number 1 to 26 of a letter; 0 for any other character.
[[nodiscard]] int AlphabetNumber(QChar c) {
    const QChar upper = AnsiUpper(c);
    return upper >= u'A' && upper <= u'Z' ? upper.unicode() - u'A' + 1 : 0;
}

// The letter c moved by places, in c's case; any other character unchanged.
[[nodiscard]] QChar Shifted(QChar c, int places) {
    const int number = AlphabetNumber(c);
    if (number == 0)
        return c;
    const int moved = ((number - 1 + places) % AlphabetSize + AlphabetSize) % AlphabetSize;
    const QChar upper(u'A' + moved);
    return IsNotLower(QString(c)) ? upper : upper.toLower();
}

[[nodiscard]] int DigitValue(QChar c) {
    return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : 0;
}

// Each character moved by sign times its key digit.
[[nodiscard]] QString KeyedShift(const QString& text, const QString& key, int sign) {
    QString result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int digit = key.isEmpty() ? 0 : DigitValue(key.at(i % key.size()));
        result[i] = Shifted(text.at(i), sign * digit);
    }
    return result;
}

} // namespace

QString ShiftCipher(const QString& text, int places) {
    QString result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        result[i] = Shifted(text.at(i), places % AlphabetSize);
    return result;
}

QString CronfeldEncrypt(const QString& text, const QString& key) {
    return KeyedShift(text, key, 1);
}

QString CronfeldDecrypt(const QString& text, const QString& key) {
    return KeyedShift(text, key, -1);
}

QString NormalisedKeyText(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype at = 0;
    bool negative = false;
    if (at < trimmed.size() && (trimmed.at(at) == u'-' || trimmed.at(at) == u'+'))
        negative = trimmed.at(at++) == u'-';
    while (at < trimmed.size() && trimmed.at(at) == u'0')
        ++at;
    QString digits;
    while (at < trimmed.size() && trimmed.at(at) >= u'0' && trimmed.at(at) <= u'9')
        digits += trimmed.at(at++);
    if (digits.isEmpty())
        return QStringLiteral("0");
    return negative ? u'-' + digits : digits;
}

QString RandomDigitKey() {
    QString key = QString::number(RandomInt(1, 9));
    for (int digit = 1; digit < 15; ++digit)
        key += QString::number(RandomInt(0, 9));
    return key;
}

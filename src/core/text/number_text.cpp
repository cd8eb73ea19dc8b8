#include "core/text/number_text.h"

#include "core/text/program_error.h"

#include <bit>

namespace {

constexpr int ValueBits = 31; // the bits of a non-negative int

struct RomanDigit {
    int value;
    char16_t letter;
};

constexpr RomanDigit RomanDigits[] = {
    {1000, u'M'}, {500, u'D'}, {100, u'C'}, {50, u'L'}, {10, u'X'}, {5, u'V'}, {1, u'I'},
};

[[nodiscard]] int HexDigitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

} // namespace

int LeadingHexValue(QStringView text) {
    int value = 0;
    for (const QChar c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0)
            break;
        value = value * 16 + digit;
    }
    return value;
}

int BinToNumber(const QString& bits) {
    int result = 0;
    const qsizetype last = bits.size() - 1;
    for (qsizetype k = 0; k <= last; ++k) {
        if (bits[last - k] != u'1')
            continue;
        if (k >= ValueBits)
            throw ProgramError(OverflowErrorNumber, QStringLiteral("Overflow"),
                               QStringLiteral("BinToNumber"));
        result += 1 << k;
    }
    return result;
}

QString NumberToBin(int n) {
    if (n <= 0)
        return QStringLiteral("0");
    const auto value = static_cast<unsigned>(n);
    const int width = std::bit_width(value);
    QString result(width, u'0');
    for (int k = 0; k < width; ++k) {
        if ((value >> k) & 1U)
            result[width - 1 - k] = u'1';
    }
    return result;
}

QString RomanNumeral(int n) {
    if (n <= 0)
        return QStringLiteral("0");
    QString result;
    int rest = n;
    for (const RomanDigit& digit : RomanDigits) {
        result += QString(rest / digit.value, QChar(digit.letter));
        rest %= digit.value;
    }
    return result;
}

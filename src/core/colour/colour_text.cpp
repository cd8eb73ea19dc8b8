#include "core/colour/colour_text.h"

namespace {

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

// The pair of text at index start (0-based), cut short by the end of the text.
[[nodiscard]] int PairValue(const QString& text, qsizetype start) {
    int value = 0;
    for (qsizetype i = start; i < start + 2 && i < text.size(); ++i) {
        const int digit = HexDigitValue(text.at(i));
        if (digit < 0)
            break;
        value = value * 16 + digit;
    }
    return value;
}

[[nodiscard]] QString TwoHexDigits(int channel) {
    return QStringLiteral("%1").arg(channel, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QString ColorToHex(ColorValue color) {
    return QLatin1Char('#') + TwoHexDigits(RedOf(color)) + TwoHexDigits(GreenOf(color)) +
           TwoHexDigits(BlueOf(color));
}

ColorValue HexToColor(const QString& text) {
    return RgbColor(PairValue(text, 1), PairValue(text, 3), PairValue(text, 5));
}

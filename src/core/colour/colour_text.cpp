#include "core/colour/colour_text.h"

#include "core/text/number_text.h"

namespace {

// The pair of text at index start (0-based), cut short by the end of the text.
[[nodiscard]] int PairValue(const QString& text, qsizetype start) {
    return LeadingHexValue(QStringView(text).mid(start, 2));
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

#include "core/utilities/number_bases.h"

#include "core/text/number_text.h"
#include "core/utilities/keypad_text.h"

namespace {

// The digit characters by their values.
const QString DigitCharacters = QStringLiteral("0123456789ABCDEF");

// The digits of value in base, without leading zeros; "0" for 0.
QString Digits(qint64 value, NumberBase base) {
    return QString::number(value, static_cast<int>(base)).toUpper();
}

// The number the digits show, when they are digits of base and the number
// is within the converter's range.
std::optional<qint64> ValueOf(NumberBase base, const QString& digits) {
    if (digits.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (const QChar character : digits) {
        const auto digit = DigitCharacters.indexOf(character);
        if (digit < 0 || digit >= static_cast<int>(base))
            return std::nullopt;
        value = value * static_cast<int>(base) + digit;
        // Checked at every digit, so a binary text of any length cannot overflow.
        if (value > LargestConvertible)
            return std::nullopt;
    }
    return value;
}

} // namespace

qsizetype FieldLimit(NumberBase base) {
    switch (base) {
    case NumberBase::Octal:
        return 11;
    case NumberBase::Decimal:
    case NumberBase::Hexadecimal:
        return 9;
    case NumberBase::Binary:
        break;
    }
    return -1;
}

QString TypeIntoField(NumberBase base, const QString& field, QChar key) {
    const QString typed = TypeKey(field, key);
    const qsizetype limit = FieldLimit(base);
    return limit < 0 ? typed : typed.left(limit);
}

std::optional<ConverterFields> ConvertFrom(NumberBase base, const QString& digits) {
    const std::optional<qint64> value = ValueOf(base, digits);
    if (!value)
        return std::nullopt;
    const int number = static_cast<int>(*value);
    return ConverterFields{
        .binary = NumberToBin(number),
        .octal = Digits(number, NumberBase::Octal),
        .decimal = Digits(number, NumberBase::Decimal),
        .hexadecimal = Digits(number, NumberBase::Hexadecimal),
        .roman = RomanNumeral(number),
    };
}

QString TooLargeForConverterText() {
    return QStringLiteral("Převést lze jen celá čísla od 0 do %1.").arg(LargestConvertible);
}

#pragma once

#include <QString>
#include <optional>

// The converter's four number fields, each with its own digits.
enum class NumberBase { Binary = 2, Octal = 8, Decimal = 10, Hexadecimal = 16 };

// The largest number the converter takes: the nine-digit decimal field's.
inline constexpr qint64 LargestConvertible = 999'999'999;

// The most characters a field holds; the binary field has no limit (-1).
[[nodiscard]] qsizetype FieldLimit(NumberBase base);

// A key's character typed into a field: it replaces a lone "0", otherwise it
// is appended; a text past the field's limit loses its last characters.
[[nodiscard]] QString TypeIntoField(NumberBase base, const QString& field, QChar key);

// Every field of the converter.
struct ConverterFields {
    QString binary;
    QString octal;
    QString decimal;
    QString hexadecimal;
    QString roman;

    friend bool operator==(const ConverterFields&, const ConverterFields&) = default;
};

// The fields for the number the digits text shows in base: each base's digits
// without leading zeros (upper-case hexadecimal), the binary digits of
// NumberToBin and the additive Roman numeral. Nothing when the text is no
// number of that base or the number is above LargestConvertible.
[[nodiscard]] std::optional<ConverterFields> ConvertFrom(NumberBase base, const QString& digits);

// What the converter tells the user who asks for a number above its range.
[[nodiscard]] QString TooLargeForConverterText();

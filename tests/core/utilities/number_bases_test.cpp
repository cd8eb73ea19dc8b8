#include "core/text/number_text.h"
#include "core/utilities/keypad_text.h"
#include "core/utilities/number_bases.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

ConverterFields Fields(const char16_t* binary, const char16_t* octal, const char16_t* decimal,
                       const char16_t* hexadecimal, const QString& roman) {
    return {QString::fromUtf16(binary), QString::fromUtf16(octal), QString::fromUtf16(decimal),
            QString::fromUtf16(hexadecimal), roman};
}

TEST(NumberBases, EveryFieldFromAnyField) {
    const struct {
        NumberBase base;
        const char16_t* digits;
        ConverterFields fields;
    } cases[] = {
        {NumberBase::Decimal, u"0", Fields(u"0", u"0", u"0", u"0", u"0"_s)},
        {NumberBase::Binary, u"0", Fields(u"0", u"0", u"0", u"0", u"0"_s)},
        {NumberBase::Decimal, u"255", Fields(u"11111111", u"377", u"255", u"FF", u"CCLV"_s)},
        {NumberBase::Hexadecimal, u"FF", Fields(u"11111111", u"377", u"255", u"FF", u"CCLV"_s)},
        {NumberBase::Octal, u"377", Fields(u"11111111", u"377", u"255", u"FF", u"CCLV"_s)},
        {NumberBase::Binary, u"11111111", Fields(u"11111111", u"377", u"255", u"FF", u"CCLV"_s)},
        {NumberBase::Decimal, u"4", Fields(u"100", u"4", u"4", u"4", u"IIII"_s)},
        {NumberBase::Decimal, u"1999",
         Fields(u"11111001111", u"3717", u"1999", u"7CF", u"MDCCCCLXXXXVIIII"_s)},
        {NumberBase::Hexadecimal, u"FFFF",
         Fields(u"1111111111111111", u"177777", u"65535", u"FFFF", QString(65, u'M') + u"DXXXV"_s)},
        {NumberBase::Octal, u"177777",
         Fields(u"1111111111111111", u"177777", u"65535", u"FFFF", QString(65, u'M') + u"DXXXV"_s)},
        {NumberBase::Hexadecimal, u"8000",
         Fields(u"1000000000000000", u"100000", u"32768", u"8000",
                QString(32, u'M') + u"DCCLXVIII"_s)},
        {NumberBase::Decimal, u"999999999",
         Fields(u"111011100110101100100111111111", u"7346544777", u"999999999", u"3B9AC9FF",
                QString(999999, u'M') + u"DCCCCLXXXXVIIII"_s)},
        {NumberBase::Binary, u"111011100110101100100111111111",
         Fields(u"111011100110101100100111111111", u"7346544777", u"999999999", u"3B9AC9FF",
                QString(999999, u'M') + u"DCCCCLXXXXVIIII"_s)},
    };
    for (const auto& c : cases) {
        const std::optional<ConverterFields> fields =
            ConvertFrom(c.base, QString::fromUtf16(c.digits));
        ASSERT_TRUE(fields.has_value()) << QString::fromUtf16(c.digits).toStdString();
        EXPECT_EQ(*fields, c.fields) << QString::fromUtf16(c.digits).toStdString();
    }
}

// Above the nine-digit decimal field's range the converter refuses, however
// the number was typed, and so it does for text of a wrong digit.
TEST(NumberBases, NumbersAboveTheRangeOrWrongDigitsAreRefused) {
    const struct {
        NumberBase base;
        QString digits;
    } cases[] = {
        {NumberBase::Decimal, u"1000000000"_s},
        {NumberBase::Hexadecimal, u"3B9ACA00"_s},
        {NumberBase::Hexadecimal, u"FFFFFFFFF"_s},
        {NumberBase::Octal, u"7346545000"_s},
        {NumberBase::Octal, u"77777777777"_s},
        {NumberBase::Binary, u"111011100110101100101000000000"_s},
        {NumberBase::Binary, QString(31, u'1')},
        {NumberBase::Binary, u"1"_s + QString(200, u'0')},
        {NumberBase::Binary, u"12"_s},
        {NumberBase::Octal, u"8"_s},
        {NumberBase::Hexadecimal, u"ff"_s},
        {NumberBase::Decimal, u""_s},
        {NumberBase::Decimal, u"-1"_s},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(ConvertFrom(c.base, c.digits).has_value()) << c.digits.toStdString();
    EXPECT_TRUE(ConvertFrom(NumberBase::Binary, QString(40, u'0') + u"1"_s).has_value());
    EXPECT_EQ(TooLargeForConverterText(), u"Převést lze jen celá čísla od 0 do 999999999."_s);
}

TEST(NumberBases, KeysReplaceALoneZeroAndStopAtTheFieldsLimit) {
    const struct {
        NumberBase base;
        const char16_t* field;
        char16_t key;
        const char16_t* typed;
    } cases[] = {
        {NumberBase::Decimal, u"0", u'7', u"7"},
        {NumberBase::Decimal, u"0", u'0', u"0"},
        {NumberBase::Decimal, u"12", u'0', u"120"},
        {NumberBase::Decimal, u"12345678", u'9', u"123456789"},
        {NumberBase::Decimal, u"123456789", u'1', u"123456789"},
        {NumberBase::Hexadecimal, u"FFFFFFFF", u'A', u"FFFFFFFFA"},
        {NumberBase::Hexadecimal, u"FFFFFFFFA", u'B', u"FFFFFFFFA"},
        {NumberBase::Octal, u"7777777777", u'1', u"77777777771"},
        {NumberBase::Octal, u"77777777771", u'2', u"77777777771"},
        {NumberBase::Binary, u"1111111111111111111111111111111111", u'0',
         u"11111111111111111111111111111111110"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TypeIntoField(c.base, QString::fromUtf16(c.field), QChar(c.key)),
                  QString::fromUtf16(c.typed))
            << QString::fromUtf16(c.field).toStdString();
}

TEST(KeypadText, DroppingTheLastOrFirstCharacterLeavesAtLeastZero) {
    const struct {
        const char16_t* text;
        const char16_t* withoutLast;
        const char16_t* withoutFirst;
    } cases[] = {
        {u"7", u"0", u"0"},     {u"0", u"0", u"0"},     {u"-5", u"-", u"5"},
        {u"123", u"12", u"23"}, {u"0,5", u"0,", u",5"}, {u"", u"0", u"0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DropLastCharacter(QString::fromUtf16(c.text)), QString::fromUtf16(c.withoutLast));
        EXPECT_EQ(DropFirstCharacter(QString::fromUtf16(c.text)),
                  QString::fromUtf16(c.withoutFirst));
    }
}

// The exact digits where a width computed from a logarithm goes wrong: at
// every power of two and just below it.
TEST(NumberToBin, ExactDigitsAtEveryPowerOfTwoAndOneBelow) {
    for (int k = 1; k <= 31; ++k) {
        const qint64 power = qint64(1) << k;
        if (power <= std::numeric_limits<int>::max()) {
            EXPECT_EQ(NumberToBin(int(power)), u"1"_s + QString(k, u'0')) << "2^" << k;
        }
        EXPECT_EQ(NumberToBin(int(power - 1)), QString(k, u'1')) << "2^" << k << " - 1";
    }
    EXPECT_EQ(NumberToBin(1), u"1"_s);
}

} // namespace

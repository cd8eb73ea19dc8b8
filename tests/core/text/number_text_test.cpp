#include "core/text/number_text.h"

#include "core/text/program_error.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMaxInt = std::numeric_limits<int>::max();

TEST(BinToNumber, CountsOnlyOnesFromTheRight) {
    const std::pair<QString, int> cases[] = {
        {u"101"_s, 5}, {u"1x1"_s, 5}, {u" 11"_s, 3}, {u"1 0"_s, 4},        {u"2"_s, 0},
        {u"abc"_s, 0}, {u""_s, 0},    {u"0"_s, 0},   {u"11111111"_s, 255},
    };
    for (const auto& [bits, number] : cases)
        EXPECT_EQ(BinToNumber(bits), number) << bits.toStdString();
    EXPECT_EQ(BinToNumber(u"1"_s + QString(30, u'0')), 1 << 30);
    EXPECT_EQ(BinToNumber(QString(31, u'1')), kMaxInt);
    EXPECT_EQ(BinToNumber(QString(40, u'0') + u"1"_s), 1);
    EXPECT_EQ(BinToNumber(QString(40, u'x') + u"10"_s), 2);
}

TEST(BinToNumber, OneWorthTwoToThe31OrMoreOverflows) {
    for (const QString& bits :
         {u"1"_s + QString(31, u'0'), QString(32, u'1'), u"1"_s + QString(40, u'x')}) {
        try {
            static_cast<void>(BinToNumber(bits));
            ADD_FAILURE() << "no overflow for " << bits.toStdString();
        } catch (const ProgramError& error) {
            EXPECT_EQ(error.number, 6);
            EXPECT_EQ(error.description, u"Overflow"_s);
        }
    }
}

TEST(NumberToBin, ExactBitsWithoutLeadingZerosAndReadBack) {
    const std::pair<int, QString> cases[] = {
        {0, u"0"_s},   {-1, u"0"_s},         {std::numeric_limits<int>::min(), u"0"_s},
        {1, u"1"_s},   {2, u"10"_s},         {5, u"101"_s},
        {6, u"110"_s}, {255, u"11111111"_s}, {256, u"100000000"_s},
    };
    for (const auto& [n, bits] : cases)
        EXPECT_EQ(NumberToBin(n), bits) << n;
    EXPECT_EQ(NumberToBin(kMaxInt), QString(31, u'1'));
    for (int bit = 0; bit < 31; ++bit) {
        const int power = 1 << bit;
        for (const int n : {power - 1, power, power + 1, kMaxInt - power}) {
            if (n > 0) {
                EXPECT_EQ(BinToNumber(NumberToBin(n)), n);
            }
        }
    }
}

TEST(RomanNumeral, AdditiveFormsOnly) {
    const std::pair<int, QString> cases[] = {
        {0, u"0"_s},      {-5, u"0"_s},      {1, u"I"_s},          {4, u"IIII"_s},
        {9, u"VIIII"_s},  {40, u"XXXX"_s},   {49, u"XXXXVIIII"_s}, {90, u"LXXXX"_s},
        {400, u"CCCC"_s}, {900, u"DCCCC"_s}, {5000, u"MMMMM"_s},
    };
    for (const auto& [n, roman] : cases)
        EXPECT_EQ(RomanNumeral(n), roman) << n;
    EXPECT_EQ(RomanNumeral(1999), u"MDCCCCLXXXXVIIII"_s);
    EXPECT_EQ(RomanNumeral(3888), u"MMMDCCCLXXXVIII"_s);
}

TEST(RomanNumeral, LargestNumberRepeatsThousands) {
    const QString text = RomanNumeral(kMaxInt);
    const QString tail = u"DCXXXXVII"_s; // 647
    ASSERT_EQ(text.size(), 2147483 + tail.size());
    EXPECT_EQ(text.count(u'M'), 2147483);
    EXPECT_TRUE(text.endsWith(tail));
}

} // namespace

#include "core/utilities/code_table.h"

#include <gtest/gtest.h>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

TEST(CodeTable, ReadOutsOfACode) {
    const struct {
        int code;
        CodeForms forms;
    } cases[] = {
        {0, {u"0"_s, u"00"_s, u"&#0;"_s, u"00000000"_s}},
        {5, {u"5"_s, u"05"_s, u"&#5;"_s, u"00000101"_s}},
        {10, {u"10"_s, u"0A"_s, u"&#10;"_s, u"00001010"_s}},
        {65, {u"65"_s, u"41"_s, u"&#65;"_s, u"01000001"_s}},
        {171, {u"171"_s, u"AB"_s, u"&#171;"_s, u"10101011"_s}},
        {255, {u"255"_s, u"FF"_s, u"&#255;"_s, u"11111111"_s}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormsOfCode(c.code), c.forms) << c.code;
    EXPECT_EQ(SignedNumberText(10), u" 10"_s);
    EXPECT_EQ(SignedNumberText(0), u" 0"_s);
    EXPECT_EQ(SignedNumberText(-3), u"-3"_s);
}

// Only points inside the 16 by 16 cells have a code; a point just outside,
// on any side, has none rather than a code of a neighbouring row.
TEST(CodeTable, CodeUnderAPoint) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double x;
        double y;
        std::optional<int> code;
    } cases[] = {
        {0, 0, 0},    {0.99, 0.99, 0}, {1.2, 4.9, 65}, {15.99, 15.99, 255}, {15.5, 0, 15},
        {0, 1, 16},   {-0.01, 3, {}},  {16, 0, {}},    {3, 16, {}},         {3, -0.5, {}},
        {nan, 2, {}}, {2, nan, {}},    {17.5, 2, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CodeAtCell(c.x, c.y), c.code) << c.x << " " << c.y;
}

TEST(CodeTable, CharacterOfACodeAndNoneForZero) {
    EXPECT_EQ(CharacterOfCode(0), QString());
    EXPECT_EQ(CharacterOfCode(65), u"A"_s);
    EXPECT_EQ(CharacterOfCode(0xE8), u"č"_s);
    EXPECT_EQ(CharacterOfCode(0x81), QString(QChar(0x81)));
    EXPECT_EQ(CharacterOfCode(9), u"\t"_s);
    EXPECT_EQ(CharacterOfCode(256), QString());
}

} // namespace

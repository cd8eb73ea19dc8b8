#include "core/colour/colour_text.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Out of range, a system colour or a stray top byte still gives seven characters.
TEST(ColorText, ToHexWritesRedGreenBlueOfTheLowTwentyFourBits) {
    const std::pair<ColorValue, QString> kCases[] = {
        {0, u"#000000"_s},          {255, u"#FF0000"_s},      {16711680, u"#0000FF"_s},
        {658188, u"#0C0B0A"_s},     {0xFFFFFF, u"#FFFFFF"_s}, {0x1000000, u"#000000"_s},
        {0x12345678, u"#785634"_s}, {-1, u"#FFFFFF"_s},       {-2147483643, u"#050000"_s},
    };
    for (const auto& [color, text] : kCases)
        EXPECT_EQ(ColorToHex(color), text) << color;
    EXPECT_EQ(ColorToHex(RgbColor(10, 171, 205)), u"#0AABCD"_s);
}

// The first character is never examined. Missing pairs read 0; a pair cut by
// the end or by a non-digit reads its leading digits; the rest is ignored.
TEST(ColorText, HexToColorReadsThreePairsAfterTheFirstCharacter) {
    const std::pair<QString, ColorValue> kCases[] = {
        {u"#FF8000"_s, 33023},  {u"#ff8000"_s, 33023},    {u"#0C0b0A"_s, 658188},
        {u"XFF8000"_s, 33023},  {u"FF8000"_s, 248},       {u"#FF"_s, 255},
        {u"#F"_s, 15},          {u"#1Z0000"_s, 1},        {u"#Z10000"_s, 0},
        {u"#GG0000"_s, 0},      {u"#00000A"_s, 0x0A0000}, {u"#FF8000FF"_s, 33023},
        {u"# F8000"_s, 0x8000},
    };
    for (const auto& [text, color] : kCases)
        EXPECT_EQ(HexToColor(text), color) << text.toStdString();
    EXPECT_EQ(HexToColor(u"#"_s), 0);
    EXPECT_EQ(HexToColor(QString()), 0);
}

TEST(ColorText, PlainColoursRoundTripThroughTheirText) {
    for (ColorValue color = 0; color <= 0xFFFFFF; color += 97)
        ASSERT_EQ(HexToColor(ColorToHex(color)), color) << color;
    EXPECT_EQ(HexToColor(ColorToHex(0xFFFFFF)), 0xFFFFFF);
}

} // namespace

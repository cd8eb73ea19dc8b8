#include "core/testing/MemorySurface.h"
#include "core/text/text_look.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(TextLook, InvertedColourIsWhiteMinusTheLow24Bits) {
    const struct {
        ColorValue color, inverted;
    } cases[] = {
        {RgbColor(0, 0, 0), RgbColor(255, 255, 255)},
        {RgbColor(255, 255, 255), RgbColor(0, 0, 0)},
        {RgbColor(1, 128, 254), RgbColor(254, 127, 1)},
        // Bits above the colour are dropped, never turned into a negative value.
        {static_cast<ColorValue>(0x7F000000) | RgbColor(10, 20, 30), RgbColor(245, 235, 225)},
        {-1, RgbColor(0, 0, 0)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(InvertedColor(c.color), c.inverted) << c.color;
        EXPECT_EQ(InvertedColor(InvertedColor(c.color)), c.color & 0xFFFFFF) << c.color;
    }
}

TEST(TextLook, MixedSelectionGivesItsFirstCharactersLook) {
    MemorySurface surface;
    surface.setText(u"abcd"_s);
    surface.setSelStart(2);
    surface.setSelLength(2);
    surface.setSelBold(true);
    surface.setSelColor(RgbColor(9, 8, 7));
    surface.setSelFontName(u"Terminal"_s);

    surface.setSelStart(1); // "bcd": plain, then bold
    surface.setSelLength(3);
    const TextLook plainFirst = LookAtCaret(surface);
    EXPECT_FALSE(plainFirst.bold);
    EXPECT_NE(plainFirst.fontName, u"Terminal"_s);

    surface.setSelStart(2); // "cd" starts bold
    surface.setSelLength(2);
    const TextLook boldFirst = LookAtCaret(surface);
    EXPECT_TRUE(boldFirst.bold);
    EXPECT_FALSE(boldFirst.italic);
    EXPECT_EQ(boldFirst.color, RgbColor(9, 8, 7));
    EXPECT_EQ(boldFirst.fontName, u"Terminal"_s);
}

} // namespace

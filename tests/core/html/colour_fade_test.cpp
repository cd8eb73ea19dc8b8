#include "core/html/colour_fade.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr ColorValue White = RgbColor(255, 255, 255);
constexpr ColorValue Black = RgbColor(0, 0, 0);
constexpr ColorValue Red = RgbColor(255, 0, 0);

QString font(const QString& colour) {
    return u"<FONT COLOR=\""_s + colour + u"\">"_s;
}
// A stop after a unit: the colour so far closes and the next one opens.
QString next(const QString& colour) {
    return u"</FONT>"_s + font(colour);
}

} // namespace

TEST(ColourFade, SelectionIsColouredUnitByUnit) {
    struct Case {
        const char* name;
        QString text;
        ColorValue from;
        ColorValue to;
        bool byLines;
        QString faded;
    };
    const Case cases[] = {
        {"three characters", u"abc"_s, White, Black, false,
         font(u"#FFFFFF"_s) + u'a' + next(u"#AAAAAA"_s) + u'b' + next(u"#555555"_s) + u'c' +
             next(u"#000000"_s) + u"</FONT>"_s},
        {"a half rounds to even", u"ab"_s, White, Black, false,
         font(u"#FFFFFF"_s) + u'a' + next(u"#808080"_s) + u'b' + next(u"#000000"_s) + u"</FONT>"_s},
        {"equal colours", u"abc"_s, Red, Red, false, font(u"#FF0000"_s) + u"abc</FONT>"_s},
        {"one character", u"x"_s, White, Black, false,
         font(u"#FFFFFF"_s) + u'x' + next(u"#000000"_s) + u"</FONT>"_s},
        {"CR LF is one unit", u"a\r\nb"_s, White, Black, false,
         font(u"#FFFFFF"_s) + u'a' + next(u"#AAAAAA"_s) + u"\r\n"_s + next(u"#555555"_s) + u'b' +
             next(u"#000000"_s) + u"</FONT>"_s},
        {"lone line ends count one each", u"\n\r"_s, White, Black, false,
         font(u"#FFFFFF"_s) + u'\n' + next(u"#808080"_s) + u'\r' + next(u"#000000"_s) +
             u"</FONT>"_s},
        {"three lines", u"l1\r\nl2\r\nl3"_s, White, Black, true,
         font(u"#FFFFFF"_s) + u"l1"_s + next(u"#AAAAAA"_s) + u"\r\nl2"_s + next(u"#555555"_s) +
             u"\r\nl3"_s + next(u"#000000"_s) + u"\r\n</FONT>"_s},
        {"a last CR LF gives an empty line", u"l1\r\n"_s, White, Black, true,
         font(u"#FFFFFF"_s) + u"l1"_s + next(u"#808080"_s) + u"\r\n"_s + next(u"#000000"_s) +
             u"\r\n</FONT>"_s},
        {"repeated stops collapse", u"abc"_s, RgbColor(0, 0, 0), RgbColor(1, 0, 0), false,
         font(u"#000000"_s) + u"ab"_s + next(u"#010000"_s) + u'c' + u"</FONT>"_s},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColourFadeText(c.text, c.from, c.to, c.byLines), c.faded) << c.name;
}

TEST(ColourFade, EmptySelectionHasNothingToColour) {
    for (const bool byLines : {false, true})
        EXPECT_EQ(ColourFadeText({}, White, Black, byLines), std::nullopt) << byLines;
}

TEST(ColourFade, PreviewRunsFromTheFirstColourToTheSecond) {
    EXPECT_TRUE(FadeColumns(White, Black, 0).isEmpty());
    EXPECT_EQ(FadeColumns(White, Black, 2),
              (QVector<ColorValue>{White, RgbColor(128, 128, 128), Black}));
    EXPECT_EQ(FadeColumns(Red, RgbColor(0, 0, 255), 4),
              (QVector<ColorValue>{Red, RgbColor(191, 0, 64), RgbColor(128, 0, 128),
                                   RgbColor(64, 0, 191), RgbColor(0, 0, 255)}));
}

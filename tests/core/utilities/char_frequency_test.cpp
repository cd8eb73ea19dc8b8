#include "core/utilities/char_frequency.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QLocale Czech(QLocale::Czech, QLocale::CzechRepublic);

FrequencyRow Row(int rank, int count, const QString& percent, int code, const QString& character) {
    return {QString::number(rank), QString::number(count), percent, QString::number(code),
            character};
}

TEST(CharFrequency, RanksByCountThenByCode) {
    const std::vector<FrequencyRow> rows = RankedFrequencies(CountCodes(u"aab"_s), 3, Czech);
    ASSERT_EQ(rows.size(), 255u);
    EXPECT_EQ(rows[0], Row(1, 2, u"66,6666666666667"_s, 97, u"a"_s));
    EXPECT_EQ(rows[1], Row(2, 1, u"33,3333333333333"_s, 98, u"b"_s));
    EXPECT_EQ(rows[2], Row(3, 0, u"0"_s, 1, QString(QChar(1))));
    EXPECT_EQ(rows[98], Row(99, 0, u"0"_s, 99, u"c"_s));
    EXPECT_EQ(rows[254], Row(255, 0, u"0"_s, 255, QString(QChar(0x02D9))));

    // The separator is the locale's.
    EXPECT_EQ(RankedFrequencies(CountCodes(u"aab"_s), 3, QLocale::c())[0].percent,
              u"66.6666666666667"_s);

    // Equal counts: ascending code, whatever order the text has them in.
    const std::vector<FrequencyRow> ties = RankedFrequencies(CountCodes(u"zb\r\nzb"_s), 6, Czech);
    const QString expected[] = {u"98"_s, u"122"_s, u"10"_s, u"13"_s, u"1"_s};
    for (std::size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(ties[i].code, expected[i]) << i;
    EXPECT_EQ(ties[4].count, u"0"_s);

    // No text: 255 rows of nothing, no division by zero.
    const std::vector<FrequencyRow> none = RankedFrequencies(CountCodes(QString()), 0, Czech);
    ASSERT_EQ(none.size(), 255u);
    EXPECT_EQ(none[0], Row(1, 0, u"0"_s, 1, QString(QChar(1))));
}

// Code 0 has no counter; every other character counts once by its code, a
// character outside the code page as "?".
TEST(CharFrequency, CountsEveryCodeButZero) {
    const CodeCounts counts = CountCodes(u"\0a\u010d?\u4e00 "_s);
    EXPECT_EQ(counts[0], 0);
    EXPECT_EQ(counts[97], 1);
    EXPECT_EQ(counts[0xE8], 1);
    EXPECT_EQ(counts[63], 2);
    EXPECT_EQ(counts[32], 1);
    EXPECT_EQ(counts[256], 0);
}

TEST(CharFrequency, GeneralNumberFormat) {
    const struct {
        double value;
        const char16_t* text;
    } cases[] = {{0, u"0"},
                 {100, u"100"},
                 {12.5, u"12,5"},
                 {200.0 / 3, u"66,6666666666667"},
                 {0.0001, u"0,0001"},
                 {0.00001, u"1E-05"},
                 {1.0 / 1442401 * 100, u"6,93288482190459E-05"}};
    for (const auto& c : cases)
        EXPECT_EQ(GeneralNumber(c.value, Czech), QString::fromUtf16(c.text)) << c.value;
}

TEST(CharFrequency, GraphShapes) {
    const CodeCounts aab = CountCodes(u"aab"_s);
    const struct {
        const char* name;
        CodeCounts counts;
        GraphOptions options;
        FrequencyGraph::Shape shape;
        int penWidth;
        std::vector<QLine> bars;
    } cases[] = {
        {"wide bars",
         aab,
         {.wide = true},
         FrequencyGraph::Shape::Bars,
         1,
         {QLine(194, 0, 194, 200), QLine(196, 100, 196, 200)}},
        {"narrow bars",
         aab,
         {.wide = false},
         FrequencyGraph::Shape::Bars,
         3,
         {QLine(388, 0, 388, 200), QLine(392, 100, 392, 200)}},
        {"blank bigger but ignored",
         CountCodes(u"    ab"_s),
         {.wide = true, .ignoreBlank = true},
         FrequencyGraph::Shape::Bars,
         1,
         {QLine(194, 0, 194, 200), QLine(196, 0, 196, 200)}},
        {"blank scales",
         CountCodes(u"    ab"_s),
         {.wide = true},
         FrequencyGraph::Shape::Bars,
         1,
         {QLine(64, 0, 64, 200), QLine(194, 150, 194, 200), QLine(196, 150, 196, 200)}},
        {"blanks only, ignored",
         CountCodes(u"   "_s),
         {.wide = true, .ignoreBlank = true},
         FrequencyGraph::Shape::Bars,
         1,
         {}},
        {"narrow leaves out codes past 128",
         CountCodes(u"\u010da"_s),
         {.wide = false},
         FrequencyGraph::Shape::Bars,
         3,
         {QLine(388, 0, 388, 200)}},
    };
    for (const auto& c : cases) {
        const FrequencyGraph graph = DrawFrequencies(c.counts, c.options);
        EXPECT_EQ(graph.shape, c.shape) << c.name;
        EXPECT_EQ(graph.penWidth, c.penWidth) << c.name;
        EXPECT_EQ(graph.bars, c.bars) << c.name;
        EXPECT_TRUE(graph.points.empty()) << c.name;
    }
}

TEST(CharFrequency, GraphLinesThroughEveryCode) {
    const FrequencyGraph curve =
        DrawFrequencies(CountCodes(u"aab"_s), {.wide = true, .lines = true});
    EXPECT_EQ(curve.shape, FrequencyGraph::Shape::Curve);
    ASSERT_EQ(curve.points.size(), 256u);
    EXPECT_EQ(curve.points[0], QPoint(2, 200));
    EXPECT_EQ(curve.points[96], QPoint(194, 0));
    EXPECT_EQ(curve.points[97], QPoint(196, 100));
    EXPECT_EQ(curve.points[255], QPoint(512, 200));

    const FrequencyGraph line =
        DrawFrequencies(CountCodes(u"aab"_s), {.wide = false, .lines = true});
    EXPECT_EQ(line.shape, FrequencyGraph::Shape::Polyline);
    EXPECT_EQ(line.penWidth, 3);
    ASSERT_EQ(line.points.size(), 128u);
    EXPECT_EQ(line.points[96], QPoint(388, 0));
    EXPECT_EQ(line.points[127], QPoint(512, 200));

    // Nothing to scale to: the base line, not a division by zero.
    const FrequencyGraph flat =
        DrawFrequencies(CountCodes(u"  "_s), {.wide = true, .ignoreBlank = true, .lines = true});
    for (const QPoint& point : flat.points)
        EXPECT_EQ(point.y(), 200);
    EXPECT_EQ(flat.points[31], QPoint(64, 200));

    // Heights round to the nearest pixel, a half to the even one: 1/400 and
    // 3/400 of 200 are 0.5 and 1.5.
    CodeCounts counts{};
    counts[65] = 400;
    counts[66] = 1;
    counts[67] = 3;
    const FrequencyGraph rounded = DrawFrequencies(counts, {.wide = true, .lines = true});
    EXPECT_EQ(rounded.points[65].y(), 200);
    EXPECT_EQ(rounded.points[66].y(), 198);
    EXPECT_EQ(GraphMaximum(counts, false), 400);
}

TEST(CharFrequency, PositionReadOut) {
    const struct {
        int x;
        bool wide;
        std::optional<QString> text;
    } cases[] = {
        {130, true, u"Poloha: 65 Znak: \"A\""_s},
        {131, true, u"Poloha: 65 Znak: \"A\""_s},
        {130, false, u"Poloha: 32 Znak: \" \""_s},
        {511, true, u"Poloha: 255 Znak: \"˙\""_s},
        {511, false, u"Poloha: 127 Znak: \"\x7f\""_s},
        {1, true, u"Poloha: 0 Znak: \"\""_s},
        {0, true, {}},
        {512, true, {}},
        {600, false, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GraphPositionText(c.x, c.wide), c.text) << c.x << c.wide;
}

} // namespace

#include "core/shell/start_blurb.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Each band must cover exactly one item: after its "* ", up to its last CR LF.
TEST(StartBlurb, EachBandSelectsOneWholeItem) {
    const QString text = StartBlurbText();
    const QString firstWords[] = {u"Praktická"_s, u"Úprava HTML"_s,  u"Kódování"_s,
                                  u"Nastavení"_s, u"Další funkce"_s, u"morseovka"_s};
    for (int i = 0; i < BlurbBandCount; ++i) {
        const BlurbRange item = BlurbBands().at(i).item;
        const QString selected = text.mid(item.start, item.length);
        EXPECT_TRUE(selected.startsWith(firstWords[i])) << i;
        EXPECT_EQ(text.mid(item.start - 2, 2), u"* "_s) << i;
        EXPECT_EQ(text.mid(item.start + item.length, 2), u"\r\n"_s) << i;
        const QString next = text.mid(item.start + item.length + 2, 2);
        EXPECT_TRUE(next == u"* "_s || next.isEmpty()) << i;
        EXPECT_FALSE(selected.contains(u"\r\n* "_s)) << i;
    }
}

TEST(StartBlurb, HeightPicksBandOrNothing) {
    struct Case {
        double yTwips;
        int band; // -1: nothing
    };
    const Case kCases[] = {
        {0, 0},       {480, 0},  {480.5, -1}, {481, 1},     {1110, 1},  {1110.2, -1},
        {1111, 2},    {1680, 2}, {1681, 3},   {2400, 3},    {2401, 4},  {2895, 4},
        {2895.9, -1}, {2896, 5}, {3465, 5},   {3465.5, -1}, {3600, -1}, {-1, -1},
    };
    for (const Case& c : kCases) {
        const std::optional<BlurbRange> item = BlurbItemAt(c.yTwips);
        if (c.band < 0) {
            EXPECT_FALSE(item.has_value()) << c.yTwips;
            continue;
        }
        ASSERT_TRUE(item.has_value()) << c.yTwips;
        EXPECT_EQ(item->start, BlurbBands().at(c.band).item.start) << c.yTwips;
        EXPECT_EQ(item->length, BlurbBands().at(c.band).item.length) << c.yTwips;
    }
}

} // namespace

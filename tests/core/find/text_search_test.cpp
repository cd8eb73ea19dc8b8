#include "core/find/text_search.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(TextSearch, FindsForwardFromAPositionWithOverlapsAndTheCaseOption) {
    const struct {
        const char* name;
        QString text, what;
        int from;
        bool matchCase;
        int expected;
    } cases[] = {
        {"first of a run", u"aaaa"_s, u"aa"_s, 1, true, 1},
        {"overlapping second", u"aaaa"_s, u"aa"_s, 2, true, 2},
        {"overlapping third", u"aaaa"_s, u"aa"_s, 3, true, 3},
        {"no room for another", u"aaaa"_s, u"aa"_s, 4, true, 0},
        {"below 1 counts as 1", u"xab"_s, u"ab"_s, 0, true, 2},
        {"past the end", u"ab"_s, u"b"_s, 3, true, 0},
        {"never wraps to the start", u"ab ab"_s, u"ab"_s, 2, true, 4},
        {"case kept", u"Text text"_s, u"TEXT"_s, 1, true, 0},
        {"case ignored", u"Text text"_s, u"TEXT"_s, 1, false, 1},
        {"case ignored, Czech letters", u"xŘÍŠE"_s, u"říše"_s, 1, false, 2},
        {"empty text found where the search starts", u"abc"_s, QString(), 2, true, 2},
        {"empty text found on the last character", u"abc"_s, QString(), 3, true, 3},
        {"empty text not found past the end", u"abc"_s, QString(), 4, true, 0},
        {"empty text not found in an empty text", QString(), QString(), 1, true, 0},
        {"CR LF counts two", u"a\r\nb"_s, u"b"_s, 1, true, 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindFrom(c.text, c.what, c.from, c.matchCase), c.expected) << c.name;
}

TEST(TextSearch, ReplacesEveryExactOccurrenceLeftToRight) {
    const struct {
        const char* name;
        QString text, what, with;
        QString expected;
        int count;
    } cases[] = {
        {"no overlaps", u"aaaaa"_s, u"aa"_s, u"b"_s, u"bba"_s, 2},
        {"case always kept", u"<B>x<b>y<B>"_s, u"<B>"_s, u"<STRONG>"_s, u"<STRONG>x<b>y<STRONG>"_s,
         2},
        {"replacement holding the text is not searched again", u"ab"_s, u"a"_s, u"aa"_s, u"aab"_s,
         1},
        {"removal", u"aXaYa"_s, u"a"_s, QString(), u"XY"_s, 3},
        {"across a line break", u"a\r\nb\r\n"_s, u"\r\n"_s, u"|"_s, u"a|b|"_s, 2},
        {"nothing found", u"abc"_s, u"z"_s, u"x"_s, u"abc"_s, 0},
        {"empty text to find replaces nothing", u"abc"_s, QString(), u"x"_s, u"abc"_s, 0},
        {"empty document", QString(), u"a"_s, u"x"_s, QString(), 0},
    };
    for (const auto& c : cases) {
        const Replaced replaced = ReplaceEvery(c.text, c.what, c.with);
        EXPECT_EQ(replaced.text, c.expected) << c.name;
        EXPECT_EQ(replaced.count, c.count) << c.name;
    }
}

} // namespace

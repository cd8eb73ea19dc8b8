#include "core/find/search_steps.h"
#include "core/testing/MemorySurface.h"

#include <gtest/gtest.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct Surface : MemorySurface {
    Surface(const QString& text, int selStart = 0, int selLength = 0) {
        setText(text);
        setSelStart(selStart);
        setSelLength(selLength);
    }
};

// The 1-based hits one search finds from Start to its end, each checked to be
// the editor selection when found.
std::vector<int> hitsOf(EditorSurface& surface, const SearchRequest& request, bool selectionOnly) {
    SearchState state;
    StartSearch(surface, state, selectionOnly);
    std::vector<int> hits;
    while (FindNextHit(surface, state, request)) {
        EXPECT_EQ(surface.selStart(), state.SearchPos - 1);
        EXPECT_EQ(surface.selLength(), request.what.size());
        hits.push_back(state.SearchPos);
        EXPECT_EQ(state.HitCount, static_cast<int>(hits.size()));
    }
    return hits;
}

TEST(SearchSteps, FindsForwardInScopeWithoutWrapping) {
    const struct {
        const char* name;
        QString text;
        int selStart, selLength;
        bool selectionOnly;
        QString what;
        bool matchCase;
        std::vector<int> hits;
    } cases[] = {
        {"overlapping hits", u"aaaa"_s, 0, 0, false, u"aa"_s, true, {1, 2, 3}},
        {"whole text ignores the selection", u"ab ab ab"_s, 3, 2, false, u"ab"_s, true, {1, 4, 7}},
        {"case kept", u"Text text TEXT"_s, 0, 0, false, u"text"_s, true, {6}},
        {"case ignored", u"Text text TEXT"_s, 0, 0, false, u"text"_s, false, {1, 6, 11}},
        {"empty selection ends at once", u"aaaa"_s, 1, 0, true, u"a"_s, true, {}},
        {"selection starts the search at its start",
         u"ab ab ab"_s,
         3,
         5,
         true,
         u"ab"_s,
         true,
         {4, 7}},
        {"a hit starting on the last selected character counts",
         u"xxabyy"_s,
         0,
         3,
         true,
         u"ab"_s,
         true,
         {3}},
        {"a hit after the selection does not", u"abxab"_s, 0, 3, true, u"ab"_s, true, {1}},
        // An empty search text is a zero-length hit on each character in turn.
        {"empty search text steps through the text",
         u"abc"_s,
         0,
         0,
         false,
         QString(),
         true,
         {1, 2, 3}},
        {"empty search text steps through the selection",
         u"abcde"_s,
         1,
         3,
         true,
         QString(),
         true,
         {2, 3, 4}},
        {"empty search text in an empty selection", u"abc"_s, 1, 0, true, QString(), true, {}},
        {"empty search text in an empty document", QString(), 0, 0, false, QString(), true, {}},
        {"empty document", QString(), 0, 0, false, u"a"_s, true, {}},
    };
    for (const auto& c : cases) {
        Surface surface(c.text, c.selStart, c.selLength);
        EXPECT_EQ(hitsOf(surface, {c.what, {}, c.matchCase}, c.selectionOnly), c.hits) << c.name;
    }
}

TEST(SearchSteps, EndedSearchSelectsAndCountsNothing) {
    Surface surface(u"ab ab ab"_s, 0, 3);
    SearchState state;
    StartSearch(surface, state, true);
    ASSERT_TRUE(FindNextHit(surface, state, {u"ab"_s, {}, true}));
    EXPECT_FALSE(FindNextHit(surface, state, {u"ab"_s, {}, true}));
    EXPECT_EQ(state.HitCount, 1);
    EXPECT_EQ(surface.selStart(), 0);
    EXPECT_EQ(surface.selLength(), 2);
}

TEST(SearchSteps, ReplaceTakesTheSelectionAsItStands) {
    const SearchRequest request{u"a"_s, u"X"_s, true};
    Surface surface(u"a1 a2 a3"_s);
    SearchState state;
    StartSearch(surface, state, false);
    ASSERT_TRUE(FindNextHit(surface, state, request));

    // The user selected something else since the hit: that is replaced, and
    // the search goes on after the hit.
    surface.setSelStart(7);
    surface.setSelLength(1);
    ASSERT_TRUE(ReplaceHit(surface, state, request));
    EXPECT_EQ(surface.text(), u"a1 a2 aX"_s);
    EXPECT_EQ(state.ReplaceCount, 1);
    EXPECT_EQ(surface.selStart(), 3);
    EXPECT_EQ(surface.selLength(), 1);

    // The hit's text was edited since it was found: replaced all the same.
    surface.setSelText(u"b"_s);
    surface.setSelStart(3);
    surface.setSelLength(1);
    ASSERT_TRUE(ReplaceHit(surface, state, request));
    EXPECT_EQ(surface.text(), u"a1 X2 aX"_s);
    EXPECT_EQ(state.ReplaceCount, 2);
    EXPECT_EQ(surface.selStart(), 6);
}

TEST(SearchSteps, ReplacingGoesOnOneCharacterAfterTheHitsStart) {
    const struct {
        const char* name;
        QString text;
        int selStart, selLength;
        bool selectionOnly;
        SearchRequest request;
        QString expected;
        int replaced;
    } cases[] = {
        {"overlapping run", u"aaaa"_s, 0, 0, false, {u"aa"_s, u"b"_s, true}, u"bb"_s, 2},
        // The scope end moves with the longer text, so the last hit is reached.
        {"longer replacement over the whole text",
         u"aXa"_s,
         0,
         0,
         false,
         {u"a"_s, u"bbb"_s, true},
         u"bbbXbbb"_s,
         2},
        // The scope shrinks with the text: the hit that moved into the old
        // scope lay after the selection, and stays.
        {"shorter replacement keeps the selection scope",
         u"ababab"_s,
         0,
         4,
         true,
         {u"ab"_s, QString(), true},
         u"abab"_s,
         1},
        {"case ignored", u"Ab aB"_s, 0, 0, false, {u"ab"_s, u"-"_s, false}, u"- -"_s, 2},
    };
    for (const auto& c : cases) {
        Surface surface(c.text, c.selStart, c.selLength);
        SearchState state;
        StartSearch(surface, state, c.selectionOnly);
        bool found = FindNextHit(surface, state, c.request);
        for (int guard = 0; found && guard < 100; ++guard)
            found = ReplaceHit(surface, state, c.request);
        EXPECT_FALSE(found) << c.name;
        EXPECT_EQ(surface.text(), c.expected) << c.name;
        EXPECT_EQ(state.ReplaceCount, c.replaced) << c.name;
    }
}

TEST(SearchSteps, AfterAReplacementTheNextHitMayLieInsideIt) {
    const SearchRequest request{u"a"_s, u"ba"_s, true};
    Surface surface(u"xa"_s);
    SearchState state;
    StartSearch(surface, state, false);
    ASSERT_TRUE(FindNextHit(surface, state, request));
    ASSERT_TRUE(ReplaceHit(surface, state, request));
    EXPECT_EQ(surface.text(), u"xba"_s);
    EXPECT_EQ(surface.selStart(), 2);
    EXPECT_EQ(state.HitCount, 2);
}

TEST(SearchSteps, ReplaceAllIsExactAndStaysInsideTheSelection) {
    const struct {
        const char* name;
        QString text;
        int selStart, selLength;
        bool selectionOnly;
        // Hits replaced one at a time before replacing all.
        int replacedFirst;
        SearchRequest request;
        QString expected;
        int count;
    } cases[] = {
        {"whole text, case kept although ignored for finding",
         u"<B>a<b>b<B>"_s,
         0,
         0,
         false,
         0,
         {u"<B>"_s, u"<STRONG>"_s, false},
         u"<STRONG>a<b>b<STRONG>"_s,
         2},
        {"selection only", u"ab ab ab"_s, 3, 2, true, 0, {u"ab"_s, u"X"_s, true}, u"ab X ab"_s, 1},
        {"an occurrence running past the selection stays",
         u"abab"_s,
         0,
         3,
         true,
         0,
         {u"ab"_s, u"X"_s, true},
         u"Xab"_s,
         1},
        // After a longer replacement the saved selection covers the same text.
        {"longer replacement first",
         u"ab ab ab ab"_s,
         0,
         5,
         true,
         1,
         {u"ab"_s, u"AB!"_s, true},
         u"AB! AB! ab ab"_s,
         1},
        // After a shorter one it never reaches past the old selection's text.
        {"shorter replacement first",
         u"ababab"_s,
         0,
         4,
         true,
         1,
         {u"ab"_s, QString(), true},
         u"ab"_s,
         1},
        {"empty search text", u"abc"_s, 0, 0, false, 0, {QString(), u"x"_s, true}, u"abc"_s, 0},
    };
    for (const auto& c : cases) {
        Surface surface(c.text, c.selStart, c.selLength);
        SearchState state;
        StartSearch(surface, state, c.selectionOnly);
        bool found = FindNextHit(surface, state, c.request);
        for (int i = 0; i < c.replacedFirst; ++i)
            found = ReplaceHit(surface, state, c.request);
        (void)found;
        int changes = 0;
        QObject::connect(&surface, &EditorSurface::textChanged, [&changes] { ++changes; });
        EXPECT_EQ(ReplaceAllHits(surface, state, c.request), c.count) << c.name;
        EXPECT_EQ(surface.text(), c.expected) << c.name;
        // One write, and none when nothing is replaced.
        EXPECT_EQ(changes, c.count > 0 ? 1 : 0) << c.name;
    }
}

} // namespace

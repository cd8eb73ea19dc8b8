#include "core/colour/colour_highlighting.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

using namespace Qt::StringLiterals;

void PrintTo(const ColorRun& run, std::ostream* os) {
    *os << "{" << run.start << ", " << run.length << ", " << run.color << "}";
}

namespace {

constexpr ColorValue Red = RgbColor(255, 0, 0);
constexpr ColorValue Blue = RgbColor(0, 0, 255);
constexpr ColorValue Green = RgbColor(0, 128, 0);

using Runs = std::vector<ColorRun>;

HighlightOptions wholeText(bool matchCase = false) {
    HighlightOptions options;
    options.matchCase = matchCase;
    return options;
}

HighlightOptions within(int start, int end, bool matchCase = false) {
    HighlightOptions options = wholeText(matchCase);
    options.rangeStart = start;
    options.rangeEnd = end;
    return options;
}

// One picture of the colouring: per character, the letter of its colour
// ('r', 'b', 'g') or '.' for characters in no run.
std::string picture(qsizetype length, const Runs& runs) {
    std::string out(static_cast<std::size_t>(length), '.');
    for (const ColorRun& run : runs) {
        const char letter = run.color == Red ? 'r' : run.color == Blue ? 'b' : 'g';
        for (int i = run.start; i < run.start + run.length; ++i)
            out[static_cast<std::size_t>(i)] = letter;
    }
    return out;
}

struct Case {
    QString text;
    std::string expected;
    QList<ColorRule> rules;
    HighlightOptions options = {};
};

TEST(ColourHighlighting, RulesColourTheirStretchesAsTheScanFindsThem) {
    const ColorRule tag{Red, u"<"_s, u">"_s};
    const Case cases[] = {
        // Every tag, also one ending the text.
        {u"a<b>c</b>d<br>"_s, ".rrr.rrrr.rrrr", {tag}},
        // An inner start text stops at the first end text.
        {u"x<a<b>>y"_s, ".rrrrr..", {tag}},
        // An end text never found colours nothing.
        {u"a<b c"_s, ".....", {tag}},
        // The end text may overlap the start text, or equal it.
        {u"xabx ab"_s, ".rr..rr", {{Red, u"ab"_s, u"b"_s}}},
        {u"<b>x<b>"_s, "rrr.rrr", {{Red, u"<b>"_s, u"<b>"_s}}},
        {u"a\"b\"c"_s, ".b.b.", {{Blue, u"\""_s, u"\""_s}}},
        // Overlapping rules: the later wins; the earlier shows where it does not reach.
        {u"<a href=\"x\">"_s, "rrrbbbbbbrrr", {tag, {Blue, u"href"_s, u"\""_s}}},
        {u"\"a<b>\""_s, "bbrrr.", {{Blue, u"\"a"_s, u"b"_s}, tag}},
        // An empty end text colours each start text; an empty start text starts
        // at the search position; a rule without texts is skipped.
        {u"<b><b>x<b"_s, "gg.gg..gg", {{Green, u"<b"_s, u""_s}}},
        {u"ab>cd>e"_s, "gggggg.", {{Green, u""_s, u">"_s}}},
        {u"abc"_s, ".r.", {{Green, u""_s, u""_s}, {Red, u"b"_s, u"b"_s}}},
        // Case folds by default, Czech letters too; matching case takes the exact case.
        {u"<B>x<b>ŽLUŤ žluť"_s,
         "rrr.rrrbbbb.bbbb",
         {{Red, u"<b>"_s, u"<b>"_s}, {Blue, u"Žluť"_s, u"ť"_s}}},
        {u"<B>x<b>ŽLUŤ žluť"_s,
         "rrr.........bbbb",
         {{Red, u"<B>"_s, u"<B>"_s}, {Blue, u"žluť"_s, u"ť"_s}},
         wholeText(true)},
        // Positions count CR LF as two; a start text may hold a line break.
        {u"a\r\n<b>\r\n<i\r\n>"_s, "...rrr..rrrrr", {tag}},
        {u"x\r\ny\r\n"_s, ".bbb..", {{Blue, u"\r\ny"_s, u"y"_s}}},
        // No start text before the range is used; an end text counts only when
        // it begins inside the range, and its stretch may run past; an empty
        // range colours nothing.
        {u"<a> <b> <c>"_s, "....rrr.rrr", {tag}, within(1, 11)},
        {u"<ab>> <c>"_s, "rrrrr....", {{Red, u"<"_s, u">>"_s}}, within(0, 4)},
        {u"<ab>> <c>"_s, ".........", {tag}, within(0, 3)},
        {u"<a> <b>"_s, ".......", {tag, {Green, u""_s, u">"_s}}, within(4, 4)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " as " + c.expected);
        const Runs runs = HighlightRuns(c.text, c.rules, c.options);
        EXPECT_EQ(picture(c.text.size(), runs), c.expected);
    }
}

TEST(ColourHighlighting, RunsAreDisjointInOrderAndJoinedByColour) {
    // Tags that touch join into one run; the later rule splits the red one.
    const QString text = u"<a><b>xy<c>"_s;
    const QList<ColorRule> rules = {{Red, u"<"_s, u">"_s}, {Blue, u"b"_s, u"b"_s}};
    const Runs expected = {{0, 4, Red}, {4, 1, Blue}, {5, 1, Red}, {8, 3, Red}};
    EXPECT_EQ(HighlightRuns(text, rules, wholeText()), expected);

    const Runs oneRule = {{0, 6, Red}, {8, 3, Red}};
    EXPECT_EQ(HighlightRuns(text, {rules.front()}, wholeText()), oneRule);
    // Two rules of one colour join as well.
    const QList<ColorRule> twins = {{Red, u"<a"_s, u">"_s}, {Red, u"<b"_s, u">"_s}};
    EXPECT_EQ(HighlightRuns(text, twins, wholeText()), (Runs{{0, 6, Red}}));
}

TEST(ColourHighlighting, ReportsEachRuleBeforeItsSearch) {
    std::vector<int> reported;
    const QList<ColorRule> rules = {
        {Red, u"a"_s, u"a"_s}, {Red, u""_s, u""_s}, {Blue, u"x"_s, u"x"_s}};
    (void)HighlightRuns(u"abc"_s, rules, wholeText(), [&](int rule) { reported.push_back(rule); });
    EXPECT_EQ(reported, (std::vector<int>{1, 2, 3}));
}

TEST(ColourHighlighting, LowerCasingKeepsEveryPosition) {
    const QString text = u"ĚŠČŘŽÝÁÍÉ\u0130X\U00010400Y"_s;
    const QString lower = LowerCasedForMatching(text);
    ASSERT_EQ(lower.size(), text.size());
    EXPECT_EQ(lower, u"ěščřžýáíé\u0130x\U00010428y"_s);
}

} // namespace

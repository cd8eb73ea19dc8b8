#include "core/colour_highlighting.h"

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
    const char* name;
    QString text;
    QList<ColorRule> rules;
    HighlightOptions options;
    std::string expected;
};

TEST(ColourHighlighting, RulesColourTheirStretchesAsTheScanFindsThem) {
    const std::vector<Case> cases = {
        {"every tag, also one ending the text",
         u"a<b>c</b>d<br>"_s,
         {{Red, u"<"_s, u">"_s}},
         wholeText(),
         ".rrr.rrrr.rrrr"},
        {"an inner start text stops at the first end text",
         u"x<a<b>>y"_s,
         {{Red, u"<"_s, u">"_s}},
         wholeText(),
         ".rrrrr.."},
        {"an end text never found colours nothing",
         u"a<b c"_s,
         {{Red, u"<"_s, u">"_s}},
         wholeText(),
         "....."},
        {"the end text may overlap the start text",
         u"xabx ab"_s,
         {{Red, u"ab"_s, u"b"_s}},
         wholeText(),
         ".rr..rr"},
        {"an end text equal to the start text ends at it",
         u"<b>x<b>"_s,
         {{Red, u"<b>"_s, u"<b>"_s}},
         wholeText(),
         "rrr.rrr"},
        {"overlapping rules: the later wins",
         u"<a href=\"x\">"_s,
         {{Red, u"<"_s, u">"_s}, {Blue, u"href"_s, u"\""_s}},
         wholeText(),
         "rrrbbbbbbrrr"},
        {"the earlier rule shows where the later does not reach",
         u"\"a<b>\""_s,
         {{Blue, u"\"a"_s, u"b"_s}, {Red, u"<"_s, u">"_s}},
         wholeText(),
         "bbrrr."},
        {"an end text equal to a one-character start text is the start text",
         u"a\"b\"c"_s,
         {{Blue, u"\""_s, u"\""_s}},
         wholeText(),
         ".b.b."},
        {"an empty end text colours each start text",
         u"<b><b>x<b"_s,
         {{Green, u"<b"_s, u""_s}},
         wholeText(),
         "gg.gg..gg"},
        {"an empty start text starts at the search position",
         u"ab>cd>e"_s,
         {{Green, u""_s, u">"_s}},
         wholeText(),
         "gggggg."},
        {"a rule without texts is skipped",
         u"abc"_s,
         {{Green, u""_s, u""_s}, {Red, u"b"_s, u"b"_s}},
         wholeText(),
         ".r."},
        {"case folds by default, Czech letters too",
         u"<B>x<b>ŽLUŤ žluť"_s,
         {{Red, u"<b>"_s, u"<b>"_s}, {Blue, u"Žluť"_s, u"ť"_s}},
         wholeText(),
         "rrr.rrrbbbb.bbbb"},
        {"matching case takes the exact case only",
         u"<B>x<b>ŽLUŤ žluť"_s,
         {{Red, u"<B>"_s, u"<B>"_s}, {Blue, u"žluť"_s, u"ť"_s}},
         wholeText(true),
         "rrr.........bbbb"},
        {"positions count CR LF as two",
         u"a\r\n<b>\r\n<i\r\n>"_s,
         {{Red, u"<"_s, u">"_s}},
         wholeText(),
         "...rrr..rrrrr"},
        {"a start text may hold a line break",
         u"x\r\ny\r\n"_s,
         {{Blue, u"\r\ny"_s, u"y"_s}},
         wholeText(),
         ".bbb.."},
        {"no start text before the range is used",
         u"<a> <b> <c>"_s,
         {{Red, u"<"_s, u">"_s}},
         within(1, 11),
         "....rrr.rrr"},
        {"an end text beginning on the last character counts and runs past",
         u"<ab>> <c>"_s,
         {{Red, u"<"_s, u">>"_s}},
         within(0, 4),
         "rrrrr...."},
        {"an end text beginning behind the range does not count",
         u"<ab>> <c>"_s,
         {{Red, u"<"_s, u">"_s}},
         within(0, 3),
         "........."},
        {"an empty range colours nothing",
         u"<a> <b>"_s,
         {{Red, u"<"_s, u">"_s}, {Green, u""_s, u">"_s}},
         within(4, 4),
         "......."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
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

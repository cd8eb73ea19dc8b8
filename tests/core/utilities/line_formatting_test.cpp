#include "core/utilities/line_formatting.h"

#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Lines = QStringList;
constexpr LineColumn FromStart(int position) {
    return {position, true};
}
constexpr LineColumn FromEnd(int position) {
    return {position, false};
}

TEST(LineFormatting, SplittingAtCrLfAndJoiningRoundTrips) {
    const struct {
        QString selection;
        Lines lines;
    } cases[] = {
        {u"abc\r\nde"_s, {u"abc"_s, u"de"_s}},
        {u"abc\r\nde\r\n"_s, {u"abc"_s, u"de"_s, QString()}},
        // A lone CR or LF stays inside its line.
        {u"a\rb\nc\r\nd"_s, {u"a\rb\nc"_s, u"d"_s}},
        {u"one line"_s, {u"one line"_s}},
        {QString(), {QString()}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitSelectionLines(c.selection), c.lines) << c.selection.toStdString();
        EXPECT_EQ(JoinSelectionLines(c.lines), c.selection) << c.selection.toStdString();
    }
}

TEST(LineFormatting, ShortestAndLongestLength) {
    EXPECT_EQ(ShortestLineLength({u"abc"_s, u"de"_s, u"fghi"_s}), 2);
    EXPECT_EQ(LongestLineLength({u"abc"_s, u"de"_s, u"fghi"_s}), 4);
    EXPECT_EQ(ShortestLineLength({u"abc"_s, QString()}), 0);
    EXPECT_EQ(ShortestLineLength({}), 0);
    EXPECT_EQ(LongestLineLength({}), 0);
}

TEST(LineFormatting, EditsAtTheColumn) {
    using Edit = std::function<Lines(const Lines&)>;
    const Lines abcDe = {u"abc"_s, u"de"_s};
    const struct {
        const char* what;
        Lines lines;
        Edit edit;
        Lines expected;
    } cases[] = {
        {"insert from the start",
         abcDe,
         [](const Lines& l) { return InsertAtColumn(l, FromStart(1), u"-"_s); },
         {u"a-bc"_s, u"d-e"_s}},
        {"insert from the end",
         abcDe,
         [](const Lines& l) { return InsertAtColumn(l, FromEnd(1), u"-"_s); },
         {u"ab-c"_s, u"d-e"_s}},
        {"insert a longer text",
         abcDe,
         [](const Lines& l) { return InsertAtColumn(l, FromStart(0), u"<>"_s); },
         {u"<>abc"_s, u"<>de"_s}},
        {"insert into an empty last line",
         {u"abc"_s, QString()},
         [](const Lines& l) { return InsertAtColumn(l, FromStart(0), u"*"_s); },
         {u"*abc"_s, u"*"_s}},
        {"delete from the start",
         abcDe,
         [](const Lines& l) { return DeleteAtColumn(l, FromStart(1)); },
         {u"ac"_s, u"d"_s}},
        {"delete from the end",
         abcDe,
         [](const Lines& l) { return DeleteAtColumn(l, FromEnd(1)); },
         {u"ac"_s, u"e"_s}},
        {"delete where the shortest line has no character", abcDe,
         [](const Lines& l) { return DeleteAtColumn(l, FromStart(2)); }, abcDe},
        {"delete with an empty line",
         {u"abc"_s, QString()},
         [](const Lines& l) { return DeleteAtColumn(l, FromStart(0)); },
         {u"abc"_s, QString()}},
        {"pad with blanks",
         {u"abc"_s, u"d"_s},
         [](const Lines& l) { return PadAtColumn(l, FromEnd(0), QString()); },
         {u"abc"_s, u"d  "_s}},
        {"pad with the first character",
         {u"abc"_s, u"d"_s},
         [](const Lines& l) { return PadAtColumn(l, FromEnd(0), u"*."_s); },
         {u"abc"_s, u"d**"_s}},
        {"pad at a column",
         {u"abcd"_s, u"ef"_s},
         [](const Lines& l) { return PadAtColumn(l, FromStart(1), u"_"_s); },
         {u"abcd"_s, u"e__f"_s}},
        // Without lines there is nothing to change, and nothing fails.
        {"insert into no lines",
         {},
         [](const Lines& l) { return InsertAtColumn(l, {}, u"x"_s); },
         {}},
        {"delete from no lines", {}, [](const Lines& l) { return DeleteAtColumn(l, {}); }, {}},
        {"pad no lines", {}, [](const Lines& l) { return PadAtColumn(l, {}, u"x"_s); }, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.edit(c.lines), c.expected) << c.what;
}

} // namespace

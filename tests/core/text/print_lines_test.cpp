#include "core/text/print_lines.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Every character one unit wide: the margin "ZZZZZZZZ" takes 8.
double characters(const QString& text) {
    return static_cast<double>(text.size());
}

QStringList textsOf(const QList<PrintedLine>& lines) {
    QStringList texts;
    for (const PrintedLine& line : lines)
        texts.append(line.text);
    return texts;
}

TEST(PrintLines, WordsWrapAtTheMarginAndEveryLineStartsWithABlank) {
    struct Case {
        const char* name;
        QString text;
        double printableWidth;
        QStringList lines;
    };
    const QString x45(45, u'x');
    const QString x20(20, u'x');
    // A printable width of 28 leaves a limit of 20 characters.
    const Case cases[] = {
        {"empty text", u""_s, 28, {}},
        {"words", u"aaaa bbbb cccc dddd eeee"_s, 28, {u" aaaa bbbb cccc dddd"_s, u" eeee"_s}},
        {"ends at the limit", u"aaaaaaaaaaaaaa bbbbb"_s, 28, {u" aaaaaaaaaaaaaa bbbbb"_s}},
        {"one past the limit",
         u"aaaaaaaaaaaaaa bbbbbb"_s,
         28,
         {u" aaaaaaaaaaaaaa"_s, u" bbbbbb"_s}},
        {"width rounded down",
         u"aaaaaaaaaaaaaa bbbbbb"_s,
         28.4,
         {u" aaaaaaaaaaaaaa"_s, u" bbbbbb"_s}},
        {"width rounded up", u"aaaaaaaaaaaaaa bbbbbb"_s, 28.6, {u" aaaaaaaaaaaaaa bbbbbb"_s}},
        {"long word at the top", x45 + u" yy"_s, 28, {u" "_s + x20, u" "_s + x20, u" xxxxx yy"_s}},
        {"long word after a word",
         u"ab "_s + x45,
         28,
         {u" ab"_s, u" "_s + x20, u" "_s + x20, u" xxxxx"_s}},
        {"every break ends a line",
         u"ab\r\ncd\ref\ngh"_s,
         28,
         {u" ab"_s, u" cd"_s, u" ef"_s, u" gh"_s}},
        {"empty paragraph", u"ab\r\n\r\ncd"_s, 28, {u" ab"_s, u""_s, u" cd"_s}},
        {"break at the end", u"ab\r\n"_s, 28, {u" ab"_s}},
        {"blanks print as they stand", u" a  b "_s, 28, {u"  a  b"_s}},
        {"tab travels in its word", u"a\tb c"_s, 28, {u" a\tb c"_s}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(textsOf(PrintLines(c.text, characters, c.printableWidth)), c.lines) << c.name;
}

TEST(PrintLines, TheMarginIsEightZInThePrintersFont) {
    // Z twice as wide as the rest: a limit of 28 - 16 = 12.
    const auto wideZ = [](const QString& text) {
        return static_cast<double>(text.size() + text.count(u'Z'));
    };
    EXPECT_EQ(textsOf(PrintLines(u"aaaaa bbbbbb"_s, wideZ, 28)), (QStringList{u" aaaaa bbbbbb"_s}));
    EXPECT_EQ(textsOf(PrintLines(u"aaaaa bbbbbbb"_s, wideZ, 28)),
              (QStringList{u" aaaaa"_s, u" bbbbbbb"_s}));
}

TEST(PrintLines, EachLineTellsHowMuchOfTheTextIsDone) {
    const QList<PrintedLine> lines =
        PrintLines(u"ab cd\r\nef "_s + QString(25, u'x'), characters, 28);
    const QList<PrintedLine> expected = {
        {u" ab cd"_s, 7},
        {u" ef"_s, 9},
        {u" "_s + QString(20, u'x'), 30},
        {u" xxxxx"_s, 35},
    };
    EXPECT_EQ(lines, expected);
}

} // namespace

#include "core/html/tag_editor.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(TagEditor, FindsTheTagAtOrBeforeTheCaret) {
    struct Case {
        const char* name;
        QString text;
        int caret;
        std::optional<TagSpan> found;
    };
    const Case cases[] = {
        {"caret inside", u"ab<IMG SRC=\"a\">cd"_s, 5, TagSpan{2, 13}},
        {"caret just before the <", u"ab<I>cd"_s, 2, TagSpan{2, 3}},
        {"caret in text after a tag", u"ab<I>cd"_s, 6, TagSpan{2, 3}},
        {"caret at the end", u"<B>"_s, 3, TagSpan{0, 3}},
        {"the nearest of two", u"<A><B>x"_s, 7, TagSpan{3, 3}},
        {"no < before the caret", u"ab<I>"_s, 1, std::nullopt},
        {"a < without > after it", u"<B>x<y"_s, 5, std::nullopt},
        {"empty text", u""_s, 0, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindTagAt(c.text, c.caret), c.found) << c.name;
}

// Each tag as the editor splits it and, unedited, writes it back.
TEST(TagEditor, SplitsAttributesAsABrowserReadsThemAndWritesThemBack) {
    struct Case {
        QString tag;
        TagParts parts;
        QString written;
    };
    const QString head =
        u"<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1250\">"_s;
    const QString doctype = u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Final//EN\">"_s;
    const Case cases[] = {
        // Unquoted input reads as it always has.
        {u"<IMG SRC=\"a.gif\" WIDTH=100>"_s,
         {u"IMG"_s, {{u"SRC"_s, u"a.gif"_s}, {u"WIDTH"_s, u"100"_s}}, {}},
         u"<IMG SRC=\"a.gif\" WIDTH=\"100\">"_s},
        {u"<TD NOWRAP ALIGN=left>"_s,
         {u"TD"_s, {{u"NOWRAP"_s, u"True"_s}, {u"ALIGN"_s, u"left"_s}}, {}},
         u"<TD NOWRAP=\"True\" ALIGN=\"left\">"_s},
        {u"<TD ALIGN=left NOWRAP>"_s,
         {u"TD"_s, {{u"ALIGN"_s, u"left NOWRAP"_s}}, {}},
         u"<TD ALIGN=\"left NOWRAP\">"_s},
        {u"<TD NOWRAP COMPACT>"_s,
         {u"TD"_s, {{u"NOWRAP COMPACT"_s, u"True"_s}}, {}},
         u"<TD NOWRAP COMPACT=\"True\">"_s},
        {u"<IMG ALT=\"one two three four\">"_s,
         {u"IMG"_s, {{u"ALT"_s, u"one two three four"_s}}, {}},
         u"<IMG ALT=\"one two three four\">"_s},
        {u"<A HREF = \"x\">"_s, {u"A"_s, {{u"HREF"_s, u"x"_s}}, {}}, u"<A HREF=\"x\">"_s},
        {u"<BR>"_s, {u"BR"_s, {}, {}}, u"<BR>"_s},
        {u"</TD>"_s, {u"/TD"_s, {}, {}}, u"</TD>"_s},
        // Quoted values, blanks of any kind and endings come back whole.
        {u"<A HREF=\"p.php?a=1&b=2\">"_s,
         {u"A"_s, {{u"HREF"_s, u"p.php?a=1&b=2"_s}}, {}},
         u"<A HREF=\"p.php?a=1&b=2\">"_s},
        {head,
         {u"META"_s,
          {{u"HTTP-EQUIV"_s, u"Content-Type"_s},
           {u"CONTENT"_s, u"text/html; charset=windows-1250"_s}},
          {}},
         head},
        {u"<TD ALIGN=\"left\" NOWRAP>"_s,
         {u"TD"_s, {{u"ALIGN"_s, u"left"_s}, {u"NOWRAP"_s, u"True"_s}}, {}},
         u"<TD ALIGN=\"left\" NOWRAP=\"True\">"_s},
        {u"<BR />"_s, {u"BR"_s, {}, u" /"_s}, u"<BR />"_s},
        {u"<BR/>"_s, {u"BR/"_s, {}, {}}, u"<BR/>"_s},
        {u"<IMG SRC=\"a.gif\"/>"_s,
         {u"IMG"_s, {{u"SRC"_s, u"a.gif"_s}}, u"/"_s},
         u"<IMG SRC=\"a.gif\"/>"_s},
        {u"<INPUT CHECKED />"_s,
         {u"INPUT"_s, {{u"CHECKED"_s, u"True"_s}}, u" /"_s},
         u"<INPUT CHECKED=\"True\" />"_s},
        {u"<TD\r\n\tALIGN=\"left\"\tVALIGN='top'>"_s,
         {u"TD"_s, {{u"ALIGN"_s, u"left"_s}, {u"VALIGN"_s, u"top"_s}}, {}},
         u"<TD ALIGN=\"left\" VALIGN=\"top\">"_s},
        {u"<IMG ALT='say \"hi\"'>"_s,
         {u"IMG"_s, {{u"ALT"_s, u"say \"hi\""_s}}, {}},
         u"<IMG ALT='say \"hi\"'>"_s},
        {u"<A HREF=p.php?a=1>"_s,
         {u"A"_s, {{u"HREF"_s, u"p.php?a=1"_s}}, {}},
         u"<A HREF=\"p.php?a=1\">"_s},
        {u"<A HREF=>"_s, {u"A"_s, {{u"HREF"_s, u""_s}}, {}}, u"<A HREF=\"\">"_s},
        {u"<A HREF=\"x>"_s, {u"A"_s, {{u"HREF"_s, u"x"_s}}, {}}, u"<A HREF=\"x\">"_s},
        {u"<TD >"_s, {u"TD"_s, {}, {}}, u"<TD>"_s},
        {doctype, {doctype.mid(1, doctype.size() - 2), {}, {}}, doctype},
        {u"<!-- a b -->"_s, {u"!-- a b --"_s, {}, {}}, u"<!-- a b -->"_s},
        // A no-break space or a vertical tab beside the name is no blank:
        // the name keeps it.
        {u"<P\u00A0 X=1>"_s, {u"P\u00A0"_s, {{u"X"_s, u"1"_s}}, {}}, u"<P\u00A0 X=\"1\">"_s},
        {u"<P\v X=1>"_s, {u"P\v"_s, {{u"X"_s, u"1"_s}}, {}}, u"<P\v X=\"1\">"_s},
        {u"<\u00A0P\v\u00A0 X=1>"_s,
         {u"\u00A0P\v\u00A0"_s, {{u"X"_s, u"1"_s}}, {}},
         u"<\u00A0P\v\u00A0 X=\"1\">"_s},
    };
    for (const Case& c : cases) {
        const TagParts parts = SplitTag(c.tag);
        EXPECT_EQ(parts.name, c.parts.name) << c.tag.toStdString();
        EXPECT_EQ(parts.pairs, c.parts.pairs) << c.tag.toStdString();
        EXPECT_EQ(parts.ending, c.parts.ending) << c.tag.toStdString();
        EXPECT_EQ(BuildTag(parts), c.written) << c.tag.toStdString();
    }
}

TEST(TagEditor, EditedPairsAreWrittenAsTheyStand) {
    const TagParts parts{
        u"A B"_s, {{u"HREF"_s, u""_s}, {u""_s, u"x y"_s}, {u"T"_s, u"it's \"q\""_s}}, {}};
    EXPECT_EQ(BuildTag(parts), u"<A B HREF=\"\" =\"x y\" T=\"it's \"q\"\">"_s);
}

} // namespace

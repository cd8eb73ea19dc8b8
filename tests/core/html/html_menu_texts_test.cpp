#include "core/html/html_menu_texts.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct TextCase {
    const char* name;
    QString input;
    QString expected;
};

void expectTexts(QString (*transform)(const QString&), std::initializer_list<TextCase> cases) {
    for (const TextCase& c : cases)
        EXPECT_EQ(transform(c.input), c.expected) << c.name;
}

TEST(HtmlMenuTexts, WaveAlternatesSubscriptPlainSuperscriptPlain) {
    expectTexts(HtmlWave, {
                              {"four letters", u"abcd"_s, u"<SUB>a</SUB>b<SUP>c</SUP>d"_s},
                              {"nothing", u""_s, u""_s},
                              {"line break counts", u"a\r\nbc"_s,
                               u"<SUB>a</SUB>\r<SUP>\n</SUP>b<SUB>c</SUB>"_s},
                          });
}

TEST(HtmlMenuTexts, ListingEscapesTagsBoldKeepsBlanksAndBreaks) {
    expectTexts(PublishableListing,
                {
                    {"a tag", u"<B>"_s, u"<TT><B>&lt;B&gt;</B></TT>"_s},
                    {"blank after a line break", u"a\r\n b"_s, u"<TT>a<BR>\r\n&nbsp;b</TT>"_s},
                    {"run of blanks", u"a    b"_s, u"<TT>a&nbsp;&nbsp;&nbsp;&nbsp;b</TT>"_s},
                    {"odd run of blanks", u"a   b"_s, u"<TT>a&nbsp;&nbsp;&nbsp;b</TT>"_s},
                    {"quotation mark", u"x=\"1\""_s, u"<TT>x=&quot;1&quot;</TT>"_s},
                    {"entity already written", u"&lt;"_s, u"<TT><B>&lt;</TT>"_s},
                    {"ampersand stays", u"a&b"_s, u"<TT>a&b</TT>"_s},
                });
}

TEST(HtmlMenuTexts, PhpScriptEchoesEachLineEscaped) {
    expectTexts(PhpEchoScript,
                {
                    {"two lines with a backslash and a quote", u"a\\n\r\nsay \"hi\""_s,
                     u"<?php\r\n echo (\"a\\\\n\\n\");\r\n echo (\"say \\\"hi\\\"\");\r\n?>"_s},
                    {"dollar, tab, lone CR and LF", u"$x\t\ry\nz"_s,
                     u"<?php\r\n echo (\"\\$x\\t\\ry\nz\");\r\n?>"_s},
                    {"nothing selected", u""_s, u"<?php\r\n echo (\"\");\r\n?>"_s},
                });
}

TEST(HtmlMenuTexts, WrapsAreExact) {
    EXPECT_EQ(CommentWrap(), (TagWrap{u"<! "_s, u" >"_s}));
    EXPECT_EQ(TwoRuleHeadingWrap(), (TagWrap{u"<HR ALIGN = \"LEFT\" Width = \"60%\"><H2>"_s,
                                             u"</H2><HR ALIGN = \"RIGHT\" Width = \"60%\">"_s}));
    EXPECT_EQ(TableHeadingWrap(),
              (TagWrap{u"<TABLE BORDER=\"0\" WIDTH=\"100%\">\r\n"
                       u"<TR><TD WIDTH=\"33%\"><HR></TD><TD ALIGN=\"CENTER\">"_s,
                       u"</TD><TD WIDTH=\"33%\"><HR></TD></TR>\r\n</TABLE>"_s}));
}

TEST(HtmlMenuTexts, CustomTagFromNameAttributesAndValues) {
    struct Case {
        const char* name;
        CustomTag tag;
        TagWrap expected;
    };
    const Case cases[] = {
        {"single with one attribute",
         {u"IMG"_s, {u"SRC"_s}, {u"a.png"_s}, false},
         TagWrap{u"<IMG SRC=\"a.png\">"_s, u""_s}},
        {"paired without attributes", {u"P"_s, {}, {}, true}, TagWrap{u"<P>"_s, u"</P>"_s}},
        {"two pairs, quote copied",
         {u"DIV"_s, {u"ALIGN"_s, u"X"_s}, {u"CENTER"_s, u"a\"b"_s}, true},
         TagWrap{u"<DIV ALIGN=\"CENTER\" X=\"a\"b\">"_s, u"</DIV>"_s}},
        {"fewer values than names",
         {u"A"_s, {u"HREF"_s, u"NAME"_s}, {u"x"_s}, false},
         TagWrap{u"<A HREF=\"x\" NAME=\"\">"_s, u""_s}},
        {"no name is written as it stands",
         {u""_s, {u"HREF"_s}, {u"x"_s}, true},
         TagWrap{u"< HREF=\"x\">"_s, u"</>"_s}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CustomTagText(c.tag), c.expected) << c.name;
}

TEST(HtmlMenuTexts, ColourValueIsTheNearestQuotedHashBeforeTheCaret) {
    const QString page = u"<FONT COLOR=\"#12aBcF\">x</FONT>"_s;
    const int hash = int(page.indexOf(u'#'));
    const ColourValueSpan whole{hash, ColourValueLength};
    struct Case {
        const char* name;
        QString text;
        int caret;
        std::optional<ColourValueSpan> expected;
    };
    const Case cases[] = {
        {"on the hash", page, hash, whole},
        {"inside the digits", page, hash + 3, whole},
        {"after the closing quote", page, hash + 8, whole},
        {"at the end of the text", page, int(page.size()), whole},
        {"before the quotation mark", page, hash - 1, std::nullopt},
        {"well before it", page, hash - 5, std::nullopt},
        {"no value in the text", u"<FONT>x</FONT>"_s, 3, std::nullopt},
        {"hash without quote", u"C=#00FF00"_s, 5, std::nullopt},
        {"empty text", QString(), 0, std::nullopt},
        {"caret past the text", page, int(page.size()) + 1, std::nullopt},
        // Seven characters whatever they are, fewer at the end of the text.
        {"short value", u"<FONT COLOR=\"#F00\">x"_s, 15, ColourValueSpan{13, 7}},
        {"not hexadecimal", u"C=\"#00FG00\""_s, 5, ColourValueSpan{3, 7}},
        {"cut off at the end", u"C=\"#00F"_s, 6, ColourValueSpan{3, 4}},
        {"hash ending the text", u"C=\"#"_s, 4, ColourValueSpan{3, 1}},
        // The nearest pair wins, looked for from the character after the caret.
        {"the later of two values", u"\"#111111\" \"#222222\""_s, 14, ColourValueSpan{11, 7}},
        {"a pair right after the caret", u"\"#111111\" \"#222222\""_s, 10, ColourValueSpan{11, 7}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColourValueAt(c.text, c.caret), c.expected) << c.name;
}

} // namespace

#include "core/html/html_new_page.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A stand-in for the document head, which has its own tests.
const QString Head = u"<HEAD>\r\n"_s;

// The line that opens the body for these values.
QString bodyLine(const NewPageValues& values) {
    const QString prefix = NewPagePrefix(Head, values);
    const qsizetype start = prefix.lastIndexOf(u" <BODY"_s);
    EXPECT_TRUE(prefix.endsWith(u">\r\n"_s));
    return prefix.mid(start, prefix.size() - start - 2);
}

} // namespace

TEST(HtmlNewPage, EmptyDocumentGivesTheBarePageWithNothingToSelect) {
    const QString prefix = NewPagePrefix(Head, {});
    EXPECT_EQ(prefix, Head + u"  <TITLE>Stránka </TITLE>\r\n"
                             u" </HEAD>\r\n"
                             u" <BODY>\r\n"_s);
    const NewPage page = NewPageAround(prefix, {});
    EXPECT_EQ(page.text, prefix + u"\r\n\r\n </BODY>\r\n</HTML>"_s);
    EXPECT_EQ(page.oldStart, page.text.indexOf(u" <BODY>\r\n"_s) + 9);
    EXPECT_EQ(page.oldLength, 0);
}

TEST(HtmlNewPage, HeadLinesFollowTheTitleWhenTicked) {
    NewPageValues values;
    values.title = u""_s;
    values.baseChecked = true;
    values.base = u"http://a.cz/\"x"_s;
    values.baseFontChecked = true;
    values.baseFontSize = 7;
    EXPECT_EQ(NewPagePrefix(Head, values), Head + u"  <TITLE></TITLE>\r\n"
                                                  u"  <BASE HREF=\"http://a.cz/\"x\">\r\n"
                                                  u"  <BASEFONT SIZE=\"7\">\r\n"
                                                  u" </HEAD>\r\n"
                                                  u" <BODY>\r\n"_s);
}

TEST(HtmlNewPage, BodyAttributesKeepTheirOrder) {
    NewPageValues all;
    all.pictureChecked = true;
    all.picturePath = u"obr/pozadi.gif"_s;
    all.fixedPicture = true;
    all.background = {true, u"#000000"_s};
    all.text = {true, u"#111111"_s};
    all.link = {true, u"#222222"_s};
    all.visitedLink = {true, u"#333333"_s};
    all.activeLink = {true, u"#444444"_s};
    all.marginChecked = true;
    all.topMargin = u"20"_s;
    all.leftMargin = u"10"_s;
    EXPECT_EQ(bodyLine(all), u" <BODY BACKGROUND=\"obr/pozadi.gif\" BGPROPERTIES=\"FIXED\" "
                             u"BGCOLOR=\"#000000\" TEXT=\"#111111\" LINK=\"#222222\" "
                             u"VLINK=\"#333333\" ALINK=\"#444444\" TOPMARGIN=\"20\" "
                             u"LEFTMARGIN=\"10\">"_s);

    NewPageValues some;
    some.fixedPicture = true; // means nothing without a picture
    some.visitedLink = {true, u"#ABCDEF"_s};
    some.link = {false, u"#222222"_s};
    EXPECT_EQ(bodyLine(some), u" <BODY VLINK=\"#ABCDEF\">"_s);
}

TEST(HtmlNewPage, BackgroundWithoutPictureStillWritesTheAttribute) {
    struct Case {
        QString pathText;
        bool relative;
        QString expected;
    };
    const std::vector<Case> cases = {
        {u""_s, true, u" <BODY BACKGROUND=\"\">"_s},
        {u""_s, false, u" <BODY BACKGROUND=\"file:///\">"_s},
        {u"../a.png"_s, true, u" <BODY BACKGROUND=\"../a.png\">"_s},
        {u"/home/jan/a.png"_s, false, u" <BODY BACKGROUND=\"file:///home/jan/a.png\">"_s},
    };
    for (const Case& c : cases) {
        NewPageValues values;
        values.pictureChecked = true;
        values.picturePath = c.pathText;
        values.pictureRelative = c.relative;
        EXPECT_EQ(bodyLine(values), c.expected) << c.pathText.toStdString() << c.relative;
    }
}

TEST(HtmlNewPage, OldTextLiesExactlyWhereItIsNoted) {
    const QString prefix = NewPagePrefix(Head, {});
    for (const QString& old :
         {u"x"_s, u"řádek\r\ndruhý\r\n"_s, u"\r\nLF\nCR\r"_s, u"<HTML><BODY>x</BODY></HTML>"_s}) {
        const NewPage page = NewPageAround(prefix, old);
        EXPECT_EQ(page.oldStart, prefix.size());
        EXPECT_EQ(page.oldLength, old.size());
        EXPECT_EQ(page.text.mid(page.oldStart, page.oldLength), old);
        EXPECT_EQ(page.text.mid(page.oldStart + page.oldLength), u"\r\n\r\n </BODY>\r\n</HTML>"_s);
    }
}

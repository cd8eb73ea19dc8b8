#include "core/html/html_frames.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A stand-in for the document head, which has its own tests.
const QString Head = u"<HEAD>\r\n"_s;

FrameTagValues everyBoxTicked() {
    FrameTagValues v;
    v.address = u"file:///data/menu.html"_s;
    v.nameChecked = v.alignChecked = v.borderChecked = v.borderColorChecked = true;
    v.spacingChecked = v.scrollingChecked = v.marginChecked = v.noResize = true;
    v.name = u"menu"_s;
    v.align = u"CENTER"_s;
    v.borderLabel = u"3"_s;
    v.borderColor = u"#FF0000"_s;
    v.spacingLabel = u"12"_s;
    v.scrolling = u"auto"_s;
    v.marginWidthLabel = u"40"_s;
    v.marginHeightLabel = u"30"_s;
    return v;
}

} // namespace

TEST(HtmlFrames, FrameTagWritesTickedAttributesInTheirOrder) {
    FrameTagValues fileOnly;
    fileOnly.address = u"../obsah/menu.html"_s;
    FrameTagValues unchosen;
    unchosen.scrollingChecked = unchosen.alignChecked = true;
    FrameTagValues untouched;
    untouched.borderChecked = untouched.spacingChecked = untouched.marginChecked = true;
    const std::pair<FrameTagValues, QString> cases[] = {
        {fileOnly, u"<FRAME SRC=\"../obsah/menu.html\">"_s},
        {everyBoxTicked(),
         u"<FRAME SRC=\"file:///data/menu.html\" NAME=\"menu\" ALIGN=\"CENTER\" "
         u"FRAMEBORDER=\"3\" BORDERCOLOR=\"#FF0000\" FRAMESPACING=\"12\" SCROLLING=\"auto\" "
         u"MARGINHEIGHT=\"30\" MARGINWIDTH=\"40\" NORESIZE>"_s},
        // Lists with nothing chosen write empty values.
        {unchosen, u"<FRAME SRC=\"\" ALIGN=\"\" SCROLLING=\"\">"_s},
        // Labels never moved still show their first "0".
        {untouched, u"<FRAME SRC=\"\" FRAMEBORDER=\"0\" FRAMESPACING=\"0\" MARGINHEIGHT=\"0\" "
                    u"MARGINWIDTH=\"0\">"_s},
    };
    for (const auto& [values, tag] : cases)
        EXPECT_EQ(FrameTag(values), tag);
}

TEST(HtmlFrames, FramesetPrefixHoldsTheTitleAndAnEmptyFrameset) {
    FramesetValues both;
    both.title = u"Stránka"_s;
    both.rowsChecked = both.colsChecked = true;
    both.cols = u"20%,*"_s;
    FramesetValues colsOnly;
    colsOnly.colsChecked = true;
    const std::pair<FramesetValues, QString> cases[] = {
        {FramesetValues{}, u" <FRAMESET>"_s},
        {both, u" <FRAMESET ROWS=\"*,50%,50\" COLS=\"20%,*\">"_s},
        {colsOnly, u" <FRAMESET COLS=\"*,50%,50\">"_s},
    };
    for (const auto& [values, frameset] : cases) {
        EXPECT_EQ(FramesetPrefix(Head, values), Head + u"  <TITLE>"_s + values.title +
                                                    u"</TITLE>\r\n </HEAD>\r\n"_s + frameset +
                                                    u"\r\n </FRAMESET>\r\n <NOFRAMES>\r\n"_s);
    }
}

TEST(HtmlFrames, FramesetPageSelectsTheOldTextOrTheMessage) {
    const QString prefix = FramesetPrefix(Head, {});
    const QString end = u"\r\n </NOFRAMES>\r\n</HTML>"_s;
    const QString message = u"Tento Prohlížeč nepodporuje Framesy"_s;
    struct Case {
        QString old;
        QString inside;
    };
    const Case cases[] = {
        {u""_s, message},
        {u"první\r\ndruhý\n"_s, u"první\r\ndruhý\n"_s},
        {u"<HTML><BODY>x</BODY></HTML>"_s, u"<HTML><BODY>x</BODY></HTML>"_s},
    };
    for (const Case& c : cases) {
        const NewPage page = FramesetAround(prefix, c.old);
        EXPECT_EQ(page.text, prefix + c.inside + end);
        EXPECT_EQ(page.text.mid(page.oldStart, page.oldLength), c.inside);
    }
    EXPECT_EQ(FramesetAround(prefix, {}).oldLength, 35);
}

#include "core/html/html_link_tags.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(HtmlLinkTags, LinkWrapsTheSelectionOrShowsItsAddress) {
    struct Case {
        const char* name;
        LinkValues values;
        bool selectionEmpty;
        QString open;
    };
    LinkValues address;
    address.toFile = false;
    LinkValues fileWithAnchor;
    fileWithAnchor.fileAddress = u"b.html"_s;
    fileWithAnchor.anchorChecked = true;
    LinkValues emptyAnchor = fileWithAnchor;
    emptyAnchor.anchor.clear();
    LinkValues targetAndTitle;
    targetAndTitle.fileAddress = u"../a b.html"_s;
    targetAndTitle.titleChecked = true;
    targetAndTitle.title = u"a b.html, 1,07Kb"_s;
    targetAndTitle.targetChecked = true;
    targetAndTitle.target = u"_top"_s;
    LinkValues typedAddress = address;
    typedAddress.address = u"http://x.cz/?q=\"a\""_s;
    typedAddress.fileAddress = u"ignored.html"_s;
    const Case cases[] = {
        {"address around a selection", address, false, u"<A HREF=\"http://www.\">"_s},
        {"file and anchor as the link text", fileWithAnchor, true,
         u"<A HREF=\"b.html#Kotva1\">b.html#Kotva1"_s},
        {"an empty anchor writes no #", emptyAnchor, true, u"<A HREF=\"b.html\">b.html"_s},
        {"target before title", targetAndTitle, false,
         u"<A HREF=\"../a b.html\" TARGET=\"_top\" TITLE=\"a b.html, 1,07Kb\">"_s},
        {"typed address copied as it stands", typedAddress, false,
         u"<A HREF=\"http://x.cz/?q=\"a\"\">"_s},
    };
    for (const Case& c : cases) {
        const HtmlInsertion insertion = LinkInsertion(c.values, c.selectionEmpty);
        EXPECT_EQ(insertion.mode, HtmlInsertMode::WrapSelection) << c.name;
        EXPECT_EQ(insertion.text, c.open) << c.name;
        EXPECT_EQ(insertion.close, u"</A>"_s) << c.name;
    }
}

TEST(HtmlLinkTags, AutoTitleIsTheLowerCaseNameAndSizeWhileTheFileCanBeRead) {
    const QLocale czech(QLocale::Czech);
    EXPECT_EQ(LinkAutoTitle(u"/web/Site/B.HTML"_s, 1100, czech), u"b.html, 1,07Kb"_s);

    QTemporaryDir dir;
    EXPECT_EQ(LinkAutoTitleFor(dir.filePath(u"gone.html"_s), czech), std::nullopt);
    EXPECT_EQ(LinkAutoTitleFor(QString(), czech), std::nullopt);
}

TEST(HtmlLinkTags, StyleSheetLinkWritesTheTickedAttributesInOrder) {
    StyleSheetLinkValues plain;
    plain.address = u"css/main.css"_s;
    StyleSheetLinkValues every = plain;
    every.relChecked = every.typeChecked = true;
    StyleSheetLinkValues typeOnly = plain;
    typeOnly.typeChecked = true;
    EXPECT_EQ(StyleSheetLinkTag(plain), u"<LINK HREF=\"css/main.css\">"_s);
    EXPECT_EQ(StyleSheetLinkTag(every),
              u"<LINK HREF=\"css/main.css\" REL=\"StyleSheet\" TYPE=\"text/css\">"_s);
    EXPECT_EQ(StyleSheetLinkTag(typeOnly), u"<LINK HREF=\"css/main.css\" TYPE=\"text/css\">"_s);
}

} // namespace

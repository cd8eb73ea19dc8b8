#include "core/html/html_simple_tags.h"

#include "core/colour/colour_value.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr auto kInsert = HtmlInsertMode::InsertAtCaret;
constexpr auto kWrap = HtmlInsertMode::WrapSelection;

struct Case {
    const char* name;
    HtmlInsertion actual;
    HtmlInsertMode mode;
    QString text;
    QString close;
};

void expectCases(const std::vector<Case>& cases) {
    for (const auto& c : cases) {
        EXPECT_EQ(c.actual.mode, c.mode) << c.name;
        EXPECT_EQ(c.actual.text, c.text) << c.name;
        EXPECT_EQ(c.actual.close, c.close) << c.name;
    }
}

TEST(HtmlSimpleTags, InitialStatesWriteTheirDefaults) {
    expectCases({
        {"Odstavec", OdstavecInsertion({}), kWrap, u"<P ALIGN=\"JUSTIFY\">"_s, u"</P>"_s},
        {"Hr", HrInsertion({}), kInsert, u"<HR>"_s, QString()},
        {"Nadpis", NadpisInsertion({}), kWrap, u"<H1>"_s, u"</H1>"_s},
        {"Kotva", KotvaInsertion({}), kInsert, u"<A NAME=\"Kotva1\"></A>"_s, QString()},
        {"Odkaz", OdkazInsertion({}), kWrap, u"<A HREF=\"#NováKotva\">"_s, u"</A>"_s},
        {"Barva", BarvaInsertion({}), kWrap, u"<FONT>"_s, u"</FONT>"_s},
        {"Zlomek", ZlomekInsertion({}), kInsert, u"<SUP>A</SUP>/<SUB>B</SUB>"_s, QString()},
        {"Smajl", SmajlInsertion({}), kInsert, u":-)"_s, QString()},
    });
}

TEST(HtmlSimpleTags, TickedAttributesFollowInTheirFixedOrder) {
    expectCases({
        {"Odstavec none", OdstavecInsertion({HtmlAlign::None}), kWrap, u"<P>"_s, u"</P>"_s},
        {"Odstavec left", OdstavecInsertion({HtmlAlign::Left}), kWrap, u"<P ALIGN=\"LEFT\">"_s,
         u"</P>"_s},
        {"Hr all", HrInsertion({HtmlAlign::Center, true, u"50%"_s, true}), kInsert,
         u"<HR ALIGN=\"CENTER\" WIDTH=\"50%\" NOSHADE>"_s, QString()},
        {"Hr pixels", HrInsertion({HtmlAlign::Right, true, u"300"_s, false}), kInsert,
         u"<HR ALIGN=\"RIGHT\" WIDTH=\"300\">"_s, QString()},
        {"Hr width unticked", HrInsertion({HtmlAlign::None, false, u"50%"_s, true}), kInsert,
         u"<HR NOSHADE>"_s, QString()},
        {"Nadpis all", NadpisInsertion({HtmlAlign::Center, true, u"3"_s}), kWrap,
         u"<H3 ALIGN=\"CENTER\" NOWRAP>"_s, u"</H3>"_s},
        {"Barva all", BarvaInsertion({true, 7, true, u"Tahoma"_s, true, RgbColor(0, 128, 255)}),
         kWrap, u"<FONT SIZE=\"7\" FACE=\"Tahoma\" COLOR=\"#0080FF\">"_s, u"</FONT>"_s},
        {"Barva face unchosen", BarvaInsertion({false, 1, true, u"Combo1"_s, false, 0}), kWrap,
         u"<FONT FACE=\"Combo1\">"_s, u"</FONT>"_s},
        {"Barva red only", BarvaInsertion({false, 4, false, u"Arial"_s, true, RgbColor(255, 0, 0)}),
         kWrap, u"<FONT COLOR=\"#FF0000\">"_s, u"</FONT>"_s},
    });
}

TEST(HtmlSimpleTags, TextsAreCopiedUnchecked) {
    expectCases({
        {"Kotva empty", KotvaInsertion({u""_s}), kInsert, u"<A NAME=\"\"></A>"_s, QString()},
        {"Odkaz quote", OdkazInsertion({u"a\"b"_s}), kWrap, u"<A HREF=\"#a\"b\">"_s, u"</A>"_s},
        {"Zlomek empty", ZlomekInsertion({u""_s, u" 2 "_s}), kInsert,
         u"<SUP></SUP>/<SUB> 2 </SUB>"_s, QString()},
        {"Smajl empty", SmajlInsertion({u""_s}), kInsert, u""_s, QString()},
    });
}

TEST(HtmlSimpleTags, MailToRepeatsTheAddressOnlyWithoutASelection) {
    expectCases({
        {"no selection", MailToInsertion({u"jan@example.cz"_s}, u""_s), kInsert,
         u"<A HREF=\"mailto:jan@example.cz\">jan@example.cz</A>"_s, QString()},
        {"selection", MailToInsertion({u"jan@example.cz"_s}, u"Jan"_s), kWrap,
         u"<A HREF=\"mailto:jan@example.cz\">"_s, u"</A>"_s},
        {"empty address", MailToInsertion({}, u""_s), kInsert, u"<A HREF=\"mailto:\"></A>"_s,
         QString()},
    });
}

TEST(HtmlSimpleTags, SmileyPartsJoinAndLoseBlankEnds) {
    const std::pair<QStringList, QString> kCases[] = {
        {{u""_s, u":"_s, u""_s, u")"_s, u""_s}, u":)"_s},
        {{u" "_s, u";"_s, u"-"_s, u"]"_s, u" "_s}, u";-]"_s},
        {{u"<"_s, u"8"_s, u" "_s, u"|"_s, u"="_s}, u"<8 |="_s}, // an inner blank nose stays
        {{u""_s, u""_s, u""_s, u""_s, u""_s}, u""_s},
        {{u" "_s, u""_s, u" "_s, u""_s, u" "_s}, u""_s},
    };
    for (const auto& [chosen, smiley] : kCases)
        EXPECT_EQ(SmileyFromParts(chosen), smiley) << chosen.join(u',').toStdString();
}

TEST(HtmlSimpleTags, SmileyPartListsHoldTheirItemsInOrder) {
    EXPECT_EQ(SmileyPartItems(SmileyPart::Hat).join(QString()), u" (<{[/*+=-~"_s);
    EXPECT_EQ(SmileyPartItems(SmileyPart::Eyes).join(QString()), u":;8&$=B§|"_s);
    EXPECT_EQ(SmileyPartItems(SmileyPart::Nose).join(QString()), u"-<*o~ "_s);
    EXPECT_EQ(SmileyPartItems(SmileyPart::Mouth).join(QString()), u")]}>7&I#wV/!|"_s);
    EXPECT_EQ(SmileyPartItems(SmileyPart::Beard).join(QString()), u" =-"_s);
}

} // namespace

#include "core/html/html_table_tags.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Values changed from the initial ones by set.
template <class Values, class Set> Values with(Set set) {
    Values values;
    set(values);
    return values;
}

void alignBy(TableAlignValues& alignment, const QString& align, const QString& character) {
    alignment.alignChecked = true;
    alignment.align = align;
    alignment.character = character;
}

TEST(HtmlTableTags, CellStartTagWritesTickedAttributesInOrder) {
    using Cell = TableCellValues;
    const struct {
        const char* name;
        TableCellValues values;
        QString start;
        QString end;
    } cases[] = {
        {"initial", {}, u"<TD>"_s, u"</TD>"_s},
        {"header", with<Cell>([](Cell& v) { v.header = true; }), u"<TH>"_s, u"</TH>"_s},
        {"colspan", with<Cell>([](Cell& v) {
             v.colspanChecked = true;
             v.colspanLabel = u"3"_s;
         }),
         u"<TD COLSPAN=\"3\">"_s, u"</TD>"_s},
        {"char without character",
         with<Cell>([](Cell& v) { alignBy(v.alignment, u"CHAR"_s, QString()); }),
         u"<TD ALIGN=\"CHAR\">"_s, u"</TD>"_s},
        {"character only for char",
         with<Cell>([](Cell& v) { alignBy(v.alignment, u"LEFT"_s, u","_s); }),
         u"<TD ALIGN=\"LEFT\">"_s, u"</TD>"_s},
        {"values behind unticked boxes", with<Cell>([](Cell& v) {
             v.background = u"a.png"_s;
             v.alignment.align = u"LEFT"_s;
             v.widthLabel = u"7"_s;
         }),
         u"<TD>"_s, u"</TD>"_s},
        {"everything", with<Cell>([](Cell& v) {
             v.header = v.backgroundChecked = v.colorChecked = true;
             v.colspanChecked = v.rowspanChecked = v.noWrap = v.widthChecked = true;
             v.background = u"img/a.png"_s;
             alignBy(v.alignment, u"CHAR"_s, u"."_s);
             v.alignment.valignChecked = true;
             v.alignment.valign = u"TOP"_s;
             v.colorLabel = u"#FF0000"_s;
             v.colspanLabel = u"2"_s;
             v.rowspanLabel = u"3"_s;
             v.widthLabel = u"50%"_s;
         }),
         u"<TH BACKGROUND=\"img/a.png\" ALIGN=\"CHAR\" CHAR=\".\" VALIGN=\"TOP\" "
         u"BGCOLOR=\"#FF0000\" COLSPAN=\"2\" ROWSPAN=\"3\" NOWRAP WIDTH=\"50%\">"_s,
         u"</TH>"_s},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TableCellStartTag(c.values), c.start) << c.name;
        EXPECT_EQ(TableCellEndTag(c.values), c.end) << c.name;
    }
}

TEST(HtmlTableTags, RowStartTagWritesAlignThenValign) {
    const auto both = with<TableRowValues>([](TableRowValues& v) {
        alignBy(v.alignment, u"CHAR"_s, u","_s);
        v.alignment.valignChecked = true;
        v.alignment.valign = u"BOTTOM"_s;
    });
    EXPECT_EQ(TableRowStartTag({}), u"<TR>"_s);
    EXPECT_EQ(TableRowStartTag(both), u"<TR ALIGN=\"CHAR\" CHAR=\",\" VALIGN=\"BOTTOM\">"_s);
}

TEST(HtmlTableTags, AttributeTextDropsTagNameAndBracket) {
    const struct {
        QString startTag;
        QString attributes;
    } cases[] = {
        {u"<TD>"_s, QString()},
        {u"<TH>"_s, QString()},
        {u"<TR>"_s, QString()},
        {u"<TH COLSPAN=\"3\">"_s, u" COLSPAN=\"3\""_s},
        {u"<TR ALIGN=\"LEFT\" VALIGN=\"TOP\">"_s, u" ALIGN=\"LEFT\" VALIGN=\"TOP\""_s},
        {u"<TD NOWRAP>"_s, u" NOWRAP"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TableAttributeText(c.startTag), c.attributes) << c.startTag.toStdString();
}

TEST(HtmlTableTags, RowFromTheMenuGivesEveryCellTheCellAttributes) {
    const HtmlInsertion insertion = TableRowInsertion(with<TableRowValues>([](TableRowValues& v) {
        alignBy(v.alignment, u"RIGHT"_s, u","_s);
        v.cellCount = 12;
        v.cellAttributes = u" NOWRAP"_s;
    }));
    EXPECT_EQ(insertion.mode, HtmlInsertMode::InsertAtCaret);
    EXPECT_TRUE(insertion.text.startsWith(u"<TR ALIGN=\"RIGHT\"><TD NOWRAP>Buňka1</TD>"_s));
    EXPECT_TRUE(insertion.text.endsWith(u"<TD NOWRAP>Buňka12</TD></TR>\r\n"_s));
    EXPECT_EQ(insertion.text.count(u"<TD NOWRAP>"_s), 12);
}

} // namespace

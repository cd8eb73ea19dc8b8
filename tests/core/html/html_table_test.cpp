#include "core/html/html_table.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString lines(const QStringList& all) {
    return all.join(u"\r\n"_s);
}

TableValues allTicked() {
    TableValues values;
    values.columns = 3;
    values.width = u"10%"_s;
    values.cols = true;
    values.colspec = u"L100%"_s;
    values.align = u"CENTER"_s;
    values.frame = TableFrame{u"BOX"_s, u"2"_s};
    values.rules = u"ALL"_s;
    values.cellSpacing = u"4"_s;
    values.cellPadding = u"5"_s;
    return values;
}

TEST(HtmlTable, SettingsGiveTheExactTable) {
    TableValues frameOnly;
    frameOnly.columns = 2;
    frameOnly.frame = TableFrame{};
    TableValues captioned;
    captioned.caption = TableCaption{u"BOTTOM"_s, u"Ceník"_s};

    const struct {
        const char* name;
        TableValues values;
        QString html;
    } cases[] = {
        {"initial",
         {},
         lines(
             {u"<TABLE>"_s, u"<TBODY>"_s, u"<TR><TD></TD></TR>"_s, u"</TBODY>"_s, u"</TABLE>"_s})},
        {"all eight in order", allTicked(),
         lines({u"<TABLE WIDTH=\"10%\" COLS=\"3\" COLSPEC=\"L100%\" ALIGN=\"CENTER\" FRAME=\"BOX\""
                u" BORDER=\"2\" RULES=\"ALL\" CELLSPACING=\"4\" CELLPADDING=\"5\">"_s,
                u"<TBODY>"_s, u"<TR><TD></TD><TD></TD><TD></TD></TR>"_s, u"</TBODY>"_s,
                u"</TABLE>"_s})},
        {"frame brings its border", frameOnly,
         lines({u"<TABLE FRAME=\"NONE\" BORDER=\"0\">"_s, u"<TBODY>"_s,
                u"<TR><TD></TD><TD></TD></TR>"_s, u"</TBODY>"_s, u"</TABLE>"_s})},
        {"caption before the first row", captioned,
         lines({u"<TABLE>"_s, u"<TBODY>"_s, u"<CAPTION ALIGN=\"BOTTOM\">Ceník</CAPTION>"_s,
                u"<TR><TD></TD></TR>"_s, u"</TBODY>"_s, u"</TABLE>"_s})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TableHtml(c.values, TableGrid{}), c.html) << c.name;
}

TEST(HtmlTable, CellsAndRowsAreCopiedUnescapedWithinTheCounts) {
    TableGrid grid;
    grid.cell(1, 1) = {u"a<b"_s, u" COLSPAN=\"2\""_s};
    grid.cell(2, 1).content = u"say \"hi\""_s;
    grid.cell(1, 2).content = u"x"_s;
    grid.rowAttributes(2) = u" ALIGN=\"LEFT\""_s;
    grid.cell(3, 1).content = u"beyond the columns"_s;
    grid.cell(1, 3).content = u"beyond the rows"_s;

    TableValues values;
    values.columns = 2;
    values.rows = 2;
    EXPECT_EQ(
        TableHtml(values, grid),
        lines({u"<TABLE>"_s, u"<TBODY>"_s,
               u"<TR><TD COLSPAN=\"2\">a<b</TD><TD>say \"hi\"</TD></TR>"_s,
               u"<TR ALIGN=\"LEFT\"><TD>x</TD><TD></TD></TR>"_s, u"</TBODY>"_s, u"</TABLE>"_s}));
}

TEST(HtmlTable, CursorLabelShowsPositionOfCount) {
    EXPECT_EQ(TableCursorLabel(3, 15), u"3/15"_s);
}

} // namespace

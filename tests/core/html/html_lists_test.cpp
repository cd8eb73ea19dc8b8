#include "core/html/html_lists.h"
#include "core/html/row_list.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(HtmlLists, ListTextWritesTheTickedOptionsTheCaptionAndEachItem) {
    HtmlListValues ordered;
    ordered.ordered = true;
    HtmlListValues everything;
    everything.ordered = everything.typeChecked = everything.compact = true;
    everything.labelChecked = true;
    everything.type = u"i"_s;
    everything.label = u"Kroky"_s;
    everything.items = {u"jeden"_s, QString(), u"<b>tři</b>"_s};

    HtmlListValues behindClearBoxes;
    behindClearBoxes.type = u"square"_s;
    behindClearBoxes.label = u"skrytý"_s;
    behindClearBoxes.items = {u"a"_s};

    const struct {
        const char* name;
        HtmlListValues values;
        QString text;
    } cases[] = {
        {"empty unordered", {}, u"<UL>\r\n</UL>"_s},
        {"empty ordered", ordered, u"<OL>\r\n</OL>"_s},
        {"every option", everything,
         u"<OL TYPE=\"i\" COMPACT>\r\n<LH>Kroky</LH>\r\n<LI>jeden</LI>\r\n<LI></LI>\r\n"
         u"<LI><b>tři</b></LI>\r\n</OL>"_s},
        {"values behind clear boxes", behindClearBoxes, u"<UL>\r\n<LI>a</LI>\r\n</UL>"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HtmlListText(c.values), c.text) << c.name;
}

TEST(HtmlLists, DefinitionListWritesEachPairOnTwoLines) {
    EXPECT_EQ(DefinitionListText({}), u"<DL>\r\n</DL>"_s);
    EXPECT_EQ(DefinitionListText({{u"HTML"_s, u"jazyk"_s}, {QString(), u"\"x\""_s}}),
              u"<DL>\r\n<DT>HTML</DT>\r\n<DD>jazyk</DD>\r\n<DT></DT>\r\n<DD>\"x\"</DD>\r\n</DL>"_s);
}

using Rows = RowList<QString>;

Rows rows(int selected) {
    return {{u"a"_s, u"b"_s, u"c"_s}, selected};
}

TEST(RowLists, MovesAndDeletesAtBothEnds) {
    const struct {
        const char* name;
        Rows before;
        RowMove move;
        Rows after;
    } cases[] = {
        {"top of the last", rows(2), RowMove::Top, {{u"c"_s, u"a"_s, u"b"_s}, 0}},
        {"top of the first", rows(0), RowMove::Top, rows(0)},
        {"bottom of the first", rows(0), RowMove::Bottom, {{u"b"_s, u"c"_s, u"a"_s}, 2}},
        {"up from the first", rows(0), RowMove::Up, rows(0)},
        {"up from the last", rows(2), RowMove::Up, {{u"a"_s, u"c"_s, u"b"_s}, 1}},
        {"down from the last", rows(2), RowMove::Down, rows(2)},
        {"down from the first", rows(0), RowMove::Down, {{u"b"_s, u"a"_s, u"c"_s}, 1}},
        {"delete the first", rows(0), RowMove::Delete, {{u"b"_s, u"c"_s}, 0}},
        {"delete the last", rows(2), RowMove::Delete, {{u"a"_s, u"b"_s}, 1}},
        {"delete the only", {{u"a"_s}, 0}, RowMove::Delete, {{}, -1}},
        {"nothing selected", rows(-1), RowMove::Delete, rows(-1)},
        {"selection past the end", rows(3), RowMove::Top, rows(3)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MovedRows(c.before, c.move), c.after) << c.name;
}

TEST(RowLists, AddGoesBeforeTheSelectedRowOrAtTheEnd) {
    EXPECT_EQ(WithRowAdded(rows(-1), u"x"_s), (Rows{{u"a"_s, u"b"_s, u"c"_s, u"x"_s}, -1}));
    EXPECT_EQ(WithRowAdded(rows(0), u"x"_s), (Rows{{u"x"_s, u"a"_s, u"b"_s, u"c"_s}, 1}));
    EXPECT_EQ(WithRowAdded(Rows{}, QString()), (Rows{{QString()}, -1}));
}

TEST(RowLists, RemovingTakesTheSelectedRowElseTheLast) {
    EXPECT_EQ(WithoutSelectedOrLast(rows(0)), (Rows{{u"b"_s, u"c"_s}, -1}));
    EXPECT_EQ(WithoutSelectedOrLast(rows(-1)), (Rows{{u"a"_s, u"b"_s}, -1}));
    EXPECT_EQ(WithoutSelectedOrLast(Rows{}), Rows{});
}

} // namespace

#include "html/html_window_test.h"
#include "html/tables/TableCell.h"
#include "html/tables/TableRow.h"

#include "platform/window_registry.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace {

class TableRowWindow : public HtmlWindowTest {
protected:
    static TableRow& row() { return LoadedWindow<TableRow>(); }
    static QScrollBar* cellCount() { return row().Vscroll1(); }
    static QString cellAttributes() { return child<QLineEdit>(row(), u"Text3"_s)->text(); }
};

TEST_F(TableRowWindow, FromTheMenuWritesNumberedCellsAtTheCaret) {
    cellCount()->setValue(3);
    EXPECT_EQ(child<QLabel>(row(), u"Label2"_s)->text(), u"3"_s);
    EXPECT_EQ(confirmOn<TableRow>(u"ab"_s, 1, 0),
              u"a<TR><TD>Buňka1</TD><TD>Buňka2</TD><TD>Buňka3</TD></TR>\r\nb"_s);
}

TEST_F(TableRowWindow, FromTheTableOnlyRowAttributesReachIt) {
    QString tableText = u" VALIGN=\"TOP\""_s;
    const auto fromTable = [&](const QStringList& ticks, const QString& button) {
        bool countEnabled = true;
        WhenModalShown<TableRow>([&](TableRow* shown) {
            countEnabled = shown->Vscroll1()->isEnabled();
            for (const QString& name : ticks)
                tick(*shown, name);
            click(*shown, button);
        });
        row().openForResult(u"_TABLE"_s, {cellCount()},
                            [&](const QString& text) { tableText = text; });
        EXPECT_FALSE(countEnabled);
        EXPECT_TRUE(cellCount()->isEnabled());
        EXPECT_EQ(WindowTag(&row()), QString());
    };
    cellCount()->setValue(4);
    fromTable({u"Check1"_s, u"Option1"_s}, u"Command2"_s);
    EXPECT_EQ(tableText, u" VALIGN=\"TOP\""_s);
    fromTable({}, u"Command1"_s); // Storno kept the ticks
    EXPECT_EQ(tableText, u" ALIGN=\"LEFT\""_s);
    fromTable({u"Check1"_s}, u"Command1"_s);
    EXPECT_EQ(tableText, QString());
    EXPECT_EQ(form.surface().text(), QString());
}

TEST_F(TableRowWindow, EditFillsTheCellAttributesThroughTheCellDialog) {
    bool headerEnabled = true;
    QString cellTag;
    WhenModalShown<TableCell>([&](TableCell* cell) {
        headerEnabled = cell->Check9()->isEnabled();
        cellTag = WindowTag(cell);
        tick(*cell, u"Check6"_s);
        click(*cell, u"Command1"_s);
    });
    click(openDialog<TableRow>(), u"Command3"_s);
    EXPECT_EQ(cellTag, u"_ROW"_s);
    EXPECT_FALSE(headerEnabled);
    EXPECT_TRUE(LoadedWindow<TableCell>().Check9()->isEnabled());
    EXPECT_EQ(cellAttributes(), u" NOWRAP"_s);

    cellCount()->setValue(2);
    EXPECT_EQ(confirmOn<TableRow>(QString(), 0, 0),
              u"<TR><TD NOWRAP>Buňka1</TD><TD NOWRAP>Buňka2</TD></TR>\r\n"_s);
    click(openDialog<TableRow>(), u"Command4"_s);
    EXPECT_EQ(cellAttributes(), QString());
}

TEST_F(TableRowWindow, FromTheTableItsOwnEditStillFillsItsCellAttributes) {
    QString tableText;
    WhenModalShown<TableRow>([](TableRow* shown) {
        WhenModalShown<TableCell>([](TableCell* cell) {
            tick(*cell, u"Check6"_s);
            click(*cell, u"Command1"_s);
        });
        click(*shown, u"Command3"_s);
        tick(*shown, u"Check2"_s);
        click(*shown, u"Command1"_s);
    });
    row().openForResult(u"_TABLE"_s, {cellCount()}, [&](const QString& text) { tableText = text; });
    EXPECT_EQ(tableText, u" VALIGN=\"MIDDLE\""_s);
    EXPECT_EQ(cellAttributes(), u" NOWRAP"_s);
    EXPECT_EQ(WindowTag(&LoadedWindow<TableCell>()), QString());
    EXPECT_FALSE(LoadedWindow<TableCell>().isVisible());
}

} // namespace

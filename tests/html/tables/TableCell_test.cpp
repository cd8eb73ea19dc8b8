#include "html/html_window_test.h"
#include "html/tables/TableCell.h"

#include "platform/window_registry.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

class TableCellWindow : public HtmlWindowTest {
protected:
    static TableCell& cell() { return LoadedWindow<TableCell>(); }
    template <class T = QWidget> static T* control(const QString& name) {
        return child<T>(cell(), name);
    }
    static void tick(const QString& name) { HtmlWindowTest::tick(cell(), name); }
    // Opens the dialog as the table does, lets act drive it while shown and
    // keeps what it hands back as the table's attribute text.
    void fromTable(const std::function<void(TableCell*)>& act) {
        WhenModalShown<TableCell>([act](TableCell* shown) { act(shown); });
        cell().openForResult(u"_TABLE"_s, {cell().Check9()},
                             [this](const QString& text) { tableText = text; });
    }
    QString confirmInEmpty() { return confirmOn<TableCell>(QString(), 0, 0); }

    QString tableText = u" ALIGN=\"LEFT\""_s;
};

TEST_F(TableCellWindow, FromTheTableHandsBackOnlyItsAttributes) {
    tick(u"Check9"_s); // a header left from the menu makes no difference here
    bool headerEnabled = true;
    fromTable([&](TableCell* shown) {
        headerEnabled = shown->Check9()->isEnabled();
        click(*shown, u"Command1"_s);
    });
    EXPECT_FALSE(headerEnabled);
    EXPECT_EQ(tableText, QString()); // nothing ticked clears what the table held

    fromTable([](TableCell* shown) {
        tick(u"Check4"_s);
        control<QScrollBar>(u"VScroll4"_s)->setValue(3);
        click(*shown, u"Command1"_s);
    });
    EXPECT_EQ(tableText, u" COLSPAN=\"3\""_s);
    EXPECT_TRUE(control(u"Check9"_s)->isEnabled());
    EXPECT_EQ(WindowTag(&cell()), QString());

    fromTable([](TableCell* shown) {
        tick(u"Check6"_s);
        click(*shown, u"Command2"_s);
    });
    EXPECT_EQ(tableText, u" COLSPAN=\"3\""_s); // Storno leaves the table's text alone
}

TEST_F(TableCellWindow, FromTheMenuFillsTheCaretOrWrapsTheSelection) {
    EXPECT_EQ(confirmOn<TableCell>(u"ab"_s, 1, 0), u"a<TD>Buňka</TD>b"_s);
    EXPECT_EQ(form.surface().selStart(), 15);
    tick(u"Check9"_s);
    EXPECT_EQ(confirmOn<TableCell>(u"x text y"_s, 2, 4), u"x <TH>text</TH> y"_s);
}

TEST_F(TableCellWindow, CharacterBoxFollowsCharAlignmentAndMayStayEmpty) {
    auto* text1 = control<QLineEdit>(u"Text1"_s);
    EXPECT_EQ(text1->text(), u","_s);
    EXPECT_FALSE(text1->isEnabled());
    tick(u"Check1"_s);
    EXPECT_FALSE(text1->isEnabled()); // CENTER is selected
    tick(u"Option4"_s);
    EXPECT_TRUE(text1->isEnabled());
    tick(u"Check1"_s);
    EXPECT_FALSE(text1->isEnabled());
    EXPECT_FALSE(control(u"Option4"_s)->isEnabled());
    tick(u"Check1"_s);
    EXPECT_TRUE(text1->isEnabled());

    text1->clear();
    QTest::keyClicks(text1, u".;"_s);
    EXPECT_EQ(text1->text(), u"."_s);
    EXPECT_EQ(confirmInEmpty(), u"<TD ALIGN=\"CHAR\" CHAR=\".\">Buňka</TD>"_s);
    text1->clear();
    EXPECT_EQ(confirmInEmpty(), u"<TD ALIGN=\"CHAR\">Buňka</TD>"_s);
}

TEST_F(TableCellWindow, PercentWidthPullsTheWidthDownToAHundred) {
    EXPECT_FALSE(control(u"VScroll6"_s)->isEnabled());
    tick(u"Check7"_s);
    control<QScrollBar>(u"VScroll6"_s)->setValue(300);
    tick(u"Check8"_s);
    EXPECT_EQ(control<QLabel>(u"Label8"_s)->text(), u"100%"_s);
    EXPECT_EQ(confirmInEmpty(), u"<TD WIDTH=\"100%\">Buňka</TD>"_s);
}

TEST_F(TableCellWindow, EveryControlReachesItsAttribute) {
    Program().CurrentFilePath = u"/web/site/index.html"_s;
    auto* fileChoose = control(u"FileChoose"_s);
    EXPECT_TRUE(fileChoose->isEnabled()); // usable before its box is ticked
    tick(u"IsPicture"_s);
    tick(u"IsPicture"_s);
    EXPECT_FALSE(fileChoose->isEnabled());
    tick(u"IsPicture"_s);
    platform.fileDialogs.openAnswers << u"/web/site/img/a.png"_s;
    click(cell(), u"FileChoose"_s);

    for (const QString& box : {u"Check2"_s, u"Option7"_s, u"Check3"_s})
        tick(box);
    pickNext({0, 128, 255});
    click(cell(), u"Command3"_s);
    tick(u"Check4"_s);
    control<QScrollBar>(u"VScroll4"_s)->setValue(2);
    tick(u"Check5"_s);
    control<QScrollBar>(u"VScroll5"_s)->setValue(4);
    tick(u"Check6"_s);

    EXPECT_EQ(confirmOn<TableCell>(u"z"_s, 0, 1),
              u"<TD BACKGROUND=\"img/a.png\" VALIGN=\"BOTTOM\" BGCOLOR=\"#0080FF\" "
              u"COLSPAN=\"2\" ROWSPAN=\"4\" NOWRAP>z</TD>"_s);
}

} // namespace

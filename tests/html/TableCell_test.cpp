#include "html/TableCell.h"

#include "colour/ColorDialog.h"
#include "html_window_test.h"
#include "platform/testing/modal_driver.h"
#include "platform/window_registry.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

class TableCellWindow : public HtmlWindowTest {
protected:
    template <class T = QWidget> static T* control(const QString& name) {
        T* found = LoadedWindow<TableCell>().findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    static void tick(const QString& name) { control<QAbstractButton>(name)->click(); }
    // Opens the dialog as the table does, lets act drive it while shown and
    // keeps what it hands back as the table's attribute text.
    void fromTable(const std::function<void(TableCell*)>& act) {
        TableCell& cell = LoadedWindow<TableCell>();
        WhenModalShown<TableCell>([act](TableCell* shown) { act(shown); });
        cell.openForResult(u"_TABLE"_s, {cell.Check9()},
                           [this](const QString& text) { tableText = text; });
    }
    QString confirmOn(const QString& text, int start, int length) {
        select(text, start, length);
        click(openDialog<TableCell>(), u"Command1"_s);
        return form.surface().text();
    }

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
    EXPECT_EQ(WindowTag(&LoadedWindow<TableCell>()), QString());
    EXPECT_FALSE(LoadedWindow<TableCell>().isVisible());
}

TEST_F(TableCellWindow, StornoFromTheTableLeavesItsTextAlone) {
    fromTable([](TableCell* shown) {
        tick(u"Check6"_s);
        click(*shown, u"Command2"_s);
    });
    EXPECT_EQ(tableText, u" ALIGN=\"LEFT\""_s);
}

TEST_F(TableCellWindow, FromTheMenuFillsTheCaretOrWrapsTheSelection) {
    EXPECT_EQ(confirmOn(u"ab"_s, 1, 0), u"a<TD>Buňka</TD>b"_s);
    EXPECT_EQ(form.surface().selStart(), 15);
    tick(u"Check9"_s);
    EXPECT_EQ(confirmOn(u"x text y"_s, 2, 4), u"x <TH>text</TH> y"_s);
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
    EXPECT_EQ(confirmOn(QString(), 0, 0), u"<TD ALIGN=\"CHAR\" CHAR=\".\">Buňka</TD>"_s);
    text1->clear();
    EXPECT_EQ(confirmOn(QString(), 0, 0), u"<TD ALIGN=\"CHAR\">Buňka</TD>"_s);
}

TEST_F(TableCellWindow, PercentWidthPullsTheWidthDownToAHundred) {
    auto* width = control<QScrollBar>(u"VScroll6"_s);
    auto* label = control<QLabel>(u"Label8"_s);
    EXPECT_FALSE(width->isEnabled());
    tick(u"Check7"_s);
    width->setValue(300);
    EXPECT_EQ(label->text(), u"300"_s);
    tick(u"Check8"_s);
    EXPECT_EQ(width->value(), 100);
    EXPECT_EQ(label->text(), u"100%"_s);
    tick(u"Check8"_s);
    EXPECT_EQ(width->maximum(), 800);
    EXPECT_EQ(label->text(), u"100"_s);
    EXPECT_EQ(confirmOn(QString(), 0, 0), u"<TD WIDTH=\"100\">Buňka</TD>"_s);
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
    click(LoadedWindow<TableCell>(), u"FileChoose"_s);

    tick(u"Check2"_s);
    tick(u"Option7"_s);
    tick(u"Check3"_s);
    WhenModalShown<ColorDialog>([](ColorDialog* picker) {
        picker->setChannels({0, 128, 255});
        QTest::mouseClick(picker->Command1(), Qt::LeftButton);
    });
    click(LoadedWindow<TableCell>(), u"Command3"_s);
    tick(u"Check4"_s);
    control<QScrollBar>(u"VScroll4"_s)->setValue(2);
    tick(u"Check5"_s);
    control<QScrollBar>(u"VScroll5"_s)->setValue(4);
    tick(u"Check6"_s);

    EXPECT_EQ(confirmOn(u"z"_s, 0, 1),
              u"<TD BACKGROUND=\"img/a.png\" VALIGN=\"BOTTOM\" BGCOLOR=\"#0080FF\" "
              u"COLSPAN=\"2\" ROWSPAN=\"4\" NOWRAP>z</TD>"_s);
}

} // namespace

#include "html/tables/Table.h"

#include "html/html_window_test.h"
#include "html/tables/TableCell.h"
#include "html/tables/TableRow.h"

#include "shell/main_window/DocumentTabs.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

class TableWindow : public HtmlWindowTest {
protected:
    template <class T = QWidget> T* control(const QString& name) { return child<T>(table, name); }
    void tick(const QString& name) { HtmlWindowTest::tick(table, name); }
    void setBar(const QString& name, int value) { control<QScrollBar>(name)->setValue(value); }
    QString text(const QString& name) { return control<QLineEdit>(name)->text(); }
    QString label(const QString& name) { return control<QLabel>(name)->text(); }
    void moveTo(int column, int row) {
        setBar(u"HScroll1"_s, column);
        setBar(u"VScroll7"_s, row);
    }
    // Types over the box's text key by key (Czech letters included).
    void type(const QString& name, const QString& typed) {
        auto* box = control<QLineEdit>(name);
        box->selectAll();
        for (const QChar letter : typed)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(letter), {});
    }
    // The table OK writes into an empty document.
    QString inserted() { return confirmOn<Table>(QString(), 0, 0); }
    // The row lines of the inserted table, between <TBODY> and </TBODY>.
    QStringList rows() {
        const QStringList lines = inserted().split(u"\r\n"_s);
        return lines.mid(2, lines.size() - 4);
    }

    Table& table = openDialog<Table>();
};

TEST_F(TableWindow, InitialTableGoesBeforeTheSelectionAndTheWindowHides) {
    select(u"xyz"_s, 1, 1);
    click(table, u"Command1"_s);
    const QString html = u"<TABLE>\r\n<TBODY>\r\n<TR><TD></TD></TR>\r\n</TBODY>\r\n</TABLE>"_s;
    EXPECT_EQ(form.surface().text(), u"x"_s + html + u"yz"_s);
    EXPECT_EQ(form.surface().selStart(), 1 + html.size());
}

TEST_F(TableWindow, EveryTickedBoxWritesItsControlsInOrderThenTheCaption) {
    EXPECT_FALSE(control(u"Option13"_s)->isEnabled());
    EXPECT_FALSE(control(u"VScroll4"_s)->isEnabled());
    setBar(u"Vscroll1"_s, 3);
    for (const QString& box : {u"Check1"_s, u"Check2"_s, u"Check3"_s, u"Check4"_s, u"Check5"_s,
                               u"Check6"_s, u"Check7"_s, u"Check9"_s})
        tick(box);
    tick(u"Option5"_s);
    tick(u"Option13"_s);
    tick(u"Option15"_s);
    setBar(u"VScroll4"_s, 2);
    setBar(u"VScroll5"_s, 4);
    setBar(u"VScroll6"_s, 5);
    tick(u"Check8"_s);
    tick(u"Option19"_s);
    type(u"Text2"_s, u"Ceník"_s);
    EXPECT_EQ(inserted().section(u"\r\n"_s, 0, 2),
              u"<TABLE WIDTH=\"10%\" COLS=\"3\" COLSPEC=\"L100%\" ALIGN=\"RIGHT\" FRAME=\"BOX\""
              u" BORDER=\"2\" RULES=\"ROWS\" CELLSPACING=\"4\" CELLPADDING=\"5\">\r\n"
              u"<TBODY>\r\n<CAPTION ALIGN=\"BOTTOM\">Ceník</CAPTION>"_s);
}

TEST_F(TableWindow, WidthFollowsTheUnitAndReturnsToPercentClamped) {
    tick(u"Check1"_s);
    EXPECT_EQ(inserted().section(u"\r\n"_s, 0, 0), u"<TABLE WIDTH=\"10%\">"_s);
    tick(u"ChkPercentWidth"_s);
    EXPECT_EQ(label(u"Label5"_s), u"10"_s);
    EXPECT_EQ(control<QScrollBar>(u"VScroll3"_s)->maximum(), 800);
    setBar(u"VScroll3"_s, 300);
    tick(u"ChkPercentWidth"_s);
    EXPECT_EQ(control<QScrollBar>(u"VScroll3"_s)->value(), 100);
    EXPECT_EQ(inserted().section(u"\r\n"_s, 0, 0), u"<TABLE WIDTH=\"100%\">"_s);
}

TEST_F(TableWindow, MovingTheCursorsKeepsEachCellsTexts) {
    setBar(u"Vscroll1"_s, 3);
    setBar(u"VScroll2"_s, 2);
    type(u"Text4"_s, u"A"_s);
    control<QLineEdit>(u"Text3"_s)->setText(u" ALIGN=\"LEFT\""_s);
    control<QLineEdit>(u"Text5"_s)->setText(u" VALIGN=\"TOP\""_s);
    moveTo(2, 1);
    EXPECT_EQ(label(u"Label12"_s), u"2/3"_s);
    EXPECT_EQ(text(u"Text4"_s), QString());
    EXPECT_EQ(text(u"Text3"_s), QString());
    type(u"Text4"_s, u"B"_s);
    moveTo(1, 2);
    EXPECT_EQ(text(u"Text4"_s), QString());
    setBar(u"VScroll8"_s, 2);
    EXPECT_EQ(text(u"Text5"_s), QString());
    moveTo(1, 1);
    setBar(u"VScroll8"_s, 1);
    EXPECT_EQ(text(u"Text4"_s), u"A"_s);
    EXPECT_EQ(text(u"Text5"_s), u" VALIGN=\"TOP\""_s);
    EXPECT_EQ(rows(), QStringList({u"<TR VALIGN=\"TOP\"><TD ALIGN=\"LEFT\">A</TD><TD>B</TD>"
                                   u"<TD></TD></TR>"_s,
                                   u"<TR><TD></TD><TD></TD><TD></TD></TR>"_s}));
}

TEST_F(TableWindow, ShrinkingPullsTheCursorsBackAndGrowingBringsCellsBack) {
    setBar(u"Vscroll1"_s, 3);
    setBar(u"VScroll2"_s, 2);
    moveTo(2, 2);
    type(u"Text4"_s, u"B"_s);
    moveTo(3, 2);
    type(u"Text4"_s, u"C"_s);
    setBar(u"Vscroll1"_s, 2);
    EXPECT_EQ(label(u"Label12"_s), u"2/2"_s);
    EXPECT_EQ(text(u"Text4"_s), u"B"_s);
    setBar(u"VScroll8"_s, 2);
    setBar(u"VScroll2"_s, 1);
    EXPECT_EQ(label(u"Label13"_s), u"1/1"_s);
    EXPECT_EQ(label(u"Label16"_s), u"1/1"_s);
    EXPECT_EQ(text(u"Text4"_s), QString());
    EXPECT_EQ(rows(), QStringList(u"<TR><TD></TD><TD></TD></TR>"_s));

    setBar(u"Vscroll1"_s, 3);
    setBar(u"VScroll2"_s, 2);
    EXPECT_EQ(rows().value(1), u"<TR><TD></TD><TD>B</TD><TD>C</TD></TR>"_s);
}

TEST_F(TableWindow, VynulujClearsOnlyTheAttributeText) {
    type(u"Text4"_s, u"A"_s);
    control<QLineEdit>(u"Text3"_s)->setText(u" NOWRAP"_s);
    control<QLineEdit>(u"Text5"_s)->setText(u" ALIGN=\"LEFT\""_s);
    click(table, u"Command4"_s);
    click(table, u"Command5"_s);
    EXPECT_EQ(text(u"Text4"_s), u"A"_s);
    EXPECT_EQ(rows(), QStringList(u"<TR><TD>A</TD></TR>"_s));
}

TEST_F(TableWindow, EnterInTheCellTextConfirms) {
    control<QTabWidget>(u"TabStrip1"_s)->setCurrentIndex(1);
    select(QString(), 0, 0);
    type(u"Text4"_s, u"a<\"b"_s);
    QTest::keyClick(control(u"Text4"_s), Qt::Key_Return);
    EXPECT_FALSE(table.isVisible());
    EXPECT_TRUE(form.surface().text().contains(u"<TR><TD>a<\"b</TD></TR>"_s));
}

TEST_F(TableWindow, RowEditReplacesTheAttributesOfTheCurrentRow) {
    bool countEnabled = true;
    WhenModalShown<TableRow>([&](TableRow* row) {
        countEnabled = row->Vscroll1()->isEnabled();
        HtmlWindowTest::tick(*row, u"Check2"_s);
        click(*row, u"Command1"_s);
    });
    click(table, u"Command6"_s);
    EXPECT_FALSE(countEnabled);
    EXPECT_EQ(text(u"Text5"_s), u" VALIGN=\"MIDDLE\""_s);
    EXPECT_EQ(rows(), QStringList(u"<TR VALIGN=\"MIDDLE\"><TD></TD></TR>"_s));
}

TEST_F(TableWindow, TypicalTableReachesTheEditorAndStaysForTheNextOne) {
    setBar(u"Vscroll1"_s, 3);
    setBar(u"VScroll2"_s, 2);
    tick(u"Check4"_s);
    tick(u"Check9"_s);
    control<QTabWidget>(u"TabStrip1"_s)->setCurrentIndex(1);
    type(u"Text4"_s, u"Jméno"_s);
    moveTo(2, 1);
    type(u"Text4"_s, u"Věk"_s);
    moveTo(1, 2);
    bool headerBoxEnabled = true;
    WhenModalShown<TableCell>([&](TableCell* cell) {
        headerBoxEnabled = cell->Check9()->isEnabled();
        HtmlWindowTest::tick(*cell, u"Check4"_s);
        cell->findChild<QScrollBar*>(u"VScroll4"_s)->setValue(3);
        click(*cell, u"Command1"_s);
    });
    click(table, u"Command3"_s);
    EXPECT_FALSE(headerBoxEnabled);
    EXPECT_TRUE(LoadedWindow<TableCell>().Check9()->isEnabled());
    EXPECT_EQ(text(u"Text3"_s), u" COLSPAN=\"3\""_s);
    select(u"před\r\n"_s, 6, 0);
    form.documents().setCaption(QString(), false); // as if just saved
    ASSERT_FALSE(form.windowTitle().endsWith(u'*'));
    click(table, u"Command1"_s);

    const QString html = u"<TABLE COLS=\"3\" FRAME=\"NONE\" BORDER=\"0\">\r\n<TBODY>\r\n"
                         u"<TR><TD>Jméno</TD><TD>Věk</TD><TD></TD></TR>\r\n"
                         u"<TR><TD COLSPAN=\"3\"></TD><TD></TD><TD></TD></TR>\r\n"
                         u"</TBODY>\r\n</TABLE>"_s;
    EXPECT_EQ(form.surface().text(), u"před\r\n"_s + html);
    EXPECT_TRUE(form.windowTitle().endsWith(u'*')) << form.windowTitle().toStdString();
    EXPECT_FALSE(table.isVisible());

    table.showModeless();
    EXPECT_EQ(text(u"Text3"_s), u" COLSPAN=\"3\""_s);
    moveTo(1, 1);
    EXPECT_EQ(text(u"Text4"_s), u"Jméno"_s);
    EXPECT_EQ(inserted(), html);
}

} // namespace

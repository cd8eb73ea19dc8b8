#include "utilities/code_table/AsciiKod.h"

#include "core/text/editor_surface.h"
#include "platform/font_fallback.h"
#include "platform/surface/RichEditSurface.h"
#include "utilities/code_table/code_grid.h"
#include "utilities/utilities_window_test.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace {

class AsciiKodTest : public UtilitiesWindowTest {
protected:
    AsciiKodTest() {
        form.surface().setText(u"abcdef"_s);
        form.surface().setSelStart(1);
        form.surface().setSelLength(2);
    }
    AsciiKod& open() { return openFromMenu<AsciiKod>(MenuId::mnuASCII); }
    static void release(const AsciiKod& table, QPoint at) {
        QTest::mouseRelease(table.Picture1(), Qt::LeftButton, Qt::NoModifier, at);
    }
    static void releaseOn(const AsciiKod& table, int code) {
        release(table, table.Picture1()->cellCentre(code));
    }
};

TEST_F(AsciiKodTest, TheHtmlMenuSelectsHtmlReferencesAndTheInsertMenuKeepsThem) {
    AsciiKod& table = open();
    EXPECT_EQ(table.windowTitle(), u"vložení ASCII kódu"_s);
    EXPECT_TRUE(table.Option1()->isChecked());
    table.hide();
    EXPECT_EQ(&openFromMenu<AsciiKod>(MenuId::MnuHTMLASCII), &table);
    EXPECT_TRUE(table.Option2()->isChecked());
    (void)open();
    EXPECT_TRUE(table.Option2()->isChecked());
}

// A release in a cell inserts by the selected option, in front of the
// editor's selection; the blank cell and points outside the cells give nothing.
TEST_F(AsciiKodTest, ReleasesInTheTableInsertByOption) {
    AsciiKod& table = open();
    const QPoint outside[] = {{-3, 10},
                              {10, -3},
                              {table.Picture1()->width() + 4, 10},
                              {10, table.Picture1()->height() + 4}};
    for (QRadioButton* option : {table.Option1(), table.Option2(), table.Option3()}) {
        option->click();
        releaseOn(table, 0);
        for (const QPoint at : outside)
            release(table, at);
    }
    EXPECT_EQ(form.surface().text(), u"abcdef"_s);
    EXPECT_TRUE(table.Text1()->text().isEmpty());

    table.Option2()->click();
    releaseOn(table, 65);
    EXPECT_EQ(form.surface().text(), u"a&#65;bcdef"_s);
    EXPECT_EQ(form.surface().selStart(), 6);
    EXPECT_EQ(form.surface().selLength(), 0);
    table.Option1()->click();
    releaseOn(table, 0xE8);
    EXPECT_EQ(form.surface().text(), u"a&#65;čbcdef"_s);

    table.Option3()->click();
    releaseOn(table, 0x9A);
    releaseOn(table, 66);
    EXPECT_EQ(table.Text1()->text(), u"šB"_s);
    EXPECT_EQ(form.surface().text(), u"a&#65;čbcdef"_s);
    click(table.Command4());
    EXPECT_EQ(form.surface().text(), u"a&#65;čšBbcdef"_s);
    EXPECT_TRUE(table.Text1()->text().isEmpty());
    click(table.Command4());
    EXPECT_EQ(form.surface().text(), u"a&#65;čšBbcdef"_s);
    // A NUL pasted into the box never reaches the document.
    table.Text1()->setText(u"x\0y"_s);
    click(table.Command4());
    EXPECT_EQ(form.surface().text(), u"a&#65;čšBxybcdef"_s);
}

TEST_F(AsciiKodTest, ScrollBarChoosesAndTheMouseOnlyShowsCodes) {
    AsciiKod& table = open();
    table.HScroll1()->setValue(10);
    EXPECT_EQ(table.Label1()->text(), u" 10"_s);
    EXPECT_EQ(table.Label6()->text(), u"10"_s);
    EXPECT_EQ(table.Label7()->text(), u"0A"_s);
    EXPECT_EQ(table.Label8()->text(), u"&#10;"_s);
    EXPECT_EQ(table.LblBin()->text(), u"00001010"_s);

    table.HScroll1()->setValue(65);
    moveMouseOver(table.Picture1(), table.Picture1()->cellCentre(0xE8));
    EXPECT_EQ(table.Label6()->text(), u"232"_s);
    EXPECT_EQ(table.Picture2()->character(), u"č"_s);
    EXPECT_EQ(table.Label1()->text(), u" 65"_s);
    EXPECT_EQ(table.Label2()->text(), u"A"_s);
    click(table.Command3());
    EXPECT_EQ(table.Text1()->text(), u"A"_s);

    // Code 0 has no character to collect.
    table.HScroll1()->setValue(0);
    click(table.Command3());
    EXPECT_EQ(table.Text1()->text(), u"A"_s);

    table.Combo1()->setCurrentText(u"Courier New"_s);
    const QString family = FontFamiliesFor(u"Courier New"_s).front();
    for (const QWidget* widget :
         {static_cast<QWidget*>(table.Picture1()), static_cast<QWidget*>(table.Label2()),
          static_cast<QWidget*>(table.Text1()), static_cast<QWidget*>(table.Picture2())})
        EXPECT_EQ(widget->font().families().front(), family) << widget->objectName().toStdString();

    click(table.Command2());
    EXPECT_FALSE(table.isVisible());
}

// A collected character goes in at the start of the box's selection, however
// the selection was made, and never over it; by the button or by the table.
TEST_F(AsciiKodTest, CollectedCharactersGoInFrontOfTheSelection) {
    AsciiKod& table = open();
    table.Option3()->click();
    table.HScroll1()->setValue(66);
    const struct {
        int start;
        int length; // Negative: made backwards, the caret at the start.
        QString collected;
    } cases[] = {
        {0, 1, u"BAXY"_s},  {1, -1, u"BAXY"_s}, {1, 2, u"ABXY"_s},
        {3, -2, u"ABXY"_s}, {2, 0, u"AXBY"_s},  {3, 0, u"AXYB"_s},
    };
    for (const bool byTable : {false, true}) {
        for (const auto& c : cases) {
            table.Text1()->setText(u"AXY"_s);
            table.Text1()->setSelection(c.start, c.length);
            if (byTable)
                releaseOn(table, 66);
            else
                click(table.Command3());
            EXPECT_EQ(table.Text1()->text(), c.collected) << c.start << " " << c.length;
            EXPECT_FALSE(table.Text1()->hasSelectedText());
        }
    }
}

// With "Přímo vkládát" selected a printable character or Enter typed in the
// window is typed into the editor as well; other keys are not.
TEST_F(AsciiKodTest, TypedCharactersReachTheEditorOnlyWhenInsertingDirectly) {
    AsciiKod& table = open();
    form.surface().setSelLength(0);
    QTest::keyClick(table.Text1(), Qt::Key_X, Qt::NoModifier);
    QTest::keyClick(table.Text1(), Qt::Key_Backspace);
    QTest::keyClick(table.Text1(), Qt::Key_B, Qt::ControlModifier);
    QTest::keyClick(table.Text1(), Qt::Key_Tab);
    QTest::keyClick(table.Text1(), Qt::Key_Return);
    EXPECT_EQ(form.surface().text(), u"ax\r\nbcdef"_s);
    EXPECT_TRUE(table.Text1()->text().isEmpty());

    table.Option3()->click();
    QTest::keyClick(table.Text1(), Qt::Key_Y);
    EXPECT_EQ(table.Text1()->text(), u"y"_s);
    EXPECT_EQ(form.surface().text(), u"ax\r\nbcdef"_s);
}

} // namespace

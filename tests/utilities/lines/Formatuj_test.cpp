#include "utilities/lines/Formatuj.h"

#include "utilities/text_tool_test.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace {

class FormatujWindow : public TextToolTest {
protected:
    Formatuj& openOn(const QString& selection) {
        selectBetween(selection);
        return opened<Formatuj>(MenuId::mnu_format);
    }
    // Count, shortest length and the position's maximum, as shown.
    static QStringList stats(const Formatuj& window) {
        return {window.Label2()->text(), window.Label4()->text(),
                QString::number(window.Hz()->maximum())};
    }
};

TEST_F(FormatujWindow, InsertsDeletesAndPadsAtTheColumn) {
    Formatuj& window = openOn(u"abc\r\nde"_s);
    EXPECT_EQ(window.windowTitle(), u"Formátování"_s);
    EXPECT_EQ(window.lines(), QStringList({u"abc"_s, u"de"_s}));
    EXPECT_EQ(stats(window), QStringList({u"2"_s, u"2"_s, u"2"_s}));

    window.Hz()->setValue(1);
    EXPECT_EQ(window.Label7()->text(), u"1"_s);
    retype(window.Text1(), u"-"_s);
    click(window.CmndAdd());
    EXPECT_EQ(window.lines(), QStringList({u"a-bc"_s, u"d-e"_s}));
    EXPECT_EQ(stats(window), QStringList({u"2"_s, u"3"_s, u"3"_s}));

    // From the end; the two boxes are a pair.
    window.ChkEnd()->click();
    EXPECT_FALSE(window.ChkStart()->isChecked());
    click(window.CmndDelete());
    EXPECT_EQ(window.lines(), QStringList({u"a-c"_s, u"de"_s}));
    EXPECT_EQ(stats(window), QStringList({u"2"_s, u"2"_s, u"2"_s}));
    // Where the shortest line has no character, nothing is deleted.
    window.Hz()->setValue(2);
    click(window.CmndDelete());
    EXPECT_EQ(window.lines(), QStringList({u"a-c"_s, u"de"_s}));

    window.ChkStart()->click();
    window.Hz()->setValue(1);
    retype(window.Text1(), u"*."_s);
    click(window.CmndFill());
    EXPECT_EQ(window.lines(), QStringList({u"a-c"_s, u"d*e"_s}));

    // A line edited by hand.
    window.List1()->setCurrentRow(0);
    EXPECT_EQ(window.Text3()->text(), u"a-c"_s);
    retype(window.Text3(), u"x"_s);
    EXPECT_EQ(window.lines(), QStringList({u"x"_s, u"d*e"_s}));
    EXPECT_EQ(stats(window), QStringList({u"2"_s, u"1"_s, u"1"_s}));

    click(window.CmndOK());
    EXPECT_EQ(surface().text(), u"<<x\r\nd*e>>"_s);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(FormatujWindow, ATrailingLineBreakGivesAnEmptyLineAndComesBack) {
    Formatuj& window = openOn(u"abc\r\nde\r\n"_s);
    EXPECT_EQ(stats(window), QStringList({u"3"_s, u"0"_s, u"0"_s}));
    click(window.CmndDelete());
    click(window.CmndOK());
    EXPECT_EQ(surface().text(), u"<<abc\r\nde\r\n>>"_s);

    // Inserting at 0 reaches the empty line too.
    openOn(u"ab\r\n"_s);
    retype(window.Text1(), u"#"_s);
    click(window.CmndAdd());
    click(window.CmndOK());
    EXPECT_EQ(surface().text(), u"<<#ab\r\n#>>"_s);

    // Storno writes nothing.
    openOn(u"ab"_s);
    click(window.CmndAdd());
    click(window.CmndStorno());
    EXPECT_EQ(surface().text(), u"<<ab>>"_s);
}

TEST_F(FormatujWindow, ALineEditedByHandIsNeverCut) {
    const QString longLine(40000, u'x');
    Formatuj& window = openOn(longLine + u"\r\nab"_s);
    // No line is chosen yet: typing goes nowhere.
    QTest::keyClicks(window.Text3(), u"z"_s);
    EXPECT_EQ(window.lines(), QStringList({longLine, u"ab"_s}));
    window.List1()->setCurrentRow(0);
    window.Text3()->end(false);
    QTest::keyClicks(window.Text3(), u"y"_s);
    click(window.CmndOK());
    EXPECT_EQ(surface().text(), u"<<"_s + longLine + u"y\r\nab>>"_s);
}

TEST_F(FormatujWindow, AnEmptyListChangesNothing) {
    Formatuj window(&form);
    selectBetween(u"kept"_s);
    ShowOwned(window);
    EXPECT_EQ(window.List1()->count(), 0);
    click(window.CmndAdd());
    click(window.CmndDelete());
    click(window.CmndFill());
    click(window.CmndOK());
    EXPECT_EQ(surface().text(), u"<<kept>>"_s);
    EXPECT_EQ(surface().selLength(), 4);
}

} // namespace

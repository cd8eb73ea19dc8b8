#include "html/html_window_test.h"
#include "html/simple/Hr.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace {

class HrWindow : public HtmlWindowTest {
protected:
    HrWindow() { openDialog<Hr>(); }

    static Hr& hr() { return LoadedWindow<Hr>(); }
    static QScrollBar* width() { return child<QScrollBar>(hr(), u"Vscroll1"_s); }
    static QString widthLabel() { return child<QLabel>(hr(), u"Label1"_s)->text(); }
    // Centred, 50 % wide, without shade.
    static void chooseCentredHalfWidth() {
        tick(hr(), u"Option1"_s);
        tick(hr(), u"Check1"_s);
        width()->setValue(50);
        tick(hr(), u"Shader"_s);
    }
    QString insertIntoEmpty() { return confirmOn<Hr>(QString(), 0, 0); }
};

TEST_F(HrWindow, InitialStateInsertsTheBareRuleBeforeTheSelection) {
    EXPECT_EQ(confirmOn<Hr>(u"xyz"_s, 1, 1), u"x<HR>yz"_s);
    EXPECT_EQ(form.surface().selStart(), 5);
    EXPECT_EQ(form.surface().selLength(), 0);
    EXPECT_FALSE(hr().isVisible());
}

TEST_F(HrWindow, WidthIsWrittenAsItsLabelShowsItInEitherUnit) {
    EXPECT_FALSE(width()->isEnabled());
    chooseCentredHalfWidth();
    EXPECT_EQ(widthLabel(), u"50%"_s);
    EXPECT_EQ(insertIntoEmpty(), u"<HR ALIGN=\"CENTER\" WIDTH=\"50%\" NOSHADE>"_s);

    tick(hr(), u"Check2"_s); // pixels
    EXPECT_EQ(widthLabel(), u"50"_s);
    width()->setValue(300);
    EXPECT_EQ(insertIntoEmpty(), u"<HR ALIGN=\"CENTER\" WIDTH=\"300\" NOSHADE>"_s);

    tick(hr(), u"Check2"_s); // back to percent pulls the width down
    EXPECT_EQ(width()->maximum(), 100);
    EXPECT_EQ(widthLabel(), u"100%"_s);

    tick(hr(), u"Check1"_s); // greyed, kept, not written
    EXPECT_FALSE(width()->isEnabled());
    EXPECT_FALSE(child(hr(), u"Check2"_s)->isEnabled());
    EXPECT_EQ(widthLabel(), u"100%"_s);
    EXPECT_EQ(insertIntoEmpty(), u"<HR ALIGN=\"CENTER\" NOSHADE>"_s);
}

TEST_F(HrWindow, TitleBarCloseStartsAfreshWhileStornoKeepsTheValues) {
    chooseCentredHalfWidth();
    click(hr(), u"Command2"_s);
    EXPECT_EQ(insertIntoEmpty(), u"<HR ALIGN=\"CENTER\" WIDTH=\"50%\" NOSHADE>"_s);

    QPointer<Hr> closed = &hr();
    closed->showModeless();
    closed->close();
    EXPECT_NE(&hr(), closed.data());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());

    EXPECT_TRUE(child<QRadioButton>(hr(), u"Option6"_s)->isChecked());
    EXPECT_FALSE(child<QCheckBox>(hr(), u"Check1"_s)->isChecked());
    EXPECT_EQ(widthLabel(), u"1%"_s);
    EXPECT_EQ(insertIntoEmpty(), u"<HR>"_s);
}

} // namespace

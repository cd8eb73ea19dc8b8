#include "html/frames/Frame.h"

#include "html/html_window_test.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace {

class FrameWindow : public HtmlWindowTest {
protected:
    FrameWindow() { Program().CurrentFilePath = u"/data/web/index.html"_s; }

    template <class Control = QWidget> Control* control(const QString& name) {
        return child<Control>(window, name);
    }
    void tick(const QString& box) { HtmlWindowTest::tick(window, box); }
    void choose(const QString& path) {
        platform.fileDialogs.openAnswers << path;
        click(window, u"FileChoose"_s);
    }

    Frame& window = openDialog<Frame>();
};

TEST_F(FrameWindow, OkWaitsForAPageAndInsertsTheBareTagBeforeTheSelection) {
    EXPECT_FALSE(control(u"Command1"_s)->isEnabled());
    // Only the scrolling list is usable before its box is first clicked.
    for (const QString& name : {u"Text1"_s, u"Combo3"_s, u"VScroll1"_s, u"Command4"_s,
                                u"VScroll2"_s, u"VScroll4"_s, u"VScroll5"_s})
        EXPECT_FALSE(control(name)->isEnabled()) << name.toStdString();
    EXPECT_TRUE(control(u"Combo2"_s)->isEnabled());
    EXPECT_EQ(control<QLabel>(u"Label13"_s)->text(), u"0"_s);

    choose(QString());
    EXPECT_FALSE(control(u"Command1"_s)->isEnabled());
    choose(u"/data/web/obsah/menu.html"_s);
    EXPECT_TRUE(control(u"Command1"_s)->isEnabled());

    const QString tag = u"<FRAME SRC=\"obsah/menu.html\">"_s;
    EXPECT_EQ(confirmOn<Frame>(u"xyz"_s, 1, 1), u'x' + tag + u"yz"_s);
    EXPECT_EQ(form.surface().selStart(), 1 + tag.size());
    EXPECT_EQ(form.surface().selLength(), 0);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(FrameWindow, EveryTickedBoxAddsItsAttributeFromItsControl) {
    choose(u"/jinde/menu.html"_s);
    tick(u"RelativePathChk"_s);
    tick(u"Check4"_s);
    control<QLineEdit>(u"Text1"_s)->setText(u"levý"_s);
    tick(u"Check6"_s);
    control<QComboBox>(u"Combo3"_s)->setCurrentText(u"RIGHT"_s);
    tick(u"Check7"_s);
    control<QScrollBar>(u"VScroll1"_s)->setValue(4);
    tick(u"Check9"_s);
    pickNext({0, 128, 255});
    click(window, u"Command4"_s);
    tick(u"Check8"_s);
    tick(u"Check1"_s);
    tick(u"Check3"_s);
    control<QScrollBar>(u"VScroll4"_s)->setValue(25);
    tick(u"Check2"_s);
    EXPECT_EQ(itemsOf(control<QComboBox>(u"Combo2"_s)),
              (QStringList{u"yes"_s, u"no"_s, u"auto"_s, u"0"_s, u"1"_s}));

    EXPECT_EQ(confirmOn<Frame>(QString(), 0, 0),
              u"<FRAME SRC=\"file:///jinde/menu.html\" NAME=\"levý\" ALIGN=\"RIGHT\" "
              u"FRAMEBORDER=\"4\" BORDERCOLOR=\"#0080FF\" FRAMESPACING=\"0\" SCROLLING=\"\" "
              u"MARGINHEIGHT=\"0\" MARGINWIDTH=\"25\" NORESIZE>"_s);

    // Unticking greys the controls and drops the attributes, values kept.
    for (const QString& box : {u"Check4"_s, u"Check6"_s, u"Check7"_s, u"Check9"_s, u"Check8"_s,
                               u"Check1"_s, u"Check3"_s, u"Check2"_s})
        tick(box);
    EXPECT_FALSE(control(u"Combo2"_s)->isEnabled());
    EXPECT_FALSE(control(u"Command4"_s)->isEnabled());
    EXPECT_EQ(confirmOn<Frame>(QString(), 0, 0), u"<FRAME SRC=\"file:///jinde/menu.html\">"_s);
    EXPECT_EQ(control<QLineEdit>(u"Text1"_s)->text(), u"levý"_s);
}

} // namespace

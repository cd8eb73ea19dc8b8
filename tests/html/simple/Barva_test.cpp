#include "html/html_window_test.h"
#include "html/simple/Barva.h"

#include <QLabel>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace {

class BarvaWindow : public HtmlWindowTest {
protected:
    Barva& dialog = openDialog<Barva>();
};

TEST_F(BarvaWindow, FaceAloneWritesTheBoxTextAtTheCaret) {
    auto* face = child<QComboBox>(dialog, u"Combo1"_s);
    EXPECT_FALSE(face->isEnabled());
    tick(dialog, u"Check2"_s);
    EXPECT_TRUE(face->isEnabled());

    const QString font = u"<FONT FACE=\"Combo1\"></FONT>"_s;
    EXPECT_EQ(confirmOn<Barva>(u"xy"_s, 1, 0), u"x"_s + font + u"y"_s);
}

TEST_F(BarvaWindow, PickedColourSizeAndFaceWrapTheSelectionInOrder) {
    EXPECT_FALSE(child(dialog, u"Command3"_s)->isEnabled());
    tick(dialog, u"Check3"_s);
    pickNext({255, 0, 0});
    click(dialog, u"Command3"_s);
    EXPECT_EQ(child<QLabel>(dialog, u"Label2"_s)->text(), u"#FF0000"_s);
    EXPECT_EQ(child(dialog, u"Label1"_s)->palette().color(QPalette::Window), QColor(Qt::red));
    EXPECT_EQ(confirmOn<Barva>(u"a text b"_s, 2, 4), u"a <FONT COLOR=\"#FF0000\">text</FONT> b"_s);

    tick(dialog, u"Check1"_s);
    child<QScrollBar>(dialog, u"VScroll4"_s)->setValue(5);
    EXPECT_EQ(child<QLabel>(dialog, u"Label4"_s)->text(), u"5"_s);
    tick(dialog, u"Check2"_s);
    child<QComboBox>(dialog, u"Combo1"_s)->setCurrentIndex(3);
    EXPECT_EQ(confirmOn<Barva>(u"z"_s, 0, 1),
              u"<FONT SIZE=\"5\" FACE=\"Tahoma\" COLOR=\"#FF0000\">z</FONT>"_s);
}

} // namespace

#include "html/Barva.h"

#include "colour/ColorDialog.h"
#include "platform/RichEditSurface.h"
#include "platform/testing/modal_driver.h"
#include "platform/testing/test_platform.h"
#include "shell/MainForm.h"
#include "shell/window_instances.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class BarvaWindow : public ::testing::Test {
protected:
    template <class T> T* child(const QString& name) {
        LoadedWindow<Barva>().showModeless();
        return LoadedWindow<Barva>().findChild<T*>(name);
    }
    void click(const QString& button) {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
    void tick(const QString& box) { child<QCheckBox>(box)->click(); }
    // Selects length characters of text from start and confirms.
    void confirmOn(const QString& text, int start, int length) {
        form.surface().setText(text);
        form.surface().setSelStart(start);
        form.surface().setSelLength(length);
        click(u"Command1"_s);
    }

    TestPlatform platform;
    MainForm form;
};

} // namespace

TEST_F(BarvaWindow, FaceAloneWritesTheBoxTextAtTheCaret) {
    EXPECT_FALSE(child<QComboBox>(u"Combo1"_s)->isEnabled());
    tick(u"Check2"_s);
    EXPECT_TRUE(child<QComboBox>(u"Combo1"_s)->isEnabled());

    confirmOn(u"xy"_s, 1, 0);
    const QString font = u"<FONT FACE=\"Combo1\"></FONT>"_s;
    EXPECT_EQ(form.surface().text(), u"x"_s + font + u"y"_s);
    EXPECT_EQ(form.surface().selStart(), 1 + font.size());
    EXPECT_FALSE(LoadedWindow<Barva>().isVisible());
}

TEST_F(BarvaWindow, PickedColourSizeAndFaceWrapTheSelectionInOrder) {
    EXPECT_FALSE(child<QPushButton>(u"Command3"_s)->isEnabled());
    tick(u"Check3"_s);
    WhenModalShown<ColorDialog>([](ColorDialog* picker) {
        picker->setChannels({255, 0, 0});
        QTest::mouseClick(picker->Command1(), Qt::LeftButton);
    });
    click(u"Command3"_s);
    EXPECT_EQ(child<QLabel>(u"Label2"_s)->text(), u"#FF0000"_s);
    EXPECT_EQ(child<QLabel>(u"Label1"_s)->palette().color(QPalette::Window), QColor(Qt::red));
    confirmOn(u"a text b"_s, 2, 4);
    EXPECT_EQ(form.surface().text(), u"a <FONT COLOR=\"#FF0000\">text</FONT> b"_s);

    tick(u"Check1"_s);
    child<QScrollBar>(u"VScroll4"_s)->setValue(5);
    EXPECT_EQ(child<QLabel>(u"Label4"_s)->text(), u"5"_s);
    tick(u"Check2"_s);
    child<QComboBox>(u"Combo1"_s)->setCurrentIndex(3);
    confirmOn(u"z"_s, 0, 1);
    EXPECT_EQ(form.surface().text(),
              u"<FONT SIZE=\"5\" FACE=\"Tahoma\" COLOR=\"#FF0000\">z</FONT>"_s);
}

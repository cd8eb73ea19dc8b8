#include "html/Nadpis.h"

#include "platform/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/MainForm.h"
#include "shell/window_instances.h"

#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class NadpisWindow : public ::testing::Test {
protected:
    NadpisWindow() { dialog.showModeless(); }

    template <class Control = QWidget> Control* control(const QString& name) {
        auto* found = dialog.findChild<Control*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    // Near the left edge: a stretched box reacts only on its mark and caption.
    void click(const QString& name) {
        QWidget* clicked = control(name);
        QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(8, clicked->height() / 2));
    }
    void selectWordText() {
        form.surface().setText(u"a Text b"_s);
        form.surface().setSelStart(2);
        form.surface().setSelLength(4);
    }

    TestPlatform platform;
    MainForm form;
    Nadpis& dialog = LoadedWindow<Nadpis>();
};

TEST_F(NadpisWindow, LevelThreeWithNoWrapWrapsTheSelection) {
    selectWordText();
    control<QScrollBar>(u"Vscroll1"_s)->setValue(3);
    EXPECT_EQ(control<QLabel>(u"Label1"_s)->text(), u"3"_s);
    click(u"Check1"_s);
    click(u"Command1"_s);
    const QString expected = u"a <H3 NOWRAP>Text</H3> b"_s;
    EXPECT_EQ(form.surface().text(), expected);
    EXPECT_EQ(form.surface().selStart(), expected.size() - 2);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(NadpisWindow, AlignmentComesBeforeNoWrapAndTheLevelStopsAtSix) {
    selectWordText();
    control<QScrollBar>(u"Vscroll1"_s)->setValue(9);
    EXPECT_EQ(control<QLabel>(u"Label1"_s)->text(), u"6"_s);
    click(u"Option2"_s);
    click(u"Check1"_s);
    click(u"Command1"_s);
    EXPECT_EQ(form.surface().text(), u"a <H6 ALIGN=\"CENTER\" NOWRAP>Text</H6> b"_s);
}

} // namespace

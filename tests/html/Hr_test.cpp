#include "html/Hr.h"

#include "platform/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/MainForm.h"
#include "shell/window_instances.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class HrWindow : public ::testing::Test {
protected:
    HrWindow() { LoadedWindow<Hr>().showModeless(); }

    template <class Control = QWidget> static Control* control(const QString& name) {
        auto* found = LoadedWindow<Hr>().findChild<Control*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    // Near the left edge: a stretched box reacts only on its mark and caption.
    static void click(const QString& name) {
        QWidget* clicked = control(name);
        QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(8, clicked->height() / 2));
    }
    static QScrollBar* width() { return control<QScrollBar>(u"Vscroll1"_s); }
    static QString widthLabel() { return control<QLabel>(u"Label1"_s)->text(); }
    // Centred, 50 % wide, without shade.
    static void chooseCentredHalfWidth() {
        click(u"Option1"_s);
        click(u"Check1"_s);
        width()->setValue(50);
        click(u"Shader"_s);
    }
    QString insertInto(const QString& text, int selStart, int selLength) {
        form.surface().setText(text);
        form.surface().setSelStart(selStart);
        form.surface().setSelLength(selLength);
        LoadedWindow<Hr>().showModeless();
        click(u"Command1"_s);
        return form.surface().text();
    }

    TestPlatform platform;
    MainForm form;
};

TEST_F(HrWindow, InitialStateInsertsTheBareRuleBeforeTheSelection) {
    EXPECT_EQ(insertInto(u"xyz"_s, 1, 1), u"x<HR>yz"_s);
    EXPECT_EQ(form.surface().selStart(), 5);
    EXPECT_EQ(form.surface().selLength(), 0);
    EXPECT_FALSE(LoadedWindow<Hr>().isVisible());
}

TEST_F(HrWindow, WidthIsWrittenAsItsLabelShowsItInEitherUnit) {
    EXPECT_FALSE(width()->isEnabled());
    chooseCentredHalfWidth();
    EXPECT_EQ(widthLabel(), u"50%"_s);
    EXPECT_EQ(insertInto(u""_s, 0, 0), u"<HR ALIGN=\"CENTER\" WIDTH=\"50%\" NOSHADE>"_s);

    click(u"Check2"_s); // pixels
    EXPECT_EQ(widthLabel(), u"50"_s);
    width()->setValue(300);
    EXPECT_EQ(insertInto(u""_s, 0, 0), u"<HR ALIGN=\"CENTER\" WIDTH=\"300\" NOSHADE>"_s);

    click(u"Check2"_s); // back to percent pulls the width down
    EXPECT_EQ(width()->maximum(), 100);
    EXPECT_EQ(widthLabel(), u"100%"_s);

    click(u"Check1"_s); // greyed, kept, not written
    EXPECT_FALSE(width()->isEnabled());
    EXPECT_FALSE(control(u"Check2"_s)->isEnabled());
    EXPECT_EQ(widthLabel(), u"100%"_s);
    EXPECT_EQ(insertInto(u""_s, 0, 0), u"<HR ALIGN=\"CENTER\" NOSHADE>"_s);
}

TEST_F(HrWindow, TitleBarCloseStartsAfreshWhileStornoKeepsTheValues) {
    chooseCentredHalfWidth();
    click(u"Command2"_s);
    EXPECT_EQ(insertInto(u""_s, 0, 0), u"<HR ALIGN=\"CENTER\" WIDTH=\"50%\" NOSHADE>"_s);

    QPointer<Hr> closed = &LoadedWindow<Hr>();
    closed->showModeless();
    closed->close();
    EXPECT_NE(&LoadedWindow<Hr>(), closed.data());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());

    EXPECT_TRUE(control<QRadioButton>(u"Option6"_s)->isChecked());
    EXPECT_FALSE(control<QCheckBox>(u"Check1"_s)->isChecked());
    EXPECT_EQ(widthLabel(), u"1%"_s);
    EXPECT_EQ(insertInto(u""_s, 0, 0), u"<HR>"_s);
}

} // namespace

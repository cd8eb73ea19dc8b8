#include "html/Odkaz.h"

#include "platform/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/MainForm.h"
#include "shell/window_instances.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(OdkazWindow, WrapsTheSelectionAndRemembersEveryLinkedName) {
    TestPlatform platform;
    MainForm form;
    Odkaz& odkaz = LoadedWindow<Odkaz>();
    auto* combo = odkaz.findChild<QComboBox*>(u"Combo1"_s);
    const auto confirm = [&] {
        odkaz.showModeless();
        QTest::mouseClick(odkaz.findChild<QPushButton*>(u"Command1"_s), Qt::LeftButton);
    };

    // Nothing selected: the empty link goes at the caret.
    form.surface().setText(u"ab"_s);
    form.surface().setSelStart(1);
    confirm();
    const QString link = u"<A HREF=\"#NováKotva\"></A>"_s;
    EXPECT_EQ(form.surface().text(), u"a"_s + link + u"b"_s);
    EXPECT_EQ(form.surface().selStart(), 1 + link.size());
    EXPECT_FALSE(odkaz.isVisible());

    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), u"kap2"_s);
    form.surface().setText(u"viz slovo."_s);
    form.surface().setSelStart(4);
    form.surface().setSelLength(5);
    confirm();
    EXPECT_EQ(form.surface().text(), u"viz <A HREF=\"#kap2\">slovo</A>."_s);
    EXPECT_EQ(form.surface().selStart(), 29);
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), u"NováKotva"_s);
    EXPECT_EQ(combo->itemText(1), u"kap2"_s);
}

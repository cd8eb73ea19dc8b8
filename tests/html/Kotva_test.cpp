#include "html/Kotva.h"

#include "html/Odkaz.h"
#include "platform/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/MainForm.h"
#include "shell/window_instances.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(KotvaWindow, InsertsBeforeTheSelectionAndFeedsTheUnopenedLinkList) {
    TestPlatform platform;
    MainForm form;
    const QString anchor = u"<A NAME=\"Kotva1\"></A>"_s;
    form.surface().setText(u"před|za"_s);
    for (int i = 0; i < 2; ++i) {
        form.surface().setSelStart(4);
        form.surface().setSelLength(3);
        LoadedWindow<Kotva>().showModeless();
        QTest::mouseClick(LoadedWindow<Kotva>().findChild<QPushButton*>(u"Command1"_s),
                          Qt::LeftButton);
        EXPECT_FALSE(LoadedWindow<Kotva>().isVisible());
    }
    EXPECT_EQ(form.surface().text(), u"před"_s + anchor + anchor + u"|za"_s);
    EXPECT_EQ(form.surface().selStart(), 4 + anchor.size());
    EXPECT_EQ(form.surface().selLength(), 0);

    Odkaz* odkaz = LoadedWindowIfAny<Odkaz>();
    ASSERT_NE(odkaz, nullptr);
    EXPECT_FALSE(odkaz->isVisible());
    const auto* combo = odkaz->findChild<QComboBox*>(u"Combo1"_s);
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), u"Kotva1"_s);
    EXPECT_EQ(combo->itemText(1), u"Kotva1"_s);
    // The link window still offers its own text, not the first anchor.
    EXPECT_EQ(combo->currentText(), u"NováKotva"_s);
}

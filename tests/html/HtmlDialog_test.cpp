// The protocol every HTML dialog shares, shown on the rule dialog.
#include "html/Hr.h"
#include "platform/testing/modal_driver.h"
#include "platform/testing/test_platform.h"
#include "platform/window_registry.h"
#include "shell/MainForm.h"
#include "shell/ProgramState.h"
#include "shell/window_instances.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class HtmlDialogProtocol : public ::testing::Test {
protected:
    HtmlDialogProtocol() { Program() = ProgramState{}; }
    TestPlatform platform;
    MainForm form;
};

TEST_F(HtmlDialogProtocol, ADialogOpenModelessTakesItsModalTurnAndGetsItsTagBack) {
    Hr& dialog = LoadedWindow<Hr>();
    dialog.showModeless();
    QWidget control;
    QString tagInside;
    bool controlEnabledInside = true;
    bool modalInside = false;
    WhenModalShown<Hr>([&](Hr* shown) {
        tagInside = WindowTag(shown);
        controlEnabledInside = control.isEnabled();
        modalInside = shown->isModal();
        QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("Command2")),
                          Qt::LeftButton);
    });
    dialog.openForResult(QStringLiteral("_TABLE"), {&control});

    EXPECT_EQ(tagInside, QStringLiteral("_TABLE"));
    EXPECT_FALSE(controlEnabledInside);
    EXPECT_TRUE(modalInside);
    EXPECT_EQ(WindowTag(&dialog), QString());
    EXPECT_TRUE(control.isEnabled());
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(HtmlDialogProtocol, OkInATagModeAlsoGivesTheOpenerItsControlBack) {
    QWidget control;
    WhenModalShown<Hr>([](Hr* shown) {
        QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
    });
    Hr& dialog = LoadedWindow<Hr>();
    dialog.openForResult(QStringLiteral("_ROW"), {&control});
    EXPECT_TRUE(control.isEnabled());
    EXPECT_EQ(WindowTag(&dialog), QString());
}

TEST_F(HtmlDialogProtocol, TheOpenersReceiverLivesOnlyForItsOwnOpening) {
    // A probe: Hr has no tag mode of its own, so it hands over through a
    // subclass that delivers whatever it would write.
    class Probe : public Hr {
    public:
        void confirm() override { deliverToOpener(QStringLiteral(" ALIGN=\"LEFT\"")); }
    };
    Probe probe;
    QStringList received;
    WhenModalShown<Hr>([](Hr* shown) {
        QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
    });
    probe.openForResult(QStringLiteral("_TABLE"), {},
                        [&received](const QString& text) { received << text; });
    EXPECT_EQ(received, QStringList{QStringLiteral(" ALIGN=\"LEFT\"")});

    probe.showModeless();
    QTest::mouseClick(probe.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_EQ(received.size(), 1);
}

TEST_F(HtmlDialogProtocol, ClosingTheModalWindowFromItsTitleBarStillRestoresTheOpener) {
    QWidget control;
    WhenModalShown<Hr>([](Hr* shown) { shown->close(); });
    LoadedWindow<Hr>().openForResult(QStringLiteral("_ROW"), {&control});
    EXPECT_TRUE(control.isEnabled());
}

} // namespace

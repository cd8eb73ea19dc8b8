// The protocol every HTML dialog shares, shown on the rule dialog.
#include "html/html_window_test.h"
#include "html/simple/Hr.h"

#include "platform/window_registry.h"

#include <QPointer>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

using HtmlDialogProtocol = HtmlWindowTest;

// Each time the dialog is first open modeless, so it must hide to take its
// modal turn.
TEST_F(HtmlDialogProtocol, OpenerGetsTagAndControlBackHoweverTheModalTurnEnds) {
    const std::pair<const char*, std::function<void(Hr*)>> ways[] = {
        {"Ok", [](Hr* shown) { click(*shown, u"Command1"_s); }},
        {"Storno", [](Hr* shown) { click(*shown, u"Command2"_s); }},
        {"title bar", [](Hr* shown) { shown->close(); }},
    };
    for (const auto& [name, leave] : ways) {
        SCOPED_TRACE(name);
        QPointer<Hr> dialog = &openDialog<Hr>();
        QWidget control;
        QString tagInside;
        bool controlEnabledInside = true;
        bool modalInside = false;
        WhenModalShown<Hr>([&](Hr* shown) {
            tagInside = WindowTag(shown);
            controlEnabledInside = control.isEnabled();
            modalInside = shown->isModal();
            leave(shown);
        });
        dialog->openForResult(u"_TABLE"_s, {&control});

        EXPECT_EQ(tagInside, u"_TABLE"_s);
        EXPECT_FALSE(controlEnabledInside);
        EXPECT_TRUE(modalInside);
        EXPECT_TRUE(control.isEnabled());
        if (dialog) {
            EXPECT_EQ(WindowTag(dialog), QString());
            EXPECT_FALSE(dialog->isVisible());
        }
    }
}

TEST_F(HtmlDialogProtocol, EnterConfirmsAfterTheWindowWasLeftByAClickOnStorno) {
    Hr& hr = openDialog<Hr>();
    click(hr, u"Command2"_s);
    select(u"ab"_s, 1, 0);
    openDialog<Hr>();
    QTest::keyClick(hr.focusWidget() != nullptr ? hr.focusWidget() : &hr, Qt::Key_Return);
    EXPECT_EQ(form.surface().text(), u"a<HR>b"_s);
}

TEST_F(HtmlDialogProtocol, TheOpenersReceiverLivesOnlyForItsOwnOpening) {
    // A probe: Hr has no tag mode of its own, so it hands over through a
    // subclass that delivers whatever it would write.
    class Probe : public Hr {
    public:
        void confirm() override { deliverToOpener(u" ALIGN=\"LEFT\""_s); }
    };
    Probe probe;
    QStringList received;
    WhenModalShown<Hr>([](Hr* shown) { click(*shown, u"Command1"_s); });
    probe.openForResult(u"_TABLE"_s, {}, [&received](const QString& text) { received << text; });
    EXPECT_EQ(received, QStringList{u" ALIGN=\"LEFT\""_s});

    probe.showModeless();
    click(probe, u"Command1"_s);
    EXPECT_EQ(received.size(), 1);
}

} // namespace

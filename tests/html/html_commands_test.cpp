// The menu entries and toolbar buttons of the HTML dialogs open them.
#include "html/Hr.h"
#include "html/MailTo.h"
#include "platform/testing/test_platform.h"
#include "shell/MainForm.h"
#include "shell/MainMenu.h"
#include "shell/ProgramState.h"
#include "shell/Toolbar.h"
#include "shell/window_instances.h"

#include <QAction>
#include <gtest/gtest.h>

namespace {

TEST(HtmlCommands, EntriesAndTheLineButtonShowTheirDialogsModeless) {
    Program() = ProgramState{};
    TestPlatform platform;
    MainForm form;
    ASSERT_TRUE(form.menu().action(MenuId::mnumailto)->isEnabled());
    form.menu().action(MenuId::mnumailto)->trigger();
    MailTo* mail = LoadedWindowIfAny<MailTo>();
    ASSERT_NE(mail, nullptr);
    EXPECT_TRUE(mail->isVisible());
    EXPECT_FALSE(mail->isModal());

    ASSERT_TRUE(form.Toolbar1()->button(QStringLiteral("Line"))->isEnabled());
    form.Toolbar1()->ButtonClick(QStringLiteral("Line"));
    ASSERT_NE(LoadedWindowIfAny<Hr>(), nullptr);
    EXPECT_TRUE(LoadedWindowIfAny<Hr>()->isVisible());
    EXPECT_EQ(LoadedWindowIfAny<Hr>()->parentWidget(), &form);
}

} // namespace

// The settings, start, lock and about windows reached from the main window's
// menu and toolbar.
#include "shell/dialogs/dialog_commands.h"

#include "core/settings/app_version.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/testing/modal_driver.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/dialogs/O.h"
#include "shell/dialogs/Pass.h"
#include "shell/dialogs/Visual.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/main_window/Toolbar.h"
#include "shell/shell_commands.h"
#include "shell/start/Start.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class DialogCommands : public ::testing::Test {
protected:
    DialogCommands() {
        Program() = ProgramState{};
        form.show();
    }
    ~DialogCommands() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform.unloadWindows();
        Program() = ProgramState{};
    }

    QAction* item(MenuId id) { return form.menu().action(id); }

    static CommandRegistry& registered(CommandRegistry& registry) {
        RegisterShellCommands(registry);
        return registry;
    }

    TestPlatform platform;
    CommandRegistry commands;
    MainForm form{registered(commands)};
};

TEST_F(DialogCommands, EntriesAndToolbarButtonsHaveWork) {
    for (const MenuId id : {MenuId::mnumore, MenuId::mnustart, MenuId::Mnu_Lock, MenuId::mnuabout,
                            MenuId::mnu_Text_Dos}) {
        EXPECT_TRUE(commands.has(id)) << MainMenuEntry(id).name;
        EXPECT_TRUE(item(id)->isEnabled()) << MainMenuEntry(id).name;
    }
    for (const QString& key : {u"Lock"_s, u"Dos"_s})
        EXPECT_TRUE(form.Toolbar1()->button(key)->isEnabled()) << key.toStdString();
}

TEST_F(DialogCommands, SettingsAndAboutShowModelessAboveTheMainWindow) {
    item(MenuId::mnumore)->trigger();
    Visual& visual = LoadedWindow<Visual>();
    EXPECT_TRUE(visual.isVisible());
    EXPECT_FALSE(visual.isModal());
    EXPECT_EQ(visual.parentWidget(), &form);

    Program().Settings.UserName = u"Eva"_s;
    item(MenuId::mnuabout)->trigger();
    O& about = LoadedWindow<O>();
    EXPECT_TRUE(about.isVisible());
    EXPECT_FALSE(about.isModal());
    EXPECT_EQ(about.parentWidget(), &form);
    EXPECT_EQ(about.Label1()->text(), u"Tarvel Qor - (Malý) textový editor v"_s + AppVersionText());
    EXPECT_EQ(about.Label4()->text(), u"Licencováno : Eva"_s);
}

TEST_F(DialogCommands, StartScreenComesBackWithItsMenuFrameAndWelcome) {
    Start& start = LoadedWindow<Start>();
    start.MenuFrame()->hide();
    start.Label1()->setText(u"staré"_s);

    item(MenuId::mnustart)->trigger();
    EXPECT_TRUE(start.isVisible());
    EXPECT_TRUE(start.MenuFrame()->isVisible());
    EXPECT_EQ(start.Label1()->text(), u"Vítá vás textový editor Tarvel Qor v"_s + AppVersionText());

    // With the frame already up nothing is rewritten.
    start.Label1()->setText(u"beze změny"_s);
    start.hide();
    item(MenuId::mnustart)->trigger();
    EXPECT_TRUE(start.isVisible());
    EXPECT_EQ(start.Label1()->text(), u"beze změny"_s);
}

TEST_F(DialogCommands, ToolbarLockHidesTheTextUntilThePasswordAndDosButtonSetsTheLook) {
    Program().Settings.LockPassword = u"Klíč"_s;
    form.surface().setText(u"tajný text"_s);
    bool hiddenWhileLocked = false;
    WhenModalShown<Pass>([&](Pass* prompt) {
        hiddenWhileLocked = !form.surface().isVisible();
        prompt->Text1()->setText(u"Klíč"_s);
        prompt->Command1()->click();
    });
    form.Toolbar1()->ButtonClick(u"Lock"_s);
    EXPECT_TRUE(hiddenWhileLocked);
    EXPECT_TRUE(form.surface().isVisible());
    EXPECT_EQ(form.surface().text(), u"tajný text"_s);

    form.Toolbar1()->ButtonClick(u"Dos"_s);
    EXPECT_EQ(form.surface().backColor(), RgbColor(0, 0, 0));
}

} // namespace

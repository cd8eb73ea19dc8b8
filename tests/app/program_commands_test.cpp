// The whole program's menu, as start-up composes it: no entry looks enabled
// without work, and the edit keys run the edit menu's commands.
#include "whole_program.h"

#include "platform/clipboard.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/main_window/MainTimer.h"

#include <QAction>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST_F(WholeProgram, AfterATickEveryEnabledEntryHasWork) {
    Program().CurrentFilePath = u"/home/uzivatel/dopis.txt"_s;
    surface().setText(u"Dobrý den\r\nsvěte"_s);
    surface().setSelStart(6);
    surface().setSelLength(6);
    clipboard.setText(u"schránka"_s);
    form.timer().tick();

    const MainMenu& menu = form.menu();
    int enabled = 0;
    for (const MenuEntry& entry : MainMenuEntries()) {
        if (entry.kind != MenuEntryKind::Command || !menu.action(entry.id)->isEnabled())
            continue;
        ++enabled;
        EXPECT_TRUE(menu.hasCommand(entry.id)) << entry.name;
    }
    // One entry of each rule that has work is on.
    for (const MenuId id : {MenuId::Mnu_SaveFast, MenuId::mnunewclip, MenuId::mnuclean,
                            MenuId::mnuulvyb, MenuId::mnuquit})
        EXPECT_TRUE(menu.action(id)->isEnabled()) << MainMenuEntry(id).name;
    EXPECT_EQ(enabled, std::count_if(MainMenuEntries().begin(), MainMenuEntries().end(),
                                     [&](const MenuEntry& e) { return menu.hasCommand(e.id); }));
}

TEST_F(WholeProgram, EditKeysRunTheEditMenusCommands) {
    const MainMenu& menu = form.menu();
    const auto ranOnce = [&menu](MenuId id, int key, const std::function<void()>& press) {
        QSignalSpy triggered(menu.action(id), &QAction::triggered);
        press();
        EXPECT_EQ(triggered.count(), 1) << MainMenuEntry(id).name << " by Ctrl+" << char(key);
    };
    surface().setText(u"Dobrý den"_s);
    surface().setSelStart(6);
    surface().setSelLength(3);
    clipboard.setText(u"stará"_s);
    form.timer().tick();
    ASSERT_TRUE(form.Text1()->hasFocus());

    ranOnce(MenuId::mnucopysel, 'C', [this] { press(Qt::Key_C); });
    EXPECT_EQ(clipboard.text(), u"den"_s);
    EXPECT_EQ(surface().text(), u"Dobrý den"_s);

    form.timer().tick();
    ranOnce(MenuId::mnuallselect, 'A', [this] { press(Qt::Key_A); });
    EXPECT_EQ(surface().selStart(), 0);
    EXPECT_EQ(surface().selLength(), 9);

    form.timer().tick();
    ranOnce(MenuId::mnucut, 'X', [this] { press(Qt::Key_X); });
    EXPECT_EQ(clipboard.text(), u"Dobrý den"_s);
    EXPECT_EQ(surface().text(), QString());

    // The menu's paste inserts before the selection, where the editor's own
    // would have replaced it.
    surface().setText(u"svět"_s);
    surface().setSelLength(4);
    clipboard.setText(u"první\r\ndruhý"_s);
    form.timer().tick();
    ranOnce(MenuId::MnuAdd, 'V', [this] { press(Qt::Key_V); });
    EXPECT_EQ(surface().text(), u"první\r\ndruhýsvět"_s);
}

} // namespace

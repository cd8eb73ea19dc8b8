// "Uvolni paměť" with the rule-set editor loaded: the editor comes back in its
// initial state, the rule set it edited is still the program's.
#include "colour/ColorControl.h"
#include "colour/colour_commands.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/shell_commands.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(FreeMemory, TheRuleSetEditorComesBackEmptyOverTheKeptRuleSet) {
    Program() = ProgramState{};
    TestPlatform platform;
    CommandRegistry commands;
    RegisterShellCommands(commands);
    RegisterColourCommands(commands);
    MainForm form{commands};
    const auto run = [&form](MenuId id) { form.menu().action(id)->trigger(); };

    run(MenuId::MnuColorEdit);
    auto* editor = LoadedWindowIfAny<ColorControl>();
    ASSERT_NE(editor, nullptr);
    editor->findChild<QLineEdit*>(u"Text1"_s)->setText(u"<"_s);
    editor->findChild<QLineEdit*>(u"Text2"_s)->setText(u">"_s);
    QTest::mouseClick(editor->findChild<QPushButton*>(u"CmndAdd"_s), Qt::LeftButton);
    editor->findChild<QLineEdit*>(u"Text1"_s)->setText(u"rozepsáno"_s);
    ASSERT_EQ(Program().ColorRules.Rules.size(), 1);
    const ColorRuleSet rules = Program().ColorRules;

    run(MenuId::Mnu_FreeMen);
    EXPECT_EQ(LoadedWindowIfAny<ColorControl>(), nullptr);

    run(MenuId::MnuColorEdit);
    editor = LoadedWindowIfAny<ColorControl>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->findChild<QLineEdit*>(u"Text1"_s)->text(), QString());
    EXPECT_EQ(editor->findChild<QTreeWidget*>(u"ListView1"_s)->topLevelItemCount(), 1);
    EXPECT_EQ(Program().ColorRules, rules);

    platform.unloadWindows();
    Program() = ProgramState{};
}

} // namespace

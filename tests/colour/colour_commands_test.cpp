// The colour entries of the main window's menu reach the colour tools.
#include "colour/ColorControl.h"
#include "colour/colour_commands.h"
#include "core/colour/colour_rule_set.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/window_instances.h"

#include <QAction>
#include <gtest/gtest.h>

namespace {

class ColourCommands : public ::testing::Test {
protected:
    ColourCommands() {
        RegisterColourCommands(commands);
        Program() = ProgramState{};
    }

    TestPlatform platform;
    CommandRegistry commands;
    MainForm form{commands};
};

TEST_F(ColourCommands, HighlightEntryColoursTheDocumentByTheProgramWideSet) {
    Program().ColorRules.Rules = {{RgbColor(0, 0, 255), QStringLiteral("<"), QStringLiteral(">")}};
    form.surface().setText(QStringLiteral("a<b>c"));
    form.menu().action(MenuId::MnuColorMakeIt)->trigger();
    form.surface().setSelStart(2);
    form.surface().setSelLength(1);
    EXPECT_EQ(form.surface().selColor(), RgbColor(0, 0, 255));
    EXPECT_EQ(form.surface().text(), QStringLiteral("a<b>c"));
}

TEST_F(ColourCommands, EditorEntryShowsTheOneRuleSetEditor) {
    EXPECT_EQ(LoadedWindowIfAny<ColorControl>(), nullptr);
    form.menu().action(MenuId::MnuColorEdit)->trigger();
    ColorControl* editor = LoadedWindowIfAny<ColorControl>();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    form.menu().action(MenuId::MnuColorEdit)->trigger();
    EXPECT_EQ(LoadedWindowIfAny<ColorControl>(), editor);
}

TEST_F(ColourCommands, CancelledLoadKeepsTheSet) {
    Program().ColorRules.Description = QStringLiteral("moje");
    form.menu().action(MenuId::MnuColorOpenSet)->trigger();
    EXPECT_EQ(platform.fileDialogs.openRequests.size(), 1);
    EXPECT_EQ(Program().ColorRules.Description, QStringLiteral("moje"));
}

} // namespace

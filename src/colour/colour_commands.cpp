#include "colour/colour_commands.h"

#include "colour/ApplyColorSet.h"
#include "colour/ColorControl.h"
#include "shell/MainMenu.h"
#include "shell/ProgramState.h"
#include "shell/colour_rule_files.h"
#include "shell/window_instances.h"

namespace {

void showRuleEditor() {
    ColorControl& editor = LoadedWindow<ColorControl>();
    editor.show();
    editor.raise();
    editor.activateWindow();
}

void highlightDocument() {
    const ColorRuleOptions& options = Program().ColorOptions;
    ApplyColorSet(Program().ColorRules, options.SelectionOnly, !options.DifferCase);
}

void loadRuleSet() {
    if (!LoadColorSet(Program().ColorRules, QString(), MainForm::instance()))
        return;
    if (ColorControl* editor = LoadedWindowIfAny<ColorControl>())
        editor->ShowRuleSet();
}

} // namespace

void ConnectColourCommands(MainMenu& menu) {
    menu.connectCommand(MenuId::MnuColorEdit, showRuleEditor);
    menu.connectCommand(MenuId::MnuColorMakeIt, highlightDocument);
    menu.connectCommand(MenuId::MnuColorOpenSet, loadRuleSet);
}

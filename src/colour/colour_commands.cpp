#include "colour/colour_commands.h"

#include "colour/ApplyColorSet.h"
#include "colour/ColorControl.h"
#include "colour/PickColor.h"
#include "shell/ProgramState.h"
#include "shell/colour_picking.h"
#include "shell/command_registry.h"
#include "shell/files/colour_rule_files.h"
#include "shell/window_instances.h"

namespace {

void showRuleEditor() {
    ShowOwned(LoadedWindow<ColorControl>());
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

void RegisterColourCommands(CommandRegistry& commands) {
    commands.add(MenuId::MnuColorEdit, showRuleEditor);
    commands.add(MenuId::MnuColorMakeIt, highlightDocument);
    commands.add(MenuId::MnuColorOpenSet, loadRuleSet);
    // The shell's settings dialog asks this picker for its colours.
    InstallColourPicker(PickColor);
}

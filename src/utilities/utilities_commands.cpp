#include "utilities/utilities_commands.h"

#include "shell/command_registry.h"
#include "shell/window_instances.h"
#include "utilities/analysis/Analytic.h"
#include "utilities/calculator/Kalkul.h"
#include "utilities/code_table/AsciiKod.h"
#include "utilities/keyboard/Klavesnice.h"
#include "utilities/line_ends/Dos_Unix_conv.h"

#include <QRadioButton>

void RegisterUtilitiesCommands(CommandRegistry& commands) {
    commands.add(MenuId::mnucalk, [] { ShowOwned(LoadedWindow<Kalkul>()); });
    commands.add(MenuId::mnuASCII, [] { ShowOwned(LoadedWindow<AsciiKod>()); });
    commands.add(MenuId::MnuHTMLASCII, [] {
        AsciiKod& table = LoadedWindow<AsciiKod>();
        table.Option2()->setChecked(true);
        ShowOwned(table);
    });
    commands.add(MenuId::mnuklavesnice, [] { ShowOwned(LoadedWindow<Klavesnice>()); });
    commands.add(MenuId::mnu_analysis, [] { ShowOwned(LoadedWindow<Analytic>()); });
    commands.add(MenuId::mnu_utiliti_dos_unix, [] { ShowOwned(LoadedWindow<Dos_Unix_conv>()); });
}

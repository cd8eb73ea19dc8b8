#include "shell/find/find_commands.h"

#include "shell/command_registry.h"
#include "shell/find/Hledani.h"
#include "shell/find/Zamena.h"
#include "shell/find/text_menu.h"
#include "shell/window_instances.h"

void RegisterFindCommands(CommandRegistry& commands) {
    commands.add(MenuId::mnufind, [] { ShowOwned(LoadedWindow<Hledani>()); });
    commands.add(MenuId::mnuchange, [] { ShowOwned(LoadedWindow<Zamena>()); });
    commands.add(MenuId::mnusearch, QuickSearch);
    commands.add(MenuId::mnuEditBold, ToggleBold);
    commands.add(MenuId::mnuitalic, ToggleItalic);
    commands.add(MenuId::mnubasic, ApplyBasicFont);
    commands.add(MenuId::mnuinvert, InvertColors);
}

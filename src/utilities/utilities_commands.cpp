#include "utilities/utilities_commands.h"

#include "shell/command_registry.h"
#include "shell/window_instances.h"
#include "utilities/calculator/Kalkul.h"

void RegisterUtilitiesCommands(CommandRegistry& commands) {
    commands.add(MenuId::mnucalk, [] { ShowOwned(LoadedWindow<Kalkul>()); });
}

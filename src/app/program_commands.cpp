#include "app/program_commands.h"

#include "colour/colour_commands.h"
#include "html/html_commands.h"
#include "html/menu/html_menu_commands.h"
#include "shell/shell_commands.h"
#include "utilities/utilities_commands.h"

void RegisterProgramCommands(CommandRegistry& commands) {
    RegisterShellCommands(commands);
    RegisterColourCommands(commands);
    RegisterHtmlCommands(commands);
    RegisterUtilitiesCommands(commands);
    RegisterHtmlMenuCommands(commands);
}

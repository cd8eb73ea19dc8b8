#include "shell/shell_commands.h"

#include "core/text/literal_commands.h"
#include "shell/browser/browser_commands.h"
#include "shell/command_registry.h"
#include "shell/dialogs/dialog_commands.h"
#include "shell/edit/edit_commands.h"
#include "shell/files/document_files.h"
#include "shell/files/file_commands.h"
#include "shell/files/file_windows.h"
#include "shell/find/find_commands.h"
#include "shell/insert_commands.h"
#include "shell/main_window/editor_look.h"

#include <QMainWindow>

namespace {

// Copying the selection to a file is saving it under a name of its own.
void addSelectionFileCommand(CommandRegistry& commands) {
    commands.add(MenuId::mnukopsoub, SaveSelectionAs);
}

void addLookCommands(CommandRegistry& commands) {
    for (std::size_t i = 0; i < EditorFontSizeEntries.size(); ++i) {
        const int size = EditorFontSizes[i];
        commands.add(EditorFontSizeEntries[i], [size] { SetEditorFontSize(size); });
    }
}

void addLiteralCommands(CommandRegistry& commands) {
    for (const LiteralCommandEntry& entry : LiteralCommandTable())
        commands.add(LiteralCommandMenuId(entry.command),
                     [command = entry.command] { RunLiteralCommand(command); });
}

} // namespace

void RegisterShellWindowCommands(CommandRegistry& commands) {
    commands.addWindowCommand(MenuId::mnuquit, [](QMainWindow& window) { window.close(); });
}

void RegisterShellCommands(CommandRegistry& commands) {
    RegisterShellWindowCommands(commands);
    RegisterDialogCommands(commands);
    RegisterFileCommands(commands);
    addSelectionFileCommand(commands);
    addLookCommands(commands);
    addLiteralCommands(commands);
    RegisterEditCommands(commands);
    RegisterFindCommands(commands);
    RegisterFileWindowCommands(commands);
    RegisterBrowserCommands(commands);
}

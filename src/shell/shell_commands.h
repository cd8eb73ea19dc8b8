#pragma once

#include "shell/main_window/main_menu_table.h"

#include <array>

class CommandRegistry;

// The font-size entries, in the order of the editor's font sizes.
inline constexpr std::array<MenuId, 6> EditorFontSizeEntries{
    MenuId::mnu08, MenuId::mnu10, MenuId::mnu12, MenuId::mnu14, MenuId::mnu17, MenuId::mnu24};

// Registers the work the shell itself does: documents, the bars, the editor's
// look, the literal insertions, find and replace, the settings and start
// windows, quitting.
void RegisterShellCommands(CommandRegistry& commands);

// The part of it that needs no document: quitting.
void RegisterShellWindowCommands(CommandRegistry& commands);

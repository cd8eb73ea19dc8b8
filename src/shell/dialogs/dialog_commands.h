#pragma once

class CommandRegistry;

// Registers the settings dialog, the start screen, the program lock, the
// about box and the DOS-screen look, with their toolbar buttons.
void RegisterDialogCommands(CommandRegistry& commands);

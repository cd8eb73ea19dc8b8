#pragma once

class CommandRegistry;

// Registers the file menu's work and that of its window submenu MnuPopUp:
// new documents, opening, reloading and saving through the standard dialogs,
// the toolbar's customising window, the bar toggles and always-on-top, the
// folder chooser, the text checksums, a second instance, unloading the other
// windows and printing.
void RegisterFileCommands(CommandRegistry& commands);

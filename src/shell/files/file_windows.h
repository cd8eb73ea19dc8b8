#pragma once

#include <QString>

class CommandRegistry;

// Registers the File menu's "&Otevři" and "&Ulož jako ..." (and so the
// toolbar's "Open" and "Save"): each shows the program's own open or save
// window, modeless above the main window.
void RegisterFileWindowCommands(CommandRegistry& commands);

// The save window shows the document at path as the target of the next save
// (created hidden when it is not loaded yet). An empty path changes nothing.
void PresetSaveWindow(const QString& path);

// Both file windows show folder in their drive and folder lists; a folder
// that cannot be read changes nothing.
void ShowFolderInFileWindows(const QString& folder);

#pragma once

class CommandRegistry;

// Registers the help page and the two previews of the current document: in
// the internal browser and in the desktop's own.
void RegisterBrowserCommands(CommandRegistry& commands);

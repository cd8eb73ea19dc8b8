#pragma once

class CommandRegistry;

// Registers the menu entries (and through them their toolbar buttons) that
// open the HTML dialogs.
void RegisterHtmlCommands(CommandRegistry& commands);

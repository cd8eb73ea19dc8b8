#pragma once

class CommandRegistry;

// Registers the find and replace windows, the quick search and the text
// menu's bold, italic, basic-font and inverted-colour commands.
void RegisterFindCommands(CommandRegistry& commands);

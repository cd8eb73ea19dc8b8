#pragma once

class CommandRegistry;

// Registers the colour-highlighting entries (and through them their toolbar
// buttons): the rule-set editor, highlighting by the current set, loading a
// set.
void RegisterColourCommands(CommandRegistry& commands);

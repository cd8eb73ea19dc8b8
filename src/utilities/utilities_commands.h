#pragma once

class CommandRegistry;

// Registers the text utilities' entries: the calculator (F7).
void RegisterUtilitiesCommands(CommandRegistry& commands);

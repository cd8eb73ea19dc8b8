#pragma once

class CommandRegistry;

// The whole program's commands: every feature registers its own. Start-up
// calls it before the main window is built, and so do the tests that need
// the whole program.
void RegisterProgramCommands(CommandRegistry& commands);

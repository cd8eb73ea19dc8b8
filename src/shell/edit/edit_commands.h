#pragma once

#include <QString>

class CommandRegistry;

// Registers the edit menu: the checkpoint, the clipboard commands, inserting
// a file, select-all, and the transforms of the selected text.
void RegisterEditCommands(CommandRegistry& commands);

// Writes the checkpoint to a new temporary text file, exactly and with no
// line end added, for the browser to show; a failure is reported and gives
// an empty path.
[[nodiscard]] QString WriteCheckpointFile();

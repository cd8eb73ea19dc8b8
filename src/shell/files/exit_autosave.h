#pragma once

#include "shell/ProgramState.h"

#include <QString>
#include <QStringList>

// The five exit-autosave files in the program folder, one per tab, holding
// exactly that document's text.
[[nodiscard]] QString ExitAutosavePath(const QString& appFolder, int tab);

// Writes every slot's text to its file; a file that cannot be written is
// reported and the others are still written.
void WriteExitAutosaveFiles(const QString& appFolder, const std::array<DocumentSlot, 5>& documents);

// Reads the files back into the slots' texts. A file too large to restore is
// renamed aside (its name + ".bak") instead of being overwritten at the next
// exit; the paths it was kept under are returned.
[[nodiscard]] QStringList RestoreExitAutosaveFiles(const QString& appFolder,
                                                   std::array<DocumentSlot, 5>& documents);

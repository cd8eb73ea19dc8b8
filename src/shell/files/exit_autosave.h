#pragma once

#include "shell/ProgramState.h"

#include <QString>
#include <QStringList>

// The five exit-autosave files in the program folder, one per tab, holding
// exactly that document's text. Copies of the program started in one folder
// share them: what each copy last saw in a file is kept in its slot.
[[nodiscard]] QString ExitAutosavePath(const QString& appFolder, int tab);

// Writes each tab's text (tab 1 first) to its file, unless another copy has
// written the file since this copy last saw it: then a text this copy did
// not change leaves that file as it is, and a changed one is kept in a free
// name beside it, which the next start tells. A file that cannot be written
// is reported and the others are still written.
void WriteExitAutosaveFiles(const QString& appFolder, const std::array<QString, 5>& texts,
                            std::array<DocumentSlot, 5>& documents);

// The texts set beside their files instead of being restored, each line
// naming the file.
struct KeptAsideTexts {
    // Files too large to restore, renamed (their name + ".bak") instead of
    // being overwritten at the next exit.
    QStringList tooLarge;
    // Files that this copy and another both changed: what an earlier exit
    // kept beside the file the other copy wrote first, each line naming
    // the file ("Záložka N: ", "Sada barev: ") and the name it was kept as.
    QStringList bothChanged;
};

// Reads the files back into the slots' texts, remembering what each held.
[[nodiscard]] KeptAsideTexts RestoreExitAutosaveFiles(const QString& appFolder,
                                                      std::array<DocumentSlot, 5>& documents);

// The texts the tabs start with, after the restore: as long as a tab's text
// stays so, this copy has not changed it.
void RememberStartingTexts(const std::array<QString, 5>& texts,
                           std::array<DocumentSlot, 5>& documents);

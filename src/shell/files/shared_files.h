#pragma once

#include "core/files/file_io.h"
#include "core/files/shared_autosave.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The files in the program folder that every copy started there reads at its
// start and writes at its exit: the tabs' texts, the colour rules and the
// settings. A copy writes one only if no other copy has written it since
// this copy saw it; where both changed it, this copy's content is kept
// beside it under a free name, which the next start tells.

// What a read tells of a shared file: any failure but a missing file makes
// it Unreadable.
[[nodiscard]] FileContent ContentOf(const FileRead& read);

// The file at path as it is now, read no further than limit bytes: a longer
// one, like one that cannot be read, is Unreadable.
[[nodiscard]] FileContent SharedFileContent(const QString& path, qint64 limit);

// A free name beside path for a content kept aside: its name with ".bak"
// before extension (which path ends in, or is empty), then ".bak2", ...
[[nodiscard]] QString FreeKeptAsideName(const QString& path, const QString& extension = {});

// Writes bytes to path, or keeps them aside, or leaves the file, as memory
// tells (see PlanExitAutosave), and updates memory. The name the bytes were
// kept aside under, or "". Throws ProgramError when a write fails; memory
// then stays as it was.
QString WriteSharedFile(const QString& path, const QByteArray& bytes, AutosaveMemory& memory,
                        const QString& extension = {});

// Adds lines naming what an exit kept aside to the list the next start
// tells, and takes that list (removing it).
void NoteKeptAside(const QString& appFolder, const QStringList& lines);
[[nodiscard]] QStringList TakeKeptAsideNote(const QString& appFolder);

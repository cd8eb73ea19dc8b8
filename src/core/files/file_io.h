#pragma once

#include <QByteArray>
#include <QString>

// The whole content of a file. Throws ProgramError (source = the path) when
// the file is missing, is a folder or cannot be read.
[[nodiscard]] QByteArray ReadWholeFile(const QString& path);

// Replaces the file with exactly these bytes. The bytes go to a temporary
// file beside the target, which is then renamed over it, so a failed write
// leaves the old file whole and a shorter content leaves nothing of the old
// one behind. Only where no temporary file can be made beside it (a folder
// the user may not write to) is a writable file written in place. A file the
// user may not write is left whole. Throws ProgramError (source = the path)
// on failure.
void WriteFileAtomically(const QString& path, const QByteArray& bytes);

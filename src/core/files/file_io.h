#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <limits>

// Every file the user names is read through here. Only a regular file has an
// end: a pipe waits for a writer that may never come, a device like
// /dev/zero never stops giving bytes, and a folder holds none. So anything
// else is refused before it is opened, and a read never takes more than its
// caller can use.

// Why a file gave no bytes.
enum class FileReadFailure {
    None,
    // Nothing is at the path (a link to nothing included).
    Missing,
    // A folder, pipe, device or socket; a link counts as what it points to.
    NotRegular,
    // Longer than the caller's limit.
    TooLarge,
    // The system refused to open or read it.
    Unreadable,
    // Its bytes did not fit in memory.
    NoMemory,
};

// No limit but the machine's memory.
inline constexpr qint64 AnyFileSize = std::numeric_limits<qint64>::max();

struct FileRead {
    QByteArray bytes;
    FileReadFailure failure = FileReadFailure::None;
    // The file's length when it was opened; 0 when it was not. Past the
    // limit when the file is TooLarge, also when it grew there while read.
    qint64 size = 0;
    // The system's reason when the failure is Unreadable.
    QString systemReason;
};

// Whether path names a regular file (Missing, NotRegular or None), without
// opening anything.
[[nodiscard]] FileReadFailure CheckRegularFile(const QString& path);

// Opens file (its name set to path) for reading when path names a regular
// file, never waiting on a pipe or a device; None when it is open.
// systemReason, when given, receives the system's reason for Unreadable.
[[nodiscard]] FileReadFailure OpenRegularFile(QFile& file, const QString& path,
                                              QString* systemReason = nullptr);

// The bytes of the regular file at path, at most limit of them: a longer
// file, also one that grows past the limit while read, is TooLarge and gives
// no bytes. An allocation failure is NoMemory, never an abort.
[[nodiscard]] FileRead ReadRegularFile(const QString& path, qint64 limit = AnyFileSize);

// The first length bytes of the regular file at path, or all of a shorter
// one; the rest is never read.
[[nodiscard]] FileRead ReadFileStart(const QString& path, qint64 length);

// Why a read failed, in a few words for the user: "Není obyčejný soubor
// ...", "Soubor je příliš velký", ...; the system's own reason, when there
// is one, for Unreadable. Also why a write to something not a regular file
// is refused.
[[nodiscard]] QString FileReadReason(FileReadFailure failure,
                                     const QString& systemReason = QString());
[[nodiscard]] inline QString FileReadReason(const FileRead& read) {
    return FileReadReason(read.failure, read.systemReason);
}

struct ProgramError;

// The error a failed read is reported by (source = the path, the description
// naming it too).
[[nodiscard]] ProgramError FileReadError(const QString& path, const FileRead& read);

// The error a path naming a folder, pipe or device is refused by.
[[nodiscard]] ProgramError NotRegularFileError(const QString& path);

// The whole content of a file, at most limit bytes. Throws ProgramError
// (source = the path, the description naming it) when the read fails.
[[nodiscard]] QByteArray ReadWholeFile(const QString& path, qint64 limit = AnyFileSize);

// Replaces the file with exactly these bytes. The bytes go to a temporary
// file beside the target, which is then renamed over it, so a failed write
// leaves the old file whole and a shorter content leaves nothing of the old
// one behind; a full disk or a size the system refuses leaves the old bytes.
// Only where no temporary file can be made beside it (a folder the user may
// not write to) is a writable file written in place, once room for all the
// bytes is taken, so a full disk still leaves the old ones. A file the user may not
// write is left whole, and so is anything at the path that is not a regular
// file (a pipe, a device or a folder). Throws ProgramError (source = the
// path, the description saying why: FileWriteError) on failure.
void WriteFileAtomically(const QString& path, const QByteArray& bytes);

#pragma once

#include "core/files/file_io.h"

#include <QByteArray>
#include <QString>

// Copies of a file with its line ends converted; the file itself is only read.
enum class LineEndForm {
    // Each line followed by LF alone: extension "unx".
    Unix,
    // Each line followed by CR LF: extension "dos".
    Dos,
};

// Every line followed by LF. A line ends at CR LF, at a CR alone or at the
// end of the bytes; an LF alone belongs to its line. The last line gets its
// LF too; no bytes give no bytes.
[[nodiscard]] QByteArray ToUnixLineEnds(const QByteArray& bytes);

// Every line followed by CR LF. A line ends at each LF; every other byte,
// a CR included, is copied. The last line gets its CR LF too.
[[nodiscard]] QByteArray ToDosLineEnds(const QByteArray& bytes);

// The copy's path beside the file: the file name up to its first dot
// (one leading the name does not count), followed by "unx" or "dos"; a name
// without a dot gets ".unx" or ".dos" appended. Folders are left as they are.
[[nodiscard]] QString ConvertedFilePath(const QString& path, LineEndForm form);

// True when both paths name one file, through links or "." and ".." too.
[[nodiscard]] bool NamesSameFile(const QString& a, const QString& b);

// How a conversion of a file ended.
enum class ConversionOutcome {
    Written,
    // The copy's name is the file's own: converting would overwrite the input.
    SameAsInput,
    CannotRead,
    CannotWrite,
};

struct FileConversion {
    ConversionOutcome outcome = ConversionOutcome::Written;
    QString outputPath;
    // Why a read or write failed, for the user.
    QString error;
};

// Reads the file at path and writes its converted copy (ConvertedFilePath),
// replacing a file of that name. The input is never written; a failed write
// leaves an existing copy as it was. Only a regular file of at most
// largestInput bytes is read, and only a regular file is replaced.
FileConversion ConvertFileLineEnds(const QString& path, LineEndForm form,
                                   qint64 largestInput = AnyFileSize);

#include "core/files/file_io.h"

#include "core/files/replacing_file.h"
#include "core/text/program_error.h"

#include <cerrno>
#include <cstring>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The classic number of an allocation that failed.
constexpr int OutOfMemoryErrorNumber = 7;

// Read in pieces, so that a file growing while it is read is caught at the
// limit rather than read on without end.
constexpr qint64 ReadPieceSize = 64 * 1024;

[[nodiscard]] QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

[[nodiscard]] FileReadFailure FailureOfStat(int error) {
    return error == ENOENT || error == ENOTDIR ? FileReadFailure::Missing
                                               : FileReadFailure::Unreadable;
}

// What a read does with a file longer than its limit.
enum class PastLimit { Refused, Left };

// Appends the rest of the open file to bytes, up to limit.
[[nodiscard]] FileReadFailure ReadRest(QFile& file, QByteArray& bytes, qint64 limit,
                                       PastLimit pastLimit) {
    QByteArray piece(ReadPieceSize, Qt::Uninitialized);
    for (;;) {
        const qint64 room = limit - bytes.size();
        // One byte past the limit tells a longer file from one that ends there.
        const qint64 wanted =
            pastLimit == PastLimit::Left ? qMin(ReadPieceSize, room) : ReadPieceSize;
        if (wanted <= 0)
            return FileReadFailure::None;
        const qint64 got = file.read(piece.data(), wanted);
        if (got < 0)
            return FileReadFailure::Unreadable;
        if (got == 0)
            return FileReadFailure::None;
        if (got > room)
            return FileReadFailure::TooLarge;
        bytes.append(piece.constData(), qsizetype(got));
    }
}

[[nodiscard]] FileRead Read(const QString& path, qint64 limit, PastLimit pastLimit) {
    FileRead read;
    QFile file;
    read.failure = OpenRegularFile(file, path, &read.systemReason);
    if (read.failure != FileReadFailure::None)
        return read;
    read.size = file.size();
    if (read.size > limit && pastLimit == PastLimit::Refused) {
        read.failure = FileReadFailure::TooLarge;
        return read;
    }
    try {
        QByteArray bytes;
        bytes.reserve(qsizetype(qMin(read.size, limit)));
        read.failure = ReadRest(file, bytes, limit, pastLimit);
        if (read.failure == FileReadFailure::None)
            read.bytes = std::move(bytes);
        // It grew past the limit while it was read.
        else if (read.failure == FileReadFailure::TooLarge)
            read.size = qMax(read.size, limit + 1);
        else if (read.failure == FileReadFailure::Unreadable)
            read.systemReason = file.errorString();
    } catch (const std::bad_alloc&) {
        read.failure = FileReadFailure::NoMemory;
    }
    return read;
}

} // namespace

FileReadFailure CheckRegularFile(const QString& path) {
    if (path.isEmpty())
        return FileReadFailure::Missing;
    struct stat status {};
    // stat follows links: a link to a regular file is that file.
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return FailureOfStat(errno);
    return S_ISREG(status.st_mode) ? FileReadFailure::None : FileReadFailure::NotRegular;
}

FileReadFailure OpenRegularFile(QFile& file, const QString& path, QString* systemReason) {
    // Checked before opening: opening a device may itself do something.
    const FileReadFailure checked = CheckRegularFile(path);
    if (checked != FileReadFailure::None)
        return checked;
    // Should a pipe take the file's place after the check, opening it without
    // blocking returns at once, and the check of what was opened refuses it.
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        const int error = errno;
        if (systemReason)
            *systemReason = SystemReason(error);
        return FailureOfStat(error);
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return FileReadFailure::NotRegular;
    }
    file.setFileName(path);
    if (!file.open(descriptor, QIODevice::ReadOnly | QIODevice::Unbuffered,
                   QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        if (systemReason)
            *systemReason = file.errorString();
        return FileReadFailure::Unreadable;
    }
    return FileReadFailure::None;
}

FileRead ReadRegularFile(const QString& path, qint64 limit) {
    return Read(path, limit, PastLimit::Refused);
}

FileRead ReadFileStart(const QString& path, qint64 length) {
    return Read(path, length, PastLimit::Left);
}

QString FileReadReason(FileReadFailure failure, const QString& systemReason) {
    switch (failure) {
    case FileReadFailure::None:
        break;
    case FileReadFailure::Missing:
        return QStringLiteral("Soubor nenalezen");
    case FileReadFailure::NotRegular:
        return QStringLiteral("Není obyčejný soubor (je to složka, roura nebo zařízení)");
    case FileReadFailure::TooLarge:
        return QStringLiteral("Soubor je příliš velký");
    case FileReadFailure::Unreadable:
        return systemReason.isEmpty() ? QStringLiteral("Soubor nelze číst") : systemReason;
    case FileReadFailure::NoMemory:
        return QStringLiteral("Soubor se nevejde do paměti");
    }
    return QString();
}

ProgramError FileReadError(const QString& path, const FileRead& read) {
    switch (read.failure) {
    case FileReadFailure::Missing:
        return ProgramError(FileNotFoundErrorNumber, QStringLiteral("Soubor nenalezen: ") + path,
                            path);
    case FileReadFailure::NoMemory:
        return ProgramError(OutOfMemoryErrorNumber, FileReadReason(read) + u": "_s + path, path);
    case FileReadFailure::Unreadable:
        return FileError(QStringLiteral("Soubor nelze číst: ") + path, path);
    case FileReadFailure::None:
    case FileReadFailure::NotRegular:
    case FileReadFailure::TooLarge:
        break;
    }
    return FileError(FileReadReason(read) + u": "_s + path, path);
}

ProgramError NotRegularFileError(const QString& path) {
    FileRead refused;
    refused.failure = FileReadFailure::NotRegular;
    return FileReadError(path, refused);
}

QByteArray ReadWholeFile(const QString& path, qint64 limit) {
    FileRead read = ReadRegularFile(path, limit);
    if (read.failure != FileReadFailure::None)
        throw FileReadError(path, read);
    return std::move(read.bytes);
}

void WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    // Writing in place into a pipe would wait for a reader, and renaming over
    // a device would replace the device.
    if (CheckRegularFile(path) == FileReadFailure::NotRegular)
        throw NotRegularFileError(path);
    ReplacingFile file(path);
    if (!file.open(bytes.size()) || !file.write(bytes) || !file.commit())
        throw FileWriteError(path, file.error());
}

#include "core/files/file_io.h"

#include "core/text/program_error.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

[[nodiscard]] ProgramError CannotRead(const QString& path) {
    return FileError(QStringLiteral("Soubor nelze číst: ") + path, path);
}

} // namespace

QByteArray ReadWholeFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        throw ProgramError(FileNotFoundErrorNumber, QStringLiteral("Soubor nenalezen: ") + path,
                           path);
    // Only a regular file has an end: a folder cannot be read, and a pipe or a
    // device would block or never stop filling memory.
    if (!info.isFile())
        throw CannotRead(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CannotRead(path);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw CannotRead(path);
    return bytes;
}

void WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // A folder that takes no new files leaves no temporary file to rename:
    // a file the user may write there is then written in place, since the
    // save could not be made at all otherwise.
    file.setDirectWriteFallback(true);
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written)
        throw FileError(QStringLiteral("Soubor nelze zapsat: ") + path, path);
}

#pragma once

#include "core/files/file_io.h"
#include "core/files/shared_files_lock.h"

#include <QDir>
#include <QMap>

// Every file of the folder, hidden ones too, with its bytes: two readings
// compare equal only when no file was added, removed or changed.
[[nodiscard]] inline QMap<QString, QByteArray> FolderFiles(const QString& folder) {
    QMap<QString, QByteArray> found;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        found.insert(name, ReadWholeFile(QDir(folder).filePath(name)));
    // Empty, and left by the first copy that saved anything there.
    found.remove(SharedFilesLock::FileName);
    return found;
}

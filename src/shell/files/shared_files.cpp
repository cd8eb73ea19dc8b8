#include "shell/files/shared_files.h"

#include "core/files/file_io.h"
#include "shell/files/document_files.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

// Far more than the lines a few exits leave between two starts.
constexpr qint64 LargestKeptAsideNote = 64 * 1024;

QString keptAsideNotePath(const QString& appFolder) {
    return appFolder + QStringLiteral("autosave_tarvel_qor_uschovano.txt");
}

} // namespace

FileContent ContentOf(const FileRead& read) {
    if (read.failure == FileReadFailure::Missing)
        return {};
    return read.failure == FileReadFailure::None ? FileContent::Of(read.bytes)
                                                 : FileContent::Unread();
}

FileContent SharedFileContent(const QString& path, qint64 limit) {
    return ContentOf(ReadRegularFile(path, limit));
}

QString FreeKeptAsideName(const QString& path, const QString& extension) {
    const QString stem = path.chopped(extension.size());
    QString candidate = stem + QStringLiteral(".bak") + extension;
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = stem + QStringLiteral(".bak%1").arg(n) + extension;
    return candidate;
}

QString WriteSharedFile(const QString& path, const QByteArray& bytes, AutosaveMemory& memory,
                        const QString& extension) {
    const FileContent content = FileContent::Of(bytes);
    // Far enough to tell another copy's document from what this copy saw,
    // even where this copy could not read the file at its start.
    const qint64 limit = std::max({LargestDocumentSize, memory.seen.size, content.size});
    const ExitAutosavePlan plan = PlanExitAutosave(memory, SharedFileContent(path, limit), content);
    QString keptAside;
    if (plan.step == ExitAutosaveStep::Write) {
        WriteFileAtomically(path, bytes);
    } else if (plan.step == ExitAutosaveStep::KeepAside) {
        keptAside = FreeKeptAsideName(path, extension);
        WriteFileAtomically(keptAside, bytes);
    }
    memory = plan.after;
    return keptAside;
}

void NoteKeptAside(const QString& appFolder, const QStringList& lines) {
    if (lines.isEmpty())
        return;
    const QString note = keptAsideNotePath(appFolder);
    const FileRead earlier = ReadRegularFile(note, LargestKeptAsideNote);
    WriteFileAtomically(note, earlier.bytes + (lines.join(u'\n') + u'\n').toUtf8());
}

QStringList TakeKeptAsideNote(const QString& appFolder) {
    const QString note = keptAsideNotePath(appFolder);
    const FileRead read = ReadRegularFile(note, LargestKeptAsideNote);
    if (read.failure != FileReadFailure::None)
        return {};
    QFile::remove(note);
    return QString::fromUtf8(read.bytes).split(u'\n', Qt::SkipEmptyParts);
}

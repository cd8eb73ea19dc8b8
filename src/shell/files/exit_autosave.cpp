#include "shell/files/exit_autosave.h"

#include "core/files/file_io.h"
#include "core/files/shared_autosave.h"
#include "core/text/ansi_code_page.h"
#include "shell/files/document_files.h"
#include "shell/main_window/DocumentTabs.h"
#include "shell/shared_procedures.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

// Far more than the lines a few exits leave between two starts.
constexpr qint64 LargestKeptAsideNote = 64 * 1024;

// A free name beside path for a file kept aside: path.bak, else path.bak2, ...
QString freeBackupName(const QString& path) {
    QString candidate = path + QStringLiteral(".bak");
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = path + QStringLiteral(".bak%1").arg(n);
    return candidate;
}

// Where an exit lists the texts it kept beside another copy's files, until
// the next start tells them.
QString keptAsideNotePath(const QString& appFolder) {
    return appFolder + QStringLiteral("autosave_tarvel_qor_uschovano.txt");
}

// The file as it is now, read no further than the longest content it is
// compared with.
FileContent contentOnDisk(const QString& path, qint64 limit) {
    const FileRead read = ReadRegularFile(path, limit);
    if (read.failure == FileReadFailure::Missing)
        return {};
    return read.failure == FileReadFailure::None ? FileContent::Of(read.bytes)
                                                 : FileContent::Unread();
}

void noteKeptAside(const QString& appFolder, const QStringList& lines) {
    if (lines.isEmpty())
        return;
    const QString note = keptAsideNotePath(appFolder);
    const FileRead earlier = ReadRegularFile(note, LargestKeptAsideNote);
    WriteFileAtomically(note, earlier.bytes + (lines.join(u'\n') + u'\n').toUtf8());
}

QStringList takeKeptAsideNote(const QString& appFolder) {
    const QString note = keptAsideNotePath(appFolder);
    const FileRead read = ReadRegularFile(note, LargestKeptAsideNote);
    if (read.failure != FileReadFailure::None)
        return {};
    QFile::remove(note);
    return QString::fromUtf8(read.bytes).split(u'\n', Qt::SkipEmptyParts);
}

// One tab's exit autosave; the line telling where its text was kept aside,
// if it was.
QString writeExitAutosave(const QString& path, const QByteArray& bytes, AutosaveMemory& memory) {
    const FileContent text = FileContent::Of(bytes);
    const qint64 limit = std::max({LargestDocumentSize, memory.seen.size, text.size});
    const ExitAutosavePlan plan = PlanExitAutosave(memory, contentOnDisk(path, limit), text);
    QString keptAside;
    if (plan.step == ExitAutosaveStep::Write) {
        WriteFileAtomically(path, bytes);
    } else if (plan.step == ExitAutosaveStep::KeepAside) {
        keptAside = freeBackupName(path);
        WriteFileAtomically(keptAside, bytes);
    }
    memory = plan.after;
    return keptAside;
}

} // namespace

QString ExitAutosavePath(const QString& appFolder, int tab) {
    return appFolder + QStringLiteral("autosave_tarvel_qor%1.txt").arg(tab);
}

void WriteExitAutosaveFiles(const QString& appFolder, const std::array<QString, 5>& texts,
                            std::array<DocumentSlot, 5>& documents) {
    QStringList keptAside;
    for (int tab = 1; tab <= DocumentTabs::TabCount; ++tab) {
        try {
            const QString kept =
                writeExitAutosave(ExitAutosavePath(appFolder, tab), EncodeAnsi(texts.at(tab - 1)),
                                  documents.at(tab - 1).ExitAutosave);
            if (!kept.isEmpty())
                keptAside << QStringLiteral("Záložka %1: %2").arg(tab).arg(kept);
        } catch (const ProgramError& error) {
            ReportError(error);
        }
    }
    try {
        noteKeptAside(appFolder, keptAside);
    } catch (const ProgramError& error) {
        ReportError(error);
    }
}

KeptAsideTexts RestoreExitAutosaveFiles(const QString& appFolder,
                                        std::array<DocumentSlot, 5>& documents) {
    KeptAsideTexts keptAside;
    for (int tab = 1; tab <= DocumentTabs::TabCount; ++tab) {
        const QString path = ExitAutosavePath(appFolder, tab);
        DocumentSlot& slot = documents.at(tab - 1);
        // Restored as a document opens: a larger one would not open either.
        const FileRead read = ReadRegularFile(path, LargestDocumentSize);
        switch (read.failure) {
        case FileReadFailure::None:
            slot.ExitAutosave.seen = FileContent::Of(read.bytes);
            slot.Text = DecodeAnsi(read.bytes);
            continue;
        case FileReadFailure::Missing:
            continue;
        case FileReadFailure::TooLarge:
            if (const QString backup = freeBackupName(path); QFile::rename(path, backup)) {
                keptAside.tooLarge << backup;
                continue;
            }
            break;
        case FileReadFailure::Unreadable:
        case FileReadFailure::NoMemory:
            ReportError(FileReadError(path, read));
            break;
        case FileReadFailure::NotRegular:
            break;
        }
        slot.ExitAutosave.seen = FileContent::Unread();
    }
    keptAside.bothChanged = takeKeptAsideNote(appFolder);
    return keptAside;
}

void RememberStartingTexts(const std::array<QString, 5>& texts,
                           std::array<DocumentSlot, 5>& documents) {
    for (int tab = 1; tab <= DocumentTabs::TabCount; ++tab)
        documents.at(tab - 1).ExitAutosave.kept = FileContent::Of(EncodeAnsi(texts.at(tab - 1)));
}

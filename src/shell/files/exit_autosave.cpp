#include "shell/files/exit_autosave.h"

#include "core/files/file_io.h"
#include "core/text/ansi_code_page.h"
#include "shell/files/document_files.h"
#include "shell/files/shared_files.h"
#include "shell/main_window/DocumentTabs.h"
#include "shell/shared_procedures.h"

#include <QFile>

QString ExitAutosavePath(const QString& appFolder, int tab) {
    return appFolder + QStringLiteral("autosave_tarvel_qor%1.txt").arg(tab);
}

void WriteExitAutosaveFiles(const QString& appFolder, const std::array<QString, 5>& texts,
                            std::array<DocumentSlot, 5>& documents) {
    QStringList keptAside;
    for (int tab = 1; tab <= DocumentTabs::TabCount; ++tab) {
        try {
            const QString kept =
                WriteSharedFile(ExitAutosavePath(appFolder, tab), EncodeAnsi(texts.at(tab - 1)),
                                documents.at(tab - 1).ExitAutosave);
            if (!kept.isEmpty())
                keptAside << QStringLiteral("Záložka %1: %2").arg(tab).arg(kept);
        } catch (const ProgramError& error) {
            ReportError(error);
        }
    }
    try {
        NoteKeptAside(appFolder, keptAside);
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
            if (const QString backup = FreeKeptAsideName(path); QFile::rename(path, backup)) {
                keptAside.tooLarge << backup;
                continue;
            }
            break;
        case FileReadFailure::NoMemory:
            ReportError(FileReadError(path, read));
            break;
        // Another user's file, say: the tab starts empty, and the file stays
        // as it is unless this copy's exit writes it.
        case FileReadFailure::Unreadable:
        case FileReadFailure::NotRegular:
            break;
        }
        slot.ExitAutosave.seen = FileContent::Unread();
    }
    keptAside.bothChanged = TakeKeptAsideNote(appFolder);
    return keptAside;
}

void RememberStartingTexts(const std::array<QString, 5>& texts,
                           std::array<DocumentSlot, 5>& documents) {
    for (int tab = 1; tab <= DocumentTabs::TabCount; ++tab)
        documents.at(tab - 1).ExitAutosave.kept = FileContent::Of(EncodeAnsi(texts.at(tab - 1)));
}

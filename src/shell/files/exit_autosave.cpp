#include "shell/files/exit_autosave.h"

#include "core/files/file_io.h"
#include "core/files/path_helpers.h"
#include "core/text/ansi_code_page.h"
#include "shell/files/document_files.h"
#include "shell/main_window/DocumentTabs.h"
#include "shell/shared_procedures.h"

#include <QFile>
#include <QFileInfo>

namespace {

// A free name beside path for a file kept aside: path.bak, else path.bak2, ...
QString freeBackupName(const QString& path) {
    QString candidate = path + QStringLiteral(".bak");
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = path + QStringLiteral(".bak%1").arg(n);
    return candidate;
}

} // namespace

QString ExitAutosavePath(const QString& appFolder, int tab) {
    return appFolder + QStringLiteral("autosave_tarvel_qor%1.txt").arg(tab);
}

void WriteExitAutosaveFiles(const QString& appFolder, const std::array<QString, 5>& texts) {
    for (int tab = 1; tab <= DocumentTabs::TabCount; ++tab) {
        try {
            WriteFileAtomically(ExitAutosavePath(appFolder, tab), EncodeAnsi(texts.at(tab - 1)));
        } catch (const ProgramError& error) {
            ReportError(error);
        }
    }
}

QStringList RestoreExitAutosaveFiles(const QString& appFolder,
                                     std::array<DocumentSlot, 5>& documents) {
    QStringList keptAside;
    for (int tab = 1; tab <= DocumentTabs::TabCount; ++tab) {
        const QString path = ExitAutosavePath(appFolder, tab);
        if (!FileExists(path))
            continue;
        // Restored as a document opens: a larger one would not open either.
        if (QFileInfo(path).size() > LargestDocumentSize) {
            const QString backup = freeBackupName(path);
            if (QFile::rename(path, backup))
                keptAside << backup;
            continue;
        }
        try {
            documents.at(tab - 1).Text = DecodeAnsi(ReadWholeFile(path, LargestDocumentSize));
        } catch (const ProgramError& error) {
            ReportError(error);
        }
    }
    return keptAside;
}

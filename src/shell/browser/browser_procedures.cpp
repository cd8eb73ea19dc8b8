#include "shell/browser/browser_procedures.h"

#include "core/files/file_io.h"
#include "core/files/path_helpers.h"
#include "core/shell/browser_rules.h"
#include "core/text/program_error.h"
#include "shell/ProgramState.h"
#include "shell/browser/frmBrowser.h"
#include "shell/files/document_files.h"
#include "shell/shared_procedures.h"
#include "shell/window_instances.h"

#include <QFileInfo>

bool BrowserMayShowFile(const QString& path, const QString& title) {
    // The browser would wait on a pipe for ever or read a device without end.
    if (CheckRegularFile(path) == FileReadFailure::NotRegular) {
        ReportError(NotRegularFileError(path));
        return false;
    }
    // It lays a page out whole in memory, and gigabytes would keep it busy
    // for good.
    const qint64 size = QFileInfo(path).size();
    if (size <= LargestReadFile)
        return true;
    TellFileTooLong(path, size, title);
    return false;
}

void ShowFileInBrowser(const QString& path) {
    if (!path.isEmpty() && BrowserMayShowFile(path))
        ShowUrlInBrowser(BrowserFileAddress(path));
}

void ShowUrlInBrowser(const QString& url) {
    if (!url.isEmpty())
        LoadedWindow<frmBrowser>().showUrl(url);
}

void ShowBrowserAlone() {
    frmBrowser& browser = LoadedWindowAlone<frmBrowser>();
    browser.setStandAlone();
    ShowOwned(browser);
}

QString WriteTempFile(const QString& extension, const QByteArray& bytes, TempFileReader reader) {
    try {
        const QString path = MakeTempFileName(extension);
        WriteFileAtomically(path, bytes);
        if (reader == TempFileReader::ThisProgram)
            Program().TempFiles << path;
        return path;
    } catch (const ProgramError& error) {
        ReportError(error);
        return {};
    }
}

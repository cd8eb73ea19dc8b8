#include "shell/browser/browser_commands.h"

#include "core/files/file_io.h"
#include "core/files/path_helpers.h"
#include "core/shell/browser_rules.h"
#include "core/text/ansi_code_page.h"
#include "platform/platform.h"
#include "shell/ProgramState.h"
#include "shell/browser/browser_procedures.h"
#include "shell/command_registry.h"
#include "shell/files/document_files.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

QString previewOfEditorText(TempFileReader reader) {
    return WriteTempFile(u"html"_s, EncodeAnsi(MainSurface().text()), reader);
}

// The longest copy of a saved file the desktop's browser is given: a
// document's worth. Anything longer was not written as a page here, and a
// browser handed gigabytes freezes as this program would reading them.
constexpr qint64 LargestPageCopy = LargestDocumentSize;

void tellTooLongForBrowser(const QString& path, qint64 size, const QString& title) {
    ShowNotice(MainForm::instance(),
               u"Uloženou verzi nelze zobrazit: soubor %1 má %2 bajtů (%3), prohlížeči lze "
               "jako stránku předat nejvýš %4 bajtů."_s.arg(path, QString::number(size),
                                                            FormatFileSize(size),
                                                            QString::number(LargestPageCopy)),
               title, MessageBoxIcon::Exclamation);
}

// A saved document as it is on disk: itself when it is a page, else a
// ".html" copy, so the desktop shows it instead of running it. A file too
// long to copy is refused by its length before any of it is read.
QString previewOfSavedFile(const QString& path) {
    if (IsHtmlPageName(path))
        return BrowserMayShowFile(path) ? path : QString();
    const FileRead read = ReadRegularFile(path, LargestPageCopy);
    if (read.failure == FileReadFailure::TooLarge) {
        tellTooLongForBrowser(path, read.size, u"Testuj html"_s);
        return QString();
    }
    if (read.failure != FileReadFailure::None) {
        ReportError(FileReadError(path, read));
        return QString();
    }
    return WriteTempFile(u"html"_s, read.bytes, TempFileReader::Desktop);
}

void showHelp() {
    ShowFileInBrowser(Program().AppFolder + u"tarvel.html"_s);
}

// A saved document is shown as last saved; an untitled one as it stands.
// The internal browser lays a page out whole in memory: a file far longer
// than any page written here would leave it busy for good.
void previewInternally() {
    const QString& path = Program().CurrentFilePath;
    if (path.isEmpty()) {
        ShowFileInBrowser(previewOfEditorText(TempFileReader::ThisProgram));
        return;
    }
    const QFileInfo saved(path);
    if (saved.isFile() && saved.size() > LargestPageCopy)
        tellTooLongForBrowser(path, saved.size(), u"Interní browser"_s);
    else
        ShowFileInBrowser(path);
}

bool wantsSavedVersion() {
    return Confirmed(u"Soubor je uložen, zobrazit uloženou verzi ?"_s, u"Nový"_s);
}

void previewInDesktopBrowser() {
    const QString path = Program().CurrentFilePath;
    // The desktop's browser may read or reload the page after this program
    // ends, so its copy stays in the temporary folder.
    const QString shown = !path.isEmpty() && wantsSavedVersion()
                              ? previewOfSavedFile(path)
                              : previewOfEditorText(TempFileReader::Desktop);
    // Whatever program the desktop keeps for pages shows it; when none does,
    // the user learns where the page waits, to open it some other way.
    if (!shown.isEmpty() && !Platform().desktop->openFile(shown, MainForm::instance()))
        ShowNotice(MainForm::instance(),
                   u"Stránku se nepodařilo zobrazit: v systému není nastaven žádný program "
                   "pro otevírání stránek HTML.\r\nStránka je uložena v dočasném souboru "
                   "\"%1\"."_s.arg(shown),
                   u"Testuj html"_s, MessageBoxIcon::Exclamation);
}

} // namespace

void RegisterBrowserCommands(CommandRegistry& commands) {
    commands.add(MenuId::mnuhlp, showHelp);
    commands.add(MenuId::Mnu_Internal_Browser, previewInternally);
    commands.add(MenuId::mnutest, previewInDesktopBrowser);
}

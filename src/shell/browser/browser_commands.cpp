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

using namespace Qt::StringLiterals;

namespace {

QString previewOfEditorText(TempFileReader reader) {
    return WriteTempFile(u"html"_s, EncodeAnsi(MainSurface().text()), reader);
}

// A saved document as it is on disk: itself when it is a page, else a
// ".html" copy, so the desktop shows it instead of running it. A file too
// long to copy is refused by its length before any of it is read.
QString previewOfSavedFile(const QString& path) {
    const QString title = u"Testuj html"_s;
    if (IsHtmlPageName(path))
        return BrowserMayShowFile(path, title) ? path : QString();
    const FileRead read = ReadRegularFile(path, LargestReadFile);
    if (read.failure == FileReadFailure::TooLarge) {
        TellFileTooLong(path, read.size, title);
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
void previewInternally() {
    const QString& path = Program().CurrentFilePath;
    ShowFileInBrowser(path.isEmpty() ? previewOfEditorText(TempFileReader::ThisProgram) : path);
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
    if (shown.isEmpty() || Platform().desktop->openFile(shown, MainForm::instance()))
        return;
    // A saved page is shown as itself, not as a copy the system may clear away.
    const QString file = shown == path ? u"souboru"_s : u"dočasném souboru"_s;
    ShowNotice(MainForm::instance(),
               u"Stránku se nepodařilo zobrazit: v systému není nastaven žádný program "
               "pro otevírání stránek HTML.\r\nStránka je uložena v %1 \"%2\"."_s.arg(file, shown),
               u"Testuj html"_s, MessageBoxIcon::Exclamation);
}

} // namespace

void RegisterBrowserCommands(CommandRegistry& commands) {
    commands.add(MenuId::mnuhlp, showHelp);
    commands.add(MenuId::Mnu_Internal_Browser, previewInternally);
    commands.add(MenuId::mnutest, previewInDesktopBrowser);
}

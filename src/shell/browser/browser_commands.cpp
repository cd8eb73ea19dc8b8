#include "shell/browser/browser_commands.h"

#include "core/files/file_io.h"
#include "core/files/path_helpers.h"
#include "core/shell/browser_rules.h"
#include "core/text/ansi_code_page.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "shell/ProgramState.h"
#include "shell/browser/browser_procedures.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"

using namespace Qt::StringLiterals;

namespace {

// A fresh temporary ".html" file holding bytes; "" (the failure reported)
// when it cannot be written, so no preview shows a page that is not there.
QString writePreviewFile(const QByteArray& bytes) {
    try {
        const QString path = MakeTempFileName(u"html"_s);
        WriteFileAtomically(path, bytes);
        return path;
    } catch (const ProgramError& error) {
        ReportError(error);
        return QString();
    }
}

QString previewOfEditorText() {
    return writePreviewFile(EncodeAnsi(MainSurface().text()));
}

// A saved document as it is on disk: itself when it is a page, else a
// ".html" copy, so the desktop shows it instead of running it.
QString previewOfSavedFile(const QString& path) {
    if (IsHtmlPageName(path))
        return path;
    try {
        return writePreviewFile(ReadWholeFile(path));
    } catch (const ProgramError& error) {
        ReportError(error);
        return QString();
    }
}

void showHelp() {
    ShowFileInBrowser(Program().AppFolder + u"tarvel.html"_s);
}

// A saved document is shown as last saved; an untitled one as it stands.
void previewInternally() {
    const QString& path = Program().CurrentFilePath;
    ShowFileInBrowser(path.isEmpty() ? previewOfEditorText() : path);
}

bool wantsSavedVersion() {
    MessageBoxRequest question;
    question.text = u"Soubor je uložen, zobrazit uloženou verzi ?"_s;
    question.title = u"Nový"_s;
    question.buttons = MessageBoxButtons::YesNo;
    question.icon = MessageBoxIcon::Exclamation;
    return Platform().messageBox->show(question, MainForm::instance()) == MessageBoxAnswer::Yes;
}

void previewInDesktopBrowser() {
    const QString path = Program().CurrentFilePath;
    const QString shown =
        !path.isEmpty() && wantsSavedVersion() ? previewOfSavedFile(path) : previewOfEditorText();
    // Whatever program the desktop keeps for pages shows it; when none
    // does, there is nothing more the program could do.
    if (!shown.isEmpty())
        (void)Platform().desktop->openFile(shown, MainForm::instance());
}

} // namespace

void RegisterBrowserCommands(CommandRegistry& commands) {
    commands.add(MenuId::mnuhlp, showHelp);
    commands.add(MenuId::Mnu_Internal_Browser, previewInternally);
    commands.add(MenuId::mnutest, previewInDesktopBrowser);
}

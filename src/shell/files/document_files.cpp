#include "shell/files/document_files.h"

#include "core/files/file_io.h"
#include "core/files/path_helpers.h"
#include "core/files/recent_files.h"
#include "core/text/ansi_code_page.h"
#include "core/text/editor_surface.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "shell/ProgramState.h"
#include "shell/files/file_dialogs.h"
#include "shell/files/file_windows.h"
#include "shell/main_window/DocumentTabs.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"

#include <QFileInfo>
#include <new>

const QString DocumentFileFilter = QStringLiteral(
    "Všechno (*.*)|*.*|jen text (*.txt)|*.txt|dávky (*.bat)|*.bat|Html dokument (*.html)|*.html|"
    "htm dokument (*.htm)|*.htm|ini soubor (*.ini)|*.ini|Php stránky (*.php)|*.php|"
    "Php3 stránky (*.php3)|*.php3|Include soubory (*.inc)|*.inc");

namespace {

RecentMenuFiller& recentMenuFiller() {
    static RecentMenuFiller filler;
    return filler;
}

void tellAboutFile(const QString& text) {
    (void)ShowMessageBox(text, QStringLiteral("Soubor"), MessageBoxButtons::Ok,
                         MessageBoxIcon::None);
}

// Asked for every existing file, the document's own path included.
bool overwriteConfirmed(const QString& path) {
    if (!FileExists(path))
        return true;
    return ShowMessageBox(
               QStringLiteral("Opravdu uložit %1?\r\nSoubor již existuje a bude přepsán!")
                   .arg(path),
               QStringLiteral("Soubor"), MessageBoxButtons::YesNo,
               MessageBoxIcon::Exclamation) == MessageBoxAnswer::Yes;
}

bool writeReportingErrors(const QString& path, const QString& text) {
    try {
        WriteFileAtomically(path, EncodeAnsi(text));
        return true;
    } catch (const ProgramError& error) {
        ReportError(error);
        return false;
    }
}

// The current tab now holds the document at path, unmodified.
void showAsCurrentDocument(const QString& path) {
    MainForm::instance()->documents().setCaption(path, false);
    PresetSaveWindow(path);
    AddRecentFile(path);
}

// Whether the document in the current tab has changes not yet saved.
bool currentDocumentModified() {
    return MainForm::instance()->documents().captionModified();
}

// Unsaved text is replaced only after the user agreed.
bool replaceConfirmed() {
    if (!currentDocumentModified())
        return true;
    return ShowMessageBox(QStringLiteral("Dokument není uložen. Opravdu ho nahradit?"),
                          QStringLiteral("Otevřít"), MessageBoxButtons::YesNo,
                          MessageBoxIcon::Exclamation) == MessageBoxAnswer::Yes;
}

void tellNoMemory(const QString& path) {
    tellAboutFile(QStringLiteral("Soubor %1 se nevejde do paměti.").arg(path));
}

// Told with the file's length, before any of it is read.
using TellTooLarge = std::function<void(qint64 fileSize)>;

// The text of the file, at most limit bytes of it; a longer one is told by
// tooLarge. Only a path that is not there at all is "not found"; a folder, a
// pipe, a device or an unreadable file is reported as an error.
std::optional<QString> readText(const QString& path, qint64 limit, TellTooLarge tooLarge) {
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        tellAboutFile(QStringLiteral("Soubor %1 nenalezen!").arg(path));
        return std::nullopt;
    }
    const FileRead read = ReadRegularFile(path, limit);
    switch (read.failure) {
    case FileReadFailure::None:
        try {
            return DecodeAnsi(read.bytes);
        } catch (const std::bad_alloc&) {
            tellNoMemory(path);
        }
        break;
    case FileReadFailure::TooLarge:
        tooLarge(read.size);
        break;
    case FileReadFailure::NoMemory:
        tellNoMemory(path);
        break;
    case FileReadFailure::Missing:
    case FileReadFailure::NotRegular:
    case FileReadFailure::Unreadable:
        ReportError(FileReadError(path, read));
        break;
    }
    return std::nullopt;
}

enum class Replacing { AskFirst, AlreadyAgreed };

void loadDocument(const QString& path, Replacing replacing) {
    const std::optional<QString> text = ReadDocumentText(path);
    if (!text || (replacing == Replacing::AskFirst && !replaceConfirmed()))
        return;
    MainSurface().setText(*text);
    showAsCurrentDocument(path);
}

} // namespace

void TellFileTooLong(const QString& path, qint64 size, const QString& title) {
    ShowNotice(MainForm::instance(),
               QStringLiteral("Soubor %1 nelze načíst: má %2 bajtů (%3), načíst lze nejvýš %4 "
                              "bajtů.")
                   .arg(path, QString::number(size), FormatFileSize(size),
                        QString::number(LargestReadFile)),
               title, MessageBoxIcon::Exclamation);
}

std::optional<QString> ReadInsertedText(const QString& path) {
    return readText(path, LargestReadFile, [&path](qint64 fileSize) {
        TellFileTooLong(path, fileSize, QStringLiteral("Soubor"));
    });
}

std::optional<QString> ReadDocumentText(const QString& path) {
    return readText(path, LargestDocumentSize, [&path](qint64) {
        tellAboutFile(QStringLiteral("Nelze otevřít %1, Soubor příliš velký").arg(path));
    });
}

void OpenDocument(const QString& path) {
    loadDocument(path, Replacing::AskFirst);
}

void ReloadDocument(const QString& path) {
    loadDocument(path, Replacing::AlreadyAgreed);
}

void SaveDocument(const QString& path, const QString& text) {
    if (!overwriteConfirmed(path) || !writeReportingErrors(path, text))
        return;
    showAsCurrentDocument(path);
}

void WriteTextFile(const QString& path, const QString& text) {
    if (!overwriteConfirmed(path) || !writeReportingErrors(path, text))
        return;
    AddRecentFile(path);
}

void SaveSelectionAs() {
    if (MainSurface().selLength() == 0)
        return;
    const QString path = ShowSaveDialog(DocumentFileFilter, MainForm::instance());
    if (!path.isEmpty())
        WriteTextFile(path, MainSurface().selText());
}

bool NewDocument() {
    if (ShowMessageBox(QStringLiteral("Opravdu nový soubor ?"), QStringLiteral("Nový"),
                       MessageBoxButtons::YesNo,
                       MessageBoxIcon::Exclamation) != MessageBoxAnswer::Yes)
        return false;
    MainSurface().setText(QString());
    MainForm::instance()->documents().setCaption(QString(), false);
    return true;
}

void AddRecentFile(const QString& path) {
    if (AddRecentEntry(Program().Settings.RecentFiles, path))
        FillRecentMenu();
}

void OpenRecentFile(int index) {
    if (index < 1 || index > static_cast<int>(Program().Settings.RecentFiles.size()))
        return;
    OpenDocument(Program().Settings.RecentFiles.at(index - 1));
}

void SetRecentMenuFiller(RecentMenuFiller fill) {
    recentMenuFiller() = std::move(fill);
}

void FillRecentMenu() {
    if (recentMenuFiller())
        recentMenuFiller()(Program().Settings.RecentFiles);
}

#include "shell/files/file_commands.h"

#include "core/text/ansi_code_page.h"
#include "core/text/editor_surface.h"
#include "core/text/program_error.h"
#include "core/text/text_checksums.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/files/document_files.h"
#include "shell/files/file_dialogs.h"
#include "shell/main_window/DocumentTabs.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/main_window/Toolbar.h"
#include "shell/main_window/UpravToolbar.h"
#include "shell/main_window/editor_look.h"
#include "shell/printing/print_document.h"
#include "shell/shared_procedures.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QCoreApplication>
#include <QPointer>
#include <QProgressBar>
#include <QStatusBar>
#include <QTabBar>

namespace {

// The path of the document in the current tab; empty while it is untitled.
QString currentPath() {
    const DocumentTabs& documents = MainForm::instance()->documents();
    return Program().Documents.at(documents.currentTab() - 1).Path;
}

// Only after the user agreed to the new document: answered No, the text and
// its path stay together, so a later quick save cannot write the clipboard
// over the file.
void newFromClipboard() {
    if (NewDocument() && Platform().clipboard->hasText())
        MainSurface().setText(Platform().clipboard->text());
}

void reloadFile() {
    const QString path = currentPath();
    if (Confirmed(QStringLiteral("Opravdu reload souboru ?\r\nZměny od posledního uložení "
                                 "\"%1\" Budou ztraceny!")
                      .arg(path),
                  QStringLiteral("Reload")))
        ReloadDocument(path);
}

void saveFast() {
    const QString path = currentPath();
    if (Confirmed(QStringLiteral("Opravdu uložit soubor?\r\n\"%1\"").arg(path),
                  QStringLiteral("Soubor")))
        SaveDocument(path, MainSurface().text());
}

void openStandard() {
    const QString path = ShowOpenDialog(DocumentFileFilter, MainForm::instance());
    if (!path.isEmpty())
        OpenDocument(path);
}

void saveStandard() {
    const QString path = ShowSaveDialog(DocumentFileFilter, MainForm::instance());
    if (!path.isEmpty())
        SaveDocument(path, MainSurface().text());
}

using BarOf = QWidget* (*)(const MainForm&);

// The entry's check mark has already flipped when its command runs.
void addBarToggle(CommandRegistry& commands, MenuId id, BarOf bar) {
    commands.addWindowCommand(id, [id, bar](QMainWindow& window) {
        if (auto* form = qobject_cast<MainForm*>(&window)) {
            bar(*form)->setVisible(form->menu().action(id)->isChecked());
            LayoutMainForm();
        }
    });
}

void addWindowCommands(CommandRegistry& commands) {
    commands.add(MenuId::mnucust,
                 [] { LoadedWindow<UpravToolbar>().showFor(*MainForm::instance()->Toolbar1()); });
    addBarToggle(commands, MenuId::MnuTS,
                 [](const MainForm& form) -> QWidget* { return form.Toolbar1(); });
    addBarToggle(commands, MenuId::MnuSBS,
                 [](const MainForm& form) -> QWidget* { return form.statusBar(); });
    addBarToggle(commands, MenuId::mnuFTS,
                 [](const MainForm& form) -> QWidget* { return form.FileTab(); });
    commands.addWindowCommand(MenuId::MnuAllTop, [](QMainWindow& window) {
        Program().AlwaysOnTop = !Program().AlwaysOnTop;
        SetAlwaysOnTop(window, Program().AlwaysOnTop);
        if (auto* form = qobject_cast<MainForm*>(&window))
            form->menu().action(MenuId::MnuAllTop)->setChecked(Program().AlwaysOnTop);
    });
}

void showChecksums() {
    MainForm& form = *MainForm::instance();
    TextChecksums sums;
    {
        const BusyScope busy(&form, QStringLiteral("Počítám CRC textu ..."));
        QProgressBar* progress = form.Status();
        progress->setRange(0, 4);
        progress->setValue(1);
        sums = ComputeTextChecksums(EncodeAnsi(MainSurface().text()),
                                    [progress](int step) { progress->setValue(step); });
    }
    (void)ShowMessageBox(ChecksumReport(sums), QStringLiteral("CRC"), MessageBoxButtons::Ok,
                         MessageBoxIcon::Information);
}

// The program as it was started, so another instance is the same program.
void openNextWindow() {
    if (Platform().instances->startSecondInstance(Program().AppFolder))
        return;
    const QString program = QCoreApplication::applicationFilePath();
    ReportError(ProgramError(FileNotFoundErrorNumber,
                             QStringLiteral("Další okno programu nelze spustit: ") + program,
                             program));
}

// Every window but the main one goes; what must outlive them (the colour
// rules, the settings with the autosave options) is kept program-wide.
void freeMemory() {
    QList<QPointer<QWidget>> loaded;
    for (QWidget* window : Platform().windows->windows())
        loaded.append(window);
    // A window may take others it owns with it: those are gone by their turn.
    for (const QPointer<QWidget>& window : loaded)
        if (window && window != MainForm::instance())
            Platform().windows->unload(window);
}

} // namespace

void RegisterFileCommands(CommandRegistry& commands) {
    commands.add(MenuId::mnuclean, NewDocument);
    commands.add(MenuId::mnunewclip, newFromClipboard);
    commands.add(MenuId::mnu_open_st, openStandard);
    commands.add(MenuId::Mnu_Reload_File, reloadFile);
    commands.add(MenuId::mnu_save_st, saveStandard);
    commands.add(MenuId::Mnu_SaveFast, saveFast);
    commands.add(MenuId::mnuulvyb, SaveSelectionAs);
    addWindowCommands(commands);
    commands.add(MenuId::mnudir, [] { (void)ChooseFileDialogFolder(MainForm::instance()); });
    commands.add(MenuId::mnu_crc, showChecksums);
    commands.add(MenuId::Mnu_Open_Next_Window, openNextWindow);
    commands.add(MenuId::Mnu_FreeMen, freeMemory);
    commands.add(MenuId::mnuprint, PrintDocument);
}

#include "shell/shell_commands.h"

#include "core/settings/app_version.h"
#include "core/text/editor_surface.h"
#include "core/text/literal_commands.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "shell/ProgramState.h"
#include "shell/browser/browser_commands.h"
#include "shell/command_registry.h"
#include "shell/dialogs/Visual.h"
#include "shell/files/document_files.h"
#include "shell/files/file_dialogs.h"
#include "shell/insert_commands.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/main_window/Toolbar.h"
#include "shell/main_window/editor_look.h"
#include "shell/shared_procedures.h"
#include "shell/start/Start.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QFrame>
#include <QStatusBar>
#include <QTabBar>

namespace {

bool confirmed(const QString& text, const QString& title) {
    MessageBoxRequest question;
    question.text = text;
    question.title = title;
    question.buttons = MessageBoxButtons::YesNo;
    question.icon = MessageBoxIcon::Exclamation;
    return Platform().messageBox->show(question, MainForm::instance()) == MessageBoxAnswer::Yes;
}

// Only after the user agreed to the new document: the old text is never
// replaced when the question is answered No.
void newFromClipboard() {
    if (NewDocument() && Platform().clipboard->hasText())
        MainSurface().setText(Platform().clipboard->text());
}

void reloadFile() {
    const QString& path = Program().CurrentFilePath;
    if (confirmed(QStringLiteral("Opravdu reload souboru ?\r\nZměny od posledního uložení "
                                 "\"%1\" Budou ztraceny!")
                      .arg(path),
                  QStringLiteral("Reload")))
        ReloadDocument(path);
}

void saveFast() {
    const QString path = Program().CurrentFilePath;
    if (confirmed(QStringLiteral("Opravdu uložit soubor?\r\n\"%1\"").arg(path),
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

// The start screen comes back with its menu frame; when the frame was gone
// the welcome lines are written afresh.
void showStartScreen() {
    Start& start = LoadedWindow<Start>();
    if (start.MenuFrame()->isHidden()) {
        start.showMenuFrame();
        start.setVersionText(AppVersionText());
    }
    ShowOwned(start);
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

void addFileCommands(CommandRegistry& commands) {
    commands.add(MenuId::mnuclean, NewDocument);
    commands.add(MenuId::mnunewclip, newFromClipboard);
    commands.add(MenuId::mnu_open_st, openStandard);
    commands.add(MenuId::Mnu_Reload_File, reloadFile);
    commands.add(MenuId::mnu_save_st, saveStandard);
    commands.add(MenuId::Mnu_SaveFast, saveFast);
    commands.add(MenuId::mnuulvyb, SaveSelectionAs);
    commands.add(MenuId::mnukopsoub, SaveSelectionAs);
}

void addBarCommands(CommandRegistry& commands) {
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

void addLookCommands(CommandRegistry& commands) {
    for (std::size_t i = 0; i < EditorFontSizeEntries.size(); ++i) {
        const int size = EditorFontSizes[i];
        commands.add(EditorFontSizeEntries[i], [size] { SetEditorFontSize(size); });
    }
    commands.add(MenuId::mnu_Text_Dos, ApplyDosLook);
}

void addLiteralCommands(CommandRegistry& commands) {
    for (const MenuEntry& item : MainMenuEntries()) {
        const std::optional<LiteralCommand> command =
            LiteralCommandFromEntry(QString::fromLatin1(item.name));
        if (command)
            commands.add(item.id, [command = *command] { RunLiteralCommand(command); });
    }
}

} // namespace

void RegisterShellWindowCommands(CommandRegistry& commands) {
    commands.addWindowCommand(MenuId::mnuquit, [](QMainWindow& window) { window.close(); });
    commands.add(MenuId::mnumore, [] { ShowOwned(LoadedWindow<Visual>()); });
    commands.add(MenuId::mnustart, showStartScreen);
}

void RegisterShellCommands(CommandRegistry& commands) {
    RegisterShellWindowCommands(commands);
    addFileCommands(commands);
    addBarCommands(commands);
    addLookCommands(commands);
    addLiteralCommands(commands);
    RegisterBrowserCommands(commands);
}

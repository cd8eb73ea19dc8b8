#include "shell/MainFormCommands.h"

#include "colour/colour_commands.h"
#include "html/html_commands.h"

#include "core/text/editor_surface.h"
#include "core/text/literal_commands.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "shell/MainForm.h"
#include "shell/MainMenu.h"
#include "shell/ProgramState.h"
#include "shell/Toolbar.h"
#include "shell/document_files.h"
#include "shell/editor_look.h"
#include "shell/file_dialogs.h"
#include "shell/insert_commands.h"
#include "shell/shared_procedures.h"

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

// The entry's check mark has already flipped when its command runs.
void connectBarToggle(MainMenu& menu, MenuId id, QWidget& bar) {
    QAction* item = menu.action(id);
    menu.connectCommand(id, [item, &bar] {
        bar.setVisible(item->isChecked());
        LayoutMainForm();
    });
}

void connectFileCommands(MainMenu& menu) {
    menu.connectCommand(MenuId::mnuclean, NewDocument);
    menu.connectCommand(MenuId::mnunewclip, newFromClipboard);
    menu.connectCommand(MenuId::mnu_open_st, openStandard);
    menu.connectCommand(MenuId::Mnu_Reload_File, reloadFile);
    menu.connectCommand(MenuId::mnu_save_st, saveStandard);
    menu.connectCommand(MenuId::Mnu_SaveFast, saveFast);
    menu.connectCommand(MenuId::mnuulvyb, SaveSelectionAs);
    menu.connectCommand(MenuId::mnukopsoub, SaveSelectionAs);
}

void connectWindowCommands(MainForm& form, MainMenu& menu, Toolbar& toolbar) {
    connectBarToggle(menu, MenuId::MnuTS, toolbar);
    connectBarToggle(menu, MenuId::MnuSBS, *form.statusBar());
    connectBarToggle(menu, MenuId::mnuFTS, *form.FileTab());
    QAction* onTop = menu.action(MenuId::MnuAllTop);
    menu.connectCommand(MenuId::MnuAllTop, [&form, onTop] {
        Program().AlwaysOnTop = !Program().AlwaysOnTop;
        SetAlwaysOnTop(form, Program().AlwaysOnTop);
        onTop->setChecked(Program().AlwaysOnTop);
    });
}

void connectLookCommands(MainMenu& menu) {
    const std::array<MenuId, 6> sizeItems{MenuId::mnu08, MenuId::mnu10, MenuId::mnu12,
                                          MenuId::mnu14, MenuId::mnu17, MenuId::mnu24};
    FontMenuItems items;
    for (std::size_t i = 0; i < sizeItems.size(); ++i) {
        items.sizes[i] = menu.action(sizeItems[i]);
        const int size = EditorFontSizes[i];
        menu.connectCommand(sizeItems[i], [size] { SetEditorFontSize(size); });
    }
    items.bold = menu.action(MenuId::mnuEditBold);
    items.italic = menu.action(MenuId::mnuitalic);
    SetFontMenuItems(items);
    menu.connectCommand(MenuId::mnu_Text_Dos, ApplyDosLook);
}

void connectLiteralCommands(MainMenu& menu) {
    for (const MenuEntry& item : MainMenuEntries()) {
        const std::optional<LiteralCommand> command =
            LiteralCommandFromEntry(QString::fromLatin1(item.name));
        if (command)
            menu.connectCommand(item.id, [command = *command] { RunLiteralCommand(command); });
    }
}

} // namespace

void ConnectMainFormCommands(MainForm& form, MainMenu& menu, Toolbar& toolbar) {
    connectFileCommands(menu);
    connectWindowCommands(form, menu, toolbar);
    connectLookCommands(menu);
    connectLiteralCommands(menu);
    ConnectColourCommands(menu);
    ConnectHtmlCommands(menu);
    toolbar.connectOpenRecent(OpenRecentFile);
    SetRecentMenuFiller(
        [&toolbar](const std::array<QString, 10>& files) { toolbar.FillRecentMenu(files); });
}

#include "shell/edit/edit_commands.h"

#include "core/text/ansi_code_page.h"
#include "core/text/editor_procedures.h"
#include "core/text/editor_surface.h"
#include "platform/platform.h"
#include "shell/ProgramState.h"
#include "shell/browser/browser_procedures.h"
#include "shell/command_registry.h"
#include "shell/edit/selection_commands.h"
#include "shell/files/document_files.h"
#include "shell/files/file_dialogs.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"

namespace {

ClipboardService& clipboard() {
    return *Platform().clipboard;
}

void saveCheckpoint() {
    Program().CheckpointText = MainSurface().text();
}

// Nothing to ask about while no checkpoint exists.
void restoreCheckpoint() {
    if (Program().CheckpointText.isEmpty())
        return;
    if (Confirmed(QStringLiteral("Opravdu vše vrátit ?"), QStringLiteral("Checkpoint")))
        MainSurface().replaceText(Program().CheckpointText);
}

void copySelection() {
    clipboard().setText(MainSurface().selText());
}

void cutSelection() {
    copySelection();
    // With nothing selected there is nothing to remove, and no change to mark.
    if (MainSurface().selLength() > 0)
        MainSurface().setSelText(QString());
}

void copyAll() {
    clipboard().setText(MainSurface().text());
}

// Pasting over a selection inserts before it; the selection stays in the text.
void paste() {
    EditorSurface& surface = MainSurface();
    surface.setSelLength(0);
    if (clipboard().hasText())
        InsertAtCaret(surface, clipboard().text());
}

void replaceAllByClipboard() {
    if (!Confirmed(QStringLiteral("Opravdu vše nahradit textem ze schránky ?"),
                   QStringLiteral("Vložení")))
        return;
    MainSurface().replaceText(clipboard().hasText() ? clipboard().text() : QString());
}

// The file's text replaces the selection; the document keeps its own path.
void insertFromFile() {
    const QString path = ShowOpenDialog(DocumentFileFilter, MainForm::instance());
    if (path.isEmpty())
        return;
    const std::optional<QString> text = ReadInsertedText(path);
    if (!text)
        return;
    MainSurface().setSelText(*text);
    AddRecentFile(path);
}

void selectAll() {
    EditorSurface& surface = MainSurface();
    surface.setSelStart(0);
    surface.setSelLength(surface.textLength());
}

void clearClipboard() {
    clipboard().clear();
}

} // namespace

QString WriteCheckpointFile() {
    return WriteTempFile(QStringLiteral("txt"), EncodeAnsi(Program().CheckpointText));
}

void RegisterEditCommands(CommandRegistry& commands) {
    using enum MenuId;
    commands.add(mnu_chp_s, saveCheckpoint);
    commands.add(mnu_chp_r, restoreCheckpoint);
    commands.add(mnu_chp_v, [] { ShowFileInBrowser(WriteCheckpointFile()); });
    commands.add(mnucut, cutSelection);
    commands.add(mnucopysel, copySelection);
    commands.add(mnucopy, copyAll);
    commands.add(MnuAdd, paste);
    commands.add(mnuinsert, replaceAllByClipboard);
    commands.add(mnuzesouboru, insertFromFile);
    commands.add(mnuallselect, selectAll);
    commands.add(mnuclearclip, clearClipboard);
    AddSelectionCommands(commands);
}

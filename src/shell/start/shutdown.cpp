#include "shell/start/shutdown.h"

#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/surface/RichEditSurface.h"
#include "shell/ProgramState.h"
#include "shell/files/exit_autosave.h"
#include "shell/main_window/DocumentTabs.h"
#include "shell/main_window/MainForm.h"
#include "shell/start/settings_saving.h"

namespace {

bool userConfirmsLosingChanges(MainForm& form, int modified) {
    MessageBoxRequest question;
    question.text = QStringLiteral("%1 neuložené zněněné soubory! Opravdu konec?").arg(modified);
    question.title = QStringLiteral("Konec");
    question.buttons = MessageBoxButtons::YesNo;
    question.icon = MessageBoxIcon::Exclamation;
    return Platform().messageBox->show(question, &form) == MessageBoxAnswer::Yes;
}

} // namespace

bool ConfirmShutdown(MainForm& form) {
    // Before start-up has put the last session into the window, the window
    // holds first-run values and empty texts: saving them would destroy it.
    if (Program().SessionLoading) {
        EndTheProgram();
        return true;
    }
    SaveSettings();
    WriteExitAutosaveFiles(Program().AppFolder, form.documents().texts());
    const int modified = form.documents().modifiedCount();
    if (modified > 0 && !userConfirmsLosingChanges(form, modified))
        return false;
    EndTheProgram();
    return true;
}

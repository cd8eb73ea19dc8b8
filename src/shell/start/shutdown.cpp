#include "shell/start/shutdown.h"

#include "core/files/shared_files_lock.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/unattended_message_box.h"
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

// Writes the settings and every tab's text back to their files. Before
// start-up has put the last session into the window, the window holds
// first-run values and empty texts: saving them would destroy that session,
// so nothing is written and false is returned.
bool saveSession(MainForm& form) {
    if (Program().SessionLoading)
        return false;
    // Another copy ending at the same moment writes the same files.
    const SharedFilesLock lock(Program().AppFolder);
    SaveSettingsAtExit();
    WriteExitAutosaveFiles(Program().AppFolder, form.documents().texts(), Program().Documents);
    return true;
}

} // namespace

bool ConfirmShutdown(MainForm& form) {
    if (saveSession(form)) {
        const int modified = form.documents().modifiedCount();
        if (modified > 0 && !userConfirmsLosingChanges(form, modified))
            return false;
    }
    EndTheProgram();
    return true;
}

void EndWithTheDesktopSession() {
    // Nobody answers a box any more: a failed write is told on standard
    // error and the next file is still tried, so the program ends at once.
    AnswerEveryBoxUnattended();
    // The calculator or the browser alone saves nothing at its end.
    MainForm* form = MainForm::instance();
    if (form && Program().StartMode.isEmpty())
        (void)saveSession(*form);
    EndTheProgram();
}

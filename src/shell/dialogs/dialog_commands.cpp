#include "shell/dialogs/dialog_commands.h"

#include "core/settings/app_version.h"
#include "shell/command_registry.h"
#include "shell/dialogs/O.h"
#include "shell/dialogs/Pass.h"
#include "shell/dialogs/Visual.h"
#include "shell/main_window/editor_look.h"
#include "shell/start/Start.h"
#include "shell/window_instances.h"

#include <QFrame>

namespace {

// The start screen comes back with its menu frame, above the main window;
// when the frame was gone the welcome lines are written afresh.
void showStartScreen() {
    Start& start = LoadedWindow<Start>();
    if (start.MenuFrame()->isHidden()) {
        start.showMenuFrame();
        start.setVersionText(AppVersionText());
    }
    start.ownByMainWindow();
    ShowOwned(start);
}

} // namespace

void RegisterDialogCommands(CommandRegistry& commands) {
    commands.add(MenuId::mnumore, [] { ShowOwned(LoadedWindow<Visual>()); });
    commands.add(MenuId::mnustart, showStartScreen);
    commands.add(MenuId::Mnu_Lock, LockProgram);
    commands.add(MenuId::mnuabout, [] { ShowOwned(LoadedWindow<O>()); });
    commands.add(MenuId::mnu_Text_Dos, ApplyDosLook);
}

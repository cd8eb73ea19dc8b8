#include "shell/files/file_windows.h"

#include "shell/command_registry.h"
#include "shell/files/Otevri.h"
#include "shell/files/Uloz.h"
#include "shell/window_instances.h"

void RegisterFileWindowCommands(CommandRegistry& commands) {
    commands.add(MenuId::mnuopen, [] { ShowOwned(LoadedWindow<Otevri>()); });
    commands.add(MenuId::mnusave, [] { ShowOwned(LoadedWindow<Uloz>()); });
}

void PresetSaveWindow(const QString& path) {
    // Without the program's window collection (a test of the documents
    // alone) there is no window to preset.
    if (path.isEmpty() || Platform().windows == nullptr)
        return;
    LoadedWindow<Uloz>().presetDocument(path);
}

void ShowFolderInFileWindows(const QString& folder) {
    if (folder.isEmpty() || Platform().windows == nullptr)
        return;
    (void)LoadedWindow<Uloz>().showFolder(folder);
    (void)LoadedWindow<Otevri>().showFolder(folder);
}

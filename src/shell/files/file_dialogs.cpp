#include "shell/files/file_dialogs.h"

#include "platform/file_dialogs_service.h"
#include "platform/platform.h"
#include "shell/ProgramState.h"
#include "shell/files/file_windows.h"

#include <QFileInfo>

namespace {

[[nodiscard]] FileDialogRequest RequestFor(const QString& filter) {
    const QString& path = Program().CurrentFilePath;
    return {filter, path.isEmpty() ? QString() : QFileInfo(path).absolutePath()};
}

} // namespace

QString ShowOpenDialog(const QString& filter, QWidget* owner) {
    return Platform().fileDialogs->openFile(RequestFor(filter), owner);
}

QString ShowSaveDialog(const QString& filter, QWidget* owner) {
    return Platform().fileDialogs->saveFile(RequestFor(filter), owner);
}

QString ChooseFileDialogFolder(QWidget* owner) {
    const QString folder = Platform().fileDialogs->chooseFolder(
        QStringLiteral("Vyberte složku a stisněte OK."), owner);
    ShowFolderInFileWindows(folder);
    return folder;
}

#include "platform/file_dialogs_service.h"

#include "core/files/file_filter.h"
#include "platform/modal_turn.h"

#include <QDir>
#include <QFileDialog>

namespace {

// Qt's own dialog behaves the same on every desktop, so tests can drive it.
void SetUp(QFileDialog& dialog, const QString& startFolder) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDirectory(startFolder.isEmpty() ? QDir::currentPath() : startFolder);
}

void SetFilter(QFileDialog& dialog, const QString& filter) {
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = QtNameFilters(filter);
    if (filters.isEmpty())
        return;
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.first());
}

[[nodiscard]] QString Run(QFileDialog& dialog) {
    if (ExecForOpener(dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

QString QtFileDialogService::openFile(const FileDialogRequest& request, QWidget* owner) {
    QFileDialog dialog(owner);
    SetUp(dialog, request.startFolder);
    SetFilter(dialog, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Run(dialog);
}

// Qt asks before overwriting an existing file; no suffix is added to a bare name.
QString QtFileDialogService::saveFile(const FileDialogRequest& request, QWidget* owner) {
    QFileDialog dialog(owner);
    SetUp(dialog, request.startFolder);
    SetFilter(dialog, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    return Run(dialog);
}

QString QtFileDialogService::chooseFolder(const QString& title, QWidget* owner) {
    QFileDialog dialog(owner, title);
    SetUp(dialog, QString());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return Run(dialog);
}

#include "platform/testing/scripted_file_dialogs.h"

QString ScriptedFileDialogs::openFile(const FileDialogRequest& request, QWidget* owner) {
    openRequests.append({request, owner});
    return next(openAnswers);
}

QString ScriptedFileDialogs::saveFile(const FileDialogRequest& request, QWidget* owner) {
    saveRequests.append({request, owner});
    return next(saveAnswers);
}

QString ScriptedFileDialogs::chooseFolder(const QString& title, QWidget* owner) {
    folderRequests.append({title, owner});
    return next(folderAnswers);
}

QString ScriptedFileDialogs::next(QStringList& answers) {
    if (answers.isEmpty()) {
        ++unanswered;
        return {};
    }
    return answers.takeFirst();
}

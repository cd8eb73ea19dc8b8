#pragma once

#include "platform/file_dialogs_service.h"

#include <QList>
#include <QStringList>

// Answers file dialogs with queued paths ("" = cancel) and records every request.
// With a queue empty the dialog is cancelled and counts as unanswered.
class ScriptedFileDialogs : public FileDialogService {
public:
    struct Opened {
        FileDialogRequest request;
        QWidget* owner = nullptr;
    };
    struct FolderChosen {
        QString title;
        QWidget* owner = nullptr;
    };

    QString openFile(const FileDialogRequest& request, QWidget* owner) override;
    QString saveFile(const FileDialogRequest& request, QWidget* owner) override;
    QString chooseFolder(const QString& title, QWidget* owner) override;

    QStringList openAnswers;
    QStringList saveAnswers;
    QStringList folderAnswers;

    QList<Opened> openRequests;
    QList<Opened> saveRequests;
    QList<FolderChosen> folderRequests;
    int unanswered = 0;

private:
    [[nodiscard]] QString next(QStringList& answers);
};

#pragma once

#include <QString>

class QWidget;

struct FileDialogRequest {
    // The program's "|"-separated description/pattern pairs; see QtNameFilters.
    QString filter;
    // Empty: the process's current folder.
    QString startFolder;
};

// Each call returns the chosen path, or "" when cancelled.
class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    virtual QString openFile(const FileDialogRequest& request, QWidget* owner) = 0;
    virtual QString saveFile(const FileDialogRequest& request, QWidget* owner) = 0;
    virtual QString chooseFolder(const QString& title, QWidget* owner) = 0;
};

class QtFileDialogService : public FileDialogService {
public:
    QString openFile(const FileDialogRequest& request, QWidget* owner) override;
    QString saveFile(const FileDialogRequest& request, QWidget* owner) override;
    QString chooseFolder(const QString& title, QWidget* owner) override;
};

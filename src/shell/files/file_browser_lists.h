#pragma once

#include <QListWidget>
#include <QObject>
#include <QStringList>

class QComboBox;
class QDialog;
class QPushButton;

// The folder list Dir1: the folders from the root down to the open folder,
// then the folders inside it. The arrow keys move the highlight without
// opening; Enter or a double click opens the highlighted folder.
class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent);

    // The open folder, without a trailing "/" (the root is "/").
    [[nodiscard]] QString path() const { return m_path; }
    // Opens folder and lists it. Throws ProgramError when it cannot be read;
    // the list then stays as it was.
    void setPath(const QString& folder);
    // The folder under the highlight; the open folder when none is.
    [[nodiscard]] QString highlightedPath() const;

Q_SIGNALS:
    void pathChanged(const QString& path);
    void keyReleased(int key);
    void focusEntered();
    void focusLeft();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Opens the highlighted folder; a folder that cannot be read is reported.
    void openHighlighted();

    QString m_path;
};

// The file list File1: the files of a folder that match a pattern. A click,
// or moving to a file with the keys, tells which file the user chose.
class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent);

    [[nodiscard]] QString path() const { return m_path; }
    [[nodiscard]] QString pattern() const { return m_pattern; }
    // A folder that cannot be read shows no files.
    void setPath(const QString& folder);
    void setPattern(const QString& pattern);
    // The chosen file's name; "" when none is.
    [[nodiscard]] QString fileName() const;

Q_SIGNALS:
    void fileClicked(const QString& name);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refresh();

    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
};

// The drive, folder and file lists of the open and save windows, tied
// together: a drive opens its folder, the file list follows the open folder
// and the folder highlighted with the keys, and while the folder list has the
// focus the window's default button steps back so Enter acts in the list.
class FileBrowserLists : public QObject {
    Q_OBJECT
public:
    // Makes the lists in window, showing the program's current folder.
    FileBrowserLists(QDialog& window, QPushButton& defaultButton);

    [[nodiscard]] QComboBox* Drive1() const { return m_drive1; }
    [[nodiscard]] FolderList* Dir1() const { return m_dir1; }
    [[nodiscard]] FileList* File1() const { return m_file1; }
    [[nodiscard]] const QStringList& drives() const { return m_drives; }

    // The drive list's choice: the folder list opens drive. A drive that
    // cannot be read is reported, and both lists go back to the root.
    void chooseDrive(const QString& drive);
    // Shows folder in the lists, with its drive chosen in the drive list. A
    // folder that cannot be read changes nothing, and false says so.
    bool showFolder(const QString& folder);

Q_SIGNALS:
    // The folder list opened another folder.
    void folderChanged();

private:
    void showDrive(const QString& drive);

    QComboBox* m_drive1 = nullptr;
    FolderList* m_dir1 = nullptr;
    FileList* m_file1 = nullptr;
    QStringList m_drives;
};

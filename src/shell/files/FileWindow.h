#pragma once

#include <QDialog>
#include <QRect>

class FileBrowserLists;
class FileList;
class FolderList;
class QComboBox;
class QPushButton;

// What the open and save windows share: the drive, folder and file lists,
// the action button Command1 (the default button, disabled until there is
// something to act on) and Storno, Command2, which hides the window as Esc
// does.
class FileWindow : public QDialog {
    Q_OBJECT
public:
    // Shows folder in the drive and folder lists; one that cannot be read
    // changes nothing, and false says so.
    bool showFolder(const QString& folder);

    [[nodiscard]] QComboBox* Drive1() const;
    [[nodiscard]] FolderList* Dir1() const;
    [[nodiscard]] FileList* File1() const;
    [[nodiscard]] QPushButton* Command1() const { return m_command1; }
    [[nodiscard]] QPushButton* Command2() const { return m_command2; }

protected:
    // Command1 reads action and Command2 "&Storno", side by side from
    // buttonsPlace's left, each of its size.
    FileWindow(QWidget* parent, const QString& action, const QRect& buttonsPlace);

    [[nodiscard]] FileBrowserLists& lists() const { return *m_lists; }
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    FileBrowserLists* m_lists = nullptr;
};

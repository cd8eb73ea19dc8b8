#include "shell/files/FileWindow.h"

#include "platform/default_button.h"
#include "platform/named_control.h"
#include "platform/tab_order.h"
#include "shell/files/file_browser_lists.h"

#include <QPushButton>

namespace {
constexpr int ButtonGap = 8;
}

FileWindow::FileWindow(QWidget* parent, const QString& action, const QRect& buttonsPlace)
    : QDialog(parent) {
    m_command1 = MakeNamed<QPushButton>(this, QStringLiteral("Command1"),
                                        {.text = action, .place = buttonsPlace});
    m_command1->setDefault(true);
    m_command1->setEnabled(false);
    m_command2 = MakeNamed<QPushButton>(
        this, QStringLiteral("Command2"),
        {.text = QStringLiteral("&Storno"),
         .place = buttonsPlace.translated(buttonsPlace.width() + ButtonGap, 0)});
    m_command2->setAutoDefault(false);
    connect(m_command2, &QPushButton::clicked, this, &QDialog::hide);
    m_lists = new FileBrowserLists(*this, *m_command1);
}

bool FileWindow::showFolder(const QString& folder) {
    return m_lists->showFolder(folder);
}

QComboBox* FileWindow::Drive1() const {
    return m_lists->Drive1();
}

FolderList* FileWindow::Dir1() const {
    return m_lists->Dir1();
}

FileList* FileWindow::File1() const {
    return m_lists->File1();
}

void FileWindow::showEvent(QShowEvent* event) {
    SetReadingTabOrder(*this);
    PassEnterAndEscFromCombos(*this);
    QDialog::showEvent(event);
    FocusDefaultButtonOnShow(*this, *m_command1);
}

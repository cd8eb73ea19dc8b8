#include "shell/files/file_browser_lists.h"

#include "core/files/file_lists.h"
#include "core/text/program_error.h"
#include "platform/named_control.h"
#include "shell/shared_procedures.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>

namespace {

constexpr int PathRole = Qt::UserRole;
const QString Root = QStringLiteral("/");
const QString Indent = QStringLiteral("   ");

// The mounted volumes that are folders (a file mounted over a file is no
// drive), the root first, and the user's home folder.
QStringList mountedDrives() {
    QStringList points;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir())
            points.append(volume.rootPath());
    }
    return DriveListEntries(points, QDir::homePath());
}

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemDoubleClicked, this, &FolderList::openHighlighted);
}

void FolderList::setPath(const QString& folder) {
    const QString clean = ListFolderPath(folder);
    const QList<FolderListEntry> entries = FolderListEntries(clean, ListFolders(clean));
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    {
        // Rebuilding the list moves no highlight the user should hear of.
        const QSignalBlocker quiet(this);
        clear();
        for (const FolderListEntry& entry : entries) {
            auto* item = new QListWidgetItem(entry.open ? openIcon : closedIcon,
                                             Indent.repeated(entry.depth) + entry.label, this);
            item->setData(PathRole, entry.path);
            if (entry.path == clean)
                setCurrentItem(item);
        }
    }
    const bool changed = clean != m_path;
    m_path = clean;
    if (changed)
        Q_EMIT pathChanged(m_path);
}

QString FolderList::highlightedPath() const {
    const QListWidgetItem* item = currentItem();
    return item ? item->data(PathRole).toString() : m_path;
}

void FolderList::openHighlighted() {
    const QString target = highlightedPath();
    if (target == m_path)
        return;
    try {
        setPath(target);
    } catch (const ProgramError& error) {
        ReportError(error);
    }
}

void FolderList::keyPressEvent(QKeyEvent* event) {
    // Enter belongs to the list: it opens the folder instead of reaching the
    // window's default button.
    if (isEnter(event->key())) {
        openHighlighted();
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void FolderList::keyReleaseEvent(QKeyEvent* event) {
    QListWidget::keyReleaseEvent(event);
    Q_EMIT keyReleased(event->key());
}

void FolderList::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    Q_EMIT focusEntered();
}

void FolderList::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    Q_EMIT focusLeft();
}

FileList::FileList(QWidget* parent) : QListWidget(parent) {}

void FileList::setPath(const QString& folder) {
    m_path = ListFolderPath(folder);
    refresh();
}

void FileList::setPattern(const QString& pattern) {
    m_pattern = pattern;
    refresh();
}

QString FileList::fileName() const {
    const QListWidgetItem* item = currentItem();
    return item ? item->text() : QString();
}

void FileList::refresh() {
    QStringList names;
    try {
        names = ListFiles(m_path, m_pattern);
    } catch (const ProgramError&) {
        // A folder only highlighted, not opened, may be closed to the user:
        // it shows no files, and opening it tells why.
    }
    const QSignalBlocker quiet(this);
    clear();
    addItems(names);
}

void FileList::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (const QListWidgetItem* item = itemAt(event->position().toPoint()))
        Q_EMIT fileClicked(item->text());
}

void FileList::keyPressEvent(QKeyEvent* event) {
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentItem() != nullptr)
        Q_EMIT fileClicked(currentItem()->text());
}

FileBrowserLists::FileBrowserLists(QDialog& window, QPushButton& defaultButton)
    : QObject(&window), m_drives(mountedDrives()) {
    m_drive1 = MakeNamed<QComboBox>(&window, QStringLiteral("Drive1"));
    m_drive1->addItems(m_drives);
    m_dir1 = MakeNamed<FolderList>(&window, QStringLiteral("Dir1"));
    m_file1 = MakeNamed<FileList>(&window, QStringLiteral("File1"));

    connect(m_drive1, &QComboBox::activated, this,
            [this](int index) { chooseDrive(m_drive1->itemText(index)); });
    connect(m_dir1, &FolderList::pathChanged, this, [this](const QString& path) {
        m_file1->setPath(path);
        Q_EMIT folderChanged();
    });
    // Every key released comes here (Shift, Tab, an arrow at the list's end):
    // the files are read again only when the highlight reached another folder.
    connect(m_dir1, &FolderList::keyReleased, this, [this] {
        const QString highlighted = ListFolderPath(m_dir1->highlightedPath());
        if (highlighted != m_file1->path())
            m_file1->setPath(highlighted);
    });
    QPushButton* button = &defaultButton;
    connect(m_dir1, &FolderList::focusEntered, button, [button] { button->setDefault(false); });
    connect(m_dir1, &FolderList::focusLeft, button, [button] { button->setDefault(true); });

    if (!showFolder(QDir::currentPath()))
        (void)showFolder(Root);
}

void FileBrowserLists::chooseDrive(const QString& drive) {
    try {
        m_dir1->setPath(drive);
        showDrive(drive);
    } catch (const ProgramError& error) {
        ReportError(error);
        (void)showFolder(Root);
    }
}

bool FileBrowserLists::showFolder(const QString& folder) {
    try {
        m_dir1->setPath(folder);
    } catch (const ProgramError&) {
        return false;
    }
    showDrive(DriveOfPath(m_drives, m_dir1->path()));
    return true;
}

void FileBrowserLists::showDrive(const QString& drive) {
    const QSignalBlocker quiet(m_drive1);
    m_drive1->setCurrentIndex(std::max(0, m_drive1->findText(drive)));
}

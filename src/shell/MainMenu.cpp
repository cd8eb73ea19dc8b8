#include "shell/MainMenu.h"

#include "core/settings/app_version.h"
#include "platform/SurfaceTextEdit.h"
#include "shell/Start.h"
#include "shell/Visual.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFrame>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

std::size_t slot(MenuId id) {
    return static_cast<std::size_t>(MenuIndex(id));
}

QString captionOf(const MenuEntry& entry) {
    return QString::fromUtf16(entry.caption);
}

// Shown modeless above the main window, keeping what its last use left.
void showOwned(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

// The start screen comes back with its menu frame; when the frame was gone
// the welcome lines are written afresh.
void showStartScreen() {
    Start& start = LoadedWindow<Start>();
    if (start.MenuFrame()->isHidden()) {
        start.showMenuFrame();
        start.setVersionText(AppVersionText());
    }
    showOwned(start);
}

} // namespace

MainMenu::MainMenu(QMainWindow& window, SurfaceTextEdit& editor, QWidget& statusBar,
                   QWidget& fileTab)
    : QObject(&window), m_menuBar(new QMenuBar(&window)) {
    m_menuBar->setObjectName(QStringLiteral("MainMenuBar"));
    window.setMenuBar(m_menuBar);
    buildEntries();
    popUpOnRightClick(statusBar);
    popUpOnRightClick(fileTab);
    connect(&editor, &SurfaceTextEdit::middleButtonClicked, this,
            [this](const QPoint& globalPosition) { selectionMenu()->popup(globalPosition); });
    wireExistingCommands(window);
}

QAction* MainMenu::action(MenuId id) const {
    return m_actions[slot(id)];
}

QMenu* MainMenu::menu(MenuId id) const {
    return m_menus[slot(id)];
}

void MainMenu::connectCommand(MenuId id, std::function<void()> command) {
    Q_ASSERT(MainMenuEntry(id).kind == MenuEntryKind::Command);
    m_commands[slot(id)] = std::move(command);
    action(id)->setEnabled(true);
    Q_EMIT commandConnected(id);
}

bool MainMenu::hasCommand(MenuId id) const {
    return static_cast<bool>(m_commands[slot(id)]);
}

void MainMenu::runCommand(MenuId id) const {
    // A copy, so a command that replaces itself does not pull the rug away.
    if (const std::function<void()> command = m_commands[slot(id)])
        command();
}

void MainMenu::popUpOnRightClick(QWidget& widget) {
    // A filter, because a disabled button swallows the request before any
    // context-menu policy of its own is asked.
    widget.installEventFilter(this);
    m_popUpWidgets.insert(&widget);
}

bool MainMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ContextMenu || !m_popUpWidgets.contains(watched))
        return false;
    popUpMenu()->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
    event->accept();
    return true;
}

void MainMenu::buildEntries() {
    for (const MenuEntry& entry : MainMenuEntries())
        addEntry(entry);
}

void MainMenu::addEntry(const MenuEntry& entry) {
    const QString name = QString::fromLatin1(entry.name);
    QMenu* parent = entry.parent ? menu(*entry.parent) : nullptr;
    QAction* action = nullptr;
    switch (entry.kind) {
    case MenuEntryKind::Menu: {
        QMenu* submenu =
            parent ? parent->addMenu(captionOf(entry)) : m_menuBar->addMenu(captionOf(entry));
        submenu->setObjectName(name);
        m_menus[slot(entry.id)] = submenu;
        action = submenu->menuAction();
        break;
    }
    case MenuEntryKind::Separator:
        action = parent->addSeparator();
        break;
    case MenuEntryKind::Command:
        action = new QAction(captionOf(entry), parent);
        action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setCheckable(entry.checkable);
        action->setChecked(entry.checked);
        action->setEnabled(false);
        parent->addAction(action);
        connect(action, &QAction::triggered, this, [this, id = entry.id] { runCommand(id); });
        break;
    }
    action->setObjectName(name);
    m_actions[slot(entry.id)] = action;
}

void MainMenu::wireExistingCommands(QMainWindow& window) {
    connectCommand(MenuId::mnuquit, [&window] { window.close(); });
    connectCommand(MenuId::mnumore, [] { showOwned(LoadedWindow<Visual>()); });
    connectCommand(MenuId::mnustart, showStartScreen);
}

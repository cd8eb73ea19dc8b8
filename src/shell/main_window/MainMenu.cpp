#include "shell/main_window/MainMenu.h"

#include "platform/surface/SurfaceTextEdit.h"

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

} // namespace

MainMenu::MainMenu(QMainWindow& window, SurfaceTextEdit& editor, QWidget& statusBar,
                   QWidget& fileTab, const CommandRegistry& commands)
    : QObject(&window), m_window(window), m_commands(commands), m_menuBar(new QMenuBar(&window)) {
    m_menuBar->setObjectName(QStringLiteral("MainMenuBar"));
    window.setMenuBar(m_menuBar);
    buildEntries();
    popUpOnRightClick(statusBar);
    popUpOnRightClick(fileTab);
    connect(&editor, &SurfaceTextEdit::middleButtonClicked, this,
            [this](const QPoint& globalPosition) { selectionMenu()->popup(globalPosition); });
    connect(&commands, &CommandRegistry::added, this, &MainMenu::commandAdded);
}

QAction* MainMenu::action(MenuId id) const {
    return m_actions[slot(id)];
}

QMenu* MainMenu::menu(MenuId id) const {
    return m_menus[slot(id)];
}

void MainMenu::commandAdded(MenuId id) {
    action(id)->setEnabled(true);
    Q_EMIT commandConnected(id);
}

bool MainMenu::hasCommand(MenuId id) const {
    return m_commands.has(id);
}

void MainMenu::runCommand(MenuId id) const {
    m_commands.run(id, m_window);
}

void MainMenu::enableByRule(EnableRule rule, bool holds) {
    for (const MenuEntry& entry : MainMenuEntries()) {
        if (entry.kind == MenuEntryKind::Separator || m_commands.rule(entry.id) != rule)
            continue;
        const bool hasWork = entry.kind == MenuEntryKind::Menu || hasCommand(entry.id);
        action(entry.id)->setEnabled(holds && hasWork);
    }
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
        action->setEnabled(m_commands.has(entry.id));
        parent->addAction(action);
        connect(action, &QAction::triggered, this, [this, id = entry.id] { runCommand(id); });
        break;
    }
    action->setObjectName(name);
    m_actions[slot(entry.id)] = action;
}

#pragma once

#include "shell/command_registry.h"
#include "shell/main_window/main_menu_table.h"

#include <QObject>
#include <QSet>
#include <array>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QWidget;
class SurfaceTextEdit;

// The main window's menu bar, built whole from the menu table, and its two
// pop-up menus. Each command entry runs the work the command registry holds
// for it; until something registers that work the entry stays present but
// disabled, whatever else happens. Submenus and separators are enabled unless
// a rule says otherwise. Shortcuts belong to the main window, so they work
// while the editor has the focus; a disabled entry leaves its key to the
// editor.
//
// A checkable entry flips its own check mark before its command runs; the
// command reads the new state from action(id)->isChecked().
class MainMenu : public QObject {
    Q_OBJECT
public:
    // Builds the bar into window (which owns it). MnuPopUp pops up on a right
    // click over statusBar and fileTab, MnuSel on a middle click in editor.
    MainMenu(QMainWindow& window, SurfaceTextEdit& editor, QWidget& statusBar, QWidget& fileTab,
             const CommandRegistry& commands);

    [[nodiscard]] QMenuBar* menuBar() const { return m_menuBar; }
    // The entry's action; for a submenu, its menu action.
    [[nodiscard]] QAction* action(MenuId id) const;
    // The menu of a submenu or top-menu entry; nullptr for the others.
    [[nodiscard]] QMenu* menu(MenuId id) const;
    // "Úpravy okna", the pop-up of the bars.
    [[nodiscard]] QMenu* popUpMenu() const { return menu(MenuId::MnuPopUp); }
    // "Vybraný text", the pop-up of the editor.
    [[nodiscard]] QMenu* selectionMenu() const { return menu(MenuId::MnuSel); }

    [[nodiscard]] bool hasCommand(MenuId id) const;
    // Runs the entry's command even while the entry is disabled, as a toolbar
    // button standing for it does; nothing when it has none.
    void runCommand(MenuId id) const;

    // A right click over widget pops up MnuPopUp at the mouse.
    void popUpOnRightClick(QWidget& widget);

    // Enables or disables every entry that follows rule; a command entry is
    // enabled only when it has work.
    void enableByRule(EnableRule rule, bool holds);

Q_SIGNALS:
    void commandConnected(MenuId id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildEntries();
    void addEntry(const MenuEntry& entry);
    void commandAdded(MenuId id);

    QMainWindow& m_window;
    const CommandRegistry& m_commands;
    QMenuBar* m_menuBar = nullptr;
    std::array<QAction*, MenuEntryCount> m_actions = {};
    std::array<QMenu*, MenuEntryCount> m_menus = {};
    QSet<const QObject*> m_popUpWidgets;
};

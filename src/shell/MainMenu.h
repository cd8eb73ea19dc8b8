#pragma once

#include "shell/main_menu_table.h"

#include <QObject>
#include <QSet>
#include <array>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QWidget;
class SurfaceTextEdit;

// The main window's menu bar, built whole from the menu table, and its two
// pop-up menus. Controllers wire their commands in with connectCommand; until
// then an entry stays present but disabled. Submenus and separators are always
// enabled. Shortcuts belong to the main window, so they work while the editor
// has the focus.
//
// A checkable entry flips its own check mark before its command runs; the
// command reads the new state from action(id)->isChecked().
class MainMenu : public QObject {
    Q_OBJECT
public:
    // Builds the bar into window (which owns it). MnuPopUp pops up on a right
    // click over statusBar and fileTab, MnuSel on a middle click in editor.
    MainMenu(QMainWindow& window, SurfaceTextEdit& editor, QWidget& statusBar, QWidget& fileTab);

    [[nodiscard]] QMenuBar* menuBar() const { return m_menuBar; }
    // The entry's action; for a submenu, its menu action.
    [[nodiscard]] QAction* action(MenuId id) const;
    // The menu of a submenu or top-menu entry; nullptr for the others.
    [[nodiscard]] QMenu* menu(MenuId id) const;
    // "Úpravy okna", the pop-up of the bars.
    [[nodiscard]] QMenu* popUpMenu() const { return menu(MenuId::MnuPopUp); }
    // "Vybraný text", the pop-up of the editor.
    [[nodiscard]] QMenu* selectionMenu() const { return menu(MenuId::MnuSel); }

    // Makes command the work of entry id (replacing any before) and enables
    // the entry. Only commands take one.
    void connectCommand(MenuId id, std::function<void()> command);
    [[nodiscard]] bool hasCommand(MenuId id) const;
    // Runs the entry's command even while the entry is disabled, as a toolbar
    // button standing for it does; nothing when it has none.
    void runCommand(MenuId id) const;

    // A right click over widget pops up MnuPopUp at the mouse.
    void popUpOnRightClick(QWidget& widget);

Q_SIGNALS:
    void commandConnected(MenuId id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildEntries();
    void addEntry(const MenuEntry& entry);
    void wireExistingCommands(QMainWindow& window);

    QMenuBar* m_menuBar = nullptr;
    std::array<QAction*, MenuEntryCount> m_actions = {};
    std::array<QMenu*, MenuEntryCount> m_menus = {};
    std::array<std::function<void()>, MenuEntryCount> m_commands;
    QSet<const QObject*> m_popUpWidgets;
};

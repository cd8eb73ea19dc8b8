#pragma once

#include <QList>
#include <QToolBar>
#include <array>
#include <functional>

class MainMenu;
class QMainWindow;
class QMenu;

// One button's place on the toolbar as the user arranged it.
struct ToolbarPlace {
    QString key;
    bool shown = true;

    friend bool operator==(const ToolbarPlace&, const ToolbarPlace&) = default;
};

// The main window's toolbar Toolbar1. Every button carries a key and one
// handler dispatches on it; "Recent" and "Colors" also drop down a menu whose
// items a second handler dispatches. Every button but "Recent" stands for a
// menu entry: it runs that entry's command and is enabled once it has one.
// "Recent" and its items go through the openRecent hook.
class Toolbar : public QToolBar {
    Q_OBJECT
public:
    static constexpr int ButtonCount = 23;
    static constexpr int RecentCount = 10;
    static constexpr int ColorItemCount = 3;

    // Puts itself at the top of window. A right click over it pops up the
    // menu's MnuPopUp.
    Toolbar(QMainWindow& window, MainMenu& menu);

    // The button with key, exactly as spelled; nullptr for an unknown key.
    [[nodiscard]] QAction* button(const QString& key) const;
    [[nodiscard]] QMenu* recentMenu() const { return m_recentMenu; }
    [[nodiscard]] QMenu* colorsMenu() const { return m_colorsMenu; }
    // Drop-down item 1 to 10 of "Recent" (keys "M1" to "M10").
    [[nodiscard]] QAction* recentItem(int index) const;

    // Opens entry index (1 to 10) of the recent-files list; connecting it
    // enables "Recent".
    void connectOpenRecent(std::function<void(int)> openRecent);
    // Item i shows "&" i-1, a blank and entry i; an "&" in a path shows as it is.
    void FillRecentMenu(const std::array<QString, RecentCount>& files);

    // The buttons in their order on the toolbar, each shown or hidden.
    [[nodiscard]] QList<ToolbarPlace> arrangement() const;
    // Puts the buttons in the order of places, showing or hiding each; a
    // button places leaves out keeps its state and follows them; an unknown
    // key is passed over.
    void arrange(const QList<ToolbarPlace>& places);
    // Every button shown, in the order the toolbar starts with.
    [[nodiscard]] static QList<ToolbarPlace> DefaultArrangement();

    // The button handler: compares key exactly with the buttons' keys; an
    // unknown key does nothing.
    void ButtonClick(const QString& key);
    // The drop-down handler: "edi", "mak" and "ope" are the colour commands;
    // any other item opens the recent file of its place in its drop-down.
    void ButtonMenuClick(const QAction& item);

private:
    void addButtons();
    QMenu* addDropDown(QAction* button);
    // The button's widget, made anew whenever the button moves, gets its
    // drop-down and the window's pop-up menu.
    void setUpButtonWidget(QAction* button);
    void addColorItems();
    void refreshEnabled();
    void openRecent(int index) const;

    MainMenu& m_menu;
    std::function<void(int)> m_openRecent;
    std::array<QAction*, ButtonCount> m_buttons = {};
    std::array<QAction*, RecentCount> m_recentItems = {};
    std::array<QAction*, ColorItemCount> m_colorItems = {};
    QMenu* m_recentMenu = nullptr;
    QMenu* m_colorsMenu = nullptr;
};

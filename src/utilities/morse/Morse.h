#pragma once

#include <QWidget>

class QMenuBar;

// A palette of Morse codes beside the editor: a window of menus only. Each
// code item puts its code in place of the selection (at the caret when
// nothing is selected); the text menu converts the clipboard text or the
// selection. It first shows beside the main window; tagged "_AUTOSNAP", it
// then snaps to the screen edges as the main window does. Its height is
// always just the title and the menus.
class Morse : public QWidget {
    Q_OBJECT
public:
    explicit Morse(QWidget* owner = nullptr);

    [[nodiscard]] QMenuBar* menuBar() const { return m_menus; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    // Only the menu bar's height, however the user drags the bottom border.
    void keepMenuHeight();
    // Beside the main window, where a palette is looked for.
    void placeBesideOwner();

    QMenuBar* m_menus = nullptr;
    bool m_placed = false;
};

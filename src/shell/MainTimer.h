#pragma once

#include "core/shell/status_panels.h"

#include <QAction>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <optional>

class MainForm;
class QTimer;
class QWidget;

// The menu items the timer enables and disables, each list in menu order.
struct TimerMenuItems {
    // Need a current file path: reload, quick save.
    QList<QAction*> pathItems;
    // Follow the clipboard's text: replace all by it, paste, clear it, new from it.
    QList<QAction*> clipboardItems;
    // Need some text: new, save as, select all, print, copy all, the search
    // menu (its menuAction()), the two codings, strip HTML, standard save,
    // checkpoint.
    QList<QAction*> textItems;
    // Need a selection: cut, copy, case changes, copy or save the selection,
    // reverse, strip accents, Morse, formatting.
    QList<QAction*> selectionItems;
};

// The main window's 500 ms timer. Every tick it snaps or docks the windows
// whose tag asks for it, enables the menu items by the current path, the
// clipboard, the text and the selection, and rewrites the status panels.
// Nothing is kept between ticks: each one reads the live state afresh.
class MainTimer : public QObject {
    Q_OBJECT
public:
    static constexpr int IntervalMs = 500;

    // Tags the main window "_AUTOSNAP" and starts the timer "Timer1", a child
    // of form.
    explicit MainTimer(MainForm& form);

    void setMenuItems(const TimerMenuItems& items);
    // One tick; a ProgramError ends it and shows the error box.
    void tick();

    [[nodiscard]] QTimer* Timer1() const { return m_timer; }
    // The picture panel 4 shows for each kind of content.
    [[nodiscard]] static QPixmap panel4Pixmap(Panel4Picture picture);

private:
    using Actions = QList<QPointer<QAction>>;

    void runTick();
    void arrangeWindows();
    void arrange(QWidget* window, double snapDistance);
    void showStatus(const StatusPanels& panels);

    MainForm& m_form;
    QTimer* m_timer;
    Actions m_pathItems;
    Actions m_clipboardItems;
    Actions m_textItems;
    Actions m_selectionItems;
    std::optional<Panel4Picture> m_shownPicture;
    // A tick that shows the error box lets later ticks arrive inside it.
    bool m_ticking = false;
};

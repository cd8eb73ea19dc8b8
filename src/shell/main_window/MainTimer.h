#pragma once

#include "core/shell/status_panels.h"

#include <QObject>
#include <QPixmap>
#include <optional>

class ClipboardPreview;
class MainForm;
class QTimer;
class QWidget;

// The main window's 500 ms timer. Every tick it snaps or docks the windows
// whose tag asks for it, enables the menu items by the current path, the
// clipboard, the text and the selection (by the rules of the main menu's
// commands), and rewrites the status panels.
// Nothing is kept between ticks but the clipboard's preview, which is read
// again when the clipboard changes; the rest is read live each tick.
class MainTimer : public QObject {
    Q_OBJECT
public:
    static constexpr int IntervalMs = 500;

    // Tags the main window "_AUTOSNAP" and starts the timer "Timer1", a child
    // of form.
    explicit MainTimer(MainForm& form);

    // One tick; a ProgramError ends it and shows the error box.
    void tick();

    [[nodiscard]] QTimer* Timer1() const { return m_timer; }
    // The picture panel 4 shows for each kind of content.
    [[nodiscard]] static QPixmap panel4Pixmap(Panel4Picture picture);

private:
    void runTick();
    void arrangeWindows();
    void arrange(QWidget* window, double snapDistance);
    void showStatus(const StatusPanels& panels);

    MainForm& m_form;
    QTimer* m_timer;
    ClipboardPreview* m_clipboard;
    std::optional<Panel4Picture> m_shownPicture;
    // A tick that shows the error box lets later ticks arrive inside it.
    bool m_ticking = false;
};

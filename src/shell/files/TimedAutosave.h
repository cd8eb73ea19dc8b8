#pragma once

#include <QDateTime>
#include <QObject>

#include <functional>

class MainForm;
class QTimer;

// The timed autosave of the current document. Owns the main window's
// one-second timer TimLongEvents, which runs as long as the window, and the
// program-wide tick counter AutosaveTicks. Every tick reads the autosave
// options afresh from Program().Settings, where the settings dialog mirrors
// its controls, so a change acts on the next tick.
class TimedAutosave : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    // The timer starts at once; clock gives the time of each save (the
    // system clock when empty).
    explicit TimedAutosave(MainForm& form, Clock clock = {});

    // One tick of TimLongEvents: counts and, when the interval is reached,
    // saves the current document into the program folder.
    void tick();

    [[nodiscard]] QTimer* TimLongEvents() const { return m_timer; }
    // Seconds counted towards the next save.
    [[nodiscard]] qint32 AutosaveTicks() const { return m_ticks; }

private:
    void save();

    MainForm& m_form;
    Clock m_clock;
    QTimer* m_timer;
    qint32 m_ticks = 0;
    // A failed write is reported once; the ones after it stay quiet until a
    // write succeeds, so a folder that cannot be written does not bring up a
    // box every minute.
    bool m_failureReported = false;
};

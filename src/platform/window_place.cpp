#include "platform/window_place.h"

#include <QEvent>
#include <QPoint>
#include <QRect>
#include <QTimer>
#include <QVariant>
#include <QWidget>

namespace {

constexpr char KeptProperty[] = "placeKeptWhileHidden";
constexpr int PollMs = 50;
// A busy machine may take seconds to frame a new window.
constexpr int PollLimit = 200;

// The frame is known only once the window manager has framed a shown
// window; until then a position may place the inside instead of the frame
// (under X11, before a window's first showing once its native window exists,
// and as a hidden window is shown again). So the frame's corner is checked
// once the frame is known and moved where it belongs. A move the program
// makes meanwhile wins.
class FrameCornerKeeper : public QObject {
public:
    explicit FrameCornerKeeper(QWidget& window) : QObject(&window), m_window(window) {
        setObjectName(QStringLiteral("FrameCornerKeeper"));
        window.installEventFilter(this);
        m_poll.setInterval(PollMs);
        connect(&m_poll, &QTimer::timeout, this, &FrameCornerKeeper::check);
    }
    void keep(QPoint corner) {
        m_corner = corner;
        m_armed = true;
        m_polls = 0;
        if (m_window.isVisible())
            m_poll.start();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &m_window || !m_armed)
            return false;
        if (event->type() == QEvent::Show) {
            m_poll.start();
        } else if (m_poll.isActive()) {
            const bool placedByProgram = !event->spontaneous();
            if (event->type() == QEvent::Move && placedByProgram)
                disarm();
            // The window manager's framing shows as the window's own moves.
            else if (event->type() == QEvent::Move || event->type() == QEvent::WindowActivate)
                check();
        }
        return false;
    }

private:
    void disarm() {
        m_armed = false;
        m_poll.stop();
    }
    void check() {
        if (!m_window.isVisible() || m_window.windowState() != Qt::WindowNoState ||
            ++m_polls > PollLimit) {
            disarm();
            return;
        }
        const QRect frame = m_window.frameGeometry();
        if (frame == m_window.geometry())
            return;
        disarm();
        if (frame.topLeft() != m_corner)
            m_window.move(m_corner);
    }

    QWidget& m_window;
    QTimer m_poll;
    QPoint m_corner;
    bool m_armed = false;
    int m_polls = 0;
};

class PlaceKeeper : public QObject {
public:
    explicit PlaceKeeper(QWidget& window) : QObject(&window), m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &m_window || event->spontaneous())
            return false;
        switch (event->type()) {
        case QEvent::Hide:
            remember();
            break;
        case QEvent::Move:
            // Moves made while it was hidden arrive as it is shown again.
            m_pending = false;
            break;
        case QEvent::Show:
            restore();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void remember() {
        m_pending = m_window.isWindow() && !(m_window.windowState() & PlacedByManager);
        if (!m_pending)
            return;
        m_corner = m_window.geometry().topLeft();
        // Not framed yet, the window stands where the program put its frame.
        m_frameCorner = m_window.frameGeometry().topLeft();
    }
    void restore() {
        if (!m_pending)
            return;
        m_pending = false;
        // setGeometry() places the client area, as geometry() read it; it
        // also marks the window placed, so a dialog is not centred again.
        m_window.setGeometry(QRect(m_corner, m_window.size()));
        // The window manager may still frame it elsewhere.
        PutFrameCornerWhenFramed(m_window, m_frameCorner);
    }

    static constexpr Qt::WindowStates PlacedByManager =
        Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

    QWidget& m_window;
    QPoint m_corner;
    QPoint m_frameCorner;
    bool m_pending = false;
};

} // namespace

void PutFrameCornerWhenFramed(QWidget& window, QPoint corner) {
    auto* keeper = window.findChild<FrameCornerKeeper*>(QStringLiteral("FrameCornerKeeper"),
                                                        Qt::FindDirectChildrenOnly);
    if (!keeper)
        keeper = new FrameCornerKeeper(window);
    keeper->keep(corner);
}

void KeepPlaceWhileHidden(QWidget& window) {
    if (window.property(KeptProperty).toBool())
        return;
    window.setProperty(KeptProperty, true);
    window.installEventFilter(new PlaceKeeper(window));
}

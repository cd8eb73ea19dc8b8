#include "platform/window_place.h"

#include "core/shell/screen_choice.h"
#include "platform/platform.h"

#include <QEvent>
#include <QPoint>
#include <QRect>
#include <QTimer>
#include <QVariant>
#include <QWidget>

namespace {

constexpr char KeptProperty[] = "placeKeptWhileHidden";
constexpr char NormalFrameProperty[] = "normalFrameMargins";
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
        m_size = m_window.size();
        m_wasAside = false;
        m_armed = true;
        m_polls = 0;
        if (m_window.isVisible())
            m_poll.start();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &m_window)
            return false;
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
            rememberNormalFrame();
        if (!m_armed)
            return false;
        const bool backToNormal = event->type() == QEvent::WindowStateChange &&
                                  m_window.windowState() == Qt::WindowNoState;
        if (event->type() == QEvent::Show || backToNormal) {
            m_polls = 0;
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
    void rememberNormalFrame() {
        const QMargins margins = FrameMarginsAround(m_window);
        if (m_window.windowState() == Qt::WindowNoState && !margins.isNull())
            m_window.setProperty(NormalFrameProperty, QVariant::fromValue(margins));
    }
    void disarm() {
        m_armed = false;
        m_poll.stop();
    }
    void check() {
        if (!m_window.isVisible() || ++m_polls > PollLimit) {
            disarm();
            return;
        }
        // A window shown maximised or minimised is framed in its own place
        // only when it is first brought back to its normal state.
        if (m_window.windowState() != Qt::WindowNoState) {
            m_wasAside = true;
            m_poll.stop();
            return;
        }
        const QRect frame = m_window.frameGeometry();
        // Brought back from maximised, the window is in its normal frame only
        // once the window manager has given it back the size it was placed at.
        if (frame == m_window.geometry() || (m_wasAside && m_window.size() != m_size))
            return;
        disarm();
        if (frame.topLeft() != m_corner)
            m_window.move(m_corner);
    }

    QWidget& m_window;
    QTimer m_poll;
    QPoint m_corner;
    QSize m_size;
    bool m_wasAside = false;
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
        m_frameSize = m_window.frameGeometry().size();
    }
    // A title bar left above the screen, or off its side, would come back
    // out of reach: the window is moved as far as it takes to bring its title
    // bar onto the monitor it shows on.
    void bringTitleBarIntoReach() {
        const WindowFrameService* frames = Platform().frames;
        if (frames == nullptr)
            return;
        const QRect frame(m_frameCorner, m_frameSize);
        const int titleHeight = m_corner.y() - m_frameCorner.y();
        const QPoint shift =
            TitleBarOnScreen(frame, titleHeight, MonitorOf(*frames, frame).free) - m_frameCorner;
        m_corner += shift;
        m_frameCorner += shift;
    }
    void restore() {
        if (!m_pending)
            return;
        m_pending = false;
        bringTitleBarIntoReach();
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
    QSize m_frameSize;
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

QMargins FrameMarginsAround(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(),
            frame.right() - inside.right(), frame.bottom() - inside.bottom()};
}

QMargins NormalFrameMargins(const QWidget& window) {
    return window.property(NormalFrameProperty).value<QMargins>();
}

void KeepPlaceWhileHidden(QWidget& window) {
    if (window.property(KeptProperty).toBool())
        return;
    window.setProperty(KeptProperty, true);
    window.installEventFilter(new PlaceKeeper(window));
}

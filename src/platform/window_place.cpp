#include "platform/window_place.h"

#include <QEvent>
#include <QPoint>
#include <QRect>
#include <QVariant>
#include <QWidget>

namespace {

constexpr char KeptProperty[] = "placeKeptWhileHidden";

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
        if (m_pending)
            m_corner = m_window.geometry().topLeft();
    }
    void restore() {
        if (!m_pending)
            return;
        m_pending = false;
        // setGeometry() places the client area, as geometry() read it; it
        // also marks the window placed, so a dialog is not centred again.
        m_window.setGeometry(QRect(m_corner, m_window.size()));
    }

    static constexpr Qt::WindowStates PlacedByManager =
        Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

    QWidget& m_window;
    QPoint m_corner;
    bool m_pending = false;
};

} // namespace

void KeepPlaceWhileHidden(QWidget& window) {
    if (window.property(KeptProperty).toBool())
        return;
    window.setProperty(KeptProperty, true);
    window.installEventFilter(new PlaceKeeper(window));
}

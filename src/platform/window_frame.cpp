#include "platform/window_frame.h"

#include "core/shell/screen_choice.h"
#include "platform/window_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

constexpr char PlacedCornerProperty[] = "placedFrameCorner";
constexpr char PlacedInsideProperty[] = "placedInside";

} // namespace

QRect QtWindowFrameService::screen() const {
    return QGuiApplication::primaryScreen()->geometry();
}

QRect QtWindowFrameService::workArea() const {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

QList<ScreenArea> QtWindowFrameService::monitors() const {
    QScreen* primary = QGuiApplication::primaryScreen();
    QList<ScreenArea> areas{{primary->geometry(), primary->availableGeometry()}};
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary)
            areas.append({screen->geometry(), screen->availableGeometry()});
    }
    return areas;
}

QMargins QtWindowFrameService::frameMargins(const QWidget& window) const {
    return FrameMarginsAround(window);
}

void QtWindowFrameService::placeFrame(QWidget& window, QPoint corner, QSize inside) {
    window.resize(inside);
    // A shown window moves by its frame's corner.
    window.move(corner);
    if (window.isVisible())
        return;
    // Before its first showing the position may place the inside instead.
    PutFrameCornerWhenFramed(window, corner);
    window.setProperty(PlacedCornerProperty, corner);
    window.setProperty(PlacedInsideProperty, window.geometry());
}

QPoint QtWindowFrameService::normalFrameCorner(const QWidget& window) const {
    const bool aside = window.windowState() != Qt::WindowNoState;
    const QRect normal = aside ? window.normalGeometry() : window.geometry();
    // Still where it was put (maximised before it was ever framed in its
    // normal place, or closed before its frame was set right), the window's
    // place is the one it was given: there is no frame to measure yet.
    if (window.property(PlacedInsideProperty).toRect() == normal)
        return window.property(PlacedCornerProperty).toPoint();
    const QMargins seenNormal = NormalFrameMargins(window);
    const QMargins frame = aside && !seenNormal.isNull() ? seenNormal : frameMargins(window);
    return normal.topLeft() - QPoint(frame.left(), frame.top());
}

ScreenArea MonitorOf(const WindowFrameService& frames, const QRect& frame) {
    const QList<ScreenArea> areas = frames.monitors();
    QList<QRect> wholes;
    for (const ScreenArea& area : areas)
        wholes.append(area.whole);
    const std::optional<qsizetype> holding = ScreenHolding(frame, wholes);
    if (holding)
        return areas.at(*holding);
    return areas.isEmpty() ? ScreenArea{frames.screen(), frames.workArea()} : areas.first();
}

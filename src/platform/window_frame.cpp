#include "platform/window_frame.h"

#include "platform/window_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QRect QtWindowFrameService::screen() const {
    return QGuiApplication::primaryScreen()->geometry();
}

QRect QtWindowFrameService::workArea() const {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

QMargins QtWindowFrameService::frameMargins(const QWidget& window) const {
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(),
            frame.right() - inside.right(), frame.bottom() - inside.bottom()};
}

void QtWindowFrameService::placeFrame(QWidget& window, QPoint corner, QSize inside) {
    window.resize(inside);
    // A shown window moves by its frame's corner.
    window.move(corner);
    if (window.isVisible())
        return;
    // Before its first showing the position may place the inside instead.
    PutFrameCornerWhenFramed(window, corner);
}

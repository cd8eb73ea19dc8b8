#include "core/shell/screen_choice.h"

#include <algorithm>

namespace {

qint64 area(const QRect& rect) {
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

} // namespace

std::optional<qsizetype> ScreenHolding(const QRect& window, const QList<QRect>& screens) {
    for (qsizetype i = 0; i < screens.size(); ++i) {
        if (screens[i].contains(window.center()))
            return i;
    }
    std::optional<qsizetype> most;
    qint64 mostShared = 0;
    for (qsizetype i = 0; i < screens.size(); ++i) {
        const qint64 shared = area(screens[i].intersected(window));
        if (shared > mostShared) {
            most = i;
            mostShared = shared;
        }
    }
    return most;
}

QPoint TitleBarOnScreen(const QRect& frame, int titleHeight, const QRect& screen) {
    // Right and bottom first, so that on a screen narrower than that the
    // corner ends up at its left and top edges.
    const int left = std::max(std::min(frame.left(), screen.left() + screen.width() - titleHeight),
                              screen.left());
    const int top =
        std::max(std::min(frame.top(), screen.top() + screen.height() - titleHeight), screen.top());
    return {left, top};
}

#include "core/utilities/window_beside.h"

#include <algorithm>
#include <array>

namespace {

// start moved as little as needed to put length units from it on [low, high].
[[nodiscard]] int PushedInside(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length + 1));
}

} // namespace

QPoint PlaceBeside(const QRect& mainFrame, const QRect& mainInside, QSize frameSize,
                   const QRect& screen) {
    const int width = frameSize.width();
    const int height = frameSize.height();
    const int level = PushedInside(mainFrame.top(), height, screen.top(), screen.bottom());
    const int aligned = PushedInside(mainFrame.left(), width, screen.left(), screen.right());
    const std::array<QPoint, 4> sides = {
        QPoint(mainFrame.right() + 1, level),
        QPoint(mainFrame.left() - width, level),
        QPoint(aligned, mainFrame.bottom() + 1),
        QPoint(aligned, mainFrame.top() - height),
    };
    for (const QPoint& side : sides) {
        if (screen.contains(QRect(side, frameSize)))
            return side;
    }
    return {PushedInside(screen.right(), width, screen.left(), screen.right()),
            PushedInside(mainInside.top(), height, screen.top(), screen.bottom())};
}

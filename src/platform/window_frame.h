#pragma once

#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// One monitor of the desktop: the whole of it and the part that no panel
// covers, in the desktop's pixels.
struct ScreenArea {
    QRect whole;
    QRect free;
};

// The screen and the window manager's frames, as the program's placing of
// its main window sees them: a window's place is its frame's corner, its size
// the inside's.
class WindowFrameService {
public:
    virtual ~WindowFrameService() = default;
    // The whole primary screen, and the part of it that no panel covers.
    [[nodiscard]] virtual QRect screen() const = 0;
    [[nodiscard]] virtual QRect workArea() const = 0;
    // Every monitor, the primary one first.
    [[nodiscard]] virtual QList<ScreenArea> monitors() const = 0;
    // What the frame adds around the inside; zero while the window manager
    // has not framed the window.
    [[nodiscard]] virtual QMargins frameMargins(const QWidget& window) const = 0;
    // Puts the frame's corner at corner with the inside that large, also for
    // a window not shown yet, whose frame is not known until it is shown.
    virtual void placeFrame(QWidget& window, QPoint corner, QSize inside) = 0;
    // The frame's corner of the window's normal place, also while it is
    // maximised or minimised.
    [[nodiscard]] virtual QPoint normalFrameCorner(const QWidget& window) const = 0;
};

class QtWindowFrameService : public WindowFrameService {
public:
    [[nodiscard]] QRect screen() const override;
    [[nodiscard]] QRect workArea() const override;
    [[nodiscard]] QList<ScreenArea> monitors() const override;
    [[nodiscard]] QMargins frameMargins(const QWidget& window) const override;
    void placeFrame(QWidget& window, QPoint corner, QSize inside) override;
    [[nodiscard]] QPoint normalFrameCorner(const QWidget& window) const override;
};

// The monitor a window's frame is on: the one holding its centre, else the
// one it overlaps most; the primary one for a frame on none (its monitor is
// gone).
[[nodiscard]] ScreenArea MonitorOf(const WindowFrameService& frames, const QRect& frame);

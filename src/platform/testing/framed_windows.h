#pragma once

#include "platform/window_frame.h"

#include <QWidget>
#include <optional>
#include <ostream>

// A window's place as a test's message shows it: size, then corner.
inline void PrintTo(const QRect& rect, std::ostream* out) {
    *out << rect.width() << "x" << rect.height() << "+" << rect.x() << "+" << rect.y();
}

// The platform's own screen and frames, or a window manager of the test's
// choosing: a screen, a work area and frame margins given by the test. The
// offscreen platform draws no real frames, so with margins given the inside
// stands beside the frame's corner by them, as under a window manager that
// has framed the window.
class FramedWindows : public QtWindowFrameService {
public:
    [[nodiscard]] QRect screen() const override {
        return screenRect ? *screenRect : QtWindowFrameService::screen();
    }
    [[nodiscard]] QRect workArea() const override {
        return workAreaRect ? *workAreaRect : QtWindowFrameService::workArea();
    }
    [[nodiscard]] QList<ScreenArea> monitors() const override {
        if (monitorList)
            return *monitorList;
        if (screenRect)
            return {{screen(), workArea()}};
        return QtWindowFrameService::monitors();
    }
    [[nodiscard]] QMargins frameMargins(const QWidget& window) const override {
        return margins ? *margins : QtWindowFrameService::frameMargins(window);
    }
    // An 800 x 600 screen with a 60 px panel at the bottom, and frames of a
    // 24 px title bar and 4 px borders: wider than the offscreen platform's
    // own, which keeps a window on its screen.
    void frameOnAPanelledScreen() {
        screenRect = QRect(0, 0, 800, 600);
        workAreaRect = QRect(0, 0, 800, 540);
        margins = QMargins(4, 24, 4, 4);
    }
    // Beside that screen a second monitor of 1024 x 768, 100 px lower, its
    // panel at the top: the first stays primary.
    void frameOnTwoMonitors() {
        frameOnAPanelledScreen();
        monitorList = {{*screenRect, *workAreaRect},
                       {QRect(800, 100, 1024, 768), QRect(800, 130, 1024, 738)}};
    }
    void placeFrame(QWidget& window, QPoint corner, QSize inside) override {
        if (!margins) {
            QtWindowFrameService::placeFrame(window, corner, inside);
            return;
        }
        window.setGeometry(QRect(corner + QPoint(margins->left(), margins->top()), inside));
    }
    // The window's frame as this window manager draws it.
    [[nodiscard]] QRect frameOf(const QWidget& window) const {
        return window.geometry().marginsAdded(frameMargins(window));
    }

    std::optional<QRect> screenRect;
    std::optional<QRect> workAreaRect;
    std::optional<QMargins> margins;
    std::optional<QList<ScreenArea>> monitorList;
};

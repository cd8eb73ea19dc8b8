#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>

// Runs action on the next modal window of type T as soon as it is shown
// (the top one when modal windows stack). Call it before the code that
// opens the window; it gives up after timeoutMs.
template <class T> void WhenModalShown(std::function<void(T*)> action, int timeoutMs = 5000) {
    auto* timer = new QTimer(qApp);
    auto waited = std::make_shared<int>(0);
    constexpr int step = 10;
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        *waited += step;
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (window != nullptr && window->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(window);
        } else if (*waited >= timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(step);
}

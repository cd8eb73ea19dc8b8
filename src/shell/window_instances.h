#pragma once

#include "platform/platform.h"
#include "shell/MainForm.h"

#include <QPointer>

namespace window_instances {
template <class Window> QPointer<Window>& slot() {
    static QPointer<Window> window;
    return window;
}
} // namespace window_instances

// The one instance of a window, created on first use in its initial state and
// owned by the main window (so it stays above it). Hiding keeps it; deleting
// it ("unloading") makes the next use create it afresh.
template <class Window> Window& LoadedWindow() {
    QPointer<Window>& window = window_instances::slot<Window>();
    if (window.isNull()) {
        window = new Window(MainForm::instance());
        if (Platform().windows)
            Platform().windows->add(window);
    }
    return *window;
}

// The instance when it is loaded; nullptr otherwise (nothing is created).
template <class Window> Window* LoadedWindowIfAny() {
    return window_instances::slot<Window>().data();
}

// Unloads the window now: the next use creates it afresh in its initial state
// even before the event loop has deleted this one.
template <class Window> void DiscardWindow(Window* window) {
    QPointer<Window>& slot = window_instances::slot<Window>();
    if (slot == window)
        slot.clear();
    window->deleteLater();
}

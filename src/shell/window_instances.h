#pragma once

#include "platform/platform.h"
#include "shell/MainForm.h"

#include <QPointer>

// The one instance of a window, created on first use in its initial state and
// owned by the main window (so it stays above it). Hiding keeps it; deleting
// it ("unloading") makes the next use create it afresh.
template <class Window> Window& LoadedWindow() {
    static QPointer<Window> window;
    if (window.isNull()) {
        window = new Window(MainForm::instance());
        if (Platform().windows)
            Platform().windows->add(window);
    }
    return *window;
}

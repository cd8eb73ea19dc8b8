#pragma once

#include "platform/platform.h"
#include "shell/main_window/MainForm.h"

// The one instance of a window, created on first use in its initial state,
// owned by the main window (so it stays above it) and listed among the loaded
// windows. Hiding keeps it; unloading it (the registry's unload or discard)
// makes the next use create it afresh.
template <class Window> Window& LoadedWindow() {
    Q_ASSERT(Platform().windows);
    return Platform().windows->single<Window>([] { return new Window(MainForm::instance()); });
}

// The one instance of a window shown without an owner, a window of its own
// beside the main window. Nothing owns it, so it goes with the main window at
// the program's end.
template <class Window> Window& LoadedWindowAlone() {
    Q_ASSERT(Platform().windows);
    Window& window = Platform().windows->single<Window>([] { return new Window(nullptr); });
    if (MainForm* form = MainForm::instance())
        QObject::connect(form, &QObject::destroyed, &window, [&window] { delete &window; });
    return window;
}

// The instance when it is loaded; nullptr otherwise (nothing is created).
template <class Window> Window* LoadedWindowIfAny() {
    return Platform().windows ? Platform().windows->loaded<Window>() : nullptr;
}

// Shows a window modeless above the main window, keeping what its last use left.
inline void ShowOwned(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

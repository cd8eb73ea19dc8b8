#pragma once

#include <QByteArray>

// The browser engine's command-line flags for a process: Chromium refuses to
// start as root with its sandbox on and takes the whole program down with it,
// so as root the sandbox is switched off. Flags already given stay.
[[nodiscard]] QByteArray WebEngineFlags(const QByteArray& given, bool runningAsRoot);

// Sets what the browser engine needs before the application object is made:
// the flags above and the shared drawing contexts.
void PrepareWebEngine();

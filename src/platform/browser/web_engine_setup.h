#pragma once

#include <QByteArray>

// The browser engine's command-line flags for a process: Chromium refuses to
// start as root with its sandbox on and takes the whole program down with it,
// so as root the sandbox is switched off. Flags already given stay.
[[nodiscard]] QByteArray WebEngineFlags(const QByteArray& given, bool runningAsRoot);

// Sets the flags above for the browser engine, which reads them when the
// first preview starts it. Nothing of the engine is loaded here.
void PrepareWebEngine();

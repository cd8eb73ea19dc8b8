#pragma once

#include "platform/browser/web_engine_calls.h"

#include <QString>

// The web engine's calls, loading its library on the first use. nullptr when
// the library cannot be loaded; error then says why.
[[nodiscard]] const WebEngineCalls* LoadWebEngine(QString& error);

// True once this process has loaded the engine's library.
[[nodiscard]] bool WebEngineLoaded();

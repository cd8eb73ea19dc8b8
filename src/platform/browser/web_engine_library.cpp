#include "platform/browser/web_engine_library.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace {

const QString LibraryName = QStringLiteral("libtarvel_web_engine.so");

// Beside the executable first (an installed program), then where the build
// put it (the tests run copies of the executable from other folders).
QStringList candidatePaths() {
    QStringList paths{QCoreApplication::applicationDirPath() + u'/' + LibraryName};
#ifdef TARVEL_WEB_ENGINE_LIBRARY
    paths << QStringLiteral(TARVEL_WEB_ENGINE_LIBRARY);
#endif
    return paths;
}

struct LoadedEngine {
    const WebEngineCalls* calls = nullptr;
    QString error;
};

LoadedEngine load() {
    LoadedEngine engine;
    for (const QString& path : candidatePaths()) {
        if (!QFileInfo::exists(path))
            continue;
        QLibrary library(path);
        const auto entry =
            reinterpret_cast<WebEngineEntry>(library.resolve(TARVEL_WEB_ENGINE_ENTRY));
        if (entry != nullptr) {
            engine.calls = entry();
            return engine;
        }
        engine.error = library.errorString();
    }
    if (engine.error.isEmpty())
        engine.error = QStringLiteral("Knihovna %1 nebyla nalezena.").arg(LibraryName);
    return engine;
}

LoadedEngine* loaded = nullptr;

} // namespace

const WebEngineCalls* LoadWebEngine(QString& error) {
    // Loaded once and never unloaded: the engine's threads outlive any view.
    if (loaded == nullptr)
        loaded = new LoadedEngine(load());
    error = loaded->error;
    return loaded->calls;
}

bool WebEngineLoaded() {
    return loaded != nullptr && loaded->calls != nullptr;
}

#include "platform/browser/web_engine_setup.h"

#include <QList>
#include <QtGlobal>
#include <unistd.h>

namespace {

const QByteArray NoSandbox = QByteArrayLiteral("--no-sandbox");

} // namespace

QByteArray WebEngineFlags(const QByteArray& given, bool runningAsRoot) {
    if (!runningAsRoot || given.split(' ').contains(NoSandbox))
        return given;
    return given.isEmpty() ? NoSandbox : given + ' ' + NoSandbox;
}

void PrepareWebEngine() {
    const char* const variable = "QTWEBENGINE_CHROMIUM_FLAGS";
    qputenv(variable, WebEngineFlags(qgetenv(variable), ::geteuid() == 0));
}

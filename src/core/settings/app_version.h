#pragma once

#include <QString>

// The running program's version as shown to the user and stored in the
// settings: major.minor.revision followed by "b CZ".
[[nodiscard]] inline QString AppVersionText() {
    return QStringLiteral("%1.%2.%3b CZ")
        .arg(TARVEL_VERSION_MAJOR)
        .arg(TARVEL_VERSION_MINOR)
        .arg(TARVEL_VERSION_PATCH);
}

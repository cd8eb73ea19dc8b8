#pragma once

#include "core/text/ansi_code_page.h"
#include "core/text/random_generator.h"

#include <QList>
#include <QString>

// Texts that hold every code a cipher may meet, for round-trip checks: each
// code from lowest to 255 once, lone CR and LF and a CR LF, and random texts
// of those codes drawn from a generator of the test's own.
[[nodiscard]] inline QString EveryCode(int lowest) {
    QString text;
    for (int code = lowest; code <= 255; ++code)
        text += Chr(code);
    return text + QStringLiteral("a\rb\nc\r\nd\n\re");
}

[[nodiscard]] inline QList<QString> RandomCodeTexts(int lowest, quint64 seed = 31) {
    RandomGenerator draws;
    draws.seed(static_cast<double>(seed));
    QList<QString> texts{QString(), EveryCode(lowest)};
    for (int length : {1, 2, 17, 300, 4096}) {
        QString text;
        for (int i = 0; i < length; ++i)
            text += Chr(lowest + static_cast<int>(draws.draw() * (256 - lowest)));
        texts << text;
    }
    return texts;
}

#pragma once

#include <QApplication>
#include <QString>
#include <benchmark/benchmark.h>

// The largest document the program opens, in characters.
inline constexpr int LargestDocument = 1442401;

// 30 000 CR LF lines of letters, padded to exactly the largest size.
inline QString LargestLinesText() {
    constexpr int lines = 30000;
    QString text;
    text.reserve(LargestDocument);
    const int lineLength = LargestDocument / lines - 2;
    for (int line = 0; line < lines - 1; ++line) {
        for (int i = 0; i < lineLength; ++i)
            text += QChar(u'a' + (line + i) % 26);
        text += QStringLiteral("\r\n");
    }
    while (text.size() < LargestDocument)
        text += QChar(u'z');
    return text;
}

// The benchmarks' main: widgets need an application object (headless here).
inline int RunBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

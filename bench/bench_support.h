#pragma once

#include "core/text/editor_surface.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QString>
#include <QTextDocument>
#include <QTextEdit>
#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>

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

// A page of CR LF lines of tags, bold ones written "<B>" as replace-all
// looks for, in exactly the largest size the program opens.
inline QString LargestTaggedPage() {
    const QString line = QStringLiteral("<p class=\"t\">Příliš žluťoučký kůň <B>úpěl</B> ďábelské "
                                        "ódy.<br></p>\r\n");
    QString text = line.repeated(LargestDocument / line.size() + 1);
    text.truncate(LargestDocument);
    return text;
}

// The size a user's editor has on the screen.
inline void ShowAtUserSize(QWidget* widget) {
    widget->resize(800, 600);
    widget->show();
    QApplication::processEvents();
}

// What a user waits for after a change: the visible page painted, then the
// rest of the layout the widget does in the background (asking for the
// document's size finishes it), so the scroll bar is right.
inline void WaitForLayout(QTextEdit* edit) {
    QApplication::processEvents();
    (void)edit->document()->documentLayout()->documentSize();
}

// One piece of work timed on the program's editor and the same work on a
// bare QTextEdit in the same run, each followed by the layout it causes.
struct SideBySide {
    QTextEdit* ours = nullptr;
    std::function<void()> prepareOurs;
    std::function<void()> workOurs;
    QTextEdit* bare = nullptr;
    std::function<void()> prepareBare;
    std::function<void()> workBare;
};

// Reports the program's time as the benchmark's (manual time), with the
// bare widget's beside it and their ratio as counters.
inline void TimeSideBySide(benchmark::State& state, const SideBySide& side) {
    using Clock = std::chrono::steady_clock;
    const auto timed = [](QTextEdit* edit, const std::function<void()>& prepare,
                          const std::function<void()>& work) {
        if (prepare)
            prepare();
        WaitForLayout(edit);
        const auto start = Clock::now();
        work();
        WaitForLayout(edit);
        return std::chrono::duration<double>(Clock::now() - start).count();
    };
    double ours = 0;
    double bare = 0;
    for (auto _ : state) {
        const double one = timed(side.ours, side.prepareOurs, side.workOurs);
        bare += timed(side.bare, side.prepareBare, side.workBare);
        ours += one;
        state.SetIterationTime(one);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["ours_ms"] = 1000 * ours / n;
    state.counters["bare_ms"] = 1000 * bare / n;
    state.counters["ratio"] = ours / bare;
}

// The start-up path: text arrives in the emptied document of the program's
// editor (widget shows surface) and of a bare widget.
inline void TimeSetTextIntoEmptied(benchmark::State& state, EditorSurface& surface,
                                   QTextEdit* widget, QTextEdit* bare, const QString& text) {
    TimeSideBySide(state, {widget, [&surface] { surface.setText(QString()); },
                           [&surface, &text] { surface.setText(text); }, bare,
                           [bare] { bare->setPlainText(QString()); },
                           [bare, &text] { bare->setPlainText(text); }});
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

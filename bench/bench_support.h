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

// How long work takes on the steady clock, in seconds.
inline double SecondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs an untimed prepare, then times the program's work and the bare
// widget's same work, one after the other, in every iteration. The program's
// time is the benchmark's (registered with UseManualTime); both times and
// their ratio are counters.
inline void TimeBeside(benchmark::State& state, const std::function<void()>& prepare,
                       const std::function<void()>& ours, const std::function<void()>& bare) {
    double oursTotal = 0;
    double bareTotal = 0;
    for (auto _ : state) {
        if (prepare)
            prepare();
        const double one = SecondsOf(ours);
        bareTotal += SecondsOf(bare);
        oursTotal += one;
        state.SetIterationTime(one);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["ours_ms"] = 1000 * oursTotal / n;
    state.counters["bare_ms"] = 1000 * bareTotal / n;
    state.counters["ratio"] = bareTotal > 0 ? oursTotal / bareTotal : 0;
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

// TimeBeside for a SideBySide: both editors are prepared and laid out before
// the timed work, and each work is timed to the end of its layout.
inline void TimeSideBySide(benchmark::State& state, const SideBySide& side) {
    const auto prepare = [](QTextEdit* edit, const std::function<void()>& work) {
        if (work)
            work();
        WaitForLayout(edit);
    };
    TimeBeside(
        state,
        [&] {
            prepare(side.ours, side.prepareOurs);
            prepare(side.bare, side.prepareBare);
        },
        [&] {
            side.workOurs();
            WaitForLayout(side.ours);
        },
        [&] {
            side.workBare();
            WaitForLayout(side.bare);
        });
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

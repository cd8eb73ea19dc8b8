#include "platform/RichEditSurface.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int LargestDocument = 1442401;
constexpr int Lines = 30000;

// 30 000 CR LF lines of letters, padded to exactly the largest size.
QString largestText() {
    QString text;
    text.reserve(LargestDocument);
    const int lineLength = LargestDocument / Lines - 2;
    for (int line = 0; line < Lines - 1; ++line) {
        for (int i = 0; i < lineLength; ++i)
            text += QChar(u'a' + (line + i) % 26);
        text += QStringLiteral("\r\n");
    }
    while (text.size() < LargestDocument)
        text += QChar(u'z');
    return text;
}

RichEditSurface& loadedSurface() {
    static RichEditSurface surface;
    static bool loaded = false;
    if (!loaded) {
        surface.setText(largestText());
        (void)surface.lineFromPosition(surface.textLength() - 10);
        loaded = true;
    }
    return surface;
}

void SetText(benchmark::State& state) {
    const QString text = largestText();
    RichEditSurface surface;
    for (auto _ : state)
        surface.setText(text);
}
BENCHMARK(SetText)->Unit(benchmark::kMillisecond);

// A minified page: the whole document on one line.
void SetTextOneLine(benchmark::State& state) {
    const QString text = QStringLiteral("<p class=x>slovo</p> ").repeated(LargestDocument / 21);
    RichEditSurface surface;
    for (auto _ : state)
        surface.setText(text);
}
BENCHMARK(SetTextOneLine)->Unit(benchmark::kMillisecond);

void ReadText(benchmark::State& state) {
    RichEditSurface& surface = loadedSurface();
    for (auto _ : state)
        benchmark::DoNotOptimize(surface.text());
}
BENCHMARK(ReadText)->Unit(benchmark::kMillisecond);

void SelStartRoundTripNearEnd(benchmark::State& state) {
    RichEditSurface& surface = loadedSurface();
    const int position = surface.textLength() - 1000;
    for (auto _ : state) {
        surface.setSelStart(position);
        benchmark::DoNotOptimize(surface.selStart());
    }
}
BENCHMARK(SelStartRoundTripNearEnd)->Unit(benchmark::kMicrosecond);

void LineFromPositionNearEnd(benchmark::State& state) {
    RichEditSurface& surface = loadedSurface();
    const int position = surface.textLength() - 1000;
    for (auto _ : state)
        benchmark::DoNotOptimize(surface.lineFromPosition(position));
}
BENCHMARK(LineFromPositionNearEnd)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#include "bench_support.h"
#include "platform/surface/RichEditSurface.h"

namespace {

RichEditSurface& loadedSurface() {
    static RichEditSurface surface;
    static bool loaded = false;
    if (!loaded) {
        surface.setText(LargestLinesText());
        (void)surface.lineFromPosition(surface.textLength() - 10);
        loaded = true;
    }
    return surface;
}

void SetText(benchmark::State& state) {
    const QString text = LargestLinesText();
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
    return RunBenchmarks(argc, argv);
}

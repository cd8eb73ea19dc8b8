#include "bench_support.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/surface/SurfaceTextEdit.h"

#include <QTextEdit>

namespace {

// The program's surface and a bare widget, both shown at the user's size.
// Never destroyed: widgets must not outlive the application object.
struct Editors {
    RichEditSurface* surface = new RichEditSurface;
    QTextEdit* bare = new QTextEdit;

    Editors() {
        ShowAtUserSize(surface->widget());
        ShowAtUserSize(bare);
    }
};

Editors& editors() {
    static Editors* instance = new Editors;
    return *instance;
}

const QString& page() {
    static const QString text = LargestTaggedPage();
    return text;
}

RichEditSurface& loadedSurface() {
    RichEditSurface& surface = *editors().surface;
    if (surface.textLength() != LargestDocument) {
        surface.setText(LargestLinesText());
        WaitForLayout(surface.widget());
    }
    return surface;
}

// The start-up path: the text arrives in the emptied document.
void SetTextIntoEmptiedDocument(benchmark::State& state) {
    Editors& e = editors();
    TimeSetTextIntoEmptied(state, *e.surface, e.surface->widget(), e.bare, page());
}
BENCHMARK(SetTextIntoEmptiedDocument)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// Open or reload: the text replaces a loaded one.
void SetTextOverALoadedOne(benchmark::State& state) {
    Editors& e = editors();
    const QString other = LargestLinesText();
    TimeSideBySide(state, {e.surface->widget(), [&e, &other] { e.surface->setText(other); },
                           [&e] { e.surface->setText(page()); }, e.bare,
                           [&e, &other] { e.bare->setPlainText(other); },
                           [&e] { e.bare->setPlainText(page()); }});
}
BENCHMARK(SetTextOverALoadedOne)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// Replace-all "<B>" -> "<STRONG>": the whole text read, changed and set again.
void ReplaceAllBold(benchmark::State& state) {
    Editors& e = editors();
    const QString from = QStringLiteral("<B>");
    const QString to = QStringLiteral("<STRONG>");
    TimeSideBySide(state, {e.surface->widget(), [&e] { e.surface->setText(page()); },
                           [&] { e.surface->replaceText(e.surface->text().replace(from, to)); },
                           e.bare, [&e] { e.bare->setPlainText(page()); },
                           [&] { e.bare->setPlainText(e.bare->toPlainText().replace(from, to)); }});
}
BENCHMARK(ReplaceAllBold)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// A minified page: the whole document on one line.
void SetTextOneLine(benchmark::State& state) {
    Editors& e = editors();
    const QString text = QStringLiteral("<p class=x>slovo</p> ").repeated(LargestDocument / 21);
    TimeSetTextIntoEmptied(state, *e.surface, e.surface->widget(), e.bare, text);
}
BENCHMARK(SetTextOneLine)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// The largest document set, read back and its lines counted: the round trip
// the surface contract checks.
void RoundTripLargestDocument(benchmark::State& state) {
    RichEditSurface& surface = *editors().surface;
    const QString text = LargestLinesText();
    for (auto _ : state) {
        surface.setText(text);
        benchmark::DoNotOptimize(surface.text());
        benchmark::DoNotOptimize(surface.lineCount());
        benchmark::DoNotOptimize(surface.lineFromPosition(surface.textLength() - 10));
    }
}
BENCHMARK(RoundTripLargestDocument)->Unit(benchmark::kMillisecond)->Iterations(5);

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

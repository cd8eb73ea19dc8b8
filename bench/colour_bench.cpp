#include "bench_support.h"
#include "colour/ApplyColorSet.h"
#include "core/colour/colour_highlighting.h"
#include "core/text/editor_surface.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <memory>

namespace {

// A page of CR LF lines with five tags each: about 104 000 tags in exactly
// the largest size the program opens.
QString taggedPage() {
    const QString line = QStringLiteral("<p class=\"t\">Příliš žluťoučký kůň <b>úpěl</b> ďábelské "
                                        "ódy.<br></p>\r\n");
    QString text = line.repeated(LargestDocument / line.size() + 1);
    text.truncate(LargestDocument);
    return text;
}

const QString& page() {
    static const QString text = taggedPage();
    return text;
}

const ColorRuleSet& tagSet() {
    static const ColorRuleSet set = [] {
        ColorRuleSet s;
        s.Rules = {{RgbColor(200, 0, 0), QStringLiteral("<"), QStringLiteral(">")}};
        return s;
    }();
    return set;
}

// The text as the widget holds it: one paragraph separator per line break.
QString widgetText() {
    QString text = page();
    return text.replace(QStringLiteral("\r\n"), QString(QChar::ParagraphSeparator));
}

void HighlightRunsIgnoringCase(benchmark::State& state) {
    std::size_t runs = 0;
    for (auto _ : state)
        runs = HighlightRuns(page(), tagSet().Rules, HighlightOptions{}).size();
    state.counters["runs"] = double(runs);
}
BENCHMARK(HighlightRunsIgnoringCase)->Unit(benchmark::kMillisecond);

void HighlightRunsMatchingCase(benchmark::State& state) {
    HighlightOptions options;
    options.matchCase = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(HighlightRuns(page(), tagSet().Rules, options));
}
BENCHMARK(HighlightRunsMatchingCase)->Unit(benchmark::kMillisecond);

// The bulk operation alone, on a freshly set text each time.
void SetColorRunsOnTheWidget(benchmark::State& state) {
    RichEditSurface surface;
    const std::vector<ColorRun> runs = HighlightRuns(page(), tagSet().Rules, {});
    for (auto _ : state) {
        state.PauseTiming();
        surface.setText(page());
        state.ResumeTiming();
        surface.setColorRuns(runs);
    }
    state.counters["runs"] = double(runs.size());
}
BENCHMARK(SetColorRunsOnTheWidget)->Unit(benchmark::kMillisecond)->Iterations(5);

struct MainWindow {
    MainWindow() { Program().Applied.AppliedFontName = QStringLiteral("Courier New CE"); }
    TestPlatform platform;
    MainForm form;
};

MainWindow& mainWindow() {
    static MainWindow window;
    return window;
}

// The whole command on a document just opened: reset, search, colouring.
void ApplyColorSetToOpenedDocument(benchmark::State& state) {
    MainWindow& window = mainWindow();
    (void)window;
    for (auto _ : state) {
        state.PauseTiming();
        MainSurface().setText(page());
        (void)MainSurface().lineFromPosition(LargestDocument - 10);
        state.ResumeTiming();
        ApplyColorSet(tagSet(), false, true);
    }
}
BENCHMARK(ApplyColorSetToOpenedDocument)->Unit(benchmark::kMillisecond)->Iterations(5);

// Pressed again: the reset now meets every coloured tag.
void ApplyColorSetAgain(benchmark::State& state) {
    MainWindow& window = mainWindow();
    (void)window;
    MainSurface().setText(page());
    ApplyColorSet(tagSet(), false, true);
    for (auto _ : state)
        ApplyColorSet(tagSet(), false, true);
}
BENCHMARK(ApplyColorSetAgain)->Unit(benchmark::kMillisecond)->Iterations(5);

// What the widget costs without care: a cursor per run, no edit block, the
// undo history on.
void BareTextEditCursorPerRun(benchmark::State& state) {
    const QString text = widgetText();
    const std::vector<ColorRun> runs = HighlightRuns(text, tagSet().Rules, {});
    QTextCharFormat format;
    format.setForeground(QColor(200, 0, 0));
    std::unique_ptr<QTextEdit> edit;
    for (auto _ : state) {
        state.PauseTiming();
        edit = std::make_unique<QTextEdit>();
        QTextCursor(edit->document()).insertText(text);
        state.ResumeTiming();
        for (const ColorRun& run : runs) {
            QTextCursor cursor(edit->document());
            cursor.setPosition(run.start);
            cursor.setPosition(run.start + run.length, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(format);
        }
    }
    state.counters["runs"] = double(runs.size());
}
BENCHMARK(BareTextEditCursorPerRun)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv);
}

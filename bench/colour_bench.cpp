#include "bench_support.h"
#include "colour/ApplyColorSet.h"
#include "core/colour/colour_highlighting.h"
#include "core/text/editor_surface.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

const QString& page() {
    static const QString text = LargestTaggedPage();
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

// The main window shown, and a bare widget of the same size beside it.
// Never destroyed: widgets must not outlive the application object.
struct Windows {
    TestPlatform platform;
    MainForm form;
    QTextEdit* bare = new QTextEdit;

    Windows() {
        Program().Applied.AppliedFontName = QStringLiteral("Courier New CE");
        ShowAtUserSize(&form);
        bare->resize(form.Text1()->size());
        bare->show();
        QApplication::processEvents();
    }
};

Windows& windows() {
    static Windows* instance = new Windows;
    return *instance;
}

// The start-up path: the text arrives in the emptied document, which then
// takes the editor's look.
void SetTextIntoTheEmptiedMainWindow(benchmark::State& state) {
    Windows& w = windows();
    TimeSetTextIntoEmptied(state, MainSurface(), w.form.Text1(), w.bare, page());
}
BENCHMARK(SetTextIntoTheEmptiedMainWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// The bare widget does what the rule set asks in one edit block: every
// character to the default colour, then each stretch in its own.
void colourBare(QTextEdit* edit, const std::vector<ColorRun>& runs) {
    QTextDocument* document = edit->document();
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    QTextCharFormat format;
    format.setForeground(QColor(0, 0, 0));
    cursor.select(QTextCursor::Document);
    cursor.mergeCharFormat(format);
    format.setForeground(QColor(200, 0, 0));
    for (const ColorRun& run : runs) {
        cursor.setPosition(run.start);
        cursor.setPosition(run.start + run.length, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format);
    }
    cursor.endEditBlock();
    document->setUndoRedoEnabled(true);
}

// Positions of the runs in the bare widget, whose breaks count one.
std::vector<ColorRun> bareRuns() {
    QString text = page();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return HighlightRuns(text, tagSet().Rules, {});
}

// The whole command on a document just opened: reset, search, colouring.
void ApplyColorSetFirstTime(benchmark::State& state) {
    Windows& w = windows();
    const std::vector<ColorRun> runs = bareRuns();
    TimeSideBySide(state, {w.form.Text1(), [] { MainSurface().setText(page()); },
                           [] { ApplyColorSet(tagSet(), false, true); }, w.bare,
                           [&w] { w.bare->setPlainText(page()); },
                           [&w, &runs] { colourBare(w.bare, runs); }});
}
BENCHMARK(ApplyColorSetFirstTime)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// Pressed again: the reset now meets every coloured tag.
void ApplyColorSetSecondTime(benchmark::State& state) {
    Windows& w = windows();
    const std::vector<ColorRun> runs = bareRuns();
    MainSurface().setText(page());
    w.bare->setPlainText(page());
    TimeSideBySide(state, {w.form.Text1(), [] { ApplyColorSet(tagSet(), false, true); },
                           [] { ApplyColorSet(tagSet(), false, true); }, w.bare,
                           [&w, &runs] { colourBare(w.bare, runs); },
                           [&w, &runs] { colourBare(w.bare, runs); }});
}
BENCHMARK(ApplyColorSetSecondTime)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// Replace-all "<B>" -> "<STRONG>" over the highlighted document.
void ReplaceAllBoldOverColours(benchmark::State& state) {
    Windows& w = windows();
    const std::vector<ColorRun> runs = bareRuns();
    const QString from = QStringLiteral("<B>");
    const QString to = QStringLiteral("<STRONG>");
    TimeSideBySide(
        state, {w.form.Text1(),
                [] {
                    MainSurface().setText(page());
                    ApplyColorSet(tagSet(), false, true);
                },
                [&] { MainSurface().replaceText(MainSurface().text().replace(from, to)); }, w.bare,
                [&w, &runs] {
                    w.bare->setPlainText(page());
                    colourBare(w.bare, runs);
                },
                [&] { w.bare->setPlainText(w.bare->toPlainText().replace(from, to)); }});
}
BENCHMARK(ReplaceAllBoldOverColours)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv);
}

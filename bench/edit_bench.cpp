// The selected-text commands over the whole largest document: the string
// function alone, then the whole command on the shown main window beside a
// bare QTextEdit taking the same result, as a ratio.
#include "bench_support.h"
#include "core/text/selection_transforms.h"
#include "core/text/string_functions.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "shell/main_window/MainMenu.h"
#include "shell/shell_commands.h"
#include "shown_windows.h"

#include <QTextEdit>
#include <functional>

namespace {

// Czech prose in CR LF lines, exactly the largest size.
const QString& page() {
    static const QString text = [] {
        const QString line =
            QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy, CHATA %1.\r\n");
        QString t;
        t.reserve(LargestDocument + line.size());
        for (int i = 0; t.size() < LargestDocument; ++i)
            t += line.arg((i * 7919) % 100000);
        t.truncate(LargestDocument);
        return t;
    }();
    return text;
}

// Hexadecimal codes of a third of the page, so the codes are the size of the page.
const QString& hexPage() {
    static const QString codes = TextToHexCodes(page().left(LargestDocument / 3));
    return codes;
}

void Function(benchmark::State& state, const std::function<QString(const QString&)>& function,
              const QString& input) {
    for (auto _ : state)
        benchmark::DoNotOptimize(function(input));
}
BENCHMARK_CAPTURE(Function, InvertCase, InvertCase, page())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Function, StripDiacritics, StripDiacritics, page())
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Function, TextToHexCodes, TextToHexCodes, page())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Function, HexCodesToText, HexCodesToText, hexPage())
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Function, SortLines, SortLines, page())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Function, ComplementCodes, ComplementCodes, page())
    ->Unit(benchmark::kMillisecond);

// Lays the whole text out, as scrolling to its end does for a user.
void layOutToTheEnd(QTextEdit& edit) {
    edit.moveCursor(QTextCursor::End);
    edit.ensureCursorVisible();
    QApplication::processEvents();
}

ShownWindows& windows() {
    // Never destroyed: its widgets must not outlive the application object.
    static ShownWindows* instance = new ShownWindows(RegisterShellCommands);
    return *instance;
}

// The command on the whole text selected in the shown main window, and a
// bare QTextEdit reading its text, transforming it and taking the result.
void Command(benchmark::State& state, MenuId id,
             const std::function<QString(const QString&)>& function, const QString& input) {
    ShownWindows& w = windows();
    RichEditSurface& surface = w.form.surface();
    TimeBeside(
        state,
        [&] {
            surface.setText(input);
            layOutToTheEnd(*w.form.Text1());
            surface.setSelStart(0);
            surface.setSelLength(surface.textLength());
            w.bare.setPlainText(input);
            layOutToTheEnd(w.bare);
        },
        [&] {
            w.form.menu().runCommand(id);
            layOutToTheEnd(*w.form.Text1());
        },
        [&] {
            w.bare.setPlainText(function(w.bare.toPlainText()));
            layOutToTheEnd(w.bare);
        });
}

#define COMMAND(name, id, function, input)                                                         \
    BENCHMARK_CAPTURE(Command, name, MenuId::id, function, input)                                  \
        ->UseManualTime()                                                                          \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->Iterations(3)

COMMAND(InvertCase, mnu_CaseInvert, InvertCase, page());
COMMAND(StripDiacritics, mnuHackyCarky, StripDiacritics, page());
COMMAND(TextToHexCodes, Mnu_Pres_Str2Hex, TextToHexCodes, page());
COMMAND(HexCodesToText, Mnu_Pres_Hex2Str, HexCodesToText, hexPage());
COMMAND(SortLines, Mnu_Sort_Lines, SortLines, page());
COMMAND(ComplementCodes, mnuZaKodPrim, ComplementCodes, page());

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv);
}

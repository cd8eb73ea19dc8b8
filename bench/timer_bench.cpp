#include "bench_support.h"
#include "platform/platform.h"
#include "platform/surface/RichEditSurface.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainTimer.h"

namespace {

// The main window with its timer, the largest document loaded and laid out.
struct Loaded {
    QtPlatform platform;
    MainForm form;
    MainTimer* timer = new MainTimer(form);

    Loaded() {
        form.show();
        form.surface().setText(LargestLinesText());
        (void)form.surface().lineFromPosition(form.surface().textLength() - 10);
    }
};

// Never destroyed: widgets must not outlive the application object.
Loaded& loaded() {
    static Loaded* instance = new Loaded;
    return *instance;
}

void tickWith(benchmark::State& state, int selStart, int selLength, const QString& clipboard) {
    Loaded& window = loaded();
    Platform().clipboard->setText(clipboard);
    window.form.surface().setSelStart(selStart);
    window.form.surface().setSelLength(selLength);
    for (auto _ : state)
        window.timer->tick();
}

void TickCaretNearEnd(benchmark::State& state) {
    const int length = loaded().form.surface().textLength();
    tickWith(state, length - 1000, 0, QStringLiteral("krátký text"));
}
BENCHMARK(TickCaretNearEnd)->Unit(benchmark::kMicrosecond);

void TickSelectionNearEnd(benchmark::State& state) {
    const int length = loaded().form.surface().textLength();
    tickWith(state, length - 1000, 500, QStringLiteral("krátký text"));
}
BENCHMARK(TickSelectionNearEnd)->Unit(benchmark::kMicrosecond);

void TickWholeTextSelected(benchmark::State& state) {
    const int length = loaded().form.surface().textLength();
    tickWith(state, 0, length, QStringLiteral("krátký text"));
}
BENCHMARK(TickWholeTextSelected)->Unit(benchmark::kMicrosecond);

// The whole document copied: panel 4 previews the clipboard.
void TickWholeDocumentOnClipboard(benchmark::State& state) {
    const int length = loaded().form.surface().textLength();
    tickWith(state, length - 1000, 0, LargestLinesText());
}
BENCHMARK(TickWholeDocumentOnClipboard)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv);
}

#include "platform/RichEditSurface.h"
#include "platform/platform.h"
#include "shell/MainForm.h"
#include "shell/MainTimer.h"

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

// The main window with its timer, the largest document loaded and laid out.
struct Loaded {
    QtPlatform platform;
    MainForm form;
    MainTimer* timer = new MainTimer(form);

    Loaded() {
        form.show();
        form.surface().setText(largestText());
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
    tickWith(state, length - 1000, 0, largestText());
}
BENCHMARK(TickWholeDocumentOnClipboard)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

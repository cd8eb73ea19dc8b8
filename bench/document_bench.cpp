#include "bench_support.h"
#include "core/text/ansi_code_page.h"
#include "core/text/editor_surface.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/files/document_files.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

struct Fixture {
    Fixture() {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(EncodeAnsi(LargestLinesText()));
    }
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("large.txt"));
    // Unanswered questions take their default button: Yes to overwriting.
    TestPlatform platform;
    MainForm form;
};

Fixture& fixture() {
    static Fixture instance;
    return instance;
}

void OpenLargestDocument(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state)
        OpenDocument(f.path);
}
BENCHMARK(OpenLargestDocument)->Unit(benchmark::kMillisecond);

void SaveLargestDocument(benchmark::State& state) {
    Fixture& f = fixture();
    OpenDocument(f.path);
    for (auto _ : state)
        SaveDocument(f.path, MainSurface().text());
}
BENCHMARK(SaveLargestDocument)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv);
}

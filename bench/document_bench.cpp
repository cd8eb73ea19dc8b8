#include "core/editor_surface.h"
#include "platform/testing/test_platform.h"
#include "shell/MainForm.h"
#include "shell/ProgramState.h"
#include "shell/document_files.h"
#include "shell/shared_procedures.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Lines = 30000;

// 30 000 CR LF lines, exactly the largest size the program opens.
QByteArray largestDocument() {
    QByteArray bytes;
    const int lineLength = int(LargestDocumentSize) / Lines - 2;
    for (int line = 0; line < Lines - 1; ++line)
        bytes += QByteArray(lineLength, char('a' + line % 26)) + "\r\n";
    bytes += QByteArray(int(LargestDocumentSize) - bytes.size(), 'z');
    return bytes;
}

struct Fixture {
    Fixture() {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(largestDocument());
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
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

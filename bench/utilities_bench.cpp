// The frequency analysis of the largest document, through the analysis
// window on the shown main window and in the core alone, beside byte
// counting by od, sort and uniq on the same file; and the line-end
// conversion of a file of that size beside dos2unix and unix2dos.
#include "bench_support.h"
#include "core/text/ansi_code_page.h"
#include "core/utilities/char_frequency.h"
#include "core/utilities/line_ends.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/main_window/MainForm.h"
#include "utilities/analysis/Analytic.h"

#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

struct Files {
    Files() {
        page = LargestTaggedPage();
        write(QStringLiteral("page.html"), EncodeAnsi(page));
        QByteArray unixBytes = EncodeAnsi(page);
        unixBytes.replace("\r\n", "\n");
        write(QStringLiteral("unix.html"), unixBytes);
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    [[nodiscard]] QString path(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    QString page;
};

Files& files() {
    static Files* instance = new Files;
    return *instance;
}

// A shell pipeline on the benchmark's files, start-up included.
std::function<void()> Pipeline(const QString& command) {
    return [command] {
        QProcess shell;
        shell.setWorkingDirectory(files().folder.path());
        shell.start(QStringLiteral("sh"), {QStringLiteral("-c"), command});
        shell.waitForFinished(-1);
    };
}

const QString ByteCounting = QStringLiteral(
    "od -An -v -tu1 -w1 page.html | LC_ALL=C sort | uniq -c | LC_ALL=C sort -rn > counts.txt");

struct AnalysisScene {
    AnalysisScene() {
        form.resize(800, 600);
        form.show();
        form.surface().setText(files().page);
        (void)form.surface().lineFromPosition(form.surface().textLength() - 10);
        analysis = new Analytic(&form);
        analysis->show();
    }
    TestPlatform platform;
    MainForm form;
    Analytic* analysis = nullptr;
};

AnalysisScene& analysisScene() {
    // Never destroyed: its widgets must not outlive the application object.
    static AnalysisScene* instance = new AnalysisScene;
    return *instance;
}

// One run of the two-second refresh: the document read, counted, drawn,
// ranked and listed in 255 rows, to the end of the list's paint.
void AnalysisThroughTheWindow(benchmark::State& state) {
    AnalysisScene& scene = analysisScene();
    TimeBeside(
        state, nullptr,
        [&scene] {
            scene.analysis->Command1()->click();
            scene.analysis->repaint();
        },
        Pipeline(ByteCounting));
}
BENCHMARK(AnalysisThroughTheWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void AnalysisInCore(benchmark::State& state) {
    const QString& page = files().page;
    TimeBeside(
        state, nullptr,
        [&page] {
            benchmark::DoNotOptimize(
                RankedFrequencies(CountCodes(page), static_cast<int>(page.size())));
        },
        Pipeline(ByteCounting));
}
BENCHMARK(AnalysisInCore)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void DosToUnixFile(benchmark::State& state) {
    TimeBeside(
        state, nullptr,
        [] {
            (void)ConvertFileLineEnds(files().path(QStringLiteral("page.html")), LineEndForm::Unix);
        },
        Pipeline(QStringLiteral("dos2unix -q -n page.html page.d2u")));
}
BENCHMARK(DosToUnixFile)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void UnixToDosFile(benchmark::State& state) {
    TimeBeside(
        state, nullptr,
        [] {
            (void)ConvertFileLineEnds(files().path(QStringLiteral("unix.html")), LineEndForm::Dos);
        },
        Pipeline(QStringLiteral("unix2dos -q -n unix.html unix.u2d")));
}
BENCHMARK(UnixToDosFile)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv);
}

// Converting the Czech letters of a page of the largest size from Windows
// 1250 to DOS 852: the program's conversion beside iconv, start-up included,
// converting the same bytes in the same run; and the whole command through
// the window on the shown main window beside a bare widget taking the text.
#include "bench_support.h"
#include "core/text/ansi_code_page.h"
#include "core/utilities/czech_code_pages.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"
#include "utilities/charset/CharsetConv.h"

#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

void ConversionBesideIconv(benchmark::State& state) {
    const QString page = LargestTaggedPage();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.html"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(EncodeAnsi(page)) != page.size()) {
        state.SkipWithError("cannot write the page");
        return;
    }
    file.close();
    const QString out = folder.filePath(QStringLiteral("out.html"));
    bool iconvFailed = false;
    QString converted;
    TimeBeside(
        state, nullptr, [&] { converted = ConvertCzechCodePage(page, 2, 1); },
        [&] {
            QProcess iconv;
            iconv.setStandardOutputFile(out);
            iconv.start(QStringLiteral("iconv"),
                        {QStringLiteral("-f"), QStringLiteral("CP1250"), QStringLiteral("-t"),
                         QStringLiteral("CP852"), path});
            iconvFailed |= !iconv.waitForFinished() || iconv.exitCode() != 0;
        });
    if (iconvFailed) {
        state.SkipWithError("iconv failed");
        return;
    }
    // Both wrote the same letters, so the ratio compares like with like.
    QFile written(out);
    state.counters["same_bytes"] =
        written.open(QIODevice::ReadOnly) && written.readAll() == EncodeAnsi(converted);
}
BENCHMARK(ConversionBesideIconv)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

struct Scene {
    Scene() : page(LargestTaggedPage()), converted(ConvertCzechCodePage(page, 2, 1)) {
        Program().Applied.AppliedFontName = QStringLiteral("Courier New CE");
        ShowAtUserSize(&form);
        ShowAtUserSize(&bare);
        window.OptFromCHS(2)->click();
    }
    TestPlatform platform;
    MainForm form;
    QTextEdit bare;
    CharsetConv window{&form};
    QString page;
    QString converted;
};

Scene& scene() {
    // Never destroyed: its widgets must not outlive the application object.
    static Scene* instance = new Scene;
    return *instance;
}

void ConversionThroughTheWindow(benchmark::State& state) {
    Scene& s = scene();
    TimeSideBySide(state, {s.form.Text1(), [&s] { MainSurface().setText(s.page); },
                           [&s] { s.window.Command1()->click(); }, &s.bare,
                           [&s] { s.bare.setPlainText(s.page); },
                           [&s] { s.bare.setPlainText(s.converted); }});
}
BENCHMARK(ConversionThroughTheWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv);
}

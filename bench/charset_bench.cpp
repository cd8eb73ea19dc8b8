// Converting the Czech letters of a page of the largest size from Windows
// 1250 to DOS 852: the program's conversion beside iconv, start-up included,
// converting the same bytes in the same run.
#include "bench_support.h"
#include "core/text/ansi_code_page.h"
#include "core/utilities/czech_code_pages.h"

#include <QFile>
#include <QProcess>
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

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv);
}

// Start-up of the program opening a 10 KB page beside a bare QTextEdit window
// opening the same page: resident memory and CPU time once each has settled,
// medians of several runs, as ratios; and whether the web engine is mapped.
// Run by hand: ./build/bench/startup_bench [program] (offscreen unless DISPLAY
// is set).
#include "core/settings/app_version.h"
#include "core/settings/settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 5;
constexpr int SettleMs = 3000;

struct Figures {
    double megabytes = 0;
    double cpuSeconds = 0;
    bool engineMapped = false;
};

QByteArray procFile(qint64 pid, const char* name) {
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Figures read(qint64 pid) {
    Figures figures;
    for (const QByteArray& line : procFile(pid, "status").split('\n')) {
        if (line.startsWith("VmRSS:"))
            figures.megabytes = line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
    }
    // Time on the CPU of every thread, in nanoseconds: finer than the clock
    // ticks of /proc/<pid>/stat, which a start of some 50 ms spans only a few of.
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile schedstat(tasks + u'/' + task + QStringLiteral("/schedstat"));
        if (schedstat.open(QIODevice::ReadOnly))
            figures.cpuSeconds += schedstat.readAll().split(' ').front().toDouble() / 1e9;
    }
    figures.engineMapped = procFile(pid, "maps").contains("libQt6WebEngineCore");
    return figures;
}

Figures run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        qFatal("cannot start %s", qPrintable(program));
    QThread::msleep(SettleMs);
    const Figures figures = read(process.processId());
    process.kill();
    process.waitForFinished();
    return figures;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QString tenKilobytePage() {
    const QString line = QStringLiteral("<p>Příliš žluťoučký kůň úpěl ďábelské ódy.</p>\r\n");
    QString body = line.repeated(10240 / line.size());
    return QStringLiteral("<html><head><title>Stránka</title></head><body>\r\n") + body +
           QStringLiteral("</body></html>\r\n");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir folder;
    const QString build = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    const QString program = folder.filePath(QStringLiteral("tarvel"));
    // Another build of the program may be given to compare with.
    const QStringList arguments = QCoreApplication::arguments();
    QFile::copy(arguments.size() > 1 ? arguments[1] : build + QStringLiteral("/tarvel"), program);
    QFile settings(folder.filePath(QStringLiteral("tarvel.ini")));
    settings.open(QIODevice::WriteOnly);
    settings.write(EncodeSettings(FirstRunSettings(9000, 6000, AppVersionText())));
    settings.close();
    const QString page = folder.filePath(QStringLiteral("page.html"));
    QFile pageFile(page);
    pageFile.open(QIODevice::WriteOnly);
    pageFile.write(tenKilobytePage().toLatin1());
    pageFile.close();
    const QString bare =
        QCoreApplication::applicationDirPath() + QStringLiteral("/bare_text_window");

    std::vector<double> oursMb, bareMb, oursCpu, bareCpu;
    bool engineMapped = false;
    for (int i = 0; i < Runs; ++i) {
        const Figures ours = run(program, {page});
        const Figures reference = run(bare, {page});
        oursMb.push_back(ours.megabytes);
        oursCpu.push_back(ours.cpuSeconds);
        bareMb.push_back(reference.megabytes);
        bareCpu.push_back(reference.cpuSeconds);
        engineMapped = engineMapped || ours.engineMapped;
    }
    const double mb = median(oursMb), bareMbMedian = median(bareMb);
    const double cpu = median(oursCpu), bareCpuMedian = median(bareCpu);
    std::printf("memory_mb  ours %.1f  bare %.1f  ratio %.2f\n", mb, bareMbMedian,
                mb / bareMbMedian);
    std::printf("cpu_s      ours %.3f  bare %.3f  ratio %.2f\n", cpu, bareCpuMedian,
                cpu / bareCpuMedian);
    std::printf("web engine mapped before a preview: %s\n", engineMapped ? "yes" : "no");
    return 0;
}

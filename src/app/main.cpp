#include "app/program_commands.h"
#include "platform/browser/web_engine_setup.h"
#include "platform/platform.h"
#include "platform/qt_translations.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainForm.h"
#include "shell/start/main_procedure.h"
#include "shell/start/shutdown.h"
#include "utilities/calculator/Kalkul.h"

#include <QApplication>
#include <QTimer>
#include <atomic>
#include <csignal>
#include <memory>

namespace {

std::atomic<bool> closeRequested = false;

void requestClose(int) {
    closeRequested = true;
}

// A desktop session ends programs with SIGTERM, a closed terminal with SIGHUP
// and Ctrl+C with SIGINT: the program ends as a close by the user would, so
// the settings and the open documents are saved.
void closeOnTermination(QApplication& application) {
    for (const int endingSignal : {SIGTERM, SIGHUP, SIGINT})
        std::signal(endingSignal, requestClose);
    auto* poll = new QTimer(&application);
    QObject::connect(poll, &QTimer::timeout, &application, [] {
        if (closeRequested.exchange(false))
            EndWithTheDesktopSession();
    });
    poll->start(200);
}

// A write past the user's file-size limit (ulimit -f) would otherwise kill
// the program mid-save; ignored, it fails like a full disk and is reported.
void reportWritesPastTheFileSizeLimit() {
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace

int main(int argc, char** argv) {
    PrepareWebEngine();
    QApplication application(argc, argv);
    InstallCzechQtTranslations(application);
    QApplication::setApplicationName(QStringLiteral("Tarvel Qor"));
    QApplication::setQuitOnLastWindowClosed(false);
    QtPlatform platform;
    closeOnTermination(application);
    reportWritesPastTheFileSizeLimit();
    Program().EndProgram = [] { QCoreApplication::exit(0); };
    Program().ShowCalculatorAlone = ShowCalculatorAlone;
    RegisterProgramCommands(ProgramCommands());
    const QStringList arguments = QApplication::arguments().mid(1);
    Main(QApplication::applicationDirPath() + QStringLiteral("/"),
         arguments.join(QStringLiteral(" ")));
    const int status = Program().Ending ? 0 : QApplication::exec();
    delete MainForm::instance();
    RemoveTempFiles();
    return status;
}

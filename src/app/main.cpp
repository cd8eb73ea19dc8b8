#include "app/program_commands.h"
#include "platform/browser/web_engine_setup.h"
#include "platform/platform.h"
#include "platform/qt_translations.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainForm.h"
#include "shell/start/main_procedure.h"
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

// A desktop session ends programs with SIGTERM: close the main window as the
// user would, so the settings and the open documents are saved.
void closeOnTermination(QApplication& application) {
    std::signal(SIGTERM, requestClose);
    auto* poll = new QTimer(&application);
    QObject::connect(poll, &QTimer::timeout, &application, [] {
        if (!closeRequested.exchange(false))
            return;
        // The calculator or the browser alone ends as its own close does,
        // saving nothing, but without the question that would wait for ever.
        if (!Program().StartMode.isEmpty())
            EndTheProgram();
        else if (MainForm::instance())
            MainForm::instance()->close();
    });
    poll->start(200);
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

// The first preview after start on the largest document: from the key to the
// page shown by the web engine, which that preview loads. Once per process,
// so a plain program, not a benchmark loop; beside it, a bare QTextEdit
// taking the same text, the wait a user already accepts for opening it.
// Run by hand: ./build/bench/preview_bench
#include "app/program_commands.h"
#include "bench_support.h"
#include "core/text/editor_surface.h"
#include "platform/browser/web_engine_setup.h"
#include "platform/browser/web_view.h"
#include "platform/platform.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "shell/ProgramState.h"
#include "shell/browser/frmBrowser.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QEventLoop>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareWebEngine();
    QApplication application(argc, argv);
    QtPlatform platform;
    QTemporaryDir folder;
    Program().AppFolder = folder.path() + u'/';
    CommandRegistry commands;
    RegisterProgramCommands(commands);
    MainForm form(commands);
    ShowAtUserSize(&form);
    const QString text = LargestTaggedPage();
    form.surface().setText(text);
    WaitForLayout(form.Text1());

    const auto preview = [&] {
        form.menu().action(MenuId::Mnu_Internal_Browser)->trigger();
        QEventLoop shown;
        QObject::connect(&LoadedWindow<frmBrowser>().brwWebBrowser(), &WebView::loadFinished,
                         &shown, &QEventLoop::quit);
        shown.exec();
    };
    const double ours = SecondsOf(preview);
    // The same preview again: the engine already running, only the page's own
    // load, which the first preview cannot be faster than.
    const double again = SecondsOf(preview);
    QTextEdit bare;
    ShowAtUserSize(&bare);
    const double reference = SecondsOf([&] {
        bare.setPlainText(text);
        WaitForLayout(&bare);
    });
    std::printf(
        "first_preview_ms  ours %.0f  bare_open_ms %.0f  ratio %.2f  second_preview_ms %.0f\n",
        1000 * ours, 1000 * reference, ours / reference, 1000 * again);
    std::fflush(stdout);
    // The engine's threads do not take well to being torn down at exit.
    std::_Exit(0);
}

// The first preview after start on the largest document: from the key to the
// page shown by the web engine, which that preview loads. Once per process,
// so a plain program, not a benchmark loop; beside it, a bare QTextEdit
// taking the same text, the wait a user already accepts for opening it.
// Then, for each size in MB given, a page that long as a user makes it by
// pasting: inserted into the empty editor, from the read to the layout done,
// and shown in the internal browser, from the address to the page loaded.
// The longest file read into either (LargestReadFile) is the largest size
// both take within about ten seconds; the steps run here without that bound.
// Run by hand: ./build/bench/preview_bench [MB ...], e.g. 3 8 10 12
#include "app/program_commands.h"
#include "bench_support.h"
#include "core/files/file_io.h"
#include "core/shell/browser_rules.h"
#include "core/text/ansi_code_page.h"
#include "core/text/editor_surface.h"
#include "platform/browser/web_engine_setup.h"
#include "platform/browser/web_view.h"
#include "platform/platform.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "shell/ProgramState.h"
#include "shell/browser/browser_procedures.h"
#include "shell/browser/frmBrowser.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QEventLoop>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// The largest page's lines, bytes long in all.
QByteArray TaggedPage(qint64 bytes) {
    const QByteArray line = EncodeAnsi(LargestTaggedPage().section(u'\n', 0, 0) + u'\n');
    QByteArray page = line.repeated(bytes / line.size() + 1);
    page.truncate(bytes);
    return page;
}

void WaitForPage() {
    QEventLoop shown;
    QObject::connect(&LoadedWindow<frmBrowser>().brwWebBrowser(), &WebView::loadFinished, &shown,
                     &QEventLoop::quit);
    shown.exec();
}

} // namespace

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
        WaitForPage();
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
    for (int i = 1; i < argc; ++i) {
        const qint64 bytes = QByteArray(argv[i]).toLongLong() * 1000 * 1000;
        const QString path = folder.filePath(QStringLiteral("page%1.html").arg(i));
        WriteFileAtomically(path, TaggedPage(bytes));
        form.surface().setText(QString());
        WaitForLayout(form.Text1());
        const double inserted = SecondsOf([&] {
            form.surface().setSelText(DecodeAnsi(ReadRegularFile(path).bytes));
            WaitForLayout(form.Text1());
        });
        const double shown = SecondsOf([&] {
            ShowUrlInBrowser(BrowserFileAddress(path));
            WaitForPage();
        });
        std::printf("page_bytes %lld  insert_ms %.0f  browser_ms %.0f\n",
                    static_cast<long long>(bytes), 1000 * inserted, 1000 * shown);
        std::fflush(stdout);
        QFile::remove(path);
    }
    // The engine's threads do not take well to being torn down at exit.
    std::_Exit(0);
}

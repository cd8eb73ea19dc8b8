// Replace-all of "<B>" by "<STRONG>" on a page of the largest size: the core
// pass alone, the whole command through the replace window on the shown main
// window, a bare QTextEdit taking the same new text, and sed on the same file.
#include "bench_support.h"
#include "core/find/text_search.h"
#include "core/text/editor_surface.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/find/Zamena.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>

namespace {

// CR LF lines of a hand-written page, every other one with a bold word: about
// 10 000 "<B>" in exactly the largest size the program opens.
QString boldPage() {
    const QString lines =
        QStringLiteral("<P class=\"t\">Příliš žluťoučký <B>kůň</B> úpěl ódy.<BR></P>\r\n"
                       "<P>Další řádek textu stránky, bez značky; jen prostý text, jak jej autor "
                       "napsal.</P>\r\n");
    QString text = lines.repeated(LargestDocument / lines.size() + 1);
    text.truncate(LargestDocument);
    return text;
}

const QString& page() {
    static const QString text = boldPage();
    return text;
}

const QString Bold = QStringLiteral("<B>");
const QString Strong = QStringLiteral("<STRONG>");

// Waits for what a user waits for: the layout of the whole text and a paint.
void settle(QTextEdit& edit) {
    QCoreApplication::processEvents();
    (void)edit.document()->documentLayout()->documentSize();
    edit.viewport()->repaint();
}

void ReplaceEveryInCore(benchmark::State& state) {
    int count = 0;
    for (auto _ : state)
        count = ReplaceEvery(page(), Bold, Strong).count;
    state.counters["hits"] = count;
}
BENCHMARK(ReplaceEveryInCore)->Unit(benchmark::kMillisecond);

struct MainWindow {
    MainWindow() {
        Program().Applied.AppliedFontName = QStringLiteral("Courier New CE");
        form.resize(800, 600);
        form.show();
    }
    TestPlatform platform;
    MainForm form;
};

// A bare widget shown at the same size, given the replaced text as the
// widget's own plain-text setter gives it.
struct BareWidget {
    BareWidget() {
        edit.resize(800, 600);
        edit.show();
    }
    QTextEdit edit;
};

struct Scene {
    Scene() : replaced(ReplaceEvery(page(), Bold, Strong).text), replace(&window.form) {
        widgetText = replaced;
        widgetText.replace(QStringLiteral("\r\n"), QString(QChar::ParagraphSeparator));
    }
    // Both editors hold the page, laid out.
    void load() {
        MainSurface().setText(page());
        settle(*window.form.Text1());
        bare.edit.setPlainText(page());
        settle(bare.edit);
    }
    void bareTakesTheNewText() {
        bare.edit.setPlainText(widgetText);
        settle(bare.edit);
    }

    MainWindow window;
    BareWidget bare;
    QString replaced;
    QString widgetText;
    Zamena replace;
};

Scene& scene() {
    // Never destroyed: its widgets must not outlive the application object.
    static Scene* instance = new Scene;
    return *instance;
}

// The replace window's "zaměnit Vše" on the shown main window holding the
// page, to the end of the layout, beside the bare widget taking the new text.
void ReplaceAllThroughTheWindow(benchmark::State& state) {
    Scene& s = scene();
    TimeBeside(
        state,
        [&s] {
            s.load();
            s.replace.Command4()->click();
            s.replace.Find()->setText(Bold);
            s.replace.Chage()->setText(Strong);
            s.replace.Command1()->click();
        },
        [&s] {
            s.replace.Command6()->click();
            settle(*s.window.form.Text1());
        },
        [&s] { s.bareTakesTheNewText(); });
}
BENCHMARK(ReplaceAllThroughTheWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// The write alone: the surface taking the replaced text, beside the bare widget.
void SurfaceTakesTheNewText(benchmark::State& state) {
    Scene& s = scene();
    TimeBeside(
        state, [&s] { s.load(); },
        [&s] {
            MainSurface().setText(s.replaced);
            settle(*s.window.form.Text1());
        },
        [&s] { s.bareTakesTheNewText(); });
}
BENCHMARK(SurfaceTakesTheNewText)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// sed doing the same replacement on the same file, start-up included.
void SedOnTheSameFile(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.html"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        state.SkipWithError("cannot write the page");
        return;
    }
    file.write(page().toUtf8());
    file.close();
    const QString out = folder.filePath(QStringLiteral("out.html"));
    for (auto _ : state) {
        QProcess sed;
        sed.setStandardOutputFile(out);
        sed.start(QStringLiteral("sed"), {QStringLiteral("s/<B>/<STRONG>/g"), path});
        if (!sed.waitForFinished() || sed.exitCode() != 0) {
            state.SkipWithError("sed failed");
            return;
        }
    }
}
BENCHMARK(SedOnTheSameFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv);
}

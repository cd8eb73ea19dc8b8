#include "bench_support.h"
#include "core/files/file_io.h"
#include "core/settings/app_version.h"
#include "core/settings/settings_file.h"
#include "core/text/ansi_code_page.h"
#include "core/text/editor_surface.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "platform/testing/test_platform.h"
#include "platform/twips.h"
#include "shell/ProgramState.h"
#include "shell/files/document_files.h"
#include "shell/main_window/DocumentTabs.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"
#include "shell/start/main_procedure.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

// The main window at the size every figure is taken at, shown, as a user has it.
constexpr QSize WindowSize{800, 600};

struct Fixture {
    Fixture() {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(EncodeAnsi(LargestLinesText()));
    }
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("large.txt"));
    // Unanswered questions take their default button: Yes to overwriting.
    TestPlatform platform;
};

Fixture& fixture() {
    // Never destroyed: its widgets must not outlive the application object.
    static Fixture* instance = new Fixture;
    return *instance;
}

MainForm& shownForm() {
    static MainForm* form = [] {
        (void)fixture(); // the platform the window talks to
        auto* made = new MainForm;
        made->resize(WindowSize);
        made->show();
        QCoreApplication::processEvents();
        return made;
    }();
    return *form;
}

// What the user waits for: the editor painted with its text.
void paintNow(QTextEdit& edit) {
    QCoreApplication::processEvents();
    edit.viewport()->repaint();
}

// A bare widget as large as the program's editor, shown.
std::unique_ptr<QTextEdit> bareEditLike(const QWidget& editor) {
    auto edit = std::make_unique<QTextEdit>();
    edit->resize(editor.size());
    edit->show();
    QCoreApplication::processEvents();
    return edit;
}

void OpenLargestDocument(benchmark::State& state) {
    Fixture& f = fixture();
    (void)shownForm();
    for (auto _ : state)
        OpenDocument(f.path);
}
BENCHMARK(OpenLargestDocument)->Unit(benchmark::kMillisecond);

void SaveLargestDocument(benchmark::State& state) {
    Fixture& f = fixture();
    (void)shownForm();
    OpenDocument(f.path);
    for (auto _ : state)
        SaveDocument(f.path, MainSurface().text());
}
BENCHMARK(SaveLargestDocument)->Unit(benchmark::kMillisecond);

// Entering the tab that holds the largest document, from a tab holding a
// line, until the editor is painted; the bare widget swaps the same two kinds
// of document. The argument puts the caret at the start (0) or the end (1).
void EnterTabWithLargestDocument(benchmark::State& state) {
    const bool caretAtEnd = state.range(0) == 1;
    MainForm& form = shownForm();
    DocumentTabs& tabs = form.documents();
    const QString text = LargestLinesText();
    tabs.selectTab(2);
    MainSurface().setText(text);
    MainSurface().setSelStart(caretAtEnd ? MainSurface().textLength() : 0);
    tabs.selectTab(1);
    MainSurface().setText(QStringLiteral("line"));
    paintNow(*form.Text1());

    auto bare = bareEditLike(*form.Text1());
    QTextDocument small;
    QTextDocument large;
    small.setPlainText(QStringLiteral("line"));
    large.setPlainText(text);
    bare->setDocument(&large);
    paintNow(*bare);

    TimeBeside(
        state,
        [&] {
            tabs.selectTab(1);
            paintNow(*form.Text1());
            bare->setDocument(&small);
            paintNow(*bare);
        },
        [&] {
            tabs.selectTab(2);
            paintNow(*form.Text1());
        },
        [&] {
            bare->setDocument(&large);
            if (caretAtEnd)
                bare->moveCursor(QTextCursor::End);
            paintNow(*bare);
        });
    tabs.selectTab(1);
    bare->setDocument(&small);
}
BENCHMARK(EnterTabWithLargestDocument)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The whole start with the largest file as the argument, from nothing until
// its text is painted in the shown editor; the bare widget is made, shown,
// reads the file and takes its text as plain text.
void StartWithLargestFile(benchmark::State& state) {
    Fixture& f = fixture();
    const QString appFolder = f.folder.path() + QStringLiteral("/");
    SettingsRecord settings = FirstRunSettings(
        PixelsToTwips(WindowSize.width()), PixelsToTwips(WindowSize.height()), AppVersionText());
    settings.ShowStartScreen = false;
    WriteFileAtomically(appFolder + QStringLiteral("tarvel.ini"), EncodeSettings(settings));
    QSize editorSize;

    TimeBeside(
        state,
        [] {
            delete MainForm::instance();
            Program() = ProgramState{};
        },
        [&] {
            Main(appFolder, f.path);
            paintNow(*MainForm::instance()->Text1());
            editorSize = MainForm::instance()->Text1()->size();
        },
        [&] {
            QTextEdit bare;
            bare.resize(editorSize);
            bare.show();
            bare.setPlainText(DecodeAnsi(ReadWholeFile(f.path)));
            paintNow(bare);
        });
    delete MainForm::instance();
}
BENCHMARK(StartWithLargestFile)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv);
}

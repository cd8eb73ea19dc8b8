#include "shell/main_window/DocumentTabs.h"

#include "core/files/file_io.h"
#include "core/text/ansi_code_page.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/files/exit_autosave.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/editor_look.h"
#include "shell/shared_procedures.h"

#include <QApplication>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

class DocumentTabsTest : public ::testing::Test {
public:
    DocumentTabsTest() {
        Program() = ProgramState{};
        Program().AppFolder = folder.path() + u"/"_s;
        form = new MainForm;
        form->documents().setCaption(QString(), false);
    }
    ~DocumentTabsTest() override { delete form; }

    EditorSurface& surface() { return form->surface(); }
    DocumentTabs& tabs() { return form->documents(); }
    void type(const QString& text) { surface().setSelText(text); }

    QTemporaryDir folder;
    TestPlatform platform;
    MainForm* form = nullptr;
};

TEST_F(DocumentTabsTest, EachTabKeepsItsTextCaretPathModifiedMarkAndUndo) {
    type(u"one"_s);
    type(u"\r\ntwo"_s);
    EXPECT_EQ(form->windowTitle(), u"Tarvel Qor ()*"_s);
    surface().setSelStart(2);
    tabs().selectTab(3);
    tabs().setCaption(u"/tmp/three.txt"_s, false);
    type(u"three"_s);
    tabs().selectTab(2);
    EXPECT_EQ(Program().CurrentFilePath, QString());
    EXPECT_EQ(form->windowTitle(), u"Tarvel Qor ()"_s);
    EXPECT_EQ(surface().text(), QString());

    tabs().selectTab(3);
    EXPECT_EQ(Program().CurrentFilePath, u"/tmp/three.txt"_s);
    EXPECT_EQ(form->windowTitle(), u"Tarvel Qor (/tmp/three.txt)*"_s);
    EXPECT_EQ(form->FileTab()->tabToolTip(2), u"/tmp/three.txt"_s);
    EXPECT_EQ(form->FileTab()->tabText(2), u"three.txt"_s);

    form->show();
    QApplication::setActiveWindow(form);
    form->FileTab()->setFocus();
    int changes = 0;
    QObject::connect(&surface(), &EditorSurface::textChanged, form, [&changes] { ++changes; });
    tabs().selectTab(1);
    EXPECT_EQ(changes, 0); // entering a tab sets no text
    EXPECT_EQ(form->windowTitle(), u"Tarvel Qor ()*"_s);
    EXPECT_EQ(Program().CurrentFilePath, QString());
    EXPECT_EQ(surface().text(), u"one\r\ntwo"_s);
    EXPECT_EQ(surface().selStart(), 2);
    EXPECT_EQ(form->Text1()->textCursor().position(), 2);
    EXPECT_EQ(QApplication::focusWidget(), form->Text1());

    // Each tab undoes its own edits, one step at a time.
    form->Text1()->undo();
    EXPECT_EQ(surface().text(), u"one"_s);
    tabs().selectTab(3);
    form->Text1()->undo();
    EXPECT_EQ(surface().text(), QString());
    tabs().selectTab(1);
    form->Text1()->redo();
    EXPECT_EQ(surface().text(), u"one\r\ntwo"_s);
}

// The look an emptied document waits with is no edit of its own: undo brings
// the deleted text back at once, in its own look.
TEST_F(DocumentTabsTest, UndoBringsBackATextDeletedWhole) {
    type(u"abc"_s);
    Program().Applied = {RgbColor(0, 128, 0), true, false, u"Courier New CE"_s};
    surface().setSelStart(0);
    surface().setSelLength(3);
    type(QString());
    ASSERT_EQ(surface().tag(), u"_0"_s);
    form->Text1()->undo();
    EXPECT_EQ(surface().text(), u"abc"_s);
    surface().setSelStart(0);
    surface().setSelLength(1);
    EXPECT_FALSE(surface().selBold());
}

TEST_F(DocumentTabsTest, ATabKeepsItsHighlightingWhileAway) {
    const ColorValue red = RgbColor(200, 0, 0);
    type(u"<b>x</b>"_s);
    surface().setColorRuns({{0, 3, red}});
    tabs().selectTab(2);
    type(u"plain"_s);
    tabs().selectTab(1);
    surface().setSelStart(1);
    surface().setSelLength(1);
    EXPECT_EQ(surface().selColor(), red);
    surface().setSelStart(4);
    surface().setSelLength(1);
    EXPECT_NE(surface().selColor(), red);
}

// Whatever brings text into an emptied document, the text takes the applied
// look and size, also when the look changed while the document was empty.
TEST_F(DocumentTabsTest, TextIntoAnEmptiedDocumentTakesTheAppliedLook) {
    const AppliedFont green{RgbColor(0, 128, 0), true, false, u"Courier New CE"_s};
    const AppliedFont navy{RgbColor(0, 0, 128), false, true, u"Arial CE"_s};
    const struct {
        const char* name;
        std::function<void(DocumentTabsTest&)> empty;
        const AppliedFont* appliedWhileEmpty;
        std::function<void(DocumentTabsTest&)> write;
    } cases[] = {
        {"typed after deleting all",
         [](DocumentTabsTest& t) {
             t.surface().setSelStart(0);
             t.surface().setSelLength(3);
             t.type(QString());
         },
         nullptr, [](DocumentTabsTest& t) { t.type(u"xy\r\nz"_s); }},
        {"typed after the Delete key",
         [](DocumentTabsTest& t) {
             t.surface().setSelStart(0);
             t.surface().setSelLength(3);
             QTest::keyClick(t.form->Text1(), Qt::Key_Delete);
         },
         nullptr, [](DocumentTabsTest& t) { QTest::keyClicks(t.form->Text1(), u"xy"_s); }},
        {"set whole after a new text", [](DocumentTabsTest& t) { t.surface().setText({}); },
         nullptr, [](DocumentTabsTest& t) { t.surface().setText(u"xy\r\nz"_s); }},
        {"look applied while empty", [](DocumentTabsTest& t) { t.surface().setText({}); }, &navy,
         [](DocumentTabsTest& t) { t.surface().setText(u"xy\r\nz"_s); }},
        {"an untouched tab", [](DocumentTabsTest& t) { t.tabs().selectTab(4); }, nullptr,
         [](DocumentTabsTest& t) { t.type(u"xy\r\nz"_s); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tabs().selectTab(1);
        surface().setText(u"abc"_s);
        ApplyEditorFont(green.AppliedTextColor, green.AppliedBold, green.AppliedItalic,
                        green.AppliedFontName);
        Program().AppliedFontSize = 14;
        surface().setTextFontSize(14);
        c.empty(*this);
        EXPECT_EQ(surface().tag(), u"_0"_s);
        if (c.appliedWhileEmpty) {
            const AppliedFont& look = *c.appliedWhileEmpty;
            ApplyEditorFont(look.AppliedTextColor, look.AppliedBold, look.AppliedItalic,
                            look.AppliedFontName);
        }
        c.write(*this);
        EXPECT_EQ(surface().tag(), QString());
        const AppliedFont& wanted = c.appliedWhileEmpty ? *c.appliedWhileEmpty : green;
        for (const int position : {0, 1, 4}) {
            surface().setSelStart(position);
            surface().setSelLength(1);
            EXPECT_EQ(surface().selColor(), wanted.AppliedTextColor) << position;
            EXPECT_EQ(surface().selBold(), wanted.AppliedBold) << position;
            EXPECT_EQ(surface().selItalic(), wanted.AppliedItalic) << position;
            EXPECT_EQ(surface().selFontName(), wanted.AppliedFontName) << position;
            EXPECT_EQ(surface().selFontSize(), 14) << position;
        }
    }
}

TEST_F(DocumentTabsTest, CloseAsksAboutEveryModifiedDocumentAndNoKeepsTheProgram) {
    type(u"a"_s);
    tabs().selectTab(2);
    type(u"b"_s);
    tabs().selectTab(3);
    type(u"c"_s);
    platform.messageBox.queue(MessageBoxAnswer::No);

    EXPECT_FALSE(form->close());
    ASSERT_EQ(platform.messageBox.shown.size(), 1);
    const MessageBoxRequest& question = platform.messageBox.shown.front().request;
    EXPECT_EQ(question.text, u"3 neuložené zněněné soubory! Opravdu konec?"_s);
    EXPECT_EQ(question.title, u"Konec"_s);
    EXPECT_EQ(question.buttons, MessageBoxButtons::YesNo);
    EXPECT_EQ(question.icon, MessageBoxIcon::Exclamation);

    const QString folderPath = Program().AppFolder;
    EXPECT_EQ(ReadWholeFile(ExitAutosavePath(folderPath, 1)), QByteArray("a"));
    EXPECT_EQ(ReadWholeFile(ExitAutosavePath(folderPath, 3)), QByteArray("c"));
    EXPECT_EQ(ReadWholeFile(ExitAutosavePath(folderPath, 5)), QByteArray());
    EXPECT_TRUE(QFile::exists(folderPath + u"tarvel.ini"_s));
}

TEST_F(DocumentTabsTest, CloseWithNothingModifiedEndsWithoutAQuestion) {
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
}

// A look chosen in one tab reaches another tab's text when that tab is entered.
TEST_F(DocumentTabsTest, ALookAppliedElsewhereReachesATabWhenItIsEntered) {
    ApplyEditorFont(RgbColor(0, 0, 0), false, false, u"Courier New CE"_s);
    tabs().selectTab(2);
    type(u"<b>x</b>\r\ny"_s);
    surface().setColorRuns({{0, 3, RgbColor(200, 0, 0)}});
    surface().setSelStart(4);
    tabs().selectTab(1);
    ApplyEditorFont(RgbColor(0, 0, 128), true, false, u"Arial CE"_s);
    SetEditorFontSize(14);

    tabs().selectTab(2);
    EXPECT_EQ(surface().selStart(), 4);
    for (const int position : {0, 5, 9}) {
        surface().setSelStart(position);
        surface().setSelLength(1);
        EXPECT_EQ(surface().selColor(), RgbColor(0, 0, 128)) << position;
        EXPECT_TRUE(surface().selBold()) << position;
        EXPECT_EQ(surface().selFontName(), u"Arial CE"_s) << position;
        EXPECT_EQ(surface().selFontSize(), 14) << position;
    }
}

// Every tab's file holds that tab's exact bytes, whether the tab is current,
// was visited, or still holds the text restored at start.
TEST_F(DocumentTabsTest, ExitAutosaveFilesHoldEachTabsBytes) {
    const QByteArray bytes[] = {
        QByteArray("x\r\ny\nz\r\x9a\xa0", 10),
        QByteArray("\0a\r\rb\n\n\r\n", 10),
        QByteArray("lone\rcr\0", 9),
        QByteArray("restored\nnever\r\nentered", 24),
        QByteArray("\r\n", 2),
    };
    Program().Documents[3].Text = DecodeAnsi(bytes[3]);
    for (const int tab : {2, 3, 5, 1}) {
        tabs().selectTab(tab);
        surface().setText(DecodeAnsi(bytes[tab - 1]));
        surface().setSelStart(1);
    }
    platform.messageBox.queue(MessageBoxAnswer::Yes);
    EXPECT_TRUE(form->close());
    for (int tab = 1; tab <= DocumentTabs::TabCount; ++tab)
        EXPECT_EQ(ReadWholeFile(ExitAutosavePath(Program().AppFolder, tab)), bytes[tab - 1])
            << "tab " << tab;
}

TEST_F(DocumentTabsTest, RestoredTextIsTakenUnmodifiedWhenItsTabIsFirstEntered) {
    Program().Documents[1].Text = u"druhý\r\n"_s;
    tabs().selectTab(2);
    EXPECT_EQ(surface().text(), u"druhý\r\n"_s);
    EXPECT_EQ(form->windowTitle(), u"Tarvel Qor ()"_s);
    EXPECT_EQ(Program().Documents[1].Text, QString());
    EXPECT_EQ(tabs().modifiedCount(), 0);
}

} // namespace

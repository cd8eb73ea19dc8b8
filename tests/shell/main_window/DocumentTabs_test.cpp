#include "shell/main_window/DocumentTabs.h"

#include "core/files/file_io.h"
#include "core/text/ansi_code_page.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/files/exit_autosave.h"
#include "shell/main_window/MainForm.h"

#include <QTabBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class DocumentTabsTest : public ::testing::Test {
protected:
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

TEST_F(DocumentTabsTest, EachTabKeepsItsTextCaretPathAndModifiedMark) {
    type(u"one\r\ntwo"_s);
    EXPECT_EQ(form->windowTitle(), u"Tarvel Qor ()*"_s);
    surface().setSelStart(6);
    form->FileTab()->setTabToolTip(2, u"/tmp/three.txt"_s);

    tabs().selectTab(3);
    EXPECT_EQ(Program().CurrentFilePath, u"/tmp/three.txt"_s);
    EXPECT_EQ(form->windowTitle(), u"Tarvel Qor (/tmp/three.txt)"_s);
    EXPECT_EQ(surface().text(), QString());

    tabs().selectTab(1);
    EXPECT_EQ(form->windowTitle(), u"Tarvel Qor ()*"_s);
    EXPECT_EQ(Program().CurrentFilePath, QString());
    EXPECT_EQ(surface().text(), u"one\r\ntwo"_s);
    EXPECT_EQ(surface().selStart(), 6);
}

TEST_F(DocumentTabsTest, EmptiedDocumentIsMarkedAndTypingBringsBackTheAppliedLook) {
    Program().Applied = {RgbColor(0, 128, 0), true, false, u"Courier New CE"_s};
    type(u"abc"_s);
    surface().setSelStart(0);
    surface().setSelLength(3);
    type(QString());
    EXPECT_EQ(surface().tag(), u"_0"_s);

    type(u"x"_s);
    EXPECT_EQ(surface().tag(), QString());
    surface().setSelStart(0);
    surface().setSelLength(1);
    EXPECT_EQ(surface().selColor(), RgbColor(0, 128, 0));
    EXPECT_TRUE(surface().selBold());
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

TEST_F(DocumentTabsTest, ExitAutosaveKeepsTheTextByteForByte) {
    const QString text = DecodeAnsi(QByteArray("x\r\ny\nz\r\x9a\xa0", 10));
    type(text);
    platform.messageBox.queue(MessageBoxAnswer::Yes);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(ReadWholeFile(ExitAutosavePath(Program().AppFolder, 1)), EncodeAnsi(text));
}

} // namespace

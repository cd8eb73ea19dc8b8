#include "shell/DocumentTabs.h"

#include "core/ansi_code_page.h"
#include "core/file_io.h"
#include "platform/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/MainForm.h"
#include "shell/ProgramState.h"
#include "shell/exit_autosave.h"

#include <QTabBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DocumentTabsTest : public ::testing::Test {
protected:
    DocumentTabsTest() {
        Program() = ProgramState{};
        Program().AppFolder = folder.path() + QStringLiteral("/");
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

TEST_F(DocumentTabsTest, ModifiedMarkFollowsEachDocumentAcrossTabSwitches) {
    type(QStringLiteral("první"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tarvel Qor ()*"));

    tabs().selectTab(2);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tarvel Qor ()"));
    EXPECT_EQ(surface().text(), QString());

    tabs().selectTab(1);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tarvel Qor ()*"));
    EXPECT_EQ(surface().text(), QStringLiteral("první"));
    EXPECT_EQ(surface().selStart(), 5);
}

TEST_F(DocumentTabsTest, EachTabKeepsItsTextCaretAndPath) {
    type(QStringLiteral("one\r\ntwo"));
    surface().setSelStart(6);
    form->FileTab()->setTabToolTip(2, QStringLiteral("/tmp/three.txt"));
    tabs().selectTab(3);
    EXPECT_EQ(Program().CurrentFilePath, QStringLiteral("/tmp/three.txt"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tarvel Qor (/tmp/three.txt)"));
    type(QStringLiteral("3"));
    tabs().selectTab(1);
    EXPECT_EQ(Program().CurrentFilePath, QString());
    EXPECT_EQ(surface().text(), QStringLiteral("one\r\ntwo"));
    EXPECT_EQ(surface().selStart(), 6);
    EXPECT_EQ(Program().Documents[2].Text, QStringLiteral("3"));
}

TEST_F(DocumentTabsTest, EmptiedDocumentIsMarkedAndTypingBringsBackTheAppliedLook) {
    Program().Applied = {RgbColor(0, 128, 0), true, false, QStringLiteral("Courier New CE")};
    type(QStringLiteral("abc"));
    surface().setSelStart(0);
    surface().setSelLength(3);
    type(QString());
    EXPECT_EQ(surface().tag(), QStringLiteral("_0"));

    type(QStringLiteral("x"));
    EXPECT_EQ(surface().tag(), QString());
    surface().setSelStart(0);
    surface().setSelLength(1);
    EXPECT_EQ(surface().selColor(), RgbColor(0, 128, 0));
    EXPECT_TRUE(surface().selBold());
}

TEST_F(DocumentTabsTest, CloseAsksAboutEveryModifiedDocumentAndNoKeepsTheProgram) {
    type(QStringLiteral("a"));
    tabs().selectTab(2);
    type(QStringLiteral("b"));
    tabs().selectTab(3);
    type(QStringLiteral("c"));
    platform.messageBox.queue(MessageBoxAnswer::No);

    EXPECT_FALSE(form->close());
    ASSERT_EQ(platform.messageBox.shown.size(), 1);
    const MessageBoxRequest& question = platform.messageBox.shown.front().request;
    EXPECT_EQ(question.text, QStringLiteral("3 neuložené zněněné soubory! Opravdu konec?"));
    EXPECT_EQ(question.title, QStringLiteral("Konec"));
    EXPECT_EQ(question.buttons, MessageBoxButtons::YesNo);
    EXPECT_EQ(question.icon, MessageBoxIcon::Exclamation);

    const QString folderPath = Program().AppFolder;
    EXPECT_EQ(ReadWholeFile(ExitAutosavePath(folderPath, 1)), QByteArray("a"));
    EXPECT_EQ(ReadWholeFile(ExitAutosavePath(folderPath, 3)), QByteArray("c"));
    EXPECT_EQ(ReadWholeFile(ExitAutosavePath(folderPath, 5)), QByteArray());
    EXPECT_TRUE(QFile::exists(folderPath + QStringLiteral("tarvel.ini")));
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

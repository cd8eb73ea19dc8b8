// The main window's menu entries and toolbar buttons reach the program's work.
#include "core/files/file_io.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/files/document_files.h"
#include "shell/main_form_test.h"
#include "shell/main_window/DocumentTabs.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/main_window/MainTimer.h"
#include "shell/main_window/Toolbar.h"
#include "shell/shell_commands.h"

#include <QAction>
#include <QApplication>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using MainFormCommands = MainFormTest;

TEST_F(MainFormCommands, TagPairEntryWrapsAtTheCaretLikeTheProcedure) {
    surface().setText(u"0123456789abcdefghij"_s);
    surface().setSelStart(10);
    item(MenuId::MnuBold)->trigger();
    EXPECT_EQ(surface().text(), u"0123456789<B></B>abcdefghij"_s);
    EXPECT_EQ(surface().selStart(), 13);
}

TEST_F(MainFormCommands, ShortcutWhileTheEditorHasFocusAsksForANewDocument) {
    surface().setText(u"text"_s);
    platform.messageBox.queue(MessageBoxAnswer::Yes);
    QTest::keyClick(form.Text1(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(platform.messageBox.shown.size(), 1);
    EXPECT_EQ(platform.messageBox.shown.front().request.text, u"Opravdu nový soubor ?"_s);
    EXPECT_EQ(surface().text(), QString());
}

TEST_F(MainFormCommands, NewFromClipboardAnsweredNoKeepsTheText) {
    surface().setText(u"keep me"_s);
    platform.clipboard.setText(u"from clipboard"_s);
    platform.messageBox.queue(MessageBoxAnswer::No);
    item(MenuId::mnunewclip)->trigger();
    EXPECT_EQ(surface().text(), u"keep me"_s);

    platform.messageBox.queue(MessageBoxAnswer::Yes);
    item(MenuId::mnunewclip)->trigger();
    EXPECT_EQ(surface().text(), u"from clipboard"_s);
}

TEST_F(MainFormCommands, FontSizeEntryResizesTheTextWithoutMarkingItModified) {
    surface().setText(u"abc"_s);
    form.documents().setCaption(QString(), false);
    item(MenuId::mnu17)->trigger();
    surface().setSelStart(1);
    EXPECT_EQ(surface().selFontSize(), 17);
    EXPECT_TRUE(item(MenuId::mnu17)->isChecked());
    EXPECT_EQ(form.windowTitle(), u"Tarvel Qor ()"_s);
}

TEST_F(MainFormCommands, BarTogglesShowAndHideTheirBars) {
    ASSERT_TRUE(item(MenuId::MnuSBS)->isChecked());
    item(MenuId::MnuSBS)->trigger();
    EXPECT_TRUE(form.statusBar()->isHidden());
    item(MenuId::MnuSBS)->trigger();
    EXPECT_FALSE(form.statusBar()->isHidden());
    item(MenuId::MnuTS)->trigger();
    EXPECT_TRUE(form.Toolbar1()->isHidden());
}

TEST_F(MainFormCommands, FastSaveAsksThenSavesToTheCurrentPath) {
    const QString path = folder.filePath(u"fast.txt"_s);
    form.documents().setCaption(path, false);
    surface().setText(u"rychle"_s);
    platform.messageBox.queue(MessageBoxAnswer::Yes);
    item(MenuId::Mnu_SaveFast)->trigger();
    EXPECT_EQ(platform.messageBox.shown.front().request.text,
              u"Opravdu uložit soubor?\r\n\"%1\""_s.arg(path));
    EXPECT_EQ(ReadWholeFile(path), QByteArray("rychle"));
    EXPECT_EQ(form.windowTitle(), u"Tarvel Qor (%1)"_s.arg(path));
}

TEST_F(MainFormCommands, RecentListReachesTheToolbarAndTheTimerFollowsThePath) {
    AddRecentFile(u"/tmp/a&b.txt"_s);
    EXPECT_EQ(form.Toolbar1()->recentItem(1)->text(), u"&0 /tmp/a&&b.txt"_s);

    form.timer().tick();
    EXPECT_FALSE(item(MenuId::Mnu_SaveFast)->isEnabled());
    Program().CurrentFilePath = u"/tmp/x.txt"_s;
    form.timer().tick();
    EXPECT_TRUE(item(MenuId::Mnu_SaveFast)->isEnabled());
}

} // namespace

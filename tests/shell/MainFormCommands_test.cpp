// The main window's menu entries and toolbar buttons reach the program's work.
#include "platform/RichEditSurface.h"
#include "platform/SurfaceTextEdit.h"
#include "platform/testing/test_platform.h"
#include "shell/DocumentTabs.h"
#include "shell/MainForm.h"
#include "shell/MainMenu.h"
#include "shell/MainTimer.h"
#include "shell/ProgramState.h"
#include "shell/Toolbar.h"
#include "shell/document_files.h"

#include <QAction>
#include <QApplication>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class MainFormCommands : public ::testing::Test {
protected:
    MainFormCommands() {
        Program() = ProgramState{};
        Program().AppFolder = folder.path() + QStringLiteral("/");
        form.documents().setCaption(QString(), false);
        form.show();
        QApplication::setActiveWindow(&form);
        form.Text1()->setFocus();
    }
    ~MainFormCommands() override { SetRecentMenuFiller({}); }

    QAction* item(MenuId id) { return form.menu().action(id); }
    EditorSurface& surface() { return form.surface(); }

    QTemporaryDir folder;
    TestPlatform platform;
    MainForm form;
};

TEST_F(MainFormCommands, TagPairEntryWrapsAtTheCaretLikeTheProcedure) {
    surface().setText(QStringLiteral("0123456789abcdefghij"));
    surface().setSelStart(10);
    item(MenuId::MnuBold)->trigger();
    EXPECT_EQ(surface().text(), QStringLiteral("0123456789<B></B>abcdefghij"));
    EXPECT_EQ(surface().selStart(), 13);
}

TEST_F(MainFormCommands, ShortcutWhileTheEditorHasFocusAsksForANewDocument) {
    surface().setText(QStringLiteral("text"));
    platform.messageBox.queue(MessageBoxAnswer::Yes);
    QTest::keyClick(form.Text1(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(platform.messageBox.shown.size(), 1);
    EXPECT_EQ(platform.messageBox.shown.front().request.text,
              QStringLiteral("Opravdu nový soubor ?"));
    EXPECT_EQ(surface().text(), QString());
}

TEST_F(MainFormCommands, NewFromClipboardAnsweredNoKeepsTheText) {
    surface().setText(QStringLiteral("keep me"));
    platform.clipboard.setText(QStringLiteral("from clipboard"));
    platform.messageBox.queue(MessageBoxAnswer::No);
    item(MenuId::mnunewclip)->trigger();
    EXPECT_EQ(surface().text(), QStringLiteral("keep me"));

    platform.messageBox.queue(MessageBoxAnswer::Yes);
    item(MenuId::mnunewclip)->trigger();
    EXPECT_EQ(surface().text(), QStringLiteral("from clipboard"));
}

TEST_F(MainFormCommands, FontSizeEntryResizesTheTextWithoutMarkingItModified) {
    surface().setText(QStringLiteral("abc"));
    form.documents().setCaption(QString(), false);
    item(MenuId::mnu17)->trigger();
    surface().setSelStart(1);
    surface().setSelLength(1);
    EXPECT_EQ(surface().selFontSize(), 17);
    EXPECT_TRUE(item(MenuId::mnu17)->isChecked());
    EXPECT_FALSE(item(MenuId::mnu08)->isChecked());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Tarvel Qor ()"));
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
    const QString path = folder.filePath(QStringLiteral("fast.txt"));
    Program().CurrentFilePath = path;
    surface().setText(QStringLiteral("rychle"));
    platform.messageBox.queue(MessageBoxAnswer::Yes);
    item(MenuId::Mnu_SaveFast)->trigger();
    EXPECT_EQ(platform.messageBox.shown.front().request.text,
              QStringLiteral("Opravdu uložit soubor?\r\n\"%1\"").arg(path));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("rychle"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Tarvel Qor (%1)").arg(path));
}

TEST_F(MainFormCommands, RecentListReachesTheToolbarAndTheTimerFollowsThePath) {
    AddRecentFile(QStringLiteral("/tmp/a&b.txt"));
    EXPECT_EQ(form.Toolbar1()->recentItem(1)->text(), QStringLiteral("&0 /tmp/a&&b.txt"));

    form.timer().tick();
    EXPECT_FALSE(item(MenuId::Mnu_SaveFast)->isEnabled());
    Program().CurrentFilePath = QStringLiteral("/tmp/x.txt");
    form.timer().tick();
    EXPECT_TRUE(item(MenuId::Mnu_SaveFast)->isEnabled());
}

} // namespace

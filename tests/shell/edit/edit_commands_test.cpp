// The edit menu's commands, run from their entries on the real main window.
#include "shell/edit/edit_commands.h"

#include "core/files/file_io.h"
#include "core/text/ansi_code_page.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/testing/scripted_web_view.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/files/document_files.h"
#include "shell/main_window/DocumentTabs.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/shell_commands.h"

#include <QDir>
#include <QFile>
#include <QTabBar>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class EditCommands : public ::testing::Test {
protected:
    EditCommands() {
        RegisterShellCommands(commands);
        Program() = ProgramState{};
        Program().AppFolder = folder.path() + u"/"_s;
        form.documents().setCaption(QString(), false);
    }
    // The windows a test loaded go with it, also when a check stopped it early.
    ~EditCommands() override {
        SetRecentMenuFiller({});
        platform.unloadWindows();
        Program() = ProgramState{};
    }

    void run(MenuId id) { form.menu().runCommand(id); }
    RichEditSurface& surface() { return form.surface(); }
    void select(const QString& text, int start, int length) {
        surface().setText(text);
        surface().setSelStart(start);
        surface().setSelLength(length);
    }
    QString writeFile(const QString& name, const QByteArray& bytes) {
        const QString path = folder.filePath(name);
        WriteFileAtomically(path, bytes);
        return path;
    }
    const MessageBoxRequest& lastMessage() { return platform.messageBox.shown.back().request; }
    // The last box asked text with Yes and No and the exclamation icon.
    void expectQuestion(const QString& text, const QString& title) {
        ASSERT_FALSE(platform.messageBox.shown.isEmpty());
        EXPECT_EQ(lastMessage().text, text);
        EXPECT_EQ(lastMessage().title, title);
        EXPECT_EQ(lastMessage().buttons, MessageBoxButtons::YesNo);
        EXPECT_EQ(lastMessage().icon, MessageBoxIcon::Exclamation);
    }

    QTemporaryDir folder;
    TestPlatform platform;
    CommandRegistry commands;
    MainForm form{commands};
};

TEST_F(EditCommands, PasteInsertsBeforeTheSelectionWhichStaysInTheText) {
    select(u"Dobrý den"_s, 6, 3);
    platform.clipboard.setText(u"milý "_s);
    run(MenuId::MnuAdd);
    EXPECT_EQ(surface().text(), u"Dobrý milý den"_s);
    EXPECT_EQ(surface().selStart(), 11);
    EXPECT_EQ(surface().selLength(), 0);

    // Without text on the clipboard paste only collapses the selection.
    platform.clipboard.clear();
    select(u"Dobrý den"_s, 6, 3);
    run(MenuId::MnuAdd);
    EXPECT_EQ(surface().text(), u"Dobrý den"_s);
    EXPECT_EQ(surface().selStart(), 6);
    EXPECT_EQ(surface().selLength(), 0);
}

TEST_F(EditCommands, CutCopyAndCopyAllFillTheClipboard) {
    select(u"Dobrý den\r\nsvěte"_s, 6, 9);
    run(MenuId::mnucopysel);
    EXPECT_EQ(platform.clipboard.text(), u"den\r\nsvět"_s);
    EXPECT_EQ(surface().text(), u"Dobrý den\r\nsvěte"_s);

    run(MenuId::mnucopy);
    EXPECT_EQ(platform.clipboard.text(), u"Dobrý den\r\nsvěte"_s);

    run(MenuId::mnucut);
    EXPECT_EQ(platform.clipboard.text(), u"den\r\nsvět"_s);
    EXPECT_EQ(surface().text(), u"Dobrý e"_s);

    // With nothing selected cut leaves the empty text and the document alone.
    form.documents().setCaption(QString(), false);
    run(MenuId::mnucut);
    EXPECT_TRUE(platform.clipboard.hasText());
    EXPECT_EQ(platform.clipboard.text(), QString());
    EXPECT_EQ(surface().text(), u"Dobrý e"_s);
    EXPECT_FALSE(form.documents().captionModified());
}

TEST_F(EditCommands, ReplaceAllByTheClipboardAsksFirst) {
    surface().setText(u"starý text"_s);
    platform.clipboard.setText(u"nový"_s);
    platform.messageBox.queue(MessageBoxAnswer::No);
    run(MenuId::mnuinsert);
    EXPECT_EQ(surface().text(), u"starý text"_s);
    expectQuestion(u"Opravdu vše nahradit textem ze schránky ?"_s, u"Vložení"_s);

    platform.messageBox.queue(MessageBoxAnswer::Yes);
    run(MenuId::mnuinsert);
    EXPECT_EQ(surface().text(), u"nový"_s);

    // A clipboard without text empties the document.
    platform.clipboard.clear();
    platform.messageBox.queue(MessageBoxAnswer::Yes);
    run(MenuId::mnuinsert);
    EXPECT_EQ(surface().text(), QString());
}

TEST_F(EditCommands, CheckpointRestoresIntoAnotherTabAndAsksNothingWithoutOne) {
    surface().setText(u"bez checkpointu"_s);
    run(MenuId::mnu_chp_r);
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
    EXPECT_EQ(surface().text(), u"bez checkpointu"_s);

    surface().setText(u"první\r\nkarta"_s);
    run(MenuId::mnu_chp_s);
    form.FileTab()->setCurrentIndex(1);
    surface().setText(u"druhá karta"_s);
    form.documents().setCaption(QString(), false);

    platform.messageBox.queue(MessageBoxAnswer::No);
    run(MenuId::mnu_chp_r);
    EXPECT_EQ(surface().text(), u"druhá karta"_s);
    expectQuestion(u"Opravdu vše vrátit ?"_s, u"Checkpoint"_s);

    platform.messageBox.queue(MessageBoxAnswer::Yes);
    run(MenuId::mnu_chp_r);
    EXPECT_EQ(surface().text(), u"první\r\nkarta"_s);
    EXPECT_EQ(form.documents().currentTab(), 2);
    EXPECT_TRUE(form.documents().captionModified());
}

TEST_F(EditCommands, CheckpointFileHoldsTheCheckpointExactly) {
    surface().setText(u"Žluťoučký\r\nkůň"_s);
    run(MenuId::mnu_chp_s);
    run(MenuId::mnu_chp_v);
    ASSERT_NE(platform.webViews.latest, nullptr);
    ASSERT_EQ(platform.webViews.latest->navigations.size(), 1);
    const QString path = platform.webViews.latest->navigations.front().toLocalFile();
    EXPECT_TRUE(path.endsWith(u".txt"_s));
    EXPECT_EQ(ReadWholeFile(path), EncodeAnsi(u"Žluťoučký\r\nkůň"_s));
    QFile::remove(path);
}

TEST_F(EditCommands, InsertFromFileReplacesTheSelectionAndListsTheFile) {
    Program().CurrentFilePath = u"/home/uzivatel/dopis.txt"_s;
    const QString path = writeFile(u"vlozka.txt"_s, EncodeAnsi(u"Vložený\r\ntext"_s));
    select(u"před VYBER za"_s, 5, 5);
    platform.fileDialogs.openAnswers << path;
    run(MenuId::mnuzesouboru);
    EXPECT_EQ(surface().text(), u"před Vložený\r\ntext za"_s);
    EXPECT_EQ(Program().Settings.RecentFiles.front(), path);
    EXPECT_EQ(Program().CurrentFilePath, u"/home/uzivatel/dopis.txt"_s);
    ASSERT_EQ(platform.fileDialogs.openRequests.size(), 1);
    EXPECT_EQ(platform.fileDialogs.openRequests.front().request.filter, DocumentFileFilter);

    // A cancelled dialog changes nothing.
    run(MenuId::mnuzesouboru);
    EXPECT_EQ(surface().text(), u"před Vložený\r\ntext za"_s);
}

TEST_F(EditCommands, CopyToFileAsksBeforeOverwritingAndNoKeepsTheFile) {
    const QString target = writeFile(u"cil.txt"_s, EncodeAnsi(u"původní"_s));
    select(u"starý nový"_s, 6, 4);
    platform.fileDialogs.saveAnswers << target;
    platform.messageBox.queue(MessageBoxAnswer::No);
    run(MenuId::mnukopsoub);
    expectQuestion(u"Opravdu uložit "_s + target + u"?\r\nSoubor již existuje a bude přepsán!"_s,
                   u"Soubor"_s);
    EXPECT_EQ(ReadWholeFile(target), EncodeAnsi(u"původní"_s));

    platform.fileDialogs.saveAnswers << target;
    platform.messageBox.queue(MessageBoxAnswer::Yes);
    run(MenuId::mnukopsoub);
    EXPECT_EQ(platform.messageBox.shown.size(), 2);
    EXPECT_EQ(ReadWholeFile(target), EncodeAnsi(u"nový"_s));
    EXPECT_EQ(surface().text(), u"starý nový"_s);
}

TEST_F(EditCommands, InsertFromFileTellsAboutAFileItCannotTake) {
    const QString folderPath = folder.filePath(u"slozka"_s);
    ASSERT_TRUE(QDir().mkdir(folderPath));
    select(u"zůstane"_s, 0, 7);
    platform.fileDialogs.openAnswers << folderPath;
    run(MenuId::mnuzesouboru);
    EXPECT_EQ(surface().text(), u"zůstane"_s);
    ASSERT_FALSE(platform.messageBox.shown.isEmpty());
    EXPECT_EQ(lastMessage().title, u"Chyba"_s);
    EXPECT_TRUE(lastMessage().text.startsWith(u"Vyskytla se chyba:"_s))
        << lastMessage().text.toStdString();
    const auto& recent = Program().Settings.RecentFiles;
    EXPECT_EQ(std::find(recent.begin(), recent.end(), folderPath), recent.end());
}

TEST_F(EditCommands, SelectAllAndClearClipboard) {
    select(u"Dobrý den\r\nsvěte"_s, 3, 0);
    run(MenuId::mnuallselect);
    EXPECT_EQ(surface().selStart(), 0);
    EXPECT_EQ(surface().selLength(), 16);

    platform.clipboard.setText(u"x"_s);
    run(MenuId::mnuclearclip);
    EXPECT_FALSE(platform.clipboard.hasText());
}

} // namespace

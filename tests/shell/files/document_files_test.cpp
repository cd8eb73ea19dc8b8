#include "shell/files/document_files.h"

#include "core/files/file_io.h"
#include "core/text/ansi_code_page.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/main_window/DocumentTabs.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/main_window/Toolbar.h"
#include "shell/shell_commands.h"

#include <QAction>
#include <QFile>
#include <QTabBar>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class DocumentFiles : public ::testing::Test {
protected:
    DocumentFiles() {
        Program() = ProgramState{};
        RegisterShellCommands(commands);
        form = new MainForm(commands);
        form->documents().setCaption(QString(), false);
    }
    ~DocumentFiles() override {
        delete form;
        SetRecentMenuFiller({});
    }

    [[nodiscard]] QString path(const QString& name) const { return folder.filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    EditorSurface& surface() { return form->surface(); }
    [[nodiscard]] QString lastBoxText() const {
        return platform.messageBox.shown.isEmpty() ? QString()
                                                   : platform.messageBox.shown.back().request.text;
    }
    [[nodiscard]] QString caption() const { return form->windowTitle(); }
    [[nodiscard]] QString recent1() const { return Program().Settings.RecentFiles.front(); }

    QTemporaryDir folder;
    CommandRegistry commands;
    TestPlatform platform;
    MainForm* form = nullptr;
};

TEST_F(DocumentFiles, OpensTheLargestDocumentButNotOneByteMore) {
    const QString big = path(u"big.txt"_s);
    writeFile(u"big.txt"_s, QByteArray(LargestDocumentSize - 2, 'x') + "\r\n");
    writeFile(u"bigger.txt"_s, QByteArray(LargestDocumentSize + 1, 'y'));

    OpenDocument(big);
    EXPECT_EQ(surface().textLength(), LargestDocumentSize);
    EXPECT_EQ(caption(), u"Tarvel Qor (%1)"_s.arg(big));
    EXPECT_EQ(form->FileTab()->tabText(0), u"big.txt"_s);
    EXPECT_EQ(form->FileTab()->tabToolTip(0), big);

    OpenDocument(path(u"bigger.txt"_s));
    EXPECT_EQ(lastBoxText(), u"Nelze otevřít %1, Soubor příliš velký"_s.arg(path("bigger.txt")));
    EXPECT_EQ(Program().CurrentFilePath, big);
    EXPECT_EQ(surface().textLength(), LargestDocumentSize);
}

TEST_F(DocumentFiles, MissingAndUnreadableFilesAreToldAndChangeNothing) {
    surface().setText(u"keep"_s);
    OpenDocument(path(u"none.txt"_s));
    EXPECT_EQ(lastBoxText(), u"Soubor %1 nenalezen!"_s.arg(path("none.txt")));

    OpenDocument(folder.path());
    ASSERT_EQ(platform.messageBox.shown.size(), 2);
    EXPECT_EQ(platform.messageBox.shown.back().request.title, u"Chyba"_s);
    EXPECT_EQ(surface().text(), u"keep"_s);
    EXPECT_EQ(Program().CurrentFilePath, QString());
}

TEST_F(DocumentFiles, SaveWritesTheExactBytesAndMakesThePathCurrent) {
    const QString kun = path(u"kun.txt"_s);
    const QString text = DecodeAnsi("Žluťoučký\nkůň\rúpěl\r\n");
    surface().setText(text);
    ASSERT_TRUE(caption().endsWith(u'*'));
    SaveDocument(kun, surface().text());
    EXPECT_EQ(ReadWholeFile(kun), EncodeAnsi(text));
    EXPECT_EQ(caption(), u"Tarvel Qor (%1)"_s.arg(kun));
    EXPECT_EQ(recent1(), kun);

    // Saving again asks, even for the document's own path; No writes nothing.
    surface().setText(u"changed"_s);
    platform.messageBox.queue(MessageBoxAnswer::No);
    SaveDocument(kun, surface().text());
    EXPECT_TRUE(lastBoxText().startsWith(u"Opravdu uložit "_s));
    EXPECT_EQ(ReadWholeFile(kun), EncodeAnsi(text));
}

TEST_F(DocumentFiles, AFailedSaveIsReportedAndNeverShownAsSaved) {
    writeFile(u"old.txt"_s, "old");
    OpenDocument(path(u"old.txt"_s));
    surface().setText(u"new text"_s);
    const QString unwritable = path(u"missing/folder/x.txt"_s);
    SaveDocument(unwritable, surface().text());

    EXPECT_EQ(platform.messageBox.shown.back().request.title, u"Chyba"_s);
    EXPECT_EQ(Program().CurrentFilePath, path(u"old.txt"_s));
    EXPECT_TRUE(caption().endsWith(u'*'));
    EXPECT_EQ(ReadWholeFile(path(u"old.txt"_s)), QByteArray("old"));
    EXPECT_NE(recent1(), unwritable);
}

TEST_F(DocumentFiles, SaveSelectionWritesOnlyTheSelectionAndKeepsTheDocument) {
    surface().setText(u"jedna dva"_s);
    SaveSelectionAs();
    EXPECT_TRUE(platform.fileDialogs.saveRequests.isEmpty());

    surface().setSelStart(6);
    surface().setSelLength(3);
    platform.fileDialogs.saveAnswers << path(u"vyber.txt"_s);
    SaveSelectionAs();
    EXPECT_EQ(ReadWholeFile(path(u"vyber.txt"_s)), QByteArray("dva"));
    EXPECT_EQ(Program().CurrentFilePath, QString());
    EXPECT_EQ(recent1(), path(u"vyber.txt"_s));
}

TEST_F(DocumentFiles, NewDocumentEmptiesTheTabOnlyAfterYes) {
    writeFile(u"a.txt"_s, "abc");
    OpenDocument(path(u"a.txt"_s));
    platform.messageBox.queue(MessageBoxAnswer::No);
    EXPECT_FALSE(NewDocument());
    EXPECT_EQ(surface().text(), u"abc"_s);

    platform.messageBox.queue(MessageBoxAnswer::Yes);
    EXPECT_TRUE(NewDocument());
    EXPECT_EQ(surface().text(), QString());
    EXPECT_EQ(caption(), u"Tarvel Qor ()"_s);
    EXPECT_EQ(form->FileTab()->tabText(0), QString());
    EXPECT_EQ(form->FileTab()->tabToolTip(0), QString());
    EXPECT_EQ(recent1(), path(u"a.txt"_s));
}

TEST_F(DocumentFiles, RecentListMovesInsertsAndDrops) {
    auto& list = Program().Settings.RecentFiles;
    for (int i = 0; i < 10; ++i)
        list[i] = u"/f%1"_s.arg(i + 1);
    const auto listed = [&list] { return QStringList(list.begin(), list.end()).join(u' '); };
    int fills = 0;
    SetRecentMenuFiller([&fills](const std::array<QString, 10>&) { ++fills; });

    AddRecentFile(u"/f4"_s);
    EXPECT_EQ(listed(), u"/f4 /f1 /f2 /f3 /f5 /f6 /f7 /f8 /f9 /f10"_s);
    // A path differing only in case is another file; the full list drops its last.
    AddRecentFile(u"/F4"_s);
    EXPECT_EQ(listed(), u"/F4 /f4 /f1 /f2 /f3 /f5 /f6 /f7 /f8 /f9"_s);
    AddRecentFile(QString());
    EXPECT_EQ(listed(), u"/F4 /f4 /f1 /f2 /f3 /f5 /f6 /f7 /f8 /f9"_s);
    EXPECT_EQ(fills, 2);
}

TEST_F(DocumentFiles, RecentEntriesOpenByNumber) {
    writeFile(u"b.txt"_s, "bbb");
    Program().Settings.RecentFiles[1] = path(u"b.txt"_s);
    OpenRecentFile(2);
    EXPECT_EQ(surface().text(), u"bbb"_s);
    OpenRecentFile(11);
    EXPECT_EQ(surface().text(), u"bbb"_s);
}

// Unsaved text is never replaced without the user's word, whichever way the
// file is opened; an unmodified document opens without a question.
TEST_F(DocumentFiles, OpeningOverUnsavedTextAsksFirstAndNoChangesNothing) {
    writeFile(u"novy.txt"_s, EncodeAnsi(u"nový"_s));
    const QString opened = path(u"novy.txt"_s);
    struct Opener {
        const char* name;
        std::function<void()> open;
    };
    const Opener openers[] = {
        {"open dialog",
         [&] {
             platform.fileDialogs.openAnswers << opened;
             form->menu().action(MenuId::mnu_open_st)->trigger();
         }},
        {"recent entry",
         [&] {
             Program().Settings.RecentFiles[0] = opened;
             OpenRecentFile(1);
         }},
        {"toolbar recent menu",
         [&] {
             AddRecentFile(opened);
             form->Toolbar1()->recentItem(1)->trigger();
         }},
    };
    for (const Opener& opener : openers) {
        SCOPED_TRACE(opener.name);
        Program().CurrentFilePath.clear();
        form->documents().setCaption(QString(), false);
        surface().setText(u"rozepsáno"_s);
        ASSERT_TRUE(caption().endsWith(u'*'));
        const QString toolTip = form->FileTab()->tabToolTip(0);
        platform.messageBox.shown.clear();

        platform.messageBox.queue(MessageBoxAnswer::No);
        opener.open();
        ASSERT_EQ(platform.messageBox.shown.size(), 1);
        const MessageBoxRequest& question = platform.messageBox.shown.front().request;
        EXPECT_EQ(question.text, u"Dokument není uložen. Opravdu ho nahradit?"_s);
        EXPECT_EQ(question.title, u"Otevřít"_s);
        EXPECT_EQ(question.buttons, MessageBoxButtons::YesNo);
        EXPECT_EQ(question.icon, MessageBoxIcon::Exclamation);
        EXPECT_EQ(surface().text(), u"rozepsáno"_s);
        EXPECT_EQ(caption(), u"Tarvel Qor ()*"_s);
        EXPECT_EQ(Program().CurrentFilePath, QString());
        EXPECT_EQ(form->FileTab()->tabToolTip(0), toolTip);

        platform.messageBox.queue(MessageBoxAnswer::Yes);
        opener.open();
        EXPECT_EQ(platform.messageBox.shown.size(), 2);
        EXPECT_EQ(surface().text(), u"nový"_s);
        EXPECT_EQ(caption(), u"Tarvel Qor (%1)"_s.arg(opened));

        // The document just opened is unmodified: no question.
        opener.open();
        EXPECT_EQ(platform.messageBox.shown.size(), 2);
        EXPECT_EQ(platform.messageBox.unanswered, 0);
    }
}

// Reloading asks its own question only.
TEST_F(DocumentFiles, ReloadOverUnsavedTextAsksOnlyItsOwnQuestion) {
    writeFile(u"a.txt"_s, EncodeAnsi(u"uloženo"_s));
    OpenDocument(path(u"a.txt"_s));
    surface().setText(u"změněno"_s);
    platform.messageBox.queue(MessageBoxAnswer::Yes);
    form->menu().action(MenuId::Mnu_Reload_File)->trigger();
    ASSERT_EQ(platform.messageBox.shown.size(), 1);
    EXPECT_EQ(platform.messageBox.shown.front().request.title, u"Reload"_s);
    EXPECT_EQ(surface().text(), u"uloženo"_s);
    EXPECT_EQ(caption(), u"Tarvel Qor (%1)"_s.arg(path(u"a.txt"_s)));
}

} // namespace

// Help and the two previews of the current document.
#include "core/files/file_io.h"
#include "core/files/special_files.h"
#include "core/text/ansi_code_page.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/browser/frmBrowser.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/main_window/Toolbar.h"
#include "shell/shell_commands.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <tuple>

using namespace Qt::StringLiterals;

namespace {

class Previews : public ::testing::Test {
protected:
    Previews() {
        RegisterShellCommands(commands);
        Program() = ProgramState{};
        Program().AppFolder = folder.path() + u"/"_s;
    }
    ~Previews() override {
        platform.unloadWindows(&form);
        Program() = ProgramState{};
    }

    void run(MenuId id) { form.menu().action(id)->trigger(); }
    // The local file the browser was last sent to.
    QString shownFile() {
        return platform.webViews.latest ? platform.webViews.latest->navigations.last().toLocalFile()
                                        : QString();
    }
    QString savedFile(const QString& name, const QByteArray& bytes) {
        const QString path = folder.filePath(name);
        WriteFileAtomically(path, bytes);
        Program().CurrentFilePath = path;
        return path;
    }

    QTemporaryDir folder;
    TestPlatform platform;
    CommandRegistry commands;
    MainForm form{commands};
};

TEST_F(Previews, HelpShowsThePageOfTheProgramFolderEvenWhenMissing) {
    run(MenuId::mnuhlp);
    EXPECT_EQ(shownFile(), folder.filePath(u"tarvel.html"_s));
    ASSERT_NE(LoadedWindowIfAny<frmBrowser>(), nullptr);
    EXPECT_TRUE(LoadedWindowIfAny<frmBrowser>()->isVisible());
}

TEST_F(Previews, ToolbarHelpAndBrowserButtonsShowTheBrowser) {
    for (const QString& key : {u"Help"_s, u"Browser"_s})
        EXPECT_TRUE(form.Toolbar1()->button(key)->isEnabled()) << key.toStdString();
    form.Toolbar1()->ButtonClick(u"Help"_s);
    EXPECT_EQ(shownFile(), folder.filePath(u"tarvel.html"_s));
    const QString path = savedFile(u"a.html"_s, "<P>a</P>");
    form.Toolbar1()->ButtonClick(u"Browser"_s);
    EXPECT_EQ(shownFile(), path);
}

TEST_F(Previews, InternalPreviewOfAnUntitledDocumentShowsItsTextAsAPage) {
    form.surface().setText(u"<P>Žluťoučký\r\nkůň</P>"_s);
    run(MenuId::Mnu_Internal_Browser);
    const QString shown = shownFile();
    EXPECT_TRUE(shown.endsWith(u".html"_s));
    EXPECT_EQ(QFileInfo(shown).fileName().left(3), u"tvq"_s);
    EXPECT_EQ(ReadWholeFile(shown), EncodeAnsi(u"<P>Žluťoučký\r\nkůň</P>"_s));
    QFile::remove(shown);
}

TEST_F(Previews, InternalPreviewOfASavedDocumentShowsTheFileAsSaved) {
    const QString path = savedFile(u"strana #1.html"_s, "<P>saved</P>");
    form.surface().setText(u"<P>changed</P>"_s);
    run(MenuId::Mnu_Internal_Browser);
    EXPECT_EQ(shownFile(), path);
    EXPECT_EQ(ReadWholeFile(path), QByteArray("<P>saved</P>"));
}

TEST_F(Previews, PreviewThatCannotBeWrittenIsReportedAndNotShown) {
    const QByteArray before = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(folder.filePath(u"missing/folder"_s)));
    form.surface().setText(u"<P>x</P>"_s);
    run(MenuId::Mnu_Internal_Browser);
    run(MenuId::mnutest);
    qputenv("TMPDIR", before);
    EXPECT_EQ(LoadedWindowIfAny<frmBrowser>(), nullptr);
    EXPECT_TRUE(platform.desktop.opened.isEmpty());
    ASSERT_EQ(platform.messageBox.shown.size(), 2);
    EXPECT_EQ(platform.messageBox.shown.front().request.title, u"Chyba"_s);
}

TEST_F(Previews, DesktopPreviewOfAnUntitledDocumentOpensItsCopyWithoutAsking) {
    form.surface().setText(u"<B>x</B>"_s);
    run(MenuId::mnutest);
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
    ASSERT_EQ(platform.desktop.opened.size(), 1);
    EXPECT_TRUE(platform.desktop.opened.front().endsWith(u".html"_s));
    EXPECT_EQ(ReadWholeFile(platform.desktop.opened.front()), QByteArray("<B>x</B>"));
    QFile::remove(platform.desktop.opened.front());
}

// A saved page is named as itself, not as a temporary file.
TEST_F(Previews, DesktopPreviewWithNoProgramForPagesSaysWhereThePageIs) {
    platform.desktop.opens = false;
    form.surface().setText(u"<B>x</B>"_s);
    run(MenuId::mnutest);
    const QString page = savedFile(u"page.html"_s, "saved");
    platform.messageBox.queue(MessageBoxAnswer::Yes);
    run(MenuId::mnutest);
    ASSERT_EQ(platform.desktop.opened.size(), 2);
    ASSERT_EQ(platform.messageBox.shown.size(), 3);
    const MessageBoxRequest& notice = platform.messageBox.shown.front().request;
    const QString told = u"Stránku se nepodařilo zobrazit: v systému není nastaven žádný "
                         "program pro otevírání stránek HTML.\r\nStránka je uložena v %1 "
                         "\"%2\"."_s;
    EXPECT_EQ(notice.text, told.arg(u"dočasném souboru"_s, platform.desktop.opened.front()));
    EXPECT_EQ(notice.icon, MessageBoxIcon::Exclamation);
    EXPECT_EQ(platform.messageBox.shown.back().request.text, told.arg(u"souboru"_s, page));
    QFile::remove(platform.desktop.opened.front());
}

// Asked whether to show the saved version: a page itself, anything else
// only as a page copy, never the file itself to run.
TEST_F(Previews, DesktopPreviewOfASavedDocumentAsksFirst) {
    struct Case {
        const char* name;
        QString file;
        MessageBoxAnswer answer;
        bool opensTheFileItself;
        QByteArray shown;
    };
    const Case cases[] = {
        {"saved page, yes", u"page.html"_s, MessageBoxAnswer::Yes, true, "saved"},
        {"saved script, yes", u"run.bat"_s, MessageBoxAnswer::Yes, false, "saved"},
        {"saved page, no", u"page.htm"_s, MessageBoxAnswer::No, false, "edited"},
    };
    for (const Case& c : cases) {
        platform.desktop.opened.clear();
        platform.messageBox.shown.clear();
        const QString path = savedFile(c.file, "saved");
        form.surface().setText(u"edited"_s);
        platform.messageBox.queue(c.answer);
        run(MenuId::mnutest);
        ASSERT_EQ(platform.messageBox.shown.size(), 1) << c.name;
        const MessageBoxRequest& question = platform.messageBox.shown.front().request;
        EXPECT_EQ(question.text, u"Soubor je uložen, zobrazit uloženou verzi ?"_s);
        EXPECT_EQ(question.title, u"Nový"_s);
        EXPECT_EQ(question.buttons, MessageBoxButtons::YesNo);
        EXPECT_EQ(question.icon, MessageBoxIcon::Exclamation);
        ASSERT_EQ(platform.desktop.opened.size(), 1) << c.name;
        const QString opened = platform.desktop.opened.front();
        EXPECT_EQ(opened == path, c.opensTheFileItself) << c.name;
        EXPECT_TRUE(opened.endsWith(u".html"_s) || opened.endsWith(u".htm"_s)) << c.name;
        EXPECT_EQ(ReadWholeFile(opened), c.shown) << c.name;
        if (opened != path)
            QFile::remove(opened);
    }
}

// Each page or text handed to a browser is a temporary file. Those only this
// program reads go when it ends; those handed to the desktop's browser stay,
// as it may read or reload them later. A file of the same kind that this run
// did not make stays too.
TEST_F(Previews, OnlyTheTemporaryFilesThisRunReadsItselfGoAtTheEnd) {
    QTemporaryDir temp;
    const TempFolderOverride tempFolder(temp.path());
    const QString othersFile = temp.filePath(u"tvqAbCdEf.html"_s);
    WriteFileAtomically(othersFile, "another instance");
    const std::tuple<const char*, MenuId, bool> makers[] = {
        {"checkpoint view", MenuId::mnu_chp_v, false},
        {"preview", MenuId::Mnu_Internal_Browser, false},
        {"Testuj html", MenuId::mnutest, false},
        {"Testuj html of a saved script", MenuId::mnutest, true},
    };
    QStringList made;
    for (const auto& [name, id, ofASavedFile] : makers) {
        if (ofASavedFile) {
            savedFile(u"run.bat"_s, "saved");
            platform.messageBox.queue(MessageBoxAnswer::Yes); // show the saved version
        }
        run(id);
        made << (id == MenuId::mnutest ? platform.desktop.opened.last() : shownFile());
        EXPECT_EQ(QFileInfo(made.last()).absolutePath(), temp.path()) << name;
        EXPECT_TRUE(QFileInfo::exists(made.last())) << name;
    }

    RemoveTempFiles();

    for (const QString& file : made)
        EXPECT_EQ(QFileInfo::exists(file), platform.desktop.opened.contains(file))
            << file.toStdString();
    EXPECT_TRUE(QFileInfo::exists(othersFile));
}

} // namespace

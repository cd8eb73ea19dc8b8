#include "shell/files/Uloz.h"

#include "core/files/file_io.h"
#include "platform/eliding_label.h"
#include "shell/files/document_files.h"
#include "shell/files/file_window_fixture.h"
#include "shell/main_window/DocumentTabs.h"
#include "shell/main_window/MainMenu.h"
#include "shell/main_window/Toolbar.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

using namespace Qt::StringLiterals;

namespace {

class SaveWindow : public FileWindowTest {
protected:
    Uloz& window() {
        Uloz& save = LoadedWindow<Uloz>();
        save.show();
        (void)QTest::qWaitForWindowExposed(&save);
        return save;
    }
    static void expectTarget(const Uloz& save, const QString& folderPath, const QString& name,
                             const QString& extension, const QString& target) {
        EXPECT_EQ(save.Dir1()->path(), folderPath);
        EXPECT_EQ(save.Text1()->text(), name);
        EXPECT_EQ(save.Text2()->currentText(), extension);
        EXPECT_EQ(save.Label1()->text(), target);
        EXPECT_TRUE(save.Command1()->isEnabled());
    }
};

TEST_F(SaveWindow, SaveWaitsForATarget) {
    Uloz& save = window();
    EXPECT_EQ(save.Label1()->text(), u"Vložte údaje !"_s);
    EXPECT_FALSE(save.Command1()->isEnabled());
}

TEST_F(SaveWindow, ClickedFilesSplitAtTheLastDotAndComposeTheTarget) {
    writeFile(u"archive.tar.gz"_s, "a");
    writeFile(u"README"_s, "r");
    Uloz& save = window();
    ASSERT_TRUE(save.showFolder(folder.path()));
    click(*save.File1(), u"archive.tar.gz"_s);
    expectTarget(save, folder.path(), u"archive.tar"_s, u"gz"_s, path(u"archive.tar.gz"_s));
    // A name without an extension composes without a trailing dot.
    click(*save.File1(), u"README"_s);
    expectTarget(save, folder.path(), u"README"_s, QString(), path(u"README"_s));

    save.Text3()->setText(u"*.gz"_s);
    EXPECT_EQ(itemsOf(*save.File1()), QStringList{u"archive.tar.gz"_s});
}

TEST_F(SaveWindow, TargetAtTheRootHasOneSeparator) {
    Uloz& save = window();
    ASSERT_TRUE(save.showFolder(u"/"_s));
    save.Text1()->setText(u"index"_s);
    expectTarget(save, u"/"_s, u"index"_s, u"html"_s, u"/index.html"_s);
    save.Text2()->setEditText(QString());
    EXPECT_EQ(save.Label1()->text(), u"/index"_s);
}

TEST_F(SaveWindow, SavesTheEditorTextAsTheCurrentDocument) {
    Uloz& save = window();
    ASSERT_TRUE(save.showFolder(folder.path()));
    save.Text1()->setText(u"novy"_s);
    save.Text2()->setCurrentText(u"txt"_s);
    form->surface().setText(u"abc\r\n"_s);
    QTest::mouseClick(save.Command1(), Qt::LeftButton);
    const QString target = path(u"novy.txt"_s);
    EXPECT_FALSE(save.isVisible());
    EXPECT_EQ(ReadWholeFile(target), QByteArray("abc\r\n"));
    EXPECT_EQ(form->windowTitle(), u"Tarvel Qor (%1)"_s.arg(target));
    EXPECT_EQ(form->FileTab()->tabText(0), u"novy.txt"_s);

    // Saving over it asks first; No leaves the file.
    form->surface().setText(u"changed"_s);
    save.show();
    platform.messageBox.queue(MessageBoxAnswer::No);
    QTest::mouseClick(save.Command1(), Qt::LeftButton);
    EXPECT_TRUE(platform.messageBox.shown.back().request.text.startsWith(u"Opravdu uložit "_s));
    EXPECT_EQ(ReadWholeFile(target), QByteArray("abc\r\n"));
}

TEST_F(SaveWindow, OpeningSavingAndEnteringATabPresetTheTarget) {
    makeFolder(u"web"_s);
    const QString page = writeFile(u"web/index.html"_s, "<P>");
    const QString notes = writeFile(u"notes.tar.gz"_s, "n");
    OpenDocument(page);
    Uloz* save = LoadedWindowIfAny<Uloz>();
    ASSERT_NE(save, nullptr);
    EXPECT_FALSE(save->isVisible());
    expectTarget(*save, path(u"web"_s), u"index"_s, u"html"_s, page);

    form->documents().selectTab(2);
    OpenDocument(notes);
    // The first dot splits a document's own path, so composing gives it back.
    expectTarget(*save, folder.path(), u"notes"_s, u"tar.gz"_s, notes);
    form->documents().selectTab(3); // untitled: the target stays
    EXPECT_EQ(save->Label1()->text(), notes);
    form->documents().selectTab(1);
    expectTarget(*save, path(u"web"_s), u"index"_s, u"html"_s, page);

    const QString copy = path(u"copy.txt"_s);
    SaveDocument(copy, u"x"_s);
    expectTarget(*save, folder.path(), u"copy"_s, u"txt"_s, copy);
}

TEST_F(SaveWindow, MenuEntryAndToolbarButtonShowTheWindow) {
    form->surface().setText(u"text"_s);
    form->Toolbar1()->button(u"Save"_s)->trigger();
    Uloz* save = LoadedWindowIfAny<Uloz>();
    ASSERT_NE(save, nullptr);
    EXPECT_TRUE(save->isVisible());
    EXPECT_TRUE(commands.has(MenuId::mnusave));
}

} // namespace

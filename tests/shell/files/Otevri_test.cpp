#include "platform/testing/scripted_web_view.h"
#include "shell/files/Otevri.h"

#include "core/files/file_information.h"
#include "core/files/path_helpers.h"
#include "core/text/ansi_code_page.h"
#include "platform/eliding_label.h"
#include "platform/surface/paragraph_text.h"
#include "shell/files/FileProperties.h"
#include "shell/files/Uloz.h"
#include "shell/files/file_dialogs.h"
#include "shell/files/file_window_fixture.h"
#include "shell/main_window/MainMenu.h"
#include "shell/main_window/Toolbar.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

class OpenWindow : public FileWindowTest {
protected:
    // The open window, shown on the test folder.
    Otevri& window() {
        Otevri& open = LoadedWindow<Otevri>();
        EXPECT_TRUE(open.showFolder(folder.path()));
        open.show();
        (void)QTest::qWaitForWindowExposed(&open);
        return open;
    }
    [[nodiscard]] static QString preview(const Otevri& open) { return open.Text2()->toPlainText(); }
};

TEST_F(OpenWindow, OpenWaitsForAFileAndTheTabsSwitchPages) {
    Otevri& open = window();
    EXPECT_FALSE(open.Command1()->isEnabled());
    EXPECT_FALSE(open.Browzde()->isEnabled());
    EXPECT_EQ(open.Drive1()->itemText(0), u"/"_s);
    EXPECT_GE(open.Drive1()->findText(QDir::homePath()), 0);
    EXPECT_TRUE(open.FrPre()->isVisible());
    open.TabStrip1()->setCurrentIndex(1);
    EXPECT_FALSE(open.FrPre()->isVisible());
    EXPECT_TRUE(open.FrInf()->isVisible());
}

TEST_F(OpenWindow, OpensTheFileAfterAskingIntoTheCurrentTab) {
    const QString page = writeFile(u"page.htm"_s, EncodeAnsi(u"<P>Žluťoučký kůň</P>\r\n"_s));
    form->surface().setText(u"keep"_s);
    form->documents().setCaption(QString(), false);
    Otevri& open = window();
    click(*open.File1(), u"page.htm"_s);
    EXPECT_TRUE(open.Command1()->isEnabled());
    EXPECT_EQ(open.Label1()->text(), page);
    EXPECT_EQ(preview(open), u"<P>Žluťoučký kůň</P>\n"_s);

    platform.messageBox.queue(MessageBoxAnswer::No);
    QTest::mouseClick(open.Command1(), Qt::LeftButton);
    ASSERT_EQ(boxesShown(), 1);
    const MessageBoxRequest& asked = platform.messageBox.shown.back().request;
    EXPECT_EQ(asked.text, u"Opravdu otevřít soubor ?"_s);
    EXPECT_EQ(asked.title, u"Soubor"_s);
    EXPECT_EQ(asked.buttons, MessageBoxButtons::YesNo);
    EXPECT_EQ(asked.icon, MessageBoxIcon::Exclamation);
    EXPECT_TRUE(open.isVisible());
    EXPECT_EQ(form->surface().text(), u"keep"_s);

    platform.messageBox.queue(MessageBoxAnswer::Yes);
    QTest::mouseClick(open.Command1(), Qt::LeftButton);
    EXPECT_FALSE(open.isVisible());
    EXPECT_EQ(form->surface().text(), u"<P>Žluťoučký kůň</P>\r\n"_s);
    EXPECT_EQ(form->windowTitle(), u"Tarvel Qor (%1)"_s.arg(page));
    EXPECT_EQ(form->FileTab()->tabText(0), u"page.htm"_s);
    EXPECT_EQ(form->FileTab()->tabToolTip(0), page);
    EXPECT_EQ(platform.messageBox.unanswered, 0);
}

TEST_F(OpenWindow, PreviewsFilesBelowTheLimitAndDescribesLongerOnes) {
    writeFile(u"short.txt"_s, QByteArray(PreviewLimit - 1, 'a'));
    writeFile(u"long.txt"_s, QByteArray(PreviewLimit, 'b'));
    Otevri& open = window();
    click(*open.File1(), u"short.txt"_s);
    EXPECT_EQ(preview(open), QString(PreviewLimit - 1, u'a'));
    ASSERT_TRUE(open.Browzde()->isEnabled());
    open.Browzde()->click();
    ASSERT_NE(platform.webViews.latest, nullptr);
    EXPECT_EQ(platform.webViews.latest->navigations.back().toLocalFile(), open.Label1()->text());
    click(*open.File1(), u"long.txt"_s);
    EXPECT_EQ(preview(open).section(u'\n', 0, 0), u"Není:"_s);
    EXPECT_TRUE(preview(open).contains(u"soubor long.txt má délku"_s));
    EXPECT_EQ(boxesShown(), 0);
}

TEST_F(OpenWindow, BinaryPreviewShowsEveryCharacterWithNulVisible) {
    writeFile(u"data.bin"_s, QByteArray("A\0B\x9a\x1aZ", 6));
    Otevri& open = window();
    click(*open.File1(), u"data.bin"_s);
    EXPECT_EQ(preview(open), u"A"_s + NulPlaceholder + u"Bš"_s + QChar(0x1a) + u"Z"_s);
}

TEST_F(OpenWindow, InformationPageShowsTheFileAndIsClearedWhenAReadFails) {
    writeFile(u"archive.tar.gz"_s, QByteArray(1536, 'x'));
    writeFile(u"gone.txt"_s, "soon gone");
    Otevri& open = window();
    click(*open.File1(), u"archive.tar.gz"_s);
    EXPECT_EQ(open.Label7()->text(), u"TAR.GZ"_s);
    EXPECT_EQ(open.Label5()->text(), FormatFileSize(1536));
    EXPECT_FALSE(open.Label11()->text().isEmpty());
    for (int number = 1; number <= 4; ++number)
        EXPECT_FALSE(open.check(number)->isChecked()) << number;

    // The file goes between the listing and the click.
    ASSERT_TRUE(QFile::remove(path(u"gone.txt"_s)));
    open.check(1)->setChecked(true);
    click(*open.File1(), u"gone.txt"_s);
    EXPECT_EQ(lastBoxTitle(), u"Chyba"_s);
    EXPECT_EQ(open.Label1()->text(), path(u"gone.txt"_s));
    EXPECT_TRUE(open.Command1()->isEnabled());
    EXPECT_EQ(open.Label7()->text(), QString());
    EXPECT_EQ(open.Label5()->text(), QString());
    EXPECT_EQ(open.Label11()->text(), QString());
    EXPECT_FALSE(open.check(1)->isChecked());
    EXPECT_EQ(preview(open), QString());
}

TEST_F(OpenWindow, PatternFiltersTheFilesAndAnyFileIncludesNamesWithoutDot) {
    for (const QString& name : {u"a.htm"_s, u"b.txt"_s, u"README"_s, u"c.html"_s})
        writeFile(name, "x");
    Otevri& open = window();
    EXPECT_EQ(itemsOf(*open.File1()),
              (QStringList{u"a.htm"_s, u"b.txt"_s, u"c.html"_s, u"README"_s}));
    open.Text1()->setCurrentIndex(open.Text1()->findText(u"*.htm"_s));
    EXPECT_EQ(itemsOf(*open.File1()), QStringList{u"a.htm"_s});
    open.Text1()->setEditText(u"*.txt;*.html"_s);
    EXPECT_EQ(itemsOf(*open.File1()), (QStringList{u"b.txt"_s, u"c.html"_s}));
}

TEST_F(OpenWindow, EnterInTheFolderListOpensTheFolderInsteadOfTheFile) {
    makeFolder(u"sub"_s);
    writeFile(u"top.txt"_s, "top");
    writeFile(u"sub/inner.txt"_s, "inner");
    Otevri& open = window();
    click(*open.File1(), u"top.txt"_s);
    ASSERT_TRUE(open.Command1()->isEnabled());

    FolderList& dir = *open.Dir1();
    dir.setFocus();
    EXPECT_FALSE(open.Command1()->isDefault());
    // Moving the highlight makes the file list follow before the folder opens.
    QTest::keyClick(&dir, Qt::Key_Down);
    EXPECT_EQ(dir.highlightedPath(), path(u"sub"_s));
    EXPECT_EQ(dir.path(), folder.path());
    EXPECT_EQ(itemsOf(*open.File1()), QStringList{u"inner.txt"_s});

    QTest::keyClick(&dir, Qt::Key_Return);
    EXPECT_EQ(dir.path(), path(u"sub"_s));
    EXPECT_EQ(boxesShown(), 0); // Open was not pressed
    EXPECT_TRUE(open.isVisible());

    open.File1()->setFocus();
    EXPECT_TRUE(open.Command1()->isDefault());
}

TEST_F(OpenWindow, ADriveThatCannotBeReadGoesBackToTheRoot) {
    Otevri& open = window();
    FileBrowserLists* lists = open.findChild<FileBrowserLists*>();
    ASSERT_NE(lists, nullptr);
    lists->chooseDrive(path(u"no-such-drive"_s));
    EXPECT_EQ(lastBoxTitle(), u"Chyba"_s);
    EXPECT_EQ(open.Dir1()->path(), u"/"_s);
    EXPECT_EQ(open.Drive1()->currentText(), u"/"_s);
}

TEST_F(OpenWindow, PropertiesShowTheChosenFileOnly) {
    writeFile(u"info.txt"_s, "12345");
    Otevri& open = window();
    QTest::mouseClick(open.CmndInfo(), Qt::LeftButton);
    EXPECT_EQ(LoadedWindowIfAny<FileProperties>(), nullptr);

    click(*open.File1(), u"info.txt"_s);
    QTest::mouseClick(open.CmndInfo(), Qt::LeftButton);
    FileProperties* properties = LoadedWindowIfAny<FileProperties>();
    ASSERT_NE(properties, nullptr);
    EXPECT_TRUE(properties->isVisible());
    auto* name =
        qobject_cast<QLabel*>(properties->rows()->itemAt(0, QFormLayout::FieldRole)->widget());
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), u"info.txt"_s);
}

TEST_F(OpenWindow, MenuEntryAndToolbarButtonShowTheWindow) {
    QAction* entry = form->menu().action(MenuId::mnuopen);
    ASSERT_TRUE(entry->isEnabled());
    EXPECT_TRUE(form->Toolbar1()->button(u"Open"_s)->isEnabled());
    form->Toolbar1()->button(u"Open"_s)->trigger();
    Otevri* open = LoadedWindowIfAny<Otevri>();
    ASSERT_NE(open, nullptr);
    EXPECT_TRUE(open->isVisible());
    EXPECT_EQ(open->parentWidget(), form);
}

TEST_F(OpenWindow, ChosenFolderShowsInBothFileWindows) {
    makeFolder(u"picked"_s);
    platform.fileDialogs.folderAnswers = {path(u"picked"_s)};
    EXPECT_EQ(ChooseFileDialogFolder(form), path(u"picked"_s));
    EXPECT_EQ(LoadedWindow<Otevri>().Dir1()->path(), path(u"picked"_s));
    EXPECT_EQ(LoadedWindow<Uloz>().Dir1()->path(), path(u"picked"_s));
    // Cancelled, or gone before it could be shown, the windows keep their folder.
    platform.fileDialogs.folderAnswers = {QString(), path(u"gone"_s)};
    EXPECT_EQ(ChooseFileDialogFolder(form), QString());
    (void)ChooseFileDialogFolder(form);
    EXPECT_EQ(LoadedWindow<Otevri>().Dir1()->path(), path(u"picked"_s));
    EXPECT_EQ(LoadedWindow<Uloz>().Dir1()->path(), path(u"picked"_s));
    EXPECT_EQ(boxesShown(), 0);
}

} // namespace

// Files too long for what reads them are refused by their length before
// anything is read or copied, and the document stays as it was.
#include "core/files/file_io.h"
#include "core/files/path_helpers.h"
#include "core/files/special_files.h"
#include "platform/testing/scripted_web_view.h"
#include "shell/main_form_test.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

using OversizedFiles = MainFormTest;

TEST_F(OversizedFiles, ReadersTakeFilesUpToTheirLimitAndRefuseLongerOnesAtOnce) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"temp"_s));
    const TempFolderOverride temp(folder.filePath(u"temp"_s));
    const QString document = u"před VYBER za"_s;
    const qint64 pasted = 3000000; // a page made by pasting, twice a document
    const qint64 twoGb = qint64{1} << 31;
    using enum MenuId; // insert from file, the saved file in the desktop's or internal browser
    const struct {
        MenuId command;
        qint64 size;
        bool taken;
    } cases[] = {{mnuzesouboru, twoGb, false},
                 {mnuzesouboru, pasted, true},
                 {mnuzesouboru, LargestReadFile + 1, false},
                 {mnutest, twoGb, false},
                 {mnutest, LargestReadFile, true},
                 {mnutest, LargestReadFile + 1, false},
                 {Mnu_Internal_Browser, LargestReadFile + 1, false},
                 {Mnu_Internal_Browser, LargestReadFile, true}};
    for (const auto& c : cases) {
        const bool inserting = c.command == mnuzesouboru,
                   internal = c.command == Mnu_Internal_Browser;
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.command) << " " << c.size);
        platform.messageBox.shown.clear();
        platform.desktop.opened.clear();
        const QString path = folder.filePath(u"soubor %1.txt"_s.arg(c.size));
        ASSERT_TRUE(MakeSparseFile(
            path, c.size,
            c.taken ? QByteArray("radek\r\n").repeated(c.size / 7 + 1).left(c.size) : ""));
        surface().setText(document);
        surface().setSelStart(5);
        surface().setSelLength(5);
        form.documents().setCaption(QString(), false);
        Program().CurrentFilePath = inserting ? QString() : path;
        platform.fileDialogs.openAnswers << path;
        platform.messageBox.queue(MessageBoxAnswer::Yes); // show the saved version
        run(c.command);

        const QStringList copies = QDir(folder.filePath(u"temp"_s)).entryList(QDir::Files);
        if (c.taken && inserting) {
            EXPECT_EQ(surface().text(),
                      u"před "_s + QString::fromLatin1(ReadWholeFile(path)) + u" za"_s);
        } else if (c.taken && internal) {
            ASSERT_TRUE(platform.webViews.latest);
            EXPECT_EQ(platform.webViews.latest->navigations, QList{QUrl::fromLocalFile(path)});
        } else if (c.taken) {
            ASSERT_EQ(copies.size(), 1);
            EXPECT_EQ(platform.desktop.opened,
                      QStringList{folder.filePath(u"temp/"_s + copies[0])});
            EXPECT_EQ(ReadWholeFile(platform.desktop.opened.front()), ReadWholeFile(path));
            QFile::remove(platform.desktop.opened.front());
        } else {
            const QString size = QString::number(c.size), shortSize = FormatFileSize(c.size);
            ASSERT_FALSE(platform.messageBox.shown.isEmpty());
            const MessageBoxRequest& told = platform.messageBox.shown.back().request;
            EXPECT_EQ(told.title, inserting  ? u"Soubor"_s
                                  : internal ? u"Interní browser"_s
                                             : u"Testuj html"_s);
            EXPECT_EQ(told.text, u"Soubor %1 nelze načíst: má %2 bajtů (%3), načíst lze nejvýš %4 "
                                 "bajtů."_s.arg(path, size, shortSize)
                                     .arg(LargestReadFile));
            EXPECT_EQ(surface().text(), document);
            EXPECT_FALSE(form.documents().captionModified());
            EXPECT_TRUE(platform.desktop.opened.isEmpty());
            EXPECT_TRUE(copies.isEmpty());
            EXPECT_FALSE(platform.webViews.latest); // the internal browser's rows come last
        }
        platform.fileDialogs.openAnswers.clear();
        QFile::remove(path);
    }
}

} // namespace

// Files too long for what reads them are refused by their length before
// anything is read or copied, and the document stays as it was.
#include "core/files/file_io.h"
#include "core/files/path_helpers.h"
#include "core/files/special_files.h"
#include "shell/main_form_test.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

using OversizedFiles = MainFormTest;

TEST_F(OversizedFiles, ReadersTakeFilesUpToTheirLimitAndRefuseLongerOnesAtOnce) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"temp"_s));
    const TempFolderOverride temp(folder.filePath(u"temp"_s));
    const QString document = u"před VYBER za"_s; // the selection gives way: 8 kept
    const qint64 room = LargestDocumentSize - 8, twoGb = qint64{1} << 31;
    const struct {
        bool inserting;
        qint64 size;
        bool taken;
    } cases[] = {{true, twoGb, false},
                 {true, room, true},
                 {true, room + 1, false},
                 {false, twoGb, false},
                 {false, LargestDocumentSize, true},
                 {false, LargestDocumentSize + 1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.inserting ? "insert " : "preview ") << c.size);
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
        Program().CurrentFilePath = c.inserting ? QString() : path;
        platform.fileDialogs.openAnswers << path;
        platform.messageBox.queue(MessageBoxAnswer::Yes); // show the saved version
        run(c.inserting ? MenuId::mnuzesouboru : MenuId::mnutest);

        const QStringList copies = QDir(folder.filePath(u"temp"_s)).entryList(QDir::Files);
        if (c.taken && c.inserting) {
            EXPECT_EQ(surface().text(),
                      u"před "_s + QString::fromLatin1(ReadWholeFile(path)) + u" za"_s);
        } else if (c.taken) {
            ASSERT_EQ(copies.size(), 1);
            EXPECT_EQ(platform.desktop.opened,
                      QStringList{folder.filePath(u"temp/"_s + copies[0])});
            EXPECT_EQ(ReadWholeFile(platform.desktop.opened.front()), ReadWholeFile(path));
            QFile::remove(platform.desktop.opened.front());
        } else {
            const QString size = QString::number(c.size), shortSize = FormatFileSize(c.size);
            ASSERT_FALSE(platform.messageBox.shown.isEmpty());
            EXPECT_EQ(platform.messageBox.shown.back().request.text,
                      c.inserting ? u"Soubor %1 (%2) nelze vložit: dokument by pak měl %3 znaků, "
                                    "smí jich však mít nejvýš 1442401, jinak by ho již nešlo "
                                    "otevřít."_s.arg(path, shortSize, QString::number(c.size + 8))
                                  : u"Uloženou verzi nelze zobrazit: soubor %1 má %2 bajtů (%3), "
                                    "prohlížeči lze jako stránku předat nejvýš 1442401 "
                                    "bajtů."_s.arg(path, size, shortSize));
            EXPECT_EQ(surface().text(), document);
            EXPECT_FALSE(form.documents().captionModified());
            EXPECT_TRUE(platform.desktop.opened.isEmpty());
            EXPECT_TRUE(copies.isEmpty());
        }
        platform.fileDialogs.openAnswers.clear();
        QFile::remove(path);
    }
}

} // namespace

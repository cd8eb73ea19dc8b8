#include "core/files/file_lists.h"

#include "core/text/program_error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(FilePattern, MatchesAsTheFileListDoes) {
    const struct {
        QString name, pattern;
        bool matches;
    } cases[] = {
        {u"README"_s, u"*.*"_s, true}, // "any file", also without a dot
        {u"index.html"_s, u"*.*"_s, true},
        {u".profile"_s, u"*.*"_s, true},
        {u"index.htm"_s, u"*.htm"_s, true},
        {u"INDEX.HTM"_s, u"*.htm"_s, true}, // case aside
        {u"index.html"_s, u"*.htm"_s, false},
        {u"index.htm.bak"_s, u"*.htm"_s, false},
        {u"README"_s, u"*.txt"_s, false},
        {u"a.txt"_s, u"*.htm;*.txt"_s, true},
        {u"a.txt"_s, u" *.htm ; *.txt "_s, true},
        {u"a.bat"_s, u"*.htm;*.txt"_s, false},
        {u"page1.htm"_s, u"page?.htm"_s, true},
        {u"page10.htm"_s, u"page?.htm"_s, false},
        {u"README"_s, u"*"_s, true},
        {u"README"_s, QString(), false},
        {u"README"_s, u";"_s, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchesFilePattern(c.name, c.pattern), c.matches)
            << c.name.toStdString() << " ~ " << c.pattern.toStdString();
}

class FolderContents : public ::testing::Test {
protected:
    FolderContents() {
        for (const QString& name :
             {u"b.txt"_s, u"README"_s, u"a.HTM"_s, u"c.htm"_s, u".hidden.txt"_s, u"B.txt"_s})
            touch(name);
        for (const QString& name : {u"zeta"_s, u"Alfa"_s, u".cache"_s, u"beta.d"_s})
            EXPECT_TRUE(QDir(folder.path()).mkdir(name));
    }
    void touch(const QString& name) const {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir folder;
};

TEST_F(FolderContents, ListsVisibleFilesOfThePatternSortedByName) {
    EXPECT_EQ(ListFiles(folder.path(), u"*.*"_s),
              (QStringList{u"a.HTM"_s, u"B.txt"_s, u"b.txt"_s, u"c.htm"_s, u"README"_s}));
    EXPECT_EQ(ListFiles(folder.path(), u"*.htm"_s), (QStringList{u"a.HTM"_s, u"c.htm"_s}));
    EXPECT_EQ(ListFiles(folder.path(), u"*.ini"_s), QStringList());
    EXPECT_EQ(ListFolders(folder.path()), (QStringList{u"Alfa"_s, u"beta.d"_s, u"zeta"_s}));
}

TEST_F(FolderContents, MissingFolderThrows) {
    const QString missing = folder.filePath(u"none"_s);
    EXPECT_THROW((void)ListFiles(missing, u"*.*"_s), ProgramError);
    EXPECT_THROW((void)ListFolders(missing), ProgramError);
}

TEST(FolderList, ShowsTheWayDownAndTheFoldersInside) {
    const QList<FolderListEntry> entries =
        FolderListEntries(u"/home/eva/"_s, {u"docs"_s, u"web"_s});
    const QList<FolderListEntry> expected = {
        {u"/"_s, u"/"_s, 0, true},
        {u"/home"_s, u"home"_s, 1, true},
        {u"/home/eva"_s, u"eva"_s, 2, true},
        {u"/home/eva/docs"_s, u"docs"_s, 3, false},
        {u"/home/eva/web"_s, u"web"_s, 3, false},
    };
    EXPECT_EQ(entries, expected);
    const QList<FolderListEntry> atRoot = {
        {u"/"_s, u"/"_s, 0, true},
        {u"/etc"_s, u"etc"_s, 1, false},
    };
    EXPECT_EQ(FolderListEntries(u"/"_s, {u"etc"_s}), atRoot);
}

TEST(DriveList, RootFirstThenMountsThenHome) {
    EXPECT_EQ(
        DriveListEntries({u"/media/usb"_s, u"/"_s, u"/boot/"_s, u"/media/usb"_s}, u"/home/eva"_s),
        (QStringList{u"/"_s, u"/boot"_s, u"/media/usb"_s, u"/home/eva"_s}));
    // A home folder that is a mount point is listed once.
    EXPECT_EQ(DriveListEntries({u"/home"_s}, u"/home"_s), (QStringList{u"/"_s, u"/home"_s}));
    EXPECT_EQ(DriveListEntries({}, QString()), QStringList{u"/"_s});
}

TEST(DriveList, DriveOfAPathIsTheDeepestListedFolderAboveIt) {
    const QStringList drives{u"/"_s, u"/home"_s, u"/home/eva"_s, u"/media/usb"_s};
    const struct {
        QString path, drive;
    } cases[] = {
        {u"/home/eva/web/index.html"_s, u"/home/eva"_s},
        {u"/home/evan/a.txt"_s, u"/home"_s}, // a name that only starts alike
        {u"/home/eva"_s, u"/home/eva"_s},
        {u"/media/usb/x"_s, u"/media/usb"_s},
        {u"/etc/hosts"_s, u"/"_s},
        {u"relative.txt"_s, u"/"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DriveOfPath(drives, c.path), c.drive) << c.path.toStdString();
}

TEST(ComposedPaths, OneSeparatorAndNoDotWithoutExtension) {
    EXPECT_EQ(JoinFolderAndName(u"/"_s, u"x.txt"_s), u"/x.txt"_s);
    EXPECT_EQ(JoinFolderAndName(u"/home/eva"_s, u"x.txt"_s), u"/home/eva/x.txt"_s);
    EXPECT_EQ(JoinFolderAndName(u"/home/eva/"_s, u"x.txt"_s), u"/home/eva/x.txt"_s);
    const struct {
        QString folder, name, extension, path;
    } cases[] = {
        {u"/"_s, u"index"_s, u"html"_s, u"/index.html"_s},
        {u"/home/eva"_s, u"index"_s, u"html"_s, u"/home/eva/index.html"_s},
        {u"/home/eva/"_s, u"archive.tar"_s, u"gz"_s, u"/home/eva/archive.tar.gz"_s},
        {u"/home/eva"_s, u"README"_s, QString(), u"/home/eva/README"_s},
        {u"/"_s, u"README"_s, QString(), u"/README"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ComposeSavePath(c.folder, c.name, c.extension), c.path);
}

TEST(ComposedPaths, FileNamesSplitAtTheLastDot) {
    const struct {
        QString file;
        NameAndExtension parts;
    } cases[] = {
        {u"archive.tar.gz"_s, {u"archive.tar"_s, u"gz"_s}}, {u"README"_s, {u"README"_s, QString()}},
        {u"index.html"_s, {u"index"_s, u"html"_s}},         {u"name."_s, {u"name"_s, QString()}},
        {u".profile"_s, {QString(), u"profile"_s}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitAtLastDot(c.file), c.parts) << c.file.toStdString();
}

} // namespace

#include "core/files/path_helpers.h"
#include "core/files/special_files.h"

#include "core/plain_user.h"
#include "core/text/program_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

TEST(PathParts, SplitsIntoFolderNameAndExtension) {
    const struct {
        QString path, folder, fileName, extension;
    } cases[] = {
        {u"/home/a/x.html"_s, u"/home/a/"_s, u"x"_s, u"html"_s},
        {u"/dir/README"_s, u"/dir/"_s, u"README"_s, QString()},
        {u"/a.b/file"_s, u"/a.b/"_s, u"file"_s, QString()}, // dots in folders do not count
        {u"/dir/"_s, u"/dir/"_s, QString(), QString()},
        {u"/web/archive.tar.gz"_s, u"/web/"_s, u"archive"_s, u"tar.gz"_s}, // the first dot
        {u"/dir/.hidden"_s, u"/dir/"_s, QString(), u"hidden"_s},
        {u"/dir/name."_s, u"/dir/"_s, u"name"_s, QString()},
        {u"/x.txt"_s, u"/"_s, u"x"_s, u"txt"_s},
        {u"bare.txt"_s, u"bare.txt"_s, QString(), QString()}, // no "/": all folder
        {u"bare."_s, u"bare."_s, QString(), QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        EXPECT_EQ(GetPathPart(c.path, 1), c.folder);
        EXPECT_EQ(GetPathPart(c.path, 2), c.fileName);
        EXPECT_EQ(GetPathPart(c.path, 3), c.extension);
        for (const int part : {0, 4, -1})
            EXPECT_EQ(GetPathPart(c.path, part), QString()) << "part " << part;
    }
}

TEST(RelativePath, WritesTargetFromDocumentFolder) {
    const QString appFolder = u"/opt/tarvel/"_s;
    const struct {
        const char* name;
        QString document, target, expected;
    } cases[] = {
        {"sibling folder", u"/web/site/index.html"_s, u"/web/Img/Logo.GIF"_s, u"../Img/Logo.GIF"_s},
        {"same folder", u"/web/site/index.html"_s, u"/web/site/Page 2.htm"_s, u"Page 2.htm"_s},
        {"subfolders", u"/web/index.html"_s, u"/web/Img/A/x.png"_s, u"Img/A/x.png"_s},
        {"two levels up", u"/a/b/c/d.html"_s, u"/a/x/y.png"_s, u"../../x/y.png"_s},
        {"parent folder", u"/web/site/index.html"_s, u"/web/x.png"_s, u"../x.png"_s},
        {"common run cut at a folder", u"/web/site/index.html"_s, u"/web/sitemap/a.htm"_s,
         u"../sitemap/a.htm"_s},
        {"folders differing in case differ", u"/web/Site/index.html"_s, u"/web/site/a.htm"_s,
         u"../site/a.htm"_s},
        {"target keeps its case", u"/Web/Site/a.htm"_s, u"/Web/Site/Sub/B.HTM"_s, u"Sub/B.HTM"_s},
        {"unsaved: program folder", QString(), u"/opt/tarvel/pic.gif"_s, u"pic.gif"_s},
        {"unsaved: from program folder", QString(), u"/opt/other/x"_s, u"../other/x"_s},
        {"only root shared: absolute", u"/mnt/x/a.html"_s, u"/home/y/b.png"_s, u"/home/y/b.png"_s},
        {"target in root: absolute", u"/mnt/a.html"_s, u"/b.png"_s, u"/b.png"_s},
        {"document in root", u"/index.html"_s, u"/img/a.png"_s, u"img/a.png"_s},
        {"trailing dot kept", u"/web/index.html"_s, u"/web/name."_s, u"name."_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MakeRelativePath(c.document, c.target, appFolder), c.expected) << c.name;
}

TEST(PathToFileUrl, PrefixesTheAbsolutePathUnescaped) {
    EXPECT_EQ(PathToFileUrl(u"/My Web/a#b%20č.html"_s), u"file:///My Web/a#b%20č.html"_s);
    EXPECT_EQ(PathToFileUrl(u"x/y.html"_s), u"file://"_s + QDir::currentPath() + u"/x/y.html"_s);
}

TEST(AbsolutePath, RelativePathsAreTakenFromTheCurrentFolder) {
    const std::pair<QString, QString> cases[] = {
        {u"notes.txt"_s, u"/home/jana/notes.txt"_s},
        {u"./notes.txt"_s, u"/home/jana/notes.txt"_s},
        {u"../petr/a b.txt"_s, u"/home/petr/a b.txt"_s},
        {u"texty/./dopis.html"_s, u"/home/jana/texty/dopis.html"_s},
        {u"/tmp/./x/../y.txt"_s, u"/tmp/./x/../y.txt"_s},
        {QString(), QString()},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(AbsolutePath(path, u"/home/jana"_s), expected) << path.toStdString();
}

TEST(FileSize, CzechRoundingCases) {
    const std::pair<qint64, QString> cases[] = {
        {0, u"0b"_s},
        {1023, u"1023b"_s},
        {1024, u"1Kb"_s},
        {1100, u"1,07Kb"_s},
        {1536, u"1,5Kb"_s},
        {1152, u"1,12Kb"_s}, // 1.125: half to even goes down
        {1408, u"1,38Kb"_s}, // 1.375: half to even goes up
        {1048575, u"1024Kb"_s},
        {1048576, u"1Mb"_s},
        {1310720, u"1,2Mb"_s}, // 1.25
        {1835008, u"1,8Mb"_s}, // 1.75
        {1073741823, u"1024Mb"_s},
        {1073741824, u"1Gb"_s},
        {1207959552, u"1,12Gb"_s}, // 1.125
        {5368709120, u"5Gb"_s},
        {12345678901234, u"11497,81Gb"_s},
        {Q_INT64_C(9223372036854775807), u"8589934592Gb"_s},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(FormatFileSize(bytes, QLocale(QLocale::Czech)), text) << bytes;
}

TEST(FileSize, EnglishLocaleUsesDotWithoutGrouping) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(FormatFileSize(1100, english), u"1.07Kb"_s);
    EXPECT_EQ(FormatFileSize(12345678901234, english), u"11497.81Gb"_s);
}

class FileExistsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        QFile file(m_dir.filePath(u"a.txt"_s));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    }

    [[nodiscard]] QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

TEST_F(FileExistsTest, ReadableFileOrALinkToItExists) {
    ASSERT_TRUE(QFile::link(path(u"a.txt"_s), path(u"link"_s)));
    EXPECT_TRUE(FileExists(path(u"a.txt"_s)));
    EXPECT_TRUE(FileExists(path(u"a.txt"_s) + u'/'));
    EXPECT_TRUE(FileExists(path(u"link"_s)));
}

TEST_F(FileExistsTest, NonFilesDoNotExist) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"sub"_s));
    ASSERT_EQ(mkfifo(QFile::encodeName(path(u"pipe"_s)).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(path(u"gone"_s), path(u"dangling"_s)));
    const QString cases[] = {
        path(u"sub"_s),  path(u"sub/"_s),     path(u"missing.txt"_s),
        path(u"pipe"_s), path(u"dangling"_s), QString(),
        u"/"_s,
    };
    for (const QString& p : cases)
        EXPECT_FALSE(FileExists(p)) << p.toStdString();
}

TEST_F(FileExistsTest, OnlyAFileTheUserMayReadExists) {
    ASSERT_TRUE(OpenToEveryone(m_dir.path()));
    const QString file = path(u"a.txt"_s);
    const auto exists = [&file] { return FileExists(file) ? 1 : 0; };
    ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                QFileDevice::ReadOther));
    EXPECT_EQ(AsPlainUser(exists), 1);
    ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::Permissions()));
    EXPECT_EQ(AsPlainUser(exists), 0);
}

TEST(MakeTempFileName, FreshNameInTemporaryFolderWithExtension) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const TempFolderOverride tempFolder(folder.path());

    const QString first = MakeTempFileName(u"html"_s);
    const QString second = MakeTempFileName(u"html"_s);
    EXPECT_NE(first, second);
    for (const QString& name : {first, second}) {
        EXPECT_EQ(GetPathPart(name, 1), folder.path() + u'/');
        EXPECT_TRUE(GetPathPart(name, 2).startsWith(u"tvq"_s)) << name.toStdString();
        EXPECT_GT(GetPathPart(name, 2).size(), 3);
        EXPECT_EQ(GetPathPart(name, 3), u"html"_s);
        EXPECT_FALSE(QFileInfo::exists(name));
    }
    // The name was only reserved: nothing is left in the folder.
    EXPECT_TRUE(
        QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

TEST(MakeTempFileName, UnusableTemporaryFolderThrows) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile notAFolder(folder.filePath(u"file"_s));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.close();
    for (const QString& tempPath : {notAFolder.fileName(), folder.filePath(u"missing"_s)}) {
        const TempFolderOverride tempFolder(tempPath);
        EXPECT_THROW(static_cast<void>(MakeTempFileName(u"txt"_s)), ProgramError)
            << tempPath.toStdString();
    }
}

TEST(CutAtNull, KeepsTextBeforeFirstNul) {
    const struct {
        QString text;
        QString expected;
    } cases[] = {
        {u"jan"_s + QChar(u'\0') + QString(251, u' '), u"jan"_s},
        {u"a"_s + QChar(u'\0') + u"b"_s + QChar(u'\0'), u"a"_s},
        {QString(QChar(u'\0')) + u"x"_s, QString()},
        {u"bez nuly"_s, u"bez nuly"_s},
        {QString(), QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CutAtNull(c.text), c.expected) << c.text.toStdString();
}

} // namespace

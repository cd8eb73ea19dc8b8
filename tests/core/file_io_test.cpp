#include "core/file_io.h"

#include "core/program_error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Root ignores permission bits, so permission failures cannot be provoked.
bool RunningAsRoot() {
    return geteuid() == 0;
}

void WriteRaw(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray AllByteValues() {
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    return bytes;
}

// Runs the action and returns the ProgramError it throws.
template <typename Action> ProgramError ErrorOf(Action action) {
    try {
        action();
    } catch (const ProgramError& error) {
        return error;
    }
    ADD_FAILURE() << "no ProgramError was thrown";
    return ProgramError(0, QString(), QString());
}

TEST(FileIo, WrittenBytesReadBackUnchanged) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"data ř.bin"_s);
    WriteFileAtomically(path, AllByteValues());
    EXPECT_EQ(ReadWholeFile(path), AllByteValues());
    WriteFileAtomically(path, QByteArray());
    EXPECT_EQ(ReadWholeFile(path), QByteArray());
}

TEST(FileIo, ShorterContentLeavesNoTailOfTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"tarvel.ini"_s);
    WriteRaw(path, QByteArray(200, 'x') + "tajne heslo");
    WriteFileAtomically(path, "krátký záznam");
    EXPECT_EQ(ReadWholeFile(path), QByteArray("krátký záznam"));
    EXPECT_EQ(QFileInfo(path).size(), QByteArray("krátký záznam").size());
}

TEST(FileIo, WritingLeavesNoTemporaryFileBehind) {
    QTemporaryDir dir;
    WriteFileAtomically(dir.filePath(u"tarvel.ini"_s), "abc");
    WriteFileAtomically(dir.filePath(u"tarvel.ini"_s), "de");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"tarvel.ini"_s});
}

TEST(FileIo, WriteFailuresThrowNamingTheFile) {
    QTemporaryDir dir;
    const QString missingFolder = dir.filePath(u"chybí/tarvel.ini"_s);
    ProgramError error = ErrorOf([&] { WriteFileAtomically(missingFolder, "abc"); });
    EXPECT_EQ(error.number, FileAccessErrorNumber);
    EXPECT_EQ(error.description, u"Soubor nelze zapsat: "_s + missingFolder);
    EXPECT_EQ(error.source, missingFolder);

    const QString folder = dir.filePath(u"složka"_s);
    ASSERT_TRUE(QDir().mkdir(folder));
    error = ErrorOf([&] { WriteFileAtomically(folder, "abc"); });
    EXPECT_EQ(error.source, folder);
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST(FileIo, WriteIntoReadOnlyFolderThrowsAndKeepsTheOldFile) {
    if (RunningAsRoot())
        GTEST_SKIP() << "root ignores folder permissions";
    QTemporaryDir dir;
    const QString path = dir.filePath(u"tarvel.ini"_s);
    WriteRaw(path, "old");
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const ProgramError error = ErrorOf([&] { WriteFileAtomically(path, "new"); });
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(error.description, u"Soubor nelze zapsat: "_s + path);
    EXPECT_EQ(ReadWholeFile(path), QByteArray("old"));
}

TEST(FileIo, ReadFailuresThrowNamingTheFile) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(u"nic.txt"_s);
    ProgramError error = ErrorOf([&] { (void)ReadWholeFile(missing); });
    EXPECT_EQ(error.number, FileNotFoundErrorNumber);
    EXPECT_EQ(error.description, u"Soubor nenalezen: "_s + missing);
    EXPECT_EQ(error.source, missing);

    error = ErrorOf([&] { (void)ReadWholeFile(dir.path()); });
    EXPECT_EQ(error.number, FileAccessErrorNumber);
    EXPECT_EQ(error.description, u"Soubor nelze číst: "_s + dir.path());
    EXPECT_EQ(error.source, dir.path());
}

TEST(FileIo, ReadOfAnUnreadableFileThrows) {
    if (RunningAsRoot())
        GTEST_SKIP() << "root ignores file permissions";
    QTemporaryDir dir;
    const QString path = dir.filePath(u"tajné.txt"_s);
    WriteRaw(path, "abc");
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::WriteOwner));
    const ProgramError error = ErrorOf([&] { (void)ReadWholeFile(path); });
    EXPECT_EQ(error.number, FileAccessErrorNumber);
    EXPECT_EQ(error.description, u"Soubor nelze číst: "_s + path);
}

} // namespace

#include "core/files/file_io.h"

#include "core/text/program_error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

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

// Runs the action, which must throw this ProgramError.
void ExpectError(const std::function<void()>& action, int number, const QString& description,
                 const QString& source) {
    try {
        action();
        ADD_FAILURE() << "no ProgramError for " << source.toStdString();
    } catch (const ProgramError& error) {
        EXPECT_EQ(error.number, number);
        EXPECT_EQ(error.description, description);
        EXPECT_EQ(error.source, source);
    }
}

TEST(FileIo, WrittenBytesReadBackUnchanged) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"data ř.bin"_s);
    WriteFileAtomically(path, AllByteValues());
    EXPECT_EQ(ReadWholeFile(path), AllByteValues());
    WriteFileAtomically(path, QByteArray());
    EXPECT_EQ(ReadWholeFile(path), QByteArray());
}

TEST(FileIo, OverwritingLeavesNeitherAnOldTailNorATemporaryFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"tarvel.ini"_s);
    WriteRaw(path, QByteArray(200, 'x') + "tajne heslo");
    WriteFileAtomically(path, "krátký záznam");
    EXPECT_EQ(ReadWholeFile(path), QByteArray("krátký záznam"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"tarvel.ini"_s});
}

TEST(FileIo, FailuresThrowNamingTheFile) {
    QTemporaryDir dir;
    const QString missingFolder = dir.filePath(u"chybí/tarvel.ini"_s);
    ExpectError([&] { WriteFileAtomically(missingFolder, "abc"); }, FileAccessErrorNumber,
                u"Soubor nelze zapsat: "_s + missingFolder, missingFolder);
    const QString folder = dir.filePath(u"složka"_s);
    ASSERT_TRUE(QDir().mkdir(folder));
    ExpectError([&] { WriteFileAtomically(folder, "abc"); }, FileAccessErrorNumber,
                u"Soubor nelze zapsat: "_s + folder, folder);
    EXPECT_TRUE(QFileInfo(folder).isDir());

    const QString missing = dir.filePath(u"nic.txt"_s);
    ExpectError([&] { (void)ReadWholeFile(missing); }, FileNotFoundErrorNumber,
                u"Soubor nenalezen: "_s + missing, missing);
    ExpectError([&] { (void)ReadWholeFile(folder); }, FileAccessErrorNumber,
                u"Soubor nelze číst: "_s + folder, folder);
}

TEST(FileIo, APipeOrADeviceIsRefusedInsteadOfReadWithoutEnd) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath(u"roura"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ExpectError([&] { (void)ReadWholeFile(pipe); }, FileAccessErrorNumber,
                u"Soubor nelze číst: "_s + pipe, pipe);
    ExpectError([&] { (void)ReadWholeFile(u"/dev/zero"_s); }, FileAccessErrorNumber,
                u"Soubor nelze číst: /dev/zero"_s, u"/dev/zero"_s);
}

TEST(FileIo, PermissionFailuresThrowAndKeepTheOldFile) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root ignores permissions";
    QTemporaryDir dir;
    const QString path = dir.filePath(u"tajné.txt"_s);
    WriteRaw(path, "old");
    const auto owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    ExpectError([&] { WriteFileAtomically(path, "new"); }, FileAccessErrorNumber,
                u"Soubor nelze zapsat: "_s + path, path);
    ASSERT_TRUE(QFile::setPermissions(dir.path(), owner));
    EXPECT_EQ(ReadWholeFile(path), QByteArray("old"));

    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::WriteOwner));
    ExpectError([&] { (void)ReadWholeFile(path); }, FileAccessErrorNumber,
                u"Soubor nelze číst: "_s + path, path);
}

} // namespace

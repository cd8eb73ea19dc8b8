#include "core/files/file_io.h"

#include "core/files/file_size_limit.h"
#include "core/files/replacing_file.h"
#include "core/plain_user.h"
#include "core/text/program_error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <filesystem>
#include <functional>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString NotRegular = u"Není obyčejný soubor (je to složka, roura nebo zařízení): "_s;

[[nodiscard]] ino_t InodeOf(const QString& path) {
    struct stat status {};
    return stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
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
                u"Složka neexistuje, soubor nelze zapsat: "_s + missingFolder, missingFolder);
    const QString folder = dir.filePath(u"složka"_s);
    ASSERT_TRUE(QDir().mkdir(folder));
    ExpectError([&] { WriteFileAtomically(folder, "abc"); }, FileAccessErrorNumber,
                NotRegular + folder, folder);
    EXPECT_TRUE(QFileInfo(folder).isDir());

    const QString missing = dir.filePath(u"nic.txt"_s);
    ExpectError([&] { (void)ReadWholeFile(missing); }, FileNotFoundErrorNumber,
                u"Soubor nenalezen: "_s + missing, missing);
    ExpectError([&] { (void)ReadWholeFile(folder); }, FileAccessErrorNumber, NotRegular + folder,
                folder);
}

TEST(FileIo, APipeOrADeviceIsRefusedInsteadOfReadWithoutEnd) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath(u"roura"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ExpectError([&] { (void)ReadWholeFile(pipe); }, FileAccessErrorNumber, NotRegular + pipe, pipe);
    ExpectError([&] { (void)ReadWholeFile(u"/dev/zero"_s); }, FileAccessErrorNumber,
                NotRegular + u"/dev/zero"_s, u"/dev/zero"_s);
}

// Where the user may write decides how a save goes: beside the file a
// temporary copy is written and renamed over it; a folder that takes no new
// files still lets a writable file be written in place; a file that may not
// be written is left whole.
TEST(FileIo, SavingFollowsTheUsersRightsToTheFolderAndTheFile) {
    using P = QFileDevice;
    const auto readOnly = P::ReadOwner | P::ReadGroup | P::ReadOther;
    const auto writable = readOnly | P::WriteOwner | P::WriteGroup | P::WriteOther;
    const auto folderOf = [](QFileDevice::Permissions files) {
        return files | P::ExeOwner | P::ExeGroup | P::ExeOther;
    };
    struct Case {
        const char* name;
        QFileDevice::Permissions folder;
        std::optional<QFileDevice::Permissions> file; // none: no file yet
        bool written;
        bool replaced; // a new file took the old one's name
    };
    const Case cases[] = {
        {"writable file, writable folder", folderOf(writable), writable, true, true},
        {"writable file, closed folder", folderOf(readOnly), writable, true, false},
        {"read-only file, writable folder", folderOf(writable), readOnly, false, false},
        {"read-only file, closed folder", folderOf(readOnly), readOnly, false, false},
        {"new file, writable folder", folderOf(writable), std::nullopt, true, true},
        {"new file, closed folder", folderOf(readOnly), std::nullopt, false, false},
    };
    const QByteArray old = "starý obsah, delší než nový";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ASSERT_TRUE(OpenToEveryone(dir.path()));
        const QString folder = dir.filePath(u"složka"_s);
        ASSERT_TRUE(QDir().mkdir(folder));
        const QString path = folder + u"/dopis.txt"_s;
        if (c.file) {
            WriteRaw(path, old);
            ASSERT_TRUE(QFile::setPermissions(path, *c.file));
        }
        const ino_t before = c.file ? InodeOf(path) : 0;
        ASSERT_TRUE(QFile::setPermissions(folder, c.folder));

        const int outcome = AsPlainUser([&path] {
            try {
                WriteFileAtomically(path, "nový");
                return 0;
            } catch (const ProgramError& error) {
                const bool told = error.number == FileAccessErrorNumber &&
                                  error.description ==
                                      u"Chybí oprávnění k zápisu, soubor nelze zapsat: "_s + path &&
                                  error.source == path;
                return told ? 1 : 2;
            }
        });
        ASSERT_TRUE(QFile::setPermissions(folder, folderOf(writable)));
        ASSERT_EQ(outcome, c.written ? 0 : 1);
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                  c.file || c.written ? QStringList{u"dopis.txt"_s} : QStringList{});
        if (c.file || c.written) {
            EXPECT_EQ(ReadWholeFile(path), c.written ? QByteArray("nový") : old);
        }
        const bool replaced = c.file ? InodeOf(path) != before : c.written;
        EXPECT_EQ(replaced, c.replaced);
    }
}

// Written in place, a file keeps its bytes when the disk has no room for the
// new ones: the room is asked for before they are written.
TEST(FileIo, AFileWrittenInPlaceKeepsItsBytesWhenTheDiskRefusesTheRoom) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"dopis.txt"_s);
    WriteRaw(path, "starý obsah");
    using P = QFileDevice;
    ASSERT_TRUE(QFile::setPermissions(path, P::ReadOwner | P::WriteOwner | P::WriteOther));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), P::ReadOwner | P::ExeOwner | P::ExeOther));
    const int outcome = AsPlainUser([&path] {
        const FileSizeLimit limit(100);
        try {
            WriteFileAtomically(path, QByteArray(1000, 'n'));
        } catch (const ProgramError& error) {
            return int(error.description ==
                       u"Tak velký soubor disk nepřijme, soubor nelze zapsat: "_s + path);
        }
        return 2;
    });
    ASSERT_TRUE(OpenToEveryone(dir.path()));
    EXPECT_EQ(outcome, 1);
    EXPECT_EQ(ReadWholeFile(path), QByteArray("starý obsah"));
}

// The names in a folder as the system keeps them, bytes that are no UTF-8 too.
[[nodiscard]] QList<QByteArray> NamesIn(const QString& folder) {
    QList<QByteArray> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.toStdString()))
        names.append(QByteArray::fromStdString(entry.path().filename().native()));
    return names;
}

// Any name the folder takes is saved, through a temporary name no longer than
// the folder takes and with no letter cut in half.
TEST(FileIo, ANameAsLongAsTheFolderTakesIsSaved) {
    const QByteArray names[] = {
        QByteArray(255, 'a'),
        // Letters of two and of four bytes where the mark would split one.
        "a" + u"ř"_s.repeated(127).toUtf8(),
        "a" + QByteArray("\xf0\x9f\x98\x80").repeated(62) + "€€",
        QByteArray(255, '\xa9'), // no UTF-8, reached through a link
        QByteArray(256, 'a'),    // too long for the folder itself
    };
    for (const QByteArray& name : names) {
        SCOPED_TRACE(name.toPercentEncoding().toStdString());
        QTemporaryDir dir;
        const bool valid = QString::fromUtf8(name).toUtf8() == name;
        const QString path = dir.filePath(valid ? QString::fromUtf8(name) : u"odkaz"_s);
        if (!valid) {
            ASSERT_EQ(::symlink(name.constData(), QFile::encodeName(path).constData()), 0);
        }
        ReplacingFile file(path);
        if (name.size() > NAME_MAX) {
            EXPECT_FALSE(file.open());
            EXPECT_EQ(FileWriteReason(file.error()), u"Jméno souboru je příliš dlouhé"_s);
            continue;
        }
        ASSERT_TRUE(file.open() && file.write("nový"));
        for (const QByteArray& written : NamesIn(dir.path())) {
            EXPECT_LE(written.size(), NAME_MAX);
            EXPECT_EQ(QString::fromUtf8(written).toUtf8() == written, valid || written == "odkaz");
        }
        ASSERT_TRUE(file.commit());
        EXPECT_EQ(NamesIn(dir.path()).size(), valid ? 1 : 2) << "the link stays beside its file";
        EXPECT_EQ(ReadWholeFile(path), QByteArray("nový"));
    }
}

TEST(FileIo, AFileTheUserMayNotReadThrows) {
    QTemporaryDir dir;
    ASSERT_TRUE(OpenToEveryone(dir.path()));
    const QString path = dir.filePath(u"tajné.txt"_s);
    WriteRaw(path, "tajné");
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::WriteOwner));
    const int outcome = AsPlainUser([&path] {
        try {
            (void)ReadWholeFile(path);
            return 0;
        } catch (const ProgramError& error) {
            return error.description == u"Soubor nelze číst: "_s + path ? 1 : 2;
        }
    });
    EXPECT_EQ(outcome, 1);
}

} // namespace

#include "core/files/file_information.h"

#include "core/plain_user.h"
#include "core/text/program_error.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QLocale Czech(QLocale::Czech);

class FileDetails : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) const {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir folder;
};

TEST_F(FileDetails, PreviewsUpToOneByteBelowTheLimitAndDescribesLongerFiles) {
    const QString small = write(u"small.txt"_s, QByteArray(PreviewLimit - 1, 'a'));
    EXPECT_EQ(FilePreviewText(small, Czech), QString(PreviewLimit - 1, u'a'));

    const QString limit = write(u"limit.txt"_s, QByteArray(PreviewLimit, 'a'));
    EXPECT_EQ(FilePreviewText(limit, Czech),
              u"Není:\r\n(Pro náhled nelze otevřít soubor delší než 31,25Kb, soubor limit.txt má "
              "délku 31,25Kb)"_s);
}

TEST_F(FileDetails, RefusalTellsSizesBeyondFourGigabytes) {
    EXPECT_EQ(PreviewRefusal(u"disk.img"_s, qint64(5) << 30, Czech),
              u"Není:\r\n(Pro náhled nelze otevřít soubor delší než 31,25Kb, soubor disk.img má "
              "délku 5Gb)"_s);
    EXPECT_EQ(PreviewRefusal(u"big.bin"_s, 3758096384, Czech),
              u"Není:\r\n(Pro náhled nelze otevřít soubor delší než 31,25Kb, soubor big.bin má "
              "délku 3,5Gb)"_s);
}

TEST_F(FileDetails, BinaryPreviewKeepsEveryByteThroughTheCodePage) {
    const QByteArray bytes("A\0B\r\n\x9a\x1a"
                           "C",
                           8);
    const QString path = write(u"data.bin"_s, bytes);
    const QString expected = u"A"_s + QChar(0) + u"B\r\nš"_s + QChar(0x1a) + u"C"_s;
    EXPECT_EQ(FilePreviewText(path, Czech), expected);
}

TEST_F(FileDetails, MissingOrSpecialFilesThrow) {
    EXPECT_THROW((void)FilePreviewText(folder.filePath(u"none"_s)), ProgramError);
    EXPECT_THROW((void)FilePreviewText(folder.path()), ProgramError);
    EXPECT_THROW((void)FileInformationOf(QFileInfo(folder.filePath(u"none"_s))), ProgramError);
    EXPECT_THROW((void)FilePropertyRows(QFileInfo(folder.filePath(u"none"_s))), ProgramError);
}

TEST_F(FileDetails, InformationPageTexts) {
    const QString path = write(u"archive.tar.gz"_s, QByteArray(1100, 'x'));
    const QDateTime when(QDate(2026, 12, 9), QTime(7, 5, 3));
    QFile stamped(path);
    ASSERT_TRUE(stamped.open(QIODevice::ReadWrite));
    ASSERT_TRUE(stamped.setFileTime(when, QFileDevice::FileModificationTime));
    stamped.close();

    const FileInformation information = FileInformationOf(QFileInfo(path), Czech);
    EXPECT_EQ(information.type, u"TAR.GZ"_s);
    EXPECT_EQ(information.size, u"1,07Kb"_s);
    EXPECT_EQ(information.modified, FileDateTimeText(when, Czech));
    EXPECT_EQ(information.attributes, FileAttributes{});

    ASSERT_TRUE(OpenToEveryone(folder.path()));
    const QString hidden = write(u".notes"_s, "n");
    ASSERT_TRUE(QFile::setPermissions(hidden, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                  QFileDevice::ReadOther));
    const int readOnlyHidden = AsPlainUser([&] {
        const FileAttributes attributes = FileInformationOf(QFileInfo(hidden)).attributes;
        return attributes.readOnly && attributes.hidden && !attributes.system ? 0 : 1;
    });
    if (readOnlyHidden >= 0) {
        EXPECT_EQ(readOnlyHidden, 0);
    }
}

TEST(FileDateTime, ShortDateAndTwentyFourHourTime) {
    const QDateTime when(QDate(2026, 3, 4), QTime(17, 8, 9));
    EXPECT_EQ(FileDateTimeText(when, Czech), u"04.03.26 17:08:09"_s);
}

TEST(FilePermissions, OwnerGroupOthers) {
    using P = QFileDevice;
    EXPECT_EQ(PermissionText(P::ReadOwner | P::WriteOwner | P::ReadGroup | P::ReadOther),
              u"rw-r--r--"_s);
    EXPECT_EQ(
        PermissionText(P::ReadOwner | P::WriteOwner | P::ExeOwner | P::ReadGroup | P::ExeGroup),
        u"rwxr-x---"_s);
    EXPECT_EQ(PermissionText({}), u"---------"_s);
    EXPECT_EQ(PermissionText(P::WriteOther), u"-------w-"_s);
}

TEST_F(FileDetails, PropertyRowsNameTheFile) {
    const QString path = write(u"README"_s, QByteArray(2048, 'x'));
    const QList<FilePropertyRow> rows = FilePropertyRows(QFileInfo(path), Czech);
    ASSERT_EQ(rows.size(), 8);
    EXPECT_EQ(rows[0], (FilePropertyRow{u"Název:"_s, u"README"_s}));
    EXPECT_EQ(rows[1],
              (FilePropertyRow{u"Umístění:"_s, QFileInfo(folder.path()).absoluteFilePath()}));
    EXPECT_EQ(rows[2], (FilePropertyRow{u"Typ:"_s, u"soubor"_s}));
    EXPECT_EQ(rows[3], (FilePropertyRow{u"Velikost:"_s, u"2Kb (2048 bajtů)"_s}));
    EXPECT_EQ(rows[5].label, u"Práva:"_s);
    EXPECT_EQ(rows[5].value, PermissionText(QFileInfo(path).permissions()));
}

} // namespace

#include "core/utilities/line_ends.h"

#include "core/plain_user.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

TEST(LineEnds, ConvertedBytes) {
    const struct {
        QByteArray input;
        QByteArray toUnix;
        QByteArray toDos;
    } cases[] = {
        {"a\r\nb", "a\nb\n", "a\r\r\nb\r\n"},
        {"a\nb", "a\nb\n", "a\r\nb\r\n"},
        // An LF alone belongs to its line for the line reader.
        {"a\nb\nc\n", "a\nb\nc\n\n", "a\r\nb\r\nc\r\n"},
        {"", "", ""},
        {"a\rb", "a\nb\n", "a\rb\r\n"},
        {"\r", "\n", "\r\r\n"},
        {"\n", "\n\n", "\r\n"},
        {"a\r\n", "a\n", "a\r\r\n"},
        {"a\r\n\r\n", "a\n\n", "a\r\r\n\r\r\n"},
        {"a\r\r\nb", "a\n\nb\n", "a\r\r\r\nb\r\n"},
        {QByteArray("x\0\xff\r\ny", 6), QByteArray("x\0\xff\ny\n", 6),
         QByteArray("x\0\xff\r\r\ny\r\n", 9)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToUnixLineEnds(c.input), c.toUnix) << c.input.toStdString();
        EXPECT_EQ(ToDosLineEnds(c.input), c.toDos) << c.input.toStdString();
    }
}

QByteArray PieceWise(const QByteArray& input, LineEndForm form, qsizetype pieceSize) {
    LineEndConverter converter(form);
    QByteArray out;
    for (qsizetype start = 0; start < input.size(); start += pieceSize)
        converter.convert(input.mid(start, pieceSize), out);
    converter.finish(out);
    return out;
}

// Every input of up to seven bytes of "a", CR and LF, so that every kind of
// line end falls on every piece border, in pieces of every size.
TEST(LineEnds, PiecesConvertAsTheWholeFile) {
    QList<QByteArray> inputs{QByteArray()};
    for (qsizetype from = 0; inputs.size() < 3280; ++from)
        for (const char byte : {'a', '\r', '\n'})
            inputs.append(inputs.at(from) + byte);
    for (const QByteArray& input : inputs)
        for (qsizetype pieceSize = 1; pieceSize <= 8; ++pieceSize) {
            EXPECT_EQ(PieceWise(input, LineEndForm::Unix, pieceSize), ToUnixLineEnds(input))
                << input.toPercentEncoding().toStdString() << " in pieces of " << pieceSize;
            EXPECT_EQ(PieceWise(input, LineEndForm::Dos, pieceSize), ToDosLineEnds(input))
                << input.toPercentEncoding().toStdString() << " in pieces of " << pieceSize;
        }
}

// The copy is named from the file's own name; its folder stays.
TEST(LineEnds, ConvertedFileNames) {
    const struct {
        const char16_t* path;
        const char16_t* toUnix;
        const char16_t* toDos;
    } cases[] = {
        {u"/texty/pokus.txt", u"/texty/pokus.unx", u"/texty/pokus.dos"},
        {u"/moje.data/a.txt", u"/moje.data/a.unx", u"/moje.data/a.dos"},
        {u"/moje.data/README", u"/moje.data/README.unx", u"/moje.data/README.dos"},
        {u"/texty/archiv.tar.gz", u"/texty/archiv.unx", u"/texty/archiv.dos"},
        {u"/texty/.profile", u"/texty/.profile.unx", u"/texty/.profile.dos"},
        {u"pokus.txt", u"pokus.unx", u"pokus.dos"},
        {u"/texty/pokus.unx", u"/texty/pokus.unx", u"/texty/pokus.dos"},
    };
    for (const auto& c : cases) {
        const QString path = QString::fromUtf16(c.path);
        EXPECT_EQ(ConvertedFilePath(path, LineEndForm::Unix), QString::fromUtf16(c.toUnix));
        EXPECT_EQ(ConvertedFilePath(path, LineEndForm::Dos), QString::fromUtf16(c.toDos));
    }
}

class LineEndFiles : public ::testing::Test {
protected:
    [[nodiscard]] QString write(const QString& name, const QByteArray& bytes) const {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    [[nodiscard]] static QByteArray read(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return file.readAll();
    }
    QTemporaryDir folder;
};

TEST_F(LineEndFiles, WritesTheCopyAndLeavesTheInput) {
    const QString path = write(u"pokus.txt"_s, "a\r\nb\r\nc");
    const FileConversion toUnix = ConvertFileLineEnds(path, LineEndForm::Unix);
    EXPECT_EQ(toUnix.outcome, ConversionOutcome::Written);
    EXPECT_EQ(toUnix.outputPath, folder.filePath(u"pokus.unx"_s));
    EXPECT_EQ(read(toUnix.outputPath), "a\nb\nc\n");
    EXPECT_EQ(read(path), "a\r\nb\r\nc");

    // In pieces of two bytes the first CR LF is cut in half; progress is told
    // after every piece.
    QList<std::pair<qint64, qint64>> told;
    const auto tell = [&told](qint64 done, qint64 total) {
        told.append({done, total});
        return true;
    };
    EXPECT_EQ(ConvertFileLineEnds(path, LineEndForm::Unix, tell, 2).outcome,
              ConversionOutcome::Written);
    EXPECT_EQ(read(toUnix.outputPath), "a\nb\nc\n");
    EXPECT_EQ(told, (QList<std::pair<qint64, qint64>>{{2, 7}, {4, 7}, {6, 7}, {7, 7}}));

    // A second run from a shorter input leaves only its own result.
    (void)write(u"pokus.txt"_s, "x");
    EXPECT_EQ(ConvertFileLineEnds(path, LineEndForm::Unix).outcome, ConversionOutcome::Written);
    EXPECT_EQ(read(toUnix.outputPath), "x\n");

    const FileConversion toDos = ConvertFileLineEnds(write(u"e.txt"_s, ""), LineEndForm::Dos);
    EXPECT_EQ(toDos.outcome, ConversionOutcome::Written);
    EXPECT_TRUE(QFile::exists(toDos.outputPath));
    EXPECT_EQ(read(toDos.outputPath), "");
}

TEST_F(LineEndFiles, RefusesAndReportsWithoutHarm) {
    // The copy would be the input itself.
    const QString same = write(u"hotovo.unx"_s, "a\r\nb");
    const FileConversion refused = ConvertFileLineEnds(same, LineEndForm::Unix);
    EXPECT_EQ(refused.outcome, ConversionOutcome::SameAsInput);
    EXPECT_EQ(read(same), "a\r\nb");
    EXPECT_EQ(ConvertFileLineEnds(same, LineEndForm::Dos).outcome, ConversionOutcome::Written);

    const FileConversion missing =
        ConvertFileLineEnds(folder.filePath(u"smazany.txt"_s), LineEndForm::Dos);
    EXPECT_EQ(missing.outcome, ConversionOutcome::CannotRead);
    EXPECT_FALSE(missing.error.isEmpty());
    EXPECT_FALSE(QFile::exists(missing.outputPath));

    // A folder of the copy's name cannot be written over.
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"blok.dos"_s));
    const FileConversion blocked =
        ConvertFileLineEnds(write(u"blok.txt"_s, "a\nb"), LineEndForm::Dos);
    EXPECT_EQ(blocked.outcome, ConversionOutcome::CannotWrite);
    EXPECT_FALSE(blocked.error.isEmpty());

    // A folder that takes no new files keeps the old copy whole rather than
    // see it written over piece by piece.
    const QString old = write(u"blok.unx"_s, "starý převod");
    ASSERT_TRUE(QFile::setPermissions(old, QFileDevice::ReadOther | QFileDevice::WriteOther));
    ASSERT_TRUE(
        QFile::setPermissions(folder.path(), QFileDevice::ExeOwner | QFileDevice::ExeOther));
    const int outcome = AsPlainUser([this] {
        const FileConversion kept =
            ConvertFileLineEnds(folder.filePath(u"blok.txt"_s), LineEndForm::Unix);
        return int(kept.outcome == ConversionOutcome::CannotWrite &&
                   kept.error == u"Chybí oprávnění k zápisu"_s);
    });
    ASSERT_TRUE(OpenToEveryone(folder.path()));
    EXPECT_EQ(outcome, 1);
    EXPECT_EQ(read(old), "starý převod");
}

} // namespace

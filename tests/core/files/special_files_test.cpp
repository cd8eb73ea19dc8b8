#include "core/files/file_information.h"
#include "core/files/file_io.h"
#include "core/text/program_error.h"
#include "core/utilities/line_ends.h"

#include "core/files/special_files.h"

#include <QDir>
#include <QTemporaryDir>

#include <functional>
#include <optional>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString NotRegular = u"Není obyčejný soubor (je to složka, roura nebo zařízení)"_s;

void WriteRaw(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QString ErrorOf(const std::function<void()>& action) {
    try {
        action();
        return u"no error"_s;
    } catch (const ProgramError& error) {
        return error.description;
    }
}

QString OutcomeOf(const FileConversion& conversion) {
    switch (conversion.outcome) {
    case ConversionOutcome::Written:
        return u"written"_s;
    case ConversionOutcome::SameAsInput:
        return u"same as input"_s;
    case ConversionOutcome::CannotRead:
        return u"cannot read: "_s + conversion.error;
    case ConversionOutcome::CannotWrite:
        return u"cannot write: "_s + conversion.error;
    case ConversionOutcome::Stopped:
        return u"stopped"_s;
    }
    return {};
}

// Each reader and writer of a file the user names, given a pipe and a
// device, answers at once with its refusal and leaves the file as it was.
TEST(SpecialFiles, EveryReaderAndWriterRefusesAPipeOrADevice) {
    struct Reader {
        const char* name;
        // The special file's name; a writer of a device is left out, since
        // a fault there would replace the device itself.
        QString fileName;
        bool writes;
        std::function<QString(const QString& special)> answer;
        std::function<QString(const QString& special)> expected;
    };
    const Reader readers[] = {
        {"preview", u"b.txt"_s, false,
         [](const QString& special) { return ErrorOf([&] { (void)FilePreviewText(special); }); },
         [](const QString& special) {
             return u"Soubor %1 nelze přečíst: %2"_s.arg(special, NotRegular);
         }},
        {"line ends of the file", u"c.txt"_s, false,
         [](const QString& special) {
             return OutcomeOf(ConvertFileLineEnds(special, LineEndForm::Dos));
         },
         [](const QString&) { return u"cannot read: "_s + NotRegular; }},
        {"line ends into the copy", u"e.unx"_s, true,
         [](const QString& special) {
             const QString input = special.chopped(3) + u"txt"_s;
             WriteRaw(input, "a\r\nb");
             return OutcomeOf(ConvertFileLineEnds(input, LineEndForm::Unix));
         },
         [](const QString&) { return u"cannot write: "_s + NotRegular; }},
        {"save", u"f.txt"_s, true,
         [](const QString& special) {
             return ErrorOf([&] { WriteFileAtomically(special, "abc"); });
         },
         [](const QString& special) { return NotRegular + u": "_s + special; }},
    };
    for (const SpecialFile kind : {SpecialFile::Pipe, SpecialFile::Device}) {
        for (const Reader& reader : readers) {
            if (reader.writes && kind == SpecialFile::Device)
                continue;
            SCOPED_TRACE(std::string(reader.name) + " of a " + NameOf(kind));
            QTemporaryDir dir;
            const QString special = dir.filePath(reader.fileName);
            ASSERT_TRUE(MakeSpecialFile(special, kind));
            QString answer;
            RunGuarded(special, kind, [&] { answer = reader.answer(special); });
            EXPECT_EQ(answer.toStdString(), reader.expected(special).toStdString());
            EXPECT_TRUE(IsStillSpecial(special, kind));
        }
    }
}

// A read takes a regular file, through links too, and never more bytes than
// the caller can use.
TEST(FileRead, TakesRegularFilesUpToTheCallersLimit) {
    QTemporaryDir dir;
    const QString file = dir.filePath(u"pět.txt"_s);
    WriteRaw(file, "12345");
    const QString link = dir.filePath(u"odkaz.txt"_s);
    ASSERT_TRUE(QFile::link(file, link));
    const QString folder = dir.filePath(u"složka"_s);
    ASSERT_TRUE(QDir().mkdir(folder));
    struct Case {
        const char* name;
        QString path;
        qint64 limit;
        bool start; // only the first limit bytes are wanted
        FileReadFailure failure;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"no limit", file, AnyFileSize, false, FileReadFailure::None, "12345"},
        {"at the limit", file, 5, false, FileReadFailure::None, "12345"},
        {"past the limit", file, 4, false, FileReadFailure::TooLarge, {}},
        {"start of a longer file", file, 3, true, FileReadFailure::None, "123"},
        {"start longer than the file", file, 9, true, FileReadFailure::None, "12345"},
        {"link to a file", link, 5, false, FileReadFailure::None, "12345"},
        {"missing", dir.filePath(u"není.txt"_s), 5, false, FileReadFailure::Missing, {}},
        {"folder", folder, 5, true, FileReadFailure::NotRegular, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FileRead read =
            c.start ? ReadFileStart(c.path, c.limit) : ReadRegularFile(c.path, c.limit);
        EXPECT_EQ(read.failure, c.failure);
        EXPECT_EQ(read.bytes, c.bytes);
    }
}

} // namespace

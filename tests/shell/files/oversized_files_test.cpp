// Files too long for what reads them are refused by their length before
// anything is read or copied, and the documents stay as they were.
#include "core/files/file_io.h"
#include "core/files/path_helpers.h"
#include "core/text/ansi_code_page.h"
#include "shell/main_form_test.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

// The largest copy "Testuj html" hands the desktop's browser.
constexpr qint64 LargestPageCopy = LargestDocumentSize;

class OversizedFiles : public MainFormTest {
protected:
    OversizedFiles() : m_oldTemp(qgetenv("TMPDIR")) {
        QDir().mkdir(tempFolder());
        qputenv("TMPDIR", QFile::encodeName(tempFolder()));
    }
    ~OversizedFiles() override { qputenv("TMPDIR", m_oldTemp); }

    [[nodiscard]] QString tempFolder() const { return folder.filePath(u"temp"_s); }
    [[nodiscard]] QStringList tempFiles() const {
        return QDir(tempFolder()).entryList(QDir::Files);
    }
    // Lines of text, or, past any limit, a sparse file that takes no room.
    [[nodiscard]] QString fileOf(const QString& name, qint64 size, bool sparse) const {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        if (sparse) {
            EXPECT_TRUE(file.resize(size)) << "no sparse files here";
            return path;
        }
        QByteArray bytes =
            EncodeAnsi(u"Žluťoučký kůň úpěl ďábelské ódy\r\n"_s).repeated(int(size / 30 + 1));
        bytes.truncate(qsizetype(size));
        file.write(bytes);
        return path;
    }

private:
    QByteArray m_oldTemp;
};

enum class Reader { InsertFromFile, PreviewOfSavedFile };

TEST_F(OversizedFiles, ReadersTakeFilesUpToTheirLimitAndRefuseLongerOnesAtOnce) {
    const QString document = u"před VYBER za"_s;
    // The selection gives way to the inserted file.
    const qint64 kept = document.size() - 5;
    const qint64 room = LargestDocumentSize - kept;
    const qint64 twoGb = qint64{1} << 31;
    const struct {
        Reader reader;
        qint64 size;
        bool taken;
    } cases[] = {
        {Reader::InsertFromFile, twoGb, false},
        {Reader::InsertFromFile, room, true},
        {Reader::InsertFromFile, room + 1, false},
        {Reader::PreviewOfSavedFile, twoGb, false},
        {Reader::PreviewOfSavedFile, LargestPageCopy, true},
        {Reader::PreviewOfSavedFile, LargestPageCopy + 1, false},
    };
    for (const auto& c : cases) {
        const bool inserting = c.reader == Reader::InsertFromFile;
        const std::string name = (inserting ? "insert " : "preview ") + std::to_string(c.size);
        platform.messageBox.shown.clear();
        platform.desktop.opened.clear();
        const QString path = fileOf(u"soubor %1.txt"_s.arg(c.size), c.size, !c.taken);
        surface().setText(document);
        surface().setSelStart(5);
        surface().setSelLength(5);
        form.documents().setCaption(QString(), false);
        Program().CurrentFilePath = inserting ? QString() : path;
        if (inserting) {
            platform.fileDialogs.openAnswers << path;
            run(MenuId::mnuzesouboru);
        } else {
            platform.messageBox.queue(MessageBoxAnswer::Yes);
            run(MenuId::mnutest);
        }
        const QString fileSize = FormatFileSize(c.size);
        if (!c.taken) {
            const QString refusal =
                inserting
                    ? u"Soubor %1 (%2) nelze vložit: dokument by pak měl %3 znaků, smí jich však "
                      "mít nejvýš 1442401, jinak by ho již nešlo otevřít."_s.arg(
                          path, fileSize, QString::number(kept + c.size))
                    : u"Uloženou verzi nelze zobrazit: soubor %1 má %2 bajtů (%3), prohlížeči "
                      "lze jako stránku předat nejvýš 1442401 bajtů."_s.arg(
                          path, QString::number(c.size), fileSize);
            ASSERT_FALSE(platform.messageBox.shown.isEmpty()) << name;
            EXPECT_EQ(platform.messageBox.shown.back().request.text, refusal) << name;
            EXPECT_EQ(surface().text(), document) << name;
            EXPECT_FALSE(form.documents().captionModified()) << name;
            EXPECT_TRUE(platform.desktop.opened.isEmpty()) << name;
            EXPECT_EQ(tempFiles(), QStringList()) << name;
        } else if (inserting) {
            EXPECT_TRUE(platform.messageBox.shown.isEmpty()) << name;
            EXPECT_EQ(surface().textLength(), LargestDocumentSize) << name;
            EXPECT_EQ(EncodeAnsi(surface().text()),
                      EncodeAnsi(u"před "_s) + ReadWholeFile(path) + EncodeAnsi(u" za"_s))
                << name;
        } else {
            ASSERT_EQ(platform.desktop.opened.size(), 1) << name;
            EXPECT_EQ(ReadWholeFile(platform.desktop.opened.front()), ReadWholeFile(path)) << name;
            EXPECT_EQ(tempFiles().size(), 1) << name;
            QFile::remove(platform.desktop.opened.front());
        }
        QFile::remove(path);
    }
}

} // namespace

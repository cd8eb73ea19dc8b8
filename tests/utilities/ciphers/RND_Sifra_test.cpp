#include "utilities/ciphers/RND_Sifra.h"

#include "core/files/file_io.h"
#include "core/text/string_functions.h"
#include "core/utilities/cipher_table_file.h"
#include "shell/files/document_files.h"
#include "utilities/ciphers/cipher_window_test.h"

#include <QListWidget>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

class RndSifraTest : public CipherWindowTest {
protected:
    RndSifraTest() : window(open<RND_Sifra>(MenuId::mnu_rnd_encrypt)) {}

    // The names of the enabled buttons, in the window's order.
    [[nodiscard]] QStringList enabledButtons() const {
        QStringList names;
        for (const QPushButton* button : window.findChildren<QPushButton*>()) {
            if (button->isEnabled())
                names << button->objectName();
        }
        names.sort();
        return names;
    }
    [[nodiscard]] QStringList listed(const char* list) const {
        QStringList lines;
        const auto* box = control<QListWidget>(window, list);
        for (int row = 0; row < box->count(); ++row)
            lines << box->item(row)->text();
        return lines;
    }
    [[nodiscard]] QString statistics() const { return control<QLabel>(window, "Label6")->text(); }
    [[nodiscard]] QString path(const QString& name) const { return folder.filePath(name); }

    RND_Sifra& window;
    QScrollBar* depth = control<QScrollBar>(window, "HScroll1");
    QLineEdit* note = control<QLineEdit>(window, "Text2");
    QTemporaryDir folder;
};

const QStringList WithoutTable = {u"Command1"_s, u"Command2"_s, u"Command3"_s, u"Command7"_s};
const QStringList AllButtons = {u"Command1"_s, u"Command2"_s, u"Command3"_s,
                                u"Command4"_s, u"Command5"_s, u"Command6"_s,
                                u"Command7"_s, u"Command8"_s, u"Command9"_s};

TEST_F(RndSifraTest, EnciphersThePreparedTextIntoCapitalsAndBack) {
    EXPECT_EQ(window.windowTitle(), u"RND Šifra"_s);
    EXPECT_EQ(enabledButtons(), WithoutTable);
    EXPECT_EQ(control<QLabel>(window, "Label9")->text(), u"8"_s);

    setDocument(u"Ahoj, světe!\r\nNa shledanou\n"_s);
    QTest::keyClick(&window, Qt::Key_Return);
    const QString prepared = u"AHOJ SVETE\r\nNA SHLEDANOU\n"_s;
    EXPECT_EQ(control<QPlainTextEdit>(window, "Text1")->toPlainText(),
              u"AHOJ SVETE\nNA SHLEDANOU\n"_s);
    EXPECT_TRUE(control<QPlainTextEdit>(window, "Text1")->isReadOnly());

    depth->setValue(12);
    EXPECT_EQ(control<QLabel>(window, "Label9")->text(), u"12"_s);
    click(window, "Command2");
    EXPECT_EQ(enabledButtons(), AllButtons);
    EXPECT_EQ(listed("List1"), CipherCodeLines(window.table()));
    EXPECT_EQ(listed("List1").front(), u"Hloubka: 12"_s);
    EXPECT_EQ(listed("List2"), LetterGroupLines(window.table()));
    EXPECT_EQ(statistics(), CipherStatistics(window.table(), 12));

    click(window, "Command5");
    EXPECT_EQ(form.panel(4)->text(), u"Aplikuji RND šifru ..."_s);
    EXPECT_EQ(document().size(), prepared.size() * 12);
    EXPECT_TRUE(QRegularExpression(u"^[A-Z]+$"_s).match(document()).hasMatch());
    click(window, "Command1");
    click(window, "Command6");
    EXPECT_EQ(form.panel(4)->text(), u"Odšifrovávám RND šifrou ..."_s);
    EXPECT_TRUE(busyWentOnAndOff());
    EXPECT_EQ(document(), prepared);
}

TEST_F(RndSifraTest, RegeneratingOneHalfKeepsTheOtherAndTheNote) {
    click(window, "Command2");
    QTest::keyClicks(note, u"Pro Janu"_s);
    const CipherTable first = window.table();
    EXPECT_EQ(first.Note, u"Pro Janu"_s);

    depth->setValue(20);
    click(window, "Command8");
    EXPECT_EQ(window.table().Depth, 20);
    EXPECT_EQ(listed("List1").front(), u"Hloubka: 20"_s);
    EXPECT_EQ(window.table().OneLetters, first.OneLetters);
    EXPECT_EQ(window.table().Note, u"Pro Janu"_s);
    // After a partial redraw the balance counts the first 8 bits of each code.
    EXPECT_EQ(statistics(), CipherStatistics(window.table(), 8));

    const CipherTable second = window.table();
    click(window, "Command9");
    EXPECT_EQ(window.table().Codes, second.Codes);
    EXPECT_EQ(listed("List2"), LetterGroupLines(window.table()));
    EXPECT_EQ(statistics(), CipherStatistics(window.table(), 8));
    EXPECT_EQ(note->text(), u"Pro Janu"_s);

    // A whole new table clears the note.
    click(window, "Command2");
    EXPECT_TRUE(note->text().isEmpty());
    EXPECT_TRUE(window.table().Note.isEmpty());
}

TEST_F(RndSifraTest, SavesAndLoadsTablesAndRefusesFilesThatHoldNone) {
    click(window, "Command2");
    note->setText(u"Žluťoučký"_s);
    const CipherTable saved = window.table();
    platform.fileDialogs.saveAnswers << path(u"tabulka.rqt"_s);
    click(window, "Command4");
    ASSERT_EQ(platform.fileDialogs.saveRequests.size(), 1);
    EXPECT_EQ(platform.fileDialogs.saveRequests.front().request.filter, CipherTableFilter);
    EXPECT_EQ(platform.fileDialogs.saveRequests.front().owner, &window);
    const QByteArray bytes = ReadWholeFile(path(u"tabulka.rqt"_s));
    EXPECT_EQ(bytes, EncodeCipherTable(saved));
    EXPECT_EQ(bytes.size(), 323 + 9);

    // Saving over a longer file leaves nothing of it behind.
    WriteFileAtomically(path(u"delsi.rqt"_s), QByteArray(1000, 'x'));
    platform.fileDialogs.saveAnswers << path(u"delsi.rqt"_s);
    click(window, "Command4");
    EXPECT_EQ(ReadWholeFile(path(u"delsi.rqt"_s)), bytes);

    depth->setValue(30);
    click(window, "Command2");
    ASSERT_NE(window.table(), saved);
    const CipherTable drawn = window.table();
    WriteFileAtomically(path(u"kratka.rqt"_s), bytes.left(200));
    platform.fileDialogs.openAnswers << QString() << path(u"kratka.rqt"_s)
                                     << path(u"tabulka.rqt"_s);
    click(window, "Command3");
    click(window, "Command3");
    EXPECT_EQ(window.table(), drawn);
    ASSERT_EQ(boxesShown().size(), 1);
    EXPECT_EQ(boxesShown().front().toStdString(),
              u"RND Šifra: Soubor %1 nelze načíst jako šifrovací tabulku.\r\nSoubor končí "
              "uprostřed kódu znaku U.\r\nTabulka zůstala beze změny."_s.arg(path(u"kratka.rqt"_s))
                  .toStdString());

    click(window, "Command3");
    EXPECT_EQ(window.table(), saved);
    EXPECT_EQ(note->text(), u"Žluťoučký"_s);
    EXPECT_EQ(listed("List1").front(), u"Hloubka: 8"_s);
    EXPECT_EQ(depth->value(), 30);
    EXPECT_EQ(statistics(), CipherStatistics(saved, 8));
}

TEST_F(RndSifraTest, ALoadedTableEnablesAFreshWindow) {
    CipherTable table;
    DrawCipherCodes(table, 64);
    DrawLetterGroups(table);
    WriteFileAtomically(path(u"t.rqt"_s), EncodeCipherTable(table));
    platform.fileDialogs.openAnswers << path(u"t.rqt"_s);
    click(window, "Command3");
    EXPECT_EQ(enabledButtons(), AllButtons);
    EXPECT_EQ(window.table(), table);
    // Only the first 8 bits of each code count after a load, even at depth 64.
    EXPECT_EQ(statistics(), CipherStatistics(table, 8));
}

TEST_F(RndSifraTest, OutputPastTheLargestDocumentIsRefused) {
    depth->setValue(64);
    click(window, "Command2");
    const QString plain(LargestDocumentSize / 64 + 1, u'A');
    setDocument(plain);
    click(window, "Command1");
    click(window, "Command5");
    EXPECT_EQ(document(), plain);
    ASSERT_EQ(boxesShown().size(), 1);
    EXPECT_TRUE(
        boxesShown().front().startsWith(u"RND Šifra: Zašifrovaný text by měl 1442432 znaků"_s))
        << boxesShown().front().toStdString();

    setDocument(QString(LargestDocumentSize / 64, u'A'));
    click(window, "Command1");
    click(window, "Command5");
    EXPECT_EQ(document().size(), LargestDocumentSize / 64 * 64);
    EXPECT_EQ(boxesShown().size(), 1);
}

} // namespace

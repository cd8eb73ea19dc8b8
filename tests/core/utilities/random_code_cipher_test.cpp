#include "core/utilities/random_code_cipher.h"

#include "core/text/string_functions.h"
#include "core/utilities/cipher_table_file.h"
#include "core/utilities/cipher_texts.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A table whose codes are the symbols' numbers in binary, so every output is known.
CipherTable CountingTable() {
    CipherTable table;
    table.Depth = 8;
    for (int index = 0; index < CipherSymbolCount; ++index)
        table.Codes.at(index) = u"%1"_s.arg(index + 1, 8, 2, QChar(u'0'));
    table.ZeroLetters = u"ABCDEFGHIJKLM"_s;
    table.OneLetters = u"NOPQRSTUVWXYZ"_s;
    return table;
}

CipherTable DrawnTable(int depth, RandomGenerator& draws) {
    CipherTable table;
    DrawCipherCodes(table, depth, draws);
    DrawLetterGroups(table, draws);
    return table;
}

TEST(RandomCodeCipher, GeneratedTablesHoldDistinctCodesOfTheirDepthAndSplitTheAlphabet) {
    RandomGenerator draws;
    for (int depth = SmallestCipherDepth; depth <= LargestCipherDepth; ++depth) {
        const CipherTable table = DrawnTable(depth, draws);
        EXPECT_EQ(table.Depth, depth);
        QSet<QString> codes;
        for (const QString& code : table.Codes) {
            EXPECT_TRUE(QRegularExpression(u"^[01]{%1}$"_s.arg(depth)).match(code).hasMatch())
                << code.toStdString();
            codes.insert(code);
        }
        EXPECT_EQ(codes.size(), CipherSymbolCount) << depth;
        // Each letter A to Z in exactly one of the two groups.
        QString letters = table.OneLetters + table.ZeroLetters;
        std::sort(letters.begin(), letters.end());
        EXPECT_EQ(letters, u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s) << depth;
        EXPECT_TRUE(DecodeCipherTable(EncodeCipherTable(table)).table.has_value()) << depth;
    }
}

// A drawing of the groups that would leave one of them empty is drawn again.
TEST(RandomCodeCipher, LetterGroupsAreNeverEmpty) {
    // After this seed the generator's first 26 bits are all 0.
    constexpr double AllZerosFirst = 53129721;
    RandomGenerator draws;
    draws.seed(AllZerosFirst);
    RandomGenerator peek = draws;
    for (int letter = 0; letter < 26; ++letter)
        ASSERT_LT(peek.draw(), 0.5);

    CipherTable table;
    DrawLetterGroups(table, draws);
    EXPECT_FALSE(table.OneLetters.isEmpty());
    EXPECT_FALSE(table.ZeroLetters.isEmpty());
    EXPECT_EQ(table.OneLetters.size() + table.ZeroLetters.size(), 26);
    // The second drawing, of the next 26 bits, is the one kept.
    for (int letter = 0; letter < 26; ++letter)
        (void)peek.draw();
    EXPECT_EQ(draws.draw(), peek.draw());
}

TEST(RandomCodeCipher, ListsShowTheDepthTheCodesAndTheGroups) {
    const CipherTable table = CountingTable();
    const QStringList codes = CipherCodeLines(table);
    ASSERT_EQ(codes.size(), 30);
    EXPECT_EQ(codes.at(0), u"Hloubka: 8"_s);
    EXPECT_EQ(codes.at(1), u"A       00000001"_s);
    EXPECT_EQ(codes.at(26), u"Z       00011010"_s);
    EXPECT_EQ(codes.at(27), u"\" \"     00011011"_s);
    EXPECT_EQ(codes.at(28), u"Chr(13) 00011100"_s);
    EXPECT_EQ(codes.at(29), u"Chr(10) 00011101"_s);

    CipherTable small = table;
    small.ZeroLetters = u"AB"_s;
    small.OneLetters = u"C"_s;
    EXPECT_EQ(LetterGroupLines(small),
              QStringList({u"0 : A"_s, u"0 : B"_s, u"-----"_s, u"1 : C"_s}));
}

TEST(RandomCodeCipher, StatisticsShowBothCoefficientsAndNeverDivideByZero) {
    CipherTable table = CountingTable();
    // Ones and zeros among the first 8 bits of the codes 1 to 29.
    qsizetype ones = 0;
    for (const QString& code : table.Codes)
        ones += code.count(u'1');
    const double b = std::abs(double(ones) / double(29 * 8 - ones) - 1) + 1;
    const struct {
        QString ones;
        QString zeros;
        int counted;
        QLocale locale;
        QString expected;
    } cases[] = {
        {u"NOPQRSTUVWXYZ"_s, u"ABCDEFGHIJKLM"_s, 8, QLocale::c(),
         u"Koeficient A:1.00000 Koeficient B:%1 Celkem:%2"_s.arg(b, 0, 'f', 5).arg(b, 0, 'f', 9)},
        {u"A"_s, u"BCDEFGHIJKLMNOPQRSTUVWXYZ"_s, 8, QLocale(QLocale::Czech),
         u"Koeficient A:1,96000 Koeficient B:%1 Celkem:%2"_s.arg(
             QLocale(QLocale::Czech).toString(b, 'f', 5),
             QLocale(QLocale::Czech).toString(1.96 * b, 'f', 9))},
        // No zero letters, and no zeros at the counted positions.
        {u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s, QString(), 8, QLocale::c(),
         u"Koeficient A:nekonečno Koeficient B:%1 Celkem:nekonečno"_s.arg(b, 0, 'f', 5)},
        {u"AB"_s, u"C"_s, 0, QLocale::c(),
         u"Koeficient A:2.00000 Koeficient B:neurčitý Celkem:neurčitý"_s},
    };
    for (const auto& c : cases) {
        table.OneLetters = c.ones;
        table.ZeroLetters = c.zeros;
        EXPECT_EQ(CipherStatistics(table, c.counted, c.locale), c.expected);
    }
    // Every code all ones: B has no zero to divide by.
    table.Codes.fill(u"11111111"_s);
    table.OneLetters = u"AB"_s;
    table.ZeroLetters = u"C"_s;
    EXPECT_EQ(CipherStatistics(table, 8, QLocale::c()),
              u"Koeficient A:2.00000 Koeficient B:nekonečno Celkem:nekonečno"_s);
}

// Only the counted positions of each code count: a long code's tail is left out.
TEST(RandomCodeCipher, StatisticsCountOnlyTheFirstPositionsGiven) {
    CipherTable table = CountingTable();
    for (QString& code : table.Codes)
        code = u"01"_s + QString(62, u'1');
    table.Depth = 64;
    EXPECT_EQ(CipherStatistics(table, 2, QLocale::c()),
              u"Koeficient A:1.00000 Koeficient B:1.00000 Celkem:1.000000000"_s);
    EXPECT_EQ(CipherStatistics(table, 4, QLocale::c()),
              u"Koeficient A:1.00000 Koeficient B:3.00000 Celkem:3.000000000"_s);
}

TEST(RandomCodeCipher, EncryptionWritesDepthLettersOfTheBitsGroupPerSymbol) {
    const CipherTable table = CountingTable();
    RandomGenerator draws;
    const QString cipher = RndEncrypt(u"AZ \r\n"_s, table, draws);
    ASSERT_EQ(cipher.size(), 5 * 8);
    const QString codes = table.Codes.at(0) + table.Codes.at(25) + table.Codes.at(26) +
                          table.Codes.at(27) + table.Codes.at(28);
    for (qsizetype i = 0; i < cipher.size(); ++i) {
        const QString& group = codes.at(i) == u'0' ? table.ZeroLetters : table.OneLetters;
        EXPECT_TRUE(group.contains(cipher.at(i))) << i;
    }
    EXPECT_EQ(RndEncrypt(QString(), table, draws), QString());
    // Characters that are no symbol (the preparation leaves none) are skipped.
    EXPECT_EQ(RndEncrypt(u"a-1"_s, table, draws), QString());
}

TEST(RandomCodeCipher, DecryptionMatchesAShortLastChunkInsideAnyCodeAndRepeatsOnAMiss) {
    CipherTable table = CountingTable();
    const struct {
        QString cipher;
        QString plain;
    } cases[] = {
        // A: 00000001, B: 00000010.
        {u"AAAAAAAN"_s + u"AAAAAANA"_s, u"AB"_s},
        // "11" is in the codes of 3, 6, 7, ... 28 and 29; the highest wins (LF).
        {u"AAAAAAAN"_s + u"NN"_s, u"A\n"_s},
        // "11111111" is no code: the symbol before it again.
        {u"AAAAAAAN"_s + u"NNNNNNNN"_s, u"AA"_s},
        {u"NNNNNNNN"_s, QString()},
        // Every character counts; one that is no zero letter is a 1.
        {u"AAA\r\nA A"_s, u"Z"_s},
        {QString(), QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RndDecrypt(c.cipher, table), c.plain) << c.cipher.toStdString();
}

TEST(RandomCodeCipher, DecipheringRestoresEveryPreparedText) {
    RandomGenerator draws;
    for (const int depth : {8, 9, 33, 64}) {
        const CipherTable table = DrawnTable(depth, draws);
        for (const QString& text : RandomCodeTexts(0)) {
            const QString prepared = PrepareCipherText(text);
            const QString cipher = RndEncrypt(prepared, table, draws);
            ASSERT_EQ(cipher.size(), prepared.size() * depth);
            ASSERT_TRUE(QRegularExpression(u"^[A-Z]*$"_s).match(cipher).hasMatch());
            ASSERT_EQ(PrepareCipherText(cipher), cipher);
            ASSERT_EQ(RndDecrypt(cipher, table), prepared) << depth;
        }
    }
}

// --- The table file.

TEST(CipherTableFile, DepthEightWithAnEmptyNoteIsThreeHundredTwentyThreeBytes) {
    CipherTable table = CountingTable();
    QByteArray expected;
    for (const QString& code : table.Codes)
        expected += QByteArray("\x08\x00", 2) + code.toLatin1();
    expected += QByteArray("\x08\x0D\x00", 3) + "NOPQRSTUVWXYZ";
    expected += QByteArray("\x0D\x00", 2) + "ABCDEFGHIJKLM";
    expected += QByteArray("\x00\x00", 2);
    const QByteArray bytes = EncodeCipherTable(table);
    EXPECT_EQ(bytes.size(), 323);
    EXPECT_EQ(bytes, expected);

    table.Note = u"Šifra č. 1"_s;
    const QByteArray noted = EncodeCipherTable(table);
    EXPECT_EQ(noted.size(), 323 + 10);
    EXPECT_EQ(noted.right(12), QByteArray("\x0A\x00\x8A"
                                          "ifra \xE8. 1",
                                          12));
}

TEST(CipherTableFile, SavedTablesLoadBackExactlyAndTrailingBytesAreIgnored) {
    RandomGenerator draws;
    for (const int depth : {8, 21, 64}) {
        CipherTable table = DrawnTable(depth, draws);
        table.Note = u"Poznámka: žluťoučký kůň\r\n"_s;
        QByteArray bytes = EncodeCipherTable(table);
        EXPECT_EQ(bytes.size(), 29 * (2 + depth) + 33 + table.Note.size());
        const DecodedCipherTable loaded = DecodeCipherTable(bytes + "tail");
        ASSERT_TRUE(loaded.table.has_value()) << loaded.problem.toStdString();
        EXPECT_EQ(*loaded.table, table);
        EXPECT_TRUE(loaded.problem.isEmpty());
    }
    // A note longer than its 16-bit length field is cut to it.
    CipherTable table = CountingTable();
    table.Note = QString(70000, u'x');
    const DecodedCipherTable loaded = DecodeCipherTable(EncodeCipherTable(table));
    ASSERT_TRUE(loaded.table.has_value());
    EXPECT_EQ(loaded.table->Note, QString(LongestCipherTableText, u'x'));
}

TEST(CipherTableFile, TruncatedOrInconsistentFilesAreRefusedWithTheirFault) {
    const QByteArray good = EncodeCipherTable(CountingTable());
    const auto changed = [](const std::function<void(CipherTable&)>& change) {
        CipherTable table = CountingTable();
        change(table);
        return EncodeCipherTable(table);
    };
    const struct {
        const char* name;
        QByteArray bytes;
        QString problem;
    } cases[] = {
        {"empty", QByteArray(), u"Soubor končí uprostřed kódu znaku A."_s},
        {"inside a code", good.left(2 * 10 + 5), u"Soubor končí uprostřed kódu znaku C."_s},
        {"before the depth", good.left(29 * 10), u"Soubor končí uprostřed hloubky."_s},
        {"inside the groups", good.left(29 * 10 + 1 + 2 + 13 + 1),
         u"Soubor končí uprostřed skupin písmen."_s},
        {"note shorter than its length field",
         good.left(321) + QByteArray("\x05\x00"
                                     "abc",
                                     5),
         u"Soubor končí uprostřed poznámky."_s},
        {"depth 0", changed([](CipherTable& t) { t.Depth = 0; }), u"Hloubka tabulky je 0."_s},
        {"code too short", changed([](CipherTable& t) { t.Codes.at(26) = u"0000000"_s; }),
         u"Kód znaku mezery nemá 8 číslic 0 a 1."_s},
        {"code too long", changed([](CipherTable& t) { t.Codes.at(28) = u"000000001"_s; }),
         u"Kód znaku Chr(10) nemá 8 číslic 0 a 1."_s},
        {"not bits", changed([](CipherTable& t) { t.Codes.at(1) = u"0000002x"_s; }),
         u"Kód znaku B nemá 8 číslic 0 a 1."_s},
        {"depth above the codes", changed([](CipherTable& t) { t.Depth = 9; }),
         u"Kód znaku A nemá 9 číslic 0 a 1."_s},
        {"equal codes", changed([](CipherTable& t) { t.Codes.at(27) = t.Codes.at(2); }),
         u"Znaky C a Chr(13) mají stejný kód."_s},
        {"letter in both groups", changed([](CipherTable& t) { t.OneLetters.replace(u'Z', u'A'); }),
         u"Písmeno A je v obou skupinách."_s},
        {"empty group", changed([](CipherTable& t) {
             t.OneLetters += t.ZeroLetters;
             t.ZeroLetters.clear();
         }),
         u"Jedna ze skupin písmen je prázdná."_s},
        // The preparation before deciphering would change these letters.
        {"lower-case letter", changed([](CipherTable& t) { t.OneLetters.replace(u'Z', u'z'); }),
         u"Ve skupinách písmen smějí být jen písmena A až Z."_s},
        {"accented letter", changed([](CipherTable& t) { t.ZeroLetters += u'Č'; }),
         u"Ve skupinách písmen smějí být jen písmena A až Z."_s},
        {"blank", changed([](CipherTable& t) { t.ZeroLetters.replace(u'M', u' '); }),
         u"Ve skupinách písmen smějí být jen písmena A až Z."_s},
    };
    for (const auto& c : cases) {
        const DecodedCipherTable decoded = DecodeCipherTable(c.bytes);
        EXPECT_FALSE(decoded.table.has_value()) << c.name;
        EXPECT_EQ(decoded.problem.toStdString(), c.problem.toStdString()) << c.name;
    }
}

// Groups need not take every letter: a table that leaves letters out, or
// names one twice in its group, still deciphers what it enciphered.
TEST(CipherTableFile, GroupsThatLeaveLettersOutAreTakenAndDecipher) {
    const std::pair<QString, QString> groups[] = {
        {u"NOPQRSTUVWXY"_s, u"ABCDEFGHIJKLM"_s},
        {u"Q"_s, u"X"_s},
        {u"ZZY"_s, u"A"_s},
        {u"KLM"_s, u"BCDEFGHIJ"_s},
    };
    RandomGenerator draws;
    const QString prepared = PrepareCipherText(EveryCode(1));
    for (const auto& [ones, zeros] : groups) {
        CipherTable table = CountingTable();
        table.OneLetters = ones;
        table.ZeroLetters = zeros;
        const DecodedCipherTable loaded = DecodeCipherTable(EncodeCipherTable(table));
        ASSERT_TRUE(loaded.table.has_value()) << loaded.problem.toStdString();
        EXPECT_EQ(*loaded.table, table);
        const QString cipher = RndEncrypt(prepared, *loaded.table, draws);
        EXPECT_EQ(RndDecrypt(PrepareCipherText(cipher), *loaded.table), prepared)
            << ones.toStdString();
    }
}

} // namespace

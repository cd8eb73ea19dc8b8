#include "core/utilities/code_ciphers.h"

#include "core/text/ansi_code_page.h"
#include "core/text/random_text.h"
#include "core/utilities/cipher_texts.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(CodeCiphers, BitRotationMovesTheHighBitsToTheBottom) {
    const struct {
        int code;
        int bits;
        int rotated;
    } cases[] = {
        {65, 1, 130},    {130, 7, 65},    {0x12, 4, 0x21}, {0x80, 1, 0x01},
        {0xFF, 3, 0xFF}, {0xA5, 0, 0xA5}, {0xA5, 8, 0xA5}, {0x01, 9, 0x02},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Asc(RotateCharBits(QString(Chr(c.code)), c.bits).at(0)), c.rotated)
            << c.code << " by " << c.bits;
}

TEST(CodeCiphers, BitRotationByKThenEightMinusKIsTheIdentityOnEveryCode) {
    for (const QString& text : RandomCodeTexts(0)) {
        for (int k = 0; k <= 8; ++k) {
            const QString encoded = RotateCharBits(text, k);
            ASSERT_EQ(encoded.size(), text.size());
            ASSERT_EQ(RotateCharBits(encoded, 8 - k), text) << k;
        }
        // Four places swap the halves: encoding and decoding are one step.
        EXPECT_EQ(RotateCharBits(RotateCharBits(text, 4), 4), text);
    }
}

// Deciphering is the same step with the same key. Where a code equalled its
// stream byte the first pass wrote 1 for 0, and the second gives the code
// back with its lowest bit inverted.
TEST(CodeCiphers, KeyedStreamTwiceRestoresEveryCodeButTheOnesThatMetTheirStreamByte) {
    for (const double key : {0.0, 1.0, -5.0, 123456789012345.0}) {
        for (const QString& text : RandomCodeTexts(1)) {
            const QString once = KeyedStream(text, key);
            const QString twice = KeyedStream(once, key);
            ASSERT_EQ(twice.size(), text.size());
            for (qsizetype i = 0; i < text.size(); ++i) {
                ASSERT_NE(Asc(once.at(i)), 0);
                if (twice.at(i) != text.at(i)) {
                    ASSERT_EQ(Asc(once.at(i)), 1) << i;
                    ASSERT_EQ(Asc(twice.at(i)), Asc(text.at(i)) ^ 1) << i;
                }
            }
        }
    }
}

TEST(CodeCiphers, KeyedStreamDependsOnTheKeyAloneAndLeavesTheProgramGeneratorAlone) {
    const QString text = EveryCode(1);
    const QString first = KeyedStream(text, 42);
    EXPECT_NE(first, text);
    EXPECT_NE(KeyedStream(text, 43), first);
    EXPECT_EQ(KeyedStream(text, -0.0), KeyedStream(text, 0));

    RandomGenerator untouched = Rnd();
    (void)Rnd().draw();
    (void)untouched.draw();
    EXPECT_EQ(KeyedStream(text, 42), first);
    // The program's next draws are those it would have made without the cipher.
    for (int draw = 0; draw < 5; ++draw)
        EXPECT_EQ(Rnd().draw(), untouched.draw());

    // The stream is the one the key gives a generator after a reset.
    RandomGenerator keyed;
    keyed.seed(99);
    keyed.reset();
    keyed.seed(42);
    const int streamByte = static_cast<int>(keyed.draw() * 254 + 1);
    EXPECT_EQ(Asc(first.at(0)), std::max(1, 1 ^ streamByte));
}

TEST(CodeCiphers, LookAlikesTakeOneDrawPerCharacterAndStayInTheLettersSet) {
    const QString text = u"AbcIiQRU xyz 09!Žluť\r\n"_s;
    RandomGenerator draws;
    RandomGenerator counted = draws;
    const QString written = LookAlikeTranscription(text, draws);
    for (qsizetype i = 0; i < text.size(); ++i)
        (void)counted.draw();
    EXPECT_EQ(draws.draw(), counted.draw());

    ASSERT_EQ(written.size(), text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        EXPECT_TRUE(LookAlikeSet(text.at(i)).contains(written.at(i))) << i;
}

TEST(CodeCiphers, LookAlikeSetsGiveEachMemberAndChangeOthersNever) {
    const std::pair<QChar, QString> cases[] = {
        {u'Q', u"Qq"_s},   {u'r', u"Rr"_s},    {u'U', u"Uu"_s}, {u'I', u"Ii1!|"_s},
        {u'a', u"Aa@&"_s}, {u'W', u"Ww~mM"_s}, {u'7', u"7"_s},  {u' ', u" "_s},
        {u'\r', u"\r"_s},  {u'Ž', u"Ž"_s},     {u'é', u"é"_s},
    };
    RandomGenerator draws;
    for (const auto& [letter, set] : cases) {
        EXPECT_EQ(LookAlikeSet(letter), set);
        QSet<QChar> seen;
        for (int round = 0; round < 400; ++round)
            seen.insert(LookAlikeTranscription(QString(letter), draws).at(0));
        EXPECT_EQ(seen, QSet<QChar>(set.begin(), set.end())) << set.toStdString();
    }
}

TEST(CodeCiphers, LookAlikeOverviewHasFiveLinesOfOneColumnPerLetter) {
    const QStringList lines = LookAlikeOverview().split(u"\r\n"_s);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_TRUE(lines.back().isEmpty());
    EXPECT_EQ(lines.at(2), u"&8(>3[6#1?<7~%09  5+ ^M*/2"_s);
    // Every symbol shown under a letter is one of that letter's look-alikes.
    for (int row = 2; row < 5; ++row) {
        for (qsizetype column = 0; column < lines.at(row).size(); ++column) {
            const QChar shown = lines.at(row).at(column);
            if (shown == u' ')
                continue;
            EXPECT_TRUE(LookAlikeSet(lines.at(0).at(column)).contains(shown))
                << row << " " << column;
        }
    }
}

} // namespace

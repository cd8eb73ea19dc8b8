#include "core/utilities/code_ciphers.h"

#include "core/text/ansi_code_page.h"
#include "core/text/random_text.h"
#include "core/utilities/cipher_texts.h"

#include <QSet>
#include <array>
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

// Deciphering is the same step with the same key, so every code must come
// back at every position of the stream, also where it meets its own stream
// byte. Each code fills a text of its own, so every position meets all codes.
TEST(CodeCiphers, KeyedStreamTwiceRestoresEveryCodeAtEveryStreamPosition) {
    constexpr int Positions = 1024;
    for (const double key : {0.0, 1.0, -5.0, 42.5, 123456789012345.0}) {
        std::array<QString, 256> once;
        for (int code = 0; code <= 255; ++code) {
            const QString text(Positions, Chr(code));
            once.at(code) = KeyedStream(text, key);
            ASSERT_EQ(KeyedStream(once.at(code), key), text) << key << " code " << code;
        }
        for (int position = 0; position < Positions; ++position) {
            // The one code left as it is, is the stream byte; every other is
            // XOR that byte, and none becomes 0.
            int streamByte = 0;
            for (int code = 1; code <= 255; ++code) {
                if (once.at(code).at(position) == Chr(code)) {
                    ASSERT_EQ(streamByte, 0) << key << " at " << position;
                    streamByte = code;
                }
            }
            ASSERT_TRUE(streamByte >= 1 && streamByte <= 254) << key << " at " << position;
            for (int code = 1; code <= 255; ++code) {
                const int written = Asc(once.at(code).at(position));
                ASSERT_EQ(written, code == streamByte ? code : code ^ streamByte);
                ASSERT_NE(written, 0);
            }
            ASSERT_EQ(once.at(0).at(position), QChar(0)) << key << " at " << position;
        }
        for (const QString& text : RandomCodeTexts(0))
            ASSERT_EQ(KeyedStream(KeyedStream(text, key), key), text) << key;
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

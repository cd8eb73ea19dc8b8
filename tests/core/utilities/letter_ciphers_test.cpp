#include "core/utilities/letter_ciphers.h"

#include "core/text/random_generator.h"
#include "core/utilities/cipher_texts.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(LetterCiphers, ShiftMovesOnlyTheLettersAToZAndKeepsTheirCase) {
    const struct {
        QString text;
        int places;
        QString expected;
    } cases[] = {
        {u"Abc xyz"_s, 3, u"Def abc"_s},
        {u"Def abc"_s, 23, u"Abc xyz"_s},
        {u"Žluťoučký"_s, 1, u"Žmvťpvčlý"_s},
        {u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s, 13, u"NOPQRSTUVWXYZABCDEFGHIJKLM"_s},
        {u"Zz 9!\r\n"_s, 1, u"Aa 9!\r\n"_s},
        {u"Hello"_s, 0, u"Hello"_s},
        {u"Hello"_s, 26, u"Hello"_s},
        // Keys outside 0 to 26 count modulo 26.
        {u"Hello"_s, 29, u"Khoor"_s},
        {u"Khoor"_s, -3, u"Hello"_s},
        {u"Hello"_s, 26 * 1000 + 1, u"Ifmmp"_s},
        {QString(), 5, QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShiftCipher(c.text, c.places), c.expected)
            << c.text.toStdString() << " by " << c.places;
}

TEST(LetterCiphers, CronfeldTakesOneKeyDigitPerCharacterInTurn) {
    const struct {
        QString text;
        QString key;
        QString encrypted;
    } cases[] = {
        // The blank takes the digit 2, so the second "a" gets 1 again.
        {u"a a"_s, u"12"_s, u"b b"_s},    {u"aaaa"_s, u"-5"_s, u"afaf"_s},
        {u"Zebra"_s, u"0"_s, u"Zebra"_s}, {u"Zebra"_s, QString(), u"Zebra"_s},
        {u"Zz Yy"_s, u"9"_s, u"Ii Hh"_s}, {u"Čaj 12"_s, u"123"_s, u"Čcm 12"_s},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CronfeldEncrypt(c.text, c.key), c.encrypted) << c.text.toStdString();
        EXPECT_EQ(CronfeldDecrypt(c.encrypted, c.key), c.text) << c.text.toStdString();
    }
}

TEST(LetterCiphers, DecipheringRestoresEveryTextOfEveryCode) {
    RandomGenerator keys;
    for (const QString& text : RandomCodeTexts(0)) {
        for (int places = -30; places <= 30; ++places)
            ASSERT_EQ(ShiftCipher(ShiftCipher(text, places), 26 - places), text) << places;
        for (int round = 0; round < 20; ++round) {
            const QString key = QString::number(static_cast<qint64>(keys.draw() * 1e15));
            ASSERT_EQ(CronfeldDecrypt(CronfeldEncrypt(text, key), key), text) << key.toStdString();
        }
    }
}

TEST(LetterCiphers, KeyBoxesKeepTheWholeNumberTheTextBeginsWith) {
    const std::pair<QString, QString> cases[] = {
        {u"007"_s, u"7"_s},     {u"12abc"_s, u"12"_s},
        {u"abc"_s, u"0"_s},     {QString(), u"0"_s},
        {u"  42  "_s, u"42"_s}, {u"-5"_s, u"-5"_s},
        {u"-0"_s, u"0"_s},      {u"-"_s, u"0"_s},
        {u"+8"_s, u"8"_s},      {u"3.99"_s, u"3"_s},
        {u"-3.9"_s, u"-3"_s},   {u"0"_s, u"0"_s},
        {u"1 2"_s, u"1"_s},     {u"999999999999999"_s, u"999999999999999"_s},
    };
    for (const auto& [typed, kept] : cases)
        EXPECT_EQ(NormalisedKeyText(typed), kept) << typed.toStdString();
}

TEST(LetterCiphers, RandomKeysHaveFifteenDigitsAndSurviveNormalising) {
    for (int round = 0; round < 200; ++round) {
        const QString key = RandomDigitKey();
        ASSERT_EQ(key.size(), 15);
        EXPECT_NE(key.front(), u'0');
        EXPECT_EQ(NormalisedKeyText(key), key);
    }
}

} // namespace

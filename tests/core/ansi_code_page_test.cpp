#include "core/ansi_code_page.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

namespace {

[[nodiscard]] QByteArray AllBytes() {
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(static_cast<char>(b));
    return bytes;
}

[[nodiscard]] QString Ch(char16_t u) {
    return QString(QChar(u));
}

} // namespace

TEST(AnsiCodePage, EveryByteRoundTrips) {
    const QByteArray bytes = AllBytes();
    const QString text = DecodeAnsi(bytes);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(EncodeAnsi(text), bytes);
    for (const QChar c : text)
        EXPECT_TRUE(IsAnsiChar(c)) << int(c.unicode());
    EXPECT_EQ(ReplaceNonAnsi(text), text);
}

TEST(AnsiCodePage, CzechLettersHaveTheirWindows1250Bytes) {
    const QString letters = QStringLiteral("ěščřžýáíéúůďťňĚŠČŘŽÝÁÍÉÚŮĎŤŇ");
    const QByteArray expected("\xEC\x9A\xE8\xF8\x9E\xFD\xE1\xED\xE9\xFA\xF9\xEF\x9D\xF2"
                              "\xCC\x8A\xC8\xD8\x8E\xDD\xC1\xCD\xC9\xDA\xD9\xCF\x8D\xD2");
    EXPECT_EQ(EncodeAnsi(letters), expected);
    EXPECT_EQ(DecodeAnsi(expected), letters);
    for (qsizetype i = 0; i < letters.size(); ++i)
        EXPECT_EQ(Asc(letters[i]), static_cast<unsigned char>(expected[i])) << i;
}

TEST(AnsiCodePage, UpperHalfDecodesToTheWindows1250Characters) {
    // clang-format off
    const QString expected = QStringLiteral(
        "€\u0081‚\u0083„…†‡\u0088‰Š‹ŚŤŽŹ"
        "\u0090‘’“”•–—\u0098™š›śťžź"
        "\u00A0ˇ˘Ł¤Ą¦§¨©Ş«¬\u00AD®Ż"
        "°±˛ł´µ¶·¸ąş»Ľ˝ľż"
        "ŔÁÂĂÄĹĆÇČÉĘËĚÍÎĎ"
        "ĐŃŇÓÔŐÖ×ŘŮÚŰÜÝŢß"
        "ŕáâăäĺćçčéęëěíîď"
        "đńňóôőö÷řůúűüýţ˙");
    // clang-format on
    ASSERT_EQ(expected.size(), 128);
    const QString decoded = DecodeAnsi(AllBytes()).mid(128);
    for (int i = 0; i < 128; ++i)
        EXPECT_EQ(decoded[i], expected[i]) << "byte " << 128 + i;
}

TEST(AnsiCodePage, UndefinedBytesMapToControlCharactersOfTheSameNumber) {
    const QByteArray undefined("\x81\x83\x88\x90\x98");
    const QString text = DecodeAnsi(undefined);
    EXPECT_EQ(text, QString(QChar(0x81)) + QChar(0x83) + QChar(0x88) + QChar(0x90) + QChar(0x98));
    EXPECT_EQ(EncodeAnsi(text), undefined);
}

TEST(AnsiCodePage, CharactersOutsideThePageBecomeQuestionMarks) {
    // 0x80 and 0x82 are the bytes of the euro sign and a quote, so the
    // control characters U+0080 and U+0082 have no byte.
    const std::array<char16_t, 6> outside = {0x0416, 0x4E2D, 0x0080, 0x0082, 0x00FF, 0xD83D};
    for (const char16_t u : outside) {
        EXPECT_FALSE(IsAnsiChar(QChar(u))) << int(u);
        EXPECT_EQ(Asc(QChar(u)), 63) << int(u);
        EXPECT_EQ(EncodeAnsi(QStringLiteral("a") + Ch(u) + QStringLiteral("b")), "a?b") << int(u);
        EXPECT_EQ(ReplaceNonAnsi(Ch(u) + QStringLiteral("ž")), QStringLiteral("?ž")) << int(u);
    }
    EXPECT_TRUE(IsAnsiChar(QChar(u'?')));
    EXPECT_TRUE(IsAnsiChar(QChar(0x20AC)));
    EXPECT_EQ(EncodeAnsi(QStringLiteral("€")), "\x80");
}

TEST(AnsiCodePage, ChrAndAscAreInverse) {
    for (int code = 0; code < 256; ++code) {
        EXPECT_EQ(Asc(Chr(code)), code);
        EXPECT_EQ(Chr(code + 256), Chr(code)) << code;
    }
    EXPECT_EQ(Chr(-1), Chr(255));
}

TEST(AnsiCodePage, CaseConversionMapsEveryPairAndNothingElse) {
    std::array<int, 256> upper{};
    std::array<int, 256> lower{};
    for (int b = 0; b < 256; ++b)
        upper[b] = lower[b] = b;
    const auto pair = [&](int small, int capital) {
        upper[small] = capital;
        lower[capital] = small;
    };
    for (int b = 'a'; b <= 'z'; ++b)
        pair(b, b - 0x20);
    for (int b = 0xE0; b <= 0xFE; ++b) {
        if (b != 0xF7)
            pair(b, b - 0x20);
    }
    pair(0x9A, 0x8A); // š Š
    pair(0x9C, 0x8C); // ś Ś
    pair(0x9D, 0x8D); // ť Ť
    pair(0x9E, 0x8E); // ž Ž
    pair(0x9F, 0x8F); // ź Ź
    pair(0xB3, 0xA3); // ł Ł
    pair(0xB9, 0xA5); // ą Ą
    pair(0xBA, 0xAA); // ş Ş
    pair(0xBE, 0xBC); // ľ Ľ
    pair(0xBF, 0xAF); // ż Ż

    const QString all = DecodeAnsi(AllBytes());
    const QString allUpper = AnsiUpper(all);
    const QString allLower = AnsiLower(all);
    ASSERT_EQ(allUpper.size(), 256);
    ASSERT_EQ(allLower.size(), 256);
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(Asc(allUpper[b]), upper[b]) << "upper of " << b;
        EXPECT_EQ(Asc(allLower[b]), lower[b]) << "lower of " << b;
        EXPECT_EQ(AnsiUpper(Chr(b)), Chr(upper[b])) << b;
        EXPECT_EQ(AnsiLower(Chr(b)), Chr(lower[b])) << b;
    }
}

TEST(AnsiCodePage, CaseConversionLeavesCharactersOutsideThePage) {
    const QString text = QStringLiteral("žж\u212A");
    EXPECT_EQ(AnsiUpper(text), QStringLiteral("Žж\u212A"));
    EXPECT_EQ(AnsiLower(QStringLiteral("ŽЖ\u212A")), QStringLiteral("žЖ\u212A"));
}

TEST(AnsiCodePage, IsNotLowerLooksAtTheFirstCharacter) {
    const std::array<std::pair<QString, bool>, 9> cases = {{
        {QStringLiteral("a"), false},
        {QStringLiteral("abc"), false},
        {QStringLiteral("A"), true},
        {QStringLiteral("Ab"), true},
        {QStringLiteral("š"), false},
        {QStringLiteral("1a"), true},
        {QString(), true},
        {QStringLiteral("ж"), true}, // outside the page, so it counts as "?"
        {QStringLiteral("ß"), false},
    }};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(IsNotLower(text), expected) << text.toStdString();
}

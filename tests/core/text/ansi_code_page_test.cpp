#include "core/text/ansi_code_page.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

using namespace Qt::StringLiterals;

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
}

// The lower half is ASCII; the five bytes Windows-1250 leaves undefined
// decode to the control characters of the same number.
TEST(AnsiCodePage, EveryByteDecodesToItsWindows1250Character) {
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
    const QString decoded = DecodeAnsi(AllBytes());
    EXPECT_EQ(decoded.left(128), QString::fromLatin1(AllBytes().left(128)));
    for (int i = 0; i < 128; ++i)
        EXPECT_EQ(decoded[128 + i], expected[i]) << "byte " << 128 + i;
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
}

TEST(AnsiCodePage, ChrAndAscAreTheCodecOfOneCharacter) {
    const QString all = DecodeAnsi(AllBytes());
    for (int code = 0; code < 256; ++code) {
        EXPECT_EQ(Chr(code), all[code]) << code;
        EXPECT_EQ(Asc(all[code]), code);
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
    const QString smalls = u"šśťžźłąşľż"_s;
    const QString capitals = u"ŠŚŤŽŹŁĄŞĽŻ"_s;
    for (qsizetype i = 0; i < smalls.size(); ++i)
        pair(Asc(smalls[i]), Asc(capitals[i]));

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
    // "ж" is outside the page, so it counts as "?".
    const std::pair<QString, bool> cases[] = {
        {u"a"_s, false}, {u"Ab"_s, true}, {u"š"_s, false}, {u"1a"_s, true},
        {u""_s, true},   {u"ж"_s, true},  {u"ß"_s, false}, {u"Š"_s, true},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(IsNotLower(text), expected) << text.toStdString();
}

#include "core/utilities/code_ciphers.h"

#include "core/text/ansi_code_page.h"
#include "core/text/random_text.h"

#include <array>
#include <cmath>

namespace {

// The look-alikes of A to Z, each set beginning with the letter in both cases.
constexpr std::array<const char16_t*, 26> LookAlikeSets = {
    u"Aa@&", u"Bb8", u"Cc(",  u"Dd)>",  u"Ee3",   u"Ff[", u"Gg6", u"Hh#", u"Ii1!|",
    u"Jj?",  u"Kk<", u"Ll74", u"Mm~wW", u"Nn%",   u"Oo0", u"Pp9", u"Qq",  u"Rr",
    u"Ss5$", u"Tt+", u"Uu",   u"Vv^",   u"Ww~mM", u"Xx*", u"Yy/", u"Zz2",
};

constexpr const char16_t* LookAlikeOverviewLines[] = {
    u"ABCDEFGHIJKLMNOPQRSTUVWXYZ",
    u"abcdefghijklmnopqrstuvwxyz",
    u"&8(>3[6#1?<7~%09  5+ ^M*/2",
    u"@  )    !  4w     $   m",
    u"        |   W",
};

} // namespace

QString RotateCharBits(const QString& text, int bits) {
    const int left = (bits % 8 + 8) % 8;
    QString result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int code = Asc(text.at(i));
        result[i] = Chr(((code << left) | (code >> (8 - left))) & 0xFF);
    }
    return result;
}

QString KeyedStream(const QString& text, double key) {
    RandomGenerator stream;
    stream.reset();
    stream.seed(key);
    QString result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int streamByte = static_cast<int>(std::floor(stream.draw() * 254 + 1));
        const int code = Asc(text.at(i));
        // A code equal to its stream byte, and a NUL, stay as they are: XOR
        // would make the one a NUL and the other the stream byte, which the
        // second pass could not tell from the first.
        result[i] = code == streamByte || code == 0 ? text.at(i) : Chr(code ^ streamByte);
    }
    return result;
}

QString LookAlikeSet(QChar c) {
    const QChar upper = AnsiUpper(c);
    if (upper >= u'A' && upper <= u'Z')
        return QString::fromUtf16(LookAlikeSets.at(upper.unicode() - u'A'));
    return QString(c);
}

QString LookAlikeTranscription(const QString& text, RandomGenerator& generator) {
    QString result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QString set = LookAlikeSet(text.at(i));
        const int position = RandomIntFromDraw(generator.draw(), 1, static_cast<int>(set.size()));
        result[i] = set.at(position - 1);
    }
    return result;
}

QString LookAlikeOverview() {
    QString overview;
    for (const char16_t* line : LookAlikeOverviewLines)
        overview += QString::fromUtf16(line) + QStringLiteral("\r\n");
    return overview;
}

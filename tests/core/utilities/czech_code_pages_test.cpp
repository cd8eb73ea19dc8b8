#include "core/text/ansi_code_page.h"
#include "core/utilities/czech_code_pages.h"

#include <array>
#include <gtest/gtest.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString Sample = u"Žluťoučký kůň úpěl ďábelské ódy."_s;

QString FromCodes(const std::vector<int>& codes) {
    QString text;
    for (const int code : codes)
        text += Chr(code);
    return text;
}

std::vector<int> CodesOf(const QString& text) {
    std::vector<int> codes;
    for (const QChar c : text)
        codes.push_back(Asc(c));
    return codes;
}

// The 30 letters "áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ" written in each page, page 1 first.
const std::array<std::vector<int>, CzechCodePageCount> LettersInPage = {{
    {160, 159, 212, 130, 216, 161, 229, 162, 253, 231, 156, 163, 133, 236, 167,
     181, 172, 210, 144, 183, 214, 213, 224, 252, 230, 155, 233, 222, 237, 166},
    CodesOf(u"áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ"_s),
    {160, 135, 131, 130, 136, 161, 164, 162, 169, 168, 159, 163, 150, 152, 145,
     143, 128, 133, 144, 137, 139, 165, 149, 158, 155, 134, 151, 166, 157, 146},
    {193, 195, 196, 215, 197, 201, 206, 207, 210, 211, 212, 213, 202, 217, 218,
     225, 227, 228, 247, 229, 233, 238, 239, 242, 243, 244, 245, 234, 249, 250},
    {135, 139, 147, 142, 158, 146, 203, 151, 222, 228, 233, 156, 243, 249, 236,
     231, 137, 145, 131, 157, 234, 197, 238, 219, 225, 232, 242, 241, 248, 235},
}};

TEST(CzechCodePages, EachLetterMovesToItsCodeInTheTargetPageForAllTwentyPairs) {
    int pairs = 0;
    for (int from = 1; from <= CzechCodePageCount; ++from) {
        for (int to = 1; to <= CzechCodePageCount; ++to) {
            if (from == to)
                continue;
            ++pairs;
            const QString letters = FromCodes(LettersInPage.at(from - 1));
            EXPECT_EQ(CodesOf(ConvertCzechCodePage(letters, from, to)), LettersInPage.at(to - 1))
                << from << " -> " << to;
        }
    }
    EXPECT_EQ(pairs, 20);
}

TEST(CzechCodePages, KnownConversions) {
    const struct {
        QString text;
        int from;
        int to;
        QString expected;
    } cases[] = {
        // Í (205) and ž (158) from Windows 1250 to the Macintosh page.
        {u"Íž"_s, 2, 5, FromCodes({234, 236})},
        // Letters of no page, digits, signs and line breaks keep their codes.
        {u"Abc 09 .,;-\r\n\töľ"_s, 2, 1, u"Abc 09 .,;-\r\n\töľ"_s},
        {u"Abc 09 .,;-\r\n\töľ"_s, 4, 3, u"Abc 09 .,;-\r\n\töľ"_s},
        // Only letters move: a no-break space (160 in 1250) stays 160, so
        // after the conversion it shares its code with á.
        {u"á\u00A0"_s, 2, 1, FromCodes({160, 160})},
        // Code 0 and a character without a code pass as they are.
        {QString(QChar(0)) + u"ž\u4E00"_s, 2, 4, QString(QChar(0)) + Chr(218) + u"\u4E00"_s},
        // An index outside 1 to 5 changes nothing.
        {Sample, 0, 2, Sample},
        {Sample, 2, 6, Sample},
        {QString(), 2, 1, QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConvertCzechCodePage(c.text, c.from, c.to), c.expected)
            << c.text.toStdString() << " " << c.from << " -> " << c.to;
}

TEST(CzechCodePages, SampleRoundTripsThroughDosAndTheSamePageIsTheIdentity) {
    const QString dos = ConvertCzechCodePage(Sample, 2, 1);
    EXPECT_NE(dos, Sample);
    EXPECT_EQ(ConvertCzechCodePage(dos, 1, 2), Sample);

    QString everyCode;
    for (int code = 0; code < 256; ++code)
        everyCode += Chr(code);
    for (int page = 1; page <= CzechCodePageCount; ++page)
        EXPECT_EQ(ConvertCzechCodePage(everyCode, page, page), everyCode) << page;
}

} // namespace

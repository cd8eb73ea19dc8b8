#include "core/text/string_functions.h"

#include "core/text/ansi_code_page.h"
#include "core/text/random_generator.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Case {
    QString input;
    QString expected;
};

using Function = QString (*)(const QString&);

void expectAll(Function function, std::initializer_list<Case> cases) {
    for (const Case& c : cases)
        EXPECT_EQ(function(c.input), c.expected) << c.input.toStdString();
}

// Every character of the code page but NUL, in code order.
QString everyCodeFromOne() {
    QString text;
    for (int code = 1; code < 256; ++code)
        text += Chr(code);
    return text;
}

TEST(StringFunctions, TextToMorseCodesLettersSignsAndTheCzechCh) {
    expectAll(TextToMorse, {
                               {u"CHATA"_s, u"----/.-/-/.-/"_s},
                               {u"A B"_s, u".-//-.../"_s},
                               {u"Žluť"_s, u"--../.-../..-/-/"_s},
                               {u"chc"_s, u"----/-.-./"_s},
                               {u"SOS."_s, u".../---/...///"_s},
                               {u"3,\"x\":-?/()"_s,
                                u"...--/.-.-.-/.----./-..-/.----./---.../-....-/..--../-..-./"
                                u"-.--.-/-.--.-/"_s},
                               {u"Hi!\r\n0"_s, u"..../../!\r\n-----/"_s},
                               {QString(), QString()},
                           });
}

TEST(StringFunctions, StripHtmlTagsKeepsWhatLiesOutsideTags) {
    expectAll(StripHtmlTags, {
                                 {u"Hello <B>world</B>!"_s, u"Hello world!"_s},
                                 {u"a > b"_s, u"a > b"_s},
                                 {u"<P ALIGN=\"x\">text"_s, u"text"_s},
                                 {u"before <unclosed tag"_s, u"before "_s},
                                 {u"<><>x<"_s, u"x"_s},
                             });
}

TEST(StringFunctions, CaseFunctionsFollowTheCodePagesLetters) {
    expectAll(InvertCase, {
                              {u"Čau"_s, u"čAU"_s},
                              {u"ŽLUŤoučký 1!\r\n"_s, u"žluťOUČKÝ 1!\r\n"_s},
                          });
    expectAll(AlternateCase, {
                                 {u"ahoj svete"_s, u"AhOj sVeTe"_s},
                                 {u"ŘEŘICHA"_s, u"ŘeŘiChA"_s},
                             });
    expectAll(CensorText, {
                              {u"Ahoj"_s, u"A*o*"_s},
                              {u"a b"_s, u"a b"_s},
                              {u"čšěř"_s, u"č*ě*"_s},
                              {u"ÄÖ12"_s, u"Ä*12"_s},
                              {u"x1y2"_s, u"x1y2"_s},
                          });
}

TEST(StringFunctions, RandomCaseOnlyChangesTheCaseAndUsesBoth) {
    Rnd().reset();
    const QString text = u"žluťoučký kůň 42 "_s.repeated(20);
    const QString mixed = RandomCase(text);
    EXPECT_EQ(AnsiLower(mixed), AnsiLower(text));
    EXPECT_NE(mixed, AnsiLower(text));
    EXPECT_NE(mixed, AnsiUpper(text));
}

TEST(StringFunctions, CodesAreWrittenAsPaddedGroups) {
    expectAll(TextToHexCodes, {
                                  {u"abc"_s, u"61 62 63"_s},
                                  {u"Č\r\n"_s, u"C8 0D 0A"_s},
                                  {QString(), QString()},
                              });
    expectAll(TextToAsciiCodes, {
                                    {u"abc"_s, u"097 098 099"_s},
                                    {u"ř\t"_s, u"248 009"_s},
                                    {QString(), QString()},
                                });
}

TEST(StringFunctions, CodesReadBackWithOrWithoutBlanks) {
    expectAll(HexCodesToText, {
                                  {u"61 62 63"_s, u"abc"_s},
                                  {u"616263"_s, u"abc"_s},
                                  {u"e8 C8"_s, u"čČ"_s},
                                  {u"20 20 41 20"_s, u"A "_s},
                                  {u"41 6"_s, u"A\u0006"_s},
                                  {u"00 41"_s, QChar(0) + u"A"_s},
                              });
    expectAll(AsciiCodesToText, {
                                    {u"097 098"_s, u"ab"_s},
                                    {u"032 065"_s, u"A"_s},
                                    {u"065 7"_s, u"A\u0007"_s},
                                    {u"000"_s, QString(QChar(0))},
                                });
}

TEST(StringFunctions, CodesOfEveryByteRoundTrip) {
    const QString text = everyCodeFromOne();
    EXPECT_EQ(HexCodesToText(TextToHexCodes(text)), text);
    EXPECT_EQ(AsciiCodesToText(TextToAsciiCodes(text)), text);
}

// Whatever the selection holds decodes: each group by the number it opens
// with, a group with none as code 0.
TEST(StringFunctions, EachGroupIsReadByItsLeadingNumber) {
    const QString nul(QChar(0));
    expectAll(HexCodesToText, {
                                  {u"4G"_s, u"\u0004"_s},
                                  {u"61 6G 62"_s, u"a\u0006b"_s},
                                  {u"Ahoj"_s, u"\u000A"_s + nul},
                                  {u"61\r\n62"_s, u"a"_s + nul + u"b"_s},
                                  {u"G1"_s, nul},
                              });
    expectAll(AsciiCodesToText, {
                                    {u"65,"_s, u"A"_s},
                                    {u"09a"_s, u"\u0009"_s},
                                    {u"x65066"_s, nul + u"B"_s},
                                    {u"+65"_s, u"A"_s},
                                    {u"1.5"_s, u"\u0002"_s},
                                    {u"2.5"_s, u"\u0002"_s},
                                    {u"-00"_s, nul},
                                    {u"-01"_s, u"?"_s},
                                    {u"097 256"_s, u"a?"_s},
                                    {u"999"_s, u"?"_s},
                                });
}

TEST(StringFunctions, TranslateCharsChainsItsReplacementsInOrder) {
    const struct {
        QString text, from, to;
        std::optional<QString> expected;
    } cases[] = {
        {u"abc"_s, u"ab"_s, u"bc"_s, u"ccc"_s},
        {u"abc"_s, u"ba"_s, u"cb"_s, u"bcc"_s},
        {u"12:30/5.1"_s, u":-/."_s, u"____"_s, u"12_30_5_1"_s},
        {u"Abc"_s, u"a"_s, u"x"_s, u"Abc"_s},
        {u"text"_s, QString(), QString(), u"text"_s},
        {u"text"_s, u"ab"_s, u"a"_s, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TranslateChars(c.text, c.from, c.to), c.expected) << c.text.toStdString();
}

TEST(StringFunctions, DiacriticsGoAndCipherTextKeepsCapitalsBlanksAndLineBreaks) {
    expectAll(StripDiacritics,
              {
                  {u"Příliš žluťoučký kůň úpěl ďábelské ódy"_s,
                   u"Prilis zlutoucky kun upel dabelske ody"_s},
                  {u"ÁČĎÉĚÍŇÓŘŠŤŮÚÝŽ Ärger über Öl ë Ë"_s, u"ACDEEINORSTUUYZ Arger uber Ol e E"_s},
                  {u"ľĺ ßx"_s, u"ľĺ ßx"_s},
              });
    expectAll(PrepareCipherText, {
                                     {u"Ahoj, světe!\r\n1 ď"_s, u"AHOJ SVETE\r\n D"_s},
                                     {u"\t@[`{"_s, QString()},
                                 });
}

TEST(StringFunctions, SortLinesIsCaseInsensitiveCzechAndStable) {
    expectAll(SortLines, {
                             {u"b\r\nA\r\na"_s, u"A\r\na\r\nb"_s},
                             {u"a\r\nB\r\nA\r\nb"_s, u"a\r\nA\r\nB\r\nb"_s},
                             {u"ch\r\nh\r\nc\r\ni"_s, u"c\r\nh\r\nch\r\ni"_s},
                             {u"d\r\nč\r\nc"_s, u"c\r\nč\r\nd"_s},
                             {u"b\r\na\r\n"_s, u"\r\na\r\nb"_s},
                             {u"jen jeden\nřádek"_s, u"jen jeden\nřádek"_s},
                             {QString(), QString()},
                         });
}

} // namespace

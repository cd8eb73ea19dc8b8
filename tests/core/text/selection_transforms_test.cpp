#include "core/text/selection_transforms.h"

#include "core/text/ansi_code_page.h"
#include "core/text/random_generator.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Case {
    QString input;
    QString expected;
};

void expectAll(QString (*transform)(const QString&), std::initializer_list<Case> cases) {
    for (const Case& c : cases)
        EXPECT_EQ(transform(c.input), c.expected) << c.input.toStdString();
}

TEST(SelectionTransforms, ProperCaseStartsAWordAfterBlanksAndControlBreaks) {
    expectAll(ProperCase, {
                              {u"žLUŤOUČKÝ kůň\tpEs\r\nx-y"_s, u"Žluťoučký Kůň\tPes\r\nX-y"_s},
                              {u"a\u000Bb\u000Cc\u0000d"_s, u"A\u000BB\u000CC\u0000D"_s},
                              {u"o'neil,ano"_s, u"O'neil,ano"_s},
                          });
}

TEST(SelectionTransforms, ReverseBlanksAndNumbering) {
    expectAll(ReverseChars, {{u"ab\r\nc"_s, u"c\n\rba"_s}, {QString(), QString()}});
    expectAll(BlanksToLineBreaks, {{u"a  b"_s, u"a\r\n\r\nb"_s}, {u"a\r\nb"_s, u"a\r\nb"_s}});
    // The width is that of the highest number: ten lines end at 9, eleven at 10.
    const QString ten = u"a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\nj"_s;
    expectAll(NumberLines,
              {
                  {u"a\r\nb\r\nc"_s, u"0 a\r\n1 b\r\n2 c"_s},
                  {ten, u"0 a\r\n1 b\r\n2 c\r\n3 d\r\n4 e\r\n5 f\r\n6 g\r\n7 h\r\n8 i\r\n9 j"_s},
                  {ten + u"\r\nk"_s, u"00 a\r\n01 b\r\n02 c\r\n03 d\r\n04 e\r\n05 f\r\n"
                                     u"06 g\r\n07 h\r\n08 i\r\n09 j\r\n10 k"_s},
                  {u"a\r\n"_s, u"0 a\r\n1 "_s},
                  {u"a\nb"_s, u"0 a\nb"_s},
                  {QString(), QString()},
              });
}

TEST(SelectionTransforms, ShuffleWordsRearrangesTheWordsBetweenBlanks) {
    Rnd().reset();
    const QString text = u"jedna dva\r\ntři čtyři pět šest sedm osm devět deset"_s;
    const QString shuffled = ShuffleWords(text);
    QStringList words = shuffled.split(u' ');
    QStringList original = text.split(u' ');
    EXPECT_NE(words, original);
    words.sort();
    original.sort();
    EXPECT_EQ(words, original);
    EXPECT_EQ(ShuffleWords(QString()), QString());
}

TEST(SelectionTransforms, ComplementMapsCodesToTheirNegativeAndZeroToItself) {
    expectAll(ComplementCodes, {
                                   {u"A"_s, QString(Chr(256 - 65))},
                                   {u"\r\n"_s, QString(Chr(243)) + Chr(246)},
                                   {QString(QChar(0)), QString(QChar(0))},
                               });
    QString everyByte;
    for (int code = 0; code < 256; ++code)
        everyByte += Chr(code);
    const QString once = ComplementCodes(everyByte);
    for (int code = 0; code < 256; ++code)
        EXPECT_EQ(Asc(once.at(code)), code == 0 ? 0 : 256 - code) << code;
    EXPECT_EQ(ComplementCodes(once), everyByte);
}

} // namespace

#include "core/text/random_generator.h"
#include "core/text/random_text.h"
#include "core/text/random_text_data.h"

#include <QRegularExpression>
#include <QSet>
#include <climits>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int Seeds = 2000;
const double JustBelowOne = std::nextafter(1.0, 0.0);

void restart(double seed) {
    Rnd().reset();
    Rnd().seed(seed);
}

[[nodiscard]] std::vector<double> draws(int count) {
    std::vector<double> values;
    for (int i = 0; i < count; ++i)
        values.push_back(Rnd().draw());
    return values;
}

// Runs check on one result of make for each of many seeds.
void forManySeeds(const std::function<QString()>& make,
                  const std::function<void(const QString&)>& check) {
    for (int seed = 0; seed < Seeds; ++seed) {
        restart(seed);
        const QString result = make();
        SCOPED_TRACE(result.toStdString());
        check(result);
    }
}

[[nodiscard]] QSet<QString> results(const std::function<QString()>& make) {
    QSet<QString> seen;
    for (int seed = 0; seed < Seeds; ++seed) {
        restart(seed);
        seen.insert(make());
    }
    return seen;
}

[[nodiscard]] bool matches(const QString& pattern, const QString& text) {
    return QRegularExpression(u'^' + pattern + u'$').match(text).hasMatch();
}

} // namespace

TEST(RandomGenerator, DrawsFillTheUnitIntervalEvenly) {
    restart(7);
    std::vector<int> buckets(10, 0);
    for (double r : draws(100000)) {
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        ++buckets[static_cast<int>(r * 10)];
    }
    for (int count : buckets) {
        EXPECT_GT(count, 9500);
        EXPECT_LT(count, 10500);
    }
}

TEST(RandomGenerator, ResetAndSeedRepeatTheSequenceWhateverCameBefore) {
    restart(1234.5);
    const std::vector<double> first = draws(20);
    (void)draws(777);
    Rnd().seedFromClock();
    restart(1234.5);
    EXPECT_EQ(draws(20), first);
    restart(1234.0);
    EXPECT_NE(draws(20), first);

    restart(0.0);
    const std::vector<double> zero = draws(5);
    restart(-0.0);
    EXPECT_EQ(draws(5), zero);

    Rnd().reset();
    RandomGenerator fresh;
    EXPECT_EQ(Rnd().draw(), fresh.draw());
}

TEST(RandomGenerator, SeedAndClockMixWithTheCurrentState) {
    RandomGenerator a;
    RandomGenerator b;
    (void)b.draw();
    a.seed(42);
    b.seed(42);
    EXPECT_NE(a.draw(), b.draw());

    Rnd().reset();
    const std::vector<double> fixed = draws(5);
    Rnd().reset();
    Rnd().seedFromClock();
    EXPECT_NE(draws(5), fixed);
}

TEST(RandomInt, DrawMapsOntoTheClosedRangeEvenAtTheExtremes) {
    struct Case {
        double r;
        int lo;
        int hi;
        int expected;
    };
    const Case cases[] = {
        {0.0, 1, 6, 1},
        {0.5, 1, 6, 4},
        {JustBelowOne, 1, 6, 6},
        {0.0, INT_MIN, INT_MAX, INT_MIN},
        {0.5, INT_MIN, INT_MAX, 0},
        {JustBelowOne, INT_MIN, INT_MAX, INT_MAX},
        {JustBelowOne, INT_MAX - 1, INT_MAX, INT_MAX},
        {0.0, INT_MAX - 1, INT_MAX, INT_MAX - 1},
        {JustBelowOne, INT_MIN, INT_MIN + 1, INT_MIN + 1},
        {JustBelowOne, INT_MAX, INT_MAX, INT_MAX},
        {JustBelowOne, -1, 0, 0},
        {0.3, 5, 5, 5},
        // Empty and reversed ranges give lo.
        {0.7, 5, 4, 5},
        {JustBelowOne, 10, 1, 10},
        {0.7, INT_MAX, INT_MIN, INT_MAX},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.r << " " << c.lo << ".." << c.hi);
        EXPECT_EQ(RandomIntFromDraw(c.r, c.lo, c.hi), c.expected);
    }
}

TEST(RandomInt, EveryValueOfASmallRangeOccursAndNoOther) {
    struct Range {
        int lo;
        int hi;
    };
    for (const Range range : {Range{5, 5}, Range{0, 1}, Range{-3, 3}, Range{INT_MAX - 1, INT_MAX},
                              Range{INT_MIN, INT_MIN + 1}}) {
        restart(range.lo);
        QSet<int> seen;
        for (int i = 0; i < 1000; ++i) {
            const int value = RandomInt(range.lo, range.hi);
            ASSERT_GE(value, range.lo);
            ASSERT_LE(value, range.hi);
            seen.insert(value);
        }
        EXPECT_EQ(seen.size(), qint64(range.hi) - range.lo + 1);
    }
}

TEST(RandomInt, EmptyRangeStillTakesOneDraw) {
    restart(9);
    EXPECT_EQ(RandomInt(1, 0), 1);
    const double after = Rnd().draw();
    restart(9);
    (void)RandomInt(1, 6);
    EXPECT_EQ(Rnd().draw(), after);
}

TEST(RandomChar, PicksEachPositionByItsShare) {
    EXPECT_EQ(RandomChar(QString()), QString());
    EXPECT_EQ(RandomChar(u"x"_s), u"x"_s);
    restart(3);
    int a = 0;
    for (int i = 0; i < 4000; ++i) {
        const QString c = RandomChar(u"aaab"_s);
        ASSERT_TRUE(c == u"a"_s || c == u"b"_s) << c.toStdString();
        a += c == u"a"_s;
    }
    EXPECT_GT(a, 2800);
    EXPECT_LT(a, 3200);
}

TEST(ShuffleChars, KeepsTheCharactersAndReachesEveryOrder) {
    EXPECT_EQ(ShuffleChars(QString()), QString());
    EXPECT_EQ(results([] { return ShuffleChars(u"aab"_s); }),
              (QSet<QString>{u"aab"_s, u"aba"_s, u"baa"_s}));

    const QString text = u"Příliš žluťoučký kůň\r\n"_s;
    restart(5);
    QString shuffled = ShuffleChars(text);
    QString sorted = text;
    std::sort(shuffled.begin(), shuffled.end());
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(shuffled, sorted);
}

TEST(RandomSyllable, HasOneVowelInEveryShape) {
    const QString shapes = u"[BCDFGHJKLMNPQRSTVWXZ][AEIOUY][BCDFGHJKLMNPQRSTVWXZ]?|"
                           "[AEIOUY][BCDFGHJKLMNPQRSTVWXZ]?"_s;
    forManySeeds(RandomSyllable, [&](const QString& s) { EXPECT_TRUE(matches(shapes, s)); });
    QSet<qsizetype> lengths;
    QSet<bool> startsWithVowel;
    for (const QString& s : results(RandomSyllable)) {
        lengths.insert(s.size());
        startsWithVowel.insert(QStringView(u"AEIOUY").contains(s[0]));
    }
    EXPECT_EQ(lengths, (QSet<qsizetype>{1, 2, 3}));
    EXPECT_EQ(startsWithVowel.size(), 2);
}

TEST(RandomWord, IsOneToFourUpperCaseSyllables) {
    static const QRegularExpression vowel(u"[AEIOUY]"_s);
    QSet<qsizetype> syllableCounts;
    forManySeeds(RandomWord, [&](const QString& word) {
        EXPECT_TRUE(matches(u"[A-Z]{1,12}"_s, word));
        // Every syllable holds exactly one vowel.
        const qsizetype syllables = word.count(vowel);
        EXPECT_GE(syllables, 1);
        EXPECT_LE(syllables, 4);
        syllableCounts.insert(syllables);
    });
    EXPECT_EQ(syllableCounts.size(), 4);
}

TEST(RandomName, IsCapitalisedWordsWithSeparatorsParticlesAndTails) {
    const QString word = u"[A-Z][a-z]{0,11}"_s;
    const QString grammar = u"(?:['!]?[a-z]{1,3}['!-]|['!])?"_s + word +
                            u"(?:[ '-](?:[a-z]{1,3}['!-])?"_s + word +
                            u"){0,3}(?:['!-][a-z]{1,3})?"_s;
    static const QRegularExpression upper(u"[A-Z]"_s);
    QSet<qsizetype> wordCounts;
    QSet<QChar> firstChars;
    forManySeeds(RandomName, [&](const QString& name) {
        EXPECT_TRUE(matches(grammar, name));
        const qsizetype words = name.count(upper);
        wordCounts.insert(words);
        firstChars.insert(name[0]);
        if (name.startsWith(u'!')) {
            EXPECT_GT(words, 1);
        }
    });
    EXPECT_EQ(wordCounts, (QSet<qsizetype>{1, 2, 3, 4}));
    EXPECT_TRUE(firstChars.contains(u'\''));
    EXPECT_TRUE(firstChars.contains(u'!'));
    EXPECT_FALSE(firstChars.contains(u'-'));
    EXPECT_FALSE(firstChars.contains(u' '));
}

TEST(RandomSentence, IsOneLineStartingHighAndEndingInAMarkWithEveryQuoteClosed) {
    static const QRegularExpression closedAtEnd(u"[\")] [.?!]$"_s);
    static const QRegularExpression dashAtEnd(u" - [.?!]$"_s);
    QSet<QChar> endings;
    int closed = 0;
    forManySeeds(RandomSentence, [&](const QString& sentence) {
        ASSERT_GE(sentence.size(), 2);
        EXPECT_EQ(sentence[0], sentence[0].toUpper());
        EXPECT_NE(sentence[0], u' ');
        endings.insert(sentence.back());
        EXPECT_FALSE(sentence.contains(u'\r') || sentence.contains(u'\n'));
        EXPECT_FALSE(sentence.contains(u"  "_s));
        // A quoted clause is always closed, also when it is the last one; the
        // dash joiner opens nothing at the end.
        EXPECT_EQ(sentence.count(u'"') % 2, 0);
        if (sentence.count(u'"') > 0) {
            EXPECT_TRUE(sentence.contains(u"\" "_s));
        }
        closed += closedAtEnd.match(sentence).hasMatch();
        EXPECT_FALSE(dashAtEnd.match(sentence).hasMatch());
    });
    EXPECT_EQ(endings, (QSet<QChar>{u'.', u'?', u'!'}));
    EXPECT_GT(closed, 0);
}

TEST(RandomParagraph, IsSentencesSeparatedBySingleSpaces) {
    forManySeeds(RandomParagraph, [](const QString& paragraph) {
        EXPECT_FALSE(paragraph.startsWith(u' '));
        EXPECT_TRUE(QStringView(u".?!").contains(paragraph.back()));
        EXPECT_FALSE(paragraph.contains(u"  "_s));
    });
    // Its first sentence is the first one drawn after the count.
    restart(11);
    (void)RandomInt(1, 5);
    const QString firstSentence = RandomSentence();
    restart(11);
    EXPECT_TRUE(RandomParagraph().startsWith(firstSentence));
}

TEST(RandomSmiley, IsHatEyesNoseMouthBeardInThatOrder) {
    const auto set = [](QStringView pool) {
        return u'[' + QRegularExpression::escape(pool.toString()) + u']';
    };
    const QString shape = set(SmileyHats) + u'?' + set(SmileyEyes) + set(SmileyNoses) + u'?' +
                          set(SmileyMouths) + set(SmileyBeards) + u'?';
    QSet<qsizetype> lengths;
    forManySeeds(RandomSmiley, [&](const QString& smiley) {
        EXPECT_TRUE(matches(shape, smiley));
        lengths.insert(smiley.size());
    });
    EXPECT_EQ(lengths, (QSet<qsizetype>{2, 3, 4, 5}));
}

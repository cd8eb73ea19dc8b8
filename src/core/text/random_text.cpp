#include "core/text/random_text.h"

#include "core/text/random_generator.h"
#include "core/text/random_text_data.h"

#include <QStringList>
#include <algorithm>
#include <utility>

namespace {

[[nodiscard]] QString pick(QStringView pool) {
    const int position = RandomInt(1, static_cast<int>(pool.size()));
    return position <= pool.size() ? QString(pool[position - 1]) : QString();
}

// True with probability 1 in n.
[[nodiscard]] bool oneIn(int n) {
    return RandomInt(1, n) == 1;
}

// Only spaces: the tokens may end in other punctuation that must stay.
[[nodiscard]] QString trimSpaces(const QString& s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s[begin] == u' ')
        ++begin;
    while (end > begin && s[end - 1] == u' ')
        --end;
    return s.mid(begin, end - begin);
}

[[nodiscard]] QString properCase(const QString& word) {
    return word.left(1).toUpper() + word.mid(1).toLower();
}

[[nodiscard]] QString nameSeparator(int i, int n) {
    if (i == 1 && n > 1)
        return pick(NameFirstSeparators);
    if (i < n)
        return pick(NameInnerSeparators);
    QString separator = pick(n == 1 ? NameSingleSeparators : NameLastSeparators);
    if (oneIn(3)) {
        separator += RandomSyllable().toLower();
        separator += pick(NameGlue);
    }
    return separator;
}

[[nodiscard]] QString randomNumber() {
    QString number = QString::number(RandomInt(0, 1000));
    if (oneIn(4))
        number += u'.' + QString::number(RandomInt(0, 99));
    if (oneIn(8))
        number += u'e' + QString::number(RandomInt(1, 99));
    return number;
}

[[nodiscard]] QString styledWord() {
    switch (RandomInt(1, 5)) {
    case 1:
        return RandomWord();
    case 2:
        return u'/' + RandomWord().toLower() + u'/';
    case 3:
        return u'*' + RandomWord().toLower() + u'*';
    case 4:
        return u'_' + RandomWord().toLower() + u'_';
    default:
        return RandomSmiley();
    }
}

// Plain lower-case words are the rule; names, numbers and styled words the
// seasoning.
[[nodiscard]] QString sentenceToken() {
    const int k = RandomInt(1, 41);
    if (k <= 3)
        return RandomName();
    if (k == 4)
        return randomNumber();
    if (k == 5)
        return styledWord();
    return RandomWord().toLower();
}

[[nodiscard]] QString randomClause() {
    QString clause;
    const int tokens = RandomInt(1, 6);
    for (int i = 0; i < tokens; ++i)
        clause += u' ' + sentenceToken();
    return trimSpaces(clause);
}

} // namespace

int RandomIntFromDraw(double r, int lo, int hi) {
    const qint64 span = qint64(hi) - qint64(lo) + 1;
    if (span <= 0)
        return lo;
    // The range must hold whatever the rounding of r * span.
    const auto offset =
        std::clamp(static_cast<qint64>(r * static_cast<double>(span)), qint64(0), span - 1);
    return static_cast<int>(qint64(lo) + offset);
}

int RandomInt(int lo, int hi) {
    return RandomIntFromDraw(Rnd().draw(), lo, hi);
}

QString RandomChar(const QString& s) {
    return pick(s);
}

QString ShuffleChars(const QString& s) {
    QString shuffled = s;
    const int n = static_cast<int>(s.size());
    for (int i = 1; i <= n; ++i) {
        const int j = RandomInt(1, n);
        std::swap(shuffled[i - 1], shuffled[j - 1]);
    }
    return shuffled;
}

QString RandomSyllable() {
    switch (RandomInt(1, 6)) {
    case 1:
    case 2: {
        QString syllable = pick(SyllableConsonants);
        syllable += pick(SyllableVowels);
        return syllable + pick(SyllableConsonants);
    }
    case 3:
    case 4: {
        QString syllable = pick(SyllableConsonants);
        return syllable + pick(SyllableVowels);
    }
    case 5: {
        QString syllable = pick(SyllableVowels);
        return syllable + pick(SyllableConsonants);
    }
    default:
        return pick(SyllableVowels);
    }
}

QString RandomWord() {
    QString word;
    const int syllables = RandomInt(1, 4);
    for (int i = 0; i < syllables; ++i)
        word += RandomSyllable();
    return word;
}

QString RandomName() {
    const int n = RandomInt(1, 4);
    QStringList words;
    for (int i = 0; i < n; ++i)
        words.append(properCase(RandomWord()));
    QString name;
    for (int i = 1; i <= n; ++i)
        name += nameSeparator(i, n) + words[i - 1];
    if (oneIn(4)) {
        name += pick(NameGlue);
        name += RandomSyllable().toLower();
    }
    return trimSpaces(name);
}

QString RandomSentence() {
    const int count = RandomInt(1, 6);
    QStringList clauses;
    for (int i = 0; i < count; ++i)
        clauses.append(randomClause());
    clauses[0][0] = clauses[0][0].toUpper();

    QString sentence = clauses[0];
    QStringView pending;
    for (int i = 1; i < count; ++i) {
        if (!pending.isEmpty()) {
            sentence += pending;
            sentence += clauses[i];
            pending = {};
            continue;
        }
        const SentenceJoiner& joiner = SentenceJoiners[RandomInt(1, 15) - 1];
        sentence += joiner.joiner;
        sentence += clauses[i];
        pending = joiner.closing;
        // A dash before the last clause opens nothing that still needs closing.
        if (joiner.closing == joiner.joiner && i == count - 1)
            pending = {};
    }
    sentence += pending;
    return sentence + pick(SentenceEnds);
}

QString RandomParagraph() {
    QString paragraph;
    const int sentences = RandomInt(1, 5);
    for (int i = 0; i < sentences; ++i)
        paragraph += u' ' + RandomSentence();
    return trimSpaces(paragraph);
}

QString RandomSmiley() {
    QString smiley;
    if (oneIn(6))
        smiley += pick(SmileyHats);
    smiley += pick(SmileyEyes);
    if (oneIn(5))
        smiley += pick(SmileyNoses);
    smiley += pick(SmileyMouths);
    if (oneIn(10))
        smiley += pick(SmileyBeards);
    return smiley;
}

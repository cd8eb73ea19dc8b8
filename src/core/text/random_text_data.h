#pragma once

#include <QStringView>
#include <array>

// The character pools of the random texts. A character that occurs k times in
// a pool of n characters is drawn with probability k/n, so repetition is the
// weighting.

// Letters of syllables; Y counts as a vowel.
extern const QStringView SyllableConsonants;
extern const QStringView SyllableVowels;

// Separators of the words of a name.
extern const QStringView NameFirstSeparators;  // before the first of several words
extern const QStringView NameInnerSeparators;  // between middle words
extern const QStringView NameSingleSeparators; // before a name's only word
extern const QStringView NameLastSeparators;   // before the last of several words
// Glue after a lower-case particle and before a lower-case tail.
extern const QStringView NameGlue;

// How one clause of a sentence is joined to the previous one, and the text
// that closes the insertion it opens (empty when it opens none).
struct SentenceJoiner {
    QStringView joiner;
    QStringView closing;
};
// Chosen by a draw from 1 to 15; index 0 is choice 1.
extern const std::array<SentenceJoiner, 15> SentenceJoiners;
extern const QStringView SentenceEnds;

// Parts of a text smiley, left to right.
extern const QStringView SmileyHats;
extern const QStringView SmileyEyes;
extern const QStringView SmileyNoses;
extern const QStringView SmileyMouths;
extern const QStringView SmileyBeards;

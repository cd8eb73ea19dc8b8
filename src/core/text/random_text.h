#pragma once

#include <QString>

// Random filler text: pronounceable nonsense with names, numbers, emphasis
// marks and smileys. Every function draws from the program-wide generator
// Rnd(); none keeps state of its own.

// The whole number from lo to hi (both included) that the draw r, 0 <= r < 1,
// falls on: lo + floor(r * (hi - lo + 1)), computed in 64 bits and kept in the
// range even where floating-point rounding would step out of it. A reversed
// range (lo > hi) is empty and gives lo.
[[nodiscard]] int RandomIntFromDraw(double r, int lo, int hi);

// RandomIntFromDraw with one fresh draw. Every call makes exactly one draw,
// also for an empty range, so the draws that follow never depend on the
// arguments.
[[nodiscard]] int RandomInt(int lo, int hi);

// One character of s, each position equally likely; "" for an empty s.
[[nodiscard]] QString RandomChar(const QString& s);

// s with its characters randomly rearranged.
[[nodiscard]] QString ShuffleChars(const QString& s);

// Upper case, 1 to 3 letters, exactly one of them a vowel of AEIOUY.
[[nodiscard]] QString RandomSyllable();

// Upper case, 1 to 4 syllables.
[[nodiscard]] QString RandomWord();

// 1 to 4 capitalised words joined by spaces and hyphens, sometimes with an
// apostrophe or "!" in front, a lower-case particle glued before the last
// word or a short lower-case tail. No space at either end.
[[nodiscard]] QString RandomName();

// 1 to 6 clauses of words, names, numbers and smileys, joined by
// punctuation, brackets or quotes, ending in ".", "?" or "!". One line.
[[nodiscard]] QString RandomSentence();

// 1 to 5 sentences separated by single spaces.
[[nodiscard]] QString RandomParagraph();

// 2 to 5 characters: an optional hat, eyes, an optional nose, a mouth and an
// optional beard.
[[nodiscard]] QString RandomSmiley();

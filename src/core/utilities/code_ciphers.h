#pragma once

#include "core/text/random_generator.h"

#include <QString>

// Ciphers over the characters' codes in the program's code page. Their
// results may hold any code from 1 to 255, control codes included.

// Every character's 8-bit code rotated left by bits (taken modulo 8), so a
// rotation by k is undone by one by 8 - k.
[[nodiscard]] QString RotateCharBits(const QString& text, int bits);

// Every code XOR a stream byte from 1 to 254 that the key alone decides,
// except a code equal to its stream byte and a NUL, which stay as they are.
// No code becomes 0, and applying it twice with the same key restores every
// text. The stream comes from a generator of its own, reset and seeded with
// the key, so the program-wide generator is not touched and the output
// depends on nothing drawn before.
[[nodiscard]] QString KeyedStream(const QString& text, double key);

// Every letter A to Z, in either case, replaced by a random member of its
// set of look-alikes (the letter in both cases and the digits and symbols
// that resemble it); one draw of generator for every character, also for
// those that stay as they are.
[[nodiscard]] QString LookAlikeTranscription(const QString& text,
                                             RandomGenerator& generator = Rnd());

// The look-alike set of a character: the letter's set, or the character alone.
[[nodiscard]] QString LookAlikeSet(QChar c);

// The five lines that show the sets, one column per letter, each line ended
// by CR LF.
[[nodiscard]] QString LookAlikeOverview();

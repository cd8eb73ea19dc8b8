#pragma once

#include <QString>

// Ciphers that move the letters A to Z within their alphabet. A letter is a
// character whose upper-case form is one of A to Z, so accented letters are
// not; a letter keeps its case, every other character stays as it is.

// Every letter moved places forward, wrapping from Z to A. Any whole number
// works: it counts modulo 26, so 26 (or -26) leaves the text unchanged and
// -3 undoes 3.
[[nodiscard]] QString ShiftCipher(const QString& text, int places);

// Every letter moved forward (encrypt) or back (decrypt) by the key digit of
// its position. The key is used in turn from its first character again after
// its last; every character takes a key position, letter or not. A key
// character that is no digit, and an empty key, move by 0.
[[nodiscard]] QString CronfeldEncrypt(const QString& text, const QString& key);
[[nodiscard]] QString CronfeldDecrypt(const QString& text, const QString& key);

// The whole number a key box's text begins with, after blanks at both ends:
// an optional sign and digits, the integer part of a fraction, in plain
// decimal without leading zeros; "0" when the text begins with no number.
// "007" gives "7", "12abc" "12", "-3.9" "-3", "abc" "0".
[[nodiscard]] QString NormalisedKeyText(const QString& text);

// A random key of 15 digits whose first is not 0, so normalising keeps it.
[[nodiscard]] QString RandomDigitKey();

#pragma once

#include <QString>

// The error number of a result too large for its type.
inline constexpr int OverflowErrorNumber = 6;

// The value of a text of binary digits: each "1" at distance k from the end
// adds 2^k; every other character adds nothing ("1x1" -> 5, "" -> 0).
// Throws ProgramError (OverflowErrorNumber, "Overflow") for a "1" worth 2^31
// or more.
[[nodiscard]] int BinToNumber(const QString& bits);

// The value of the hexadecimal digits (either case) the text opens with, up to
// the first other character: "1Z" reads 1, "Z1" and "" read 0. Meant for
// short groups of digits; a longer run than an int holds overflows.
[[nodiscard]] int LeadingHexValue(QStringView text);

// The binary digits of n without leading zeros; "0" for n <= 0.
[[nodiscard]] QString NumberToBin(int n);

// n in Roman numerals, additive forms only (4 -> IIII, 9 -> VIIII,
// 5000 -> MMMMM); "0" for n <= 0.
[[nodiscard]] QString RomanNumeral(int n);

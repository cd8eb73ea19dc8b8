#pragma once

#include <QString>

// How the calculator writes and reads its numbers: a decimal comma, and the
// exponent form (mantissa, "E", sign, at least two digits) for magnitudes
// from 10^15 up and below 10^-4.

// The significant digits of a double and of the single-precision random value.
inline constexpr int DoubleDigits = 15;
inline constexpr int SingleDigits = 7;

// value with at most digits significant digits, the last rounded to nearest,
// no trailing zeros, no comma for whole values: 0.1 + 0.2 -> "0,3",
// 1e15 -> "1E+15", 1e-5 -> "1E-05", -0.0 -> "0". value must be finite.
[[nodiscard]] QString FormatCalculatorNumber(double value, int digits = DoubleDigits);

// The number a display text reads as: an optional "-", digits with at most
// one decimal comma (at least one digit in all), and an optional exponent
// part: "E", an optional sign, digits. "0," reads as 0, ",5" as 0.5.
// Throws ProgramError for any other text (type mismatch) and for a number
// too large for a double (overflow); a number too small for one reads as 0.
[[nodiscard]] double ReadCalculatorNumber(const QString& text);

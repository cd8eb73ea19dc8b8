#pragma once

#include <QString>

// The numbers of the calculator's run-time errors, as the error box shows them
// (an overflow is OverflowErrorNumber of number_text.h).
inline constexpr int InvalidArgumentErrorNumber = 5;
inline constexpr int DivisionByZeroErrorNumber = 11;
inline constexpr int TypeMismatchErrorNumber = 13;

// Where the error box says the calculator's errors come from.
inline const QString CalculatorErrorSource = QStringLiteral("Kalkul");

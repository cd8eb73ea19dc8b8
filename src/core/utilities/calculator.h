#pragma once

#include <QString>
#include <optional>

// The two-operand operators; each waits for its second operand.
enum class CalculatorOperator : char16_t {
    Add = u'+',
    Subtract = u'-',
    Multiply = u'*',
    Divide = u'/',
    // The first operand's logarithm to the base of the second.
    Logarithm = u'L',
    // The first operand to the power of the second.
    Power = u'^',
};

// The keys that replace the display by a function of its value.
enum class CalculatorFunction {
    SquareRoot,
    Square,
    // Sine, cosine, tangent and cotangent take degrees.
    Sine,
    Cosine,
    Tangent,
    Cotangent,
    Abs,
    // The whole part below a fraction under one half, the next whole number
    // from one half up (2,3 -> 2, 2,5 -> 3, -2,7 -> -3).
    Int,
};

// a op x. Throws ProgramError for a result that is not a finite number: the
// logarithm of zero or a negative number or to the base 1, zero to a negative
// power, a negative number to a fractional power, division by zero, overflow.
[[nodiscard]] double Calculate(CalculatorOperator op, double a, double x);

// function(x). Throws ProgramError for the square root of a negative number,
// the cotangent of 0 and a result too large.
[[nodiscard]] double ApplyFunction(CalculatorFunction function, double x);

// The single-precision value written by the random key for a draw r of the
// program's generator (0 <= r < 1): r as a float, still below 1.
[[nodiscard]] float SingleRandom(double draw);

// The calculator's state: its display text and the operation waiting for its
// second operand. Every key that reads or computes either succeeds or throws
// ProgramError and leaves the display as it was.
class Calculator {
public:
    // What the "=" key came to.
    enum class Outcome { Computed, DivisionByZero };

    [[nodiscard]] const QString& display() const { return m_display; }
    [[nodiscard]] std::optional<CalculatorOperator> pendingOperator() const { return m_pending; }
    [[nodiscard]] double firstOperand() const { return m_firstOperand; }

    // Digit 0 to 9: replaces a display of "0", otherwise appended (also to a result).
    void typeDigit(int digit);
    // Appends a decimal comma unless the display holds one.
    void typeComma();
    // Remembers the display's value and op, and starts a fresh entry of "0".
    // Throws when the display does not read as a number; nothing changes then.
    // Operators do not chain: while one is pending this does nothing.
    void setPendingOperator(CalculatorOperator op);
    // Computes the pending operation with the display as second operand and
    // shows the result. Division by exactly 0 computes nothing and keeps the
    // display. Whatever the outcome, even a throw, nothing is pending after.
    Outcome evaluate();
    // Replaces the display by function of its value; also while an operator
    // is pending (it then changes the second operand).
    void apply(CalculatorFunction function);
    // The constant keys: they replace the display without reading it.
    void showRandom(float value);
    void showPi();
    void showE();
    // Clears the entry, not the calculation: a pending operation stays.
    void clearEntry();
    void dropLast();
    void dropFirst();

private:
    QString m_display = QStringLiteral("0");
    std::optional<CalculatorOperator> m_pending;
    double m_firstOperand = 0;
};

#include "core/utilities/calculator.h"

#include "core/text/number_text.h"
#include "core/text/program_error.h"
#include "core/utilities/calculator_errors.h"
#include "core/utilities/calculator_number.h"
#include "core/utilities/keypad_text.h"

#include <cmath>

namespace {

// The degree conversion uses pi to 15 digits, not the full double, so 45
// degrees has a tangent just below 1 and 90 degrees a cosine just above 0.
constexpr double Pi15 = 3.14159265358979;
constexpr double RadiansPerDegree = Pi15 / 180;
// Euler's number to six decimals.
constexpr double E6 = 2.718282;

[[noreturn]] void Fail(int number, const QString& description) {
    throw ProgramError(number, description, CalculatorErrorSource);
}

// A result that is no finite number is reported, never shown.
double Checked(double result) {
    if (std::isinf(result))
        Fail(OverflowErrorNumber, QStringLiteral("Výsledek je příliš velký"));
    if (std::isnan(result))
        Fail(InvalidArgumentErrorNumber, QStringLiteral("Výsledek není definován"));
    return result;
}

double Logarithm(double a, double base) {
    if (a <= 0 || base <= 0)
        Fail(InvalidArgumentErrorNumber,
             QStringLiteral("Logaritmus je definován jen pro kladná čísla"));
    if (base == 1)
        Fail(DivisionByZeroErrorNumber, QStringLiteral("Logaritmus o základu 1 není definován"));
    return std::log(a) / std::log(base);
}

double Power(double a, double x) {
    if (a == 0 && x < 0)
        Fail(DivisionByZeroErrorNumber, QStringLiteral("Nulu nelze umocnit na záporné číslo"));
    if (a < 0 && x != std::trunc(x))
        Fail(InvalidArgumentErrorNumber,
             QStringLiteral("Záporné číslo nelze umocnit na neceločíselný exponent"));
    return std::pow(a, x);
}

double Cotangent(double degrees) {
    const double tangent = std::tan(degrees * RadiansPerDegree);
    if (tangent == 0)
        Fail(DivisionByZeroErrorNumber, QStringLiteral("Kotangens úhlu %1° není definován")
                                            .arg(FormatCalculatorNumber(degrees)));
    return 1 / tangent;
}

double WholeOrNext(double x) {
    const double whole = std::floor(x);
    return x - whole < 0.5 ? whole : whole + 1;
}

double Unchecked(CalculatorFunction function, double x) {
    switch (function) {
    case CalculatorFunction::SquareRoot:
        if (x < 0)
            Fail(InvalidArgumentErrorNumber,
                 QStringLiteral("Odmocnina záporného čísla není definována"));
        return std::sqrt(x);
    case CalculatorFunction::Square:
        return x * x;
    case CalculatorFunction::Sine:
        return std::sin(x * RadiansPerDegree);
    case CalculatorFunction::Cosine:
        return std::cos(x * RadiansPerDegree);
    case CalculatorFunction::Tangent:
        return std::tan(x * RadiansPerDegree);
    case CalculatorFunction::Cotangent:
        return Cotangent(x);
    case CalculatorFunction::Abs:
        return std::abs(x);
    case CalculatorFunction::Int:
        return WholeOrNext(x);
    }
    return x;
}

} // namespace

double Calculate(CalculatorOperator op, double a, double x) {
    switch (op) {
    case CalculatorOperator::Add:
        return Checked(a + x);
    case CalculatorOperator::Subtract:
        return Checked(a - x);
    case CalculatorOperator::Multiply:
        return Checked(a * x);
    case CalculatorOperator::Divide:
        if (x == 0)
            Fail(DivisionByZeroErrorNumber, QStringLiteral("Dělení nulou"));
        return Checked(a / x);
    case CalculatorOperator::Logarithm:
        return Checked(Logarithm(a, x));
    case CalculatorOperator::Power:
        return Checked(Power(a, x));
    }
    return x;
}

double ApplyFunction(CalculatorFunction function, double x) {
    return Checked(Unchecked(function, x));
}

float SingleRandom(double draw) {
    const auto value = static_cast<float>(draw);
    // A draw just below 1 would round up to 1 in single precision.
    return value < 1.0F ? value : std::nextafter(1.0F, 0.0F);
}

void Calculator::typeDigit(int digit) {
    m_display = TypeKey(m_display, QChar(u'0' + digit));
}

void Calculator::typeComma() {
    if (!m_display.contains(u','))
        m_display += u',';
}

void Calculator::setPendingOperator(CalculatorOperator op) {
    if (m_pending)
        return;
    m_firstOperand = ReadCalculatorNumber(m_display);
    m_pending = op;
    m_display = QStringLiteral("0");
}

Calculator::Outcome Calculator::evaluate() {
    if (!m_pending)
        return Outcome::Computed;
    const CalculatorOperator op = *m_pending;
    const double a = m_firstOperand;
    m_pending.reset();
    m_firstOperand = 0;
    const double x = ReadCalculatorNumber(m_display);
    if (op == CalculatorOperator::Divide && x == 0)
        return Outcome::DivisionByZero;
    m_display = FormatCalculatorNumber(Calculate(op, a, x));
    return Outcome::Computed;
}

void Calculator::apply(CalculatorFunction function) {
    m_display = FormatCalculatorNumber(ApplyFunction(function, ReadCalculatorNumber(m_display)));
}

void Calculator::showRandom(float value) {
    m_display = FormatCalculatorNumber(value, SingleDigits);
}

void Calculator::showPi() {
    m_display = FormatCalculatorNumber(Pi15);
}

void Calculator::showE() {
    m_display = FormatCalculatorNumber(E6);
}

void Calculator::clearEntry() {
    m_display = QStringLiteral("0");
}

void Calculator::dropLast() {
    m_display = DropLastCharacter(m_display);
}

void Calculator::dropFirst() {
    m_display = DropFirstCharacter(m_display);
}

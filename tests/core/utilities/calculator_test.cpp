#include "core/text/program_error.h"
#include "core/utilities/calculator.h"
#include "core/utilities/calculator_number.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// What a row of keys left behind.
struct Typed {
    QString display;
    // The error number of each key that failed, and 0 for a division by zero.
    std::vector<int> errors;
};

// Presses the keys, blank-separated: digits, ",", the operators + - * / log ^,
// "=", the functions sqrt sq sin cos tan cot abs int, the constants pi e, and
// CE << >>.
Typed Type(Calculator& calculator, const QString& keys) {
    using Op = CalculatorOperator;
    using Fn = CalculatorFunction;
    const std::map<QString, Op> operators = {{u"+"_s, Op::Add},         {u"-"_s, Op::Subtract},
                                             {u"*"_s, Op::Multiply},    {u"/"_s, Op::Divide},
                                             {u"log"_s, Op::Logarithm}, {u"^"_s, Op::Power}};
    const std::map<QString, Fn> functions = {{u"sqrt"_s, Fn::SquareRoot}, {u"sq"_s, Fn::Square},
                                             {u"sin"_s, Fn::Sine},        {u"cos"_s, Fn::Cosine},
                                             {u"tan"_s, Fn::Tangent},     {u"cot"_s, Fn::Cotangent},
                                             {u"abs"_s, Fn::Abs},         {u"int"_s, Fn::Int}};
    Typed typed;
    for (const QString& key : keys.split(u' ', Qt::SkipEmptyParts)) {
        const QString before = calculator.display();
        try {
            if (key.size() == 1 && key[0].isDigit())
                calculator.typeDigit(key[0].digitValue());
            else if (key == u",")
                calculator.typeComma();
            else if (operators.contains(key))
                calculator.setPendingOperator(operators.at(key));
            else if (functions.contains(key))
                calculator.apply(functions.at(key));
            else if (key == u"=") {
                if (calculator.evaluate() == Calculator::Outcome::DivisionByZero)
                    typed.errors.push_back(0);
            } else if (key == u"pi")
                calculator.showPi();
            else if (key == u"e")
                calculator.showE();
            else if (key == u"CE")
                calculator.clearEntry();
            else if (key == u"<<")
                calculator.dropLast();
            else if (key == u">>")
                calculator.dropFirst();
            else
                ADD_FAILURE() << "no key " << key.toStdString();
        } catch (const ProgramError& error) {
            typed.errors.push_back(error.number);
            EXPECT_EQ(calculator.display(), before) << "a failed key changed the display";
            EXPECT_EQ(error.source, u"Kalkul"_s);
            EXPECT_FALSE(error.description.isEmpty());
        }
    }
    typed.display = calculator.display();
    return typed;
}

Typed Type(const QString& keys) {
    Calculator calculator;
    return Type(calculator, keys);
}

TEST(Calculator, KeysGiveTheDisplay) {
    const struct {
        const char16_t* keys;
        const char16_t* display;
    } cases[] = {
        // Entry: a lone "0" is replaced, the comma comes once.
        {u"", u"0"},
        {u"0", u"0"},
        {u"0 0 7", u"7"},
        {u",", u"0,"},
        {u", 5", u"0,5"},
        {u"1 , 2 , 3", u"1,23"},
        // The second operand is the "0" the operator left.
        {u"5 + =", u"5"},
        {u"2 ^ 1 0 =", u"1024"},
        // Zero to the power of zero is one, not an error.
        {u"0 ^ 0 =", u"1"},
        {u"8 log 2 =", u"3"},
        {u"0 , 1 + 0 , 2 =", u"0,3"},
        {u"5 + 3 CE 2 =", u"7"},
        {u"7 - 9 =", u"-2"},
        {u"1 / 3 =", u"0,333333333333333"},
        {u"2 / 3 =", u"0,666666666666667"},
        {u"1 0 0 log 1 0 =", u"2"},
        {u"2 ^ 0 , 5 =", u"1,4142135623731"},
        {u"2 ^ 5 0 =", u"1,12589990684262E+15"},
        // Digits append to a result; functions change the second operand.
        {u"2 + 3 = 3", u"53"},
        {u"2 + 9 sqrt =", u"5"},
        {u"3 + 4 CE", u"0"},
        // Functions of degrees use the 15-digit pi.
        {u"3 0 sin", u"0,5"},
        {u"4 5 tan", u"0,999999999999998"},
        {u"9 0 cos", u"1,61554457443259E-15"},
        {u"6 0 cos", u"0,500000000000001"},
        {u"1 8 0 cot", u"-309493162808962"},
        {u"4 5 cot", u"1"},
        {u"9 sqrt", u"3"},
        {u"1 2 sq", u"144"},
        {u"5 - 8 = abs", u"3"},
        // Int: the whole part below one half, the next whole number from it.
        {u"2 , 3 int", u"2"},
        {u"2 , 5 int", u"3"},
        {u"2 , 7 int", u"3"},
        {u"0 - 2 , 7 = int", u"-3"},
        {u"0 - 2 , 5 = int", u"-2"},
        {u"pi", u"3,14159265358979"},
        {u"e", u"2,718282"},
        {u"pi 2", u"3,141592653589792"},
        // Editing keys; the sign is a character like any other.
        {u"0 - 5 = >>", u"5"},
        {u"7 <<", u"0"},
        {u"1 2 3 <<", u"12"},
        {u"1 2 3 >>", u"23"},
        {u"1 2 3 >> >> >>", u"0"},
        // The format at its turning points.
        {u"1 0 0 0 0 0 0 0 * 1 0 0 0 0 0 0 0 0 =", u"1E+15"},
        {u"9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 + 0 =", u"999999999999999"},
        {u"1 / 1 0 0 0 0 0 =", u"1E-05"},
        {u"1 / 1 0 0 0 0 =", u"0,0001"},
        {u"0 - 1 = / 3 0 0 0 0 0 =", u"-3,33333333333333E-06"},
        // Operators do not chain: a second one is not taken before "=".
        {u"2 + 3 * 4 =", u"36"},
        {u"0 * 5 =", u"0"},
        {u"0 - 0 = * 5 =", u"0"},
    };
    for (const auto& c : cases) {
        const Typed typed = Type(QString::fromUtf16(c.keys));
        EXPECT_EQ(typed.display.toStdString(), QString::fromUtf16(c.display).toStdString())
            << QString::fromUtf16(c.keys).toStdString();
        EXPECT_TRUE(typed.errors.empty()) << QString::fromUtf16(c.keys).toStdString();
    }
}

// Every key that reads the display or computes reports its failure and
// leaves the display as it was; the display never shows "inf" or "nan".
TEST(Calculator, FailuresAreReportedAndTheDisplayStays) {
    constexpr int Invalid = 5, Overflow = 6, DivisionByZero = 11, NoNumber = 13;
    const struct {
        const char16_t* keys;
        const char16_t* display;
        std::vector<int> errors;
    } cases[] = {
        // Division by exactly zero is its own message, and the keys recover.
        {u"1 / 0 =", u"0", {0}},
        {u"1 / 0 = 4 + 2 =", u"6", {0}},
        {u"0 log 2 =", u"2", {Invalid}},
        {u"0 - 8 = log 2 =", u"2", {Invalid}},
        {u"8 log 0 =", u"0", {Invalid}},
        {u"8 log 1 =", u"1", {DivisionByZero}},
        {u"0 - 8 = ^ 0 , 5 =", u"0,5", {Invalid}},
        {u"0 - 8 = ^ 3 =", u"-512", {}},
        {u"1 0 ^ 4 0 0 =", u"400", {Overflow}},
        {u"0 cot", u"0", {DivisionByZero}},
        {u"0 - 4 = sqrt", u"-4", {Invalid}},
        // A display that does not read as a number: "-" alone, a cut exponent.
        {u"0 - 5 = << sqrt", u"-", {NoNumber}},
        {u"0 - 5 = << sin", u"-", {NoNumber}},
        {u"0 - 5 = << abs", u"-", {NoNumber}},
        {u"0 - 5 = << int", u"-", {NoNumber}},
        {u"0 - 5 = << +", u"-", {NoNumber}},
        {u"0 - 5 = << + 1 =", u"-1", {NoNumber}},
        {u"2 ^ 5 0 = << << sq", u"1,12589990684262E+", {NoNumber}},
        {u"2 ^ 5 0 = << << << sq", u"1,12589990684262E", {NoNumber}},
        {u"1 0 ^ 1 5 = , sq", u"1E+15,", {NoNumber}},
        {u"1 0 ^ 1 5 = , ^", u"1E+15,", {NoNumber}},
        // An exponent typed on grows beyond a double.
        {u"2 ^ 5 0 = 9 9 9 abs", u"1,12589990684262E+15999", {Overflow}},
    };
    for (const auto& c : cases) {
        const Typed typed = Type(QString::fromUtf16(c.keys));
        const std::string keys = QString::fromUtf16(c.keys).toStdString();
        EXPECT_EQ(typed.display.toStdString(), QString::fromUtf16(c.display).toStdString()) << keys;
        EXPECT_EQ(typed.errors, c.errors) << keys;
    }
}

TEST(Calculator, OperatorsWaitForEqualsAndFailedEqualsClearsThePending) {
    Calculator calculator;
    (void)Type(calculator, u"1 2 +"_s);
    EXPECT_EQ(calculator.pendingOperator(), CalculatorOperator::Add);
    EXPECT_EQ(calculator.firstOperand(), 12);
    EXPECT_EQ(calculator.display(), u"0"_s);
    (void)Type(calculator, u"3 ="_s);
    EXPECT_FALSE(calculator.pendingOperator().has_value());
    EXPECT_EQ(calculator.firstOperand(), 0);

    // The operator of a display that is no number is not taken.
    Calculator unread;
    (void)Type(unread, u"0 - 5 = << *"_s);
    EXPECT_FALSE(unread.pendingOperator().has_value());
    EXPECT_EQ(unread.display().toStdString(), "-");

    for (const char16_t* keys : {u"1 / 0 =", u"8 log 1 =", u"5 + << << , , ="}) {
        Calculator failing;
        (void)Type(failing, QString::fromUtf16(keys));
        EXPECT_FALSE(failing.pendingOperator().has_value())
            << QString::fromUtf16(keys).toStdString();
        EXPECT_EQ(failing.firstOperand(), 0);
    }
}

TEST(Calculator, DirectFailuresOfEveryOperationAndFunction) {
    constexpr double Huge = 1e300;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        CalculatorOperator op;
        double a;
        double x;
        int error;
    } operations[] = {
        {CalculatorOperator::Add, Huge * 1e8, Huge * 1e8, 6},
        {CalculatorOperator::Subtract, -Huge * 1e8, Huge * 1e8, 6},
        {CalculatorOperator::Multiply, Huge, Huge, 6},
        {CalculatorOperator::Divide, Huge, 1e-300, 6},
        {CalculatorOperator::Divide, 1, 0, 11},
        {CalculatorOperator::Logarithm, -1, 10, 5},
        {CalculatorOperator::Logarithm, 1, 1, 11},
        {CalculatorOperator::Power, 0, -2, 11},
        {CalculatorOperator::Power, -2, 0.5, 5},
        {CalculatorOperator::Add, nan, 1, 5},
    };
    for (const auto& c : operations) {
        try {
            (void)Calculate(c.op, c.a, c.x);
            ADD_FAILURE() << "no error for " << char(c.op) << " " << c.a << " " << c.x;
        } catch (const ProgramError& error) {
            EXPECT_EQ(error.number, c.error) << char(c.op) << " " << c.a << " " << c.x;
        }
    }
    for (const CalculatorFunction function : {CalculatorFunction::Square}) {
        EXPECT_THROW((void)ApplyFunction(function, Huge), ProgramError);
    }
    EXPECT_EQ(ApplyFunction(CalculatorFunction::Cotangent, 180),
              1 / std::tan(180 * (3.14159265358979 / 180)));
}

TEST(Calculator, RandomKeyWritesASingleBelowOneInSevenDigits) {
    EXPECT_EQ(SingleRandom(0.0), 0.0F);
    EXPECT_LT(SingleRandom(std::nextafter(1.0, 0.0)), 1.0F);
    EXPECT_EQ(SingleRandom(0.25), 0.25F);
    const struct {
        double draw;
        const char16_t* display;
    } cases[] = {
        {0.0, u"0"},
        {0.25, u"0,25"},
        {0.123456789, u"0,1234568"},
        {std::nextafter(1.0, 0.0), u"0,9999999"},
        {0.00001234567, u"1,234567E-05"},
    };
    for (const auto& c : cases) {
        Calculator calculator;
        calculator.showRandom(SingleRandom(c.draw));
        EXPECT_EQ(calculator.display(), QString::fromUtf16(c.display)) << c.draw;
    }
}

} // namespace

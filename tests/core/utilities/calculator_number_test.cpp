#include "core/text/program_error.h"
#include "core/utilities/calculator_number.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

TEST(CalculatorNumber, WritesFifteenDigitsWithACommaAndTheExponentFormAtItsEnds) {
    const struct {
        double value;
        const char16_t* text;
    } cases[] = {
        {0, u"0"},
        {-0.0, u"0"},
        {5, u"5"},
        {-2, u"-2"},
        {0.5, u"0,5"},
        {0.1 + 0.2, u"0,3"},
        {1.0 / 3, u"0,333333333333333"},
        {-2.0 / 3, u"-0,666666666666667"},
        {123456789012345, u"123456789012345"},
        {999999999999999, u"999999999999999"},
        // Rounded to fifteen digits it is 10^15 already.
        {999999999999999.5, u"1E+15"},
        {1e15, u"1E+15"},
        {-1e15, u"-1E+15"},
        {1234567890123456789.0, u"1,23456789012346E+18"},
        {1e100, u"1E+100"},
        {0.0001, u"0,0001"},
        {0.00012345, u"0,00012345"},
        {0.00001, u"1E-05"},
        {-0.0000123, u"-1,23E-05"},
        {1e-300, u"1E-300"},
        {2.718282, u"2,718282"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatCalculatorNumber(c.value), QString::fromUtf16(c.text)) << c.value;
    EXPECT_EQ(FormatCalculatorNumber(0.1234567891, SingleDigits), u"0,1234568"_s);
    EXPECT_EQ(FormatCalculatorNumber(12345678.0, SingleDigits), u"1,234568E+07"_s);
}

TEST(CalculatorNumber, ReadsWhatItWritesAndWhatTheKeysType) {
    const struct {
        const char16_t* text;
        double value;
    } cases[] = {
        {u"0", 0},           {u"7", 7},       {u"-5", -5},
        {u"0,", 0},          {u"5,", 5},      {u",5", 0.5},
        {u"-,5", -0.5},      {u"1,25", 1.25}, {u"00012", 12},
        {u"1E+15", 1e15},    {u"1E15", 1e15}, {u"1,5E-05", 1.5e-05},
        {u"-2,5E+3", -2500}, {u"1E-400", 0},  {u"3,141592653589792", 3.141592653589792},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadCalculatorNumber(QString::fromUtf16(c.text)), c.value)
            << QString::fromUtf16(c.text).toStdString();
    // What it writes reads back as the same text.
    for (const double value : {0.1 + 0.2, 1.0 / 3, 1e15, 1e-5, -123.456, 6.02214076e23}) {
        const QString text = FormatCalculatorNumber(value);
        EXPECT_EQ(FormatCalculatorNumber(ReadCalculatorNumber(text)), text);
    }
}

TEST(CalculatorNumber, TextsThatAreNoNumberFail) {
    const struct {
        const char16_t* text;
        int error;
    } cases[] = {
        {u"", 13},    {u"-", 13},      {u",", 13},     {u"-,", 13},     {u"1,2,3", 13},
        {u"1E", 13},  {u"1E+", 13},    {u"E5", 13},    {u"1e5", 13},    {u"1.5", 13},
        {u"+5", 13},  {u"5-", 13},     {u"--5", 13},   {u" 5", 13},     {u"inf", 13},
        {u"nan", 13}, {u"1E+15,", 13}, {u"1E+999", 6}, {u"-1E+400", 6},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        try {
            const double value = ReadCalculatorNumber(text);
            ADD_FAILURE() << text.toStdString() << " read as " << value;
        } catch (const ProgramError& error) {
            EXPECT_EQ(error.number, c.error) << text.toStdString();
            EXPECT_TRUE(error.description.contains(text)) << error.description.toStdString();
        }
    }
}

} // namespace

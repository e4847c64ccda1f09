#include "core/digit_calculator.h"

#include <gtest/gtest.h>

namespace {

struct CalcCase {
    const char* first;
    const char* op;
    const char* second;
    const char* result;
};

void ExpectResults(std::initializer_list<CalcCase> cases)
{
    for (const CalcCase& c : cases) {
        EXPECT_EQ(CString(c.result), Calculate(c.first, c.second, c.op))
            << '"' << c.first << "\" " << c.op << " \"" << c.second << '"';
    }
}

TEST(Calculate, SumsAndDifferencesKeepTheLongerFraction)
{
    ExpectResults({
        {"1,000", "-", "250.5", "749.5"},
        {"1.5", "+", "2.25", "3.75"},
        {"1.50", "-", "1.5", "0.00"},
        {"-1.50", "+", "1.5", "0.00"},  // a zero result carries no minus
        {"5", "-", "5", "0"},
        {"5", "-", "8", "-3"},
        {"-5", "-", "3", "-8"},
        {"-5", "-", "-8", "3"},
        {"999", "+", "1", "1000"},
        {"", "+", "", "0"},
        {"", "+", "7.5", "7.5"},
        {".5", "+", ".4", "0.9"},
        {"0.001", "-", "0.002", "-0.001"},
        {"007", "+", "0", "7"},
        {"1.", "+", "2", "3"},
        {"1 2 3", "+", "-", "123"},
    });
}

TEST(Calculate, IsExactAtAnyLength)
{
    ExpectResults({
        {"123456789012345678901234567890", "+", "987654321098765432109876543210", "1111111110111111111011111111100"},
        {"100000000000000000000000", "-", "0.000000000001", "99999999999999999999999.999999999999"},
        {"99999999999999999999", "*", "99999999999999999999", "9999999999999999999800000000000000000001"},
        {"-0.00000000000000000003", "*", "3", "-0.00000000000000000009"},
    });
}

TEST(Calculate, ProductsKeepEveryDecimal)
{
    ExpectResults({
        {"100", "*", "0.055", "5.500"},
        {"5", "*", "0.001", "0.005"},  // the point is placed after the padding
        {"1.5", "*", "2", "3.0"},
        {"0.5", "*", "0.5", "0.25"},
        {"12", "*", "12", "144"},
        {"-2", "*", "3", "-6"},
        {"-2", "*", "-3", "6"},
        {"0.00", "*", "5", "0.00"},
        {"0", "*", "5", "0"},
        {"00", "*", "5", "0"},
        {"-0", "*", "5", "0"},
        {"0", "*", "0.5", "0.0"},
        {"1,234,567", "*", "0.033", "40740.711"},
        {"", "*", "5", ""},  // a product with an empty operand is empty
        {"5", "*", " ", ""},
    });
}

TEST(Calculate, RefusesUnknownOperatorsAndMalformedOperands)
{
    ExpectResults({
        {"1", "", "2", ""},
        {"1", "/", "2", ""},
        {"1", "++", "2", ""},
        {"1a", "+", "2", ""},
        {"1", "-", "1.2.3", ""},
        {"1.2.3", "*", "2", ""},
        {"+5", "+", "1", ""},
        {"1e3", "+", "1", ""},
        {"５", "+", "1", ""},  // a full-width digit is no digit
        {"1", "*", "x", ""},
    });
}

TEST(AddSubDecimals, MinusOneSubtractsAnyOtherValueAdds)
{
    EXPECT_EQ(CString("1250.5"), AddSubDecimals("1000", "250.5", 1));
    EXPECT_EQ(CString("749.5"), AddSubDecimals("1000", "250.5", -1));
    EXPECT_EQ(CString("1250.5"), AddSubDecimals("1000", "250.5", 0));
    EXPECT_EQ(CString("7.25"), AddSubDecimals("", "7.25", 1));
    EXPECT_EQ(CString("0.00"), AddSubDecimals("3.25", "3.25", -1));
    EXPECT_EQ(CString(), AddSubDecimals("3,2x5", "1", 1));
}

TEST(DigitStrings, CompareAddAndSubtract)
{
    EXPECT_EQ(1, CompareDigits("0123", "0123"));
    EXPECT_EQ(1, CompareDigits("0124", "0123"));
    EXPECT_EQ(2, CompareDigits("0123", "1000"));
    EXPECT_EQ(1, CompareDigits("123", "99"));  // the shorter counts with leading zeros

    EXPECT_EQ(CString("1000"), AddDigits("999", "001"));
    EXPECT_EQ(CString("0579"), AddDigits("0123", "0456"));
    EXPECT_EQ(CString("1100"), AddDigits("1001", "99"));

    EXPECT_EQ(CString("0999"), SubtractDigits("1000", "0001", 1));
    EXPECT_EQ(CString("0999"), SubtractDigits("0001", "1000", -1));
    EXPECT_EQ(CString("0000"), SubtractDigits("4321", "4321", 1));
    EXPECT_EQ(CString("0198"), SubtractDigits("0002", "0200", 7));  // any other direction: b - a
}

TEST(DigitStrings, PadDigits)
{
    EXPECT_EQ(CString("005"), PadDigits("5", 3, -1));
    EXPECT_EQ(CString("500"), PadDigits("5", 3, 1));
    EXPECT_EQ(CString("5"), PadDigits("5", 3, 0));
    EXPECT_EQ(CString("12345"), PadDigits("12345", 3, -1));
    EXPECT_EQ(CString("000"), PadDigits("", 3, -1));
}

}  // namespace

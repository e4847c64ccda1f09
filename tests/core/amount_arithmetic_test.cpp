#include "core/amount_arithmetic.h"

#include <gtest/gtest.h>

namespace {

struct SumCase {
    const char* first;
    int op;
    const char* second;
    const char* result;
};

void ExpectSums(const SumCase* begin, const SumCase* end)
{
    for (const SumCase* c = begin; c != end; ++c) {
        EXPECT_EQ(CString(c->result), AddSubAmounts(c->first, c->second, c->op))
            << '"' << c->first << "\" " << (c->op == 1 ? '+' : '-') << " \"" << c->second << '"';
    }
}

TEST(AddSubAmounts, WorkedExamples)
{
    const SumCase cases[] = {
        {"1,234.5", 1, "100", "1334.50"},
        {"5", -1, "8", "-3"},
        {"-3", -1, "-4", "1"},
        {"-1,000", 1, "250.5", "-749.50"},
        {"0.5", -1, "0.75", "-0.25"},
        {".5", 1, ".25", "0.75"},
        {"12.", 1, "3", "15.00"},
        {"12.345", 1, "0", "12.34"},
        {"999,999,999", 1, "1", "1000000000"},
        {"1000000000", -1, "1", "999999999"},
        {"1234567890.12", 1, "9876543210.99", "11111111101.11"},
        {"1000000000.50", -1, "1000000000.25", "0.25"},
    };
    ExpectSums(std::begin(cases), std::end(cases));
}

TEST(AddSubAmounts, SignsZerosAndEmptyOperands)
{
    const SumCase cases[] = {
        {"", 1, "", "0"},
        {"", -1, "", "0"},
        {"7", -1, "", "7"},
        {"", -1, "7", "-7"},
        {"-5.00", 1, "5", "0.00"},  // never "-0.00"
        {"-5", 1, "5", "0"},        // never "-0"
        {"1000000000", -1, "1000000000", "0"},
        {"-", 1, "", "0"},
        {"-3", 1, "-4", "-7"},
        {"-3", 1, "4", "1"},
        {"3", 1, "-4", "-1"},
        {"3-", 1, "0", "-3"},  // a minus anywhere makes the amount negative
        {"12", 1, "3", "15"},
    };
    ExpectSums(std::begin(cases), std::end(cases));
}

TEST(AddSubAmounts, SeparatorsDecimalsAndNineDigitBoundaries)
{
    const SumCase cases[] = {
        {"1, 000", 1, "0", "1000"},
        {" 1 2 3 ", 1, "1,0", "133"},
        {"0.999", 1, "0", "0.99"},  // cut, not rounded
        {"0.5", 1, "0.5", "1.00"},  // one decimal counts as tens of hundredths
        {"12.", -1, "12", "0.00"},
        {".", 1, "", "0.00"},
        {"999,999,999.99", 1, "0.01", "1000000000.00"},  // carry from the fraction through the low part
        {"1000000000.00", -1, "0.01", "999999999.99"},   // borrow back through both boundaries
        {"123456789012345678", -1, "123456789012345679", "-1"},
        {"5000000000", -1, "999999999", "4000000001"},
        {"1000000000", -1, "999999999.99", "0.01"},
        {"2000000000.05", -1, "1000000000.10", "999999999.95"},
    };
    ExpectSums(std::begin(cases), std::end(cases));
}

TEST(AddSubAmounts, StaysExactBeyondEighteenDigits)
{
    const SumCase cases[] = {
        {"999999999999999999", 1, "1", "1000000000000000000"},
        {"3000000000000000000", 1, "3000000000000000000", "6000000000000000000"},
        {"100000000000000000000.00", -1, "0.01", "99999999999999999999.99"},
        {"-50000000000000000000", 1, "20000000000000000000.5", "-29999999999999999999.50"},
    };
    ExpectSums(std::begin(cases), std::end(cases));

    // A running total that outgrows a 32-bit high part keeps every digit.
    CString total = "0";
    for (int i = 0; i < 250; ++i)
        total = AddSubAmounts(total, "987,654,321,987,654,321.25", 1);
    EXPECT_EQ(CString("246913580496913580312.50"), total);
    for (int i = 0; i < 250; ++i)
        total = AddSubAmounts(total, "987654321987654321.25", -1);
    EXPECT_EQ(CString("0.00"), total);
}

TEST(AddSubAmounts, UnknownOperationGivesEmptyText)
{
    EXPECT_EQ(CString(), AddSubAmounts("1", "2", 0));
    EXPECT_EQ(CString(), AddSubAmounts("1", "2", 2));
}

TEST(AddSubAmounts, TextThatIsNoAmountIsReadFromLeadingDigits)
{
    EXPECT_EQ(CString("5"), AddSubAmounts("abc", "5", 1));
    EXPECT_EQ(CString("12"), AddSubAmounts("12a34", "0", 1));
}

TEST(AddSubAmountsKeepingEmpty, TwoEmptyOperandsStayEmpty)
{
    EXPECT_EQ(CString(), AddSubAmountsKeepingEmpty("", "", 1));
    EXPECT_EQ(CString(), AddSubAmountsKeepingEmpty("", "", -1));
    EXPECT_EQ(CString("-7"), AddSubAmountsKeepingEmpty("", "7", -1));
    EXPECT_EQ(CString("0"), AddSubAmountsKeepingEmpty("0", "", 1));
}

TEST(SplitAmount, PartsOfTheSplitForm)
{
    struct Case {
        const char* amount;
        bool negative;
        const char* high;
        const char* low;
        const char* fraction;
    } cases[] = {
        {"", false, "", "", ""},
        {"123", false, "", "123", ""},
        {"-1,000", true, "", "1000", ""},
        {"1234567890", false, "1", "234567890", ""},
        {"1234567890.5", false, "1", "234567890", ".50"},
        {"123456789.12", false, "", "123456789", ".12"},
        {"12.345", false, "", "12", ".34"},
        {"12.", false, "", "12", "."},
        {".5", false, "", "", ".50"},
        {"9,876,543,210,123,456,789.01", false, "9876543210", "123456789", ".01"},
    };
    for (const auto& c : cases) {
        const AmountParts parts = SplitAmount(c.amount);
        EXPECT_EQ(c.negative, parts.negative) << c.amount;
        EXPECT_EQ(CString(c.high), parts.high) << c.amount;
        EXPECT_EQ(CString(c.low), parts.low) << c.amount;
        EXPECT_EQ(CString(c.fraction), parts.fraction) << c.amount;
    }
}

TEST(AmountParts, CompareLooksAtHighThenLowThenFraction)
{
    struct Case {
        const char* a[3];
        const char* b[3];
        int expected;
    } cases[] = {
        {{"", "5", ""}, {"", "5", ""}, 1},  // equal: first not smaller
        {{"", "5", ".00"}, {"", "5", ""}, 1},
        {{"1", "0", ""}, {"", "999999999", ".99"}, 1},
        {{"", "999999999", ".99"}, {"1", "0", ""}, 2},
        {{"", "7", ".05"}, {"", "7", ".50"}, 2},
        {{"", "8", ".05"}, {"", "7", ".99"}, 1},
        {{"", "", "."}, {"", "", ""}, 1},
        {{"3000000000", "0", ""}, {"2999999999", "999999999", ""}, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.expected, CompareAmountParts(c.a[0], c.a[1], c.a[2], c.b[0], c.b[1], c.b[2]))
            << c.a[0] << "|" << c.a[1] << "|" << c.a[2] << " vs " << c.b[0] << "|" << c.b[1] << "|" << c.b[2];
    }
}

TEST(AmountParts, AddAndSubtractCarryBetweenParts)
{
    EXPECT_EQ(CString("1000000000.00"), AddAmountParts("", "999999999", ".99", "", "", ".01"));
    EXPECT_EQ(CString("1000000001"), AddAmountParts("", "999999999", "", "", "2", ""));
    EXPECT_EQ(CString("0.75"), AddAmountParts("", "", ".50", "", "", ".25"));
    EXPECT_EQ(CString("15.00"), AddAmountParts("", "12", ".", "", "3", ""));
    EXPECT_EQ(CString("0"), AddAmountParts("", "", "", "", "", ""));

    EXPECT_EQ(CString("0.25"), SubtractAmountParts("1", "000000000", ".50", "1", "000000000", ".25"));
    EXPECT_EQ(CString("999999999.99"), SubtractAmountParts("1", "000000000", ".00", "", "", ".01"));
    EXPECT_EQ(CString("0"), SubtractAmountParts("1", "000000000", "", "1", "000000000", ""));
    EXPECT_EQ(CString("1000000000"), SubtractAmountParts("2", "000000000", "", "1", "000000000", ""));
    // Out of its contract (A smaller than B) the true difference comes back signed.
    EXPECT_EQ(CString("-3"), SubtractAmountParts("", "5", "", "", "8", ""));
}

TEST(MultiplyAmountByCount, Examples)
{
    EXPECT_EQ(CString("4501.50"), MultiplyAmountByCount("1,500.5", 3));
    EXPECT_EQ(CString("-5.00"), MultiplyAmountByCount("-2.5", 2));
    EXPECT_EQ(CString("0"), MultiplyAmountByCount("7", 0));
    EXPECT_EQ(CString("0"), MultiplyAmountByCount("7.5", -2));
    EXPECT_EQ(CString("7"), MultiplyAmountByCount("7", 1));
    EXPECT_EQ(CString("0.00"), MultiplyAmountByCount("-0.001", 5));
    EXPECT_EQ(CString("0"), MultiplyAmountByCount("", 4));
    EXPECT_EQ(CString("999999999999999999990000.00"), MultiplyAmountByCount("999,999,999,999,999,999.99", 1000000));
}

TEST(MultiplyAmountByCount, EqualsRepeatedAddition)
{
    const char* amounts[] = {"1,500.5", "-2.5", "999999999.99", "12.", "0.999", "-123456789012.34", "", "-"};
    for (const char* amount : amounts) {
        CString sum = "0";
        for (int count = 1; count <= 12; ++count) {
            sum = AddSubAmounts(sum, amount, 1);
            EXPECT_EQ(sum, MultiplyAmountByCount(amount, count)) << amount << " x " << count;
        }
    }
}

}  // namespace

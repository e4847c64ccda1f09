// The running total of the books, the statements and the journal must give the
// very text that adding the amounts one by one with the text arithmetic gives,
// for any amounts.
#include "core/amount_arithmetic.h"
#include "core/amount_sum.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

struct Booking {
    CString amount;
    int op;  // 1 adds, -1 subtracts
};

// The running total must be what AddSubAmounts gives step by step from "0", at every step.
void ExpectSameAsText(const std::vector<Booking>& bookings)
{
    AmountSum sum;
    CString text = "0";
    EXPECT_EQ(text, sum.Text());
    for (const Booking& booking : bookings) {
        if (booking.op == 1)
            sum.Add(booking.amount);
        else
            sum.Subtract(booking.amount);
        text = AddSubAmounts(text, booking.amount, booking.op);
        ASSERT_EQ(text, sum.Text()) << (booking.op == 1 ? "+ \"" : "- \"") << booking.amount.str() << '"';
    }
}

TEST(AmountSum, WritesTheTotalAsTheTextArithmeticDoes)
{
    const std::vector<Booking> cases[] = {
        {{"1,000", 1}, {"250", -1}, {"30", 1}},
        {{"5", 1}, {"8", -1}},                  // below zero
        {{"3", 1}, {"3", -1}},                  // back to zero: never "-0"
        {{"1.5", 1}, {"2", 1}},                 // one "." gives two decimals from then on
        {{"0.5", 1}, {"0.75", -1}},             // "-0.25"
        {{".", 1}, {"7", 1}},                   // a bare "." too
        {{".5", 1}, {"1.234", 1}},              // one decimal is tens; a third is cut
        {{"-1,000", 1}, {"-250.5", -1}},        // signs in the amounts
        {{"", 1}, {" 12 ", 1}, {"", -1}},       // empty amounts count as zero
        {{"1.5", 1}, {"1.5", -1}},              // zero with decimals: "0.00"
    };
    for (const auto& bookings : cases)
        ExpectSameAsText(bookings);
}

TEST(AmountSum, EveryFormOfAmountGivesTheTextArithmeticsResult)
{
    // Each amount alone, added and subtracted, and after a total with decimals
    // and one below zero: separators, signs anywhere, cut decimals, a bare ".",
    // texts that are no amount and double-byte characters.
    const char* const amounts[] = {
        "",        "0",       "-0",      "-",        ",",      "1,000",     " 500",       "-300",
        "300-",    "--5",     "12.5",    ".5",       "5.",     ".",         "1.234",      "0.00",
        "-0.00",   "1.-5",    "1 2.3 4", "abc",      "12x",    "1.2.3",     "12a.5",      "1.5x",
        "表",      "１２",    "売上",    "99999999", "1000000000", "123456789012",
        "999,999,999,999,999,999.99", "-999999999999999999.99",
        "1234567890123456789012345678901234567890.12",
    };
    const char* const starts[] = {"", "1.25", "-7000"};
    for (const char* start : starts)
        for (const char* amount : amounts)
            for (int op : {1, -1})
                ExpectSameAsText({{start, 1}, {amount, op}, {"10", 1}});
}

TEST(AmountSum, EighteenDigitAmountsStayExactBeyondSixtyFourBits)
{
    // Thousands of amounts of up to 18 integer digits and 2 decimals: the total
    // leaves the range of a 64-bit number of hundredths many times over.
    std::mt19937_64 random(20240101);
    std::vector<Booking> bookings;
    for (int i = 0; i < 5000; ++i) {
        std::string digits = std::to_string(random() % 1000000000000000000ULL);
        if (random() % 3 == 0) {
            digits += '.';
            digits += std::to_string(10 + random() % 90);
        }
        bookings.push_back({CString(digits.c_str()), random() % 4 == 0 ? -1 : 1});
    }
    ExpectSameAsText(bookings);

    AmountSum big;
    for (int i = 0; i < 4; ++i)
        big.Add("999999999999999999.99");
    EXPECT_EQ(CString("3999999999999999999.96"), big.Text());
    EXPECT_TRUE(big.Exact());

    // Integer parts on either side of the largest 64-bit number are written whole.
    struct Case {
        const char* amount;
        const char* text;
    };
    for (const Case& c : {Case{"18446744073709551615", "18446744073709551615"},
                          Case{"18446744073709551616", "18446744073709551616"},
                          Case{"-123456789012345678901234.5", "-123456789012345678901234.50"}}) {
        AmountSum sum;
        sum.Add(c.amount);
        EXPECT_EQ(CString(c.text), sum.Text()) << c.amount;
        EXPECT_TRUE(sum.Exact()) << c.amount;
    }
}

TEST(AmountSum, TotalsBeyondTheNumberCarryOnAsText)
{
    // Amounts of 34 integer digits overflow the number after a few additions; the
    // total goes on as text from where it stood, and so does one met after a
    // text that is no plain amount.
    const CString huge = "9999999999999999999999999999999999.99";
    std::vector<Booking> bookings;
    for (int i = 0; i < 300; ++i)
        bookings.push_back({huge, 1});
    bookings.push_back({"1", -1});
    ExpectSameAsText(bookings);

    ExpectSameAsText({{"100", 1}, {"12abc", 1}, {"1.2.3", -1}, {"50", 1}, {"円", 1}});
    ExpectSameAsText({{"100", 1}, {"1,2x3", 1}, {"50.5", -1}, {"-20", 1}});

    AmountSum mixed;
    mixed.Add("100");
    EXPECT_TRUE(mixed.Exact());
    mixed.Add("12abc");
    EXPECT_FALSE(mixed.Exact());
}

}  // namespace

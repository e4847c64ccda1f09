#include "core/amount_format.h"

#include <gtest/gtest.h>

namespace {

constexpr int kUntouched = 99;

TEST(FormatAmount, DisplayFormsAndTheAmountFitsFlag)
{
    struct Case {
        const char* amount;
        int width;
        const char* result;
        int flag;
    } cases[] = {
        {"1234567", 0, "1,234,567", kUntouched},
        {"1234567.5", 15, "   1,234,567.50", -1},
        {"-1234.567", 12, "   -1,234.56", -1},
        {"12", 8, "   12   ", -1},
        {"123456789012", 8, "#,012   ", -1},
        {".", 6, "   .00", -1},
        {"1234567890123456", 25, " 1,234,567,890,123,456   ", 0},
        {"1,234", 9, " 1,234   ", -1},
        {"1234", 8, "1,234   ", -1},  // exactly the width
        {"-5", 0, "-5", kUntouched},
        {"5.", 0, "5.00", kUntouched},
        {"0.5", 0, "0.50", kUntouched},
        {"123", 0, "123", kUntouched},
        {"123456789012345678901", 0, "123,456,789,012,345,678,901", kUntouched},
        {"1234567890123456789012", 0, "1234,567,890,123,456,789,012", kUntouched},  // six separators at most
        {"999999999999.99", 20, "  999,999,999,999.99", -1},                          // 18 bytes fit
        {"9999999999999.99", 20, "9,999,999,999,999.99", 0},                          // 20 bytes do not
        {"", 10, "", kUntouched},
    };
    for (const auto& c : cases) {
        int flag = kUntouched;
        EXPECT_EQ(CString(c.result), FormatAmount(c.amount, c.width, &flag)) << c.amount << " width " << c.width;
        EXPECT_EQ(c.flag, flag) << c.amount << " width " << c.width;
    }
}

TEST(FormatAmount, NegativeOverflowKeepsItsSignBeforeTheMark)
{
    // Cut on the right, -123,456,789 would read as -123,456; cut on the left
    // without its sign it would read as a positive amount.
    EXPECT_EQ(CString("-#789   "), FormatAmount("-123456789", 8));
    EXPECT_EQ(CString("-#4.50"), FormatAmount("-1234.5", 6));
    EXPECT_EQ(CString("-#"), FormatAmount("-12", 2));
    EXPECT_EQ(CString("-"), FormatAmount("-12", 1));
    // An income of -123,456,789,012,344,901.25 in a cell of 26 bytes.
    EXPECT_EQ(CString("-#3,456,789,012,344,901.25"), FormatAmount("-123456789012344901.25", 26));
}

TEST(FormatAmount, WorksWithoutAFlag)
{
    EXPECT_EQ(CString("   1,000   "), FormatAmount("1000", 11));
    EXPECT_EQ(CString("   1,000   "), FormatAmount("1000", 11, nullptr));
}

TEST(FormatAmount, KeepsBlanksWhileTheDialogFormDropsThem)
{
    EXPECT_EQ(CString("1 ,000"), FormatAmount("1 000", 0));
    EXPECT_EQ(CString("1,000"), FormatAmountIgnoringBlanks("1 000", 0));
}

TEST(FormatAmountIgnoringBlanks, DialogFieldsOfEighteenBytes)
{
    struct Case {
        const char* amount;
        const char* result;
    } cases[] = {
        {"1234567", "      1,234,567   "},
        {"-1234.5", "         -1,234.50"},
        {"   ", ""},
        {"1234567890123", "#34,567,890,123   "},
        {"-1234567890123", "-#4,567,890,123   "},
    };
    for (const auto& c : cases) {
        const CString shown = FormatAmountIgnoringBlanks(c.amount, 18);
        EXPECT_EQ(CString(c.result), shown) << '"' << c.amount << '"';
        if (!shown.IsEmpty()) {
            EXPECT_EQ(18, shown.GetLength()) << '"' << c.amount << '"';
        }
    }
}

TEST(InsertThousandsSeparators, StopsAtTheGivenNumber)
{
    EXPECT_EQ(CString("1,234,567,890,123,456,789"), InsertThousandsSeparators("1234567890123456789", 6));
    EXPECT_EQ(CString("1234,567,890,123,456,789"), InsertThousandsSeparators("1234567890123456789", 5));
    EXPECT_EQ(CString("123"), InsertThousandsSeparators("123", 6));
    EXPECT_EQ(CString("1,000"), InsertThousandsSeparators("1000", 6));
    EXPECT_EQ(CString(""), InsertThousandsSeparators("", 6));
    EXPECT_EQ(CString("1000"), InsertThousandsSeparators("1000", 0));
}

TEST(FitAmountToWidth, RightAlignsOrMarksTheCut)
{
    EXPECT_EQ(CString("  1,000   "), FitAmountToWidth("1,000   ", 10));
    EXPECT_EQ(CString("1,000   "), FitAmountToWidth("1,000   ", 8));
    EXPECT_EQ(CString("#000   "), FitAmountToWidth("1,000   ", 7));
    EXPECT_EQ(CString("-#0"), FitAmountToWidth("-1,000", 3));
    EXPECT_EQ(CString("1,000   "), FitAmountToWidth("1,000   ", 0));
}

TEST(NormalizeAmount, StoredFormHasNoSeparatorsAndTwoDecimals)
{
    struct Case {
        const char* amount;
        const char* result;
    } cases[] = {
        {"1,234.5", "1234.50"},
        {"12.", "12.00"},
        {"-3.456", "-3.45"},
        {"1 000", "1000"},
        {"", ""},
        {"7", "7"},
        {".5", ".50"},
        {" , ", ""},
        {"1,000.00", "1000.00"},
        {"5-", "5-"},  // a minus stays where it is
    };
    for (const auto& c : cases)
        EXPECT_EQ(CString(c.result), NormalizeAmount(c.amount)) << '"' << c.amount << '"';
}

}  // namespace

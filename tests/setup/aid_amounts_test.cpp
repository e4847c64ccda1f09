#include "../../setup/aid_amounts.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
    const char* text;
    const char* shown;
};

TEST(AidAmounts, FormatsAtTheDialogWidth)
{
    const FormatCase cases[] = {
        {"1234567", "      1,234,567   "},
        {"-1234567.5", "     -1,234,567.50"},
        {"   ", ""},
        {"", ""},
        {"1 234", "          1,234   "},
        {".", "               .00"},
        // Thirteen digits need 17 bytes with separators and 20 with the blanks.
        {"1234567890123", "#34,567,890,123   "},
        // A negative overflow keeps the right end too, never a smaller number.
        {"-12345678901234.00", "-#5,678,901,234.00"},
    };
    for (const FormatCase& c : cases) {
        const CString shown = AidFormatAmount(c.text, 18);
        EXPECT_STREQ(c.shown, shown) << c.text;
        if (shown.GetLength() > 0) {
            EXPECT_EQ(18, shown.GetLength()) << c.text;
        }
    }
}

TEST(AidAmounts, Calculates)
{
    struct Case {
        const char* a;
        const char* b;
        int op;
        const char* result;
    } const cases[] = {
        {"1,000", "250", 1, "1250"},
        {"1,000", "250", -1, "750"},
        {"100", "250", -1, "-150"},
        {"", "", 1, "0"},
        {"", "12.5", -1, "-12.50"},
        {"0.50", "-0.50", 7, "0.00"},
        {" 1 000 ", "1", 0, "1001"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.result, AidCalculate(c.a, c.b, c.op)) << c.a << " " << c.op << " " << c.b;
}

TEST(AidAmounts, StripsSeparators)
{
    EXPECT_STREQ("1234", StripSeparators(" 1,2 34 "));
    EXPECT_STREQ("", StripSeparators(""));
    EXPECT_STREQ(" 1234 ", StripCommas(" 1,234 "));
    EXPECT_STREQ("-12.5", StripSeparators("-1,2.5"));
}

TEST(AidAmounts, RefusesWhatIsNoAmountOrCannotBeShown)
{
    // An opening balance may be negative; what the dialog's column cannot show is
    // refused on top of the amount rule (amount_check_test has its table).
    const char* const refused[] = {"1.2.3", "12a", "--5", "1.234", "現金 100", "1234567890123"};
    for (const char* text : refused)
        EXPECT_FALSE(CheckAidAmount(text, "現金", 18).IsEmpty()) << text;
    const char* const accepted[] = {"1,234,567", "-500", "12.5", "123456789012.00", "999999999999"};
    for (const char* text : accepted)
        EXPECT_TRUE(CheckAidAmount(text, "現金", 18).IsEmpty()) << text;
    EXPECT_EQ("[ 現金 ] の期首残高「12a」は数字として読めません。\n\n数字とカンマ、小数点以下2桁までの小数で入力してください。",
              CheckAidAmount("12a", "現金", 18));
}

TEST(AidAmounts, FieldsAreCheckedInOrderAndTheOverflowMarkPasses)
{
    // The first refused field is named; "#" shows a figure too long for its field.
    EXPECT_TRUE(CheckFieldAmounts({{"1,200", "期首"}, {"#123456", "期末"}, {"", "繰入"}}).IsEmpty());
    const CString first = CheckFieldAmounts({{"1.2.3", "期首"}, {"12円", "期末"}});
    const CString second = CheckFieldAmounts({{"100", "期首"}, {"12円", "期末"}});
    EXPECT_GE(first.Find("期首"), 0);
    EXPECT_LT(first.Find("期末"), 0);
    EXPECT_GE(second.Find("期末"), 0);
    EXPECT_LT(second.Find("期首"), 0);
}

TEST(AidAmounts, InventoryAndBadDebtFieldsTakeNoSignAndAtMost18Digits)
{
    EXPECT_EQ("繰入「-300」にはマイナスの符号を付けられません。", CheckFieldAmounts({{"-300", "繰入"}}));
    EXPECT_EQ("入力金額の整数が上限の18桁を超えました！\n\n期末「1234567890123456789」",
              CheckFieldAmounts({{"1234567890123456789", "期末"}}));
    EXPECT_EQ(CString(), CheckFieldAmounts({{"123,456,789,012,345,678", "期末"}}));
}

}  // namespace

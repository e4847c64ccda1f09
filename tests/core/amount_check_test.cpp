// What an amount is: one table for every field and file that takes one.
#include "core/amount_check.h"

#include <gtest/gtest.h>

namespace {

// The limits of a sale's quantity or unit price: no sign, any decimals, 15 bytes.
constexpr AmountLimits kItemLimits{false, 18, -1, 15, false};

enum Verdict { Passes, Unreadable, NoSign, TooManyDigits, TooLong };

Verdict VerdictOf(const CString& refusal)
{
    if (refusal.IsEmpty())
        return Passes;
    if (refusal.Find("数字として読めません") >= 0)
        return Unreadable;
    if (refusal.Find("マイナスの符号") >= 0)
        return NoSign;
    if (refusal.Find("入力金額の整数が上限の18桁を超えました！") == 0)
        return TooManyDigits;
    if (refusal.Find("文字までで入力") >= 0)
        return TooLong;
    ADD_FAILURE() << "unknown refusal: " << refusal;
    return Passes;
}

TEST(AmountCheck, OneTableOfCases)
{
    struct Case {
        const char* text;
        Verdict journal;   // kJournalAmount: a sign allowed
        Verdict unsigned_; // kUnsignedAmount: the aids, the cash book's opening cash
        Verdict item;      // quantity and unit price of an item
    } cases[] = {
        {"", Passes, Passes, Unreadable},
        {"   ", Passes, Passes, Unreadable},
        {"0", Passes, Passes, Passes},
        {"1,000", Passes, Passes, Passes},
        {" 1 000 ", Passes, Passes, Passes},
        {"1000.5", Passes, Passes, Passes},
        {"1000.05", Passes, Passes, Passes},
        {".5", Passes, Passes, Passes},
        {"12.", Passes, Passes, Passes},
        {"1000.005", Unreadable, Unreadable, Passes},
        {"-500", Passes, NoSign, NoSign},
        {"-1,000.50", Passes, NoSign, NoSign},
        {"12abc", Unreadable, Unreadable, Unreadable},
        {"1a2b3", Unreadable, Unreadable, Unreadable},
        {"１０００", Unreadable, Unreadable, Unreadable},  // full-width digits
        {"\x82\x4f", Unreadable, Unreadable, Unreadable},   // a double-byte character
        {"1.2.3", Unreadable, Unreadable, Unreadable},
        {"-", Unreadable, Unreadable, Unreadable},
        {".", Unreadable, Unreadable, Unreadable},
        {",", Unreadable, Unreadable, Unreadable},
        {"1-0", Unreadable, Unreadable, Unreadable},
        {"--1", Unreadable, Unreadable, Unreadable},
        {"1,000.0,0", Unreadable, Unreadable, Unreadable},
        {"+5", Unreadable, Unreadable, Unreadable},
        {"1\t0", Unreadable, Unreadable, Unreadable},
        {"12円", Unreadable, Unreadable, Unreadable},
        // 18 integer digits are the most; leading zeros do not count.
        {"123456789012345678", Passes, Passes, TooLong},
        {"123,456,789,012,345,678.99", Passes, Passes, TooLong},
        {"0000123456789012345678", Passes, Passes, TooLong},
        {"1234567890123456789", TooManyDigits, TooManyDigits, TooManyDigits},
        {"-1234567890123456789", TooManyDigits, NoSign, NoSign},
        {"123456789012345", Passes, Passes, Passes},
        {"123,456,789.012", Unreadable, Unreadable, Passes},
        {"1234567890123456", Passes, Passes, TooLong},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.journal, VerdictOf(AmountRefusal(c.text, "x", kJournalAmount))) << c.text;
        EXPECT_EQ(c.unsigned_, VerdictOf(AmountRefusal(c.text, "x", kUnsignedAmount))) << c.text;
        EXPECT_EQ(c.item, VerdictOf(AmountRefusal(c.text, "x", kItemLimits))) << c.text;
    }
}

TEST(AmountCheck, MessagesNameTheFieldAndQuoteTheText)
{
    EXPECT_EQ("原因科目1段目の金額「12abc」は数字として読めません。\n\n数字とカンマ、小数点以下2桁までの小数で入力してください。",
              AmountRefusal("12abc", "原因科目1段目の金額", kJournalAmount));
    EXPECT_EQ("貸倒引当金繰入額「-300」にはマイナスの符号を付けられません。",
              AmountRefusal("-300", "貸倒引当金繰入額", kUnsignedAmount));
    EXPECT_EQ("入力金額の整数が上限の18桁を超えました！\n\n期末商品(製品)棚卸高「1234567890123456789」",
              AmountRefusal("1234567890123456789", "期末商品(製品)棚卸高", kUnsignedAmount));
    EXPECT_EQ("数量「1a」は数字として読めません。\n\n数字とカンマ、小数点で入力してください。",
              AmountRefusal("1a", "数量", kItemLimits));
    EXPECT_EQ("単価「1234567890123456」は15文字までで入力してください。",
              AmountRefusal("1234567890123456", "単価", kItemLimits));
}

}  // namespace

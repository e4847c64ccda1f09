// Totals per account and class gathered from the journal.
#include "statement_fixtures.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<CString> Names(const AccountMap& map)
{
    std::vector<CString> names;
    for (const auto& entry : map)
        names.push_back(entry.first);
    return names;
}

void ExpectTotal(const AccountMap& map, const char* name, const char* debit, const char* credit)
{
    const AccountTotal* total = map.Find(name);
    ASSERT_NE(nullptr, total) << name;
    EXPECT_EQ(CString(debit), total->debit) << name;
    EXPECT_EQ(CString(credit), total->credit) << name;
}

TEST(AccountTotals, SmallYearFilesEveryAccountUnderItsClassInJournalOrder)
{
    FixtureJournal journal;
    AddSmallYear(journal);
    const AccountTotals totals = CollectAccountTotals(journal.View());

    EXPECT_EQ(CString("2024"), totals.fiscalYear);
    EXPECT_EQ((std::vector<CString>{"現金", "普通預金", "棚卸資産"}), Names(totals.asset));
    EXPECT_EQ((std::vector<CString>{"買掛金"}), Names(totals.liability));
    EXPECT_EQ((std::vector<CString>{"元入金"}), Names(totals.capital));
    EXPECT_EQ((std::vector<CString>{"売上"}), Names(totals.revenue));
    EXPECT_EQ((std::vector<CString>{"仕入", "通信費"}), Names(totals.expense));

    ExpectTotal(totals.asset, "現金", "220000", "12000");
    ExpectTotal(totals.asset, "普通預金", "580000", "40000");
    ExpectTotal(totals.asset, "棚卸資産", "55000", "30000");
    ExpectTotal(totals.liability, "買掛金", "40000", "90000");
    ExpectTotal(totals.capital, "元入金", "40000", "630000");
    ExpectTotal(totals.revenue, "売上", "0", "200000");
    ExpectTotal(totals.expense, "仕入", "80000", "25000");
    ExpectTotal(totals.expense, "通信費", "12000", "0");

    EXPECT_EQ((std::vector<CString>{"現金", "普通預金", "棚卸資産", "買掛金"}), Names(totals.openingCapital));
    ExpectTotal(totals.openingCapital, "現金", "100000", "0");
    ExpectTotal(totals.openingCapital, "買掛金", "40000", "0");
}

TEST(AccountTotals, EmptyJournalLeavesEverythingEmpty)
{
    const AccountTotals totals = CollectAccountTotals({});
    EXPECT_TRUE(totals.asset.IsEmpty());
    EXPECT_TRUE(totals.liability.IsEmpty());
    EXPECT_TRUE(totals.capital.IsEmpty());
    EXPECT_TRUE(totals.revenue.IsEmpty());
    EXPECT_TRUE(totals.expense.IsEmpty());
    EXPECT_TRUE(totals.openingCapital.IsEmpty());
    EXPECT_TRUE(totals.fiscalYear.IsEmpty());
}

TEST(AccountTotals, DirectionPutsEachSideWhereTheBooksPutIt)
{
    struct Case {
        int direction;
        const char* salesDebit;
        const char* salesCredit;
        const char* cashDebit;
        const char* cashCredit;
    };
    const Case cases[] = {
        {1, "0", "500", "500", "0"},  // first phrase: result rows debit
        {0, "500", "0", "0", "500"},  // second phrase: cause rows debit
        {-1, "0", "500", "500", "0"}, // no phrase: as the first, so debits equal credits
    };
    for (const Case& c : cases) {
        FixtureJournal journal;
        journal.Add("2024/03/01", {{"売上", "500"}}, {{"現金", "500"}}, c.direction, 1005000);
        const AccountTotals totals = CollectAccountTotals(journal.View());
        SCOPED_TRACE(c.direction);
        ExpectTotal(totals.revenue, "売上", c.salesDebit, c.salesCredit);
        ExpectTotal(totals.asset, "現金", c.cashDebit, c.cashCredit);
    }
}

TEST(AccountTotals, TaxMarkIsRemovedWhereTheMapFilesWithoutIt)
{
    FixtureJournal journal;
    journal.Add("2024/02/01", {{"交際費(消)", "300"}}, {{"現金", "300"}}, 0, 3005000)
        .Add("2024/02/02", {{"交際費", "200"}}, {{"現金", "200"}}, 0, 3005000)
        .Add("2024/02/03", {{"未払金(消)", "700"}}, {{"現金", "700"}}, 1, 4005000);
    const AccountTotals totals = CollectAccountTotals(journal.View());
    EXPECT_EQ((std::vector<CString>{"交際費"}), Names(totals.expense));
    ExpectTotal(totals.expense, "交際費", "500", "0");
    // The liability keeps its mark in its key and still receives its amount.
    EXPECT_EQ((std::vector<CString>{"未払金(消)"}), Names(totals.liability));
    ExpectTotal(totals.liability, "未払金(消)", "0", "700");
}

TEST(AccountTotals, AccountOfTwoClassesIsCountedOnceInItsFirstClassAndReported)
{
    FixtureJournal journal;
    journal.Add("2024/02/01", {{"消耗品", "100"}}, {{"現金", "100"}}, 0, 3005000)
        .Add("2024/02/02", {{"消耗品", "50"}}, {{"現金", "50"}}, 0, 5005000)
        .Add("2024/02/03", {{"消耗品", "20"}}, {{"現金", "20"}}, 0, 5005000)
        .Add("2024/02/04", {{"現金", "10"}}, {{"雑収入", "10"}}, 0, 5005000)
        .Add("2024/02/05", {{"雑収入", "10"}}, {{"現金", "10"}}, 1, 1005000);
    const AccountTotals totals = CollectAccountTotals(journal.View());
    ExpectTotal(totals.expense, "消耗品", "170", "0");
    EXPECT_FALSE(totals.asset.Contains("消耗品"));
    ExpectTotal(totals.asset, "雑収入", "0", "20");
    EXPECT_FALSE(totals.revenue.Contains("雑収入"));
    // Each name once, in the order its second class was met.
    EXPECT_EQ((std::vector<CString>{"消耗品", "雑収入"}), totals.severalClasses);
    ExpectTotal(totals.asset, "現金", "20", "170");
}

TEST(AccountTotals, ClassCodesOfSixDigitsAndWithoutDigits)
{
    // Codes of 99999 or less before any coded entry file nothing; a code of six
    // digits is 0 followed by the six (cause row 1 in the empty class); a later
    // uncoded entry carries the classes of the entry before it.
    FixtureJournal journal;
    journal.Add("2024/02/01", {{"謎", "10"}}, {{"現金", "10"}}, 0, 5000)
        .Add("2024/02/02", {{"仮払", "20"}}, {{"現金", "20"}}, 0, 5003)
        .Add("2024/02/03", {{"仮払", "30"}}, {{"現金", "30"}}, 0, 105000)
        .Add("2024/02/04", {{"雑費", "40"}}, {{"現金", "40"}}, 0, 3005000)
        .Add("2024/02/05", {{"雑費", "5"}}, {{"普通預金", "5"}}, 0, 0);
    const AccountTotals totals = CollectAccountTotals(journal.View());
    EXPECT_FALSE(totals.asset.Contains("謎"));
    EXPECT_FALSE(totals.expense.Contains("謎"));
    EXPECT_FALSE(totals.revenue.Contains("仮払"));
    EXPECT_TRUE(totals.asset.Contains("現金"));
    ExpectTotal(totals.expense, "雑費", "45", "0");
    EXPECT_TRUE(totals.asset.Contains("普通預金"));
}

TEST(AccountTotals, OpeningCapitalCountsRowOneOnEitherSide)
{
    FixtureJournal journal;
    journal.Add("2024/01/01", {{"現金", "100"}}, {{"元入金", "100"}}, 0, 5007000)
        .Add("2024/01/01", {{"元入金", "30"}}, {{"現金", "30"}}, 1, 7005000)
        .Add("2024/06/01", {{"現金", "5"}, {"元入金", "7"}}, {{"普通預金", "12"}}, 0, 5705000);
    const AccountTotals totals = CollectAccountTotals(journal.View());
    ExpectTotal(totals.openingCapital, "現金", "130", "0");
    EXPECT_FALSE(totals.openingCapital.Contains("普通預金"));
}

// The opening capital is summed as exactly as the account's own totals and
// written the same way, whether one amount or several, with separators,
// decimals or eighteen digits.
TEST(AccountTotals, OpeningCapitalIsSummedAsTheAccountsTotals)
{
    FixtureJournal journal;
    journal.Add("2024/01/01", {{"現金", "1,000.5"}}, {{"元入金", "1,000.5"}}, 0, 5007000)
        .Add("2024/01/01", {{"普通預金", "999999999999999999"}}, {{"元入金", "999999999999999999"}}, 0, 5007000)
        .Add("2024/01/01", {{"普通預金", "1"}}, {{"元入金", "1"}}, 0, 5007000)
        .Add("2024/01/01", {{"売掛金", "0.01"}}, {{"元入金", "0.01"}}, 0, 5007000)
        .Add("2024/01/01", {{"売掛金", "0.02"}}, {{"元入金", "0.02"}}, 0, 5007000);
    const AccountTotals totals = CollectAccountTotals(journal.View());
    ExpectTotal(totals.openingCapital, "現金", "1000.50", "0");
    ExpectTotal(totals.openingCapital, "普通預金", "1000000000000000000", "0");
    ExpectTotal(totals.openingCapital, "売掛金", "0.03", "0");
    for (const char* account : {"現金", "普通預金", "売掛金"})
        EXPECT_EQ(totals.asset.Find(account)->debit, totals.openingCapital.Find(account)->debit) << account;
}

TEST(AmountText, ZeroAndNegativeAreTestedAsNumbers)
{
    struct Case {
        const char* text;
        bool zero;
        bool negative;
    };
    const Case cases[] = {
        {"", true, false},   {"0", true, false},     {"0.00", true, false}, {"-0", true, false},
        {"10", false, false}, {"0.01", false, false}, {"-5", false, true},  {"-0.50", false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.zero, IsZeroAmount(c.text)) << c.text;
        EXPECT_EQ(c.negative, IsNegativeAmount(c.text)) << c.text;
    }
    EXPECT_EQ(CString(""), AddAmounts("", ""));
    EXPECT_EQ(CString("5"), AddAmounts("", "5"));
    EXPECT_EQ(CString("-2.50"), SubtractAmounts("1.50", "4"));
}

}  // namespace

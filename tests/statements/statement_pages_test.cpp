// The four statement pages of small journals, every figure, and the checks'
// messages.
#include "statements/statement_pages.h"

#include "statement_fixtures.h"

#include "core/column_text.h"
#include "statements/statement_cells.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kWidth = 26;

using Figures = std::vector<CString>;

// Cells 5, 1, 2, 3, 4 of a row without their padding: name and four amounts.
Figures TrialRow(const KessanRow& row)
{
    return {row[5], Trimmed(row[1]), Trimmed(row[2]), Trimmed(row[3]), Trimmed(row[4])};
}

class SmallYear : public ::testing::Test {
protected:
    SmallYear() { AddSmallYear(journal); }
    AccountTotals Totals() const { return CollectAccountTotals(journal.View()); }
    FixtureJournal journal;
};

TEST_F(SmallYear, TrialBalanceListsEveryAccountAndBalances)
{
    const TrialBalancePage page = ComputeTrialBalance(Totals(), journal.View(), kWidth);
    const std::vector<Figures> expected = {
        {"現金", "208,000", "220,000", "12,000", "0"},
        {"普通預金", "540,000", "580,000", "40,000", "0"},
        {"棚卸資産", "25,000", "55,000", "30,000", "0"},
        {"買掛金", "0", "40,000", "90,000", "50,000"},
        {"元入金", "0", "40,000", "630,000", "590,000"},
        {"売上", "0", "0", "200,000", "200,000"},
        {"仕入", "55,000", "80,000", "25,000", "0"},
        {"通信費", "12,000", "12,000", "0", "0"},
        {"    合   計", "840,000", "1,027,000", "1,027,000", "840,000"},
    };
    ASSERT_EQ(expected.size(), page.rows.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(expected[i], TrialRow(page.rows[i])) << i;
    EXPECT_EQ(CString("            208,000   "), page.rows[0][1].Right(22));
    EXPECT_EQ(kWidth, page.rows[0][1].GetLength());
    EXPECT_FALSE(page.cashUnsettled);
    EXPECT_TRUE(page.messages.empty());
}

TEST_F(SmallYear, ProfitAndLossLines)
{
    const ProfitLossPage page = ComputeProfitLoss(Totals(), "  650,000", kWidth);
    const auto& rows = page.rows;
    ASSERT_EQ(21u, rows.size());
    const std::vector<Figures> firstColumn = {
        {"売上(雑収含) (1)", "200,000"}, {"期首棚卸高   (2)", "30,000"}, {"仕入金額     (3)", "50,000"},
        {" 小　計  2+3 (4)", "80,000"},  {"期末棚卸高   (5)", "25,000"}, {"差引原価 4-5 (6)", "55,000"},
        {"差引金額 1-6 (7)", "145,000"},
    };
    for (std::size_t i = 0; i < firstColumn.size(); ++i)
        EXPECT_EQ(firstColumn[i], (Figures{rows[i][5], Trimmed(rows[i][1])})) << i;
    for (std::size_t i = firstColumn.size(); i < rows.size(); ++i)
        EXPECT_EQ(Figures({"", ""}), (Figures{rows[i][5], Trimmed(rows[i][1])})) << i;

    const std::vector<Figures> secondColumn = {
        {"租税公課", ""}, {"荷造運賃", ""},   {"水道光熱費", ""}, {"旅費交通費", ""}, {"通信費", "12,000"},
        {"広告宣伝費", ""}, {"接待交際費", ""}, {"損害保険料", ""}, {"修繕費", ""},     {"消耗品費", ""},
        {"減価償却費", ""}, {"福利厚生費", ""}, {"給料賃金", ""},   {"外注工賃", ""},   {"利子割引料", ""},
        {"地代家賃", ""},   {"貸倒金", ""},     {"雑費", ""},       {"", ""},
        {"      計      (33)", "12,000"},     {"差引金額 7-33 (34)", "133,000"},
    };
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(secondColumn[i], (Figures{rows[i][6], Trimmed(rows[i][2])})) << i;

    const std::vector<Figures> thirdColumn = {
        {"貸倒引当金繰戻額", ""},        {"      計      (39)", ""},       {"", ""},
        {"      計      (45)", ""},       {"", ""},                         {"青申控除前金額    ", ""},
        {"   34+39-45   (46)", "133,000"}, {"青色申告控除額(47)", "133,000"}, {"所得金額46-47 (48)", "0"},
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Figures expected = i < thirdColumn.size() ? thirdColumn[i] : Figures{"", ""};
        EXPECT_EQ(expected, (Figures{rows[i][4], Trimmed(rows[i][3])})) << i;
    }
    EXPECT_EQ(CString("133000"), page.line46);
}

TEST_F(SmallYear, MonthlySalesAndPurchases)
{
    const std::vector<KessanRow> rows = ComputeMonthly(Totals(), journal.View(), kWidth);
    ASSERT_EQ(15u, rows.size());
    for (int month = 1; month <= 12; ++month) {
        const KessanRow& row = rows[static_cast<std::size_t>(month - 1)];
        EXPECT_EQ(FitCell(IntToText(month), 4, kFillRight), row[5]);
        EXPECT_EQ(CString("月"), row[6]);
        const char* sales = month == 3 ? "120,000" : month == 4 ? "80,000" : "0";
        const char* purchases = month == 5 ? "50,000" : "0";
        EXPECT_EQ(Figures({sales, purchases}), (Figures{Trimmed(row[1]), Trimmed(row[2])})) << month;
    }
    EXPECT_EQ(Figures({"家事消費", "0", ""}), (Figures{rows[12][6], Trimmed(rows[12][1]), Trimmed(rows[12][2])}));
    EXPECT_EQ(Figures({" 雑収入", "0", ""}), (Figures{rows[13][6], Trimmed(rows[13][1]), Trimmed(rows[13][2])}));
    EXPECT_EQ(Figures({" 合 計", "200,000", "50,000"}),
              (Figures{rows[14][6], Trimmed(rows[14][1]), Trimmed(rows[14][2])}));
}

TEST_F(SmallYear, BalanceSheet)
{
    const BalanceSheetPage page = ComputeBalanceSheet(Totals(), kWidth);
    const auto& rows = page.rows;
    ASSERT_EQ(20u, rows.size());
    const std::vector<Figures> assets = {
        {"現金", "100,000", "208,000"}, {"当座預金", "", ""}, {"定期預金", "", ""},
        {"普通預金", "500,000", "540,000"}, {"受取手形", "", ""}, {"売掛金", "", ""},
        {"有価証券", "", ""}, {"棚卸資産", "30,000", "25,000"}, {"前払金", "", ""},
        {"貸付金", "", ""}, {"建物", "", ""}, {"建物付属設備", "", ""},
        {"機械装置", "", ""}, {"車両運搬具", "", ""}, {"", "", ""},
        {"", "", ""}, {"", "", ""}, {"", "", ""},
        {"事業主貸", "", ""}, {"   合   計", "630,000", "773,000"},
    };
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(assets[i], (Figures{rows[i][5], Trimmed(rows[i][1]), Trimmed(rows[i][2])})) << i;

    std::vector<Figures> other(rows.size(), Figures{"", "", ""});
    other[0] = {"買掛金", "40,000", "50,000"};
    other[14] = {"貸倒引当金", "", ""};
    other[16] = {"事業主借", "", ""};
    other[17] = {"元入金", "590,000", "590,000"};
    other[18] = {"青申特別控除前所得", "", "133,000"};
    other[19] = {"   合   計", "630,000", "773,000"};
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(other[i], (Figures{rows[i][6], Trimmed(rows[i][3]), Trimmed(rows[i][4])})) << i;
    EXPECT_EQ(CString("133000"), page.income);
    EXPECT_FALSE(page.cashUnsettled);
}

TEST(EmptyJournal, EveryPageShowsItsFixedLines)
{
    const AccountTotals totals = CollectAccountTotals({});
    const TrialBalancePage trial = ComputeTrialBalance(totals, {}, kWidth);
    ASSERT_EQ(1u, trial.rows.size());
    EXPECT_EQ(Figures({"    合   計", "0", "0", "0", "0"}), TrialRow(trial.rows[0]));
    EXPECT_TRUE(trial.messages.empty());

    const ProfitLossPage profit = ComputeProfitLoss(totals, "  650,000", kWidth);
    ASSERT_EQ(21u, profit.rows.size());
    EXPECT_EQ(CString(""), Trimmed(profit.rows[0][1]));
    EXPECT_EQ(CString("雑費"), profit.rows[17][6]);
    EXPECT_EQ(CString("0"), Trimmed(profit.rows[7][3]));
    EXPECT_EQ(CString("0"), Trimmed(profit.rows[8][3]));
    EXPECT_EQ(CString(""), Trimmed(profit.rows[6][3]));

    const std::vector<KessanRow> monthly = ComputeMonthly(totals, {}, kWidth);
    ASSERT_EQ(15u, monthly.size());
    for (const KessanRow& row : monthly)
        EXPECT_EQ(CString("0"), Trimmed(row[1]));
    EXPECT_EQ(CString("0"), Trimmed(monthly[14][2]));

    const BalanceSheetPage sheet = ComputeBalanceSheet(totals, kWidth);
    ASSERT_EQ(20u, sheet.rows.size());
    EXPECT_EQ(CString("事業主貸"), sheet.rows[18][5]);
    EXPECT_EQ(CString("貸倒引当金"), sheet.rows[14][6]);
    EXPECT_EQ(CString("青申特別控除前所得"), sheet.rows[18][6]);
    for (const KessanRow& row : sheet.rows)
        for (int cell = 1; cell <= 4; ++cell)
            EXPECT_EQ(CString(""), Trimmed(row[cell]));
}

TEST(TrialBalanceChecks, MessagesOfSeveralSalesAndPurchasesAccounts)
{
    struct Case {
        std::vector<const char*> revenue;
        std::vector<const char*> expense;
        std::vector<CString> messages;
    };
    const Case cases[] = {
        {{"売上"}, {"仕入"}, {}},
        {{"売上", "売上高"},
         {"仕入"},
         {"複数の売上科目  , 売上 , 売上高 があります。「売上」に統合してください。"}},
        {{"売上高"}, {"仕入高", "仕入"},
         {"複数の売上科目  , 売上高 があります。「売上」に統合してください。",
          "複数の仕入科目  , 仕入高 , 仕入 があります。「仕入」に統合してください。"}},
    };
    for (const Case& c : cases) {
        FixtureJournal journal;
        for (const char* name : c.revenue)
            journal.Add("2024/02/01", {{name, "100"}}, {{"現金", "100"}}, 1, 1005000);
        for (const char* name : c.expense)
            journal.Add("2024/02/01", {{name, "40"}}, {{"現金", "40"}}, 0, 2005000);
        const TrialBalancePage page = ComputeTrialBalance(CollectAccountTotals(journal.View()), journal.View(), kWidth);
        EXPECT_EQ(c.messages, page.messages);
    }
}

TEST(TrialBalanceChecks, AnAccountUnderTwoClassesIsCountedOnceAndNamed)
{
    // 消耗品費 100 under class 3 and 50 under class 5.
    FixtureJournal journal;
    journal.Add("2024/01/01", {{"現金", "1000"}}, {{"元入金", "1000"}}, 0, 5007000)
        .Add("2024/02/01", {{"消耗品費", "100"}}, {{"現金", "100"}}, 0, 3005000)
        .Add("2024/03/01", {{"消耗品費", "50"}}, {{"現金", "50"}}, 0, 5005000);
    const AccountTotals totals = CollectAccountTotals(journal.View());
    const TrialBalancePage trial = ComputeTrialBalance(totals, journal.View(), kWidth);
    const std::vector<Figures> expected = {
        {"現金", "850", "1,000", "150", "0"},
        {"元入金", "0", "0", "1,000", "1,000"},
        {"消耗品費", "150", "150", "0", "0"},
        {"    合   計", "1,000", "1,150", "1,150", "1,000"},
    };
    ASSERT_EQ(expected.size(), trial.rows.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(expected[i], TrialRow(trial.rows[i])) << i;
    EXPECT_EQ((std::vector<CString>{"科目 [ 消耗品費 ] が複数の区分で記帳されています。最初に記帳された区分で集計しました。"
                                    "区分を統一してください。"}),
              trial.messages);

    // The balance sheet carries the expense nowhere and balances: assets 850,
    // capital 1,000 and the income -150.
    const BalanceSheetPage sheet = ComputeBalanceSheet(totals, kWidth);
    EXPECT_EQ(CString("-150"), sheet.income);
    const KessanRow& total = sheet.rows.back();
    EXPECT_EQ(Trimmed(total[2]), Trimmed(total[4]));
    EXPECT_EQ(CString("850"), Trimmed(total[2]));
    for (const KessanRow& row : sheet.rows)
        EXPECT_NE(CString("消耗品費"), row[5]);
}

TEST(TrialBalanceChecks, InventoryEntryCodesAndMessages)
{
    auto opening = [](FixtureJournal& j) {
        j.Add("2024/01/01", {{"棚卸資産", "30"}}, {{"元入金", "30"}}, 0, 5007000);
    };
    auto openingTransfer = [](FixtureJournal& j) {
        j.Add("2024/01/01", {{"仕入", "30"}}, {{"棚卸資産", "30"}}, 0, 2005000);
    };
    auto closingTransfer = [](FixtureJournal& j) {
        j.Add("2024/12/31", {{"棚卸資産", "20"}}, {{"仕入", "20"}}, 0, 5002000);
    };
    const CString tail = "\n\n売上原価を算出しない場合は、\n\n棚卸資産に関係する記帳を すべて削除してください。";
    struct Case {
        int openings;
        bool transfers;
        int expectedCode;
        CString message;
    };
    const Case cases[] = {
        {1, true, 9, ""},
        {1, false, 1,
         "期首に行う「棚卸資産」を「仕入」へ繰入れる記帳と、期末に行う「棚卸資産」を「仕入」から繰戻す記帳が未解決です。" +
             tail},
        {2, false, 2, ""},
        {2, true, 10, "棚卸資産に関係する記帳が不適正と思われます。" + tail},
    };
    for (const Case& c : cases) {
        FixtureJournal journal;
        for (int i = 0; i < c.openings; ++i)
            opening(journal);
        if (c.transfers) {
            openingTransfer(journal);
            closingTransfer(journal);
        }
        EXPECT_EQ(c.expectedCode, InventoryEntryCode(journal.View()));
        const TrialBalancePage page = ComputeTrialBalance(CollectAccountTotals(journal.View()), journal.View(), kWidth);
        EXPECT_EQ(c.message.IsEmpty() ? std::vector<CString>{} : std::vector<CString>{c.message}, page.messages);
    }

    FixtureJournal none;
    none.Add("2024/01/01", {{"棚卸資産", "30"}}, {{"元入金", "30"}}, -1, 5007000);
    EXPECT_EQ(0, InventoryEntryCode(none.View()));

    struct Message {
        int code;
        const char* start;
    };
    const Message messages[] = {
        {3, "「X」の期首残高を設定する記帳と、期末に行う「X」を「仕入」から繰戻す記帳が未解決です。"},
        {4, "期末に「仕入」から繰戻して、「X」の残高設定をする記帳が未解決です。"},
        {5, "「X」の期首残高を設定する記帳と、期首に行う「X」を「仕入」への繰入れる記帳が未解決です。"},
        {6, "期首に行う「X」を「仕入」への繰入れる記帳が未解決です。"},
        {8, "「X」の期首残高を設定する記帳が未解決です。"},
    };
    const CString xTail = "\n\n売上原価を算出しない場合は、\n\nXに関係する記帳を すべて削除してください。";
    for (const Message& m : messages)
        EXPECT_EQ(CString(m.start) + xTail, InventoryMessage("X", m.code)) << m.code;
    for (int code : {0, -3, 2, 7, 9, 18, 27})
        EXPECT_EQ(CString(""), InventoryMessage("X", code)) << code;
    EXPECT_FALSE(InventoryMessage("X", 11).IsEmpty());
}

TEST(CashDiscrepancy, SettledWhenItsBalanceIsZeroAsANumber)
{
    struct Case {
        const char* debit;
        const char* credit;
        bool unsettled;
    };
    const Case cases[] = {{"500", "500", false}, {"500.00", "500.00", false}, {"500", "480", true}};
    for (const Case& c : cases) {
        FixtureJournal journal;
        journal.Add("2024/05/01", {{"現金過不足", c.debit}}, {{"現金", c.debit}}, 0, 5005000)
            .Add("2024/12/31", {{"現金過不足", c.credit}}, {{"雑損", c.credit}}, 1, 5003000);
        const AccountTotals totals = CollectAccountTotals(journal.View());
        EXPECT_EQ(c.unsettled, ComputeTrialBalance(totals, journal.View(), kWidth).cashUnsettled) << c.credit;
        const BalanceSheetPage sheet = ComputeBalanceSheet(totals, kWidth);
        EXPECT_EQ(c.unsettled, sheet.cashUnsettled) << c.credit;
        bool listed = false;
        for (const KessanRow& row : sheet.rows)
            listed = listed || row[5] == "現金過不足";
        EXPECT_EQ(c.unsettled, listed) << c.credit;
    }
}

TEST(ProfitLoss, BlueReturnDeduction)
{
    struct Case {
        const char* sales;
        const char* deductionText;
        const char* line47;
        const char* line48;
    };
    const Case cases[] = {
        {"1000000", "  650,000", "650,000", "350,000"},
        {"650000", "  650,000", "650,000", "0"},
        {"300000", "  650,000", "300,000", "0"},
        {"1000000", "  100,000", "100,000", "900,000"},
        {"1000000", "        0", "0", "1,000,000"},
        {"1000000.50", "  650,000", "650,000", "350,000.50"},
        {"0", "  650,000", "0", "0"},
    };
    for (const Case& c : cases) {
        FixtureJournal journal;
        journal.Add("2024/02/01", {{"売上", c.sales}}, {{"現金", c.sales}}, 1, 1005000);
        const ProfitLossPage page = ComputeProfitLoss(CollectAccountTotals(journal.View()), c.deductionText, kWidth);
        EXPECT_EQ(CString(c.line47), Trimmed(page.rows[7][3])) << c.sales << c.deductionText;
        EXPECT_EQ(CString(c.line48), Trimmed(page.rows[8][3])) << c.sales << c.deductionText;
    }
    FixtureJournal loss;
    loss.Add("2024/02/01", {{"通信費", "5000"}}, {{"現金", "5000"}}, 0, 3005000);
    const ProfitLossPage page = ComputeProfitLoss(CollectAccountTotals(loss.View()), "  650,000", kWidth);
    EXPECT_EQ(CString("0"), Trimmed(page.rows[7][3]));
    EXPECT_EQ(CString("-5,000"), Trimmed(page.rows[8][3]));

    EXPECT_EQ(0, ValidDeductionChoice(-1));
    EXPECT_EQ(0, ValidDeductionChoice(7));
    EXPECT_EQ(2, ValidDeductionChoice(2));
    EXPECT_EQ(CString("  100,000"), DeductionItems()[1]);
}

TEST(ProfitLoss, EveryPurchasesAccountAndTheOwnLinesOfReversalsAndProvisions)
{
    FixtureJournal journal;
    journal.Add("2024/02/01", {{"売上", "900"}}, {{"現金", "900"}}, 1, 1005000)
        .Add("2024/02/02", {{"仕入", "100"}}, {{"現金", "100"}}, 0, 2005000)
        .Add("2024/02/03", {{"仕入高", "50"}}, {{"現金", "50"}}, 0, 2005000)
        .Add("2024/02/04", {{"貸倒引当金繰入", "30"}}, {{"貸倒引当金", "30"}}, 0, 3004000)
        .Add("2024/02/05", {{"専従者給与", "200"}}, {{"現金", "200"}}, 0, 2005000)
        .Add("2024/02/06", {{"貸倒引当金繰戻額", "20"}}, {{"貸倒引当金", "20"}}, 1, 1004000)
        .Add("2024/02/07", {{"雑収入", "10"}}, {{"現金", "10"}}, 1, 1005000);
    const AccountTotals totals = CollectAccountTotals(journal.View());
    const ProfitLossPage page = ComputeProfitLoss(totals, "  650,000", kWidth);
    const auto& rows = page.rows;
    EXPECT_EQ(CString("910"), Trimmed(rows[0][1]));  // 雑収入 is part of (1)
    EXPECT_EQ(CString("150"), Trimmed(rows[5][1]));  // both purchases accounts
    const std::vector<Figures> third = {
        {"貸倒引当金繰戻額", "20"}, {"      計      (39)", "20"}, {"", ""},
        {"専従者給与", "200"},       {"貸倒引当金繰入", "30"},     {"      計      (45)", "230"},
    };
    for (std::size_t i = 0; i < third.size(); ++i)
        EXPECT_EQ(third[i], (Figures{rows[i][4], Trimmed(rows[i][3])})) << i;
    EXPECT_EQ(CString("      計      (33)"), rows[rows.size() - 2][6]);
    EXPECT_EQ(CString(""), Trimmed(rows[rows.size() - 2][2]));
    // (46) = 910 - 150 + 20 - 230, the balance sheet's income.
    EXPECT_EQ(CString("550"), page.line46);
    EXPECT_EQ(page.line46, ComputeBalanceSheet(totals, kWidth).income);
}

TEST(ProfitLoss, RowsAreAddedWhenTheThirdColumnNeedsThem)
{
    FixtureJournal journal;
    const char* names[] = {"A準備金繰入", "B準備金繰入", "C準備金繰入", "D準備金繰入", "E準備金繰入",
                           "F引当金繰入", "G引当金繰入", "H引当金繰入", "I引当金繰入", "J引当金繰入",
                           "K引当金繰入", "L引当金繰入", "M引当金繰入", "N引当金繰入", "O引当金繰入"};
    for (const char* name : names)
        journal.Add("2024/03/01", {{name, "1"}}, {{"現金", "1"}}, 0, 3005000);
    const ProfitLossPage page = ComputeProfitLoss(CollectAccountTotals(journal.View()), "  650,000", kWidth);
    const auto& rows = page.rows;
    ASSERT_EQ(24u, rows.size());  // 1 + 15 + 8
    EXPECT_EQ(CString("所得金額46-47 (48)"), rows.back()[4]);
    EXPECT_EQ(CString("差引金額 7-33 (34)"), rows.back()[6]);
    EXPECT_EQ(CString("      計      (33)"), rows[rows.size() - 2][6]);
    EXPECT_EQ(CString("O引当金繰入"), rows[17][4]);
    EXPECT_EQ(CString("15"), Trimmed(rows[18][3]));
}

TEST(Monthly, SidesExclusionsAndMonths)
{
    FixtureJournal journal;
    journal.Add("2024/03/05", {{"売上", "100"}}, {{"現金", "100"}}, 1, 1005000)    // March +100
        .Add("2024/03/06", {{"売上", "30"}}, {{"現金", "30"}}, 0, 1005000)        // second phrase: -30
        .Add("2024/03/07", {{"売上", "7"}}, {{"現金", "7"}}, -1, 1005000)         // no phrase: cause credit, +7
        .Add("2024/04/01", {{"売上", "50"}}, {{"事業主貸", "50"}}, 1, 1005000)    // own consumption
        .Add("2024/04/02", {{"仕入", "80"}}, {{"棚卸資産", "80"}}, 0, 2005000)    // inventory transfer: no month
        .Add("2024/05/01", {{"売上値引", "5"}}, {{"現金", "5"}}, 0, 1005000)      // May -5 (a sales account)
        .Add("2024/06/01", {{"現金", "9"}}, {{"雑収入", "9"}}, 1, 5001000)         // result row 1 debit: Z -9
        .Add("2024/06/02", {{"雑収入", "40"}}, {{"現金", "40"}}, 1, 1005000)       // Z +40
        .Add("2023/07/01", {{"売上", "11"}}, {{"現金", "11"}}, 1, 1005000)         // another year still counts
        .Add("2024/08/01", {{"現金", "3"}, {"売上", "12"}}, {{"普通預金", "15"}}, 1, 5105000)  // cause row 2
        .Add("2024/09/01", {{"仕入", "60"}}, {{"買掛金", "60"}}, 0, 2004000)       // September purchases
        .Add("2024/13/01", {{"売上", "999"}}, {{"現金", "999"}}, 1, 1005000)       // no such month
        .Add("2024/x1/01", {{"仕入", "999"}}, {{"現金", "999"}}, 0, 2005000);
    const std::vector<KessanRow> rows = ComputeMonthly(CollectAccountTotals(journal.View()), journal.View(), kWidth);
    auto sales = [&](int month) { return Trimmed(rows[static_cast<std::size_t>(month - 1)][1]); };
    auto purchases = [&](int month) { return Trimmed(rows[static_cast<std::size_t>(month - 1)][2]); };
    EXPECT_EQ(CString("77"), sales(3));
    EXPECT_EQ(CString("0"), sales(4));
    EXPECT_EQ(CString("0"), purchases(4));
    EXPECT_EQ(CString("-5"), sales(5));
    EXPECT_EQ(CString("11"), sales(7));
    EXPECT_EQ(CString("12"), sales(8));
    EXPECT_EQ(CString("60"), purchases(9));
    EXPECT_EQ(CString("50"), Trimmed(rows[12][1]));
    EXPECT_EQ(CString("31"), Trimmed(rows[13][1]));   // 40 - 9: every revenue account but the sales accounts
    EXPECT_EQ(CString("176"), Trimmed(rows[14][1]));  // 77 - 5 + 11 + 12 + 50 + 31
    EXPECT_EQ(CString("60"), Trimmed(rows[14][2]));
}

TEST(Monthly, EveryRevenueAmountCountsOnceWhereTheProfitAndLossCountsIt)
{
    FixtureJournal journal;
    journal.Add("2024/01/01", {{"現金", "1000"}}, {{"元入金", "1000"}}, 0, 5007000)
        .Add("2024/02/10", {{"売上", "300000"}}, {{"現金", "300000"}}, 1, 1005000)
        // A second sales account: its month only, not 雑収入 as well.
        .Add("2024/03/10", {{"売上高", "74000"}}, {{"現金", "74000"}}, 1, 1005000)
        // 雑収入 in a second row, and a sale to the owner in a second row.
        .Add("2024/04/10", {{"現金", "5000"}, {"雑収入", "8000"}}, {{"普通預金", "13000"}}, 1, 5105000)
        .Add("2024/05/10", {{"現金", "1000"}, {"売上", "5000"}}, {{"事業主貸", "6000"}}, 1, 5105000)
        // A reversal of a provision is no part of line (1).
        .Add("2024/06/10", {{"貸倒引当金繰戻額", "700"}}, {{"貸倒引当金", "700"}}, 1, 1004000)
        .Add("2024/07/10", {{"仕入", "4000"}}, {{"現金", "4000"}}, 0, 2005000);
    const AccountTotals totals = CollectAccountTotals(journal.View());
    const std::vector<KessanRow> rows = ComputeMonthly(totals, journal.View(), kWidth);
    EXPECT_EQ(CString("300,000"), Trimmed(rows[1][1]));
    EXPECT_EQ(CString("74,000"), Trimmed(rows[2][1]));
    EXPECT_EQ(CString("0"), Trimmed(rows[4][1]));
    EXPECT_EQ(CString("5,000"), Trimmed(rows[12][1]));
    EXPECT_EQ(CString("8,000"), Trimmed(rows[13][1]));
    EXPECT_EQ(CString("387,000"), Trimmed(rows[14][1]));
    const ProfitLossPage profit = ComputeProfitLoss(totals, "  650,000", kWidth);
    EXPECT_EQ(Trimmed(profit.rows[0][1]), Trimmed(rows[14][1]));  // line (1)
    EXPECT_EQ(Trimmed(profit.rows[2][1]), Trimmed(rows[14][2]));  // line (3)
}

TEST(BalanceSheet, ReservedBottomLinesStayWhateverTheNumberOfAccounts)
{
    FixtureJournal journal;
    for (int i = 0; i < 25; ++i) {
        const CString name = "借入金" + IntToText(i);
        journal.Add("2024/01/01", {{name, "10"}}, {{"元入金", "10"}}, 1, 4007000);
    }
    journal.Add("2024/02/01", {{"事業主借", "5"}}, {{"現金", "5"}}, 1, 7005000)
        .Add("2024/02/02", {{"貸倒引当金繰入", "3"}}, {{"貸倒引当金", "3"}}, 0, 3004000);
    const AccountTotals totals = CollectAccountTotals(journal.View());
    const BalanceSheetPage page = ComputeBalanceSheet(totals, kWidth);
    const auto& rows = page.rows;
    const std::size_t count = rows.size() - 1;  // without the total row
    ASSERT_EQ(30u, count);  // 25 liabilities and the five reserved rows
    for (int i = 0; i < 25; ++i)
        EXPECT_EQ("借入金" + IntToText(i), rows[static_cast<std::size_t>(i)][6]) << i;
    EXPECT_EQ(CString("貸倒引当金"), rows[count - 5][6]);
    EXPECT_EQ(CString("3"), Trimmed(rows[count - 5][4]));
    EXPECT_EQ(CString(""), rows[count - 4][6]);
    EXPECT_EQ(CString("事業主借"), rows[count - 3][6]);
    EXPECT_EQ(CString("5"), Trimmed(rows[count - 3][4]));
    EXPECT_EQ(CString("元入金"), rows[count - 2][6]);
    EXPECT_EQ(CString("青申特別控除前所得"), rows[count - 1][6]);
    EXPECT_EQ(CString("事業主貸"), rows[count - 1][5]);
    for (std::size_t i = count - 5; i < count - 1; ++i)
        EXPECT_EQ(CString(""), rows[i][5]) << i;
    EXPECT_EQ(CString("-3"), page.income);
}

TEST(StatementLines, EveryLineOfAPageHasTheSameWidth)
{
    FixtureJournal journal;
    AddSmallYear(journal);
    const AccountTotals totals = CollectAccountTotals(journal.View());
    const std::vector<std::vector<KessanRow>> pages = {
        ComputeTrialBalance(totals, journal.View(), kWidth).rows,
        ComputeProfitLoss(totals, "  650,000", kWidth).rows,
        ComputeMonthly(totals, journal.View(), kWidth),
        ComputeBalanceSheet(totals, kWidth).rows,
    };
    const std::size_t blankLines[] = {1, 1, 3, 1};
    for (int code = 0; code < 4; ++code) {
        const std::vector<CString> lines = StatementLines(code, pages[static_cast<std::size_t>(code)], 18, kWidth);
        const std::size_t headings = code == kPageTrialBalance || code == kPageProfitLoss ? 1 : 2;
        ASSERT_EQ(blankLines[code] + 2 * (headings + pages[static_cast<std::size_t>(code)].size()) + 1, lines.size());
        for (std::size_t i = blankLines[code]; i < lines.size(); ++i)
            EXPECT_EQ(lines[blankLines[code]].GetLength(), lines[i].GetLength()) << code << " " << i;
    }
    const std::vector<CString> trial = StatementLines(kPageTrialBalance, pages[0], 18, kWidth);
    EXPECT_EQ(CString("             │                208,000   │                220"
                      ",000   │現金              │                 12,000   │                      0   │"),
              trial[4]);
    const std::vector<CString> profit = StatementLines(kPageProfitLoss, pages[1], 18, kWidth);
    // Three boxes: broken after the second and the fourth cell.
    EXPECT_EQ(CString("┐┌"), profit[1].Mid(4 + 48, 4));
    EXPECT_EQ(CString("┐┌"), profit[1].Mid(4 + 98, 4));
}

}  // namespace

// The statements of the shipped sample journal agree with one another.
#include "statements/statement_pages.h"

#include "data/shipped_data.h"
#include "shipped_files.h"

#include <gtest/gtest.h>

namespace {

CString Trim(CString text)
{
    text.TrimLeft();
    text.TrimRight();
    return text;
}

TEST(SampleJournal, StatementsAgree)
{
    const auto entries = LoadShippedEntries(SHIPPED_SAMPLE_JOURNAL);
    ASSERT_FALSE(entries.empty());
    Journal journal;
    for (const auto& entry : entries)
        journal.push_back(entry.get());
    const AccountTotals totals = CollectAccountTotals(journal);
    constexpr int kWidth = 28;

    const TrialBalancePage trial = ComputeTrialBalance(totals, journal, kWidth);
    const KessanRow& total = trial.rows.back();
    EXPECT_EQ(Trim(total[2]), Trim(total[3]));  // debit and credit totals
    EXPECT_EQ(Trim(total[1]), Trim(total[4]));  // debit and credit balances
    EXPECT_FALSE(trial.cashUnsettled);
    EXPECT_TRUE(trial.messages.empty());

    const ProfitLossPage profit = ComputeProfitLoss(totals, "  650,000", kWidth);
    const BalanceSheetPage sheet = ComputeBalanceSheet(totals, kWidth);
    EXPECT_FALSE(IsZeroAmount(profit.line46));
    EXPECT_EQ(profit.line46, sheet.income);
    EXPECT_EQ(Trim(sheet.rows.back()[1]).IsEmpty(), false);
    EXPECT_EQ(Trim(sheet.rows.back()[2]), Trim(sheet.rows.back()[4]));  // assets equal liabilities and capital

    // Lines (1) and (3) against the monthly totals: (1) holds 雑収入 and the own
    // consumption as well, (3) the purchases without the inventory transfers.
    const std::vector<KessanRow> monthly = ComputeMonthly(totals, journal, kWidth);
    EXPECT_EQ(Trim(profit.rows[0][1]), Trim(monthly.back()[1]));
    EXPECT_EQ(Trim(profit.rows[2][1]), Trim(monthly.back()[2]));
}

}  // namespace

#include "../../setup/opening_entries.h"
#include "../../statements/statement_pages.h"
#include "../support/entry_builder.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A journal and balance rows that own their records, as the document and the
// application do.
struct Fixture {
    JournalArray journal;
    BalanceRows rows;
    ~Fixture()
    {
        for (int i = 0; i < journal.GetSize(); ++i)
            delete journal[i];
        for (int i = 0; i < rows.GetSize(); ++i)
            delete rows[i];
    }
    void Row(int kind, int status, const char* account, const char* desc, const char* balance, int entry = -1)
    {
        auto* row = new CKishuZandakaItem;
        row->m_nKind = kind;
        row->m_nStatus = status;
        row->m_nEntry = entry;
        row->m_strAccount = account;
        row->m_strDesc = desc;
        row->m_strBalance = balance;
        rows.Add(row);
    }
    void Add(const EntryBuilder& entry) { journal.Add(entry.New()); }
    std::vector<CString> Causes() const
    {
        std::vector<CString> names;
        for (int i = 0; i < journal.GetSize(); ++i)
            names.push_back(journal[i]->m_strCause1);
        return names;
    }
};

using S = CKishuZandakaItem::Status;

TEST(OpeningEntries, FillsEveryFieldByKind)
{
    struct Case {
        int kind;
        const char* desc;
        const char* balance;
        int direction;
        int classCode;
        const char* amount;
        const char* causeDesc;
    } const cases[] = {
        {4, "未設定の合計", "100,000", 1, 4007000, "100000", ""},
        {5, "あおば銀行", "-2500.5", 0, 5007000, "-2500.50", "あおば銀行"},
        {6, "合計", "0.00", 0, 6007000, "0.00", ""},
    };
    for (const Case& c : cases) {
        CKishuZandakaItem row;
        row.m_nKind = c.kind;
        row.m_strAccount = "口座";
        row.m_strDesc = c.desc;
        row.m_strBalance = c.balance;
        std::unique_ptr<CMyObject2> e(NewOpeningEntry(row, "2025"));
        EXPECT_STREQ("2025/01/01", e->m_strDate);
        EXPECT_STREQ("口座", e->m_strCause1);
        EXPECT_STREQ("元入金", e->m_strResult1);
        EXPECT_STREQ(c.amount, e->m_strCauseAmount1);
        EXPECT_STREQ(c.amount, e->m_strResultAmount1);
        EXPECT_STREQ("0", e->m_strCauseAmount2);
        EXPECT_STREQ("0", e->m_strResultAmount3);
        EXPECT_STREQ(c.causeDesc, e->m_strCauseDesc1);
        EXPECT_STREQ("", e->m_strResultDesc1);
        EXPECT_STREQ("", e->m_strRemark);
        EXPECT_EQ(c.direction, e->m_nDirection);
        EXPECT_EQ(c.classCode, e->m_nClassCode);
    }
}

TEST(OpeningEntries, NewRowsGoToTheFrontInReverseRowOrder)
{
    Fixture f;
    f.Add(OneRowEntry("2025/03/01", "消耗品費", "現金", "800", 0, 5001000));
    f.Row(5, S::kNew, "現金", "未設定の合計", "1000");
    f.Row(5, S::kNew, "普通預金", "未設定の合計", "2000");
    f.Row(5, S::kNew, "売掛金", "未設定の合計", "3000");
    const OpeningOutcome out = ApplyOpeningBalances(f.journal, f.rows, "2025", 0);
    EXPECT_TRUE(out.changed);
    EXPECT_EQ(0, out.currentEntry);
    EXPECT_EQ((std::vector<CString>{"売掛金", "普通預金", "現金", "消耗品費"}), f.Causes());
}

TEST(OpeningEntries, ChangesDeletesAndLeavesTheRestAlone)
{
    Fixture f;
    f.Add(OneRowEntry("2025/01/01", "現金", "元入金", "1000", 0, 5001000));
    f.Add(OneRowEntry("2025/01/01", "売掛金", "元入金", "10", 0, 5001000).CauseDesc("北商店"));
    f.Add(OneRowEntry("2025/01/01", "売掛金", "元入金", "20", 0, 5001000).CauseDesc("北商店"));
    f.Add(OneRowEntry("2025/02/01", "売上", "売掛金", "30", 1, 5001000));
    f.Row(5, S::kChanged, "現金", "未設定の合計", "1,500", 0);
    f.Row(5, S::kDeleted, "売掛金", "北商店", "");
    f.Row(5, S::kBuilt, "普通預金", "未設定の合計", "");
    const OpeningOutcome out = ApplyOpeningBalances(f.journal, f.rows, "2025", 3);
    EXPECT_TRUE(out.changed);
    ASSERT_EQ(2, f.journal.GetSize());
    EXPECT_STREQ("1500", f.journal[0]->m_strCauseAmount1);
    EXPECT_STREQ("1500", f.journal[0]->m_strResultAmount1);
    // Both opening entries of the deleted balance went; the one before them is shown.
    EXPECT_STREQ("売上", f.journal[1]->m_strCause1);
    EXPECT_EQ(0, out.currentEntry);
}

TEST(OpeningEntries, EntriesOfOtherDaysAgainstCapitalAreNeverChangedNorDeleted)
{
    Fixture f;
    // The user's capital paid in, the opening entry, the user's own again.
    f.Add(OneRowEntry("2025/04/01", "現金", "元入金", "20", 0, 5001000));
    f.Add(OneRowEntry("2025/01/01", "売掛金", "元入金", "10", 0, 5001000).CauseDesc("北商店"));
    f.Add(OneRowEntry("2025/06/30", "売掛金", "元入金", "30", 0, 5001000).CauseDesc("北商店"));
    // The dialog read the April entry as the balance of 現金; the balance is changed.
    f.Row(5, S::kChanged, "現金", "未設定の合計", "900", 0);
    f.Row(5, S::kDeleted, "売掛金", "北商店", "");
    const OpeningOutcome out = ApplyOpeningBalances(f.journal, f.rows, "2025", 0);
    EXPECT_TRUE(out.changed);
    ASSERT_EQ(3, f.journal.GetSize());
    // The new balance is an opening entry of its own at the front.
    EXPECT_STREQ("2025/01/01", f.journal[0]->m_strDate);
    EXPECT_STREQ("現金", f.journal[0]->m_strCause1);
    EXPECT_STREQ("900", f.journal[0]->m_strCauseAmount1);
    // Both entries of other days are kept as they were; only the opening entry went.
    EXPECT_STREQ("2025/04/01", f.journal[1]->m_strDate);
    EXPECT_STREQ("20", f.journal[1]->m_strCauseAmount1);
    EXPECT_STREQ("2025/06/30", f.journal[2]->m_strDate);
    EXPECT_STREQ("30", f.journal[2]->m_strCauseAmount1);
}

TEST(OpeningEntries, DeletingTheOnlyEntryLeavesNoCurrentEntry)
{
    Fixture f;
    f.Add(OneRowEntry("2025/01/01", "元入金", "買掛金", "700", 1, 5001000));
    f.Row(4, S::kDeleted, "買掛金", "未設定の合計", "");
    const OpeningOutcome out = ApplyOpeningBalances(f.journal, f.rows, "2025", 0);
    EXPECT_TRUE(out.changed);
    EXPECT_EQ(0, f.journal.GetSize());
    EXPECT_EQ(-1, out.currentEntry);
}

TEST(OpeningEntries, NothingToDoChangesNothing)
{
    Fixture f;
    f.Add(OneRowEntry("2025/01/01", "現金", "元入金", "1000", 0, 5001000));
    f.Row(5, S::kBuilt, "現金", "未設定の合計", "1000", 0);
    f.Row(5, S::kDeleted, "売掛金", "未設定の合計", "");
    const OpeningOutcome out = ApplyOpeningBalances(f.journal, f.rows, "2025", 0);
    EXPECT_FALSE(out.changed);
    EXPECT_EQ(1, f.journal.GetSize());
}

TEST(OpeningEntries, RefusesBalancesThatAreNoAmountsBeforeChangingAnything)
{
    const char* const refused[] = {"1.2.3", "12円", ""};
    for (const char* balance : refused) {
        Fixture f;
        f.Add(OneRowEntry("2025/01/01", "現金", "元入金", "1000", 0, 5001000));
        f.Row(5, S::kChanged, "現金", "未設定の合計", "200", 0);
        f.Row(5, S::kNew, "売掛金", "未設定の合計", balance);
        const OpeningOutcome out = ApplyOpeningBalances(f.journal, f.rows, "2025", 0);
        EXPECT_FALSE(out.refusal.IsEmpty()) << balance;
        EXPECT_FALSE(out.changed);
        ASSERT_EQ(1, f.journal.GetSize());
        EXPECT_STREQ("1000", f.journal[0]->m_strCauseAmount1);
    }
    Fixture f;
    f.Row(5, S::kChanged, "現金", "未設定の合計", "200", 4);
    EXPECT_FALSE(ApplyOpeningBalances(f.journal, f.rows, "2025", 0).refusal.IsEmpty());
}

TEST(OpeningEntries, CarryForwardReplacesOnlyThisYearsOpeningEntries)
{
    Fixture f;
    f.Add(OneRowEntry("2025/01/01", "現金", "元入金", "999", 0, 5001000));  // replaced
    f.Add(OneRowEntry("2025/01/01", "元入金", "買掛金", "50", 1, 5001000));  // replaced
    f.Add(OneRowEntry("2025/06/30", "現金", "元入金", "300", 0, 5001000));  // the user's own: kept
    f.Add(OneRowEntry("2025/01/01", "普通預金", "現金", "70", 0, 5001000));  // no 元入金: kept
    f.Add(OneRowEntry("2024/01/01", "現金", "元入金", "5", 0, 5001000));    // another year: kept
    f.Row(4, S::kFromPrevYear, "買掛金", "合計", "400");
    f.Row(4, S::kFromPrevYear, "買掛金", "未設定の合計", "400");
    f.Row(5, S::kFromPrevYear, "現金", "合計", "1200");
    f.Row(5, S::kFromPrevYear, "現金", "未設定の合計", "1200");
    f.Row(5, S::kFromPrevYear, "普通預金", "未設定の合計", "0");
    f.Row(5, S::kFromPrevYear, "売掛金", "未設定の合計", "-80");
    const OpeningOutcome out = ApplyOpeningBalances(f.journal, f.rows, "2025", 2);
    EXPECT_TRUE(out.changed);
    EXPECT_EQ(0, out.currentEntry);
    EXPECT_EQ((std::vector<CString>{"売掛金", "現金", "買掛金", "現金", "普通預金", "現金"}), f.Causes());
    EXPECT_STREQ("-80", f.journal[0]->m_strCauseAmount1);
    EXPECT_EQ(0, f.journal[0]->m_nDirection);
    EXPECT_EQ(5007000, f.journal[0]->m_nClassCode);
    EXPECT_EQ(1, f.journal[2]->m_nDirection);
    EXPECT_STREQ("300", f.journal[3]->m_strCauseAmount1);
    EXPECT_STREQ("2024/01/01", f.journal[5]->m_strDate);
}

TEST(OpeningEntries, CarryForwardOfZeroBalancesStillMarksTheJournalChanged)
{
    Fixture f;
    f.Row(5, S::kFromPrevYear, "現金", "未設定の合計", "0");
    const OpeningOutcome out = ApplyOpeningBalances(f.journal, f.rows, "2025", -1);
    EXPECT_TRUE(out.changed);
    EXPECT_EQ(0, f.journal.GetSize());
}

// The balances written by the aid are what the trial balance starts from.
TEST(OpeningEntries, TrialBalanceShowsTheWrittenBalances)
{
    Fixture f;
    f.Add(OneRowEntry("2025/04/01", "現金", "売上", "500", 1, 5001000));
    f.journal[0]->m_nClassCode = 5001000;
    f.Row(5, S::kNew, "現金", "未設定の合計", "10,000");
    f.Row(4, S::kNew, "買掛金", "未設定の合計", "3,000");
    ASSERT_TRUE(ApplyOpeningBalances(f.journal, f.rows, "2025", 0).changed);

    Journal journal;
    for (int i = 0; i < f.journal.GetSize(); ++i)
        journal.push_back(f.journal[i]);
    const AccountTotals totals = CollectAccountTotals(journal);
    const AccountTotal* cash = totals.asset.Find("現金");
    const AccountTotal* payable = totals.liability.Find("買掛金");
    ASSERT_TRUE(cash && payable);
    EXPECT_STREQ("10000", cash->debit);
    EXPECT_STREQ("3000", payable->credit);
    const TrialBalancePage page = ComputeTrialBalance(totals, journal, 12);
    bool cashShown = false, payableShown = false;
    for (const KessanRow& row : page.rows) {
        if (CString(row[5]).Find("現金") >= 0)
            cashShown = CString(row[1]).Find("10,000") >= 0 || CString(row[2]).Find("10,000") >= 0;
        if (CString(row[5]).Find("買掛金") >= 0)
            payableShown = CString(row[4]).Find("3,000") >= 0 || CString(row[3]).Find("3,000") >= 0;
    }
    EXPECT_TRUE(cashShown);
    EXPECT_TRUE(payableShown);
}

}  // namespace

#include "../../setup/opening_edit.h"

#include "opening_balance_fixture.h"

#include <gtest/gtest.h>

namespace {

using S = CKishuZandakaItem::Status;

class OpeningEdit : public ::testing::Test {
protected:
    void SetUp() override { PrepareBalanceRows(f.dictionary, f.journal, f.rows); }
    OpeningFixture f;
    OpeningBalanceEditor editor{f.rows};
};

TEST_F(OpeningEdit, StatusTableOfSetAndDelete)
{
    struct Case {
        int before;
        int entry;
        int afterSet;
        int afterDelete;
    } const cases[] = {
        {S::kBuilt, -1, S::kNew, S::kBuilt},     {S::kNew, -1, S::kNew, S::kBuilt},
        {S::kChanged, -1, S::kNew, S::kBuilt},   {S::kDeleted, -1, S::kNew, S::kBuilt},
        {S::kBuilt, 0, S::kChanged, S::kDeleted}, {S::kNew, 3, S::kChanged, S::kDeleted},
        {S::kDeleted, 7, S::kChanged, S::kDeleted}, {S::kFromPrevYear, -1, S::kFromPrevYear, S::kFromPrevYear},
        {S::kFromPrevYear, 4, S::kFromPrevYear, S::kFromPrevYear},
    };
    const int total = f.Row("現金", "合計");
    CKishuZandakaItem& remainder = *f.rows[f.Row("現金", "未設定の合計")];
    for (const Case& c : cases) {
        editor.SelectAccount(total);
        remainder.m_nStatus = c.before;
        remainder.m_nEntry = c.entry;
        ASSERT_TRUE(editor.Set("1,000").refusal.IsEmpty());
        EXPECT_EQ(c.afterSet, remainder.m_nStatus) << c.before << " " << c.entry;
        remainder.m_nStatus = c.before;
        ASSERT_TRUE(editor.Delete().refusal.IsEmpty());
        EXPECT_EQ(c.afterDelete, remainder.m_nStatus) << c.before << " " << c.entry;
        EXPECT_STREQ("0", remainder.m_strBalance);
    }
}

TEST_F(OpeningEdit, AccountLevelSetsTheRemainderAndTheTotal)
{
    const int total = f.Row("現金", "合計");
    editor.SelectAccount(total);
    EXPECT_STREQ("現金", editor.Name());
    EXPECT_FALSE(editor.AccountHasDetail());
    const auto outcome = editor.Set("12,345.6");
    EXPECT_TRUE(outcome.refusal.IsEmpty());
    EXPECT_FALSE(outcome.deletes);
    EXPECT_STREQ("12,345.60", outcome.field);
    EXPECT_STREQ("12345.60", f.At("現金", "合計").m_strBalance);
    EXPECT_STREQ("12345.60", f.At("現金", "未設定の合計").m_strBalance);
    EXPECT_EQ(S::kNew, f.At("現金", "未設定の合計").m_nStatus);
    EXPECT_EQ(S::kBuilt, f.At("現金", "合計").m_nStatus);
    EXPECT_STREQ("12,345.60", editor.FieldText());
    EXPECT_EQ(BalanceLine("現金", "12345.60"), editor.LineOf(total));

    // 削除 shows the unset mark and empties the field.
    EXPECT_STREQ("「 現金 」の期首残高を削除しますか？", editor.DeleteQuestion());
    EXPECT_TRUE(editor.Delete().refusal.IsEmpty());
    EXPECT_EQ(BalanceLine("現金", UnsetMark()), editor.LineOf(total));
    EXPECT_STREQ("", editor.FieldText());
    EXPECT_EQ(S::kBuilt, f.At("現金", "未設定の合計").m_nStatus);
}

TEST_F(OpeningEdit, ZeroBlankOrEmptyAmountsAskForDeletion)
{
    editor.SelectAccount(f.Row("現金", "合計"));
    for (const char* typed : {"", "   ", "0", "0,000"}) {
        const auto outcome = editor.Set(typed);
        EXPECT_TRUE(outcome.deletes) << typed;
        EXPECT_STREQ("0", outcome.field) << typed;
        EXPECT_EQ(S::kBuilt, f.At("現金", "未設定の合計").m_nStatus);
    }
}

TEST_F(OpeningEdit, RefusesWhatIsNoAmountOrCannotBeShown)
{
    editor.SelectAccount(f.Row("現金", "合計"));
    const auto before = f.RowLines();
    for (const char* typed : {"1.2.3", "12a", "1-2", "3.456", "ＡＢ", "1234567890123"}) {
        const auto outcome = editor.Set(typed);
        EXPECT_FALSE(outcome.refusal.IsEmpty()) << typed;
        EXPECT_FALSE(outcome.deletes) << typed;
    }
    EXPECT_EQ(before, f.RowLines());
    EXPECT_EQ(0, editor.Set("1.2.3").refusal.Find("[ 現金 ] の期首残高「1.2.3」"));

    // A total that grows too long for its column is refused as well.
    editor.SelectDescription(f.Row("普通預金", "C銀行"));
    ASSERT_TRUE(editor.Set("999,999,999,999").refusal.IsEmpty());
    editor.SelectDescription(f.Row("普通預金", "未設定の合計"));
    EXPECT_FALSE(editor.Set("1").refusal.IsEmpty());
    EXPECT_EQ(BlankBalance(), f.At("普通預金", "未設定の合計").m_strBalance);
}

TEST_F(OpeningEdit, DescriptionLevelKeepsTheDetailWord)
{
    const int total = f.Row("普通預金", "合計");
    editor.SelectAccount(total);
    EXPECT_TRUE(editor.AccountHasDetail());
    editor.SelectDescription(f.Row("普通預金", "C銀行"));
    EXPECT_STREQ("C銀行", editor.Name());
    ASSERT_TRUE(editor.Set("300").refusal.IsEmpty());
    editor.SelectDescription(f.Row("普通預金", "未設定の合計"));
    ASSERT_TRUE(editor.Set("50").refusal.IsEmpty());
    EXPECT_STREQ("350", f.At("普通預金", "合計").m_strBalance);
    EXPECT_EQ(1, f.At("普通預金", "合計").m_nEntry);

    // While descriptions hold balances the account level is refused.
    editor.SelectAccount(total);
    const auto lines = f.RowLines();
    EXPECT_EQ(0, editor.Set("10").refusal.Find("[ 普通預金 ] は摘要別に期首残高が設定されています。"));
    EXPECT_EQ(0, editor.Delete().refusal.Find("摘要名別に期首残高が設定されています。"));
    EXPECT_EQ(lines, f.RowLines());

    // Deleting the description leaves only the remainder: the account level is
    // back, and its total is the remainder alone.
    editor.SelectDescription(f.Row("普通預金", "C銀行"));
    ASSERT_TRUE(editor.Delete().refusal.IsEmpty());
    EXPECT_STREQ("50", f.At("普通預金", "合計").m_strBalance);
    EXPECT_EQ(0, f.At("普通預金", "合計").m_nEntry);
    EXPECT_EQ(BalanceLine("C銀行", UnsetMark()), editor.LineOf(f.Row("普通預金", "C銀行")));
    editor.SelectAccount(total);
    ASSERT_TRUE(editor.Set("80").refusal.IsEmpty());
    EXPECT_STREQ("80", f.At("普通預金", "合計").m_strBalance);
    EXPECT_STREQ("80", f.At("普通預金", "未設定の合計").m_strBalance);
}

TEST_F(OpeningEdit, TheRemainderSetInTheDetailViewLeavesTheAccountLevelOpen)
{
    const int total = f.Row("普通預金", "合計");
    editor.SelectDescription(f.Row("普通預金", "未設定の合計"));
    ASSERT_TRUE(editor.Set("50").refusal.IsEmpty());
    EXPECT_EQ(0, f.At("普通預金", "合計").m_nEntry);
    editor.SelectAccount(total);
    ASSERT_TRUE(editor.Set("70").refusal.IsEmpty());
    EXPECT_STREQ("70", f.At("普通預金", "合計").m_strBalance);
    EXPECT_STREQ("70", f.At("普通預金", "未設定の合計").m_strBalance);
}

TEST_F(OpeningEdit, AnotherDescriptionWithABalanceKeepsTheAccountLevelRefused)
{
    OpeningFixture g;
    // An account with two descriptions.
    DeleteRecords(g.dictionary);
    FixtureDictionary tree = OpeningDictionary();
    tree.classes[4][2].descriptions = {"A商店", "B商店"};
    MakeDictionary(tree, g.dictionary);
    PrepareBalanceRows(g.dictionary, g.journal, g.rows);
    OpeningBalanceEditor e(g.rows);
    e.SelectDescription(g.Row("売掛金", "A商店"));
    ASSERT_TRUE(e.Set("10").refusal.IsEmpty());
    e.SelectDescription(g.Row("売掛金", "B商店"));
    ASSERT_TRUE(e.Set("20").refusal.IsEmpty());
    e.SelectDescription(g.Row("売掛金", "A商店"));
    ASSERT_TRUE(e.Delete().refusal.IsEmpty());
    EXPECT_EQ(1, g.At("売掛金", "合計").m_nEntry);
    e.SelectAccount(g.Row("売掛金", "合計"));
    EXPECT_FALSE(e.Set("5").refusal.IsEmpty());
    EXPECT_STREQ("20", g.At("売掛金", "合計").m_strBalance);
}

TEST_F(OpeningEdit, ASelectionWithoutRowsIsRefused)
{
    editor.SelectAccount(f.Row("現金", "合計"));
    // The rows are rebuilt from a dictionary that no longer has the account.
    DeleteRecords(f.dictionary);
    FixtureDictionary tree = OpeningDictionary();
    tree.classes[4].erase(tree.classes[4].begin());
    MakeDictionary(tree, f.dictionary);
    PrepareBalanceRows(f.dictionary, f.journal, f.rows);
    editor.RowsRebuilt();
    const auto lines = f.RowLines();
    EXPECT_FALSE(editor.Set("100").refusal.IsEmpty());
    EXPECT_FALSE(editor.Delete().refusal.IsEmpty());
    EXPECT_EQ(lines, f.RowLines());
    // Nothing selected: nothing happens.
    OpeningBalanceEditor none(f.rows);
    EXPECT_TRUE(none.Set("100").refusal.IsEmpty());
    EXPECT_EQ(lines, f.RowLines());
}

TEST_F(OpeningEdit, TheOwnersCapitalEntriesOfOtherDaysAreNeitherReadNorTouched)
{
    f.Add(OneRowEntry("2024/01/01", "現金", "元入金", "180000", 0, 5007000));
    f.Add(OneRowEntry("2024/03/01", "売上", "現金", "10", 1, 1005000));
    f.Add(OneRowEntry("2024/06/30", "元入金", "現金", "50000", 1, 7005000));
    EXPECT_TRUE(PrepareBalanceRows(f.dictionary, f.journal, f.rows).empty());
    editor.RowsRebuilt();
    editor.SelectAccount(f.Row("現金", "合計"));
    EXPECT_STREQ("180,000   ", editor.FieldText() + "   ");
    ASSERT_TRUE(editor.Set("200000").refusal.IsEmpty());

    const OpeningOutcome out = ApplyOpeningBalances(f.journal, f.rows, "2024", 1);
    EXPECT_TRUE(out.refusal.IsEmpty());
    ASSERT_EQ(3, f.journal.GetSize());
    EXPECT_STREQ("200000", f.journal[0]->m_strCauseAmount1);
    EXPECT_STREQ("200000", f.journal[0]->m_strResultAmount1);
    EXPECT_STREQ("50000", f.journal[2]->m_strResultAmount1);
    EXPECT_STREQ("2024/06/30", f.journal[2]->m_strDate);
}

TEST_F(OpeningEdit, ABalanceReadFromTheJournalIsChanged)
{
    f.Add(OneRowEntry("2025/01/01", "現金", "元入金", "500", 0, 5007000));
    PrepareBalanceRows(f.dictionary, f.journal, f.rows);
    editor.SelectAccount(f.Row("現金", "合計"));
    EXPECT_STREQ("500   ", editor.FieldText() + "   ");
    ASSERT_TRUE(editor.Set("600").refusal.IsEmpty());
    EXPECT_EQ(S::kChanged, f.At("現金", "未設定の合計").m_nStatus);
    ASSERT_TRUE(editor.Delete().refusal.IsEmpty());
    EXPECT_EQ(S::kDeleted, f.At("現金", "未設定の合計").m_nStatus);
}

}  // namespace

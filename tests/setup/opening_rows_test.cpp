#include "opening_balance_fixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Lines = std::vector<std::string>;

TEST(OpeningRows, OneGroupPerBalanceSheetAccountInClassOrder)
{
    OpeningFixture f;
    EXPECT_TRUE(PrepareBalanceRows(f.dictionary, f.journal, f.rows).empty());
    // 資本 first, then 負債, 資産(流動), 資産(固定); 元入金, 事業主借, 事業主貸 and
    // 現金過不足 have no rows, a description with 期末 none either; every balance blank.
    const Lines expected = {
        "資本金|合計|4|0|-1|_",       "資本金|未設定の合計|4|0|-1|_",
        "買掛金|合計|4|0|-1|_",       "買掛金|未設定の合計|4|0|-1|_",
        "支払手形|合計|4|0|0|_",      "支払手形|X工業|4|0|-1|_",     "支払手形|未設定の合計|4|0|-1|_",
        "現金|合計|5|0|-1|_",         "現金|未設定の合計|5|0|-1|_",
        "普通預金|合計|5|0|0|_",      "普通預金|C銀行|5|0|-1|_",     "普通預金|未設定の合計|5|0|-1|_",
        "売掛金|合計|5|0|0|_",        "売掛金|A商店|5|0|-1|_",       "売掛金|未設定の合計|5|0|-1|_",
        "建物|合計|6|0|-1|_",         "建物|未設定の合計|6|0|-1|_",
    };
    EXPECT_EQ(expected, f.RowLines());
    EXPECT_EQ((std::vector<int>{0, 2, 4}), AccountLineRows(f.rows, true));
    EXPECT_EQ((std::vector<int>{7, 9, 12, 15}), AccountLineRows(f.rows, false));
    EXPECT_EQ((std::vector<int>{10, 11}), DetailLineRows(f.rows, 9));
    EXPECT_TRUE(DetailLineRows(f.rows, 7).empty());
    EXPECT_EQ(9, FindTotalRow(f.rows, "普通預金"));
    EXPECT_EQ(-1, FindTotalRow(f.rows, "元入金"));

    // A capital account's opening entry keeps the capital class digit 7 (its
    // other entries have it), on the credit side as a liability's.
    EXPECT_EQ(7, f.At("資本金", "未設定の合計").m_nClassDigit);
    EXPECT_EQ(4, f.At("買掛金", "未設定の合計").m_nClassDigit);
    f.rows[f.Row("資本金", "未設定の合計")]->m_strBalance = "300";
    const std::unique_ptr<CMyObject2> entry(NewOpeningEntry(f.At("資本金", "未設定の合計"), "2025"));
    EXPECT_EQ(7007000, entry->m_nClassCode);
    EXPECT_EQ(1, entry->m_nDirection);
}

TEST(OpeningRows, AccountsOnlyTheJournalUsesFollowTheirClass)
{
    OpeningFixture f;
    // A first entry without class digits names no class: its unknown account is
    // passed over instead of being filed under the root.
    f.Add(OneRowEntry("2025/01/05", "謎口座", "現金", "10", 0, 99999));
    f.Add(OneRowEntry("2025/01/06", "定期預金", "現金", "100", 0, 5005000).CauseDesc("D銀行"));
    // 事業主借 outside 負債 does get rows.
    DeleteRecords(f.dictionary);
    FixtureDictionary tree = OpeningDictionary();
    tree.classes[5].push_back({"事業主借", {}});
    MakeDictionary(tree, f.dictionary);
    PrepareBalanceRows(f.dictionary, f.journal, f.rows);
    EXPECT_EQ(-1, f.Row("謎口座", "合計"));
    const int deposit = f.Row("定期預金", "合計");
    ASSERT_GT(deposit, f.Row("売掛金", "未設定の合計"));
    EXPECT_LT(deposit, f.Row("建物", "合計"));
    EXPECT_EQ(deposit + 1, f.Row("定期預金", "D銀行"));
    EXPECT_EQ(6, f.At("事業主借", "合計").m_nKind);
}

TEST(OpeningRows, ReadsTheOpeningEntriesOfTheJournal)
{
    OpeningFixture f;
    f.Add(OneRowEntry("2025/01/01", "元入金", "現金", "1000", 1, 7005000));
    f.Add(OneRowEntry("2025/01/01", "現金", "元入金", "500", 0, 5007000));
    f.Add(OneRowEntry("2025/01/01", "普通預金", "元入金", "800", 0, 5007000).CauseDesc("C銀行"));
    // 元入金 only in row 2: no opening entry, nothing is read from it.
    f.Add(OneRowEntry("2025/01/01", "買掛金", "売上", "70", 0, 4001000).Result("元入金"));
    f.Add(OneRowEntry("2025/03/01", "売上", "現金", "5", 1, 1005000));
    const std::vector<CString> messages = PrepareBalanceRows(f.dictionary, f.journal, f.rows);
    EXPECT_EQ(std::vector<CString>{CString("[ 現金 ] の期首残高設定が重複しています。")}, messages);

    EXPECT_STREQ("1500", f.At("現金", "合計").m_strBalance);
    EXPECT_STREQ("500", f.At("現金", "未設定の合計").m_strBalance);
    EXPECT_EQ(1, f.At("現金", "未設定の合計").m_nEntry);
    EXPECT_STREQ("800", f.At("普通預金", "合計").m_strBalance);
    EXPECT_EQ(1, f.At("普通預金", "合計").m_nEntry);  // set per description
    EXPECT_STREQ("800", f.At("普通預金", "C銀行").m_strBalance);
    EXPECT_EQ(2, f.At("普通預金", "C銀行").m_nEntry);
    EXPECT_EQ(BlankBalance(), f.At("買掛金", "未設定の合計").m_strBalance);
    EXPECT_EQ(UnsetMark(), f.At("買掛金", "合計").m_strBalance);
}

TEST(OpeningRows, TwoEntriesForOneDescriptionAreReported)
{
    OpeningFixture f;
    f.Add(OneRowEntry("2025/01/01", "売掛金", "元入金", "10", 0, 5007000).CauseDesc("A商店"));
    f.Add(OneRowEntry("2025/01/01", "売掛金", "元入金", "20", 0, 5007000).CauseDesc("A商店"));
    EXPECT_EQ(std::vector<CString>{CString("[ 売掛金 ] [ A商店 ] の期首残高設定が重複しています。")},
              PrepareBalanceRows(f.dictionary, f.journal, f.rows));
    EXPECT_STREQ("20", f.At("売掛金", "A商店").m_strBalance);
    EXPECT_STREQ("30", f.At("売掛金", "合計").m_strBalance);
}

TEST(OpeningRows, MarksWhatTheJournalUsesWithoutABalance)
{
    OpeningFixture f;
    f.Add(OneRowEntry("2025/02/01", "売上", "売掛金", "300", 1, 1005000).ResultDesc("A商店"));
    f.Add(OneRowEntry("2025/02/02", "売上", "現金", "300", 1, 1005000));
    PrepareBalanceRows(f.dictionary, f.journal, f.rows);
    EXPECT_EQ(UnsetMark(), f.At("売掛金", "合計").m_strBalance);
    EXPECT_EQ(UnsetMark(), f.At("売掛金", "A商店").m_strBalance);
    EXPECT_EQ(BlankBalance(), f.At("売掛金", "未設定の合計").m_strBalance);
    EXPECT_EQ(UnsetMark(), f.At("現金", "合計").m_strBalance);
    EXPECT_EQ(BlankBalance(), f.At("建物", "合計").m_strBalance);
    EXPECT_EQ(18, UnsetMark().GetLength());
    EXPECT_STREQ("       未 設 定   ", UnsetMark());
}

TEST(OpeningRows, ListLinesKeepTheirColumns)
{
    auto blanks = [](int n) { return std::string(static_cast<size_t>(n), ' '); };
    struct Case {
        const char* name;
        CString balance;
        std::string line;
    } const cases[] = {
        {"現金", "1234567", "現金" + blanks(12) + blanks(6) + "1,234,567   "},
        {"現金", "-25.5", "現金" + blanks(12) + blanks(12) + "-25.50"},
        {"現金", "", "現金" + blanks(12)},
        {"現金", "                  ", "現金" + blanks(12)},
        // A name longer than the column is cut on a character boundary and marked.
        {"とても長い科目名です", "1", "とても長い科目.." + blanks(14) + "1   "},
        {"a長い長い長い長い長", "1", "a長い長い長い.. " + blanks(14) + "1   "},
        {"売掛金", "1234567890123", "売掛金" + blanks(10) + "#34,567,890,123   "},
        {"現金", UnsetMark(), "現金" + blanks(12) + blanks(7) + "未 設 定   "},
    };
    for (const Case& c : cases) {
        const CString line = BalanceLine(c.name, c.balance);
        EXPECT_EQ(c.line, line.str()) << c.name << " " << c.balance.str();
        EXPECT_EQ(0, line.GetLength() == kOpeningNameWidth ? 0 : (line.GetLength() - 34)) << c.name;
    }
}

TEST(OpeningRows, BalanceAmountsCountBlankAndUnsetAsZero)
{
    EXPECT_STREQ("0", BalanceAmount(BlankBalance()));
    EXPECT_STREQ("0", BalanceAmount(UnsetMark()));
    EXPECT_STREQ("12", BalanceAmount("12"));
    EXPECT_FALSE(HoldsBalance("0.00"));
    EXPECT_FALSE(HoldsBalance(UnsetMark()));
    EXPECT_TRUE(HoldsBalance("-1"));
}

}  // namespace

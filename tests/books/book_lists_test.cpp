// The account lists gathered from class digits, exact restore, and the detail
// panel's fields.
#include "../support/journal_fixtures.h"
#include "book_fixture.h"

#include "books/book_lists.h"
#include "books/entry_detail.h"

#include <gtest/gtest.h>

namespace {

TEST(AccountLists, GroupedByClassDigitInFirstAppearanceOrder)
{
    OwnedJournal j{MakeEntry("2024/01/01", {{"現金", "1"}}, {{"元入金", "1"}}, 0, 5007000),
                   MakeEntry("2024/01/02", {{"売上", "1"}}, {{"普通預金", "1"}, {"現金", "1"}}, 1, 1005500),
                   MakeEntry("2024/01/03", {{"旅費(消)", "1"}}, {{"未払金", "1"}}, 0, 3004000),
                   // Six digits: cause row 1 has no class; the others keep their own digits.
                   MakeEntry("2024/01/04", {{"", ""}, {"仕入", "1"}}, {{"買掛金", "1"}}, 0, 204000),
                   // No class digits at all: adds nothing.
                   MakeEntry("2024/01/05", {{"雑費", "1"}}, {{"現金", "1"}}, 0, 99999),
                   // The same account in two groups, and digits 0, 8 and 9 that add nothing.
                   MakeEntry("2024/01/06", {{"現金", "1"}, {"謎", "1"}}, {{"借入金", "1"}, {"謎2", "1"}}, 0, 4904800),
                   // The plain name of a marked account is the same account in its group.
                   MakeEntry("2024/01/07", {{"旅費", "1"}}, {{"現金", "1"}}, 0, 3005000)};
    const AccountGroups groups = GatherAccountGroups(j.journal);
    EXPECT_EQ((std::vector<CString>{"現金", "普通預金"}), groups[kGroupAssets]);
    EXPECT_EQ((std::vector<CString>{"元入金", "未払金", "買掛金", "現金", "借入金"}), groups[kGroupLiabilities]);
    EXPECT_EQ((std::vector<CString>{"売上"}), groups[kGroupRevenue]);
    EXPECT_EQ((std::vector<CString>{"旅費", "仕入"}), groups[kGroupExpenses]);

    // Found in two groups: the later one.
    const GroupPick cash = FindAccountInGroups(groups, "現金");
    EXPECT_EQ(kGroupLiabilities, cash.group);
    EXPECT_EQ(3, cash.index);

    EXPECT_EQ((std::vector<CString>{"旅費(消)", "仕入", "旅費"}), GatherExpenseAccounts(j.journal));
    EXPECT_TRUE(GroupHasCreditBalance(kGroupRevenue));
    EXPECT_TRUE(GroupHasCreditBalance(kGroupLiabilities));
    EXPECT_FALSE(GroupHasCreditBalance(kGroupAssets));
    EXPECT_FALSE(GroupHasCreditBalance(kGroupExpenses));
}

TEST(AccountLists, ExactRestoreWithNamesThatPrefixEachOther)
{
    const std::vector<CString> names = {"預金利息", "預金", "普通預金"};
    EXPECT_EQ(1, FindExactName(names, "預金"));
    EXPECT_EQ(0, FindExactName(names, "預金利息"));
    EXPECT_EQ(-1, FindExactName(names, "預"));
    EXPECT_EQ(-1, FindExactName(names, ""));
    AccountGroups groups;
    groups[kGroupAssets] = names;
    EXPECT_EQ(1, FindAccountInGroups(groups, "預金").index);
    EXPECT_EQ(kGroupNone, FindAccountInGroups(groups, "預").group);
}

TEST(AccountLists, CurrentEntryOfTheAccount)
{
    OwnedJournal j{MakeEntry("2024/01/01", {{"現金", "1"}}, {{"元入金", "1"}}, 0, 5007000)};
    EXPECT_TRUE(EntryNamesAccount(j.journal, 0, "元入金"));
    EXPECT_FALSE(EntryNamesAccount(j.journal, 0, "売上"));
    EXPECT_FALSE(EntryNamesAccount(j.journal, 1, "現金"));
    EXPECT_FALSE(EntryNamesAccount(j.journal, -1, "現金"));
    EXPECT_TRUE(JournalNamesAccount(j.journal, "現金"));
}

class EntryDetailTest : public ::testing::Test {
protected:
    OwnedDictionary m_dict{{{"現金", "で", "として"}, {"旅費交通費", "を", "として"}, {"売上", "を", "について"}},
                           {{"現金", "で受取り", "で支払い"}, {"元入金", "を受取り", "を支払い"}, {"未払金", "で受取り", "で支払い"}}};
};

TEST_F(EntryDetailTest, ClassCodeCasesDigitsAndExpenseAccount)
{
    struct Case {
        const char* name;
        EntryBuilder entry;
        const char* account;
        int accountRow;
        int classSelection;
        int connectIndex;
        const char* digits;
        const char* expense;
    };
    OwnedJournal j;
    Case cases[] = {
        {"opening cash", MakeEntry("2024/01/01", {{"現金", "1"}}, {{"元入金", "1"}}, 0, 5007000), "現金", 0, 4, 0, "3", ""},
        {"expense paid in cash", MakeEntry("2024/01/02", {{"旅費交通費", "1"}}, {{"現金", "1"}}, 0, 3005001), "現金", 3, 2,
         1, "34", "旅費交通費"},
        {"class 3 wins over 2", MakeEntry("2024/01/03", {{"仕入", "1"}}, {{"未払金", "1"}, {"雑費", "1"}}, 0, 2004300),
         "雑費", 4, 1, 0, "64", "雑費"},
        {"cash twice", MakeEntry("2024/01/04", {{"現金", "1"}}, {{"売上", "1"}, {"現金", "1"}}, 0, 5001500), "現金", 4, 4,
         0, "335", ""},
        {"six digits", MakeEntry("2024/01/05", {{"現金", "1"}}, {{"元入金", "1"}}, 0, 500700), "現金", 0, -1, 0, "3", ""},
        {"no class digits", MakeEntry("2024/01/06", {{"現金", "1"}}, {{"売上", "1"}}, 0, 5001), "売上", 3, -1, 0, "35", ""},
        {"cause row 3", MakeEntry("2024/01/07", {{"売上", "1"}, {"雑収入", "1"}, {"受取利息", "1"}}, {{"現金", "3"}}, 1, 1115000),
         "受取利息", 2, 0, 0, "35", ""},
    };
    for (Case& c : cases) {
        const CMyObject2& entry = j.Add(c.entry);
        const EntryDetail detail = DescribeEntry(entry, c.account, "", -1);
        EXPECT_EQ(c.accountRow, detail.accountRow) << c.name;
        EXPECT_EQ(c.classSelection, detail.classSelection) << c.name;
        EXPECT_EQ(c.connectIndex, detail.connectIndex) << c.name;
        EXPECT_EQ(c.digits, BookDigits(entry)) << c.name;
        EXPECT_EQ(c.expense, ExpenseRowOf(entry).account) << c.name;
    }
}

TEST_F(EntryDetailTest, FieldsDescriptionsFilterSideAndRemark)
{
    OwnedJournal j{MakeEntry("2024/02/10", {{"売上", "1234", "d1"}, {"売上", "5.5", "d2"}},
                             {{"現金", "1239.5", "r1"}, {"普通預金", "", "r2"}}, 1, 1105500, "メモ" + RemarkItem("a"))};
    const CMyObject2& entry = *j.journal.GetAt(0);
    const EntryDetail detail = DescribeEntry(entry, "普通預金", "r2", 1);
    EXPECT_EQ(" 2024/02/10", detail.date);
    EXPECT_EQ("1,234", detail.amounts[0]);
    EXPECT_EQ("5.50", detail.amounts[1]);
    EXPECT_EQ("", detail.amounts[4]);
    EXPECT_EQ(4, detail.accountRow);
    EXPECT_EQ("d1", detail.causeDescription);
    EXPECT_EQ("r2", detail.resultDescription);
    EXPECT_EQ(2, detail.filterSide);
    EXPECT_EQ("普通預金", detail.resultAccount);
    EXPECT_EQ("メモ", detail.remark);
    EXPECT_TRUE(detail.firstPhrase);
    // The filter on the other side of the account's row.
    EXPECT_EQ(0, DescribeEntry(entry, "普通預金", "d2", 1).filterSide);
    // No row names the account: the previous row stays.
    EXPECT_EQ(1, DescribeEntry(entry, "仕入", "", 1).accountRow);
    // Direction -1 shows the second phrase, as 0 does.
    OwnedJournal none{MakeEntry("2024/02/11", {{"売上", "1"}}, {{"現金", "1"}}, -1, 1005000)};
    EXPECT_FALSE(DescribeEntry(*none.journal.GetAt(0), "現金", "", -1).firstPhrase);
}

TEST_F(EntryDetailTest, ConnectingWordPhrasesAndUnknownCauseAccount)
{
    // "を" turns the result's "を受取り" into "で受取り".
    PanelWords words = LookupPanelWords(m_dict.dictionary, "売上", "元入金", 0);
    EXPECT_EQ("を", words.connectWord);
    EXPECT_EQ("で受取り", words.increasePhrase);
    EXPECT_EQ("で支払い", words.decreasePhrase);
    // "として" turns the default "で受取り" into "を受取り".
    words = LookupPanelWords(m_dict.dictionary, "旅費交通費", "現金", 1);
    EXPECT_EQ("として", words.connectWord);
    EXPECT_EQ("を受取り", words.increasePhrase);
    EXPECT_EQ("を支払い", words.decreasePhrase);
    // The candidates: index 2 is the first one ("から" for an account without its own).
    words = LookupPanelWords(m_dict.dictionary, "現金", "未知", 2);
    EXPECT_EQ("から", words.connectWord);
    EXPECT_EQ("を受取り", words.increasePhrase);
    // A cause account the dictionary does not hold: no connecting word.
    words = LookupPanelWords(m_dict.dictionary, "未登録", "現金", 0);
    EXPECT_FALSE(words.causeFound);
    EXPECT_EQ("", words.connectWord);
    EXPECT_EQ("で受取り", words.increasePhrase);
    // A dictionary too short for the result branch answers the defaults.
    OwnedDictionary empty{{}, {}};
    words = LookupPanelWords(empty.dictionary, "現金", "現金", 0);
    EXPECT_EQ("で受取り", words.increasePhrase);
}

}  // namespace

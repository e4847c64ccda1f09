// The cash book's opening cash written into the journal.
#include "book_fixture.h"

#include "books/opening_cash.h"

#include <gtest/gtest.h>

namespace {

TEST(OpeningCash, TheFieldIsAnAmountWithoutASign)
{
    // The amount rule has its table in amount_check_test; here the field's name
    // and that nothing is planned for a refused text.
    JournalArray journal;
    for (const char* good : {"", "1,000", "12.5"})
        EXPECT_EQ(CString(), PlanOpeningCash(journal, good, "2024").refusal) << good;
    const OpeningCashPlan plan = PlanOpeningCash(journal, "-5", "2024");
    EXPECT_EQ("期首残高「-5」にはマイナスの符号を付けられません。", plan.refusal);
    EXPECT_TRUE(plan.date.IsEmpty());
    EXPECT_EQ(0, PlanOpeningCash(journal, "1234567890123456789", "2024").refusal.Find("入力金額の整数が上限の18桁"));
}

TEST(OpeningCash, InsertReplaceOrKeep)
{
    struct Case {
        const char* name;
        std::vector<const char*> openingDates;  // 現金/元入金 entries before a sale
        const char* field;
        int replaceIndex;
        const char* amount;
    } cases[] = {
        {"none yet", {}, "1,000", -1, "1000"},
        {"one of 1 January", {"2024/01/01"}, "2000", 0, "2000"},
        {"two of 1 January: the later", {"2024/01/01", "2024/01/01"}, "3", 1, "3"},
        {"paid in during the year stays", {"2024/05/10"}, "4", -1, "4"},
        {"empty field", {}, "", -1, "0"},
        {"decimals", {}, "5.5", -1, "5.50"},
    };
    for (const Case& c : cases) {
        OwnedJournal j;
        for (const char* date : c.openingDates)
            j.Add(MakeEntry(date, {{"現金", "9"}}, {{"元入金", "9"}}, 0, 5007000));
        j.Add(MakeEntry("2024/06/01", {{"売上", "1"}}, {{"現金", "1"}}, 1, 1005000));
        const OpeningCashPlan plan = PlanOpeningCash(j.journal, c.field, "2024");
        EXPECT_EQ("", plan.refusal) << c.name;
        EXPECT_EQ(c.replaceIndex, plan.replaceIndex) << c.name;
        EXPECT_EQ(c.amount, plan.amount) << c.name;
        EXPECT_EQ("2024/01/01", plan.date) << c.name;

        const int size = j.journal.GetSize();
        const int current = ApplyOpeningCash(j.journal, plan, MakeOpeningCashEntry(plan), size - 1);
        const int at = c.replaceIndex >= 0 ? c.replaceIndex : 0;
        EXPECT_EQ(size + (c.replaceIndex >= 0 ? 0 : 1), j.journal.GetSize()) << c.name;
        // The current entry still names the sale.
        EXPECT_EQ("売上", j.journal.GetAt(current)->m_strCause1) << c.name;
        const CMyObject2& entry = *j.journal.GetAt(at);
        EXPECT_EQ("現金", entry.m_strCause1);
        EXPECT_EQ("元入金", entry.m_strResult1);
        EXPECT_EQ(c.amount, entry.m_strCauseAmount1);
        EXPECT_EQ(c.amount, entry.m_strResultAmount1);
        EXPECT_EQ("0", entry.m_strCauseAmount2);
        EXPECT_EQ(0, entry.m_nDirection);
        EXPECT_EQ(5007000, entry.m_nClassCode);
    }
}

TEST(OpeningCash, TheFieldShowsTheEntryTheButtonWrites)
{
    // The owner pays cash in during the year: that is no opening cash.
    OwnedJournal j{MakeEntry("2024/03/01", {{"売上", "1"}}, {{"現金", "1"}}, 1, 1005000),
                   MakeEntry("2024/06/01", {{"現金", "5000"}}, {{"元入金", "5000"}}, 0, 5007000)};
    EXPECT_EQ("0", OpeningCashOf(j.journal, "2024"));

    const OpeningCashPlan plan = PlanOpeningCash(j.journal, "2,000", "2024");
    ApplyOpeningCash(j.journal, plan, MakeOpeningCashEntry(plan), 0);
    EXPECT_EQ("2000", OpeningCashOf(j.journal, "2024"));
    // Set again: the same entry changes, the owner's own entry stays.
    const OpeningCashPlan again = PlanOpeningCash(j.journal, "3000", "2024");
    EXPECT_EQ(0, again.replaceIndex);
    ApplyOpeningCash(j.journal, again, MakeOpeningCashEntry(again), 0);
    EXPECT_EQ("3000", OpeningCashOf(j.journal, "2024"));
    EXPECT_EQ(3, j.journal.GetSize());
    EXPECT_EQ("5000", j.journal.GetAt(2)->m_strCauseAmount1);
    // An opening entry written the other way round (元入金 first) is read as well.
    OwnedJournal turned{MakeEntry("2024/01/01", {{"元入金", "700"}}, {{"現金", "700"}}, 1, 7005000)};
    EXPECT_EQ("700", OpeningCashOf(turned.journal, "2024"));
    EXPECT_EQ("0", OpeningCashOf(turned.journal, "2025"));
}

TEST(OpeningCash, Refusals)
{
    OwnedJournal empty;
    EXPECT_NE("", PlanOpeningCash(empty.journal, "100", "").refusal);
    EXPECT_NE("", PlanOpeningCash(empty.journal, "100", "/01").refusal);
    EXPECT_EQ("", PlanOpeningCash(empty.journal, "100", "2025").refusal);
    EXPECT_NE("", PlanOpeningCash(empty.journal, "12345678901234567890", "2025").refusal);
    EXPECT_EQ(-1, ApplyOpeningCash(empty.journal, PlanOpeningCash(empty.journal, "1", "2025"),
                                   MakeOpeningCashEntry(PlanOpeningCash(empty.journal, "1", "2025")), -1));
    EXPECT_EQ(1, empty.journal.GetSize());
}

}  // namespace

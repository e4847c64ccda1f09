// The closing-inventory aid: the entries and purchases it recognises, and the
// entries it writes, changes and removes.
#include "setup/inventory_entries.h"

#include "support/entry_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Row {
    const char* cause;
    const char* result;
    int direction;
    const char* amount;
};

class InventoryTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (int i = 0; i < m_journal.GetSize(); ++i)
            delete m_journal[i];
    }
    void Add(const Row& row)
    {
        m_journal.Add(OneRowEntry("2024/05/01", row.cause, row.result, row.amount, row.direction, 0).New());
    }
    // "cause>result:amount" per entry, for comparing the journal.
    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        for (int i = 0; i < m_journal.GetSize(); ++i) {
            const CMyObject2& e = *m_journal[i];
            lines.push_back(e.m_strDate.str() + " " + e.m_strCause1.str() + ">" + e.m_strResult1.str() + ":" +
                            e.m_strCauseAmount1.str() + "/" + e.m_strResultAmount1.str() + " d" +
                            std::to_string(e.m_nDirection) + " c" + std::to_string(e.m_nClassCode));
        }
        return lines;
    }
    JournalArray m_journal;
};

TEST_F(InventoryTest, RecognitionOfTheThreeEntriesAndThePurchases)
{
    const Row rows[] = {
        {"棚卸資産", "元入金", 0, "1000"},  // 0 opening
        {"元入金", "商品棚卸高", 1, "500"},  // 1 opening, written the other way round
        {"棚卸資産", "仕入", 1, "1500"},     // 2 transfer
        {"仕入", "買掛金", 0, "7000"},       // 3 purchases +
        {"現金", "仕入", 1, "300"},          // 4 purchases +
        {"仕入", "現金", 1, "200"},          // 5 purchases - (a return)
        {"棚卸資産", "仕入", 0, "900"},      // 6 closing
        {"棚卸資産", "元入金", -1, "99"},    // 7 no direction: nothing
        {"棚卸資産", "仕入", 0, "100"},      // 8 closing, a second one
    };
    for (const Row& r : rows)
        Add(r);
    const InventoryFigures f = RecognizeInventory(m_journal);
    EXPECT_EQ(f.total[kInventoryOpening].str(), "1500");
    EXPECT_EQ(f.entry[kInventoryOpening], 1);
    EXPECT_EQ(f.others[kInventoryOpening].str(), "1000");
    EXPECT_EQ(f.total[kInventoryTransfer].str(), "1500");
    EXPECT_EQ(f.entry[kInventoryTransfer], 2);
    EXPECT_EQ(f.others[kInventoryTransfer].str(), "0");
    EXPECT_EQ(f.total[kInventoryClosing].str(), "1000");
    EXPECT_EQ(f.entry[kInventoryClosing], 8);
    EXPECT_EQ(f.purchases.str(), "7100");
}

TEST_F(InventoryTest, EntriesWrittenForEachCombination)
{
    struct Case {
        const char* what;
        std::vector<Row> journal;
        const char* opening;
        const char* closing;
        int current;
        bool changed;
        int currentAfter;
        std::vector<std::string> lines;
    } cases[] = {
        {"empty journal, both set", {}, "1000", "2,500", 0, true, 2,
         {"2024/01/01 棚卸資産>元入金:1000/1000 d0 c5007000", "2024/01/01 棚卸資産>仕入:1000/1000 d1 c5002000",
          "2024/12/31 棚卸資産>仕入:2500/2500 d0 c5002000"}},
        {"closing appended: it becomes current", {{"仕入", "現金", 0, "10"}, {"仕入", "現金", 0, "20"}}, "", "300",
         0, true, 2,
         {"2024/05/01 仕入>現金:10/10 d0 c0", "2024/05/01 仕入>現金:20/20 d0 c0",
          "2024/12/31 棚卸資産>仕入:300/300 d0 c5002000"}},
        {"opening empty (not 0) leaves the entries alone",
         {{"棚卸資産", "元入金", 0, "10"}, {"棚卸資産", "仕入", 1, "10"}}, "", "0", 1, false, 1,
         {"2024/05/01 棚卸資産>元入金:10/10 d0 c0", "2024/05/01 棚卸資産>仕入:10/10 d1 c0"}},
        {"opening 0 removes the opening and transfer entries",
         {{"棚卸資産", "元入金", 0, "10"}, {"棚卸資産", "仕入", 1, "10"}, {"仕入", "現金", 0, "5"}, {"仕入", "現金", 0, "6"}},
         "0", "0", 2, true, 0, {"2024/05/01 仕入>現金:5/5 d0 c0", "2024/05/01 仕入>現金:6/6 d0 c0"}},
        {"existing closing entry changed",
         {{"仕入", "現金", 0, "5"}, {"棚卸資産", "仕入", 0, "40"}}, "", "70", 0, true, 1,
         {"2024/05/01 仕入>現金:5/5 d0 c0", "2024/05/01 棚卸資産>仕入:70/70 d0 c0"}},
        {"existing closing entry deleted",
         {{"仕入", "現金", 0, "5"}, {"棚卸資産", "仕入", 0, "40"}}, "", "0", 1, true, 0,
         {"2024/05/01 仕入>現金:5/5 d0 c0"}},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        m_journal.RemoveAll();
        for (const Row& r : c.journal)
            Add(r);
        const InventoryFigures f = RecognizeInventory(m_journal);
        const InventoryOutcome out =
            ApplyInventory(m_journal, InventoryHandOverOf(f, c.opening, c.closing), "2024", c.current);
        EXPECT_EQ(out.changed, c.changed);
        EXPECT_EQ(out.currentEntry, c.currentAfter);
        EXPECT_EQ(Lines(), c.lines);
    }
}

TEST_F(InventoryTest, TwoClosingEntriesKeepTheirSumWhenTheFigureIsConfirmed)
{
    Add({"棚卸資産", "仕入", 0, "100"});
    Add({"仕入", "現金", 0, "5"});
    Add({"棚卸資産", "仕入", 0, "200"});
    InventoryFigures f = RecognizeInventory(m_journal);
    ASSERT_EQ(f.total[kInventoryClosing].str(), "300");
    // Confirming the figure shown keeps the journal's total at 300.
    ApplyInventory(m_journal, InventoryHandOverOf(f, "", f.total[kInventoryClosing]), "2024", 0);
    EXPECT_EQ(RecognizeInventory(m_journal).total[kInventoryClosing].str(), "300");
    // A new figure of 450 is reached by the later entry carrying 350.
    f = RecognizeInventory(m_journal);
    ApplyInventory(m_journal, InventoryHandOverOf(f, "", "450"), "2024", 0);
    EXPECT_EQ(m_journal[0]->m_strCauseAmount1.str(), "100");
    EXPECT_EQ(m_journal[2]->m_strCauseAmount1.str(), "350");
}

TEST(InventoryField, OverflowDisplayKeepsTheFigure)
{
    EXPECT_EQ(AmountFromField("#234,567,890,123   ", "1234567890123").str(), "1234567890123");
    EXPECT_EQ(AmountFromField("     12,345   ", "0").str(), "12345");
    EXPECT_EQ(AmountFromField("", "70").str(), "");
}

}  // namespace

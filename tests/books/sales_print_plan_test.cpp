// The print plan of the sales and purchases books: portrait and landscape pages,
// entries kept whole at a page end, item lists split, totals and tax per entry.
#include "book_fixture.h"

#include "books/item_breakdown.h"
#include "books/sales_print_plan.h"

#include <gtest/gtest.h>

namespace {

CString Items(int n, const char* quantity = "2", const char* price = "100")
{
    CString remark = "備考";
    for (int i = 0; i < n; ++i)
        AppendItem(remark, {"品", quantity, "個", price, "円"});
    return remark;
}

// count sales entries of 100 yen each; entry k gets items[k] items when given.
void AddSales(OwnedJournal& j, int count, const std::vector<int>& items = {})
{
    for (int k = 0; k < count; ++k) {
        const int n = k < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(k)] : 0;
        j.Add(MakeEntry("2024/05/01", {{"売掛金", "100"}}, {{"売上", "100", "客"}}, 0, 4110000, Items(n)));
    }
}

std::vector<std::pair<int, int>> Ranges(const SalesPrintPlan& plan)
{
    std::vector<std::pair<int, int>> ranges;
    for (const SalesPrintPage& page : plan.pages)
        ranges.push_back({page.first, page.last});
    return ranges;
}

TEST(SalesPrintPlan, PortraitPagesHold18ThenSeventeenEntries)
{
    struct Case {
        int entries;
        std::vector<std::pair<int, int>> pages;
    };
    const Case cases[] = {
        {18, {{0, 17}}},
        {19, {{0, 17}, {18, 18}}},
        {35, {{0, 17}, {18, 34}}},
        {36, {{0, 17}, {18, 34}, {35, 35}}},
    };
    for (const Case& c : cases) {
        OwnedJournal j;
        AddSales(j, c.entries);
        const SalesPrintPlan plan = PlanSalesPrint(j.journal, BuildSalesLedger(j.journal, SalesBook::Sales, ""));
        EXPECT_FALSE(plan.breakdown);
        EXPECT_EQ(c.pages, Ranges(plan)) << c.entries;
        EXPECT_EQ(CString("1800"), plan.pages[0].credit);
        EXPECT_EQ(CString("2024"), plan.year);
    }
}

TEST(SalesPrintPlan, LandscapeKeepsAnEntryWholeAndSplitsItemLists)
{
    {
        // One entry with items turns the whole print to landscape. Entry 0 takes 5
        // lines, entry k the lines 2k + 3 and 2k + 4: the 33rd line is entry 14's
        // remark line, so entry 14 moves whole to page 2 and its amount with it.
        OwnedJournal j;
        AddSales(j, 16, {2});
        const SalesPrintPlan plan = PlanSalesPrint(j.journal, BuildSalesLedger(j.journal, SalesBook::Sales, ""));
        EXPECT_TRUE(plan.breakdown);
        ASSERT_EQ(35u, plan.lines.size());
        EXPECT_EQ(2, plan.lines[2].kind);
        EXPECT_EQ(3, plan.lines[3].kind);
        EXPECT_EQ(-4, plan.lines[4].kind);
        EXPECT_EQ((std::vector<std::pair<int, int>>{{0, 30}, {31, 34}}), Ranges(plan));
        EXPECT_EQ(CString("1400"), plan.pages[0].credit);
    }
    {
        // The 33rd line is entry 15's entry line: the entry starts page 2, and
        // page 1's totals leave its amount out; page 2 holds 32 lines at most.
        OwnedJournal j;
        std::vector<int> items(17, 0);
        items[0] = 1;  // 4 lines
        AddSales(j, 18, items);
        const SalesPrintPlan plan = PlanSalesPrint(j.journal, BuildSalesLedger(j.journal, SalesBook::Sales, ""));
        // Entry 0 takes lines 0-3, entry k the lines 2k + 2 and 2k + 3.
        EXPECT_EQ((std::vector<std::pair<int, int>>{{0, 31}, {32, 37}}), Ranges(plan));
        EXPECT_EQ(CString("1500"), plan.pages[0].credit);
        EXPECT_EQ(CString("1800"), plan.pages[1].credit);
    }
    {
        // An item list longer than the page: the page ends inside it, page 2 goes on
        // with the remaining items (its first line an item line).
        OwnedJournal j;
        AddSales(j, 2, {0, 40});
        const SalesPrintPlan plan = PlanSalesPrint(j.journal, BuildSalesLedger(j.journal, SalesBook::Sales, ""));
        ASSERT_EQ(2u + 2u + 1u + 40u, plan.lines.size());
        EXPECT_EQ((std::vector<std::pair<int, int>>{{0, 32}, {33, 44}}), Ranges(plan));
        EXPECT_EQ(31, plan.lines[33].kind);  // item 29 of 40
        EXPECT_EQ(-42, plan.lines[44].kind);
        EXPECT_EQ(CString("200"), plan.pages[0].credit);
    }
    {
        // The filter decides: the entry with items is not printed, so portrait.
        OwnedJournal j;
        AddSales(j, 1);
        j.Add(MakeEntry("2024/06/01", {{"売掛金", "1"}}, {{"売上", "1", "別"}}, 0, 4110000, Items(2)));
        const SalesLedger ledger = BuildSalesLedger(j.journal, SalesBook::Sales, "客");
        EXPECT_FALSE(PlanSalesPrint(j.journal, ledger).breakdown);
        EXPECT_TRUE(PlanSalesPrint(j.journal, BuildSalesLedger(j.journal, SalesBook::Sales, "")).breakdown);
    }
    {
        // An entry with two sales rows prints both rows, each with its remark line,
        // and its items once, after the last of them; both amounts count in the totals.
        OwnedJournal j;
        j.Add(MakeEntry("2024/06/02", {{"現金", "600"}}, {{"売上", "400", "A"}, {"売上", "200", "B"}}, 0,
                                4110000, Items(2)));
        const SalesPrintPlan plan = PlanSalesPrint(j.journal, BuildSalesLedger(j.journal, SalesBook::Sales, ""));
        ASSERT_EQ(7u, plan.lines.size());
        const int kinds[] = {0, 1, 0, 1, 2, 3, -4};
        const int rows[] = {3, 3, 4, 4, 4, 4, 4};
        for (std::size_t i = 0; i < plan.lines.size(); ++i) {
            EXPECT_EQ(kinds[i], plan.lines[i].kind) << i;
            EXPECT_EQ(rows[i], plan.lines[i].entryRow) << i;
        }
        EXPECT_EQ(CString("600"), plan.pages.back().credit);
    }
}

TEST(SalesPrintPlan, ItemTotalAndTaxOfOneEntry)
{
    struct Case {
        const char* total;
        const char* tax;
    };
    const Case taxes[] = {{"1000", "50"}, {"1019", "50"}, {"19", "0"}, {"0", "0"}, {"19.99", "0"}, {"20", "1"},
                          {"123456789012345678901234", "6172839450617283945061"}};
    for (const Case& c : taxes)
        EXPECT_EQ(CString(c.tax), ConsumptionTax(c.total)) << c.total;

    const ItemTotals two = EntryItemTotals(Items(2, "3", "1,000"));
    EXPECT_EQ(CString("6000"), two.total);
    EXPECT_EQ(CString("300"), two.tax);
    const ItemTotals fraction = EntryItemTotals(Items(1, "1.5", "12.5"));
    EXPECT_EQ(CString("18.75"), fraction.total);
    EXPECT_EQ(CString("0"), fraction.tax);
    EXPECT_EQ(CString("0"), EntryItemTotals("no items").total);
}

}  // namespace

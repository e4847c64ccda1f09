// The printed pages of the sales and purchases books: what is drawn where on the
// cover, the portrait pages and the landscape pages with their items.
#include "book_fixture.h"

#include "books/item_breakdown.h"
#include "books/sales_print.h"
#include "core/column_text.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

CString ItemsRemark(int n, const char* quantity = "2", const char* price = "1,000")
{
    CString remark = "月分";
    for (int i = 1; i <= n; ++i)
        AppendItem(remark, {"品" + IntToText(i), quantity, "個", price, "円"});
    return remark;
}

EntryBuilder Sale(const char* amount, const char* partner, const CString& remark = "")
{
    return MakeEntry("2024/05/01", {{"売掛金", amount, partner}}, {{"売上", amount, partner}}, 0, 5110000, remark);
}

// The text drawn with its top-left corner at (x, the text line of row), blanks trimmed.
CString TextAt(const PagePlan& plan, int x, int row)
{
    for (const PlannedText& planned : plan.texts) {
        if (!planned.centred && planned.x == x && planned.y == RowText(row)) {
            CString text = planned.text;
            text.TrimLeft();
            text.TrimRight();
            return text;
        }
    }
    return "(none)";
}

SalesPrintJob JobOf(const OwnedJournal& j, SalesBook book, const char* filter = "すべて")
{
    return MakeSalesPrintJob(j.journal, book, BuildSalesLedger(j.journal, book, filter), filter);
}

TEST(SalesPrintPages, LandscapeItemListSplitAcrossPages)
{
    OwnedJournal j{Sale("50000", "居酒屋"), Sale("80000", "割烹", ItemsRemark(40))};
    const SalesPrintJob job = JobOf(j, SalesBook::Sales);
    ASSERT_TRUE(job.plan.breakdown);
    ASSERT_EQ(3, SalesPrintPageCount(job));

    // Page 2 drawn before page 1 gives the same texts as drawn afterwards.
    const PagePlan secondFirst = PlanSalesBodyPage(job, 2);
    const PagePlan first = PlanSalesBodyPage(job, 1);
    const PagePlan second = PlanSalesBodyPage(job, 2);
    ASSERT_EQ(second.texts.size(), secondFirst.texts.size());
    for (std::size_t i = 0; i < second.texts.size(); ++i)
        EXPECT_EQ(second.texts[i].text, secondFirst.texts[i].text);
    EXPECT_EQ(second.rules.size(), secondFirst.rules.size());
    // The landscape pages print in 8 points.
    EXPECT_TRUE(std::all_of(first.texts.begin(), first.texts.end(),
                            [](const PlannedText& text) { return text.pointTenths == 80; }));

    EXPECT_EQ("2024年", TextAt(first, 344, 0));
    EXPECT_EQ("－ 売上 －", TextAt(first, 1404, 0));
    EXPECT_EQ("相手科目", TextAt(first, 1034, 2));
    EXPECT_EQ("05/01", TextAt(first, 194, 3));
    EXPECT_EQ("居酒屋", TextAt(first, 414, 3));
    EXPECT_EQ("50,000", TextAt(first, 34 + 2176 + 14, 3));   // credit
    EXPECT_EQ("備考", TextAt(first, 194, 4));
    EXPECT_EQ("50,000", TextAt(first, 34 + 2468 + 14, 4));   // balance
    EXPECT_EQ("内訳", TextAt(first, 180, 7));
    EXPECT_EQ("品1", TextAt(first, 344, 8));
    EXPECT_EQ("2 個", TextAt(first, 948, 8));
    EXPECT_EQ("1,000", TextAt(first, 1240, 8));
    EXPECT_EQ("2,000 円", TextAt(first, 1542, 8));
    // 33 lines on rows 3 to 35; the list goes on on the next page.
    EXPECT_EQ("品28", TextAt(first, 344, 35));
    EXPECT_EQ("内訳　後ページへ続く", TextAt(first, 864, 36));
    EXPECT_EQ("後ページへ繰り越し", TextAt(first, 864, 38));
    EXPECT_EQ("130,000", TextAt(first, 34 + 2176 + 14, 38));
    EXPECT_EQ("130,000", TextAt(first, 34 + 2468 + 14, 38));  // the balance after the second entry
    EXPECT_EQ("－ 1 －", TextAt(first, 1404, 41));

    EXPECT_EQ("前ページより繰り越し", TextAt(second, 864, 3));
    EXPECT_EQ("130,000", TextAt(second, 34 + 2176 + 14, 3));
    EXPECT_EQ("130,000", TextAt(second, 34 + 2468 + 14, 3));
    EXPECT_EQ("内訳　前ページの続き", TextAt(second, 864, 5));
    EXPECT_EQ("品29", TextAt(second, 344, 6));
    EXPECT_EQ("品40", TextAt(second, 344, 17));
    // The total and tax of all 40 items, those of page 1 included.
    EXPECT_EQ("内訳合計金額 80,000 円", TextAt(second, 34 + 1884 + 6, 17));
    EXPECT_EQ("(消費税) 4,000 円", TextAt(second, 34 + 2176 + 220, 17));
    EXPECT_EQ("総   合   計", TextAt(second, 864, 19));
    EXPECT_EQ("－ 2 －", TextAt(second, 1404, 41));
}

TEST(SalesPrintPages, TaxBelowOneYenPrintsZeroAndEachEntryHasItsOwnTotal)
{
    OwnedJournal j{Sale("19", "甲", ItemsRemark(1, "1", "19")), Sale("3000", "乙", ItemsRemark(1, "3", "1,000"))};
    const SalesPrintJob job = JobOf(j, SalesBook::Sales);
    const PagePlan page = PlanSalesBodyPage(job, 1);
    // Entry 0: rows 3-6, entry 1: rows 7-10.
    EXPECT_EQ("内訳合計金額 19 円", TextAt(page, 1924, 6));
    EXPECT_EQ("(消費税) 0 円", TextAt(page, 2430, 6));
    EXPECT_EQ("内訳合計金額 3,000 円", TextAt(page, 1924, 10));
    EXPECT_EQ("(消費税) 150 円", TextAt(page, 2430, 10));
}

TEST(SalesPrintPages, FifteenDigitItemsArePrintedWholeEachWithinItsPlace)
{
    // The widest figures the editor accepts: 15 digits times 15 digits.
    OwnedJournal j{Sale("1", "甲", ItemsRemark(2, "999999999999999", "999999999999999"))};
    const SalesPrintJob job = JobOf(j, SalesBook::Sales);
    const PagePlan page = PlanSalesBodyPage(job, 1);
    // Entry line 3, remark 4, heading 5, the items on rows 6 and 7 (the last).
    for (int row : {6, 7}) {
        std::vector<const PlannedText*> texts;
        for (const PlannedText& text : page.texts)
            if (text.y == RowText(row))
                texts.push_back(&text);
        std::sort(texts.begin(), texts.end(), [](const PlannedText* a, const PlannedText* b) { return a->x < b->x; });
        ASSERT_EQ(row == 7 ? 6u : 4u, texts.size()) << row;
        for (std::size_t i = 1; i < texts.size(); ++i) {
            // The name is never a figure; every figure keeps to its room, and the
            // room ends before the next text begins, within the table.
            ASSERT_GT(texts[i]->fitWidth, 0) << row << " " << texts[i]->text;
            const int end = texts[i]->x + texts[i]->fitWidth;
            EXPECT_LE(end, i + 1 < texts.size() ? texts[i + 1]->x : kLandscapeX + kLandscapeColumns[5])
                << row << " " << texts[i]->text;
        }
        EXPECT_EQ("999,999,999,999,999 個", TextAt(page, 948, row));
        EXPECT_EQ("999,999,999,999,999", TextAt(page, 1240, row));
        EXPECT_EQ("999999999999,998,000,000,000,000,001 円", TextAt(page, 1542, row));
    }
    EXPECT_EQ("内訳合計金額 1999999999999,996,000,000,000,000,002 円", TextAt(page, 1924, 7));
    // The two texts share the row in the measure of their lengths (54 and 47 bytes).
    const int taxX = 1924 + (2794 - 6 - 1924) * 54 / 101 + 6;
    EXPECT_EQ("(消費税) 99999999999,999,800,000,000,000,000 円", TextAt(page, taxX, 7));
}

TEST(SalesPrintPages, PortraitPagesAndCovers)
{
    OwnedJournal j{Sale("1000", "甲"), Sale("2000", "乙"),
                   MakeEntry("2024/05/02", {{"売上", "500", "甲"}}, {{"現金", "500"}}, 0, 1510000)};
    const SalesPrintJob all = JobOf(j, SalesBook::Sales);
    ASSERT_FALSE(all.plan.breakdown);
    const PagePlan page = PlanSalesBodyPage(all, 1);
    EXPECT_TRUE(std::all_of(page.texts.begin(), page.texts.end(),
                            [](const PlannedText& text) { return text.pointTenths == 86; }));
    EXPECT_EQ("－ 売上 －", TextAt(page, 954, 0));
    EXPECT_EQ("日付", TextAt(page, 154, 2));
    // The sales balance is credit minus debit: 1000, 3000, then 2500 after the
    // return, each on the entry's second row beside the counter accounts.
    EXPECT_EQ("1,000", TextAt(page, 34 + 1632 + 8, 4));
    EXPECT_EQ("3,000", TextAt(page, 34 + 1632 + 8, 7));
    EXPECT_EQ("500", TextAt(page, 34 + 1050 + 8, 9));
    EXPECT_EQ("2,500", TextAt(page, 34 + 1632 + 8, 10));
    EXPECT_EQ("(none)", TextAt(page, 34 + 1632 + 8, 9));
    EXPECT_EQ("総合計", TextAt(page, 534, 12));

    const SalesPrintJob filtered = JobOf(j, SalesBook::Sales, "甲");
    EXPECT_EQ("－ 売上 － < 甲 >", TextAt(PlanSalesBodyPage(filtered, 1), 954, 0));

    const PagePlan cover = PlanSalesCover(all);
    ASSERT_EQ(3u, cover.texts.size());
    EXPECT_EQ(CString("《 売上帳 》"), cover.texts[0].text);
    EXPECT_EQ(CString("令和6年度"), cover.texts[1].text);
    EXPECT_EQ(CString("(2024年度)"), cover.texts[2].text);
    EXPECT_EQ(1050, (cover.texts[0].x + cover.texts[0].right) / 2);
    EXPECT_EQ(200, cover.texts[0].pointTenths);

    OwnedJournal items{MakeEntry("2024/05/01", {{"仕入", "100", "問屋"}}, {{"現金", "100"}}, 0, 2510000,
                                 ItemsRemark(1, "1", "100"))};
    const SalesPrintJob landscape = JobOf(items, SalesBook::Purchases);
    const PagePlan landscapeCover = PlanSalesCover(landscape);
    EXPECT_EQ(CString("《 仕入帳 》"), landscapeCover.texts[0].text);
    EXPECT_EQ(1520, (landscapeCover.texts[0].x + landscapeCover.texts[0].right) / 2);
}

}  // namespace

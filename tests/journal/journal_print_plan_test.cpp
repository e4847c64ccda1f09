// The printed journal's page table and page plans: which entries each page takes,
// and which texts and rules are drawn where.
#include "core/amount_arithmetic.h"
#include "core/record_file.h"
#include "journal/journal_print_plan.h"
#include "support/journal_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Journal : JournalArray {
    ~Journal() { DeleteRecords(*this); }
};

// The text drawn at (x, y), or "<none>".
CString TextAt(const PagePlan& plan, int x, int y)
{
    for (const PlannedText& text : plan.texts)
        if (text.x == x && text.y == y)
            return text.text;
    return "<none>";
}

bool HasCentredText(const PagePlan& plan, int top, const CString& wanted)
{
    return std::any_of(plan.texts.begin(), plan.texts.end(), [&](const PlannedText& text) {
        return text.centred && text.y == top && text.text == wanted;
    });
}

int TextTopOfRow(int row)
{
    return -130 - 45 * row;
}

CString Trimmed(CString text)
{
    text.TrimLeft();
    text.TrimRight();
    return text;
}

TEST(JournalPrintPlan, PagesCloseAfterTheEntryThatPassesFiftyLinesAndNeverSplitAnEntry)
{
    Journal journal;
    for (int i = 0; i < 60; ++i)
        journal.Add(SaleEntry("2024/03/01", "100"));
    const auto pages = PaginateJournal(journal);
    ASSERT_EQ(3u, pages.size());
    // 1 + 25 × 2 = 51 on the first page, 26 × 2 = 52 on the next.
    EXPECT_EQ(0, pages[0].first);
    EXPECT_EQ(25, pages[0].last);
    EXPECT_EQ(CString("2600"), pages[0].total);
    EXPECT_EQ(26, pages[1].first);
    EXPECT_EQ(51, pages[1].last);
    EXPECT_EQ(52, pages[2].first);
    EXPECT_EQ(59, pages[2].last);
    EXPECT_EQ(CString("6000"), pages[2].total);

    Journal empty;
    EXPECT_TRUE(PaginateJournal(empty).empty());
}

TEST(JournalPrintPlan, LineCountsCountRowsAndTheMonthEndBlock)
{
    Journal journal;
    journal.Add(SaleEntry("2024/01/31", "1"));
    journal.Add(
        MakeEntry("2024/01/31", {{"売上", "1"}, {"雑収入"}}, {{"現金", "1"}, {""}, {"普通預金"}}, 1, 1005000).New());
    journal.Add(SaleEntry("2024/02/01", "1"));
    EXPECT_EQ(1, PrintedLineCount(journal, 0));
    EXPECT_EQ(2 + 1 + 1 + 2, PrintedLineCount(journal, 1));
    EXPECT_EQ(2, PrintedLineCount(journal, 2));
}

TEST(JournalPrintPlan, OneEntryPrintsHeadingEntryRemarkAndGrandTotal)
{
    Journal journal;
    journal.Add(OneRowEntry("2024/01/05", "売上", "現金", "1000", 1, 1005000)
                    .CauseDesc("店頭")
                    .ResultDesc("手元")
                    .Remark("朝市" + RemarkItem("りんご"))
                    .New());
    const auto pages = PaginateJournal(journal);
    const PagePlan page = PlanJournalPage(journal, pages, 1, "2024");

    EXPECT_EQ(CString("2024年"), TextAt(page, 294, -80));
    EXPECT_TRUE(HasCentredText(page, -80, "－ 仕訳帳 －"));
    EXPECT_TRUE(HasCentredText(page, -2830, "－ 1 －"));
    EXPECT_EQ(CString("日 付"), Trimmed(TextAt(page, 144, TextTopOfRow(1))));
    EXPECT_EQ(CString("借 方"), Trimmed(TextAt(page, 1385, TextTopOfRow(1))));
    // Row 2: direction 1 puts the result account (現金) on the debit side.
    EXPECT_EQ(CString("01/05"), TextAt(page, 164, TextTopOfRow(2)));
    EXPECT_EQ(CString("<現金>"), Trimmed(TextAt(page, 320, TextTopOfRow(2))));
    EXPECT_EQ(CString("手元"), TextAt(page, 600, TextTopOfRow(2)));
    EXPECT_EQ(CString("<売上>"), Trimmed(TextAt(page, 1075, TextTopOfRow(2))));
    EXPECT_EQ(CString("店頭"), Trimmed(TextAt(page, 830, TextTopOfRow(2))));
    EXPECT_EQ(CString("1,000"), Trimmed(TextAt(page, 1385, TextTopOfRow(2))));
    EXPECT_EQ(18, TextAt(page, 1676, TextTopOfRow(2)).GetLength());
    // Row 3: the remark without its item breakdown.
    EXPECT_EQ(CString("朝市"), Trimmed(TextAt(page, 320, TextTopOfRow(3))));
    // Rows 4 and 5: the grand total, and the closing rule at the top of row 6.
    EXPECT_EQ(CString("総合計"), Trimmed(TextAt(page, 710, TextTopOfRow(4))));
    EXPECT_EQ(CString("1,000"), Trimmed(TextAt(page, 1385, TextTopOfRow(4))));
    EXPECT_EQ(CString("1,000"), Trimmed(TextAt(page, 1676, TextTopOfRow(4))));
    const int closing = -120 - 45 * 6;
    EXPECT_TRUE(std::any_of(page.rules.begin(), page.rules.end(), [closing](const PlannedRule& rule) {
        return rule.y1 == closing && rule.y2 == closing && !rule.dotted && rule.x1 == 134 && rule.x2 == 1958;
    }));
}

TEST(JournalPrintPlan, CarriedForwardLinesNameThePageAndTheMonth)
{
    Journal journal;
    // 26 entries of March fill page 1; April starts page 2.
    for (int i = 0; i < 26; ++i)
        journal.Add(SaleEntry("2024/03/10", "10"));
    for (int i = 0; i < 3; ++i)
        journal.Add(SaleEntry("2024/04/02", "10"));
    journal.Add(SaleEntry("2024/05/02", "10"));
    const auto pages = PaginateJournal(journal);
    ASSERT_EQ(2u, pages.size());
    ASSERT_EQ(25, pages[0].last);

    const PagePlan first = PlanJournalPage(journal, pages, 1, "2024");
    const int lastRow = 1 + 26 * 2 + 1;
    EXPECT_EQ(CString("次ページ・次月へ繰り越し"), Trimmed(TextAt(first, 710, TextTopOfRow(lastRow))));
    EXPECT_EQ(CString("260"), Trimmed(TextAt(first, 1385, TextTopOfRow(lastRow))));

    // Page 2 alone: carried forward with the totals of page 1, then a month-end
    // block before the May entry.
    const PagePlan second = PlanJournalPage(journal, pages, 2, "2024");
    EXPECT_EQ(CString("前ページ・前月より繰り越し"), Trimmed(TextAt(second, 710, TextTopOfRow(2))));
    EXPECT_EQ(CString("260"), Trimmed(TextAt(second, 1385, TextTopOfRow(2))));
    const int monthEnd = 3 + 3 * 2 + 1;
    EXPECT_EQ(CString("次月へ繰り越し"), Trimmed(TextAt(second, 710, TextTopOfRow(monthEnd))));
    EXPECT_EQ(CString("290"), Trimmed(TextAt(second, 1385, TextTopOfRow(monthEnd))));
    EXPECT_TRUE(HasCentredText(second, -2830, "－ 2 －"));
}

TEST(JournalPrintPlan, AmountsTooWideForTheirCellMoveLeftAndDown)
{
    Journal journal;
    journal.Add(SaleEntry("2024/01/05", "123456789012345678"));
    const auto pages = PaginateJournal(journal);
    const PagePlan page = PlanJournalPage(journal, pages, 1, "2024");
    EXPECT_EQ(CString("123,456,789,012,345,678"), Trimmed(TextAt(page, 1375 - 115, TextTopOfRow(2))));
    // The credit total of the closing block takes its second row.
    EXPECT_EQ(CString("123,456,789,012,345,678"), Trimmed(TextAt(page, 1666 - 115, TextTopOfRow(5))));
}

TEST(JournalPrintPlan, CoverShowsTheEraAndCalendarYear)
{
    const struct {
        const char* year;
        const char* era;
    } cases[] = {{"2019", "令和元年度"}, {"2024", "令和6年度"}, {"2018", "平成30年度"}};
    for (const auto& c : cases) {
        const PagePlan cover = PlanJournalCover(c.year);
        EXPECT_TRUE(HasCentredText(cover, -315, "《 仕訳帳 》"));
        EXPECT_TRUE(HasCentredText(cover, -540, c.era)) << c.year;
        EXPECT_TRUE(HasCentredText(cover, -675, CString("(") + c.year + "年度)"));
    }
}

// The page table's carried totals are the text arithmetic's running totals.
TEST(JournalPrintPlan, PagesCarryTheTextArithmeticsRunningTotals)
{
    Journal journal;
    const char* const amounts[] = {"1000", "250.50", "-300", "1,000", "999999999999999999.99", "7"};
    for (int i = 0; i < 120; ++i) {
        CString date;
        date.Format("2024/%02d/01", 1 + i / 10);
        journal.Add(
            EntryBuilder(date).Cause("売上", amounts[i % 6]).Cause("", i % 4 == 0 ? "5" : "").Result("現金").New());
    }
    const auto pages = PaginateJournal(journal);
    ASSERT_GT(pages.size(), 2u);
    CString total;
    size_t page = 0;
    for (int i = 0; i < journal.GetSize() && page < pages.size(); ++i) {
        for (const CString* amount : {&journal[i]->m_strCauseAmount1, &journal[i]->m_strCauseAmount2,
                                      &journal[i]->m_strCauseAmount3})
            total = AddSubAmounts(total, *amount, 1);
        if (i == pages[page].last) {
            EXPECT_EQ(total, pages[page].total) << "page " << page;
            ++page;
        }
    }
    EXPECT_EQ(pages.size(), page);
}

}  // namespace

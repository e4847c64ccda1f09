// Printed statement pages: pagination, the year line and what each page draws where.
#include "statements/statement_print.h"

#include "statements/statement_pages.h"

#include "statement_fixtures.h"

#include "core/column_text.h"
#include "statements/statement_cells.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const PlannedText* FindText(const PagePlan& page, const CString& text)
{
    for (const PlannedText& t : page.texts)
        if (!t.centred && t.text == text)
            return &t;
    return nullptr;
}

// The centred texts of a page: its title and year line.
std::vector<PlannedText> Bands(const PagePlan& page)
{
    std::vector<PlannedText> bands;
    for (const PlannedText& t : page.texts)
        if (t.centred)
            bands.push_back(t);
    return bands;
}

// The one point size of every text of the page; 0 when they differ.
int PointSize(const PagePlan& page)
{
    int size = page.texts.empty() ? 0 : page.texts.front().pointTenths;
    for (const PlannedText& t : page.texts)
        if (t.pointTenths != size)
            size = 0;
    return size;
}

std::vector<KessanRow> NamedRows(int count)
{
    std::vector<KessanRow> rows(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        rows[static_cast<std::size_t>(i)][5] = "科目" + IntToText(i + 1);
    return rows;
}

TEST(Pagination, PagesOfTheRowsPerPageOfEachStatement)
{
    EXPECT_EQ(26, PrintLayoutOf(kPageTrialBalance).rowsPerPage);
    EXPECT_EQ(26, PrintLayoutOf(kPageProfitLoss).rowsPerPage);
    EXPECT_EQ(36, PrintLayoutOf(kPageMonthly).rowsPerPage);
    EXPECT_EQ(28, PrintLayoutOf(kPageBalanceSheet).rowsPerPage);
    EXPECT_FALSE(PrintLayoutOf(kPageMonthly).landscape);
    EXPECT_TRUE(PrintLayoutOf(kPageBalanceSheet).landscape);

    struct Case {
        int rows;
        int perPage;
        std::vector<std::pair<int, int>> pages;
    };
    const Case cases[] = {
        {0, 26, {}},
        {1, 26, {{0, 0}}},
        {26, 26, {{0, 25}}},
        {27, 26, {{0, 25}, {26, 26}}},
        {15, 36, {{0, 14}}},
        {57, 28, {{0, 27}, {28, 55}, {56, 56}}},
    };
    for (const Case& c : cases) {
        std::vector<std::pair<int, int>> pages;
        for (const PageRange& range : Paginate(c.rows, c.perPage))
            pages.emplace_back(range.first, range.last);
        EXPECT_EQ(c.pages, pages) << c.rows;
    }
}

TEST(PrintedYearLine, EraYearThenCalendarYear)
{
    EXPECT_EQ(CString("平成27年度(2015年度)        [ 自1月1日  至12月31日 ]"), PrintedYearLine("2015"));
    EXPECT_EQ(CString("令和元年度(2019年度)        [ 自1月1日  至12月31日 ]"), PrintedYearLine("2019"));
    EXPECT_EQ(CString("令和6年度(2024年度)        [ 自1月1日  至12月31日 ]"), PrintedYearLine("2024"));
    EXPECT_EQ(CString("(年度)        [ 自1月1日  至12月31日 ]"), PrintedYearLine(""));
}

TEST(PrintedPage, TrialBalanceSecondPageOfTwentySevenRows)
{
    const std::vector<KessanRow> rows = NamedRows(27);
    const auto pages = Paginate(27, 26);
    const PagePlan page = LayOutPrintedPage(kPageTrialBalance, rows, pages, 1, "2015");
    EXPECT_EQ(90, PointSize(page));
    const std::vector<PlannedText> bands = Bands(page);
    ASSERT_EQ(2u, bands.size());
    EXPECT_EQ(CString("                 ===<  残 高 計 算 書  >==="), bands[0].text);
    EXPECT_EQ((std::vector<int>{80, -120, 2460, -300}),
              (std::vector<int>{bands[0].x, bands[0].y, bands[0].right, bands[0].bottom}));
    EXPECT_EQ(-180, bands[1].y);
    EXPECT_EQ(PrintedYearLine("2015"), bands[1].text);

    const PlannedText* number = FindText(page, "Page - 2");
    ASSERT_NE(nullptr, number);
    EXPECT_EQ(150 + 2460 - 60, number->x);
    EXPECT_EQ(-120, number->y);

    const PlannedText* heading = FindText(page, "          [勘定科目]");
    ASSERT_NE(nullptr, heading);
    EXPECT_EQ(150 + 10 + 1080, heading->x);
    EXPECT_EQ(-76 - 13 + 3 * -60, heading->y);

    // The one row of the second page on print line 4, its name 30 further right.
    const PlannedText* name = FindText(page, "科目27");
    ASSERT_NE(nullptr, name);
    EXPECT_EQ(150 + 10 + 1080 + 30, name->x);
    EXPECT_EQ(-76 - 13 + 4 * -60, name->y);
    EXPECT_EQ(nullptr, FindText(page, "科目26"));

    // Rules: heading and row rules from column 1 to 6, and the closing rule.
    int horizontal = 0;
    for (const PlannedRule& line : page.rules) {
        EXPECT_FALSE(line.dotted);
        if (line.y1 == line.y2) {
            ++horizontal;
            EXPECT_EQ(150 + 80, line.x1);
            EXPECT_EQ(150 + 2460, line.x2);
        } else {
            EXPECT_EQ(line.y1 - 60, line.y2);
        }
    }
    EXPECT_EQ(3, horizontal);
    EXPECT_EQ(2 * 6, static_cast<int>(page.rules.size()) - horizontal);
    EXPECT_EQ(1, page.ruleWidth);
}

TEST(PrintedPage, OtherPagesTitlesHeadingsAndRows)
{
    FixtureJournal journal;
    AddSmallYear(journal);
    const AccountTotals totals = CollectAccountTotals(journal.View());

    const std::vector<KessanRow> monthly = ComputeMonthly(totals, journal.View(), kPrintAmountWidth);
    const PagePlan month = LayOutPrintedPage(kPageMonthly, monthly, Paginate(15, 36), 0, "2024");
    EXPECT_EQ(CString("                 ----< 売上と仕入の月別集計 >----"), Bands(month)[0].text);
    EXPECT_EQ(-240, Bands(month)[0].y);
    EXPECT_EQ(nullptr, FindText(month, "Page - 1"));
    const PlannedText* march = FindText(month, "   3月");
    ASSERT_NE(nullptr, march);
    EXPECT_EQ(150 + 6 + 200, march->x);
    EXPECT_EQ(-10 + 8 * -80, march->y);
    const PlannedText* total = FindText(month, FormatAmountCell(0, "200000", kPrintAmountWidth));
    ASSERT_NE(nullptr, total);
    EXPECT_EQ(150 + 6 + 400, total->x);
    EXPECT_EQ(-10 + 20 * -80, total->y);

    const std::vector<KessanRow> sheet = ComputeBalanceSheet(totals, kPrintAmountWidth).rows;
    const PagePlan balance = LayOutPrintedPage(kPageBalanceSheet, sheet, Paginate(20, 28), 0, "2024");
    EXPECT_EQ(CString("----< 貸 借 対 照 表 >----"), Bands(balance)[0].text);
    const PlannedText* caption = FindText(balance, "      [ 負債資本の部 ]");
    ASSERT_NE(nullptr, caption);
    EXPECT_EQ(80 + 6 + 1380 + 380, caption->x);
    EXPECT_EQ(-10 + 3 * -60, caption->y);
    const PlannedText* capital = FindText(balance, "元入金");
    ASSERT_NE(nullptr, capital);
    EXPECT_EQ(80 + 6 + 1380 + 30, capital->x);
    EXPECT_EQ(-10 + (5 + 17) * -60, capital->y);
    ASSERT_NE(nullptr, FindText(balance, "Page - 1"));
    EXPECT_EQ(80 + 2650 - 100, FindText(balance, "Page - 1")->x);

    const std::vector<KessanRow> profit = ComputeProfitLoss(totals, "  650,000", kPrintAmountWidth).rows;
    const PagePlan loss = LayOutPrintedPage(kPageProfitLoss, profit, Paginate(21, 26), 0, "2024");
    EXPECT_EQ(100, PointSize(loss));
    EXPECT_EQ(CString("===<  損 益 計 算 書 (青色申告)  >==="), Bands(loss)[0].text);
    const PlannedText* line46 = FindText(loss, "   34+39-45   (46)");
    ASSERT_NE(nullptr, line46);
    EXPECT_EQ(100 + 10 + 1810, line46->x);
    EXPECT_EQ(-10 + (5 + 6) * -60, line46->y);
    const PlannedText* amount46 = FindText(loss, FormatAmountCell(1, "133000", kPrintAmountWidth));
    ASSERT_NE(nullptr, amount46);
    EXPECT_EQ(100 + 10 + 2150, amount46->x);

    // A page index outside the pages draws nothing.
    EXPECT_TRUE(LayOutPrintedPage(kPageProfitLoss, profit, Paginate(21, 26), 3, "2024").Empty());
}

}  // namespace

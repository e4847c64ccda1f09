#include "statement_print.h"

#include "statement_pages.h"

#include "../core/column_text.h"
#include "../core/era_year.h"

namespace {

const PrintLayout kLayouts[] = {
    // trial balance
    {true, 26, 90, 150, -76, -60, {80, 580, 1080, 1480, 1960, 2460, 0, 0, 0}, 10, -13, 2, 6, 60},
    // profit and loss
    {true, 26, 100, 100, 0, -60, {40, 370, 900, 920, 1260, 1790, 1810, 2150, 2680}, 10, -10, 2, 9, 0},
    // monthly sales and purchases
    {false, 36, 100, 150, 0, -80, {200, 400, 960, 1520, 0, 0, 0, 0, 0}, 6, -10, 3, 4, 0},
    // balance sheet
    {true, 28, 90, 80, 0, -60, {100, 430, 900, 1370, 1380, 1710, 2180, 2650, 0}, 6, -10, 1, 8, 100},
};

// Draws one page's texts and lines in the layout's coordinates.
class PageCanvas {
public:
    PageCanvas(const PrintLayout& layout, PagePlan& page) : m_layout(layout), m_page(page) {}

    int Column(int k) const { return m_layout.column[static_cast<std::size_t>(k - 1)]; }
    int LineY(int n) const { return m_layout.top + n * m_layout.line; }

    void Band(int titleLine, const CString& text)
    {
        const int y = titleLine * m_layout.line;
        m_page.AddCentredText(m_layout.fontTenths, Column(1), y, Column(m_layout.lastColumn), y + 3 * m_layout.line, text);
    }
    void Text(int column, int extra, int n, const CString& text)
    {
        m_page.AddText(m_layout.fontTenths, m_layout.left + m_layout.textX + Column(column) + extra,
                       m_layout.top + m_layout.textY + n * m_layout.line, text);
    }
    void RowRule(int n, int fromColumn, int toColumn)
    {
        const int y = LineY(n);
        m_page.AddRule(m_layout.left + Column(fromColumn), y, m_layout.left + Column(toColumn), y);
    }
    void RulesAt(int n, std::initializer_list<int> positions)
    {
        for (int x : positions) {
            if (x != 0)
                m_page.AddRule(m_layout.left + x, LineY(n), m_layout.left + x, LineY(n + 1));
        }
    }
    void ColumnRules(int n)
    {
        for (int x : m_layout.column)
            RulesAt(n, {x});
    }

private:
    const PrintLayout& m_layout;
    PagePlan& m_page;
};

}  // namespace

const PrintLayout& PrintLayoutOf(int pageCode)
{
    return kLayouts[pageCode >= 0 && pageCode < 4 ? pageCode : 0];
}

std::vector<PageRange> Paginate(int rowCount, int rowsPerPage)
{
    std::vector<PageRange> pages;
    if (rowsPerPage <= 0)
        return pages;
    for (int first = 0; first < rowCount; first += rowsPerPage)
        pages.push_back({first, std::min(first + rowsPerPage, rowCount) - 1});
    return pages;
}

CString PrintedYearLine(const CString& fiscalYear)
{
    const int year = YearOfText(fiscalYear);
    CString line;
    if (year > 0)
        line = EraYearText(year) + "年度";
    return line + "(" + fiscalYear + "年度)        [ 自1月1日  至12月31日 ]";
}

PagePlan LayOutPrintedPage(int pageCode, const std::vector<KessanRow>& rows, const std::vector<PageRange>& pages,
                           int pageIndex, const CString& fiscalYear)
{
    const PrintLayout& layout = PrintLayoutOf(pageCode);
    PagePlan page;
    if (pageIndex < 0 || pageIndex >= static_cast<int>(pages.size()))
        return page;
    const PageRange range = pages[static_cast<std::size_t>(pageIndex)];
    if (range.first < 0 || range.last >= static_cast<int>(rows.size()))
        return page;
    PageCanvas canvas(layout, page);

    static const char* const kTitles[] = {
        "                 ===<  残 高 計 算 書  >===",
        "===<  損 益 計 算 書 (青色申告)  >===",
        "                 ----< 売上と仕入の月別集計 >----",
        "----< 貸 借 対 照 表 >----",
    };
    canvas.Band(layout.titleLine, kTitles[pageCode]);
    if (layout.pageNumberInset) {
        page.AddText(layout.fontTenths, layout.left + canvas.Column(layout.lastColumn) - layout.pageNumberInset,
                     layout.titleLine * layout.line, "Page - " + IntToText(pageIndex + 1));
    }
    canvas.Band(layout.titleLine + 1, PrintedYearLine(fiscalYear));

    int n = 0;
    switch (pageCode) {
    case kPageTrialBalance:
        n = 3;
        canvas.RowRule(n, 1, 6);
        canvas.ColumnRules(n);
        canvas.Text(1, 0, n, "          [借方残高]");
        canvas.Text(2, 0, n, "          [ 借  方 ]");
        canvas.Text(3, 0, n, "          [勘定科目]");
        canvas.Text(4, 0, n, "          [ 貸  方 ]");
        canvas.Text(5, 0, n, "          [貸方残高]");
        for (int i = range.first; i <= range.last; ++i) {
            const KessanRow& row = rows[static_cast<std::size_t>(i)];
            ++n;
            canvas.RowRule(n, 1, 6);
            canvas.ColumnRules(n);
            canvas.Text(1, 0, n, row[1]);
            canvas.Text(2, 0, n, row[2]);
            canvas.Text(3, 30, n, row[5]);
            canvas.Text(4, 0, n, row[3]);
            canvas.Text(5, 0, n, row[4]);
        }
        canvas.RowRule(n + 1, 1, 6);
        break;
    case kPageProfitLoss:
        n = 4;
        canvas.RowRule(n, 1, 3);
        canvas.RowRule(n, 4, 6);
        canvas.RowRule(n, 7, 9);
        canvas.ColumnRules(n);
        for (int column : {1, 4, 7}) {
            canvas.Text(column, 0, n, "     [ 科  目 ]");
            canvas.Text(column + 1, 0, n, "         [ 決算額 ]");
        }
        for (int i = range.first; i <= range.last; ++i) {
            const KessanRow& row = rows[static_cast<std::size_t>(i)];
            ++n;
            canvas.RowRule(n, 1, 3);
            canvas.RowRule(n, 4, 6);
            canvas.RowRule(n, 7, 9);
            canvas.Text(1, 0, n, row[5]);
            canvas.Text(2, 0, n, row[1]);
            canvas.Text(4, 0, n, row[6]);
            canvas.Text(5, 0, n, row[2]);
            canvas.Text(7, 0, n, row[4]);
            canvas.Text(8, 0, n, row[3]);
            canvas.ColumnRules(n);
        }
        canvas.RowRule(n + 1, 1, 3);
        canvas.RowRule(n + 1, 4, 6);
        canvas.RowRule(n + 1, 7, 9);
        break;
    case kPageMonthly:
        n = 5;
        canvas.RowRule(n, 1, 4);
        canvas.ColumnRules(n);
        canvas.Text(1, 0, n, "   [ 月 ]");
        canvas.Text(2, 0, n, "             [ 売  上 ]");
        canvas.Text(3, 0, n, "             [ 仕  入 ]");
        for (int i = range.first; i <= range.last; ++i) {
            const KessanRow& row = rows[static_cast<std::size_t>(i)];
            ++n;
            canvas.RowRule(n, 1, 4);
            canvas.ColumnRules(n);
            canvas.Text(1, 0, n, row[5] + row[6]);
            canvas.Text(2, 0, n, row[1]);
            canvas.Text(3, 0, n, row[2]);
        }
        canvas.RowRule(n + 1, 1, 4);
        break;
    case kPageBalanceSheet:
        n = 3;
        canvas.RowRule(n, 1, 4);
        canvas.RowRule(n, 5, 8);
        canvas.RulesAt(n, {canvas.Column(1), canvas.Column(4), canvas.Column(5), canvas.Column(8)});
        canvas.Text(1, 380, n, "      [ 資  産 の 部 ]");
        canvas.Text(5, 380, n, "      [ 負債資本の部 ]");
        n = 4;
        canvas.RowRule(n, 1, 4);
        canvas.RowRule(n, 5, 8);
        canvas.ColumnRules(n);
        for (int column : {1, 5}) {
            canvas.Text(column, 0, n, "      [ 科 目 ]");
            canvas.Text(column + 1, 0, n, "           [ 期 首 ]");
            canvas.Text(column + 2, 0, n, "           [ 期 末 ]");
        }
        for (int i = range.first; i <= range.last; ++i) {
            const KessanRow& row = rows[static_cast<std::size_t>(i)];
            ++n;
            canvas.RowRule(n, 1, 4);
            canvas.RowRule(n, 5, 8);
            canvas.ColumnRules(n);
            canvas.Text(1, 30, n, row[5]);
            canvas.Text(2, 0, n, row[1]);
            canvas.Text(3, 0, n, row[2]);
            canvas.Text(5, 30, n, row[6]);
            canvas.Text(6, 0, n, row[3]);
            canvas.Text(7, 0, n, row[4]);
        }
        canvas.RowRule(n + 1, 1, 4);
        canvas.RowRule(n + 1, 5, 8);
        break;
    default:
        break;
    }
    return page;
}

#include "sales_print.h"

#include "decimal_product.h"
#include "item_breakdown.h"
#include "sales_text.h"

#include "../core/amount_format.h"

namespace {

constexpr int kDebitColumn = 2;
constexpr int kCreditColumn = 3;
constexpr int kBalanceColumn = 4;
constexpr int kAmountCellWidth = 31;
constexpr int kItemGridX[] = {908, 1200, 1502};
constexpr int kPageNumberRow = 41;
constexpr int kLabelX = 864;
// The units a figure keeps clear of the rule or the text after it.
constexpr int kFigureGap = 6;
// The width of a single-byte character of the landscape pages' 8-point font, in
// units (its height of 28.2 units, halved and rounded up).
constexpr int kLandscapeByteWidth = 15;

int Column(int index)
{
    return kLandscapeX + kLandscapeColumns[index];
}

bool HasFilter(const CString& filter)
{
    return !filter.IsEmpty() && filter != kAllDescriptions;
}

CString TitleOf(const SalesPrintJob& job)
{
    return HasFilter(job.filter) ? "－ " + job.account + " － < " + job.filter + " > " : "－ " + job.account + " －";
}

// A figure right-aligned in width bytes (3 more with a "."), as the other
// figures stand; a longer one is not cut but kept whole, for its room.
CString FigureText(const CString& figure, int width)
{
    const int room = width + (figure.Find('.') >= 0 ? 3 : 0);
    return figure.GetLength() <= room ? FitBookAmount(figure, width, kAlignRight) : figure;
}

bool IsItemLine(int kind)
{
    return kind >= 3 || kind < 0;
}

// The landscape page's texts and rules.
class LandscapePage {
public:
    PagePlan plan;

    void Text(int x, int row, const CString& text) { plan.AddText(kLandscapePoints, x, RowText(row), text); }
    // A text that keeps within the room up to limitX (drawn narrower when wider).
    void FittedText(int x, int row, const CString& text, int limitX)
    {
        plan.AddFittedText(kLandscapePoints, x, RowText(row), text, limitX);
    }

    void HorizontalLine(int from, int to, int row, bool dotted) { plan.AddRule(from, RowTop(row), to, RowTop(row), dotted); }
    void VerticalLine(int x, int row, bool dotted) { plan.AddRule(x, RowTop(row), x, RowTop(row + 1), dotted); }
    void Rule(int row, bool dotted = false) { HorizontalLine(Column(0), Column(5), row, dotted); }
    // Only the description column: the rule between two items.
    void DescRule(int row) { HorizontalLine(Column(1), Column(2), row, true); }
    void Grid(int row)
    {
        for (int c = 0; c <= 5; ++c)
            VerticalLine(Column(c), row, false);
    }
    // The last item's row leaves the amount columns open for the items' total and tax.
    void TotalGrid(int row)
    {
        for (int c : {0, 1, 2, 5})
            VerticalLine(Column(c), row, false);
    }
    void ItemGrid(int row)
    {
        for (int x : kItemGridX)
            VerticalLine(kLandscapeX + x, row, true);
    }

    // An amount right-aligned in its column; a long one drawn whole further left.
    void Amount(int column, int row, const CString& amount)
    {
        int fits = -1;
        const CString field = FormatAmount(amount, kAmountCellWidth, &fits);
        if (field.IsEmpty())
            return;
        if (fits != 0)
            Text(Column(column) + 14, row, field.Right(kAmountFitsBytes));
        else
            Text(Column(column) - 160, row, field);
    }
    static bool Long(const CString& amount)
    {
        int fits = -1;
        FormatAmount(amount, kAmountCellWidth, &fits);
        return fits == 0;
    }
    // Debit and balance on row; the credit on creditRow when one of the three is long.
    void Totals(int row, int creditRow, const CString& debit, const CString& credit, const CString& balance)
    {
        Amount(kDebitColumn, row, debit);
        Amount(kBalanceColumn, row, balance);
        const bool anyLong = Long(debit) || Long(credit) || Long(balance);
        Amount(kCreditColumn, anyLong ? creditRow : row, credit);
    }
};

void Headings(LandscapePage& page)
{
    page.Rule(2);
    page.Grid(2);
    page.Text(194, 2, "日付");
    page.Text(414, 2, "  摘要");
    page.Text(1034, 2, "                                    相手科目");
    page.Text(1958, 2, "     借方");
    page.Text(2250, 2, "     貸方");
    page.Text(2542, 2, "     残高");
}

void EntryLine(LandscapePage& page, const CMyObject2& entry, int entryRow, int row)
{
    page.Rule(row);
    page.Grid(row);
    page.Text(194, row, "  " + entry.m_strDate.Mid(5, 5));
    page.Text(414, row, RowDescription(entry, entryRow));
    const CString counter = CounterAccounts(entry, entryRow);
    if (counter == kCapitalCounter)
        page.Text(734, row, FitBookText(kCarriedLabel, 48, kAlignRight));
    else
        page.Text(1034, row, FitBookText(counter, 48, kAlignRight));
    page.Amount(EntryRowIsDebit(entry, entryRow) ? kDebitColumn : kCreditColumn, row, RowAmount(entry, entryRow));
}

// The balance stands on the remark line, as the entry's ledger line holds it.
void RemarkLine(LandscapePage& page, const CMyObject2& entry, int row, const CString& balance)
{
    page.Rule(row, true);
    page.Grid(row);
    page.Text(194, row, " 備考");
    page.Text(614, row, FitBookText(RemarkText(entry.m_strRemark), 48, kAlignCentre));
    page.Amount(kBalanceColumn, row, balance);
}

void BreakdownHeading(LandscapePage& page, int row)
{
    page.Rule(row, true);
    page.Grid(row);
    page.ItemGrid(row);
    page.Text(180, row, "  内訳");
    page.Text(330, row, "                    品 名");
    page.Text(948, row, "      数 量");
    page.Text(1240, row, "       単 価");
    page.Text(1542, row, "       金 額");
}

// Item index of the entry (from 0); the last item also carries the total and the
// tax of all the entry's items, computed from that entry alone.
void ItemLine(LandscapePage& page, const CMyObject2& entry, int index, bool last, int row)
{
    page.DescRule(row);
    if (last)
        page.TotalGrid(row);
    else
        page.Grid(row);
    page.ItemGrid(row);
    const std::vector<SalesItem> items = ReadItems(entry.m_strRemark);
    if (index < 0 || index >= static_cast<int>(items.size()))
        return;
    const SalesItem& item = items[static_cast<std::size_t>(index)];
    page.Text(344, row, item.name);
    // Each figure keeps to its cell, the gap of a few units before the next rule.
    page.FittedText(948, row, FigureText(FormatAmount(item.quantity, 0) + " " + item.unit, 18),
                    kLandscapeX + kItemGridX[1] - kFigureGap);
    page.FittedText(1240, row, FigureText(FormatAmount(item.price, 0), 15), kLandscapeX + kItemGridX[2] - kFigureGap);
    const CString product = MultiplyDecimals(item.quantity, item.price);
    page.FittedText(1542, row, FigureText(FormatAmount(product, 0), 17) + " " + item.currency,
                    Column(kDebitColumn) - kFigureGap);
    if (!last)
        return;
    const ItemTotals totals = EntryItemTotals(entry.m_strRemark);
    const CString total = " 内訳合計金額 " + FormatAmount(totals.total, 0) + " 円";
    const CString tax = "(消費税) " + FormatAmount(totals.tax, 0) + " 円";
    const int totalX = Column(kDebitColumn) + 6;
    int taxX = Column(kCreditColumn) + 220;
    // Too long for their places at the usual pitch, the two texts share the row
    // in the measure of their lengths, so that both are narrowed alike.
    if (total.GetLength() > (taxX - kFigureGap - totalX) / kLandscapeByteWidth ||
        tax.GetLength() > (Column(5) - kFigureGap - taxX) / kLandscapeByteWidth) {
        const int room = Column(5) - kFigureGap - totalX;
        taxX = totalX + room * total.GetLength() / (total.GetLength() + tax.GetLength()) + kFigureGap;
    }
    page.FittedText(totalX, row, total, taxX - kFigureGap);
    page.FittedText(taxX, row, tax, Column(5) - kFigureGap);
}

const CMyObject2* EntryAt(const JournalArray* journal, int index)
{
    return journal && index >= 0 && index < journal->GetSize() ? journal->GetAt(index) : nullptr;
}

// The balance after the ledger line of print line i.
CString BalanceAfter(const SalesPrintJob& job, int i)
{
    const std::vector<LedgerLine>& ledger = job.portrait.lines;
    if (i < 0 || i >= static_cast<int>(job.plan.lines.size()))
        return "0";
    const int line = job.plan.lines[static_cast<std::size_t>(i)].ledgerLine;
    return line >= 0 && line < static_cast<int>(ledger.size()) ? ledger[static_cast<std::size_t>(line)].balance
                                                                : CString("0");
}

// The totals come from the page table, each balance from its ledger line.
PagePlan LandscapePagePlan(const SalesPrintJob& job, int page)
{
    LandscapePage builder;
    const std::vector<SalesPrintPage>& pages = job.plan.pages;
    const SalesPrintPage& table = pages[static_cast<std::size_t>(page - 1)];
    const std::vector<SalesPrintLine>& lines = job.plan.lines;
    const int count = static_cast<int>(lines.size());
    if (table.first < 0 || table.last >= count)
        return {};

    builder.Text(kLandscapeX + kLandscapeColumns[1] + 20, 0, job.plan.year + "年");
    builder.Text(kLandscapeX + kLandscapeColumns[6] / 2 - 80, 0, TitleOf(job));
    Headings(builder);
    int row = 3;
    if (page >= 2) {
        builder.Rule(3);
        builder.Grid(3);
        builder.Text(kLabelX, 3, "前ページより繰り越し");
        const SalesPrintPage& carried = pages[static_cast<std::size_t>(page - 2)];
        builder.Totals(3, 4, carried.debit, carried.credit, BalanceAfter(job, table.first - 1));
        builder.Grid(4);
        row = 5;
        if (IsItemLine(lines[static_cast<std::size_t>(table.first)].kind)) {
            builder.Rule(5);
            builder.Grid(5);
            builder.Text(kLabelX, 5, "内訳　前ページの続き");
            row = 6;
        }
    }
    for (int i = table.first; i <= table.last; ++i, ++row) {
        const SalesPrintLine& line = lines[static_cast<std::size_t>(i)];
        const CMyObject2* entry = EntryAt(job.journal, line.entry);
        const int entryRow = line.entryRow;
        if (!entry || entryRow < 0 || entryRow >= kEntryRows)
            continue;
        if (line.kind == 0)
            EntryLine(builder, *entry, entryRow, row);
        else if (line.kind == 1)
            RemarkLine(builder, *entry, row, BalanceAfter(job, i));
        else if (line.kind == 2)
            BreakdownHeading(builder, row);
        else
            ItemLine(builder, *entry, line.kind < 0 ? -line.kind - 3 : line.kind - 3, line.kind < 0, row);
    }

    const int last = row - 1;
    int label = last + 2;
    if (lines[static_cast<std::size_t>(table.last)].kind >= 3) {
        // The item list goes on on the next page.
        builder.Grid(last + 1);
        builder.DescRule(last + 1);
        builder.Text(kLabelX, last + 1, "内訳　後ページへ続く");
        builder.Rule(last + 2);
        builder.Grid(last + 2);
        label = last + 3;
    } else {
        builder.Grid(last + 1);
        builder.Rule(last + 1);
    }
    builder.Grid(label);
    builder.Text(kLabelX, label, table.last == count - 1 ? "  総   合   計" : "後ページへ繰り越し");
    builder.Totals(label, label - 1, table.debit, table.credit, BalanceAfter(job, table.last));
    builder.Rule(label + 1);
    builder.Text(kLandscapeX + kLandscapeColumns[6] / 2 - 80, kPageNumberRow, "－ " + IntToText(page) + " －");
    return builder.plan;
}

}  // namespace

SalesPrintJob MakeSalesPrintJob(const JournalArray& journal, SalesBook book, const SalesLedger& ledger,
                                const CString& filter)
{
    SalesPrintJob job;
    job.book = book;
    job.journal = &journal;
    job.account = SalesBookAccount(book);
    job.filter = filter;
    job.plan = PlanSalesPrint(journal, ledger);
    job.portrait.book = book == SalesBook::Sales ? PrintBook::Sales : PrintBook::Purchases;
    job.portrait.journal = &journal;
    job.portrait.account = job.account;
    job.portrait.filter = filter;
    job.portrait.year = job.plan.year;
    job.portrait.lines = ledger.lines;
    for (const SalesPrintPage& page : job.plan.pages)
        job.portrait.pages.push_back({page.first, page.last, page.debit, page.credit});
    return job;
}

int SalesPrintPageCount(const SalesPrintJob& job)
{
    return static_cast<int>(job.plan.pages.size()) + 1;
}

PagePlan PlanSalesCover(const SalesPrintJob& job)
{
    PagePlan cover = PlanLedgerCover(job.portrait);
    if (job.plan.breakdown) {
        // Centred between the landscape columns 0 and 6.
        for (PlannedText& text : cover.texts) {
            text.x = kLandscapeColumns[0];
            text.right = kLandscapeColumns[6];
        }
    }
    return cover;
}

PagePlan PlanSalesBodyPage(const SalesPrintJob& job, int page)
{
    if (page < 1 || page > static_cast<int>(job.plan.pages.size()))
        return {};
    return job.plan.breakdown ? LandscapePagePlan(job, page) : PlanLedgerPage(job.portrait, page);
}

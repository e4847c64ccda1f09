#include "../core/amount_sum.h"
#include "statement_cells.h"
#include "statement_pages.h"

#include "../core/column_text.h"

#include <array>

namespace {

// The month of a date "yyyy/mm/dd", 1 to 12; 0 when the text names no month.
int MonthOf(const CString& date)
{
    if (date.GetLength() < 7)
        return 0;
    const char tens = date[5];
    const char units = date[6];
    if (tens < '0' || tens > '9' || units < '0' || units > '9')
        return 0;
    const int month = (tens - '0') * 10 + (units - '0');
    return month >= 1 && month <= 12 ? month : 0;
}

// The reversals of provisions, which the profit-and-loss statement lists apart from its line (1).
bool IsProvisionReversal(const CString& account)
{
    return account.Find("準備金繰戻") >= 0 || account.Find("引当金繰戻") >= 0;
}

bool BeginsWith(const CString& text, const char* start)
{
    return text.Find(start) == 0;
}

// amount added when credit is wanted and the row is credit, subtracted otherwise.
void Book(AmountSum& sum, const CString& amount, bool counts)
{
    if (counts)
        sum.Add(amount);
    else
        sum.Subtract(amount);
}

}  // namespace

std::vector<KessanRow> ComputeMonthly(const AccountTotals& totals, const Journal& journal, int amountWidth)
{
    std::array<AmountSum, 13> sales, purchases;
    AmountSum own, other;

    // Each revenue amount is counted in one place, and only where the
    // profit-and-loss statement counts it in its line (1): the accounts of the
    // revenue class but the reversals of provisions. Of those, the sales accounts
    // (names that begin with 売上) go to their month or, against 事業主貸, to the
    // own consumption; every other one to 雑収入.
    auto revenueLine = [&](const CString& account) {
        return totals.revenue.Contains(RemoveMark(account, kTaxMark)) && !IsProvisionReversal(account);
    };
    for (const CMyObject2* entry : journal) {
        const int direction = entry->m_nDirection;
        const int month = MonthOf(entry->m_strDate);
        for (const EntryRow& row : RowsOf(*entry)) {
            if (row.account->IsEmpty())
                continue;
            const bool debit = RowIsDebit(direction, row.causeRow);
            const CString& counter = row.causeRow ? entry->m_strResult1 : entry->m_strCause1;
            if (revenueLine(*row.account)) {
                if (!BeginsWith(*row.account, "売上"))
                    Book(other, *row.amount, !debit);
                else if (counter == "事業主貸")
                    Book(own, *row.amount, !debit);
                else if (month != 0)
                    Book(sales[month], *row.amount, !debit);
            }
            if (month != 0 && BeginsWith(*row.account, "仕入") && counter != "棚卸資産")
                Book(purchases[month], *row.amount, debit);
        }
    }

    std::vector<KessanRow> rows;
    CString salesTotal = "0", purchasesTotal = "0";
    for (int month = 1; month <= 12; ++month) {
        const CString monthSales = sales[month].Text();
        const CString monthPurchases = purchases[month].Text();
        salesTotal = AddAmounts(salesTotal, monthSales);
        purchasesTotal = AddAmounts(purchasesTotal, monthPurchases);
        KessanRow row;
        row[1] = FormatAmountCell(0, monthSales, amountWidth);
        row[2] = FormatAmountCell(0, monthPurchases, amountWidth);
        row[5] = FitCell(IntToText(month), 4, kFillRight);
        row[6] = "月";
        rows.push_back(row);
    }
    auto line = [&](const char* caption, const CString& salesAmount, const CString& purchasesCell) {
        KessanRow row;
        row[1] = FormatAmountCell(0, salesAmount, amountWidth);
        row[2] = purchasesCell;
        row[6] = caption;
        rows.push_back(row);
    };
    const CString blank = FormatAmountCell(1, "0", amountWidth);
    line("家事消費", own.Text(), blank);
    line(" 雑収入", other.Text(), blank);
    line(" 合 計", AddAmounts(AddAmounts(salesTotal, own.Text()), other.Text()),
         FormatAmountCell(0, purchasesTotal, amountWidth));
    return rows;
}

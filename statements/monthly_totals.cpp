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

std::vector<KessanRow> ComputeMonthly(const Journal& journal, int amountWidth)
{
    std::array<AmountSum, 13> sales, purchases;
    AmountSum own, other;

    for (const CMyObject2* entry : journal) {
        const int direction = entry->m_nDirection;
        const bool causeCredit = !RowIsDebit(direction, true);
        const bool resultCredit = !RowIsDebit(direction, false);
        const ClassCode classes = DecodeClassCode(entry->m_nClassCode);

        if (entry->m_strCause1 == "売上" && entry->m_strResult1 == "事業主貸")
            Book(own, entry->m_strCauseAmount1, causeCredit);
        if (entry->m_strResult1 == "売上" && entry->m_strCause1 == "事業主貸")
            Book(own, entry->m_strResultAmount1, resultCredit);

        auto otherIncome = [](const CString& account) { return account != "売上" && account != "貸倒引当金繰戻額"; };
        if (classes.known && classes.rowClass[0] == 1 && otherIncome(entry->m_strCause1))
            Book(other, entry->m_strCauseAmount1, causeCredit);
        if (classes.known && classes.rowClass[3] == 1 && otherIncome(entry->m_strResult1))
            Book(other, entry->m_strResultAmount1, resultCredit);

        const int month = MonthOf(entry->m_strDate);
        if (month == 0)
            continue;
        for (const EntryRow& row : RowsOf(*entry)) {
            const bool debit = RowIsDebit(direction, row.causeRow);
            const CString& counter = row.causeRow ? entry->m_strResult1 : entry->m_strCause1;
            if (BeginsWith(*row.account, "売上") && counter != "事業主貸")
                Book(sales[month], *row.amount, !debit);
            if (BeginsWith(*row.account, "仕入") && counter != "棚卸資産")
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

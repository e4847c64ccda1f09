#include "sales_print_plan.h"

#include "decimal_product.h"
#include "item_breakdown.h"

#include "../core/amount_arithmetic.h"

namespace {

// One line of the pagination: which ledger line it belongs to, and its kind.
struct PageLine {
    int ledgerLine;
    int kind;
};

}  // namespace

SalesPrintPlan PlanSalesPrint(const JournalArray& journal, const SalesLedger& ledger)
{
    SalesPrintPlan plan;
    std::vector<PageLine> pageLines;
    for (int l = 0; l < static_cast<int>(ledger.lines.size()); ++l) {
        const LedgerLine& ledgerLine = ledger.lines[static_cast<std::size_t>(l)];
        const int j = ledgerLine.entry;
        const int entryRow = ledgerLine.entryRow;
        plan.lines.push_back({j, 0, entryRow, l});
        plan.lines.push_back({j, 1, entryRow, l});
        pageLines.push_back({l, 0});
        pageLines.push_back({l, 1});
        const bool entryGoesOn = l + 1 < static_cast<int>(ledger.lines.size()) &&
                                 ledger.lines[static_cast<std::size_t>(l) + 1].entry == j;
        const int items = entryGoesOn ? 0 : CountItems(journal.GetAt(j)->m_strRemark);
        if (items == 0)
            continue;
        plan.breakdown = true;
        plan.lines.push_back({j, 2, entryRow, l});
        pageLines.push_back({l, 2});
        for (int n = 1; n <= items; ++n) {
            const int kind = n < items ? n + 2 : -(items + 2);
            plan.lines.push_back({j, kind, entryRow, l});
            pageLines.push_back({l, kind});
        }
    }

    const int count = plan.breakdown ? static_cast<int>(pageLines.size()) : static_cast<int>(ledger.lines.size());
    const int limit = plan.breakdown ? kLandscapePageLines : kPortraitPageEntries;
    CString debit = "0";
    CString credit = "0";
    CString keptDebit = debit;
    CString keptCredit = credit;
    int counted = 0;
    int first = 0;
    auto close = [&](int last) {
        plan.pages.push_back({first, last, debit, credit});
        counted = 0;
    };
    for (int i = 0; i < count; ++i) {
        const int capacity = plan.pages.empty() ? limit + 1 : limit;
        if (counted == 0)
            first = i;
        const int ledgerLine = plan.breakdown ? pageLines[static_cast<std::size_t>(i)].ledgerLine : i;
        const int kind = plan.breakdown ? pageLines[static_cast<std::size_t>(i)].kind : 0;
        const LedgerLine& line = ledger.lines[static_cast<std::size_t>(ledgerLine)];
        if (kind == 0) {
            keptDebit = debit;
            keptCredit = credit;
            CString& total = line.debit ? debit : credit;
            total = AddSubAmounts(total, line.amount, 1);
        }
        ++counted;
        if (counted >= capacity) {
            // An entry line, its remark and its heading start the next page together,
            // unless the entry began the page.
            if (plan.breakdown && kind >= 0 && kind <= 2 && i - kind > first) {
                i -= kind + 1;
                debit = keptDebit;
                credit = keptCredit;
            }
            close(i);
        } else if (i == count - 1) {
            close(i);
        }
    }

    if (!plan.lines.empty()) {
        const CMyObject2* source = plan.breakdown ? journal.GetAt(plan.lines.front().entry)
                                                  : (journal.GetSize() > 0 ? journal.GetAt(0) : nullptr);
        if (source)
            plan.year = source->m_strDate.Left(4);
    }
    return plan;
}

CString ConsumptionTax(const CString& total)
{
    const CString product = MultiplyDecimals(total, "0.05");
    const int point = product.Find('.');
    const CString yen = point < 0 ? product : product.Left(point);
    return yen.IsEmpty() ? CString("0") : yen;
}

ItemTotals EntryItemTotals(const CString& remark)
{
    ItemTotals totals;
    for (const SalesItem& item : ReadItems(remark))
        totals.total = AddSubAmounts(totals.total, MultiplyDecimals(item.quantity, item.price), 1);
    totals.tax = ConsumptionTax(totals.total);
    return totals;
}

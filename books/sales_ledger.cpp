#include "sales_ledger.h"

#include "item_breakdown.h"

#include "../core/amount_arithmetic.h"
#include "../core/amount_format.h"
#include "../core/amount_sum.h"
#include "../core/class_code.h"

#include <algorithm>
#include <string>
#include <unordered_set>

namespace {

constexpr int kBalanceWidth = 27;

}  // namespace

const char* SalesBookAccount(SalesBook book)
{
    return book == SalesBook::Sales ? "売上" : "仕入";
}

bool IsBookClassDigit(SalesBook book, int digit)
{
    return book == SalesBook::Sales ? digit == 1 : (digit == 2 || digit == 3);
}

int SalesAccountRow(const CMyObject2& entry, SalesBook book)
{
    const CString account = SalesBookAccount(book);
    for (int entryRow = kEntryRows - 1; entryRow >= 0; --entryRow) {
        if (RowAccount(entry, entryRow) == account)
            return entryRow;
    }
    return -1;
}

CString PartnerOfLine(const CMyObject2& entry, int entryRow)
{
    return CutToBytes(RowDescription(entry, entryRow), kPartnerBytes);
}

LineLayout SalesLineLayout()
{
    LineLayout layout;
    layout.balanceWidth = kBalanceWidth;
    layout.fit = ColumnFit::AsGiven;
    return layout;
}

SalesLedger BuildSalesLedger(const JournalArray& journal, SalesBook book, const CString& filter)
{
    SalesLedger ledger;
    const bool all = filter.IsEmpty() || filter == kAllDescriptions;
    // Sales count credit minus debit, purchases debit minus credit.
    LedgerRun run(book == SalesBook::Purchases);
    const CString account = SalesBookAccount(book);
    SeenTextSet seenPartners;
    for (int index = 0; index < journal.GetSize(); ++index) {
        const CMyObject2* entry = journal.GetAt(index);
        if (!entry)
            continue;
        // One line per row that names the book's account, as in the other books.
        for (int entryRow = 0; entryRow < kEntryRows; ++entryRow) {
            if (RowAccount(*entry, entryRow) != account)
                continue;
            const CString partner = PartnerOfLine(*entry, entryRow);
            if (!partner.IsEmpty() && FirstSeen(seenPartners, partner))
                ledger.partners.push_back(partner);
            if (!all && partner != filter)
                continue;
            ledger.lines.push_back(run.Line(*entry, index, entryRow));
        }
    }
    ledger.debitTotal = run.DebitTotal();
    ledger.creditTotal = run.CreditTotal();
    ledger.balance = run.Balance();
    return ledger;
}

bool EntryIsBookClass(const CMyObject2& entry, SalesBook book)
{
    const ClassCode code = DecodeClassCode(entry.m_nClassCode);
    const CString account = SalesBookAccount(book);
    for (int entryRow = 0; entryRow < kEntryRows; ++entryRow) {
        if (IsBookClassDigit(book, code.rowClass[entryRow]) && RowAccount(entry, entryRow) == account)
            return true;
    }
    return false;
}

std::vector<CString> GatherProductNames(const JournalArray& journal, SalesBook book)
{
    std::vector<CString> names;
    SeenTextSet seen;
    for (int index = 0; index < journal.GetSize(); ++index) {
        const CMyObject2* entry = journal.GetAt(index);
        if (!entry)
            continue;
        // Most entries carry no items: that is asked before their class.
        const std::vector<SalesItem> items = ReadItems(entry->m_strRemark);
        if (items.empty() || !EntryIsBookClass(*entry, book))
            continue;
        for (const SalesItem& item : items)
            if (!item.name.IsEmpty() && FirstSeen(seen, item.name))
                names.push_back(item.name);
    }
    return names;
}

CString BreakdownCaption(const CMyObject2& entry, SalesBook book)
{
    // The description of the book's last row in the entry.
    const int entryRow = SalesAccountRow(entry, book);
    const CString partner = entryRow < 0 ? CString() : RowDescription(entry, entryRow);
    const CString account = SalesBookAccount(book);
    return " " + entry.m_strDate.Mid(5, 2) + "月" + entry.m_strDate.Mid(8, 2) + "日 [ " + partner + " ] " +
           account + "内訳の編集";
}

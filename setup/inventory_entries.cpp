#include "inventory_entries.h"

#include "../core/amount_arithmetic.h"
#include "../core/amount_format.h"
#include "../core/inventory_account.h"
#include "../core/opening_entry.h"

namespace {

bool Given(const CString& amount) { return !amount.IsEmpty() && amount != "0"; }

void Add(InventoryFigures& f, int slot, int index, const CString& amount)
{
    f.others[slot] = f.entry[slot] < 0 ? CString("0") : f.total[slot];
    f.total[slot] = AddSubAmounts(f.total[slot], amount, 1);
    f.entry[slot] = index;
}

CMyObject2* NewInventoryEntry(int slot, const CString& year, const CString& amount)
{
    auto* e = new CMyObject2;
    e->m_strDate = year + (slot == kInventoryClosing ? "/12/31" : "/01/01");
    e->m_strCause1 = "棚卸資産";
    e->m_strResult1 = slot == kInventoryOpening ? kCapitalAccount : "仕入";
    e->m_strCauseAmount1 = e->m_strResultAmount1 = NormalizeAmount(amount);
    e->m_strCauseAmount2 = e->m_strCauseAmount3 = "0";
    e->m_strResultAmount2 = e->m_strResultAmount3 = "0";
    e->m_nDirection = slot == kInventoryTransfer ? 1 : 0;
    e->m_nClassCode = slot == kInventoryOpening ? 5007000 : 5002000;
    return e;
}

}  // namespace

InventoryFigures RecognizeInventory(const JournalArray& journal)
{
    InventoryFigures f;
    for (int i = 0; i < journal.GetSize(); ++i) {
        const CMyObject2* e = journal[i];
        if (e == nullptr)
            continue;
        const CString& cause = e->m_strCause1;
        const CString& result = e->m_strResult1;
        const int d = e->m_nDirection;
        // An inventory entry's amount is the one of the inventory's row.
        const CString& stockAmount = IsInventoryAccount(cause) ? e->m_strCauseAmount1 : e->m_strResultAmount1;
        const InventoryEntryKind kind = InventoryEntryKindOf(*e);
        if (kind == InventoryEntryKind::Opening)
            Add(f, kInventoryOpening, i, stockAmount);
        else if (kind == InventoryEntryKind::Transfer)
            Add(f, kInventoryTransfer, i, stockAmount);
        else if (kind == InventoryEntryKind::Closing)
            Add(f, kInventoryClosing, i, stockAmount);
        else if (cause == "仕入" && !IsInventoryAccount(result) && d == 0)
            f.purchases = AddSubAmounts(f.purchases, e->m_strCauseAmount1, 1);
        else if (!IsInventoryAccount(cause) && result == "仕入" && d == 1)
            f.purchases = AddSubAmounts(f.purchases, e->m_strResultAmount1, 1);
        else if (cause == "仕入" && !IsInventoryAccount(result) && d == 1)
            f.purchases = AddSubAmounts(f.purchases, e->m_strCauseAmount1, -1);
        else if (!IsInventoryAccount(cause) && result == "仕入" && d == 0)
            f.purchases = AddSubAmounts(f.purchases, e->m_strResultAmount1, -1);
    }
    return f;
}

InventoryHandOver InventoryHandOverOf(const InventoryFigures& figures, const CString& opening, const CString& closing)
{
    InventoryHandOver h;
    h.entry = figures.entry;
    h.others = figures.others;
    h.amount = {opening, opening, closing};
    return h;
}

InventoryOutcome ApplyInventory(JournalArray& journal, const InventoryHandOver& handOver, const CString& year,
                                int currentEntry)
{
    InventoryOutcome out;
    out.currentEntry = currentEntry;
    std::array<int, 3> entry = handOver.entry;
    auto shiftAfterInsertAtFront = [&] {
        for (int& e : entry)
            if (e >= 0)
                ++e;
    };
    auto shiftAfterRemoval = [&](int removed) {
        for (int& e : entry)
            if (e > removed)
                --e;
    };
    for (int slot : {kInventoryTransfer, kInventoryOpening, kInventoryClosing}) {
        const int e = entry[slot];
        const CString& a = handOver.amount[slot];
        if (e >= 0 && Given(a)) {
            // The figure is the sum of every matching entry: the last one carries
            // what the others do not.
            const CString own = AddSubAmounts(NormalizeAmount(a), handOver.others[slot], -1);
            journal[e]->m_strCauseAmount1 = journal[e]->m_strResultAmount1 = NormalizeAmount(own);
            out.currentEntry = e;
            out.changed = true;
        } else if (e < 0 && Given(a)) {
            CMyObject2* created = NewInventoryEntry(slot, year, a);
            if (slot == kInventoryClosing) {
                journal.Add(created);
                out.currentEntry = journal.GetSize() - 1;
            } else {
                journal.InsertAt(0, created);
                shiftAfterInsertAtFront();
                out.currentEntry = 0;
            }
            out.changed = true;
        } else if (e >= 0 && a == "0") {
            const int sizeBefore = journal.GetSize();
            delete journal[e];
            journal.RemoveAt(e);
            entry[slot] = -1;
            shiftAfterRemoval(e);
            int current = e - 1;
            if (current == -1) {
                if (slot == kInventoryOpening && journal.GetSize() > 1)
                    current = 0;
                else if (slot == kInventoryClosing && sizeBefore > 1)
                    current = 0;
            }
            out.currentEntry = current;
            out.changed = true;
        }
    }
    return out;
}

CString AmountFromField(const CString& fieldText, const CString& figure)
{
    CString text = fieldText;
    text.Remove(' ');
    if (IsCutAmount(text))
        return figure;
    text.Remove(',');
    return text;
}

#include "inventory_account.h"

#include "opening_entry.h"

InventoryEntryKind InventoryEntryKindOf(const CMyObject2& entry)
{
    const CString& cause = entry.m_strCause1;
    const CString& result = entry.m_strResult1;
    const bool causeStock = IsInventoryAccount(cause);
    const bool resultStock = IsInventoryAccount(result);
    if (causeStock == resultStock)
        return InventoryEntryKind::None;
    // The other account of row 1 and whether the inventory is on the debit side.
    const CString& other = causeStock ? result : cause;
    const bool stockDebit = causeStock == entry.CauseIsDebit();
    const int direction = entry.m_nDirection;
    if (direction != 0 && direction != 1)
        return InventoryEntryKind::None;
    if (other == kCapitalAccount)
        return stockDebit ? InventoryEntryKind::Opening : InventoryEntryKind::None;
    if (other == "仕入")
        return stockDebit ? InventoryEntryKind::Closing : InventoryEntryKind::Transfer;
    return InventoryEntryKind::None;
}

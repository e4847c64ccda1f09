// Which accounts are inventory: every account whose name contains 棚卸 (棚卸資産,
// 期末棚卸高, ...), and what an inventory entry of the year-end is. The
// closing-inventory aid and the trial balance's check of the inventory entries
// both ask here.
#pragma once

#include "my_object2.h"
#include "sjis_text.h"

inline bool IsInventoryAccount(const CString& account)
{
    static const CString kInventory("棚卸");
    return ContainsWholeChars(account, kInventory);
}

// The inventory entries, told by row 1 of each side and the direction: the
// opening balance set against 元入金 (the inventory on the debit side), the
// opening stock moved into 仕入 (仕入 on the debit side) and the closing stock
// moved out of 仕入 (the inventory on the debit side). None for any other entry.
enum class InventoryEntryKind { None, Opening, Transfer, Closing };
InventoryEntryKind InventoryEntryKindOf(const CMyObject2& entry);

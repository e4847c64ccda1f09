// Which accounts are inventory: every account whose name contains 棚卸 (棚卸資産,
// 期末棚卸高, ...). The closing-inventory aid and the trial balance's check of the
// inventory entries both ask here.
#pragma once

#include "sjis_text.h"

inline bool IsInventoryAccount(const CString& account)
{
    static const CString kInventory("棚卸");
    return ContainsWholeChars(account, kInventory);
}

// Small journal entries for tests that need entries but not their bookkeeping.
#pragma once

#include "entry_builder.h"

// A new cash sale of the amount on the date, owned by the caller.
inline CMyObject2* SaleEntry(const char* date, const char* amount)
{
    return OneRowEntry(date, "売上", "現金", amount, 1, 1005000).New();
}

// One item of a remark's item breakdown as the sales and purchases books store
// it: the marker "[]" and the item's text filled with blanks to 84 bytes.
inline CString RemarkItem(const char* text)
{
    CString item = CString("[]") + text;
    while (item.GetLength() < 84)
        item += ' ';
    return item;
}

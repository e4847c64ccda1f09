// A small journal entry for tests that need entries but not their bookkeeping:
// a cash sale of the amount on the date.
#pragma once

#include "core/my_object2.h"

inline CMyObject2* SaleEntry(const char* date, const char* amount)
{
    auto* entry = new CMyObject2;
    entry->m_strDate = date;
    entry->m_strCause1 = "売上";
    entry->m_strResult1 = "現金";
    entry->m_strCauseAmount1 = amount;
    entry->m_strResultAmount1 = amount;
    entry->m_nDirection = 1;
    entry->m_nClassCode = 1005000;
    return entry;
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

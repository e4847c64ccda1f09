// A small journal entry for tests that need entries but not their bookkeeping:
// a cash sale of the amount on the date.
#pragma once

#include "core/my_object2.h"

// An entry of one row on each side: cause against result, the same amount on both.
inline CMyObject2* RowOneEntry(const char* date, const char* cause, const char* result, const char* amount,
                               int direction, int classCode)
{
    auto* entry = new CMyObject2;
    entry->m_strDate = date;
    entry->m_strCause1 = cause;
    entry->m_strResult1 = result;
    entry->m_strCauseAmount1 = amount;
    entry->m_strResultAmount1 = amount;
    entry->m_nDirection = direction;
    entry->m_nClassCode = classCode;
    return entry;
}

inline CMyObject2* SaleEntry(const char* date, const char* amount)
{
    return RowOneEntry(date, "売上", "現金", amount, 1, 1005000);
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

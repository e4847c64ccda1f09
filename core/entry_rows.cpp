#include "entry_rows.h"

#include "entry_side.h"

const CString& RowAccount(const CMyObject2& entry, int row)
{
    switch (row) {
    case 0: return entry.m_strCause1;
    case 1: return entry.m_strCause2;
    case 2: return entry.m_strCause3;
    case 3: return entry.m_strResult1;
    case 4: return entry.m_strResult2;
    default: return entry.m_strResult3;
    }
}

const CString& RowAmount(const CMyObject2& entry, int row)
{
    switch (row) {
    case 0: return entry.m_strCauseAmount1;
    case 1: return entry.m_strCauseAmount2;
    case 2: return entry.m_strCauseAmount3;
    case 3: return entry.m_strResultAmount1;
    case 4: return entry.m_strResultAmount2;
    default: return entry.m_strResultAmount3;
    }
}

const CString& RowDescription(const CMyObject2& entry, int row)
{
    switch (row) {
    case 0: return entry.m_strCauseDesc1;
    case 1: return entry.m_strCauseDesc2;
    case 2: return entry.m_strCauseDesc3;
    case 3: return entry.m_strResultDesc1;
    case 4: return entry.m_strResultDesc2;
    default: return entry.m_strResultDesc3;
    }
}

bool EntryRowIsDebit(const CMyObject2& entry, int row)
{
    return RowIsDebit(entry.m_nDirection, IsCauseRow(row));
}

#include "fiscal_year.h"

bool IsYearText(const CString& text)
{
    if (text.GetLength() != 4)
        return false;
    for (int i = 0; i < 4; ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

CString FiscalYearOf(const CMyObject2* firstEntry)
{
    if (firstEntry == nullptr)
        return CString();
    const CString year = firstEntry->m_strDate.Left(4);
    return IsYearText(year) ? year : CString();
}

CString FiscalYearOf(const JournalArray& journal)
{
    return FiscalYearOf(journal.GetSize() > 0 ? journal.GetAt(0) : nullptr);
}

CString FiscalYearOf(const std::vector<const CMyObject2*>& journal)
{
    return FiscalYearOf(journal.empty() ? nullptr : journal.front());
}

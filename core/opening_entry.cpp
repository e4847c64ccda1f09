#include "opening_entry.h"

const char* const kCapitalAccount = "元入金";

bool IsOpeningEntry(const CMyObject2& entry, const CString& year)
{
    const bool capitalInRowOne = entry.m_strCause1 == kCapitalAccount || entry.m_strResult1 == kCapitalAccount;
    return capitalInRowOne && !year.IsEmpty() && entry.m_strDate == year + "/01/01";
}

OpenedBalance OpenedBalanceOf(const CMyObject2& entry)
{
    if (entry.m_strResult1 == kCapitalAccount)
        return {entry.m_strCause1, entry.m_strCauseDesc1, entry.m_strCauseAmount1};
    return {entry.m_strResult1, entry.m_strResultDesc1, entry.m_strResultAmount1};
}

int FindOpeningEntry(const JournalArray& journal, const CString& account, const CString& year)
{
    int found = -1;
    for (int i = 0; i < journal.GetSize(); ++i) {
        const CMyObject2* entry = journal.GetAt(i);
        if (entry && IsOpeningEntry(*entry, year) && OpenedBalanceOf(*entry).account == account)
            found = i;
    }
    return found;
}

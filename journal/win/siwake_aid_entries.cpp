// What the journal view does for the input aids the main window runs: the year
// of their entries when the journal has none, and the journal shown again with
// the entries an aid wrote.
#include "siwake.h"

#include "../../core/column_text.h"
#include "../../resources/resource.h"

CString siwake::CurrentYearText()
{
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return IntToText(now.wYear);
}

void siwake::EndPendingInsertion()
{
    GetDocument()->m_nInsertRow = -1;
    if (m_nInsertLine == -1)
        return;
    m_lbTransactions.DeleteString(static_cast<UINT>(m_nInsertLine));
    m_nInsertLine = -1;
    SetDlgItemText(IDC_JOURNAL_INSERT, "行挿入");
    SetDlgItemText(IDC_JOURNAL_DELETE, "削除");
    LockForInsertion(FALSE);
}

void siwake::ShowAidEntries(int currentEntry)
{
    CMyDoc* document = GetDocument();
    document->m_nCurEntry = currentEntry;
    EndPendingInsertion();
    RebuildTransactionList();
    Invalidate(TRUE);
    MarkModified();
}

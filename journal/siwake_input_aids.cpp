// The journal view's input-aid commands: the closing inventory, the bad-debt
// allowance and the keyword search. Each runs its dialog modally and acts only
// when it ends with OK; the entries are written by the aids' portable routines.
#include "siwake.h"

#include "../core/column_text.h"
#include "../core/my_app.h"
#include "../resources/resource.h"
#include "../setup/bad_debt_entries.h"
#include "../setup/inventory_entries.h"
#include "../setup/kasidaore_dlg.h"
#include "../setup/kensaku_dlg.h"
#include "../setup/tanaorosi_dlg.h"

namespace {

// What an aid's dialog hands over through the document's aid slots. The matching
// entries besides the last are read again from the journal (figures.others), so
// that the last one carries only its share of a figure.
template <class HandOver, class Figures>
HandOver AidHandOver(const CMyDoc& document, const Figures& figures)
{
    HandOver handOver;
    handOver.entry = document.m_nAidEntry;
    handOver.amount = document.m_strAidAmount;
    handOver.others = figures.others;
    return handOver;
}

}  // namespace

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

void siwake::OnInventory()
{
    if (RunInventoryDialog() != 0)
        return;
    CMyDoc* document = GetDocument();
    m_strYearText = static_cast<CMyApp*>(AfxGetApp())->m_strYear;
    if (m_strYearText.IsEmpty())
        m_strYearText = CurrentYearText();
    const auto handOver = AidHandOver<InventoryHandOver>(*document, RecognizeInventory(document->m_arrJournal));
    const InventoryOutcome outcome =
        ApplyInventory(document->m_arrJournal, handOver, m_strYearText, document->m_nCurEntry);
    if (outcome.changed)
        ShowAidEntries(outcome.currentEntry);
}

void siwake::OnBadDebtAllowance()
{
    if (RunBadDebtDialog() != 0)
        return;
    CMyDoc* document = GetDocument();
    if (m_strYearText.IsEmpty())
        m_strYearText = CurrentYearText();
    const auto handOver = AidHandOver<BadDebtHandOver>(*document, RecognizeBadDebt(document->m_arrJournal));
    const BadDebtOutcome outcome =
        ApplyBadDebt(document->m_arrJournal, handOver, m_strYearText, document->m_nCurEntry);
    if (outcome.changed)
        ShowAidEntries(outcome.currentEntry);
}

void siwake::OnKeywordSearch()
{
    CKensakuDlg dialog(nullptr);
    const INT_PTR result = dialog.DoModal();
    CMyDoc* document = GetDocument();
    EndPendingInsertion();
    if (result != IDOK)
        return;
    document->m_nCurEntry = dialog.m_nShownEntry;
    if (dialog.m_nShownEntry != -1) {
        RebuildTransactionList();
        Invalidate(TRUE);
    }
}

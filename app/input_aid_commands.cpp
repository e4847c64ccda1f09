// The main window's input-aid commands on the journal: the opening balances, the
// closing inventory, the bad-debt allowance and the keyword search. Each runs its
// dialog modally and acts only when it ends with OK; the entries are written by the
// aids' portable routines and shown by the journal view. They act only while the
// journal is the view shown (their menu commands are greyed otherwise).
#include "main_frame.h"

#include "../core/win/my_doc.h"
#include "../framework/win/message_box.h"
#include "../journal/win/siwake.h"
#include "../setup/bad_debt_entries.h"
#include "../setup/inventory_entries.h"
#include "../setup/win/kasidaore_dlg.h"
#include "../setup/win/kensaku_dlg.h"
#include "../setup/win/kishu_zandaka_dlg.h"
#include "../setup/opening_entries.h"
#include "../setup/win/tanaorosi_dlg.h"

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

// 0 when the dialog ended with OK, -1 otherwise. The dialog edits the
// document's rows; a year it carried forward becomes the journal's year.
int RunOpeningBalanceDialog(CMyDoc& document)
{
    CKishuZandakaDlg dialog(document.m_arrKishuZandaka, nullptr);
    if (dialog.DoModal() != IDOK)
        return -1;
    if (!dialog.m_strCarriedYear.IsEmpty())
        document.m_strYear = dialog.m_strCarriedYear;
    return 0;
}

}  // namespace

siwake* CMainFrame::ShownJournal() const
{
    return dynamic_cast<siwake*>(GetActiveView());
}

void CMainFrame::OnOpeningBalance()
{
    siwake* journal = ShownJournal();
    if (!journal)
        return;
    CMyDoc* document = journal->GetDocument();
    if (RunOpeningBalanceDialog(*document) != 0)
        return;
    journal->m_strYearText = document->m_strYear;
    if (journal->m_strYearText.IsEmpty())
        journal->m_strYearText = siwake::CurrentYearText();
    const OpeningOutcome outcome = ApplyOpeningBalances(document->m_arrJournal, document->m_arrKishuZandaka,
                                                        journal->m_strYearText, document->m_nCurEntry);
    if (!outcome.refusal.IsEmpty()) {
        AfxMessageBox(outcome.refusal, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (outcome.changed)
        journal->ShowAidEntries(outcome.currentEntry);
}

void CMainFrame::OnInventory()
{
    siwake* journal = ShownJournal();
    if (!journal || RunInventoryDialog() != 0)
        return;
    CMyDoc* document = journal->GetDocument();
    journal->m_strYearText = document->m_strYear;
    if (journal->m_strYearText.IsEmpty())
        journal->m_strYearText = siwake::CurrentYearText();
    const auto handOver = AidHandOver<InventoryHandOver>(*document, RecognizeInventory(document->m_arrJournal));
    const InventoryOutcome outcome =
        ApplyInventory(document->m_arrJournal, handOver, journal->m_strYearText, document->m_nCurEntry);
    if (outcome.changed)
        journal->ShowAidEntries(outcome.currentEntry);
}

void CMainFrame::OnBadDebtAllowance()
{
    siwake* journal = ShownJournal();
    if (!journal || RunBadDebtDialog() != 0)
        return;
    CMyDoc* document = journal->GetDocument();
    if (journal->m_strYearText.IsEmpty())
        journal->m_strYearText = siwake::CurrentYearText();
    const auto handOver = AidHandOver<BadDebtHandOver>(*document, RecognizeBadDebt(document->m_arrJournal));
    const BadDebtOutcome outcome =
        ApplyBadDebt(document->m_arrJournal, handOver, journal->m_strYearText, document->m_nCurEntry);
    if (outcome.changed)
        journal->ShowAidEntries(outcome.currentEntry);
}

void CMainFrame::OnKeywordSearch()
{
    siwake* journal = ShownJournal();
    if (!journal)
        return;
    CKensakuDlg dialog(nullptr);
    const INT_PTR result = dialog.DoModal();
    CMyDoc* document = journal->GetDocument();
    journal->EndPendingInsertion();
    if (result != IDOK)
        return;
    document->m_nCurEntry = dialog.m_nShownEntry;
    if (dialog.m_nShownEntry != -1) {
        journal->RebuildTransactionList();
        journal->Invalidate(TRUE);
    }
}

// The journal view's command "期首残高の設定": the opening-balance dialog, and on OK
// the opening entries its rows ask for, written into the journal.
#include "siwake.h"

#include "../core/my_app.h"
#include "../framework/win/message_box.h"
#include "../setup/kishu_zandaka_dlg.h"
#include "../setup/opening_entries.h"

namespace {

// 0 when the dialog ended with OK, -1 otherwise.
int RunOpeningBalanceDialog()
{
    CKishuZandakaDlg dialog(nullptr);
    return dialog.DoModal() == IDOK ? 0 : -1;
}

}  // namespace

void siwake::OnOpeningBalance()
{
    if (RunOpeningBalanceDialog() != 0)
        return;
    CMyApp* app = static_cast<CMyApp*>(AfxGetApp());
    m_strYearText = app->m_strYear;
    if (m_strYearText.IsEmpty())
        m_strYearText = CurrentYearText();
    CMyDoc* document = GetDocument();
    const OpeningOutcome outcome =
        ApplyOpeningBalances(document->m_arrJournal, app->m_arrKishuZandaka, m_strYearText, document->m_nCurEntry);
    if (!outcome.refusal.IsEmpty()) {
        AfxMessageBox(outcome.refusal, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (outcome.changed)
        ShowAidEntries(outcome.currentEntry);
}

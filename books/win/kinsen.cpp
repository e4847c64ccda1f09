#include "kinsen.h"

#include "../opening_cash.h"

#include "../../core/fiscal_year.h"

#include "../../core/amount_format.h"
#include "../../framework/win/message_box.h"
#include "../../resources/resource.h"

namespace {

const BookControls kControls = {
    IDC_KINSEN_LEDGER,
    IDC_KINSEN_DATE,
    IDC_KINSEN_CLASS,
    {IDC_KINSEN_CAUSE1, IDC_KINSEN_CAUSE2, IDC_KINSEN_CAUSE3},
    {IDC_KINSEN_CAUSE_AMOUNT1, IDC_KINSEN_CAUSE_AMOUNT2, IDC_KINSEN_CAUSE_AMOUNT3},
    IDC_KINSEN_CONNECT_WORD,
    {IDC_KINSEN_RESULT1, IDC_KINSEN_RESULT2, IDC_KINSEN_RESULT3},
    {IDC_KINSEN_RESULT_AMOUNT1, IDC_KINSEN_RESULT_AMOUNT2, IDC_KINSEN_RESULT_AMOUNT3},
    IDC_KINSEN_DESC1_LABEL,
    IDC_KINSEN_DESC2_LABEL,
    IDC_KINSEN_DESC1,
    IDC_KINSEN_DESC2,
    IDC_KINSEN_REMARK,
    IDC_KINSEN_DETAIL_GROUP,
    {IDC_KINSEN_TOTAL_LABEL, IDC_KINSEN_DEBIT_TOTAL, IDC_KINSEN_CREDIT_TOTAL, IDC_KINSEN_BALANCE_LABEL,
     IDC_KINSEN_BALANCE},
};

}  // namespace

IMPLEMENT_DYNCREATE(kinsen, CLedgerBookView)

const MessageMap* kinsen::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<kinsen>(
        on::Control(BN_CLICKED, IDC_KINSEN_GOTO_SIWAKE, &kinsen::OnGotoSiwake),
        on::Control(BN_CLICKED, IDC_KINSEN_GOTO_KANJYO, &kinsen::OnGotoKanjyo),
        on::Control(BN_CLICKED, IDC_KINSEN_GOTO_KEIHI, &kinsen::OnGotoKeihi),
        on::Control(BN_CLICKED, IDC_KINSEN_GOTO_URIAGE, &kinsen::OnGotoUriage),
        on::Control(BN_CLICKED, IDC_KINSEN_GOTO_SIIRE, &kinsen::OnGotoSiire),
        on::Control(BN_CLICKED, IDC_KINSEN_GOTO_KESSAN, &kinsen::OnGotoKessan),
        on::Control(BN_CLICKED, IDC_KINSEN_GOTO_SETTEI, &kinsen::OnGotoSettei),
        on::Control(BN_CLICKED, IDC_KINSEN_EDIT_IN_JOURNAL, &kinsen::OnEditInJournal),
        on::Control(BN_CLICKED, IDC_BOOK_RECEIVED, &kinsen::OnClickedDirection),
        on::Control(BN_CLICKED, IDC_BOOK_PAID, &kinsen::OnClickedDirection),
        on::Control(LBN_SETFOCUS, IDC_KINSEN_CLASS, &kinsen::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, IDC_KINSEN_OPENING, &kinsen::OnSetfocusImeOff),
        on::Control(LBN_SELCHANGE, IDC_KINSEN_LEDGER, &kinsen::OnSelchangeLedger),
        on::Control(BN_CLICKED, IDC_KINSEN_SET_OPENING, &kinsen::OnSetOpeningCash));
    return &map;
}

kinsen::kinsen()
    : CLedgerBookView(IDD_KINSEN, {kBookCash, BookMenuRole::OtherBook}, kControls, 2, "現金出納帳", RGB(255, 0, 0))
{
    m_nAmountWidth = 23;
}

void kinsen::OnInitialUpdate()
{
    // The restore mode is read from the words the journal left, before this
    // view writes its own book code.
    CMyDoc* document = GetDocument();
    m_nRestoreMode = DecideRestoreMode(document->m_nCurBook, document->m_nPrevBook, document->m_strBookCodes,
                                       kBookCash, '3');
    CLedgerBookView::OnInitialUpdate();
    BuildLedger();
}

void kinsen::OnPrepareLayout(int rowHeight)
{
    CLedgerBookView::OnPrepareLayout(rowHeight);
    PlaceTotalsStrip(rowHeight);
}

std::vector<GroupFrame> kinsen::GroupFrames() const
{
    return {{IDC_KINSEN_LEDGER_GROUP, RGB(192, 255, 192)}, {IDC_KINSEN_DETAIL_GROUP, RGB(64, 255, 64)}};
}

void kinsen::WriteShownAccount()
{
    GetDocument()->m_strCurAccount = "現金";
}

void kinsen::BuildLedger()
{
    CMyDoc* document = GetDocument();
    LedgerOptions options;
    options.account = "現金";
    options.balanceWidth = 27;
    options.fit = ColumnFit::AsGiven;
    m_ledger = ::BuildLedger(document->m_arrJournal, options);
    FillLedgerList();
    if (m_ledger.lines.empty())
        return;
    const int line = ChooseRestoreLine(m_ledger.lines, m_nInitEntry, static_cast<RestoreMode>(m_nRestoreMode),
                                       document->m_nCurLine);
    if (line >= 0) {
        SelectLedgerLine(line);
        ShowEntryDetail(line);
        DrawListHighlight(m_nAccountRow);
    }
    DrawTotals();
    SetDlgItemText(IDC_KINSEN_OPENING, FormatAmount(OpeningCashOf(document->m_arrJournal, JournalYear()), 0));
    m_nRestoreMode = kRestoreNone;
    m_lbLedger.SetFocus();
}

CString kinsen::JournalYear()
{
    // The year of the open journal: its first entry's, else the year kept for the file.
    CString year = FiscalYearOf(GetDocument()->m_arrJournal);
    if (year.IsEmpty())
        year = GetDocument()->m_strYear.Left(4);
    return year;
}

void kinsen::OnSetOpeningCash()
{
    CMyDoc* document = GetDocument();
    CString text;
    GetDlgItemText(IDC_KINSEN_OPENING, text);
    const OpeningCashPlan plan = PlanOpeningCash(document->m_arrJournal, text, JournalYear());
    if (!plan.refusal.IsEmpty()) {
        AfxMessageBox(plan.refusal, MB_OK);
        return;
    }
    if (plan.replaceIndex >= 0 && AfxMessageBox(kOpeningCashQuestion, MB_YESNO) != IDYES)
        return;
    const int current = document->m_nCurEntry;
    document->m_nCurEntry = ApplyOpeningCash(document->m_arrJournal, plan, MakeOpeningCashEntry(plan), current);
    if (m_nInitEntry == current)
        m_nInitEntry = document->m_nCurEntry;
    document->SetModifiedFlag(TRUE);
    BuildLedger();
}

#include "kinsen.h"

#include "opening_cash.h"

#include "../core/fiscal_year.h"

#include "../core/amount_format.h"
#include "../framework/win/message_box.h"
#include "../resources/resource.h"

namespace {

constexpr int kOpeningCashField = 1042;

const BookControls kControls = {
    1018, 1116, 1017, {1045, 1047, 1048}, {1080, 1079, 1070}, 1053, {1083, 1082, 1081}, {1031, 1071, 1072},
    1112, 1113, 1050, 1051, 1091, 1132, {1175, 1002, 1006, 1176, 1007},
};

}  // namespace

IMPLEMENT_DYNCREATE(kinsen, CLedgerBookView)

const MessageMap* kinsen::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<kinsen>(
        on::Control(BN_CLICKED, 1022, &kinsen::OnGotoSiwake),
        on::Control(BN_CLICKED, 1010, &kinsen::OnGotoKanjyo),
        on::Control(BN_CLICKED, 1029, &kinsen::OnGotoKeihi),
        on::Control(BN_CLICKED, 1012, &kinsen::OnGotoUriage),
        on::Control(BN_CLICKED, 1044, &kinsen::OnGotoSiire),
        on::Control(BN_CLICKED, 1023, &kinsen::OnGotoKessan),
        on::Control(BN_CLICKED, 1027, &kinsen::OnGotoSettei),
        on::Control(BN_CLICKED, 1030, &kinsen::OnEditInJournal),
        on::Control(BN_CLICKED, 1035, &kinsen::OnClickedDirection),
        on::Control(BN_CLICKED, 1037, &kinsen::OnClickedDirection),
        on::Control(EN_SETFOCUS, 1116, &kinsen::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1045, &kinsen::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1047, &kinsen::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1048, &kinsen::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1080, &kinsen::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1079, &kinsen::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1070, &kinsen::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1083, &kinsen::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1082, &kinsen::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1081, &kinsen::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1031, &kinsen::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1071, &kinsen::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1072, &kinsen::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1050, &kinsen::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1051, &kinsen::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1091, &kinsen::OnSetfocusReadOnly),
        on::Control(LBN_SETFOCUS, 1017, &kinsen::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1042, &kinsen::OnSetfocusImeOff),
        on::Control(LBN_SELCHANGE, 1018, &kinsen::OnSelchangeLedger),
        on::Control(BN_CLICKED, 1011, &kinsen::OnSetOpeningCash));
    return &map;
}

kinsen::kinsen() : CLedgerBookView(IDD_KINSEN, kControls, 2, "現金出納帳", RGB(255, 0, 0))
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
    PlaceTotalsStrip();
    BuildLedger();
}

std::vector<GroupFrame> kinsen::GroupFrames() const
{
    return {{1128, RGB(192, 255, 192)}, {1132, RGB(64, 255, 64)}};
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
    SetDlgItemText(kOpeningCashField, FormatAmount(OpeningCashOf(document->m_arrJournal, JournalYear()), 0));
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
    GetDlgItemText(kOpeningCashField, text);
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

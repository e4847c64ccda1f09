#include "keihi.h"

#include "../../framework/win/message_box.h"
#include "../../resources/resource.h"

#include <cstdlib>

namespace {

// The description panel: shown and hidden together.
constexpr int kDescriptionPanel[] = {IDC_KEIHI_DRAW_GROUP,   IDC_KEIHI_DRAW_CHARS,
                                     IDC_KEIHI_DRAW_SPIN,    IDC_KEIHI_DRAW_UNIT,
                                     IDC_KEIHI_DRAW,         IDC_KEIHI_DESCRIPTION_CAPTION,
                                     IDC_KEIHI_DESCRIPTIONS};

const BookControls kControls = {
    IDC_KEIHI_LEDGER,
    IDC_KEIHI_DATE,
    IDC_KEIHI_CLASS,
    {IDC_KEIHI_CAUSE1, IDC_KEIHI_CAUSE2, IDC_KEIHI_CAUSE3},
    {IDC_KEIHI_CAUSE_AMOUNT1, IDC_KEIHI_CAUSE_AMOUNT2, IDC_KEIHI_CAUSE_AMOUNT3},
    IDC_KEIHI_CONNECT_WORD,
    {IDC_KEIHI_RESULT1, IDC_KEIHI_RESULT2, IDC_KEIHI_RESULT3},
    {IDC_KEIHI_RESULT_AMOUNT1, IDC_KEIHI_RESULT_AMOUNT2, IDC_KEIHI_RESULT_AMOUNT3},
    IDC_KEIHI_DESC1_LABEL,
    IDC_KEIHI_DESC2_LABEL,
    IDC_KEIHI_DESC1,
    IDC_KEIHI_DESC2,
    IDC_KEIHI_REMARK,
    IDC_KEIHI_DETAIL_GROUP,
    {IDC_KEIHI_TOTAL_LABEL, IDC_KEIHI_DEBIT_TOTAL, IDC_KEIHI_CREDIT_TOTAL, IDC_KEIHI_BALANCE_LABEL, IDC_KEIHI_BALANCE},
};

}  // namespace

IMPLEMENT_DYNCREATE(keihi, CLedgerBookView)

const MessageMap* keihi::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<keihi>(
        on::Control(BN_CLICKED, IDC_KEIHI_GOTO_SIWAKE, &keihi::OnGotoSiwake),
        on::Control(BN_CLICKED, IDC_KEIHI_GOTO_KANJYO, &keihi::OnGotoKanjyo),
        on::Control(BN_CLICKED, IDC_KEIHI_GOTO_KINSEN, &keihi::OnGotoKinsen),
        on::Control(BN_CLICKED, IDC_KEIHI_GOTO_URIAGE, &keihi::OnGotoUriage),
        on::Control(BN_CLICKED, IDC_KEIHI_GOTO_SIIRE, &keihi::OnGotoSiire),
        on::Control(BN_CLICKED, IDC_KEIHI_GOTO_KESSAN, &keihi::OnGotoKessan),
        on::Control(BN_CLICKED, IDC_KEIHI_GOTO_SETTEI, &keihi::OnGotoSettei),
        on::Control(BN_CLICKED, IDC_KEIHI_EDIT_IN_JOURNAL, &keihi::OnEditInJournal),
        on::Control(BN_CLICKED, IDC_BOOK_RECEIVED, &keihi::OnClickedDirection),
        on::Control(BN_CLICKED, IDC_BOOK_PAID, &keihi::OnClickedDirection),
        on::Control(LBN_SETFOCUS, IDC_KEIHI_CLASS, &keihi::OnSetfocusReadOnly),
        on::Control(LBN_SELCHANGE, IDC_KEIHI_ACCOUNTS, &keihi::OnSelchangeAccount),
        on::Control(LBN_SELCHANGE, IDC_KEIHI_DESCRIPTIONS, &keihi::OnSelchangeDescription),
        on::Control(LBN_SELCHANGE, IDC_KEIHI_LEDGER, &keihi::OnSelchangeLedger),
        on::Control(BN_CLICKED, IDC_KEIHI_DRAW, &keihi::OnExtractDescriptions),
        on::Notify(UDN_DELTAPOS, IDC_KEIHI_DRAW_SPIN, &keihi::OnDeltaposChars));
    return &map;
}

keihi::keihi()
    : CLedgerBookView(IDD_KEIHI, {kBookExpenseSalesPurchases, BookMenuRole::OtherBook}, kControls, 3, "経費帳",
                      RGB(0, 0, 255))
{
    m_nAmountWidth = 23;
}

void keihi::DoDataExchange(CDataExchange* pDX)
{
    CLedgerBookView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KEIHI_ACCOUNTS, m_lbAccounts);
    DDX_Control(pDX, IDC_KEIHI_DESCRIPTIONS, m_lbDescriptions);
    DDX_Control(pDX, IDC_KEIHI_DRAW_SPIN, m_spChars);
}

void keihi::OnInitialUpdate()
{
    CMyDoc* document = GetDocument();
    m_nRestoreMode = DecideRestoreMode(document->m_nCurBook, document->m_nPrevBook, document->m_strBookCodes,
                                       kBookExpenseSalesPurchases, '4');
    CLedgerBookView::OnInitialUpdate();
    m_nDescChars = document->m_nTekiyoChars;
    if (m_nDescChars < 1 || m_nDescChars > 16)
        m_nDescChars = 16;
    // The spin shows the width in use, the one "摘出" last chose.
    m_spChars.SetRange(1, 16);
    m_spChars.SetPos(m_nDescChars);
    SetDlgItemText(IDC_KEIHI_DRAW_CHARS, IntToText(m_nDescChars));
    LoadAccountLists();
}

void keihi::OnPrepareLayout(int rowHeight)
{
    CLedgerBookView::OnPrepareLayout(rowHeight);
    const int h = rowHeight;
    if (h > 0) {
        m_lbAccounts.SetItemHeight(0, static_cast<UINT>(h - h / 5));
        m_lbDescriptions.SetItemHeight(0, static_cast<UINT>(h - h / 5));
    }
    PlaceTotalsStrip(rowHeight);
}

std::vector<int> keihi::DrawnItems() const
{
    // The description panel's frame, unit and caption only show.
    std::vector<int> ids = CLedgerBookView::DrawnItems();
    ids.insert(ids.end(), {IDC_KEIHI_DRAW_GROUP, IDC_KEIHI_DRAW_UNIT, IDC_KEIHI_DESCRIPTION_CAPTION});
    return ids;
}

std::vector<GroupFrame> keihi::GroupFrames() const
{
    return {{IDC_KEIHI_ACCOUNT_GROUP, RGB(128, 128, 255)},
            {IDC_KEIHI_LEDGER_GROUP, RGB(192, 255, 192)},
            {IDC_KEIHI_DETAIL_GROUP, RGB(64, 255, 64)}};
}

void keihi::WriteShownAccount()
{
    CMyDoc* document = GetDocument();
    document->m_strCurAccount = m_strAccount;
    document->m_strExpenseFilter = m_strDescFilter;
}

void keihi::WriteHandOver(const CMyObject2& entry)
{
    CLedgerBookView::WriteHandOver(entry);
    GetDocument()->m_strFilter = ExpenseRowOf(entry).description;
}

void keihi::ShowDescriptionPanel(BOOL show)
{
    for (int id : kDescriptionPanel)
        ShowItem(id, show != FALSE);
}

int keihi::FindDescription(const CString& filter) const
{
    for (int i = 0; i < m_lbDescriptions.GetCount(); ++i) {
        CString item;
        m_lbDescriptions.GetText(i, item);
        if (item == filter)
            return i;
    }
    return -1;
}

LedgerOptions keihi::Options() const
{
    LedgerOptions options;
    options.account = m_strAccount;
    options.balanceWidth = 27;
    options.fit = ColumnFit::AsGiven;
    options.descChars = m_nDescChars;
    return options;
}

void keihi::LoadAccountLists()
{
    CMyDoc* document = GetDocument();
    m_lbLedger.ResetContent();
    m_ledger = Ledger();
    m_accounts = GatherExpenseAccounts(document->m_arrJournal);
    FillList(m_lbAccounts, m_accounts);
    m_strAccount = document->m_strExpenseAccount;
    const int item = FindExactName(m_accounts, m_strAccount);
    if (m_nRestoreMode != kRestoreNone && item >= 0 && JournalNamesAccount(document->m_arrJournal, m_strAccount)) {
        m_lbAccounts.SetCurSel(item);
        BuildLedger(item);
    } else {
        ShowDescriptionPanel(FALSE);
        m_lbDescriptions.ResetContent();
        m_nRestoreMode = kRestoreNone;
    }
}

void keihi::BuildLedger(int nList)
{
    CMyDoc* document = GetDocument();
    m_strDescFilter = document->m_strExpenseFilter;
    // A description left by another book's detail panel becomes this book's
    // filter, cut to the 16 bytes of the list's widest items.
    if (nList != -2 && CutToBytes(document->m_strFilter, m_nDescChars) != m_strDescFilter) {
        m_strDescFilter = CutFilter(document->m_strFilter, 16);
        m_nDescChars = 16;
        document->m_nTekiyoChars = 16;
    }
    SetDlgItemText(IDC_KEIHI_DRAW_CHARS, IntToText(m_nDescChars));
    m_spChars.SetPos(m_nDescChars);

    m_ledger = ::BuildLedger(document->m_arrJournal, Options());
    m_descriptions = m_ledger.descriptions;
    FillLedgerList();
    FillDescriptionList(m_lbDescriptions, m_descriptions);
    SetDlgItemText(IDC_KEIHI_LEDGER_GROUP, " 【 " + m_strAccount + " 】 ");
    ShowDescriptionPanel(TRUE);

    const int item = m_strDescFilter.IsEmpty() ? -1 : FindDescription(m_strDescFilter);
    if (m_nRestoreMode != kRestoreNone) {
        if (item >= 0) {
            m_lbDescriptions.SetCurSel(item);
            BuildFilteredLedger(item);
        } else {
            // No filter, or one the list does not hold: every line.
            m_strDescFilter.Empty();
            const int line = ChooseRestoreLine(m_ledger.lines, m_nInitEntry, static_cast<RestoreMode>(m_nRestoreMode),
                                               document->m_nCurLine);
            SelectLedgerLine(line);
            ShowEntryDetail(line);
            m_lbDescriptions.SetCurSel(0);
            m_nRestoreMode = kRestoreNone;
        }
    } else {
        m_strDescFilter.Empty();
        const int line = m_ledger.lines.empty() ? -1 : 0;
        ShowEntryDetail(line);
        SelectLedgerLine(line);
        m_lbDescriptions.SetCurSel(0);
    }
    DrawTotals();
}

void keihi::BuildFilteredLedger(int)
{
    CMyDoc* document = GetDocument();
    const bool all = m_strDescFilter == kAllDescriptions;
    SetDlgItemText(IDC_KEIHI_LEDGER_GROUP, all ? "【 " + m_strAccount + " 】"
                                     : "【 " + m_strAccount + " 】  [ " + m_strDescFilter + " ]");
    LedgerOptions options = Options();
    options.filtered = true;
    options.filter = m_strDescFilter;
    m_ledger = ::BuildLedger(document->m_arrJournal, options);
    m_ledger.descriptions = m_descriptions;
    FillLedgerList();
    if (m_nRestoreMode != kRestoreNone) {
        int line = ChooseRestoreLine(m_ledger.lines, m_nInitEntry, static_cast<RestoreMode>(m_nRestoreMode),
                                     document->m_nCurLine);
        if (line < 0)
            document->m_strFilter.Empty();
        SelectLedgerLine(line);
        m_lbDescriptions.SetCurSel(FindDescription(m_strDescFilter));
        ShowEntryDetail(line);
        m_nRestoreMode = kRestoreNone;
    }
    DrawTotals();
}

void keihi::OnSelchangeAccount()
{
    // The lines, their selection and the scroll bar change together and are drawn once.
    const CStripeListBox::Batch batch(m_lbLedger);
    const int item = m_lbAccounts.GetCurSel();
    if (item < 0)
        return;
    CMyDoc* document = GetDocument();
    m_nRestoreMode = kRestoreNone;
    m_lbAccounts.GetText(item, m_strAccount);
    document->m_strExpenseAccount = m_strAccount;
    m_strDescFilter.Empty();
    document->m_strExpenseFilter.Empty();
    BuildLedger(item);
    DrawListHighlight(m_nAccountRow);
    SelectLedgerLine(m_ledger.lines.empty() ? -1 : 0);
    m_lbDescriptions.SetCurSel(0);
}

void keihi::OnSelchangeDescription()
{
    // The lines, their selection and the scroll bar change together and are drawn once.
    const CStripeListBox::Batch batch(m_lbLedger);
    const int item = m_lbDescriptions.GetCurSel();
    if (item < 0 || m_strAccount.IsEmpty())
        return;
    m_nRestoreMode = kRestoreNone;
    m_lbDescriptions.GetText(item, m_strDescFilter);
    BuildFilteredLedger(item);
    const int line = m_ledger.lines.empty() ? -1 : 0;
    SelectLedgerLine(line);
    ShowEntryDetail(line);
    DrawListHighlight(m_nAccountRow);
}

void keihi::OnExtractDescriptions()
{
    if (m_lbAccounts.GetCurSel() < 0) {
        AfxMessageBox("経費科目を選択してください。", MB_OK);
        return;
    }
    CString text;
    GetDlgItemText(IDC_KEIHI_DRAW_CHARS, text);
    int chars = std::atoi(text);
    if (chars < 1 || chars > 16)
        chars = 16;
    m_nDescChars = chars;
    GetDocument()->m_nTekiyoChars = chars;
    m_nRestoreMode = kRestoreNone;
    BuildLedger(-2);
}

void keihi::OnDeltaposChars(NMHDR* pNMHDR, LRESULT* pResult)
{
    // The static buddy is not updated by the control itself: the number is kept here.
    const auto* change = reinterpret_cast<NMUPDOWN*>(pNMHDR);
    CString text;
    GetDlgItemText(IDC_KEIHI_DRAW_CHARS, text);
    int chars = std::atoi(text) + change->iDelta;
    chars = chars < 1 ? 1 : chars > 16 ? 16 : chars;
    SetDlgItemText(IDC_KEIHI_DRAW_CHARS, IntToText(chars));
    *pResult = 0;
}

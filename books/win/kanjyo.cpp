#include "kanjyo.h"

#include "../../core/amount_format.h"
#include "../../core/fiscal_year.h"
#include "../../framework/win/message_box.h"
#include "../../resources/resource.h"

namespace {

constexpr int kGroupLists[4] = {IDC_KANJYO_ASSETS, IDC_KANJYO_LIABILITIES, IDC_KANJYO_REVENUE, IDC_KANJYO_EXPENSES};
constexpr int kGroupBoxes[4] = {IDC_KANJYO_ASSETS_GROUP, IDC_KANJYO_LIABILITIES_GROUP, IDC_KANJYO_REVENUE_GROUP,
                                IDC_KANJYO_EXPENSES_GROUP};
const char* const kGroupCaptions[4] = {"資産 の 部", "負債 資本 の 部", "収益 の 部", "費用 の 部"};

const BookControls kControls = {
    IDC_KANJYO_LEDGER,
    IDC_KANJYO_DATE,
    IDC_KANJYO_CLASS,
    {IDC_KANJYO_CAUSE1, IDC_KANJYO_CAUSE2, IDC_KANJYO_CAUSE3},
    {IDC_KANJYO_CAUSE_AMOUNT1, IDC_KANJYO_CAUSE_AMOUNT2, IDC_KANJYO_CAUSE_AMOUNT3},
    IDC_KANJYO_CONNECT_WORD,
    {IDC_KANJYO_RESULT1, IDC_KANJYO_RESULT2, IDC_KANJYO_RESULT3},
    {IDC_KANJYO_RESULT_AMOUNT1, IDC_KANJYO_RESULT_AMOUNT2, IDC_KANJYO_RESULT_AMOUNT3},
    IDC_KANJYO_DESC1_LABEL,
    IDC_KANJYO_DESC2_LABEL,
    IDC_KANJYO_DESC1,
    IDC_KANJYO_DESC2,
    IDC_KANJYO_REMARK,
    IDC_KANJYO_DETAIL_GROUP,
    {IDC_KANJYO_TOTAL_LABEL, IDC_KANJYO_DEBIT_TOTAL, IDC_KANJYO_CREDIT_TOTAL, IDC_KANJYO_BALANCE_LABEL,
     IDC_KANJYO_BALANCE},
};

const char* const kNegativeNote =
    " 摘要別の期首残高が未設定のとき、残高が(－)になる場合がありすが、\n 決算結果には影響しません。";

}  // namespace

IMPLEMENT_DYNCREATE(kanjyo, CLedgerBookView)

const MessageMap* kanjyo::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<kanjyo>(
        on::Command(ID_LEDGER_PRINT_ALL, &kanjyo::OnPrintAll),
        on::Command(ID_LEDGER_PRINT_ALL_PREVIEW, &kanjyo::OnPrintAllPreview),
        on::Control(BN_CLICKED, IDC_KANJYO_GOTO_SIWAKE, &kanjyo::OnGotoSiwake),
        on::Control(BN_CLICKED, IDC_KANJYO_GOTO_KINSEN, &kanjyo::OnGotoKinsen),
        on::Control(BN_CLICKED, IDC_KANJYO_GOTO_KEIHI, &kanjyo::OnGotoKeihi),
        on::Control(BN_CLICKED, IDC_KANJYO_GOTO_URIAGE, &kanjyo::OnGotoUriage),
        on::Control(BN_CLICKED, IDC_KANJYO_GOTO_SIIRE, &kanjyo::OnGotoSiire),
        on::Control(BN_CLICKED, IDC_KANJYO_GOTO_KESSAN, &kanjyo::OnGotoKessan),
        on::Control(BN_CLICKED, IDC_KANJYO_GOTO_SETTEI, &kanjyo::OnGotoSettei),
        on::Control(BN_CLICKED, IDC_KANJYO_EDIT_IN_JOURNAL, &kanjyo::OnEditInJournal),
        on::Control(BN_CLICKED, IDC_BOOK_RECEIVED, &kanjyo::OnClickedDirection),
        on::Control(BN_CLICKED, IDC_BOOK_PAID, &kanjyo::OnClickedDirection),
        on::Control(LBN_SETFOCUS, IDC_KANJYO_CLASS, &kanjyo::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, IDC_KANJYO_OPENING, &kanjyo::OnSetfocusImeOff),
        on::Control(LBN_SELCHANGE, IDC_KANJYO_ASSETS, &kanjyo::OnSelchangeAssets),
        on::Control(LBN_SELCHANGE, IDC_KANJYO_LIABILITIES, &kanjyo::OnSelchangeLiabilities),
        on::Control(LBN_SELCHANGE, IDC_KANJYO_REVENUE, &kanjyo::OnSelchangeRevenue),
        on::Control(LBN_SELCHANGE, IDC_KANJYO_EXPENSES, &kanjyo::OnSelchangeExpenses),
        on::Control(LBN_SELCHANGE, IDC_KANJYO_DESCRIPTIONS, &kanjyo::OnSelchangeDescription),
        on::Control(LBN_SELCHANGE, IDC_KANJYO_LEDGER, &kanjyo::OnSelchangeLedger));
    return &map;
}

kanjyo::kanjyo()
    : CLedgerBookView(IDD_KANJYO, {kBookGeneralLedger, BookMenuRole::GeneralLedger}, kControls, 1, "総勘定元帳",
                      RGB(0, 0, 255))
{
    m_nAmountWidth = 18;
}

void kanjyo::DoDataExchange(CDataExchange* pDX)
{
    CLedgerBookView::DoDataExchange(pDX);
    for (int i = 0; i < 4; ++i)
        DDX_Control(pDX, kGroupLists[i], m_lbGroups[static_cast<size_t>(i)]);
    DDX_Control(pDX, IDC_KANJYO_DESCRIPTIONS, m_lbDescriptions);
}

void kanjyo::OnInitialUpdate()
{
    CLedgerBookView::OnInitialUpdate();
    m_bPrintAll = FALSE;
    LoadAccountLists();
}

void kanjyo::OnPrepareLayout(int rowHeight)
{
    CLedgerBookView::OnPrepareLayout(rowHeight);
    const int h = rowHeight;
    if (h > 0) {
        for (CListBox& list : m_lbGroups)
            list.SetItemHeight(0, static_cast<UINT>(h - h / 5));
        m_lbDescriptions.SetItemHeight(0, static_cast<UINT>(h - h / 5));
    }
}

std::vector<int> kanjyo::DrawnItems() const
{
    // The prompt, the headings and the notes around the lists only show what the book sets.
    std::vector<int> ids = CLedgerBookView::DrawnItems();
    ids.insert(ids.end(), {IDC_KANJYO_PROMPT, IDC_KANJYO_ACCOUNT, IDC_KANJYO_DESCRIPTION_CAPTION, IDC_KANJYO_NOTE,
                           IDC_KANJYO_OPENING_LABEL});
    return ids;
}

std::vector<GroupFrame> kanjyo::GroupFrames() const
{
    std::vector<GroupFrame> frames;
    for (int group = 0; group < 4; ++group)
        frames.push_back({kGroupBoxes[group], group == m_nAccountGroup ? RGB(128, 128, 255) : RGB(192, 192, 255)});
    frames.push_back({IDC_KANJYO_LEDGER_GROUP, RGB(192, 255, 192)});
    frames.push_back({IDC_KANJYO_DETAIL_GROUP, RGB(64, 255, 64)});
    frames.push_back({IDC_KANJYO_ACCOUNT_GROUP, RGB(128, 255, 128)});
    return frames;
}

void kanjyo::ShowPrompt()
{
    ShowItem(IDC_KANJYO_PROMPT, true);
    m_lbDescriptions.ResetContent();
    EnableItem(IDC_KANJYO_OPENING, false);
    EnableItem(IDC_KANJYO_OPENING_LABEL, false);
    SetDlgItemText(IDC_KANJYO_NOTE, "");
}

void kanjyo::LoadAccountLists()
{
    CMyDoc* document = GetDocument();
    m_groups = GatherAccountGroups(document->m_arrJournal);
    for (int group = 0; group < 4; ++group)
        FillList(m_lbGroups[static_cast<size_t>(group)], m_groups[static_cast<size_t>(group)]);
    m_lbLedger.ResetContent();
    m_ledger = Ledger();
    m_strWholeLedgerAccount.Empty();
    m_nAccountGroup = kGroupNone;
    m_nAccountIndex = -1;
    m_strAccount = document->m_strCurAccount;
    // The general ledger comes back to its account only when the current entry is one of its entries.
    if (m_strAccount.IsEmpty() || !EntryNamesAccount(document->m_arrJournal, m_nInitEntry, m_strAccount)) {
        ShowPrompt();
        return;
    }
    const GroupPick pick = FindAccountInGroups(m_groups, m_strAccount);
    if (pick.group == kGroupNone) {
        ShowPrompt();
        return;
    }
    m_nAccountGroup = pick.group;
    m_nAccountIndex = pick.index;
    BuildLedger(m_nAccountGroup);
}

int kanjyo::FindDescription(const CString& filter) const
{
    for (int i = 0; i < m_lbDescriptions.GetCount(); ++i) {
        CString item;
        m_lbDescriptions.GetText(i, item);
        if (item == filter)
            return i;
    }
    return -1;
}

void kanjyo::BuildLedger(int nGroup)
{
    CMyDoc* document = GetDocument();
    m_nInitEntry = document->m_nCurEntry;
    const bool credit = GroupHasCreditBalance(nGroup);
    if (m_strWholeLedgerAccount.IsEmpty() || m_strWholeLedgerAccount != m_strAccount || m_bWholeLedgerCredit != credit) {
        LedgerOptions options;
        options.account = m_strAccount;
        options.creditBalance = credit;
        m_ledger = ::BuildLedger(document->m_arrJournal, options);
        m_descriptions = m_ledger.descriptions;
        FillLedgerList();
        FillDescriptionList(m_lbDescriptions, m_descriptions);
        m_strWholeLedgerAccount = m_strAccount;
        m_bWholeLedgerCredit = credit;
    } else {
        // The lists stay; they are put back as a new fill leaves them.
        m_lbLedger.SetTopIndex(0);
        m_lbDescriptions.SetCurSel(0);
        m_lbDescriptions.SetTopIndex(0);
    }

    m_strDescFilter.Empty();
    DrawTotals();
    ShowItem(IDC_KANJYO_PROMPT, false);
    SetDlgItemText(IDC_KANJYO_ACCOUNT, "【 " + m_strAccount + " 】");
    ShowItem(IDC_KANJYO_DESCRIPTION_CAPTION, true);
    ShowItem(IDC_KANJYO_ACCOUNT, true);
    m_lbDescriptions.ShowWindow(SW_SHOW);
    SetDlgItemText(IDC_KANJYO_LEDGER_GROUP, " 【 " + m_strAccount + " 】 ");
    SetDlgItemText(IDC_KANJYO_NOTE, "");

    EnableItem(IDC_KANJYO_OPENING_LABEL, true);
    if (nGroup == kGroupRevenue || nGroup == kGroupExpenses) {
        SetDlgItemText(IDC_KANJYO_OPENING, "");
        SetDlgItemText(IDC_KANJYO_OPENING_LABEL, "");
    } else if (KindOfAccount(m_strAccount) == AccountKind::NoCarryForward) {
        SetDlgItemText(IDC_KANJYO_OPENING, "");
        EnableItem(IDC_KANJYO_OPENING, false);
        SetDlgItemText(IDC_KANJYO_OPENING_LABEL, "[ " + m_strAccount + " ]は前年度からの繰越をしません");
    } else {
        SetDlgItemText(IDC_KANJYO_OPENING,
                       m_ledger.openingMet ? FormatAmount(m_ledger.openingSum, 26) : CString("未設定"));
        EnableItem(IDC_KANJYO_OPENING, true);
        SetDlgItemText(IDC_KANJYO_OPENING_LABEL, "[ " + m_strAccount + " ]の期首残高 →");
    }

    // The filter kept in the document, cut to the list's width; one the list does
    // not hold falls back to every line.
    const CString kept = CutFilter(document->m_strFilter, 16);
    if (!kept.IsEmpty() && FindDescription(kept) >= 0) {
        m_strDescFilter = kept;
        BuildFilteredLedger(nGroup);
    } else {
        int line = FirstLineOfEntry(m_ledger.lines, m_nInitEntry);
        if (line < 0 && !m_ledger.lines.empty())
            line = 0;
        ShowEntryDetail(line);
        SelectLedgerLine(line);
        if (nGroup >= 0 && nGroup < 4)
            m_lbGroups[static_cast<size_t>(nGroup)].SetCurSel(m_nAccountIndex);
    }
    m_nAccountIndex = -1;
}

void kanjyo::BuildFilteredLedger(int nGroup)
{
    CMyDoc* document = GetDocument();
    LedgerOptions options;
    options.account = m_strAccount;
    options.creditBalance = GroupHasCreditBalance(nGroup);
    options.filtered = true;
    options.filter = m_strDescFilter;
    m_ledger = ::BuildLedger(document->m_arrJournal, options);
    m_strWholeLedgerAccount.Empty();
    m_ledger.descriptions = m_descriptions;
    FillLedgerList();

    const bool all = m_strDescFilter == kAllDescriptions;
    const bool noOpening = !all && !FilterIsOpeningDescription(m_ledger, m_strDescFilter);
    SetDlgItemText(IDC_KANJYO_LEDGER_GROUP, all ? " 【 " + m_strAccount + " 】 "
                                     : " 【 " + m_strAccount + " 】 " + "摘要 [ " + m_strDescFilter + " ]");
    const CString named = all ? "[ " + m_strAccount + " ]" : "[ " + m_strAccount + " " + m_strDescFilter + " ]";
    const AccountKind kind = KindOfAccount(m_strAccount);
    SetDlgItemText(IDC_KANJYO_NOTE, "");
    if (nGroup == kGroupRevenue || nGroup == kGroupExpenses) {
        SetDlgItemText(IDC_KANJYO_OPENING, "");
        EnableItem(IDC_KANJYO_OPENING, true);
        EnableItem(IDC_KANJYO_OPENING_LABEL, false);
    } else if (kind == AccountKind::NoCarryForward) {
        SetDlgItemText(IDC_KANJYO_OPENING, "");
        EnableItem(IDC_KANJYO_OPENING, false);
        SetDlgItemText(IDC_KANJYO_OPENING_LABEL, named + "は前年度からの繰越をしません");
        EnableItem(IDC_KANJYO_OPENING_LABEL, true);
    } else if (kind == AccountKind::Stock && !all) {
        SetDlgItemText(IDC_KANJYO_OPENING, "");
        EnableItem(IDC_KANJYO_OPENING, false);
        SetDlgItemText(IDC_KANJYO_OPENING_LABEL, "");
        EnableItem(IDC_KANJYO_OPENING_LABEL, false);
    } else {
        if (noOpening) {
            SetDlgItemText(IDC_KANJYO_NOTE, kNegativeNote);
            SetDlgItemText(IDC_KANJYO_OPENING, "未設定　");
        } else {
            SetDlgItemText(IDC_KANJYO_OPENING, FormatAmount(m_ledger.openingSum, 26) + " ");
        }
        EnableItem(IDC_KANJYO_OPENING, true);
        SetDlgItemText(IDC_KANJYO_OPENING_LABEL, named + "の期首残高 →");
        EnableItem(IDC_KANJYO_OPENING_LABEL, true);
    }
    DrawTotals();

    const int line = FirstLineOfEntry(m_ledger.lines, m_nInitEntry);
    const int item = FindDescription(m_strDescFilter);
    if (line >= 0 && m_nAccountIndex != -1) {
        SelectLedgerLine(line);
        if (nGroup >= 0 && nGroup < 4)
            m_lbGroups[static_cast<size_t>(nGroup)].SetCurSel(m_nAccountIndex);
        m_lbDescriptions.SetCurSel(item);
        ShowEntryDetail(line);
    } else {
        const int first = m_ledger.lines.empty() ? -1 : 0;
        SelectLedgerLine(first);
        m_lbDescriptions.SetCurSel(item);
        ShowEntryDetail(first);
    }
    m_nAccountIndex = -1;
}

void kanjyo::OnSelchangeAccount(int nGroup)
{
    // The lines, their selection and the scroll bar change together and are drawn once.
    const CStripeListBox::Batch batch(m_lbLedger);
    CListBox& list = m_lbGroups[static_cast<size_t>(nGroup)];
    const int item = list.GetCurSel();
    if (item < 0)
        return;
    CMyDoc* document = GetDocument();
    m_nAccountGroup = nGroup;
    document->m_strFilter.Empty();
    m_strDescFilter.Empty();
    m_nAccountIndex = item;
    CString name;
    list.GetText(item, name);
    document->m_strCurAccount = name;
    m_strAccount = name;
    BuildLedger(nGroup);
    for (int other = 0; other < 4; ++other)
        if (other != nGroup)
            m_lbGroups[static_cast<size_t>(other)].SetCurSel(-1);
    DrawListHighlight(m_nAccountRow);
    DrawGroupTitles();
}

void kanjyo::OnSelchangeDescription()
{
    // The lines, their selection and the scroll bar change together and are drawn once.
    const CStripeListBox::Batch batch(m_lbLedger);
    const int item = m_lbDescriptions.GetCurSel();
    if (item < 0 || m_nAccountGroup == kGroupNone)
        return;
    m_lbDescriptions.GetText(item, m_strDescFilter);
    GetDocument()->m_strFilter = m_strDescFilter;
    BuildFilteredLedger(m_nAccountGroup);
    SelectLedgerLine(m_ledger.lines.empty() ? -1 : 0);
    DrawListHighlight(m_nAccountRow);
}

void kanjyo::DrawGroupTitles()
{
    m_nScrollX = 0;
    m_nScrollY = 0;
    {
        CClientDC dc(this);
        for (int group = 0; group < 4; ++group)
            DrawGroupFrame(&dc, kGroupBoxes[group], group == m_nAccountGroup ? RGB(128, 128, 255) : RGB(192, 192, 255));
    }
    for (int group = 0; group < 4; ++group)
        SetDlgItemText(kGroupBoxes[group], kGroupCaptions[group]);
}

BOOL kanjyo::PreparePrintJob()
{
    CMyDoc* document = GetDocument();
    if (document->m_arrJournal.GetSize() == 0)
        return FALSE;
    if (!m_bPrintAll) {
        if (!CLedgerBookView::PreparePrintJob())
            return FALSE;
        m_printJob.group = m_nAccountGroup == kGroupNone ? kGroupAssets : m_nAccountGroup;
        m_printJob.filterWarning = FilterIsOpeningDescription(m_ledger, m_strDescFilter);
        return TRUE;
    }
    // Every account of the four lists; the view's own filter is left as it is.
    m_printJob = PrintJob();
    m_printJob.allAccounts = true;
    m_printJob.journal = &document->m_arrJournal;
    m_printJob.year = FiscalYearOf(document->m_arrJournal);
    m_printJob.allLines = BuildAllAccountsLines(m_groups, document->m_arrJournal);
    if (m_printJob.allLines.empty()) {
        AfxMessageBox(kChooseAccount, MB_OK);
        return FALSE;
    }
    m_printJob.pages = PaginateAllAccounts(m_printJob.allLines, document->m_arrJournal);
    return TRUE;
}

void kanjyo::OnPrintAll()
{
    m_bPrintAll = TRUE;
    OnFilePrint();
    // The print has ended (or never began) when the command returns.
    m_bPrintAll = FALSE;
}

void kanjyo::OnPrintAllPreview()
{
    m_bPrintAll = TRUE;
    OnFilePrintPreview();
}

void kanjyo::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    m_bPrintAll = FALSE;
    CLedgerBookView::OnEndPrinting(pDC, pInfo);
}

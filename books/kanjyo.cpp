#include "kanjyo.h"

#include "../core/amount_format.h"
#include "../core/fiscal_year.h"
#include "../framework/win/message_box.h"
#include "../resources/resource.h"

namespace {

constexpr int kGroupLists[4] = {1021, 1008, 1009, 1013};
constexpr int kGroupBoxes[4] = {1104, 1105, 1106, 1107};
const char* const kGroupCaptions[4] = {"資産 の 部", "負債 資本 の 部", "収益 の 部", "費用 の 部"};
constexpr int kDescriptionList = 1063;
constexpr int kPrompt = 1071;
constexpr int kAccountStatic = 1067;
constexpr int kDescriptionCaption = 1066;
constexpr int kNote = 1138;
constexpr int kOpeningLabel = 1068;
constexpr int kOpeningField = 1024;
constexpr int kLedgerFrame = 1050;

const BookControls kControls = {
    1001, 1114, 1016, {1041, 1043, 1046}, {1040, 1086, 1045}, 1051, {1044, 1048, 1049}, {1085, 1084, 1027},
    1118, 1119, 1089, 1090, 1091, 1132, {1175, 1002, 1006, 1176, 1007},
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
        on::Control(BN_CLICKED, 1022, &kanjyo::OnGotoSiwake),
        on::Control(BN_CLICKED, 1011, &kanjyo::OnGotoKinsen),
        on::Control(BN_CLICKED, 1030, &kanjyo::OnGotoKeihi),
        on::Control(BN_CLICKED, 1012, &kanjyo::OnGotoUriage),
        on::Control(BN_CLICKED, 1047, &kanjyo::OnGotoSiire),
        on::Control(BN_CLICKED, 1023, &kanjyo::OnGotoKessan),
        on::Control(BN_CLICKED, 1031, &kanjyo::OnGotoSettei),
        on::Control(BN_CLICKED, 1000, &kanjyo::OnEditInJournal),
        on::Control(BN_CLICKED, 1035, &kanjyo::OnClickedDirection),
        on::Control(BN_CLICKED, 1037, &kanjyo::OnClickedDirection),
        on::Control(EN_SETFOCUS, 1114, &kanjyo::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1041, &kanjyo::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1043, &kanjyo::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1046, &kanjyo::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1040, &kanjyo::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1086, &kanjyo::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1045, &kanjyo::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1044, &kanjyo::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1048, &kanjyo::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1049, &kanjyo::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1085, &kanjyo::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1084, &kanjyo::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1027, &kanjyo::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1089, &kanjyo::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1090, &kanjyo::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1091, &kanjyo::OnSetfocusReadOnly),
        on::Control(LBN_SETFOCUS, 1016, &kanjyo::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, 1024, &kanjyo::OnSetfocusImeOff),
        on::Control(LBN_SELCHANGE, 1021, &kanjyo::OnSelchangeAssets),
        on::Control(LBN_SELCHANGE, 1008, &kanjyo::OnSelchangeLiabilities),
        on::Control(LBN_SELCHANGE, 1009, &kanjyo::OnSelchangeRevenue),
        on::Control(LBN_SELCHANGE, 1013, &kanjyo::OnSelchangeExpenses),
        on::Control(LBN_SELCHANGE, 1063, &kanjyo::OnSelchangeDescription),
        on::Control(LBN_SELCHANGE, 1001, &kanjyo::OnSelchangeLedger));
    return &map;
}

kanjyo::kanjyo() : CLedgerBookView(IDD_KANJYO, kControls, 1, "総勘定元帳", RGB(0, 0, 255))
{
    m_nAmountWidth = 18;
}

void kanjyo::DoDataExchange(CDataExchange* pDX)
{
    CLedgerBookView::DoDataExchange(pDX);
    for (int i = 0; i < 4; ++i)
        DDX_Control(pDX, kGroupLists[i], m_lbGroups[static_cast<size_t>(i)]);
    DDX_Control(pDX, kDescriptionList, m_lbDescriptions);
}

void kanjyo::OnInitialUpdate()
{
    CLedgerBookView::OnInitialUpdate();
    m_bPrintAll = FALSE;
    const int h = GetDocument()->m_nRowHeight;
    if (h > 0) {
        for (CListBox& list : m_lbGroups)
            list.SetItemHeight(0, static_cast<UINT>(h - h / 5));
        m_lbDescriptions.SetItemHeight(0, static_cast<UINT>(h - h / 5));
    }
    LoadAccountLists();
}

std::vector<GroupFrame> kanjyo::GroupFrames() const
{
    std::vector<GroupFrame> frames;
    for (int group = 0; group < 4; ++group)
        frames.push_back({kGroupBoxes[group], group == m_nAccountGroup ? RGB(128, 128, 255) : RGB(192, 192, 255)});
    frames.push_back({kLedgerFrame, RGB(192, 255, 192)});
    frames.push_back({1132, RGB(64, 255, 64)});
    frames.push_back({1108, RGB(128, 255, 128)});
    return frames;
}

void kanjyo::ShowPrompt()
{
    GetDlgItem(kPrompt)->ShowWindow(SW_SHOW);
    m_lbDescriptions.ResetContent();
    GetDlgItem(kOpeningField)->EnableWindow(FALSE);
    GetDlgItem(kOpeningLabel)->EnableWindow(FALSE);
    SetDlgItemText(kNote, "");
}

void kanjyo::LoadAccountLists()
{
    CMyDoc* document = GetDocument();
    m_groups = GatherAccountGroups(document->m_arrJournal);
    for (int group = 0; group < 4; ++group)
        FillList(m_lbGroups[static_cast<size_t>(group)], m_groups[static_cast<size_t>(group)]);
    m_lbLedger.ResetContent();
    m_ledger = Ledger();
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
    LedgerOptions options;
    options.account = m_strAccount;
    options.creditBalance = GroupHasCreditBalance(nGroup);
    m_ledger = ::BuildLedger(document->m_arrJournal, options);
    m_descriptions = m_ledger.descriptions;
    FillLedgerList();

    FillDescriptionList(m_lbDescriptions, m_descriptions);

    m_strDescFilter.Empty();
    DrawTotals();
    GetDlgItem(kPrompt)->ShowWindow(SW_HIDE);
    SetDlgItemText(kAccountStatic, "【 " + m_strAccount + " 】");
    GetDlgItem(kDescriptionCaption)->ShowWindow(SW_SHOW);
    GetDlgItem(kAccountStatic)->ShowWindow(SW_SHOW);
    m_lbDescriptions.ShowWindow(SW_SHOW);
    SetDlgItemText(kLedgerFrame, " 【 " + m_strAccount + " 】 ");
    SetDlgItemText(kNote, "");

    CWnd* field = GetDlgItem(kOpeningField);
    CWnd* label = GetDlgItem(kOpeningLabel);
    label->EnableWindow(TRUE);
    if (nGroup == kGroupRevenue || nGroup == kGroupExpenses) {
        SetDlgItemText(kOpeningField, "");
        SetDlgItemText(kOpeningLabel, "");
    } else if (KindOfAccount(m_strAccount) == AccountKind::NoCarryForward) {
        SetDlgItemText(kOpeningField, "");
        field->EnableWindow(FALSE);
        SetDlgItemText(kOpeningLabel, "[ " + m_strAccount + " ]は前年度からの繰越をしません");
    } else {
        SetDlgItemText(kOpeningField, m_ledger.openingMet ? FormatAmount(m_ledger.openingSum, 26) : CString("未設定"));
        field->EnableWindow(TRUE);
        SetDlgItemText(kOpeningLabel, "[ " + m_strAccount + " ]の期首残高 →");
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
    m_ledger.descriptions = m_descriptions;
    FillLedgerList();

    const bool all = m_strDescFilter == kAllDescriptions;
    const bool noOpening = !all && !FilterIsOpeningDescription(m_ledger, m_strDescFilter);
    SetDlgItemText(kLedgerFrame, all ? " 【 " + m_strAccount + " 】 "
                                     : " 【 " + m_strAccount + " 】 " + "摘要 [ " + m_strDescFilter + " ]");
    const CString named = all ? "[ " + m_strAccount + " ]" : "[ " + m_strAccount + " " + m_strDescFilter + " ]";
    CWnd* field = GetDlgItem(kOpeningField);
    CWnd* label = GetDlgItem(kOpeningLabel);
    const AccountKind kind = KindOfAccount(m_strAccount);
    SetDlgItemText(kNote, "");
    if (nGroup == kGroupRevenue || nGroup == kGroupExpenses) {
        SetDlgItemText(kOpeningField, "");
        field->EnableWindow(TRUE);
        label->EnableWindow(FALSE);
    } else if (kind == AccountKind::NoCarryForward) {
        SetDlgItemText(kOpeningField, "");
        field->EnableWindow(FALSE);
        SetDlgItemText(kOpeningLabel, named + "は前年度からの繰越をしません");
        label->EnableWindow(TRUE);
    } else if (kind == AccountKind::Stock && !all) {
        SetDlgItemText(kOpeningField, "");
        field->EnableWindow(FALSE);
        SetDlgItemText(kOpeningLabel, "");
        label->EnableWindow(FALSE);
    } else {
        if (noOpening) {
            SetDlgItemText(kNote, kNegativeNote);
            SetDlgItemText(kOpeningField, "未設定　");
        } else {
            SetDlgItemText(kOpeningField, FormatAmount(m_ledger.openingSum, 26) + " ");
        }
        field->EnableWindow(TRUE);
        SetDlgItemText(kOpeningLabel, named + "の期首残高 →");
        label->EnableWindow(TRUE);
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

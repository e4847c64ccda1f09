#include "torihikisaki_dlg.h"

#include "../../core/dictionary_tree.h"
#include "../../core/win/form_painting.h"
#include "../../core/win/help_pages.h"
#include "../../core/win/my_doc.h"
#include "../../framework/win/data_exchange.h"
#include "../../framework/win/dc.h"
#include "../../framework/win/message_box.h"
#include "../../framework/win/win_app.h"
#include "../../resources/resource.h"

namespace {

struct KindTexts {
    const char* caption;
    const char* label;
    const char* explanation;
};

const KindTexts kKinds[] = {
    {"仕入先", "仕入先名",
     "  仕入先名を、関係する科目(仕入,買掛金,支払手形)の「摘要項目」に一括して辞書登録します。【X】閉じる"},
    {"売上先", "売上先名",
     "  売上先名を、関係する科目(売上,売掛金,受取手形)の「摘要項目」に一括して辞書登録します。【X】閉じる"},
    {"取引銀行", "取引銀行名",
     "  取引銀行を、関係する科目(普通預金,当座預金,定期預金)の「摘要」に一括して登録します。　【X】閉じる"},
};

const int kKindButtonIds[] = {IDC_PARTNERS_SUPPLIERS, IDC_PARTNERS_CUSTOMERS, IDC_PARTNERS_BANKS};

}  // namespace

const MessageMap* CTorihikisakiDlg::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CTorihikisakiDlg>(
        on::Control(BN_CLICKED, IDC_PARTNERS_ADD, &CTorihikisakiDlg::OnAdd),
        on::Control(BN_CLICKED, IDC_PARTNERS_CHANGE, &CTorihikisakiDlg::OnChange),
        on::Control(BN_CLICKED, IDC_PARTNERS_DELETE, &CTorihikisakiDlg::OnDelete),
        on::Control(BN_CLICKED, IDC_PARTNERS_INSERT, &CTorihikisakiDlg::OnInsert),
        on::Control(LBN_SELCHANGE, IDC_PARTNERS_LIST, &CTorihikisakiDlg::OnSelchangePartnerList),
        on::Control(BN_CLICKED, IDC_PARTNERS_SUPPLIERS, &CTorihikisakiDlg::OnSupplier),
        on::Control(BN_CLICKED, IDC_PARTNERS_CUSTOMERS, &CTorihikisakiDlg::OnCustomer),
        on::Control(BN_CLICKED, IDC_PARTNERS_BANKS, &CTorihikisakiDlg::OnBank),
        on::Paint(&CTorihikisakiDlg::OnPaint),
        on::Control(BN_CLICKED, IDC_PARTNERS_EXPLAIN, &CTorihikisakiDlg::OnExplain),
        on::Control(STN_CLICKED, IDC_PARTNERS_EXPLANATION, &CTorihikisakiDlg::OnClickedExplanation));
    return &map;
}

CTorihikisakiDlg::CTorihikisakiDlg(CWnd* pParent) : CInputAidDlg(IDD_PARTNERS, pParent) {}

CString CTorihikisakiDlg::HelpPage() const
{
    return HelpPages::kPartners;
}

PartnerList& CTorihikisakiDlg::Partners()
{
    return m_pDoc ? m_pDoc->m_arrPartners : m_noPartners;
}

CButton* CTorihikisakiDlg::KindButton(int kind)
{
    switch (kind) {
    case CTorihikisaki::kSupplier:
        return &m_btnSupplier;
    case CTorihikisaki::kCustomer:
        return &m_btnCustomer;
    case CTorihikisaki::kBank:
        return &m_btnBank;
    default:
        return nullptr;
    }
}

void CTorihikisakiDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PARTNERS_EDIT_GROUP, m_grpEdit);
    DDX_Control(pDX, IDC_PARTNERS_EXPLANATION, m_stExplain);
    DDX_Control(pDX, IDC_PARTNERS_NAME, m_editName);
    DDX_Control(pDX, IDC_PARTNERS_BANKS, m_btnBank);
    DDX_Control(pDX, IDC_PARTNERS_CUSTOMERS, m_btnCustomer);
    DDX_Control(pDX, IDC_PARTNERS_SUPPLIERS, m_btnSupplier);
    DDX_Control(pDX, IDC_PARTNERS_LIST, m_listPartners);
    DDX_Text(pDX, IDC_PARTNERS_NAME, m_strEditName);
}

BOOL CTorihikisakiDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_pDoc = GetActiveDoc();
    const int h = m_pDoc ? m_pDoc->m_nRowHeight : 0;
    if (h > 0)
        m_listPartners.SetItemHeight(0, static_cast<UINT>(h - h / 5));
    m_editName.LimitText(16);
    if (m_pDoc) {
        // The partners are those of the dictionary completed with what the
        // journal uses; the working dictionary stays filled for this run.
        CarryForwardSlots slots;
        BuildWorkDictionary(m_pDoc->m_arrDictionary, m_pDoc->m_arrJournal, m_pDoc->m_arrWorkDict, slots);
        CollectPartners(m_pDoc->m_arrWorkDict, m_pDoc->m_arrPartners);
    }
    ShowKind(CTorihikisaki::kSupplier);
    return TRUE;
}

void CTorihikisakiDlg::FillPartnerList(int kind)
{
    m_listPartners.SendMessage(WM_SETREDRAW, FALSE);
    m_listPartners.ResetContent();
    for (const CString& name : PartnerNames(Partners(), kind))
        m_listPartners.AddString(name);
    m_listPartners.SendMessage(WM_SETREDRAW, TRUE);
    m_listPartners.Invalidate();
}

void CTorihikisakiDlg::ShowKind(int kind)
{
    CWaitCursor wait;
    FillPartnerList(kind);
    if (CButton* previous = KindButton(m_nKind))
        previous->ShowWindow(SW_SHOW);
    m_nKind = kind;
    KindButton(kind)->ShowWindow(SW_HIDE);
    SetDlgItemText(IDC_PARTNERS_KIND_LABEL, kKinds[kind].label);
    m_strEditName.Empty();
    m_editName.SetWindowText("");
    m_stExplain.SetWindowText(kKinds[kind].explanation);
    Invalidate(TRUE);
}

int CTorihikisakiDlg::SelectedLine()
{
    const int line = m_listPartners.GetCurSel();
    if (line < 0)
        AfxMessageBox("リスト名を選択して下さい。", MB_OK);
    return line;
}

void CTorihikisakiDlg::OnAdd()
{
    if (!UpdateData(TRUE))
        return;
    if (!AddPartnerName(Partners(), m_nKind, m_strEditName))
        return;
    m_listPartners.AddString(m_strEditName);
    m_strEditName.Empty();
    UpdateData(FALSE);
}

void CTorihikisakiDlg::OnInsert()
{
    if (!UpdateData(TRUE))
        return;
    const int line = SelectedLine();
    if (line < 0)
        return;
    // An empty name would become an empty description under every account of
    // its kind: it is ignored, as "追加" ignores it.
    if (InsertPartnerName(Partners(), m_nKind, line, m_strEditName))
        m_listPartners.InsertString(line, m_strEditName);
}

void CTorihikisakiDlg::OnChange()
{
    if (!UpdateData(TRUE))
        return;
    const int line = SelectedLine();
    if (line < 0)
        return;
    if (!ChangePartnerName(Partners(), m_nKind, line, m_strEditName))
        return;
    m_listPartners.DeleteString(static_cast<UINT>(line));
    m_listPartners.InsertString(line, m_strEditName);
    m_listPartners.SetCurSel(line);
}

void CTorihikisakiDlg::OnDelete()
{
    const int line = SelectedLine();
    if (line < 0)
        return;
    if (!DeletePartnerLine(Partners(), m_nKind, line))
        return;
    m_listPartners.DeleteString(static_cast<UINT>(line));
    m_strEditName.Empty();
    m_editName.SetWindowText("");
}

void CTorihikisakiDlg::OnSelchangePartnerList()
{
    const int line = m_listPartners.GetCurSel();
    if (line < 0)
        return;
    m_listPartners.GetText(line, m_strEditName);
    m_editName.SetWindowText(m_strEditName);
}

void CTorihikisakiDlg::OnExplain()
{
    m_stExplain.ShowWindow(SW_SHOW);
    if (CWnd* button = GetDlgItem(IDC_PARTNERS_EXPLAIN))
        button->ShowWindow(SW_HIDE);
}

void CTorihikisakiDlg::OnClickedExplanation()
{
    m_stExplain.ShowWindow(SW_HIDE);
    if (CWnd* button = GetDlgItem(IDC_PARTNERS_EXPLAIN))
        button->ShowWindow(SW_SHOW);
}

void CTorihikisakiDlg::OnPaint()
{
    CPaintDC dc(this);
    if (m_nKind < 0)
        return;
    DrawKindTab(&dc, m_nKind, ControlRect(kKindButtonIds[m_nKind]), kKinds[m_nKind].caption);
}

void CTorihikisakiDlg::DrawKindTab(CDC* pDC, int, const CRect& r, const CString& caption)
{
    const CRect p = ControlRect(IDC_PARTNERS_EXPLANATION);
    const CRect g = ControlRect(IDC_PARTNERS_EDIT_GROUP);
    CRect tab(r.left - 6, r.top, r.right + 6, r.bottom + 8);
    pDC->DrawEdge(&tab, EDGE_RAISED, BF_RECT);
    CRect panel(p.left - 6, r.bottom + 8, p.right + 6, g.bottom + 14);
    pDC->DrawEdge(&panel, EDGE_RAISED, BF_RECT);
    // Opens the panel's top edge under the tab.
    FillPanel(pDC, r.left - 5, r.bottom + 6, r.right + 5, r.bottom + 10, m_crBack);

    const int fontSize = m_pDoc ? m_pDoc->m_nFontSize : 12;
    CFont font;
    font.CreatePointFont(fontSize * 11, "ＭＳ ゴシック", pDC);
    CFont* previous = pDC->SelectObject(&font);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(m_crText);
    CRect text = r;
    pDC->DrawText(caption, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SelectObject(previous);
    // A light red bar along the top of the tab.
    FillPanel(pDC, r.left - 1, r.top - 3, r.right + 1, r.top + 1, RGB(255, 128, 128));
}

int RunPartnerDialog()
{
    CTorihikisakiDlg dialog(nullptr);
    return static_cast<int>(dialog.DoModal());
}

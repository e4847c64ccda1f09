#include "kishu_zandaka_dlg.h"

#include "../opening_carry.h"

#include "../../core/column_text.h"
#include "../../core/win/help_pages.h"
#include "../../core/record_file.h"
#include "../../framework/win/data_exchange.h"
#include "../../framework/win/dc.h"
#include "../../framework/win/message_box.h"
#include "../../framework/win/win_app.h"
#include "../../resources/resource.h"

namespace {

const int kDetailControls[] = {IDC_OPENING_DETAIL_SETTINGS, IDC_OPENING_DETAILS, IDC_OPENING_DETAIL_NAME_HEADING,
                               IDC_OPENING_DETAIL_BALANCE_HEADING, IDC_OPENING_DETAIL_NOTE};

}  // namespace

const MessageMap* CKishuZandakaDlg::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CKishuZandakaDlg>(
        on::Control(LBN_SELCHANGE, IDC_OPENING_ASSETS, &CKishuZandakaDlg::OnSelchangeAssetList),
        on::Control(LBN_SELCHANGE, IDC_OPENING_LIABILITIES, &CKishuZandakaDlg::OnSelchangeLiabilityList),
        on::Control(BN_CLICKED, IDC_OPENING_SET, &CKishuZandakaDlg::OnSetBalance),
        on::Control(EN_SETFOCUS, IDC_OPENING_NAME, &CKishuZandakaDlg::OnSetfocusAccountName),
        on::Control(EN_SETFOCUS, IDC_OPENING_AMOUNT, &CKishuZandakaDlg::OnSetfocusImeOff),
        on::Control(LBN_SELCHANGE, IDC_OPENING_DETAILS, &CKishuZandakaDlg::OnSelchangeDetailList),
        on::Control(BN_CLICKED, IDC_OPENING_DETAIL_SETTINGS, &CKishuZandakaDlg::OnDetailSettings),
        on::Control(BN_CLICKED, IDC_OPENING_DELETE, &CKishuZandakaDlg::OnDeleteBalance),
        on::Control(BN_CLICKED, IDC_OPENING_CARRY_FORWARD, &CKishuZandakaDlg::OnCarryForward));
    return &map;
}

CKishuZandakaDlg::CKishuZandakaDlg(BalanceRows& rows, CWnd* pParent)
    : CInputAidDlg(IDD_KISHU_ZANDAKA, pParent), m_rows(rows), m_editor(rows)
{
}

CString CKishuZandakaDlg::HelpPage() const
{
    return HelpPages::kOpening;
}

void CKishuZandakaDlg::DoDataExchange(CDataExchange* pDX)
{
    CInputAidDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OPENING_DETAILS, m_listDetail);
    DDX_Control(pDX, IDC_OPENING_LIABILITIES, m_listLiabilities);
    DDX_Control(pDX, IDC_OPENING_ASSETS, m_listAssets);
}

BOOL CKishuZandakaDlg::OnInitDialog()
{
    CInputAidDlg::OnInitDialog();
    CWaitCursor wait;
    m_edBalance.SubclassDlgItem(IDC_OPENING_AMOUNT, this);
    m_pDoc = GetActiveDoc();
    const int h = m_pDoc ? m_pDoc->m_nRowHeight : 0;
    if (h > 0) {
        for (CListBox* list : {&m_listAssets, &m_listLiabilities, &m_listDetail})
            list->SetItemHeight(0, static_cast<UINT>(h - h / 5));
    }
    ShowDetailControls(false);
    if (m_pDoc) {
        const std::vector<CString> duplicates =
            PrepareBalanceRows(m_pDoc->m_arrDictionary, m_pDoc->m_arrJournal, m_rows);
        for (const CString& message : duplicates)
            AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    }
    m_editor.RowsRebuilt();
    FillAccountLists();
    return TRUE;
}

void CKishuZandakaDlg::FillList(CListBox& list, const std::vector<int>& rows)
{
    // Lines go in at the end, in row order, whatever the sort style of the list.
    list.SendMessage(WM_SETREDRAW, FALSE);
    list.ResetContent();
    for (int row : rows) {
        const int line = list.InsertString(-1, m_editor.LineOf(row));
        list.SetItemData(line, static_cast<DWORD_PTR>(row));
    }
    list.SendMessage(WM_SETREDRAW, TRUE);
    list.Invalidate();
}

void CKishuZandakaDlg::FillAccountLists()
{
    const BalanceRows& rows = m_rows;
    FillList(m_listAssets, AccountLineRows(rows, false));
    FillList(m_listLiabilities, AccountLineRows(rows, true));
}

void CKishuZandakaDlg::RefreshLines(CListBox& list)
{
    const int selected = list.GetCurSel();
    for (int line = 0; line < list.GetCount(); ++line) {
        const int row = static_cast<int>(list.GetItemData(line));
        const CString text = m_editor.LineOf(row);
        CString shown;
        list.GetText(line, shown);
        if (shown == text)
            continue;
        list.DeleteString(static_cast<UINT>(line));
        list.InsertString(line, text);
        list.SetItemData(line, static_cast<DWORD_PTR>(row));
    }
    list.SetCurSel(selected);
}

void CKishuZandakaDlg::RefreshAllLines()
{
    RefreshLines(m_listAssets);
    RefreshLines(m_listLiabilities);
    RefreshLines(m_listDetail);
}

void CKishuZandakaDlg::ShowDetailControls(bool show)
{
    for (int id : kDetailControls)
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CKishuZandakaDlg::ShowEditing(const char* title, const char* label)
{
    SetDlgItemText(IDC_OPENING_FIELD_TITLE, title);
    SetDlgItemText(IDC_OPENING_NAME_LABEL, label);
    SetDlgItemText(IDC_OPENING_NAME, m_editor.Name());
    SetDlgItemText(IDC_OPENING_AMOUNT, m_editor.FieldText());
}

void CKishuZandakaDlg::SelectAccountLine(CListBox& list, CListBox& other)
{
    const int line = list.GetCurSel();
    if (line < 0)
        return;
    other.SetCurSel(-1);
    m_editor.SelectAccount(static_cast<int>(list.GetItemData(line)));
    ShowDetailControls(m_editor.AccountHasDetail());
    ShowEditing("科目で　一括　設定", "科目名");
    m_listDetail.ResetContent();
}

void CKishuZandakaDlg::OnDetailSettings()
{
    if (m_editor.Account().IsEmpty()) {
        AfxMessageBox("先に[資産]・[負債資本]の科目を選択してください。", MB_OK | MB_ICONINFORMATION);
        return;
    }
    const BalanceRows& rows = m_rows;
    const std::vector<int> lines = DetailLineRows(rows, FindTotalRow(rows, m_editor.Account()));
    FillList(m_listDetail, lines);
    if (lines.empty())
        return;
    m_editor.DropTarget();
    SetDlgItemText(IDC_OPENING_FIELD_TITLE, "摘要別の詳細な設定");
    SetDlgItemText(IDC_OPENING_NAME_LABEL, "摘要名");
    SetDlgItemText(IDC_OPENING_NAME, "");
    SetDlgItemText(IDC_OPENING_AMOUNT, "");
}

void CKishuZandakaDlg::OnSelchangeDetailList()
{
    const int line = m_listDetail.GetCurSel();
    if (line < 0)
        return;
    m_editor.SelectDescription(static_cast<int>(m_listDetail.GetItemData(line)));
    ShowEditing("摘要別の詳細な設定", "摘要名");
}

void CKishuZandakaDlg::OnSetBalance()
{
    CString typed;
    GetDlgItemText(IDC_OPENING_AMOUNT, typed);
    const OpeningBalanceEditor::Outcome outcome = m_editor.Set(typed);
    if (!outcome.refusal.IsEmpty()) {
        AfxMessageBox(outcome.refusal, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!m_editor.HasSelection())
        return;
    if (outcome.deletes)
        OnDeleteBalance();
    else
        RefreshAllLines();
    SetDlgItemText(IDC_OPENING_AMOUNT, outcome.field);
}

void CKishuZandakaDlg::OnDeleteBalance()
{
    if (!m_editor.HasSelection())
        return;
    if (AfxMessageBox(m_editor.DeleteQuestion(), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    const OpeningBalanceEditor::Outcome outcome = m_editor.Delete();
    if (!outcome.refusal.IsEmpty()) {
        AfxMessageBox(outcome.refusal, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    RefreshAllLines();
    SetDlgItemText(IDC_OPENING_AMOUNT, "");
}

void CKishuZandakaDlg::OnCarryForward()
{
    if (!m_pDoc || m_pDoc->CarryForwardFromPrevYear() == -1)
        return;
    // A file of another year than the one before the open journal's is carried
    // only when the user says so, and then into the open journal's year.
    const CarryYears years = YearsOfCarry(m_pDoc->m_arrPrevJournal, m_pDoc->m_arrJournal);
    const CString question = CarryYearQuestion(years);
    if (!question.IsEmpty() && AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        DeleteRecords(m_pDoc->m_arrPrevJournal);
        return;
    }
    {
        CWaitCursor wait;
        const CString year =
            CarryForwardBalances(m_pDoc->m_arrWorkDict, m_pDoc->m_arrPrevJournal, m_rows);
        if (!question.IsEmpty())
            m_strCarriedYear = IntToText(years.open);
        else if (!year.IsEmpty())
            m_strCarriedYear = year;
        m_editor.RowsRebuilt();
        FillAccountLists();
        // The detail lines named rows that are gone.
        m_listDetail.ResetContent();
        DeleteRecords(m_pDoc->m_arrPrevJournal);
    }
    AfxMessageBox("前年度会計データファイルから、今年度の期首残高が読み込まれました。", MB_OK | MB_ICONINFORMATION);
}

void CKishuZandakaDlg::OnSetfocusAccountName()
{
    if (CWnd* first = GetDlgItem(IDOK))
        first->SetFocus();
}

void CKishuZandakaDlg::OnSetfocusImeOff()
{
    SetImeOpen(::GetFocus(), FALSE);
}


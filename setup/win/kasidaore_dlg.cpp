#include "kasidaore_dlg.h"

#include "../aid_amounts.h"
#include "../inventory_entries.h"

#include "../../core/win/help_pages.h"
#include "../../core/win/my_doc.h"
#include "../../framework/win/data_exchange.h"
#include "../../framework/win/message_box.h"
#include "../../framework/win/win_app.h"
#include "../../resources/resource.h"

const MessageMap* CKasidaoreDlg::GetThisMessageMap()
{
    static const MessageMap map =
        MessageMap::Of<CKasidaoreDlg>(on::Control(CBN_SELCHANGE, IDC_BAD_DEBT_RATE, &CKasidaoreDlg::OnSelchangeRate));
    return &map;
}

CKasidaoreDlg::CKasidaoreDlg(CWnd* pParent) : CInputAidDlg(IDD_BAD_DEBT, pParent) {}

CString CKasidaoreDlg::HelpPage() const
{
    return HelpPages::kBadDebt;
}

COLORREF CKasidaoreDlg::StaticTextColor(CWnd* pWnd) const
{
    const COLORREF found = RGB(0, 255, 0);
    const COLORREF missing = RGB(255, 0, 0);
    switch (pWnd ? pWnd->GetDlgCtrlID() : 0) {
    case IDC_BAD_DEBT_OPENING_ENTERED:
        return m_bOpeningBooked ? found : missing;
    case IDC_BAD_DEBT_REVERSAL_ENTERED:
        return m_bReversalBooked ? found : missing;
    case IDC_BAD_DEBT_PROVISION_ENTERED:
        return m_bProvisionBooked ? found : missing;
    default:
        return m_crText;
    }
}

CString CKasidaoreDlg::Shown(const CString& amount) const
{
    return AidFormatAmount(amount, m_nAmountWidth + 3);
}

void CKasidaoreDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BAD_DEBT_RATE, m_comboRate);
}

BOOL CKasidaoreDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_edOpening.SubclassDlgItem(IDC_BAD_DEBT_OPENING, this);
    m_edProvision.SubclassDlgItem(IDC_BAD_DEBT_PROVISION, this);
    m_pDoc = GetActiveDoc();

    if (m_comboRate.GetCount() == 0) {
        m_comboRate.AddString("金融業以外は5.5％");
        m_comboRate.AddString("金融業は3.3％");
    }
    const int h = m_pDoc ? m_pDoc->m_nRowHeight : 0;
    if (h > 0)
        m_comboRate.SetItemHeight(0, static_cast<UINT>(h - h / 5));
    m_comboRate.SetCurSel(0);

    if (m_pDoc)
        m_figures = RecognizeBadDebt(m_pDoc->m_arrJournal);
    m_strOpening = m_figures.total[kAllowanceOpening];
    m_strReversal = m_figures.total[kAllowanceReversal];
    m_strProvision = m_figures.total[kAllowanceProvision];
    m_strReceivables = m_figures.receivables;
    m_nOpeningEntry = m_figures.entry[kAllowanceOpening];
    m_nReversalEntry = m_figures.entry[kAllowanceReversal];
    m_nProvisionEntry = m_figures.entry[kAllowanceProvision];
    Recalculate();

    SetDlgItemText(IDC_BAD_DEBT_OPENING_ENTERED, m_nOpeningEntry == -1 ? "未記帳" : "記帳済");
    SetDlgItemText(IDC_BAD_DEBT_REVERSAL_ENTERED, m_nReversalEntry == -1 ? "未記帳" : "記帳済");
    SetDlgItemText(IDC_BAD_DEBT_PROVISION_ENTERED, m_nProvisionEntry == -1 ? "未記帳" : "記帳済");
    return TRUE;
}

void CKasidaoreDlg::Recalculate()
{
    SetDlgItemText(IDC_BAD_DEBT_OPENING, m_strOpening == "0" ? CString() : Shown(m_strOpening));
    const ReversalDisplay reversal = ReversalShown(m_figures);
    if (reversal.remind)
        AfxMessageBox("貸倒引当金繰戻額が期末に未記帳です。", MB_OK);
    if (!reversal.keep) {
        m_strReversalShown = reversal.amount;
        SetDlgItemText(IDC_BAD_DEBT_REVERSAL, Shown(reversal.amount));
    }
    SetDlgItemText(IDC_BAD_DEBT_RECEIVABLES, Shown(m_strReceivables));
    ShowLimit();
    SetDlgItemText(IDC_BAD_DEBT_PROVISION, m_strProvision == "0" ? CString() : Shown(m_strProvision));
    m_bOpeningBooked = m_nOpeningEntry != -1;
    m_bReversalBooked = m_nReversalEntry != -1;
    m_bProvisionBooked = m_nProvisionEntry != -1;
}

void CKasidaoreDlg::ShowLimit()
{
    SetDlgItemText(IDC_BAD_DEBT_LIMIT, Shown(BadDebtLimit(m_strReceivables, m_comboRate.GetCurSel() == 0 ? 0 : 1)));
}

void CKasidaoreDlg::OnSelchangeRate()
{
    ShowLimit();
}

void CKasidaoreDlg::OnOK()
{
    CString opening;
    CString reversal;
    CString provision;
    GetDlgItemText(IDC_BAD_DEBT_OPENING, opening);
    GetDlgItemText(IDC_BAD_DEBT_REVERSAL, reversal);
    GetDlgItemText(IDC_BAD_DEBT_PROVISION, provision);
    // The dialog stays open until every field reads as an amount: the journal takes them as typed.
    const CString refusal = CheckFieldAmounts(
        {{opening, "期首の貸倒引当金"}, {reversal, "貸倒引当金繰戻し額"}, {provision, "貸倒引当金繰入額"}});
    if (!refusal.IsEmpty()) {
        AfxMessageBox(refusal, MB_OK);
        return;
    }
    // A field showing the "#" of a figure too long for it hands over that figure:
    // its text is not the amount.
    const BadDebtHandOver handOver =
        BadDebtHandOverOf(m_figures, AmountFromField(opening, m_strOpening),
                          AmountFromField(reversal, m_strReversalShown), AmountFromField(provision, m_strProvision));
    m_strOpening = handOver.amount[kAllowanceOpening];
    m_strReversal = handOver.amount[kAllowanceReversal];
    m_strProvision = handOver.amount[kAllowanceProvision];
    if (m_pDoc) {
        m_pDoc->m_nAidEntry = {m_nOpeningEntry, m_nReversalEntry, m_nProvisionEntry};
        m_pDoc->m_strAidAmount = {m_strOpening, m_strReversal, m_strProvision};
    }
    CDialog::OnOK();
}

int RunBadDebtDialog()
{
    CKasidaoreDlg dialog(nullptr);
    return dialog.DoModal() == IDOK ? 0 : -1;
}

#include "tanaorosi_dlg.h"

#include "../aid_amounts.h"

#include "../../core/win/help_pages.h"
#include "../../core/win/my_doc.h"
#include "../../framework/win/message_box.h"
#include "../../framework/win/win_app.h"
#include "../../resources/resource.h"

namespace {

// What the closing-inventory field shows while ④ is not set.
const char* const kNotSet = "未設定   ";

bool IsNotSet(const CString& text) { return text.IsEmpty() || text == kNotSet; }

}  // namespace

const MessageMap* CTanaorosiDlg::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CTanaorosiDlg>(
        on::Control(BN_CLICKED, IDC_INVENTORY_APPLY, &CTanaorosiDlg::OnApplyAmounts),
        on::Control(BN_CLICKED, IDC_INVENTORY_DELETE_CLOSING, &CTanaorosiDlg::OnDeleteClosing),
        on::Control(EN_SETFOCUS, IDC_INVENTORY_OPENING, &CTanaorosiDlg::OnSetfocusImeOff),
        on::Control(EN_SETFOCUS, IDC_INVENTORY_CLOSING, &CTanaorosiDlg::OnSetfocusImeOff));
    return &map;
}

CTanaorosiDlg::CTanaorosiDlg(CWnd* pParent) : CInputAidDlg(IDD_INVENTORY, pParent) {}

CString CTanaorosiDlg::HelpPage() const
{
    return HelpPages::kInventory;
}

CString CTanaorosiDlg::Shown(const CString& amount) const
{
    return AidFormatAmount(amount, m_nAmountWidth + 3);
}

BOOL CTanaorosiDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CWaitCursor wait;
    m_edOpening.SubclassDlgItem(IDC_INVENTORY_OPENING, this);
    m_edClosing.SubclassDlgItem(IDC_INVENTORY_CLOSING, this);
    m_pDoc = GetActiveDoc();
    if (m_pDoc) {
        const InventoryFigures figures = RecognizeInventory(m_pDoc->m_arrJournal);
        m_strOpening = figures.total[kInventoryOpening];
        m_strTransfer = figures.total[kInventoryTransfer];
        m_strClosing = figures.total[kInventoryClosing];
        m_strPurchases = figures.purchases;
        m_nOpeningEntry = figures.entry[kInventoryOpening];
        m_nTransferEntry = figures.entry[kInventoryTransfer];
        m_nClosingEntry = figures.entry[kInventoryClosing];
    }
    Recalculate();
    return TRUE;
}

void CTanaorosiDlg::Recalculate()
{
    const CString subtotal = AidCalculate(m_strOpening, m_strPurchases, 1);
    SetDlgItemText(IDC_INVENTORY_OPENING, m_strOpening == "0" ? CString() : Shown(m_strOpening));
    SetDlgItemText(IDC_INVENTORY_PURCHASES, Shown(m_strPurchases));
    SetDlgItemText(IDC_INVENTORY_SUBTOTAL, m_strOpening == "0" ? CString() : Shown(subtotal));
    SetDlgItemText(IDC_INVENTORY_CLOSING, m_strClosing == "0" ? CString(kNotSet) : Shown(m_strClosing));
    SetDlgItemText(IDC_INVENTORY_COST,
                   m_strClosing == "0" ? CString() : Shown(AidCalculate(subtotal, m_strClosing, -1)));
    m_strTransfer = m_strOpening;
    if (m_pDoc) {
        m_pDoc->m_nAidEntry = {m_nOpeningEntry, m_nTransferEntry, m_nClosingEntry};
        m_pDoc->m_strAidAmount = {m_strOpening, m_strTransfer, m_strClosing};
    }
}

void CTanaorosiDlg::OnApplyAmounts()
{
    CString opening;
    CString closing;
    GetDlgItemText(IDC_INVENTORY_OPENING, opening);
    GetDlgItemText(IDC_INVENTORY_CLOSING, closing);
    if (IsNotSet(closing))
        closing = "0";
    // Nothing is set unless both fields read as amounts: the journal takes them as typed.
    const CString refusal =
        CheckFieldAmounts({{opening, "期首商品(製品)棚卸高"}, {closing, "期末商品(製品)棚卸高"}});
    if (!refusal.IsEmpty()) {
        AfxMessageBox(refusal, MB_OK);
        return;
    }
    // A field showing the "#" of a figure too long for it keeps that figure.
    m_strOpening = AmountFromField(opening, m_strOpening);
    m_strClosing = AmountFromField(closing, m_strClosing);
    Recalculate();
}

void CTanaorosiDlg::OnDeleteClosing()
{
    CString closing;
    GetDlgItemText(IDC_INVENTORY_CLOSING, closing);
    if (IsNotSet(closing)) {
        SetDlgItemText(IDC_INVENTORY_COST, "");
        return;
    }
    if (AfxMessageBox(CString("「 ") + "期末商品(製品)棚卸高" + " 」を削除しますか？", MB_YESNO) != IDYES)
        return;
    m_strClosing = "0";
    Recalculate();
}

int RunInventoryDialog()
{
    CTanaorosiDlg dialog(nullptr);
    return dialog.DoModal() == IDOK ? 0 : -1;
}

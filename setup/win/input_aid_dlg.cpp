#include "input_aid_dlg.h"

#include "../../core/win/help_pages.h"
#include "../../framework/win/dc.h"
#include "../../resources/resource.h"

const MessageMap* CInputAidDlg::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CInputAidDlg>(
        on::CtlColor(&CInputAidDlg::OnCtlColor),
        on::Control(STN_CLICKED, IDC_AID_HELP_ICON, &CInputAidDlg::OnHelpIcon));
    return &map;
}

CInputAidDlg::CInputAidDlg(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_crText(RGB(0, 0, 0)), m_crBack(RGB(224, 224, 224))
{
    m_brushBack.CreateSolidBrush(m_crBack);
}

BOOL CInputAidDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

COLORREF CInputAidDlg::StaticTextColor(CWnd*) const
{
    return m_crText;
}

HBRUSH CInputAidDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    switch (nCtlColor) {
    case CTLCOLOR_DLG:
        return m_brushBack;
    case CTLCOLOR_STATIC:
        pDC->SetTextColor(StaticTextColor(pWnd));
        pDC->SetBkColor(m_crBack);
        return m_brushBack;
    default:
        return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    }
}

void CInputAidDlg::OnHelpIcon()
{
    ShowHelpPage(HelpPage());
}

#include "input_aid_dlg.h"

#include "../framework/win/dc.h"
#include "../framework/win/message_box.h"
#include "../framework/win/shell_open.h"

const MessageMap* CInputAidDlg::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CInputAidDlg>(
        on::CtlColor(&CInputAidDlg::OnCtlColor),
        on::Control(STN_CLICKED, 1140, &CInputAidDlg::OnHelpIcon));
    return &map;
}

CInputAidDlg::CInputAidDlg(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_crText(RGB(0, 0, 0)), m_crBack(RGB(224, 224, 224))
{
    m_brushDialog.CreateSolidBrush(m_crBack);
    m_brushStatic.CreateSolidBrush(m_crBack);
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
        return m_brushDialog;
    case CTLCOLOR_STATIC:
        pDC->SetTextColor(StaticTextColor(pWnd));
        pDC->SetBkColor(m_crBack);
        return m_brushStatic;
    default:
        return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    }
}

void CInputAidDlg::OnHelpIcon()
{
    if (!AfxHtmlHelp("dazeruruvo.chm::/" + HelpPage() + ".htm", HH_DISPLAY_TOPIC))
        AfxMessageBox("HTML HELP(dazeruruvo.chm)を開くことができません。", MB_OK);
}

#include "rename_dlg.h"

#include "my_doc.h"

#include "../../framework/win/data_exchange.h"
#include "../../resources/resource.h"

CRenameDlg::CRenameDlg(CWnd* pParent) : CDialog(IDD_RENAME, pParent) {}

void CRenameDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_NEW_NAME, m_strNewName);
}

BOOL CRenameDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_pDoc = GetActiveDoc();
    if (m_pDoc)
        SetDlgItemText(IDC_NEW_NAME, m_pDoc->m_strFileName);
    return TRUE;
}

BOOL CRenameDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

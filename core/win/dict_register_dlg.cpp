#include "dict_register_dlg.h"

#include "../../framework/win/data_exchange.h"
#include "../../framework/win/dc.h"
#include "../../resources/resource.h"

const MessageMap* CDictRegisterDlg::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CDictRegisterDlg>(
        on::Paint(&CDictRegisterDlg::OnPaint),
        on::Control(BN_CLICKED, IDC_DICT_REGISTER_RUN_ALL, &CDictRegisterDlg::OnRunAll),
        on::Control(BN_CLICKED, IDC_DICT_REGISTER_RESET_RUN_ALL, &CDictRegisterDlg::OnResetRunAll),
        on::Control(BN_CLICKED, IDC_DICT_REGISTER_CANCEL_ALL, &CDictRegisterDlg::OnCancelAll),
        on::Control(BN_CLICKED, IDC_DICT_REGISTER_CLOSE_ALL, &CDictRegisterDlg::OnCloseAll));
    return &map;
}

CDictRegisterDlg::CDictRegisterDlg(CWnd* pParent) : CDialog(IDD_DICT_REGISTER, pParent) {}

void CDictRegisterDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DICT_REGISTER_FRAME, m_wndFrame);
}

BOOL CDictRegisterDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_DICT_REGISTER_QUESTION, DictRegisterQuestion(m_nKind, m_strName, m_strParent));
    return TRUE;
}

BOOL CDictRegisterDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

void CDictRegisterDlg::OnOK()
{
    CDialog::OnOK();
}

void CDictRegisterDlg::OnPaint()
{
    CPaintDC dc(this);
    CRect g;
    m_wndFrame.GetWindowRect(&g);
    ScreenToClient(&g);
    CPen pen(PS_SOLID, 5, RGB(92, 92, 255));
    CPen* previous = dc.SelectObject(&pen);
    dc.MoveTo(g.left + 6, g.top + 8);
    dc.LineTo(g.right - 6, g.top + 8);
    dc.MoveTo(g.right - 6, g.top + 8);
    dc.LineTo(g.right - 6, g.bottom - 6);
    dc.MoveTo(g.left + 6, g.bottom - 6);
    dc.LineTo(g.right - 6, g.bottom - 6);
    dc.MoveTo(g.left + 6, g.top + 8);
    dc.LineTo(g.left + 6, g.bottom - 6);
    dc.SelectObject(previous);
}

void CDictRegisterDlg::OnRunAll()
{
    m_nChoice = kRegisterAll;
    OnOK();
}

void CDictRegisterDlg::OnResetRunAll()
{
    m_nChoice = kRegisterResetAll;
    OnOK();
}

void CDictRegisterDlg::OnCancelAll()
{
    m_nChoice = kRegisterSkipAll;
    OnOK();
}

void CDictRegisterDlg::OnCloseAll()
{
    m_nChoice = kRegisterSkipAll;
    OnOK();
}

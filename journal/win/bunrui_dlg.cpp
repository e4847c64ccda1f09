#include "bunrui_dlg.h"

#include "../../framework/win/data_exchange.h"
#include "../../resources/resource.h"

const MessageMap* CBunruiDlg::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CBunruiDlg>(
        on::Control(STN_CLICKED, IDC_BUNRUI_HELP_ICON, &CBunruiDlg::OnClickedHelpIcon),
        on::Control(STN_CLICKED, IDC_BUNRUI_HELP_PANEL, &CBunruiDlg::OnClickedHelpPanel),
        on::Control(EN_CHANGE, IDC_BUNRUI_HIDDEN1, &CBunruiDlg::OnChangeHidden1),
        on::Control(EN_CHANGE, IDC_BUNRUI_HIDDEN2, &CBunruiDlg::OnChangeHidden2));
    return &map;
}

CBunruiDlg::CBunruiDlg(CWnd* pParent) : CDialog(IDD_BUNRUI, pParent) {}

void CBunruiDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_BUNRUI_REVENUE, m_nClass);
}

BOOL CBunruiDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_BUNRUI_PROMPT, "\n   [結果の科目]に\n    入力されている\n\n   <  " + m_strAccount +
                             "  > \n\n   は科目辞書に\n    未登録です。");
    SetDlgItemText(IDC_BUNRUI_HELP_PANEL, "               　　【閉じる】\n\n   取引に使用される科目は、\n   必ず左の５区分に分類さ\n   れます。\n\n"
                         "   取引に使用される科目は、\n   科目辞書に登録が必要です。\n\n   区分を選んで\n   【ＯＫ】ﾎﾞﾀﾝを押すと、\n"
                         "   このダイアログから\n\n    [ " +
                             m_strAccount + " ] を\n\n   科目辞書に登録する\n   ことが出来ます。");
    return TRUE;
}

BOOL CBunruiDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

void CBunruiDlg::OnClickedHelpIcon()
{
    GetDlgItem(IDC_BUNRUI_HELP_PANEL)->ShowWindow(SW_SHOW);
    GetDlgItem(IDC_BUNRUI_HELP_ICON)->ShowWindow(SW_HIDE);
}

void CBunruiDlg::OnClickedHelpPanel()
{
    GetDlgItem(IDC_BUNRUI_HELP_PANEL)->ShowWindow(SW_HIDE);
    GetDlgItem(IDC_BUNRUI_HELP_ICON)->ShowWindow(SW_SHOW);
}

#include "bunrui_dlg.h"

#include "../framework/win/data_exchange.h"
#include "../resources/resource.h"

const MessageMap* CBunruiDlg::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CBunruiDlg>(
        on::Control(STN_CLICKED, 1140, &CBunruiDlg::OnClickedHelpIcon),
        on::Control(STN_CLICKED, 1136, &CBunruiDlg::OnClickedHelpPanel),
        on::Control(EN_CHANGE, 1151, &CBunruiDlg::OnChangeHidden1),
        on::Control(EN_CHANGE, 1152, &CBunruiDlg::OnChangeHidden2));
    return &map;
}

CBunruiDlg::CBunruiDlg(CWnd* pParent) : CDialog(IDD_BUNRUI, pParent) {}

void CBunruiDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, 1035, m_nClass);
}

BOOL CBunruiDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(1103, "\n   [結果の科目]に\n    入力されている\n\n   <  " + m_strAccount +
                             "  > \n\n   は科目辞書に\n    未登録です。");
    SetDlgItemText(1136, "               　　【閉じる】\n\n   取引に使用される科目は、\n   必ず左の５区分に分類さ\n   れます。\n\n"
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
    GetDlgItem(1136)->ShowWindow(SW_SHOW);
    GetDlgItem(1140)->ShowWindow(SW_HIDE);
}

void CBunruiDlg::OnClickedHelpPanel()
{
    GetDlgItem(1136)->ShowWindow(SW_HIDE);
    GetDlgItem(1140)->ShowWindow(SW_SHOW);
}

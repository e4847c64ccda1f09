// CBunruiDlg: asks the class of a result account that the account dictionary does
// not know yet, so that the commit can register it under that class and in the
// result branch.
#pragma once

#include "../../framework/win/dialog.h"

class CBunruiDlg : public CDialog {
    DECLARE_MESSAGE_MAP(CBunruiDlg)
public:
    explicit CBunruiDlg(CWnd* pParent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter does not end the dialog: only the buttons and Escape do.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    void OnClickedHelpIcon();
    void OnClickedHelpPanel();
    void OnChangeHidden1() {}
    void OnChangeHidden2() {}

    // The selected class button (0 to 6), -1 when none is selected.
    int m_nClass = -1;
    // The account named in the dialog's texts.
    CString m_strAccount;
};

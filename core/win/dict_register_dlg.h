// CDictRegisterDlg: asks, for one name met in the journal but missing from the
// account dictionary, whether and how to register it. It only shows the question
// and answers in m_nChoice; the registration and the dictionary reset are the
// caller's (DictRegisterAnswerOf turns the dialog's end into the caller's answer).
#pragma once

#include "../dict_register_text.h"

#include "../../framework/win/controls.h"
#include "../../framework/win/dialog.h"

class CDictRegisterDlg : public CDialog {
    DECLARE_MESSAGE_MAP(CDictRegisterDlg)
public:
    explicit CDictRegisterDlg(CWnd* pParent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter never presses a button; Escape cancels.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnOK() override;

    void OnPaint();
    void OnRunAll();
    void OnResetRunAll();
    void OnCancelAll();
    void OnCloseAll();

    CButton m_wndFrame;
    int m_nChoice = kRegisterThis;
    int m_nKind = kRegisterAccount;
    CString m_strParent;
    CString m_strName;
};

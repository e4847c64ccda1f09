// CRenameDlg: asks the new file name of the open journal's data file; the edit
// starts with the current name, extension included.
#pragma once

#include "../../framework/win/dialog.h"

class CMyDoc;

class CRenameDlg : public CDialog {
public:
    explicit CRenameDlg(CWnd* pParent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter does not confirm: only the button does.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    CString m_strNewName;
    CMyDoc* m_pDoc = nullptr;
};

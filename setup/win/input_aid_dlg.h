// CInputAidDlg: what the input aids' dialogs share: a light grey background
// with black static text, the Enter key swallowed (it neither closes the dialog
// nor presses a button), the help icon (static IDC_AID_HELP_ICON) that opens the dialog's own
// help topic, and the input method switched on or off as a field asks.
#pragma once

#include "../../framework/win/dialog.h"
#include "../../framework/win/gdi_objects.h"

class CInputAidDlg : public CDialog {
    DECLARE_MESSAGE_MAP(CInputAidDlg)
public:
    CInputAidDlg(UINT nIDTemplate, CWnd* pParent);
    CInputAidDlg(const CInputAidDlg&) = delete;
    CInputAidDlg& operator=(const CInputAidDlg&) = delete;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    // Opens the dialog's own help page; says so when it cannot.
    void OnHelpIcon();

protected:
    // The page number of the dialog's help topic ("0042" ...).
    virtual CString HelpPage() const = 0;
    // The text colour of a static control; black unless a dialog says otherwise.
    virtual COLORREF StaticTextColor(CWnd* pWnd) const;

    CBrush m_brushBack;
    COLORREF m_crText;
    COLORREF m_crBack;
};

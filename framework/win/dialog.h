// CDialog: a dialog box from a dialog template of the program's resources.
//   DoModal  runs it modally: the owner (the main window unless a parent is
//            given) is disabled until it ends; the answer is EndDialog's result.
//            It passes through the modal seam, so a test can drive the live dialog.
//   Create   makes it modeless; the dialog lives until DestroyWindow.
// OnInitDialog fills the controls by data exchange; OnOK reads them back and ends
// the dialog with IDOK when they are valid; OnCancel ends it with IDCANCEL.
#pragma once

#include "wnd.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
    DECLARE_MESSAGE_MAP(CDialog)
public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Modeless creation; TRUE when the window exists.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // IDOK, IDCANCEL or what EndDialog was given; -1 when the template could not be loaded.
    virtual INT_PTR DoModal();
    // Ends a modal dialog with nResult; a modeless one is hidden.
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    void GotoDlgCtrl(CWnd* pWndCtrl);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void SetDefID(UINT nID);
    DWORD GetDefID() const;
    // Dialog units to pixels of this dialog's font.
    void MapDialogRect(LPRECT lpRect) const;

    UINT m_nIDHelp = 0;
    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;

protected:
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

private:
    // The owner of a modal dialog: the parent's top-level window, or the window
    // the user works in over the main window.
    HWND ModalOwner() const;
    void RunModalLoop();
    void RunAnswered(const std::function<void(CDialog&)>& handler);
    // Handles what is already queued, without waiting.
    void PumpWaitingMessages();

    int m_nModalResult = -1;
    bool m_bModal = false;
    bool m_bContinueModal = false;
};

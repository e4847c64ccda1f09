// CMainFrame: the single main window. One form view fills it at a time; the
// book commands swap the view, the frame shows the check mark of the book shown,
// opens the help documents and creates and destroys the modeless input-hint dialog.
#pragma once

#include "menu_state.h"
#include "spare_views.h"

#include "../framework/win/frame_wnd.h"

#include <vector>

// Posted by the document when a file command gave it another journal: the book
// shown is then made anew from the document, once the command has finished.
constexpr UINT WM_RENEW_BOOK_VIEW = WM_APP + 0x131;

class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
    DECLARE_MESSAGE_MAP(CMainFrame)
public:
    CMainFrame();

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    LRESULT OnActivateMessage(WPARAM wParam, LPARAM lParam);
    // FALSE for the commands of the range that are no book.
    BOOL OnViewSwitch(UINT nID);
    // The check mark of the book shown; the book commands wait, as the menu
    // state says, for an insertion or the hint dialog.
    BOOL OnUpdateViewSwitch(CCmdUI* pCmdUI);
    // On and off as the document's menu state says; FALSE for the commands it
    // leaves to their handlers.
    BOOL OnUpdateMenuState(CCmdUI* pCmdUI);
    // Makes one more spare book view ahead of its switch, for idle time; FALSE
    // when every book has one ready.
    bool MakeSpareView();
    // Destroys the views that earlier switches retired, for idle time; FALSE
    // when there was none.
    bool DestroyRetiredViews();
    // Replaces the book view shown by a new one of its class, built from the
    // document as it now is; the journal view lists a new journal on its own.
    LRESULT OnRenewBookView(WPARAM wParam, LPARAM lParam);
    void OnHtmlHelp();
    void OnHelpUpgrade();
    void OnHelpTerms();
    void OnHelpHomepage();
    void OnHintShow();
    void OnHintClose();

    // Command id of the book whose view the last switch showed; 0 before the
    // first switch, so that every first book command switches and no book is checked.
    UINT m_nCurViewId = 0;
    CWnd* m_pHintDlg = nullptr;
    BOOL m_bHintDlg = FALSE;

private:
    // The menu state of the document shown, or nullptr before there is one.
    MenuState* ShownMenuState();

    SpareViews m_spareViews;
    bool m_bRenewing = false;  // the switch makes the book shown anew
    std::vector<HWND> m_retiredViews;
};

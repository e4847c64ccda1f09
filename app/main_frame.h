// CMainFrame: the single main window. One form view fills it at a time; the
// book commands swap the view, the frame shows the check mark of the book shown,
// opens the help documents and creates and destroys the modeless input-hint dialog.
#pragma once

#include "../core/menu_state.h"
#include "spare_views.h"

#include "../framework/win/frame_wnd.h"

#include <vector>

class siwake;

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
    // "取引先の設定": the partner dialog, then the partners into the dictionary.
    void OnTradingPartners();
    // The input aids on the journal shown (input_aid_commands.cpp).
    void OnOpeningBalance();
    void OnInventory();
    void OnBadDebtAllowance();
    void OnKeywordSearch();

    // Command id of the book whose view the last switch showed; 0 before the
    // first switch, so that every first book command switches and no book is checked.
    UINT m_nCurViewId = 0;
    CWnd* m_pHintDlg = nullptr;
    BOOL m_bHintDlg = FALSE;

private:
    // The journal view while it is the view shown, else nullptr.
    siwake* ShownJournal() const;
    // The menu state of the document shown, or nullptr before there is one.
    MenuState* ShownMenuState();

    SpareViews m_spareViews;
    bool m_bRenewing = false;  // the switch makes the book shown anew
    std::vector<HWND> m_retiredViews;
};

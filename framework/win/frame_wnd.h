// CFrameWnd: a main window loaded from one resource id (menu, accelerator
// table, icon and title string), filled by one view (the child with id
// AFX_IDW_PANE_FIRST).
//
// Commands reaching the frame go to the active view first (which passes them on
// to its document), then to the frame's own table, then to the application.
// When a popup menu opens, each of its items is offered to the update handlers
// of that route (CCmdUI); with m_bAutoMenuEnable an item nobody handles is greyed.
// Closing the frame asks the document to save its changes first.
#pragma once

#include "../cstring.h"
#include "create_context.h"
#include "framework_ids.h"
#include "wnd.h"

class CDocument;
class CView;

// Frame styles: the document's title is added to the caption, before the application's name.
constexpr DWORD FWS_ADDTOTITLE = 0x00008000L;
constexpr DWORD FWS_PREFIXTITLE = 0x00004000L;

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
    DECLARE_MESSAGE_MAP(CFrameWnd)
public:
    CFrameWnd();

    // Creates the frame from resource nIDResource; with a context, its view too.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    // A view of pContext->m_pNewViewClass on pContext->m_pCurrentDoc, as child nID;
    // null when it could not be created.
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    CView* GetActiveView() const { return m_pViewActive; }
    // bNotify: the views are told (OnActivateView) and the new one takes the focus.
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    CDocument* GetActiveDocument();
    // The view (child AFX_IDW_PANE_FIRST) fills the client area.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Sends the initial update to the views and shows the frame.
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    // The first descendant with child id nID.
    CWnd* GetDescendantWindow(int nID) const;

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Frames live on the heap and go with their window.
    void PostNcDestroy() override;

    // Menu items without any handler are greyed when their popup opens.
    BOOL m_bAutoMenuEnable = TRUE;
    // The application's part of the caption (the first line of the title string).
    CString m_strTitle;
    HACCEL m_hAccelTable = nullptr;
    UINT m_nIDHelp = 0;

protected:
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnClose();
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd* pOldWnd);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    LRESULT OnQueryEndSession(WPARAM wParam, LPARAM lParam);

private:
    // The caption: the document's name, then the application's part.
    void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);

    CView* m_pViewActive = nullptr;
    // The context of the creation under way (LoadFrame to WM_CREATE).
    CCreateContext* m_pCreatingContext = nullptr;
    // The frame's window class: the framework's, with the icon of the resource id.
    static const wchar_t* RegisterFrameClass(UINT nIDResource);
    UINT m_nIDResource = 0;
};

#include "frame_wnd.h"

#include "app_instance.h"
#include "cmd_ui.h"
#include "document.h"
#include "framework_ids.h"
#include "framework_messages.h"
#include "menu.h"
#include "view.h"
#include "wide_text.h"
#include "win_app.h"

#include <map>
#include <string>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const MessageMap* CFrameWnd::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CFrameWnd>(
        on::Create(&CFrameWnd::OnCreate),
        on::Close(&CFrameWnd::OnClose),
        on::Size(&CFrameWnd::OnSize),
        on::SetFocus(&CFrameWnd::OnSetFocus),
        on::InitMenuPopup(&CFrameWnd::OnInitMenuPopup),
        on::Message(WM_QUERYENDSESSION, &CFrameWnd::OnQueryEndSession));
    return &map;
}

CFrameWnd::CFrameWnd() = default;

const wchar_t* CFrameWnd::RegisterFrameClass(UINT nIDResource)
{
    static std::map<UINT, std::wstring> names;
    auto found = names.find(nIDResource);
    if (found != names.end())
        return found->second.c_str();
    std::wstring name = L"FrameworkFrame" + std::to_wstring(nIDResource);
    WNDCLASSW wc{};
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hIcon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource));
    if (!wc.hIcon)
        wc.hIcon = ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = name.c_str();
    ::RegisterClassW(&wc);
    return (names[nIDResource] = name).c_str();
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDResource = nIDResource;
    m_nIDHelp = nIDResource;
    CString title;
    title.LoadString(nIDResource);
    int lineEnd = title.Find('\n');
    m_strTitle = lineEnd >= 0 ? title.Left(lineEnd) : title;

    HMENU menu = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource));
    CString className = FromWide(RegisterFrameClass(nIDResource));
    m_pCreatingContext = pContext;
    if (!CreateEx(0, className, m_strTitle, dwDefaultStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, pParentWnd ? pParentWnd->m_hWnd : nullptr, menu, pContext)) {
        // The frame has been released (PostNcDestroy), and nothing of it may be
        // touched now. A window that was made and then refused its creation took
        // its menu with it; one that never came to exist leaves the menu here.
        if (menu && ::IsMenu(menu))
            ::DestroyMenu(menu);
        return FALSE;
    }
    m_pCreatingContext = nullptr;
    m_hAccelTable = ::LoadAcceleratorsW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource));
    if (!pContext)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
    return TRUE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.style & FWS_ADDTOTITLE)
        cs.style |= FWS_PREFIXTITLE;
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!OnCreateClient(lpCreateStruct, m_pCreatingContext))
        return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext && pContext->m_pNewViewClass)
        return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    if (!pContext || !pContext->m_pNewViewClass)
        return nullptr;
    CObject* object = pContext->m_pNewViewClass->CreateObject();
    if (!object)
        return nullptr;
    if (!object->IsKindOf(RUNTIME_CLASS(CWnd))) {
        delete object;
        return nullptr;
    }
    auto* view = static_cast<CWnd*>(object);
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this, nID, pContext))
        return nullptr;  // the view has released itself
    // The view draws the sunken edge; the frame would draw a second one.
    if (view->GetExStyle() & WS_EX_CLIENTEDGE)
        ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    return view;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* old = m_pViewActive;
    if (pViewNew == old)
        return;
    m_pViewActive = pViewNew;
    if (bNotify && old)
        old->OnActivateView(FALSE, pViewNew, old);
    if (bNotify && pViewNew && m_pViewActive == pViewNew)
        pViewNew->OnActivateView(TRUE, pViewNew, old);
    // The caption names the document of the view shown: a view that takes over
    // from one that has already left its document brings the name back.
    if (m_hWnd && m_pViewActive == pViewNew && pViewNew && pViewNew->GetDocument())
        OnUpdateFrameTitle(TRUE);
}

CDocument* CFrameWnd::GetActiveDocument()
{
    return m_pViewActive ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::RecalcLayout(BOOL)
{
    HWND pane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST);
    if (!pane)
        return;
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    ::SetWindowPos(pane, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

CWnd* CFrameWnd::GetDescendantWindow(int nID) const
{
    // Breadth first: a direct child wins over a deeper one.
    std::vector<HWND> level{m_hWnd};
    while (!level.empty()) {
        std::vector<HWND> next;
        for (HWND parent : level)
            for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
                if (::GetDlgCtrlID(child) == nID)
                    return CWnd::FromHandle(child);
                next.push_back(child);
            }
        level.swap(next);
    }
    return nullptr;
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    CView* view = nullptr;
    if (!GetActiveView()) {
        CWnd* pane = GetDescendantWindow(AFX_IDW_PANE_FIRST);
        if (pane && pane->IsKindOf(RUNTIME_CLASS(CView))) {
            view = static_cast<CView*>(pane);
            SetActiveView(view, FALSE);
        }
    }
    if (bMakeVisible) {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
        if (view)
            view->OnActivateFrame(WA_INACTIVE, this);
        int nCmdShow = -1;
        CWinApp* app = AfxGetApp();
        if (app && app->m_pMainWnd == this) {
            nCmdShow = app->m_nCmdShow;
            app->m_nCmdShow = -1;
        }
        ActivateFrame(nCmdShow);
        if (view)
            view->OnActivateView(TRUE, view, view);
    }
    if (pDoc)
        pDoc->UpdateFrameCounts();
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1) {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1) {
        ShowWindow(nCmdShow);
        ::BringWindowToTop(m_hWnd);
    }
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CDocument* document = GetActiveDocument();
    if (bAddToTitle && document)
        UpdateFrameTitleForDocument(document->GetTitle());
    else
        UpdateFrameTitleForDocument(nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCTSTR lpszDocName)
{
    CString caption = m_strTitle;
    if (lpszDocName && *lpszDocName) {
        if (GetStyle() & FWS_PREFIXTITLE)
            caption = CString(lpszDocName) + " - " + m_strTitle;
        else
            caption = m_strTitle + " - " + lpszDocName;
    }
    CString current;
    GetWindowText(current);
    if (current != caption)
        SetWindowText(caption);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CView* view = GetActiveView(); view && view->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST || !m_hAccelTable)
        return FALSE;
    return ::TranslateAcceleratorW(m_hWnd, m_hAccelTable, pMsg);
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}

void CFrameWnd::OnClose()
{
    CDocument* document = GetActiveDocument();
    if (document && !document->CanCloseFrame(this))
        return;
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        if (!document && !app->SaveAllModified())
            return;
        // Closing the documents destroys their frames, this one included.
        app->CloseAllDocuments(FALSE);
        if (!app->m_pMainWnd)
            return;
    }
    document = GetActiveDocument();
    if (document && document->m_bAutoDelete) {
        document->OnCloseDocument();
        return;
    }
    if (m_hWnd)
        DestroyWindow();
}

void CFrameWnd::OnSize(UINT nType, int, int)
{
    Default();
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive && m_pViewActive->m_hWnd)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu || !pPopupMenu)
        return;
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = pPopupMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
        // Separators and nested popups (they get their own WM_INITMENUPOPUP).
        if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1))
            continue;
        // System commands are never greyed for lack of a handler.
        state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);

        // An update handler may have added or removed items (the recent-file list).
        UINT count = pPopupMenu->GetMenuItemCount();
        if (count < state.m_nIndexMax) {
            state.m_nIndex -= (state.m_nIndexMax - count);
            while (state.m_nIndex < count &&
                   pPopupMenu->GetMenuItemID(static_cast<int>(state.m_nIndex)) == state.m_nID)
                ++state.m_nIndex;
        }
        state.m_nIndexMax = count;
    }
}

LRESULT CFrameWnd::OnQueryEndSession(WPARAM, LPARAM)
{
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this)
        return app->SaveAllModified();
    return TRUE;
}

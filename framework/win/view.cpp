#include "view.h"

#include "create_context.h"
#include "dc.h"
#include "document.h"
#include "frame_wnd.h"
#include "framework_messages.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

const MessageMap* CView::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CView>(
        on::Create(&CView::OnCreate),
        on::Paint(&CView::OnPaint),
        on::Message(WM_INITIALUPDATE, &CView::OnInitialUpdateMessage),
        on::Message(WM_PRINTCLIENT, &CView::OnPrintClient));
    return &map;
}

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.style & WS_BORDER) {
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
        cs.style &= ~WS_BORDER;
    }
    return TRUE;
}

int CView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    auto* context = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (context && context->m_pCurrentDoc)
        context->m_pCurrentDoc->AddView(this);
    return 0;
}

LRESULT CView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
        LeaveFrameAndDocument();
    return CWnd::WindowProc(message, wParam, lParam);
}

void CView::LeaveFrameAndDocument()
{
    CFrameWnd* frame = GetParentFrame();
    if (frame && frame->GetActiveView() == this)
        frame->SetActiveView(nullptr, FALSE);
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

void CView::PostNcDestroy()
{
    delete this;
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM)
{
    OnInitialUpdate();
    return 0;
}

LRESULT CView::OnPrintClient(WPARAM wParam, LPARAM)
{
    CDC dc;
    dc.Attach(reinterpret_cast<HDC>(wParam));
    int saved = dc.SaveDC();
    OnPrepareDC(&dc);
    OnDraw(&dc);
    dc.RestoreDC(saved);
    dc.Detach();
    return 0;
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, LPARAM, CObject*)
{
    Invalidate(TRUE);
}

void CView::OnPrepareDC(CDC*, CPrintInfo*) {}

void CView::OnActivateView(BOOL bActivate, CView*, CView*)
{
    // The active view of the active frame takes the focus.
    if (bActivate && m_hWnd) {
        HWND top = ::GetAncestor(m_hWnd, GA_ROOT);
        if (top && top == ::GetActiveWindow())
            SetFocus();
    }
}

void CView::OnActivateFrame(UINT, CFrameWnd*) {}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CView::OnPreparePrinting(CPrintInfo*)
{
    return FALSE;
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}

void CView::OnPrint(CDC* pDC, CPrintInfo*)
{
    OnDraw(pDC);
}

void CView::OnEndPrinting(CDC*, CPrintInfo*) {}

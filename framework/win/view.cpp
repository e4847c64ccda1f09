#include "view.h"

#include "create_context.h"
#include "dc.h"
#include "document.h"
#include "frame_wnd.h"
#include "framework_messages.h"
#include "message_box.h"
#include "print_dialog.h"
#include "print_info.h"
#include "print_job.h"
#include "print_preview.h"
#include "win_app.h"

namespace {

// The print command being routed to a view (ID_FILE_PRINT or ID_FILE_PRINT_DIRECT).
UINT g_printCommand = 0;

}  // namespace

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
    if (m_bRetired)
        return DefWindowProc(message, wParam, lParam);
    if (message == WM_DESTROY)
        LeaveFrameAndDocument();
    return CWnd::WindowProc(message, wParam, lParam);
}

void CView::Retire()
{
    if (m_bRetired || !m_hWnd)
        return;
    ShowWindow(SW_HIDE);
    LeaveFrameAndDocument();
    m_bRetired = true;
}

void CView::LeaveFrameAndDocument()
{
    if (m_pDocument)
        OnLeaving();
    if (m_pPreview)
        m_pPreview->OnPrintViewDestroyed();
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
    OnDrawLabels(&dc);
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM)
{
    // A view made ahead of its use belongs to no document yet: it has nothing to show.
    if (m_pDocument)
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
    OnDrawLabels(&dc);
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

void CView::OnPrepareDC(CDC*, CPrintInfo* pInfo)
{
    // A job whose page count the view never gave prints one page.
    if (pInfo)
        pInfo->m_bContinuePrinting = pInfo->GetMaxPage() != 0xFFFF || pInfo->m_nCurPage == 1;
}

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
    if (nCode == CN_COMMAND && !pHandlerInfo && (nID == ID_FILE_PRINT || nID == ID_FILE_PRINT_DIRECT)) {
        // OnFilePrint serves both commands and asks which one it runs for. The
        // view may be gone when the handler returns: nothing of it is touched then.
        UINT outer = g_printCommand;
        g_printCommand = nID;
        CDocument* document = m_pDocument;
        BOOL handled = CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo) ||
                       (document && document->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo));
        g_printCommand = outer;
        return handled;
    }
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

void CView::OnFilePrint()
{
    AfxPrintView(this, g_printCommand == ID_FILE_PRINT_DIRECT);
}

void CView::OnFilePrintPreview()
{
    CPreviewView::Open(this);
}

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    CWinApp* app = AfxGetApp();
    CPrintDialog* dialog = pInfo->m_pPD;
    dialog->m_pd.nFromPage = static_cast<WORD>(pInfo->GetMinPage());
    dialog->m_pd.nToPage = static_cast<WORD>(pInfo->GetMaxPage());
    if (app)
        pInfo->m_nNumPreviewPages = app->m_nNumPreviewPages;

    PRINTDLGW kept{};
    BOOL hasPrinter = app && app->GetPrinterDeviceDefaults(&kept);
    if (!hasPrinter) {
        if (pInfo->m_bPreview)
            return TRUE;
        AfxMessageBox(AfxNoPrinterText, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (pInfo->m_bPreview || pInfo->m_bDirect) {
        // All pages on the kept printer, with the job's own copy of its settings.
        dialog->ReleasePrinter();
        dialog->m_pd.hDevMode = AfxCopyGlobalHandle(kept.hDevMode);
        dialog->m_pd.hDevNames = AfxCopyGlobalHandle(kept.hDevNames);
        dialog->TakeOwnership();
        dialog->m_pd.Flags &= ~(PD_PAGENUMS | PD_SELECTION);
        if (dialog->CreatePrinterDC())
            return TRUE;
        if (pInfo->m_bPreview) {
            // A printer that gives no context is previewed on the stand-in page.
            dialog->ReleasePrinter();
            return TRUE;
        }
        AfxMessageBox(AfxPrintFailedText, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (app->DoPrintDialog(dialog) != IDOK)
        return FALSE;
    if (dialog->GetPrinterDC())
        return TRUE;
    AfxMessageBox(AfxPrintFailedText, MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}

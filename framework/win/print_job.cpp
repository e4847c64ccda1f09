#include "print_job.h"

#include "document.h"
#include "frame_wnd.h"
#include "message_box.h"
#include "print_dialog.h"
#include "view.h"
#include "wide_text.h"
#include "win_app.h"

#include <algorithm>

const char* const AfxPrintFailedText = "印刷できませんでした。プリンタの状態を確かめてください。";

// --- CPageJob

CPageJob::CPageJob(CView* pView) : m_pView(pView)
{
    m_info.m_bPreview = TRUE;
}

CPageJob::~CPageJob()
{
    End();
    if (m_hStandIn)
        ::DeleteEnhMetaFile(::CloseEnhMetaFile(m_hStandIn));
}

BOOL CPageJob::Begin()
{
    if (m_bPrepared)
        return !m_bEnded;
    m_bPrepared = true;
    if (!m_pView->OnPreparePrinting(&m_info)) {
        End();
        return FALSE;
    }
    if (HDC printer = m_info.m_pPD->GetPrinterDC()) {
        m_dc.Attach(printer);
        m_bHasPrinter = TRUE;
    } else {
        // No printer: the view prepares on a recorder of the stand-in page, which
        // answers for the device as the pages' recorders will.
        m_hStandIn = CreatePageRecorder(nullptr, StandInA4Page(DMORIENT_PORTRAIT));
        m_dc.Attach(m_hStandIn);
    }
    m_dc.m_bPrinting = TRUE;
    m_pView->OnBeginPrinting(&m_dc, &m_info);
    return TRUE;
}

void CPageJob::End()
{
    if (!m_bPrepared || m_bEnded)
        return;
    m_bEnded = true;
    if (m_dc.GetSafeHdc()) {
        m_pView->OnEndPrinting(&m_dc, &m_info);
        m_dc.Detach();
    } else {
        CDC none;
        none.m_bPrinting = TRUE;
        m_pView->OnEndPrinting(&none, &m_info);
    }
}

PrintPageGeometry CPageJob::Geometry() const
{
    if (m_bHasPrinter)
        return PageGeometryOfPrinter(m_dc.GetSafeHdc());
    return StandInA4Page(m_info.m_nStandInOrientation);
}

CPageMetafile CPageJob::RenderPage(UINT nPage)
{
    if (!m_bPrepared || m_bEnded)
        return CPageMetafile();
    PrintPageGeometry page = Geometry();
    // The screen stands for the device while recording, also for a printer's
    // page: metafiles recorded against a printer's context play back at the
    // wrong scale under Wine. The page's size is the printer's all the same.
    HDC reference = nullptr;
    HDC recorder = CreatePageRecorder(reference, page);
    if (!recorder)
        return CPageMetafile();
    // The recording is closed however the drawing ends.
    struct Recording {
        HDC hdc;
        ~Recording()
        {
            if (hdc)
                ::DeleteEnhMetaFile(::CloseEnhMetaFile(hdc));
        }
        HENHMETAFILE Finish()
        {
            HENHMETAFILE done = ::CloseEnhMetaFile(hdc);
            hdc = nullptr;
            return done;
        }
    } recording{recorder};

    CDC dc;
    dc.Attach(recorder);
    dc.m_bPrinting = TRUE;
    m_info.m_nCurPage = nPage;
    m_info.m_bContinuePrinting = TRUE;
    m_pView->OnPrepareDC(&dc, &m_info);
    m_info.m_rectDraw = PageRectInDeviceUnits(reference, page);
    dc.DPtoLP(&m_info.m_rectDraw);
    m_pView->OnPrint(&dc, &m_info);
    dc.Detach();
    return CPageMetafile(recording.Finish());
}

// --- the print status window

namespace {

class CPrintStatusWnd;
CPrintStatusWnd* g_status = nullptr;

// A small window over the main window while a job prints: the document, the
// page being printed and a cancel button.
class CPrintStatusWnd : public CWnd {
    DECLARE_MESSAGE_MAP(CPrintStatusWnd)
public:
    CPrintStatusWnd(CWnd* owner, const CString& docName) : m_pOwner(owner)
    {
        CRect ownerRect(0, 0, 640, 480);
        if (owner)
            owner->GetWindowRect(&ownerRect);
        const int width = 300;
        const int height = 130;
        int x = ownerRect.left + (ownerRect.Width() - width) / 2;
        int y = ownerRect.top + (ownerRect.Height() - height) / 2;
        CreateEx(WS_EX_DLGMODALFRAME, nullptr, "印刷中", WS_POPUP | WS_CAPTION | WS_VISIBLE, x, y, width, height,
                 owner ? owner->m_hWnd : nullptr, nullptr);
        m_font.CreatePointFont(90, "ＭＳ Ｐゴシック");
        CRect client;
        GetClientRect(&client);
        m_text.CreateEx(0, "STATIC", docName, WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX, 10, 10,
                        client.Width() - 20, 20, m_hWnd, nullptr);
        m_page.CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_CENTER, 10, 34, client.Width() - 20, 20, m_hWnd,
                        nullptr);
        m_cancel.CreateEx(0, "BUTTON", "キャンセル", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                          (client.Width() - 90) / 2, client.Height() - 34, 90, 24, m_hWnd,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDCANCEL)));
        m_text.SetFont(&m_font);
        m_page.SetFont(&m_font);
        m_cancel.SetFont(&m_font);
        if (m_pOwner)
            m_pOwner->EnableWindow(FALSE);
        g_status = this;
    }
    ~CPrintStatusWnd() override
    {
        if (g_status == this)
            g_status = nullptr;
        if (m_pOwner && m_pOwner->m_hWnd)
            m_pOwner->EnableWindow(TRUE);
        DestroyWindow();
    }

    void ShowPage(UINT nPage)
    {
        CString text;
        text.Format("%u ページ目を印刷しています", nPage);
        m_page.SetWindowText(text);
        m_page.UpdateWindow();
    }
    bool Cancelled() const { return m_bCancelled; }
    void OnCancel() { m_bCancelled = true; }

private:
    CWnd* m_pOwner;
    CWnd m_text;
    CWnd m_page;
    CWnd m_cancel;
    CFont m_font;
    bool m_bCancelled = false;
};

const MessageMap* CPrintStatusWnd::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CPrintStatusWnd>(
        on::Control(BN_CLICKED, IDCANCEL, &CPrintStatusWnd::OnCancel));
    return &map;
}

// Lets the status window's cancel button work while pages spool.
void PumpStatusMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

BOOL CALLBACK PrintAbortProc(HDC, int)
{
    PumpStatusMessages();
    return !(g_status && g_status->Cancelled());
}

}  // namespace

HWND AfxGetPrintStatusWindow()
{
    return g_status ? g_status->m_hWnd : nullptr;
}

// --- the print loop

void AfxPrintView(CView* pView, BOOL bDirect)
{
    CPrintInfo info;
    info.m_bDirect = bDirect;

    CDC dc;
    dc.m_bPrinting = TRUE;
    // OnEndPrinting follows OnPreparePrinting whatever happens in between,
    // an exception from the view included.
    struct EndGuard {
        CView* view;
        CDC& dc;
        CPrintInfo& info;
        bool ended = false;
        void End()
        {
            if (!ended) {
                ended = true;
                view->OnEndPrinting(&dc, &info);
            }
        }
        ~EndGuard() { End(); }
    } guard{pView, dc, info};

    if (!pView->OnPreparePrinting(&info))
        return;
    HDC printer = info.m_pPD->GetPrinterDC();
    if (!printer)
        return;  // DoPreparePrinting has said why
    dc.Attach(printer);
    dc.m_bPrinting = TRUE;
    pView->OnBeginPrinting(&dc, &info);

    CString docName = pView->GetDocument() ? pView->GetDocument()->GetTitle() : CString();
    if (docName.IsEmpty() && AfxGetApp())
        docName = AfxGetApp()->m_pszAppName;
    CFrameWnd* frame = pView->GetParentFrame();
    CWnd* owner = AfxGetMainWnd() ? AfxGetMainWnd() : frame;
    bool failed = false;
    {
        CPrintStatusWnd status(owner, docName);
        dc.SetAbortProc(PrintAbortProc);
        if (dc.StartDoc(docName) <= 0) {
            failed = true;
        } else {
            UINT first = std::clamp(info.GetFromPage(), info.GetMinPage(), info.GetMaxPage());
            UINT last = std::clamp(info.GetToPage(), info.GetMinPage(), info.GetMaxPage());
            if (first > last)
                std::swap(first, last);
            bool cancelled = false;
            for (UINT page = first; page <= last && !failed && !cancelled; ++page) {
                info.m_nCurPage = page;
                // OnPrepareDC may end the job before this page (m_bContinuePrinting).
                int saved = dc.SaveDC();
                pView->OnPrepareDC(&dc, &info);
                dc.RestoreDC(saved);
                if (!info.m_bContinuePrinting)
                    break;
                status.ShowPage(page);
                if (dc.StartPage() <= 0) {
                    failed = true;
                    break;
                }
                // Every page starts from the same state of the context.
                saved = dc.SaveDC();
                pView->OnPrepareDC(&dc, &info);
                info.m_rectDraw = CRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
                dc.DPtoLP(&info.m_rectDraw);
                pView->OnPrint(&dc, &info);
                dc.RestoreDC(saved);
                if (dc.EndPage() <= 0)
                    failed = true;
                PumpStatusMessages();
                cancelled = status.Cancelled();
                if (page == 0xFFFF)
                    break;
            }
            if (failed || cancelled)
                dc.AbortDoc();
            else if (dc.EndDoc() <= 0)
                failed = true;
        }
    }
    guard.End();
    dc.Detach();
    if (failed)
        AfxMessageBox(AfxPrintFailedText, MB_OK | MB_ICONEXCLAMATION);
}

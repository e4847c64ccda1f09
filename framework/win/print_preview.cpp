#include "print_preview.h"

#include "cmd_ui.h"
#include "document.h"
#include "dc.h"
#include "frame_wnd.h"
#include "framework_ids.h"
#include "print_info.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CPreviewView, CView)

namespace {

// Posted to the preview when its printed view went while the frame stays.
constexpr UINT WM_PREVIEW_CLOSE_LATER = 0xBF40;

constexpr int kButtonBarHeight = 32;
constexpr int kMargin = 12;

struct PreviewButton {
    UINT id;
    const char* text;
    int width;
};

// In the order of the strip.
constexpr PreviewButton kButtons[] = {
    {AFX_ID_PREVIEW_PRINT, "印刷(&P)...", 80},
    {AFX_ID_PREVIEW_NEXT, "次ﾍﾟｰｼﾞ(&N)", 80},
    {AFX_ID_PREVIEW_PREV, "前ﾍﾟｰｼﾞ(&V)", 80},
    {AFX_ID_PREVIEW_NUMPAGE, "2ﾍﾟｰｼﾞ(&T)", 80},
    {AFX_ID_PREVIEW_ZOOMIN, "拡大(&I)", 64},
    {AFX_ID_PREVIEW_ZOOMOUT, "縮小(&O)", 64},
    {AFX_ID_PREVIEW_CLOSE, "閉じる(&C)", 72},
};

// Commands that stay with the frame and the application during the preview.
bool PassesPreview(UINT nID)
{
    return nID == ID_APP_EXIT || nID == ID_APP_ABOUT || nID == ID_FILE_PRINT_SETUP || nID == ID_HELP ||
           nID == ID_HELP_INDEX || nID == ID_HELP_FINDER || nID == ID_HELP_USING || nID == ID_DEFAULT_HELP;
}

}  // namespace

const MessageMap* CPreviewView::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CPreviewView>(
        on::Create(&CPreviewView::OnCreate),
        on::Size(&CPreviewView::OnSize),
        on::EraseBkgnd(&CPreviewView::OnEraseBkgnd),
        on::HScroll(&CPreviewView::OnHScroll),
        on::VScroll(&CPreviewView::OnVScroll),
        on::Message(WM_PREVIEW_CLOSE_LATER, &CPreviewView::OnCloseLater),
        on::Command(AFX_ID_PREVIEW_CLOSE, &CPreviewView::OnPreviewClose),
        on::Command(AFX_ID_PREVIEW_NUMPAGE, &CPreviewView::OnNumPageChange),
        on::Command(AFX_ID_PREVIEW_NEXT, &CPreviewView::OnNextPage),
        on::Command(AFX_ID_PREVIEW_PREV, &CPreviewView::OnPrevPage),
        on::Command(AFX_ID_PREVIEW_PRINT, &CPreviewView::OnPreviewPrint),
        on::Command(AFX_ID_PREVIEW_ZOOMIN, &CPreviewView::OnZoomIn),
        on::Command(AFX_ID_PREVIEW_ZOOMOUT, &CPreviewView::OnZoomOut),
        on::Command(ID_FILE_PRINT, &CPreviewView::OnPreviewPrint),
        on::Command(ID_FILE_PRINT_DIRECT, &CPreviewView::OnPreviewPrint),
        on::UpdateCommandUI(AFX_ID_PREVIEW_NEXT, &CPreviewView::OnUpdateNextPage),
        on::UpdateCommandUI(AFX_ID_PREVIEW_PREV, &CPreviewView::OnUpdatePrevPage),
        on::UpdateCommandUI(AFX_ID_PREVIEW_NUMPAGE, &CPreviewView::OnUpdateNumPage),
        on::UpdateCommandUI(AFX_ID_PREVIEW_ZOOMIN, &CPreviewView::OnUpdateZoomIn),
        on::UpdateCommandUI(AFX_ID_PREVIEW_ZOOMOUT, &CPreviewView::OnUpdateZoomOut));
    return &map;
}

BOOL CPreviewView::Open(CView* pView)
{
    if (!pView)
        return FALSE;
    if (pView->m_pPreview)
        return TRUE;
    CFrameWnd* frame = pView->GetParentFrame();
    if (!frame)
        return FALSE;
    auto job = std::make_unique<CPageJob>(pView);
    if (!job->Begin())
        return FALSE;

    auto* preview = new CPreviewView;
    preview->m_pPrintView = pView;
    preview->m_pFrame = frame;
    // The frame's active document stays the printed one (its save question at
    // closing, its title); the preview is not one of the document's views.
    preview->m_pDocument = pView->GetDocument();
    preview->m_geometry = job->Geometry();
    CPrintInfo& info = job->Info();
    preview->m_nCurrentPage = std::max(1u, info.GetMinPage());
    preview->m_nPages = std::clamp(info.m_nNumPreviewPages, 1u, 2u);
    preview->m_job = std::move(job);
    if (preview->GetPageCount() < 2)
        preview->m_nPages = 1;

    // The preview takes the view's pane; the view waits hidden under another id.
    int viewId = pView->GetDlgCtrlID();
    pView->SetDlgCtrlID(AFX_IDW_PANE_SAVE);
    CRect client;
    frame->GetClientRect(&client);
    if (!preview->Create(nullptr, "", WS_CHILD | WS_CLIPCHILDREN, client, frame, AFX_IDW_PANE_FIRST)) {
        // The object is left alone: the window procedure may already have released it.
        pView->SetDlgCtrlID(viewId);
        return FALSE;
    }
    pView->m_pPreview = preview;
    pView->ShowWindow(SW_HIDE);
    preview->ShowWindow(SW_SHOW);
    frame->SetActiveView(preview, FALSE);
    frame->RecalcLayout();
    preview->UpdateButtons();
    preview->UpdateScrollBars();
    preview->SetFocus();
    return TRUE;
}

CPreviewView::~CPreviewView() = default;

int CPreviewView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_font.CreatePointFont(90, "ＭＳ Ｐゴシック");
    int x = 6;
    for (size_t i = 0; i < std::size(kButtons); ++i) {
        const PreviewButton& button = kButtons[i];
        m_buttons[i].CreateEx(0, "BUTTON", button.text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x, 4, button.width, 24,
                              m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(button.id)));
        m_buttons[i].SetFont(&m_font, FALSE);
        x += button.width + 4;
    }
    m_pageText.CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE, x + 8, 4, 140, 24, m_hWnd,
                        nullptr);
    m_pageText.SetFont(&m_font, FALSE);
    return 0;
}

UINT CPreviewView::GetPageCount() const
{
    const CPrintInfo& info = m_job->Info();
    return info.GetMaxPage() == 0xFFFF ? 1 : info.GetMaxPage();
}

CString CPreviewView::GetPageText() const
{
    CString text;
    if (GetShownPages() == 2 && m_nCurrentPage + 1 <= GetPageCount())
        text.Format("%u-%u / %u ページ", m_nCurrentPage, m_nCurrentPage + 1, GetPageCount());
    else
        text.Format("%u / %u ページ", m_nCurrentPage, GetPageCount());
    return text;
}

// --- closing

void CPreviewView::Close()
{
    if (m_bClosing)
        return;
    m_bClosing = true;
    m_job->End();
    RestorePrintView();
    DestroyWindow();
}

void CPreviewView::RestorePrintView()
{
    CView* view = m_pPrintView;
    if (!view)
        return;
    m_pPrintView = nullptr;
    m_pDocument = nullptr;
    view->m_pPreview = nullptr;
    if (!m_hWnd || !view->m_hWnd)
        return;
    SetDlgCtrlID(0);
    view->SetDlgCtrlID(AFX_IDW_PANE_FIRST);
    view->ShowWindow(SW_SHOW);
    if (m_pFrame && m_pFrame->m_hWnd) {
        m_pFrame->SetActiveView(view, TRUE);
        m_pFrame->RecalcLayout();
    }
}

void CPreviewView::OnPrintViewDestroyed()
{
    m_job->End();
    if (m_pPrintView)
        m_pPrintView->m_pPreview = nullptr;
    m_pPrintView = nullptr;
    m_pDocument = nullptr;
    if (!m_bClosing) {
        m_bClosing = true;
        PostMessage(WM_PREVIEW_CLOSE_LATER);
    }
}

LRESULT CPreviewView::OnCloseLater(WPARAM, LPARAM)
{
    DestroyWindow();
    return 0;
}

LRESULT CPreviewView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY && !m_bClosing) {
        // Destroyed with its frame: the job ends while the printed view still exists.
        m_bClosing = true;
        m_job->End();
        if (m_pPrintView)
            m_pPrintView->m_pPreview = nullptr;
        m_pPrintView = nullptr;
        m_pDocument = nullptr;
    }
    return CView::WindowProc(message, wParam, lParam);
}

void CPreviewView::OnPreviewClose()
{
    Close();
}

void CPreviewView::OnPreviewPrint()
{
    CFrameWnd* frame = m_pFrame;
    Close();
    // The printed view is the active view again and prints through its own command.
    if (frame && frame->m_hWnd)
        frame->SendMessage(WM_COMMAND, ID_FILE_PRINT);
}

// --- commands

BOOL CPreviewView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (PassesPreview(nID))
        return FALSE;
    AFX_CMDHANDLERINFO own;
    // The preview's own commands stay with it.
    if (CWnd::OnCmdMsg(nID, CN_COMMAND, nullptr, &own))
        return FALSE;
    // A command of the printed view itself would act on the view under the
    // preview: it is held back and greyed.
    if (m_pPrintView && m_pPrintView->CWnd::OnCmdMsg(nID, CN_COMMAND, nullptr, &own)) {
        if (nCode == CN_UPDATE_COMMAND_UI) {
            static_cast<CCmdUI*>(pExtra)->Enable(FALSE);
            return TRUE;
        }
        return nCode == CN_COMMAND && !pHandlerInfo;
    }
    // Any other command (the document's, the frame's, the application's) is
    // offered as without the preview, and runs once the preview has closed.
    CDocument* document = m_pPrintView ? m_pPrintView->GetDocument() : nullptr;
    if (nCode == CN_UPDATE_COMMAND_UI)
        return document && document->OnCmdMsg(nID, nCode, pExtra, nullptr);
    if (nCode != CN_COMMAND)
        return FALSE;
    if (pHandlerInfo)
        return document && document->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    CFrameWnd* frame = m_pFrame;
    if (!frame || !frame->m_hWnd)
        return FALSE;
    // The preview is gone after Close: nothing of it is touched afterwards.
    Close();
    frame->SendMessage(WM_COMMAND, MAKEWPARAM(nID, 0));
    return TRUE;
}

BOOL CPreviewView::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN) {
        switch (pMsg->wParam) {
        case VK_ESCAPE:
            Close();
            return TRUE;
        case VK_NEXT:
            OnNextPage();
            return TRUE;
        case VK_PRIOR:
            OnPrevPage();
            return TRUE;
        case VK_DOWN:
            ScrollTo(CPoint(m_scroll.x, m_scroll.y + 40));
            return TRUE;
        case VK_UP:
            ScrollTo(CPoint(m_scroll.x, m_scroll.y - 40));
            return TRUE;
        default:
            break;
        }
    }
    return CView::PreTranslateMessage(pMsg);
}

void CPreviewView::ShowPage(UINT nPage)
{
    UINT last = GetPageCount();
    if (GetShownPages() == 2 && last > 1)
        last -= 1;
    nPage = std::clamp(nPage, 1u, std::max(1u, last));
    if (nPage == m_nCurrentPage)
        return;
    m_nCurrentPage = nPage;
    m_scroll = CPoint(0, 0);
    UpdateScrollBars();
    UpdateButtons();
    Invalidate(FALSE);
}

void CPreviewView::OnNextPage()
{
    ShowPage(m_nCurrentPage + 1);
}

void CPreviewView::OnPrevPage()
{
    if (m_nCurrentPage > 1)
        ShowPage(m_nCurrentPage - 1);
}

void CPreviewView::OnNumPageChange()
{
    m_nPages = m_nPages == 1 && GetPageCount() > 1 ? 2 : 1;
    if (m_nPages == 2 && m_nCurrentPage == GetPageCount())
        m_nCurrentPage = GetPageCount() - 1;
    m_nZoom = 0;
    m_scroll = CPoint(0, 0);
    UpdateScrollBars();
    UpdateButtons();
    Invalidate(FALSE);
}

void CPreviewView::OnZoomIn()
{
    if (m_nZoom < 2) {
        ++m_nZoom;
        m_scroll = CPoint(0, 0);
        UpdateScrollBars();
        UpdateButtons();
        Invalidate(FALSE);
    }
}

void CPreviewView::OnZoomOut()
{
    if (m_nZoom > 0) {
        --m_nZoom;
        m_scroll = CPoint(0, 0);
        UpdateScrollBars();
        UpdateButtons();
        Invalidate(FALSE);
    }
}

void CPreviewView::OnUpdateNextPage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nCurrentPage + GetShownPages() - 1 < GetPageCount());
}

void CPreviewView::OnUpdatePrevPage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nCurrentPage > 1);
}

void CPreviewView::OnUpdateNumPage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetPageCount() > 1 && m_nZoom == 0);
}

void CPreviewView::OnUpdateZoomIn(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nZoom < 2);
}

void CPreviewView::OnUpdateZoomOut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nZoom > 0);
}

void CPreviewView::UpdateButtons()
{
    if (!m_hWnd)
        return;
    for (size_t i = 0; i < std::size(kButtons); ++i) {
        CCmdUI state;
        state.m_nID = kButtons[i].id;
        state.m_pOther = &m_buttons[i];
        state.DoUpdate(this, FALSE);
    }
    m_buttons[3].SetWindowText(m_nPages == 2 ? "1ﾍﾟｰｼﾞ(&T)" : "2ﾍﾟｰｼﾞ(&T)");
    m_pageText.SetWindowText(GetPageText());
}

// --- layout and painting

CRect CPreviewView::PageArea() const
{
    CRect client;
    GetClientRect(&client);
    client.top = std::min<int>(client.bottom, kButtonBarHeight);
    return client;
}

CSize CPreviewView::PageSizeOnScreen() const
{
    CRect area = PageArea();
    CSize paper = m_geometry.paper;
    if (paper.cx <= 0 || paper.cy <= 0)
        return CSize(0, 0);
    int availableX = std::max(1, static_cast<int>(area.Width()) - 2 * kMargin);
    int availableY = std::max(1, static_cast<int>(area.Height()) - 2 * kMargin);
    if (m_nZoom == 0) {
        int pages = static_cast<int>(GetShownPages());
        int perPage = std::max(1, (availableX - (pages - 1) * kMargin) / pages);
        int height = availableY;
        int width = ::MulDiv(height, paper.cx, paper.cy);
        if (width > perPage) {
            width = perPage;
            height = ::MulDiv(width, paper.cy, paper.cx);
        }
        return CSize(width, height);
    }
    int width = availableX * (m_nZoom == 1 ? 1 : 2);
    return CSize(width, ::MulDiv(width, paper.cy, paper.cx));
}

CRect CPreviewView::PageRect(UINT nIndex) const
{
    CRect area = PageArea();
    CSize size = PageSizeOnScreen();
    int pages = static_cast<int>(GetShownPages());
    int total = pages * size.cx + (pages - 1) * kMargin;
    int left = area.left + std::max(kMargin, static_cast<int>(area.Width() - total) / 2);
    int top = area.top + std::max(kMargin, static_cast<int>(area.Height() - size.cy) / 2);
    left += static_cast<int>(nIndex) * (size.cx + kMargin);
    CRect rect(left, top, left + size.cx, top + size.cy);
    rect.OffsetRect(-m_scroll.x, -m_scroll.y);
    return rect;
}

void CPreviewView::UpdateScrollBars()
{
    if (!m_hWnd)
        return;
    CRect area = PageArea();
    CSize size = PageSizeOnScreen();
    bool zoomed = m_nZoom > 0;
    auto set = [&](int bar, int content, int page, LONG& position) {
        int range = content + 2 * kMargin;
        bool needed = zoomed && range > page;
        if (!needed)
            position = 0;
        position = std::clamp<LONG>(position, 0, std::max(0, range - page));
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        info.nMin = 0;
        info.nMax = needed ? range - 1 : 0;
        info.nPage = needed ? static_cast<UINT>(page) : 0;
        info.nPos = static_cast<int>(position);
        ShowScrollBar(bar, needed);
        if (needed)
            SetScrollInfo(bar, &info, TRUE);
    };
    set(SB_VERT, static_cast<int>(size.cy), static_cast<int>(area.Height()), m_scroll.y);
    set(SB_HORZ, static_cast<int>(size.cx), static_cast<int>(area.Width()), m_scroll.x);
}

void CPreviewView::ScrollTo(CPoint position)
{
    if (m_nZoom == 0)
        return;
    m_scroll = position;
    UpdateScrollBars();
    Invalidate(FALSE);
}

void CPreviewView::OnHScroll(UINT nSBCode, UINT nPos, CWnd*)
{
    CPoint position = m_scroll;
    int page = PageArea().Width();
    switch (nSBCode) {
    case SB_LINELEFT: position.x -= 40; break;
    case SB_LINERIGHT: position.x += 40; break;
    case SB_PAGELEFT: position.x -= page; break;
    case SB_PAGERIGHT: position.x += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position.x = static_cast<int>(nPos); break;
    default: return;
    }
    ScrollTo(position);
}

void CPreviewView::OnVScroll(UINT nSBCode, UINT nPos, CWnd*)
{
    CPoint position = m_scroll;
    int page = PageArea().Height();
    switch (nSBCode) {
    case SB_LINEUP: position.y -= 40; break;
    case SB_LINEDOWN: position.y += 40; break;
    case SB_PAGEUP: position.y -= page; break;
    case SB_PAGEDOWN: position.y += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position.y = static_cast<int>(nPos); break;
    default: return;
    }
    ScrollTo(position);
}

void CPreviewView::OnSize(UINT, int, int)
{
    UpdateScrollBars();
    Invalidate(FALSE);
}

BOOL CPreviewView::OnEraseBkgnd(CDC*)
{
    // OnDraw paints every pixel.
    return TRUE;
}

HENHMETAFILE CPreviewView::PageMetafile(UINT nPage)
{
    auto found = m_pages.find(nPage);
    if (found == m_pages.end())
        found = m_pages.emplace(nPage, m_job->RenderPage(nPage)).first;
    return found->second.Get();
}

void CPreviewView::OnDraw(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    if (client.IsRectEmpty())
        return;
    // Drawn off screen and copied at once: no flicker while paging.
    CDC memory;
    memory.CreateCompatibleDC(pDC);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(pDC, client.Width(), client.Height());
    CBitmap* oldBitmap = memory.SelectObject(&bitmap);

    CRect bar(0, 0, client.right, std::min<int>(client.bottom, kButtonBarHeight));
    memory.FillSolidRect(&bar, ::GetSysColor(COLOR_BTNFACE));
    CRect area = PageArea();
    memory.FillSolidRect(&area, ::GetSysColor(COLOR_APPWORKSPACE));

    HDC hdc = memory.GetSafeHdc();
    int saved = ::SaveDC(hdc);
    ::IntersectClipRect(hdc, area.left, area.top, area.right, area.bottom);
    for (UINT i = 0; i < GetShownPages(); ++i) {
        UINT page = m_nCurrentPage + i;
        if (page > GetPageCount())
            break;
        CRect sheet = PageRect(i);
        CRect shadow = sheet;
        shadow.OffsetRect(3, 3);
        memory.FillSolidRect(&shadow, RGB(64, 64, 64));
        DrawPageOnSheet(hdc, PageMetafile(page), m_geometry, sheet);
        CBrush frame(RGB(0, 0, 0));
        memory.FrameRect(&sheet, &frame);
    }
    ::RestoreDC(hdc, saved);

    pDC->BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(oldBitmap);
}

#include "scroll_view.h"

#include "dc.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CScrollView, CView)

const MessageMap* CScrollView::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CScrollView>(
        on::Size(&CScrollView::OnSize),
        on::HScroll(&CScrollView::OnHScroll),
        on::VScroll(&CScrollView::OnVScroll));
    return &map;
}

void CScrollView::SetScrollSizes(int nMapMode, CSize sizeTotal, CSize sizePage, CSize sizeLine)
{
    m_nMapMode = nMapMode;
    m_totalDev = sizeTotal;
    m_pageDev = sizePage;
    m_lineDev = sizeLine;
    if (m_pageDev.cx == 0)
        m_pageDev.cx = m_totalDev.cx / 10;
    if (m_pageDev.cy == 0)
        m_pageDev.cy = m_totalDev.cy / 10;
    if (m_lineDev.cx == 0)
        m_lineDev.cx = std::max<LONG>(m_pageDev.cx / 10, 1);
    if (m_lineDev.cy == 0)
        m_lineDev.cy = std::max<LONG>(m_pageDev.cy / 10, 1);
    if (m_hWnd)
        UpdateBars();
}

CPoint CScrollView::GetScrollPosition() const
{
    return CPoint(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT));
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    if (!pInfo) {
        CPoint position = GetScrollPosition();
        pDC->SetViewportOrg(-position.x, -position.y);
    }
    CView::OnPrepareDC(pDC, pInfo);
}

void CScrollView::UpdateBars()
{
    if (m_bInsideUpdate || !m_hWnd)
        return;
    m_bInsideUpdate = true;

    // The client size without any bar.
    CRect client;
    GetClientRect(&client);
    CSize available = client.Size();
    if (GetStyle() & WS_VSCROLL)
        available.cx += ::GetSystemMetrics(SM_CXVSCROLL);
    if (GetStyle() & WS_HSCROLL)
        available.cy += ::GetSystemMetrics(SM_CYHSCROLL);

    // A bar takes room from the other direction, which may then need its bar too.
    bool needH = m_totalDev.cx > available.cx;
    bool needV = m_totalDev.cy > available.cy;
    if (needH && !needV)
        needV = m_totalDev.cy > available.cy - ::GetSystemMetrics(SM_CYHSCROLL);
    if (needV && !needH)
        needH = m_totalDev.cx > available.cx - ::GetSystemMetrics(SM_CXVSCROLL);
    if (needH)
        available.cy -= ::GetSystemMetrics(SM_CYHSCROLL);
    if (needV)
        available.cx -= ::GetSystemMetrics(SM_CXVSCROLL);

    CPoint old = GetScrollPosition();
    CPoint position(needH ? std::min<LONG>(old.x, m_totalDev.cx - available.cx) : 0,
                    needV ? std::min<LONG>(old.y, m_totalDev.cy - available.cy) : 0);
    position.x = std::max<LONG>(position.x, 0);
    position.y = std::max<LONG>(position.y, 0);

    SCROLLINFO info{};
    info.fMask = SIF_PAGE | SIF_RANGE | SIF_POS;
    info.nMin = 0;
    info.nMax = needH ? m_totalDev.cx - 1 : 0;
    info.nPage = needH ? static_cast<UINT>(available.cx) : 0;
    info.nPos = position.x;
    SetScrollInfo(SB_HORZ, &info, TRUE);
    info.nMax = needV ? m_totalDev.cy - 1 : 0;
    info.nPage = needV ? static_cast<UINT>(available.cy) : 0;
    info.nPos = position.y;
    SetScrollInfo(SB_VERT, &info, TRUE);
    ShowScrollBar(SB_HORZ, needH);
    ShowScrollBar(SB_VERT, needV);

    if (position != old)
        ScrollBy(old.x - position.x, old.y - position.y);
    m_bInsideUpdate = false;
}

void CScrollView::ScrollBy(int dx, int dy)
{
    if (IsWindowVisible()) {
        // Moves the painted contents and the child controls together.
        ScrollWindow(dx, dy);
        UpdateWindow();
        return;
    }
    // A hidden window has nothing painted to move; its controls move all the same.
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        ::GetWindowRect(child, &r);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        ::SetWindowPos(child, nullptr, r.left + dx, r.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CScrollView::OnScroll(int nBar, UINT nSBCode)
{
    SCROLLINFO info{};
    GetScrollInfo(nBar, &info, SIF_ALL);
    int line = nBar == SB_HORZ ? m_lineDev.cx : m_lineDev.cy;
    int page = static_cast<int>(info.nPage);
    int last = std::max(0, info.nMax - std::max(page - 1, 0));
    int position = info.nPos;
    switch (nSBCode) {
    case SB_LINEUP: position -= line; break;
    case SB_LINEDOWN: position += line; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = last; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    default: return;
    }
    position = std::clamp(position, 0, last);
    if (position == info.nPos)
        return;
    SetScrollPos(nBar, position);
    int delta = info.nPos - position;
    if (nBar == SB_HORZ)
        ScrollBy(delta, 0);
    else
        ScrollBy(0, delta);
}

void CScrollView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    UpdateBars();
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar)
{
    // A control's scroll message (a spin button, a track bar) belongs to the control.
    if (pScrollBar) {
        CView::OnHScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    OnScroll(SB_HORZ, nSBCode);
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar)
{
    if (pScrollBar) {
        CView::OnVScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    OnScroll(SB_VERT, nSBCode);
}

void CScrollView::ScrollToPosition(CPoint position)
{
    CPoint old = GetScrollPosition();
    SCROLLINFO info{};
    GetScrollInfo(SB_HORZ, &info, SIF_ALL);
    position.x = std::clamp<LONG>(position.x, 0, std::max(0, info.nMax - std::max<int>(info.nPage - 1, 0)));
    GetScrollInfo(SB_VERT, &info, SIF_ALL);
    position.y = std::clamp<LONG>(position.y, 0, std::max(0, info.nMax - std::max<int>(info.nPage - 1, 0)));
    SetScrollPos(SB_HORZ, position.x);
    SetScrollPos(SB_VERT, position.y);
    if (position != old)
        ScrollBy(old.x - position.x, old.y - position.y);
}

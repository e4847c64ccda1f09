// CScrollView: a view larger than its window. SetScrollSizes gives the total
// size in pixels (mapping mode MM_TEXT); scroll bars appear only while the
// window is smaller than that, and OnDraw paints in the view's own
// coordinates (OnPrepareDC moves the origin by the scroll position).
#pragma once

#include "view.h"

class CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)
    DECLARE_MESSAGE_MAP(CScrollView)
public:
    // nMapMode must be MM_TEXT. A zero page or line size means a tenth of the
    // total or of the page.
    void SetScrollSizes(int nMapMode, CSize sizeTotal, CSize sizePage = CSize(0, 0), CSize sizeLine = CSize(0, 0));
    CSize GetTotalSize() const { return m_totalDev; }
    CPoint GetScrollPosition() const;
    CPoint GetDeviceScrollPosition() const { return GetScrollPosition(); }
    void ScrollToPosition(CPoint position);

    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;

protected:
    void OnSize(UINT nType, int cx, int cy);
    void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);

    // Shows or hides the bars for the window's size and keeps the position in range.
    void UpdateBars();

private:
    void ScrollBy(int dx, int dy);
    void OnScroll(int nBar, UINT nSBCode);

    int m_nMapMode = MM_TEXT;
    CSize m_totalDev;
    CSize m_pageDev;
    CSize m_lineDev;
    bool m_bInsideUpdate = false;
};

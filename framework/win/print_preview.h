// CPreviewView: the print preview, a window of its own that takes the place of
// the printed view inside its frame until it is closed. A strip of buttons
// along its top prints, pages forward and back, shows one or two pages, zooms
// in and out and closes; below it the pages are drawn on grey, each one the
// metafile the view's OnPrint drew for it (CPageJob), scaled to the window.
//
// While the preview is open it is the frame's active view: commands reach it
// first. It takes its own commands and the print commands (which close it and
// print), lets the application's exit, about and printer set-up commands pass,
// holds back (greys) the other commands of the printed view, which would act on
// the view under it, and runs every other command after closing itself first,
// as the user expects of a menu that offers it. Keys: Page Up / Page Down turn
// pages, the arrow keys scroll a zoomed page, Esc closes.
#pragma once

#include "gdi_objects.h"
#include "print_job.h"
#include "view.h"

#include <map>
#include <memory>

// The preview's buttons (commands of the framework's reserved range).
#define AFX_ID_PREVIEW_CLOSE 0xE300
#define AFX_ID_PREVIEW_NUMPAGE 0xE301
#define AFX_ID_PREVIEW_NEXT 0xE302
#define AFX_ID_PREVIEW_PREV 0xE303
#define AFX_ID_PREVIEW_PRINT 0xE304
#define AFX_ID_PREVIEW_ZOOMIN 0xE305
#define AFX_ID_PREVIEW_ZOOMOUT 0xE306
// The printed view's child id while the preview holds the frame's pane.
#define AFX_IDW_PANE_SAVE 0xEA21

class CPreviewView : public CView {
    DECLARE_DYNAMIC(CPreviewView)
    DECLARE_MESSAGE_MAP(CPreviewView)
public:
    // Opens the preview of pView in its frame. FALSE when the view has nothing
    // to show (its OnPreparePrinting said FALSE) or the window could not be made.
    static BOOL Open(CView* pView);

    // Ends the job (the printed view's OnEndPrinting), gives the frame back its
    // view and destroys the preview.
    void Close();

    CView* GetPrintView() const { return m_pPrintView; }
    CPageJob& Job() { return *m_job; }
    // The first page shown, the page count, the pages shown side by side (1 or 2).
    UINT GetCurrentPage() const { return m_nCurrentPage; }
    UINT GetPageCount() const;
    UINT GetShownPages() const { return m_nZoom == 0 ? m_nPages : 1; }
    // 0: whole pages; 1: one page as wide as the window; 2: twice that.
    int GetZoom() const { return m_nZoom; }
    // The text of the page indicator ("1 / 5 ページ").
    CString GetPageText() const;

    void OnDraw(CDC* pDC) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    ~CPreviewView() override;

    // The buttons' commands.
    void OnNextPage();
    void OnPrevPage();
    void OnNumPageChange();
    void OnZoomIn();
    void OnZoomOut();
    void OnPreviewPrint();
    void OnPreviewClose();

protected:
    CPreviewView() = default;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    void OnUpdateNextPage(CCmdUI* pCmdUI);
    void OnUpdatePrevPage(CCmdUI* pCmdUI);
    void OnUpdateZoomIn(CCmdUI* pCmdUI);
    void OnUpdateZoomOut(CCmdUI* pCmdUI);
    void OnUpdateNumPage(CCmdUI* pCmdUI);
    LRESULT OnCloseLater(WPARAM wParam, LPARAM lParam);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class CView;
    // The printed view's window is going (the frame closes): the job ends now.
    void OnPrintViewDestroyed();
    void RestorePrintView();

    // The page area (below the buttons) and where each shown page lies in it,
    // scroll position applied.
    CRect PageArea() const;
    CSize PageSizeOnScreen() const;
    CRect PageRect(UINT nIndex) const;
    void UpdateScrollBars();
    void ScrollTo(CPoint position);
    void UpdateButtons();
    void ShowPage(UINT nPage);
    HENHMETAFILE PageMetafile(UINT nPage);

    CView* m_pPrintView = nullptr;
    CFrameWnd* m_pFrame = nullptr;
    std::unique_ptr<CPageJob> m_job;
    std::map<UINT, CPageMetafile> m_pages;
    PrintPageGeometry m_geometry;
    UINT m_nCurrentPage = 1;
    UINT m_nPages = 1;
    int m_nZoom = 0;
    CPoint m_scroll;
    bool m_bClosing = false;
    CFont m_font;
    CWnd m_buttons[7];
    CWnd m_pageText;
};

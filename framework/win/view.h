// CView: a window that shows a document inside a frame. The frame creates it
// from its run-time class with a CCreateContext naming the document; the view
// joins the document's views and leaves them when its window is destroyed.
// OnDraw paints it: on the screen through WM_PAINT, and on a page through the
// printing entry points below.
#pragma once

#include "wnd.h"

class CDocument;
class CFrameWnd;
class CPreviewView;
struct CPrintInfo;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
    DECLARE_MESSAGE_MAP(CView)
public:
    CDocument* GetDocument() const { return m_pDocument; }

    // Once, after the document is ready; the default calls OnUpdate(nullptr, 0, nullptr).
    virtual void OnInitialUpdate();
    // The document changed (UpdateAllViews); the default repaints the view.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnDraw(CDC* pDC) = 0;
    // Sets up the device context before OnDraw (scroll origin, mapping mode).
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    // The view became the frame's active view (or stopped being it).
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);

    // Printing (print_job.h): the view prepares (page count, then
    // DoPreparePrinting; FALSE: nothing is printed), begins on the printing
    // context, prints each page onto the context it is given (a printer's, or
    // a page recorder's for the preview) and ends. OnEndPrinting follows every
    // OnPreparePrinting, also when the job was cancelled before it began.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);

    // ID_FILE_PRINT (the print dialog) and ID_FILE_PRINT_DIRECT (the default
    // printer, all pages), for a view's message table.
    void OnFilePrint();
    // ID_FILE_PRINT_PREVIEW: the preview inside the frame (print_preview.h).
    void OnFilePrintPreview();

    // The frame shows another view in this one's place: this view leaves its
    // frame and document at once, as a destroyed view does, and is hidden; from
    // then on its window only waits, handling none of its messages, until the
    // frame destroys it while the program is idle. Destroying a form of many
    // controls takes long enough to delay the next view's first paint.
    void Retire();
    bool IsRetired() const { return m_bRetired; }

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Views live on the heap and go with their window.
    void PostNcDestroy() override;
    ~CView() override;

protected:
    // The printer of the job: the print dialog when printing with it; the kept
    // (or default) printer without a dialog for direct printing and preview.
    // Without any printer, printing says so and answers FALSE; the preview
    // answers TRUE and draws on an A4 stand-in page. FALSE also when the
    // dialog was cancelled.
    BOOL DoPreparePrinting(CPrintInfo* pInfo);

    // The view is about to leave its document for good, retired or destroyed,
    // and still has it: what it holds open in the document is given up here.
    virtual void OnLeaving() {}
    // What the view draws after OnDraw, on the screen and for WM_PRINTCLIENT (a
    // form view's labels, under its controls); nothing here.
    virtual void OnDrawLabels(CDC*) {}

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaint();
    LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);
    // WM_PRINTCLIENT: OnDraw and OnDrawLabels onto the context given (PrintWindow,
    // window pictures, the themed controls' parent background).
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);

    CDocument* m_pDocument = nullptr;

private:
    friend class CDocument;
    friend class CPreviewView;
    // The preview showing this view's pages, while one is open.
    CPreviewView* m_pPreview = nullptr;
    bool m_bRetired = false;
    // Retired, or the window is being destroyed: it stops being the active view and leaves its document.
    void LeaveFrameAndDocument();
};

// The framework's printing path for a view.
//
// Printing (AfxPrintView, behind CView::OnFilePrint): the view's
// OnPreparePrinting (which shows the print dialog through DoPreparePrinting),
// OnBeginPrinting on the printer's context, then for each page of the range
// OnPrepareDC and OnPrint between StartPage and EndPage, and OnEndPrinting.
// A small window shows the page being printed and cancels the job.
//
// Preview and tests (CPageJob): the same preparation without a dialog, then any
// page drawn on request into a metafile of the printer's page (or of an A4
// stand-in page when there is no printer), by the same OnPrepareDC and OnPrint.
//
// Whatever way a job ends (cancelled dialog, nothing to print, a failed start,
// the person's cancel, an error, the preview closed), the view's OnEndPrinting
// is called once for every OnPreparePrinting, so that what a view changed for
// printing is always given back. Before the job has a printing context it gets
// a context without handle (GetSafeHdc() null, IsPrinting() TRUE).
#pragma once

#include "../cstring.h"
#include "dc.h"
#include "print_info.h"
#include "print_page.h"

#include <memory>

class CView;

class CPageJob {
public:
    // A preview job for view (m_bPreview set).
    explicit CPageJob(CView* pView);
    // Ends the job (OnEndPrinting) when it is still open.
    ~CPageJob();
    CPageJob(const CPageJob&) = delete;
    CPageJob& operator=(const CPageJob&) = delete;

    // OnPreparePrinting, then OnBeginPrinting on the printer's context (or a
    // stand-in page's); FALSE when the view has nothing to show (the job is ended).
    BOOL Begin();
    // OnEndPrinting once; nothing when the job never began or has ended.
    void End();

    CPrintInfo& Info() { return m_info; }
    CView* View() const { return m_pView; }
    BOOL HasPrinter() const { return m_bHasPrinter; }
    // The page as the printer's settings are now (after the view's ResetPaper).
    PrintPageGeometry Geometry() const;
    // Page nPage drawn by the view into a new metafile; empty when it could not be made.
    CPageMetafile RenderPage(UINT nPage);

private:
    CView* m_pView;
    CPrintInfo m_info;
    // The printer's context, or a stand-in page recorder when there is no printer.
    CDC m_dc;
    HDC m_hStandIn = nullptr;
    BOOL m_bHasPrinter = FALSE;
    bool m_bPrepared = false;
    bool m_bEnded = false;
};

// Prints the view: through the print dialog, or straight to the default
// printer with bDirect. Shows why when no printer exists or the job fails.
void AfxPrintView(CView* pView, BOOL bDirect);

// The small window of a running print job (null when none runs); a click on its
// IDCANCEL button cancels the job after the page being printed.
HWND AfxGetPrintStatusWindow();

// The text shown when a print job could not be started or failed on the way.
extern const char* const AfxPrintFailedText;

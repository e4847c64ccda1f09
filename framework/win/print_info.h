// CPrintInfo: one print or preview job, from the view's OnPreparePrinting to
// its OnEndPrinting: the page range, the page being drawn, whether it is a
// preview or a print without dialog, and the job's print dialog with its own
// copy of the printer's settings.
#pragma once

#include "../cstring.h"
#include "../geometry.h"

#include "windows_api.h"

class CDC;
class CPrintDialog;

struct CPrintInfo {
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    // The pages the job has (1 to 0xFFFF until the view says; a view sets the last).
    void SetMinPage(UINT nMinPage);
    void SetMaxPage(UINT nMaxPage);
    UINT GetMinPage() const;
    UINT GetMaxPage() const;
    // The pages to print: the range chosen in the print dialog, else all pages.
    UINT GetFromPage() const;
    UINT GetToPage() const;

    // Sets the paper size (DMPAPER_A4 ...) and orientation (DMORIENT_PORTRAIT,
    // DMORIENT_LANDSCAPE) of the job's printer settings and resets the printing
    // context with them; only those two fields change. Without a printer there
    // are no settings: nothing is reset (FALSE), and the preview's stand-in
    // page takes the orientation.
    BOOL ResetPaper(CDC* pDC, short paperSize, short orientation);

    CPrintDialog* m_pPD;
    // Printing without the dialog (ID_FILE_PRINT_DIRECT): the default printer, all pages.
    BOOL m_bDirect = FALSE;
    // The job draws pages for the print preview.
    BOOL m_bPreview = FALSE;
    // OnPrepareDC may clear it to end the job before the current page.
    BOOL m_bContinuePrinting = TRUE;
    // The page being drawn (1 for the first).
    UINT m_nCurPage = 1;
    // Pages shown side by side in the preview (1 or 2).
    UINT m_nNumPreviewPages = 1;
    // The page's area in logical units, set before each OnPrint.
    CRect m_rectDraw;
    // What the view keeps for the job.
    LPVOID m_lpUserData = nullptr;
    // The orientation of the preview's stand-in A4 page when there is no printer.
    short m_nStandInOrientation = DMORIENT_PORTRAIT;
};

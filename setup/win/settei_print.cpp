// The dictionary editor's printout: the whole dictionary as the tree diagram
// "項目の階層図" on A4 portrait pages, laid out by dictionary_print_plan.
#include "settei.h"

#include "../../framework/win/dc.h"
#include "../../framework/win/page_plan_drawer.h"
#include "../../framework/win/print_info.h"
#include "../../framework/win/print_page.h"

int settei::PlanPrintPages(int printableHeight)
{
    m_arrPrintLines = dict_print::LayoutPrintLines(GetDocument()->m_arrDictionary);
    m_arrPages = dict_print::PlanPages(m_arrPrintLines, dict_print::RowsForHeight(printableHeight));
    return static_cast<int>(m_arrPages.size());
}

BOOL settei::OnPreparePrinting(CPrintInfo* pInfo)
{
    // The pages of an A4 sheet printable to its edges; the printer's own
    // printable height replaces it once its context is known.
    const int pages = PlanPrintPages(StandInA4Page(DMORIENT_PORTRAIT).printable.Height() / 10);
    pInfo->SetMaxPage(static_cast<UINT>(pages > 0 ? pages : 1));
    return DoPreparePrinting(pInfo);
}

void settei::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    pInfo->ResetPaper(pDC, DMPAPER_A4, DMORIENT_PORTRAIT);
    if (!pInfo->m_bPreview && pDC->GetDeviceCaps(TECHNOLOGY) == DT_RASPRINTER) {
        // The printer's printable height in the tenths of a millimetre the pages are drawn in.
        const int pages = PlanPrintPages(PageGeometryOfPrinter(pDC->GetSafeHdc()).printable.Height() / 10);
        pInfo->SetMaxPage(static_cast<UINT>(pages > 0 ? pages : 1));
    }
    CBookFormView::OnBeginPrinting(pDC, pInfo);
}

void settei::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    PrintPage(pDC, static_cast<int>(pInfo->m_nCurPage));
}

void settei::PrintPage(CDC* pDC, int pageNo)
{
    DrawPagePlan(pDC, dict_print::PlanPrintPage(GetDocument()->m_arrDictionary, m_arrPrintLines, m_arrPages, pageNo));
}

#include "print_info.h"

#include "dc.h"
#include "print_dialog.h"

CPrintInfo::CPrintInfo()
    : m_pPD(new CPrintDialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION))
{
    // The job's printer handles are copies made for it (CView::DoPreparePrinting).
    m_pPD->TakeOwnership();
    SetMinPage(1);
    SetMaxPage(0xFFFF);
}

CPrintInfo::~CPrintInfo()
{
    delete m_pPD;
}

void CPrintInfo::SetMinPage(UINT nMinPage) { m_pPD->m_pd.nMinPage = static_cast<WORD>(nMinPage); }
void CPrintInfo::SetMaxPage(UINT nMaxPage) { m_pPD->m_pd.nMaxPage = static_cast<WORD>(nMaxPage); }
UINT CPrintInfo::GetMinPage() const { return m_pPD->m_pd.nMinPage; }
UINT CPrintInfo::GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }

UINT CPrintInfo::GetFromPage() const
{
    return m_pPD->PrintRange() ? m_pPD->m_pd.nFromPage : GetMinPage();
}

UINT CPrintInfo::GetToPage() const
{
    return m_pPD->PrintRange() ? m_pPD->m_pd.nToPage : GetMaxPage();
}

BOOL CPrintInfo::ResetPaper(CDC* pDC, short paperSize, short orientation)
{
    LPDEVMODEW mode = m_pPD->GetDevMode();
    if (!mode) {
        m_nStandInOrientation = orientation;
        return FALSE;
    }
    mode->dmPaperSize = paperSize;
    mode->dmOrientation = orientation;
    return pDC && pDC->ResetDC(mode);
}

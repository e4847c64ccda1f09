#include "book_form_view.h"

IMPLEMENT_DYNAMIC(CBookFormView, CFormView)

void CBookFormView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    CMyDoc* document = GetDocument();
    document->m_nCurBook = m_kind.bookCode;
    document->m_menuState.ShowRole(m_kind.menuRole);
}

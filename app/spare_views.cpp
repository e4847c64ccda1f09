#include "spare_views.h"

#include "book_views.h"

#include "../core/win/book_form_view.h"
#include "../framework/win/create_context.h"
#include "../framework/win/frame_wnd.h"
#include "../framework/win/view.h"

namespace {

// A spare waits under an id of its own: the frame's pane id belongs to the view shown.
constexpr unsigned int kSpareIdOffset = 0x100;

}  // namespace

bool SpareViews::MakeOne(CFrameWnd* frame)
{
    for (const BookView& book : BookViews()) {
        if (Has(book.viewClass))
            continue;
        CCreateContext context;
        context.m_pNewViewClass = book.viewClass;
        CWnd* made = frame->CreateView(&context, book.commandId + kSpareIdOffset);
        if (!made)
            return false;  // tried; the next idle time after a message tries again
        made->ShowWindow(SW_HIDE);
        // Made at the pane's size, so that taking it resizes nothing.
        CRect pane;
        frame->GetClientRect(&pane);
        made->SetWindowPos(nullptr, 0, 0, pane.Width(), pane.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        // And laid out for the rows of the open document, so that the switch only fills it.
        auto* form = dynamic_cast<CBookFormView*>(made);
        auto* document = dynamic_cast<CMyDoc*>(frame->GetActiveDocument());
        if (form && document)
            form->PrepareLayout(document->m_nRowHeight);
        m_views[book.viewClass] = static_cast<CView*>(made);
        return true;
    }
    return false;
}

CView* SpareViews::Take(const CRuntimeClass* viewClass)
{
    auto found = m_views.find(viewClass);
    if (found == m_views.end())
        return nullptr;
    CView* view = found->second;
    m_views.erase(found);
    return view;
}

bool SpareViews::Has(const CRuntimeClass* viewClass) const
{
    return m_views.count(viewClass) != 0;
}

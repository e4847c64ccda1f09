// CBookFormView: what the form views of the books, the statements and the
// dictionary do on their initial update: set the document's current-book word and
// the menu commands that concern them. The journal view sets its own (it also
// keeps the previous book and leaves the menu alone after a failed set-up).
#pragma once

#include "book_codes.h"
#include "my_doc.h"

#include "../framework/win/form_view.h"

// Enables and greys the commands of the main window's menu for a view of that role.
void ApplyBookMenuState(BookMenuRole role);

class CBookFormView : public CFormView {
    DECLARE_DYNAMIC(CBookFormView)
public:
    CMyDoc* GetDocument() const { return static_cast<CMyDoc*>(m_pDocument); }
    // Sets the book code and the menu state that the book table gives the view's class.
    void OnInitialUpdate() override;

protected:
    explicit CBookFormView(UINT templateId) : CFormView(templateId) {}
};

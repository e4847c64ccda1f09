// CBookFormView: what the form views of the books, the statements and the
// dictionary do on their initial update: set the document's current-book word and
// the menu role of the book shown. Each view says both when it is constructed.
// The journal view sets its own (it also keeps the previous book and leaves the
// menu role alone after a failed set-up).
#pragma once

#include "../book_codes.h"
#include "../menu_state.h"
#include "my_doc.h"

#include "../../framework/win/form_view.h"

// What a form view is to the rest of the program: the book code it writes into
// the document's current-book word and the role it gives the main window's menu.
struct BookFormKind {
    BookCode bookCode;
    BookMenuRole menuRole;
};

class CBookFormView : public CFormView {
    DECLARE_DYNAMIC(CBookFormView)
public:
    CMyDoc* GetDocument() const { return static_cast<CMyDoc*>(m_pDocument); }
    // Sets the book code and the menu role the view was constructed with.
    void OnInitialUpdate() override;
    // The part of the first update that needs nothing of the document but the
    // height of its list rows, done ahead on a form made while the program is
    // idle, so that the switch that shows it has less to do; none by default.
    virtual void PrepareLayout(int /*rowHeight*/) {}
    const BookFormKind& Kind() const { return m_kind; }

protected:
    CBookFormView(UINT templateId, BookFormKind kind) : CFormView(templateId), m_kind(kind) {}

private:
    const BookFormKind m_kind;
};

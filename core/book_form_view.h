// CBookFormView: what the form views of the books, the statements and the
// dictionary do on their initial update: set the document's current-book word and
// the menu commands that concern them. The journal view sets its own (it also
// keeps the previous book and leaves the menu alone after a failed set-up).
#pragma once

#include "my_doc.h"

#include "../framework/win/form_view.h"

// Which commands a view enables and greys in the main window's menu.
enum class BookMenuRole {
    Journal,        // journal commands and input aids on, the all-accounts ledger print off
    GeneralLedger,  // journal commands and input aids off, the all-accounts ledger print on
    OtherBook,      // journal commands, input aids, partners and the ledger print all off
};

// Enables and greys the commands of the main window's menu for a view of that role.
void ApplyBookMenuState(BookMenuRole role);

class CBookFormView : public CFormView {
    DECLARE_DYNAMIC(CBookFormView)
public:
    CMyDoc* GetDocument() const { return static_cast<CMyDoc*>(m_pDocument); }
    void OnInitialUpdate() override;

protected:
    CBookFormView(UINT templateId, int bookCode, BookMenuRole role)
        : CFormView(templateId), m_nBookCode(bookCode), m_menuRole(role) {}

private:
    int m_nBookCode;
    BookMenuRole m_menuRole;
};

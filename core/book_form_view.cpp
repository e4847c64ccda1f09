#include "book_form_view.h"

#include "../app/book_views.h"

#include "../framework/win/menu.h"
#include "../framework/win/win_app.h"
#include "../resources/resource.h"

#include <initializer_list>

namespace {

const std::initializer_list<UINT> kJournalCommands = {
    ID_EDIT_CUT_LINE, ID_EDIT_COPY_LINE, ID_EDIT_PASTE_INSERT, ID_EDIT_PASTE_END, ID_SORT_BY_DATE,
    ID_OPENING_BALANCE, ID_INVENTORY, ID_BAD_DEBT_ALLOWANCE, ID_KEYWORD_SEARCH,
};
const std::initializer_list<UINT> kLedgerPrintCommands = {ID_LEDGER_PRINT_ALL, ID_LEDGER_PRINT_ALL_PREVIEW};

void SetCommands(CMenu* menu, std::initializer_list<UINT> ids, UINT state)
{
    for (UINT id : ids)
        menu->EnableMenuItem(id, MF_BYCOMMAND | state);
}

}  // namespace

void ApplyBookMenuState(BookMenuRole role)
{
    CWnd* mainWindow = AfxGetMainWnd();
    CMenu* menu = mainWindow ? mainWindow->GetMenu() : nullptr;
    if (!menu)
        return;
    switch (role) {
    case BookMenuRole::Journal:
        SetCommands(menu, kLedgerPrintCommands, MF_GRAYED);
        SetCommands(menu, kJournalCommands, MF_ENABLED);
        SetCommands(menu, {ID_TRADING_PARTNERS}, MF_ENABLED);
        break;
    case BookMenuRole::GeneralLedger:
        SetCommands(menu, kLedgerPrintCommands, MF_ENABLED);
        SetCommands(menu, kJournalCommands, MF_GRAYED);
        break;
    case BookMenuRole::OtherBook:
        SetCommands(menu, kLedgerPrintCommands, MF_GRAYED);
        SetCommands(menu, kJournalCommands, MF_GRAYED);
        SetCommands(menu, {ID_TRADING_PARTNERS}, MF_GRAYED);
        break;
    }
}

IMPLEMENT_DYNAMIC(CBookFormView, CFormView)

void CBookFormView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    const BookView* book = FindBookViewOfClass(GetRuntimeClass());
    if (!book)
        return;
    GetDocument()->m_nCurBook = book->bookCode;
    ApplyBookMenuState(book->menuRole);
}

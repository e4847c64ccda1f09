#include "menu_state.h"

#include "../resources/resource.h"

#include <algorithm>
#include <initializer_list>

namespace {

bool OneOf(unsigned int command, std::initializer_list<unsigned int> commands)
{
    return std::find(commands.begin(), commands.end(), command) != commands.end();
}

bool IsJournalLineCommand(unsigned int command)
{
    return OneOf(command, {ID_EDIT_CUT_LINE, ID_EDIT_COPY_LINE, ID_EDIT_PASTE_INSERT, ID_EDIT_PASTE_END,
                           ID_SORT_BY_DATE});
}

bool IsJournalAid(unsigned int command)
{
    return OneOf(command, {ID_OPENING_BALANCE, ID_INVENTORY, ID_BAD_DEBT_ALLOWANCE, ID_KEYWORD_SEARCH});
}

bool IsBookCommand(unsigned int command)
{
    return OneOf(command, {ID_VIEW_SIWAKE, ID_VIEW_KANJYO, ID_VIEW_KINSEN, ID_VIEW_KEIHI, ID_VIEW_URIAGE,
                           ID_VIEW_SIIRE, ID_VIEW_KESSAN, ID_VIEW_SETTEI});
}

bool IsLedgerPrintAll(unsigned int command)
{
    return command == ID_LEDGER_PRINT_ALL || command == ID_LEDGER_PRINT_ALL_PREVIEW;
}

}  // namespace

void MenuState::ShowRole(BookMenuRole role)
{
    m_role = role;
    if (role == BookMenuRole::Journal)
        m_tradingPartners = true;
    else if (role == BookMenuRole::OtherBook)
        m_tradingPartners = false;
}

std::optional<bool> MenuState::Enabled(unsigned int command) const
{
    const bool journal = m_role == BookMenuRole::Journal;
    if (IsJournalLineCommand(command))
        return journal && !m_insertionPending;
    if (IsJournalAid(command))
        return journal && !m_insertionPending && !m_hintDialogOpen;
    if (command == ID_TRADING_PARTNERS)
        return m_tradingPartners && !m_insertionPending && !m_hintDialogOpen;
    if (IsBookCommand(command))
        return !m_insertionPending && !m_hintDialogOpen;
    if (IsLedgerPrintAll(command))
        return m_role == BookMenuRole::GeneralLedger;
    return std::nullopt;
}

// The menu state: which commands each role of the book shown turns on, and what
// a pending insertion and the open hint dialog hold back, whatever the role.
#include "core/menu_state.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace {

const std::vector<unsigned int> kLineCommands = {ID_EDIT_CUT_LINE, ID_EDIT_COPY_LINE, ID_EDIT_PASTE_INSERT,
                                                 ID_EDIT_PASTE_END, ID_SORT_BY_DATE};
const std::vector<unsigned int> kAids = {ID_OPENING_BALANCE, ID_INVENTORY, ID_BAD_DEBT_ALLOWANCE, ID_KEYWORD_SEARCH};
const std::vector<unsigned int> kBooks = {ID_VIEW_SIWAKE, ID_VIEW_KANJYO, ID_VIEW_KINSEN, ID_VIEW_KEIHI,
                                          ID_VIEW_URIAGE, ID_VIEW_SIIRE,  ID_VIEW_KESSAN, ID_VIEW_SETTEI};
const std::vector<unsigned int> kLedgerPrint = {ID_LEDGER_PRINT_ALL, ID_LEDGER_PRINT_ALL_PREVIEW};

struct Expected {
    bool lines, aids, partners, books, ledgerPrint;
};

void ExpectState(const MenuState& state, const Expected& e)
{
    for (unsigned int id : kLineCommands)
        EXPECT_EQ(std::optional<bool>(e.lines), state.Enabled(id)) << id;
    for (unsigned int id : kAids)
        EXPECT_EQ(std::optional<bool>(e.aids), state.Enabled(id)) << id;
    EXPECT_EQ(std::optional<bool>(e.partners), state.Enabled(ID_TRADING_PARTNERS));
    for (unsigned int id : kBooks)
        EXPECT_EQ(std::optional<bool>(e.books), state.Enabled(id)) << id;
    for (unsigned int id : kLedgerPrint)
        EXPECT_EQ(std::optional<bool>(e.ledgerPrint), state.Enabled(id)) << id;
}

TEST(MenuStateTest, EachRoleTurnsOnItsCommands)
{
    struct Case {
        const char* name;
        std::vector<BookMenuRole> shown;  // the roles shown one after the other
        Expected expected;
    } cases[] = {
        {"the program's start", {}, {true, true, true, true, false}},
        {"journal", {BookMenuRole::Journal}, {true, true, true, true, false}},
        {"general ledger after the journal", {BookMenuRole::Journal, BookMenuRole::GeneralLedger},
         {false, false, true, true, true}},
        {"general ledger after another book", {BookMenuRole::OtherBook, BookMenuRole::GeneralLedger},
         {false, false, false, true, true}},
        {"another book", {BookMenuRole::Journal, BookMenuRole::OtherBook}, {false, false, false, true, false}},
        {"journal again", {BookMenuRole::OtherBook, BookMenuRole::Journal}, {true, true, true, true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MenuState state;
        for (BookMenuRole role : c.shown)
            state.ShowRole(role);
        ExpectState(state, c.expected);
    }
}

TEST(MenuStateTest, AnInsertionAndTheHintDialogHoldBackWhatWaitsForThem)
{
    struct Case {
        const char* name;
        bool insertion;
        bool hint;
        Expected expected;
    } cases[] = {
        {"neither", false, false, {true, true, true, true, false}},
        {"pending insertion", true, false, {false, false, false, false, false}},
        {"hint dialog open", false, true, {true, false, false, false, false}},
        {"both", true, true, {false, false, false, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MenuState state;
        state.ShowRole(BookMenuRole::Journal);
        state.SetInsertionPending(c.insertion);
        state.SetHintDialogOpen(c.hint);
        ExpectState(state, c.expected);
        // Ending them gives the journal everything back.
        state.SetInsertionPending(false);
        state.SetHintDialogOpen(false);
        ExpectState(state, {true, true, true, true, false});
    }
}

TEST(MenuStateTest, LeavesOtherCommandsToTheirHandlers)
{
    MenuState state;
    state.SetInsertionPending(true);
    state.SetHintDialogOpen(true);
    for (unsigned int id : std::initializer_list<unsigned int>{ID_FILE_SAVE_CSV1, ID_FILE_OPEN_CSV, ID_HINT_SHOW,
                                                                ID_HINT_CLOSE, ID_HELP_TERMS, ID_FILE_COPY, 0})
        EXPECT_FALSE(state.Enabled(id).has_value()) << id;
}

}  // namespace

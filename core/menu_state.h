// MenuState: what decides which commands of the main window's menu are on: the
// role of the book shown, an insertion pending in the journal and the input-hint
// dialog being open. The views and the frame set it; the frame's update handlers
// read it whenever a menu opens or a command arrives, so that nobody writes the
// state of a menu item directly and nothing needs saving and restoring.
#pragma once

#include <optional>

// Which commands a book view turns on in the main window's menu.
enum class BookMenuRole {
    Journal,        // journal commands and input aids on, the all-accounts ledger print off
    GeneralLedger,  // journal commands and input aids off, the all-accounts ledger print on
    OtherBook,      // journal commands, input aids, partners and the ledger print all off
};

class MenuState {
public:
    // The role of the view now shown. The general ledger leaves the trading
    // partners command as the view before it had it.
    void ShowRole(BookMenuRole role);
    BookMenuRole Role() const { return m_role; }

    // An insertion row is being edited in the journal: the journal's line
    // commands, the book commands, the input aids and the search wait for it.
    void SetInsertionPending(bool pending) { m_insertionPending = pending; }
    bool InsertionPending() const { return m_insertionPending; }

    // The input-hint dialog is open: the book commands, the input aids and the
    // search wait for it to close.
    void SetHintDialogOpen(bool open) { m_hintDialogOpen = open; }
    bool HintDialogOpen() const { return m_hintDialogOpen; }

    // Whether the command is on; no value for a command this state leaves to
    // its handlers.
    std::optional<bool> Enabled(unsigned int command) const;

private:
    // The program opens on the journal, as the menu's template holds it.
    BookMenuRole m_role = BookMenuRole::Journal;
    bool m_tradingPartners = true;
    bool m_insertionPending = false;
    bool m_hintDialogOpen = false;
};

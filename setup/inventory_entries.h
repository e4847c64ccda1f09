// The closing-inventory aid without windows: how the journal's inventory entries
// and purchases are recognised, and how the entries are written, changed or
// removed for the figures that the dialog hands over.
#pragma once

#include "../core/journal_array.h"
#include "../core/my_object2.h"
#include "../framework/arrays.h"
#include "../framework/cstring.h"

#include <array>

// Slots of the aid: 0 the opening inventory, 1 the transfer to purchases, 2 the
// closing inventory.
enum InventorySlot : int { kInventoryOpening = 0, kInventoryTransfer = 1, kInventoryClosing = 2 };

struct InventoryFigures {
    std::array<CString, 3> total{"0", "0", "0"};  // the sum of every matching entry
    std::array<int, 3> entry{-1, -1, -1};         // the last matching entry
    // The sum of the matching entries other than the last: when the figure is
    // changed, the last entry is written as the new figure less these.
    std::array<CString, 3> others{"0", "0", "0"};
    CString purchases = "0";
};

InventoryFigures RecognizeInventory(const JournalArray& journal);

// What the dialog hands over: the entry of each slot and its figure.
struct InventoryHandOver {
    std::array<int, 3> entry{-1, -1, -1};
    std::array<CString, 3> amount;
    std::array<CString, 3> others{"0", "0", "0"};
};

// The dialog's hand-over from the figures of its last recalculation: the
// transfer always carries the opening figure.
InventoryHandOver InventoryHandOverOf(const InventoryFigures& figures, const CString& opening, const CString& closing);

struct InventoryOutcome {
    bool changed = false;
    int currentEntry = 0;
};

// Writes the hand-over into the journal: the transfer, then the opening, then the
// closing inventory; year dates the new entries. currentEntry is the journal's
// current entry before; the outcome says the one after and whether anything changed.
InventoryOutcome ApplyInventory(JournalArray& journal, const InventoryHandOver& handOver, const CString& year,
                                int currentEntry);

// The text of an amount field read back into a figure: a field showing the "#"
// overflow keeps the figure it shows, since the text is not the amount.
CString AmountFromField(const CString& fieldText, const CString& figure);

// The journal view's edits of the journal array: a new entry at the end, the
// pending insertion confirmed, a change, a delete (and the delete of a cut) and
// the two pastes of the line clipboard. Each edit answers what the transaction
// list must redo (the list holds one line per entry, then the new-entry row) and
// where the selection and the document's current entry go; the view applies it.
#pragma once

#include "../core/journal_array.h"

#include <memory>
#include <optional>

// What the transaction list and the document do after an edit.
struct JournalEdit {
    enum class ListChange {
        None,     // the edit was refused: nothing changed
        Insert,   // a line for entry is put in at row
        Replace,  // the line at row gives way to the line of entry
        Remove,   // the line at row goes
    };
    ListChange change = ListChange::None;
    int row = -1;
    const CMyObject2* entry = nullptr;  // the entry whose line the list shows at row
    int select = -1;                    // the list row selected afterwards, -1 none
    std::optional<int> currentEntry;    // the document's current entry afterwards, when it moves

    bool Done() const { return change != ListChange::None; }
};

// A committed new sentence, added at the end; the new-entry row stays selected.
JournalEdit AddEntry(JournalArray& journal, std::unique_ptr<CMyObject2> entry);

// The pending insertion at row (0 to the journal's size) confirmed: the entry goes
// in at row and its line takes the place of the insertion's row.
JournalEdit InsertEntry(JournalArray& journal, int row, std::unique_ptr<CMyObject2> entry);

// The entry at row takes every field of changed.
JournalEdit ChangeEntry(JournalArray& journal, int row, const CMyObject2& changed);

// The entry at row is removed and deleted (a delete, or the delete of a cut).
JournalEdit DeleteEntry(JournalArray& journal, int row);

// A copy of the clipboard's entry put in at row (0 to the journal's size).
JournalEdit PasteEntry(JournalArray& journal, int row, const CMyObject2& clip);

// A copy of the clipboard's entry added at the end, and selected.
JournalEdit PasteEntryAtEnd(JournalArray& journal, const CMyObject2& clip);

#include "journal_edits.h"

#include <utility>

namespace {

bool IsEntryRow(const JournalArray& journal, int row)
{
    return row >= 0 && row < journal.GetSize();
}

// Rows where an entry may be put in: before any entry, or at the end.
bool IsInsertionRow(const JournalArray& journal, int row)
{
    return row >= 0 && row <= journal.GetSize();
}

std::unique_ptr<CMyObject2> CopyOf(const CMyObject2& entry)
{
    auto copy = std::make_unique<CMyObject2>();
    CopyEntryFields(entry, *copy);
    return copy;
}

JournalEdit Shown(JournalEdit::ListChange change, int row, const CMyObject2* entry, int select,
                  std::optional<int> currentEntry)
{
    JournalEdit edit;
    edit.change = change;
    edit.row = row;
    edit.entry = entry;
    edit.select = select;
    edit.currentEntry = currentEntry;
    return edit;
}

}  // namespace

JournalEdit AddEntry(JournalArray& journal, std::unique_ptr<CMyObject2> entry)
{
    if (!entry)
        return {};
    const CMyObject2* added = entry.get();
    const int index = journal.Add(entry.get());
    entry.release();
    return Shown(JournalEdit::ListChange::Insert, index, added, index + 1, index);
}

JournalEdit InsertEntry(JournalArray& journal, int row, std::unique_ptr<CMyObject2> entry)
{
    if (!entry || !IsInsertionRow(journal, row))
        return {};
    const CMyObject2* inserted = entry.get();
    journal.InsertAt(row, entry.get());
    entry.release();
    return Shown(JournalEdit::ListChange::Replace, row, inserted, row, row);
}

JournalEdit ChangeEntry(JournalArray& journal, int row, const CMyObject2& changed)
{
    if (!IsEntryRow(journal, row))
        return {};
    CMyObject2* entry = journal.GetAt(row);
    if (entry != &changed)
        CopyEntryFields(changed, *entry);
    return Shown(JournalEdit::ListChange::Replace, row, entry, row, std::nullopt);
}

JournalEdit DeleteEntry(JournalArray& journal, int row)
{
    if (!IsEntryRow(journal, row))
        return {};
    CMyObject2* entry = journal.GetAt(row);
    journal.RemoveAt(row);
    delete entry;
    return Shown(JournalEdit::ListChange::Remove, row, nullptr, -1, row - 1);
}

JournalEdit PasteEntry(JournalArray& journal, int row, const CMyObject2& clip)
{
    if (!IsInsertionRow(journal, row))
        return {};
    auto copy = CopyOf(clip);
    const CMyObject2* pasted = copy.get();
    journal.InsertAt(row, copy.get());
    copy.release();
    return Shown(JournalEdit::ListChange::Insert, row, pasted, row, row);
}

JournalEdit PasteEntryAtEnd(JournalArray& journal, const CMyObject2& clip)
{
    auto copy = CopyOf(clip);
    const CMyObject2* pasted = copy.get();
    const int index = journal.Add(copy.get());
    copy.release();
    return Shown(JournalEdit::ListChange::Insert, index, pasted, index, index);
}

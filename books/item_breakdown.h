// The item breakdown of a sale or purchase, kept in the entry's remark after the
// remark text: items of 84 bytes, each the marker "[]" followed by the product
// name (42 bytes), quantity (15), unit (6), unit price (15) and currency (4), each
// left-aligned and filled with blanks. An item's amount is never stored; it is
// quantity times unit price, computed exactly.
#pragma once

#include "../core/remark_items.h"
#include "../framework/cstring.h"

#include <array>
#include <vector>

constexpr int kItemNameWidth = 42;
constexpr int kItemQuantityWidth = 15;
constexpr int kItemUnitWidth = 6;
constexpr int kItemPriceWidth = 15;
constexpr int kItemCurrencyWidth = 4;

// One item as typed or as read back (trailing blanks removed).
struct SalesItem {
    CString name;
    CString quantity;
    CString unit;
    CString price;
    CString currency;
    bool operator==(const SalesItem&) const = default;
};

int CountItems(const CString& remark);
std::vector<SalesItem> ReadItems(const CString& remark);

// The 84 bytes of an item: fields cut on a character boundary and filled up.
CString BuildItem(const SalesItem& item);

// Why an item typed in the editor is refused, as the message shown to the user;
// empty when it is accepted. Name, quantity, unit and unit price must be filled
// (blanks count as filled, except in amounts); quantity and unit price must be
// amounts without a sign (amount_check.h), with any number of decimals, within
// their field.
CString ItemRefusal(const SalesItem& item);

// The editor's changes to a remark. Each returns false and leaves the remark as
// it is when the index is out of range (add has none); the caller checks the item
// with ItemRefusal first.
void AppendItem(CString& remark, const SalesItem& item);
bool ReplaceItem(CString& remark, int index, const SalesItem& item);
bool RemoveItem(CString& remark, int index);

// The five cells of an item's row in the breakdown list: name, quantity, " " and
// unit, unit price, amount; the numbers formatted and right-aligned.
std::array<CString, 5> ItemRowTexts(const SalesItem& item);

// Whether the book's editor may work on the document's current entry: it must be
// an entry that one of the book's own ledger lines shows.
bool IsOwnEntry(int currentEntry, const std::vector<int>& ledgerEntries);

// The messages of the editor, each with its leading half-width blank.
extern const char* const kNoItemSelectedMessage;

// The breakdown editor's state and commands, apart from its window: the entry the
// detail panel shows and the item last picked. Every command checks that the
// document's current entry is the entry shown and one of the book's own lines, and
// every index against the entry's items, so a pick made for another entry or
// another view is never applied.
class BreakdownEditor {
public:
    enum class Outcome {
        Done,         // the remark was changed
        Ignored,      // nothing to act on: no own entry shown, or an entry without items
        Refused,      // the typed item is refused; message says why
        NotSelected,  // change or delete with no item picked; message says so
    };
    struct Result {
        Outcome outcome = Outcome::Ignored;
        CString message;
    };

    // The panel shows another entry (-1 for none): the pick is forgotten.
    void ShowEntry(int entry);
    // A click on row k of the list (-1 beside the items); true when an item is picked.
    bool Pick(int k, const CString& remark);
    int ShownEntry() const { return m_entry; }
    int SelectedItem() const { return m_selected; }

    // remark is the current entry's remark; currentEntry the document's, ownLines the
    // journal index of each of the book's ledger lines.
    Result Add(CString& remark, int currentEntry, const std::vector<int>& ownLines, const SalesItem& item);
    Result Change(CString& remark, int currentEntry, const std::vector<int>& ownLines, const SalesItem& item);
    // After a delete nothing is picked.
    Result Delete(CString& remark, int currentEntry, const std::vector<int>& ownLines);

private:
    bool Owns(int currentEntry, const std::vector<int>& ownLines) const;

    int m_entry = -1;
    int m_selected = -1;
};

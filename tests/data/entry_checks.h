// The checks that the journal makes before it commits an entry typed into it,
// applied to a stored entry: every hint example and every entry of the sample
// journal must pass them as if the user had typed it, and must balance.
#pragma once

#include "shipped_data.h"

#include "core/my_object2.h"
#include "framework/cstring.h"

#include <array>
#include <string>
#include <vector>

// One account row of an entry.
struct EntryRow {
    bool cause;
    int number;  // 1 to 3
    const CString& account;
    const CString& amount;
    const CString& description;
};
std::array<EntryRow, 6> RowsOf(const CMyObject2& entry);
bool RowIsDebit(const CMyObject2& entry, const EntryRow& row);

// Whole yen without separators, as the samples are written; -1 for other text.
long long WholeYen(const CString& amount);

// Empty when the entry passes; otherwise one plain description per fault.
std::vector<std::string> EntryFaults(const CMyObject2& entry, const ShippedDictionary& dictionary);

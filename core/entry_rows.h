// The one numbering of an entry's six rows, for every floor: rows 0 to 2 are the
// cause rows, 3 to 5 the result rows, in the order of the class code's digits
// (class_code.h). The journal form counts the fields of each side 1 to 3 from the
// top (its active cause and result rows); RowOfField turns such a field into the
// entry's row.
#pragma once

#include "my_object2.h"

#include <cstddef>

constexpr int kEntryRows = 6;
constexpr bool IsCauseRow(int row)
{
    return row < 3;
}

constexpr int kCauseSide = 0;
constexpr int kResultSide = 1;

// The entry's row of field (1 to 3) on side (kCauseSide or kResultSide).
constexpr std::size_t RowOfField(int side, int field)
{
    return static_cast<std::size_t>(side * 3 + field - 1);
}

static_assert(RowOfField(kCauseSide, 1) == 0 && RowOfField(kCauseSide, 3) == 2);
static_assert(RowOfField(kResultSide, 1) == 3 && RowOfField(kResultSide, 3) == 5);

// The account, amount and description of row (0 to 5) of an entry.
const CString& RowAccount(const CMyObject2& entry, int row);
const CString& RowAmount(const CMyObject2& entry, int row);
const CString& RowDescription(const CMyObject2& entry, int row);

// Whether the row's amount stands on the debit side (entry_side.h).
bool EntryRowIsDebit(const CMyObject2& entry, int row);

// The one numbering of an entry's six rows in the journal view and its models:
// rows 0 to 2 are the cause rows, 3 to 5 the result rows, in the order of the
// class code's digits (class_code.h), of EntryForm and of the dictionary's check.
// The form counts the fields of each side 1 to 3 from the top (its active cause
// and result rows); EntryRow turns such a field into the entry's row.
#pragma once

#include <cstddef>

constexpr int kCauseSide = 0;
constexpr int kResultSide = 1;

// The entry's row of field (1 to 3) on side (kCauseSide or kResultSide).
constexpr std::size_t EntryRow(int side, int field)
{
    return static_cast<std::size_t>(side * 3 + field - 1);
}

static_assert(EntryRow(kCauseSide, 1) == 0 && EntryRow(kCauseSide, 3) == 2);
static_assert(EntryRow(kResultSide, 1) == 3 && EntryRow(kResultSide, 3) == 5);

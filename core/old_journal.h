// Turning the entries of an old journal file (whole-yen amounts) into journal entries.
#pragma once

#include "../framework/arrays.h"

// Appends to journal one new entry per old record, in order: amounts become their
// decimal text ("" for 0, a leading "-" when negative), everything else is copied.
void ConvertOldEntries(const CObArray& oldRecords, CObArray& journal);

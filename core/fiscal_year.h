// The fiscal year of a journal: the year of its first entry's date. Every book,
// statement, print and aid that dates or titles something by the year asks here.
#pragma once

#include "journal_array.h"

#include "../framework/cstring.h"

#include <vector>

// Whether text is a year of four digits.
bool IsYearText(const CString& text);

// The four digits that begin the first entry's date; empty for an empty journal
// or a first date that does not begin with a year.
CString FiscalYearOf(const CMyObject2* firstEntry);
CString FiscalYearOf(const JournalArray& journal);
CString FiscalYearOf(const std::vector<const CMyObject2*>& journal);

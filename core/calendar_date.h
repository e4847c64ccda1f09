// What the program takes for a date of a journal entry: a day of the calendar
// written "yyyy/mm/dd" (four-digit year, two-digit month and day), the form the
// journal stores and every book reads at fixed places. One check for the journal
// view, the record CSV import and the converter of the shipped files.
#pragma once

#include "../framework/cstring.h"

// Whether text is a day of the calendar in the stored form: no 2024/02/30, no
// 2023/02/29, no 2024/13/01, nothing before or after it.
bool IsCalendarDate(const CString& text);

// Why text is no date of an entry, as the message shown to the user; empty when
// it is one.
CString DateRefusal(const CString& text);

// The Japanese era year of a calendar (fiscal) year, as the printed covers and
// statements write it: "令和元" for 2019, "令和2" for 2020, "平成30" for 2018.
#pragma once

#include "../framework/cstring.h"

// The era name followed by the year within the era, "元" for its first year:
// 令和 from 2019 (year - 2018), 平成 from 1989 (year - 1988), 昭和 from 1926
// (year - 1925). A year before 1926 has no era text here: the answer is the
// calendar year itself ("1900"), so that no era year of 0 or below is printed.
CString EraYearText(int year);

// The year of a date or year text that starts with four digits ("2024/05/01",
// "2024"); 0 when it does not.
int YearOfText(const CString& text);

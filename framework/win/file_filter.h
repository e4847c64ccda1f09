// The filter text of a file dialog, "description|*.ext|description|*.ext||",
// cut at each "|" that is a character of its own: the second byte of a
// double-byte character (0x7C in some kanji) never cuts.
#pragma once

#include "../cstring.h"

#include <string>
#include <vector>

// The pieces between the bars, empty ones included.
std::vector<CString> SplitFileFilter(const CString& filter);

// The system's form: each piece in UTF-16 ended by a terminator, and one more
// terminator closing the list.
std::wstring FileFilterForSystem(const CString& filter);

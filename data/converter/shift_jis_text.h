// The UTF-8 text of the data sources turned into the Shift-JIS (code page 932)
// bytes that the program's files hold.
#pragma once

#include "framework/cstring.h"

#include <string>

// Throws std::runtime_error when a character has no Shift-JIS form.
CString ToShiftJis(const std::string& utf8);

// The UTF-8 text of Shift-JIS bytes, for the converter's own messages.
std::string FromShiftJis(const CString& text);

// Shift-JIS (code page 932) text as UTF-8, for the plain-text journal that the
// command-line accounting tool reads.
#pragma once

#include "framework/cstring.h"

#include <string>

// Throws std::runtime_error when the bytes are no Shift-JIS text.
std::string Utf8OfShiftJis(const CString& text);

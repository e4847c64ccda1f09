// Conversions between the program's Shift-JIS text and the UTF-16 text of the W
// functions, always with code page 932 whatever the system code page is.
#pragma once

#include "../cstring.h"

#include <string>

std::wstring ToWide(const CString& text);
std::wstring ToWide(LPCTSTR text);
CString FromWide(const wchar_t* text, int length = -1);
CString FromWide(const std::wstring& text);

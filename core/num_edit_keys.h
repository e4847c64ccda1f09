// The characters an amount field lets through: digits, the thousands comma and the
// decimal point, plus backspace and tab as typed keys. Shared by the numeric edit
// control's key filter and its handling of text composed by the input method.
#pragma once

#include "../framework/cstring.h"

// Whether a typed character (a WM_CHAR code) reaches the field.
bool IsAmountKey(unsigned int ch);

// text with every character removed that could not have been typed into an amount
// field: only "0" to "9", "," and "." stay; double-byte characters go whole.
CString AmountCharactersOnly(const CString& text);

// Edit fields measured in Shift-JIS bytes. The program's texts are Shift-JIS,
// where a kanji takes two bytes, but the edit fields hold UTF-16, where it takes
// one unit: text limits and selection positions are converted here so that a
// field "of 16 bytes" takes eight kanji or sixteen digits, as the program expects.
#pragma once

#include "windows_api.h"

#include <string>

namespace edit_bytes {

// Byte offset in the Shift-JIS form of text of the UTF-16 position index.
int ByteOffset(const std::wstring& text, int index);
// UTF-16 position of a Shift-JIS byte offset; an offset inside a double-byte
// character gives the position of that character. -1 stays -1.
int WideIndex(const std::wstring& text, int offset);
// Number of Shift-JIS bytes of text.
int ByteLength(const std::wstring& text);

// The text of a window as UTF-16.
std::wstring WindowText(HWND hWnd);

// Keeps the user from typing, pasting or composing more than limit bytes into
// the edit field edit: a character that does not fit is refused with a beep, a
// pasted or composed text is cut to what fits. Text set by the program is not
// limited. 0 removes the limit. The field's own character limit (EM_LIMITTEXT)
// is the caller's to set; the same number serves, since a character takes at
// least one byte.
void SetByteLimit(HWND edit, UINT limit);
// The byte limit of the field; 0 when none.
UINT GetByteLimit(HWND edit);

}  // namespace edit_bytes

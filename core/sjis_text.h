// Whole-character tests on Shift-JIS text: a search or a comparison that only
// counts matches starting and ending on character boundaries, so that the trail
// byte of one character and the lead byte of the next never pass for a third.
#pragma once

#include "../framework/cstring.h"

// The byte position of the first occurrence of sub in text that begins on a
// character boundary of text, or -1. An empty sub is found at 0.
int FindWholeChars(const CString& text, const CString& sub);
// Whether text contains sub as a run of whole characters.
bool ContainsWholeChars(const CString& text, const CString& sub);
// The first character of text (one or two bytes); empty for an empty text.
CString FirstChar(const CString& text);
// The last character of text; empty for an empty text.
CString LastChar(const CString& text);
// text without its first character.
CString AfterFirstChar(const CString& text);

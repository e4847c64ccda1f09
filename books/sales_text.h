// The column functions of the sales and purchases books: named variants of the
// core's FitToColumn and PadToWidth with the measuring and cutting these books use.
#pragma once

#include "../framework/cstring.h"

// A text cell (product name, partner, description) in a column of width + 1 bytes,
// measured as given (not trimmed); a "." in it changes nothing.
CString FitBookText(const CString& text, int width, int align);

// An amount cell in a column of width + 1 bytes, measured as given; an amount with
// a "." gets a column 3 bytes wider, so that the integer digits of amounts with and
// without two decimals stand in one column.
CString FitBookAmount(const CString& amount, int width, int align);

// A field of exactly width bytes, left-aligned and filled with blanks; a longer
// text is cut on a character boundary and filled with blanks, without a cut mark.
CString PadItemField(const CString& text, int width);

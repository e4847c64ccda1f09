// Fixed-width text columns counted in Shift-JIS bytes, never splitting a double-byte
// character, and the small text helpers the views build their lines with. Lines of
// lists and prints line up under a header in a fixed-pitch font, so every width here
// is a number of bytes.
#pragma once

#include "../framework/cstring.h"

// Alignment codes of FitToColumn and PadToWidth.
constexpr int kAlignLeft = -1;   // the text first, blanks after it
constexpr int kAlignCentre = 0;
constexpr int kAlignRight = 1;   // blanks first, the text after them

// The longest beginning of text of at most maxBytes bytes that ends on a whole
// character. A lead byte alone at the end is no character and is dropped; a text
// that is nothing but one lead byte comes back as it is when maxBytes allows a byte.
CString CutToBytes(const CString& text, int maxBytes);

// The decimal text of value ("%d").
CString IntToText(int value);

// How FitToColumn measures its text.
enum class ColumnFit {
    TrimFirst,      // blanks on the aligned side are removed first (left: leading, right: trailing)
    AsGiven,        // the text is measured as it is
    WidenForPoint,  // as given, and a text holding "." gets a column 3 bytes wider, so that
                    // amounts with and without two decimals keep their integer digits in line
};

// text in a column of width bytes plus one separating byte: width + 1 bytes.
// Too long: cut on a character boundary and filled up to width + 1 bytes with "."
// (".", ".." or "..."); the empty text when not even one character fits.
// Exactly width: one blank before a right-aligned text, after any other.
// Shorter by m: m + 1 blanks before (right) or after (left); centred, (m + 2) / 2
// blanks on each side, which makes width + 2 bytes when m is even (layouts count on
// it); any other alignment leaves a shorter text as it is.
CString FitToColumn(const CString& text, int width, int align, ColumnFit fit = ColumnFit::TrimFirst);

// What PadToWidth does with a text longer than the width.
enum class PadCut {
    MarkWithDots,    // the cut is filled up to width with "." or ".."
    FillWithBlanks,  // the cut is filled up to width with blanks, no mark
};

// text padded or cut to width bytes. Shorter by m: m blanks before (right) or after
// (left); centred, m / 2 blanks on each side, one byte short when m is odd; any other
// alignment leaves it as it is. Too long: cut on a character boundary and completed
// as `cut` says; with dots, the empty text when not even one character fits.
CString PadToWidth(const CString& text, int width, int align, PadCut cut = PadCut::MarkWithDots);

// text without the first occurrence of mark (whole characters only); unchanged
// when mark does not occur. The views pass the deletion mark "(消)".
CString RemoveMark(const CString& text, const CString& mark);

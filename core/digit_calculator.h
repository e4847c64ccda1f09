// Exact arithmetic on decimal texts of any length, digit by digit: the calculator
// that keeps every decimal its operands carry, and the digit-string routines under
// it, which the two-decimal amount arithmetic uses as well.
#pragma once

#include "../framework/cstring.h"

// first op second for op "+", "-" or "*".
// An operand may hold "," and " " anywhere (ignored) and "-" anywhere (every one is
// removed; the operand is negative when there was one), then digits with at most
// one "."; the empty text is zero.
// The result has no separators and no leading zeros ("0" for zero, "0." before a
// fraction below one), a "-" in front when it is negative and not zero, and keeps
// every decimal: a sum or difference as many as the longer fraction, a product as
// many as both fractions together. Nothing is rounded.
// The empty text comes back for an empty or unknown operator, for an operand that
// is not such a number (another character, a second "."), and for a product with an
// empty operand.
CString Calculate(const CString& first, const CString& second, const CString& op);

// first - second for op -1, first + second for any other op: Calculate with "-" or
// "+", for the callers that hold the operation as a number.
CString AddSubDecimals(const CString& first, const CString& second, int op);

// The exact signed product of two operand texts, as Calculate gives it for "*".
CString MultiplyDigits(const CString& first, const CString& second);

// Routines on digit strings (the characters "0" to "9" only). Two strings of
// different lengths are compared and combined as if the shorter had leading zeros.

// 1 when a is at least b, 2 when a is smaller.
int CompareDigits(const CString& a, const CString& b);

// a + b, as long as the longer operand, or one digit longer after a final carry.
CString AddDigits(const CString& a, const CString& b);

// a - b for direction 1, b - a for any other direction, as long as the longer
// operand, leading zeros kept. The caller makes sure the difference is not negative.
CString SubtractDigits(const CString& a, const CString& b, int direction);

// text lengthened with "0" to width characters: in front for side -1, at the end
// for side 1; any other side, and a text that is not shorter, leave it unchanged.
CString PadDigits(const CString& text, int width, int side);

// The exact product of two decimal amount texts, for the amount of a sales or
// purchases item (quantity times unit price) and the consumption tax of a printed
// breakdown (total times "0.05"). The digits are multiplied in groups of four and
// the partial products summed with the core's exact amount addition, so the
// product is exact for operands of any length.
#pragma once

#include "../framework/cstring.h"

// A text of n characters "0"; empty for n of 0 or less.
CString MakeZeros(int n);

// a times b. "," and " " are ignored; the decimal places of an operand are the
// characters after its first "."; every "." is then dropped. The result has no
// sign and no separators; with D = the sum of the decimal places it ends in "."
// and exactly D digits, and a zero integer part is left out (".05"); with D = 0 a
// zero product is "0". Nothing is rounded. Operands are never negative.
CString MultiplyDecimals(CString a, CString b);

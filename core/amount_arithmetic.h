// Sums and differences of amount text, the form in which the program holds money:
// an optional "-", integer digits, optionally "." and two decimals. Pure functions,
// exact for any number of digits.
//
// Reading an amount: "," and " " anywhere are dropped first; every "-" is removed and
// makes the amount negative; only the first two decimals count (cut, not rounded), a
// single decimal means tens of hundredths (".5" is fifty hundredths) and a bare "."
// is a fraction of zero; the empty text is zero. Text that is not an amount is read
// part by part from the leading digits of each part, so it yields some amount.
//
// The result form: digits without separators and without leading zeros ("0" for
// zero), "." and exactly two decimals when either operand had a "." (a bare one
// too), and "-" in front of a result below zero; a zero result is never negative.
#pragma once

#include "../framework/cstring.h"

// An amount split for the part-wise operations, separators and signs removed:
// high holds the integer digits in front of the last nine (empty for nine or
// fewer), low the last up to nine integer digits, fraction is empty without a "."
// and otherwise "." and up to two decimals (one decimal completed with "0").
struct AmountParts {
    bool negative = false;
    CString high;
    CString low;
    CString fraction;
};

AmountParts SplitAmount(const CString& amount);

// first + second for op 1, first - second for op -1; the empty text for any other op.
CString AddSubAmounts(const CString& first, const CString& second, int op);

// As AddSubAmounts, but two empty operands give the empty text: the statements keep
// an account that was never booked apart from one that sums to zero.
CString AddSubAmountsKeepingEmpty(const CString& first, const CString& second, int op);

// Part-wise operations on the magnitudes A and B of two split amounts. Each part is
// read from its leading digits (a part not beginning with a digit is 0); the
// fraction from its digits once the "." is removed.

// 1 when A is at least B, 2 when A is smaller.
int CompareAmountParts(const CString& highA, const CString& lowA, const CString& fractionA,
                       const CString& highB, const CString& lowB, const CString& fractionB);

// A + B in the result form, without a sign.
CString AddAmountParts(const CString& highA, const CString& lowA, const CString& fractionA,
                       const CString& highB, const CString& lowB, const CString& fractionB);

// A - B in the result form. Meant for A not smaller than B; should A be smaller,
// the difference comes back with a "-" rather than as a wrong magnitude.
CString SubtractAmountParts(const CString& highA, const CString& lowA, const CString& fractionA,
                            const CString& highB, const CString& lowB, const CString& fractionB);

// amount times count, as count additions of the amount to "0" would give it: two
// decimals exactly when the amount has a "." and count is at least 1; "0" for a
// count of 0 or less.
CString MultiplyAmountByCount(const CString& amount, int count);

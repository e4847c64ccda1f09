// What the program takes for an amount, for every field and file that brings one
// in: the journal's entry fields (typed or pasted), the input aids' balances, the
// cash book's opening cash, the items of a sale or purchase, the record CSV import
// and the converter of the shipped files. One check and one set of messages, so
// that a text refused in one place is refused, with the same words, everywhere.
//
// An amount text is digits with "," and blanks as separators in front of an
// optional "." and its decimals, and, where the field allows it, one "-" in front
// of the digits. Leading zeros do not count against the integer digits. A text of
// blanks only, or the empty text, is no amount: the field is empty.
#pragma once

#include "../framework/cstring.h"

struct AmountLimits {
    bool signAllowed = false;  // one "-" in front of the digits
    int integerDigits = 18;    // the most integer digits (leading zeros left out)
    int decimals = 2;          // the most decimals; -1 for any number
    int maxBytes = 0;          // the most bytes of the whole text; 0 for no such limit
    bool emptyAllowed = true;  // the empty text, or blanks only, passes as no amount
};

// The journal's amounts: a sign allowed (an opening balance carried from an
// account that closed on its other side is negative), 18 integer digits, 2 decimals.
inline constexpr AmountLimits kJournalAmount{true};
// A figure typed into a field that takes no sign: 18 integer digits, 2 decimals.
inline constexpr AmountLimits kUnsignedAmount{false};

// Why text is no amount within the limits, as the message shown to the user: it
// names the field and quotes the text. Empty when the text is accepted.
CString AmountRefusal(const CString& text, const CString& field, const AmountLimits& limits);

// Whether the text has no amount in it: empty, or blanks only.
bool IsBlankAmount(const CString& text);

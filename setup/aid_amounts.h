// Amount text as the input-aid dialogs compute and show it. The figures stay text
// from the field to the journal: what a dialog displays is never read back.
#pragma once

#include "../framework/cstring.h"

#include <initializer_list>

// The text with every "," and every half-width blank removed.
CString StripSeparators(const CString& text);
// The text with every "," removed; blanks stay.
CString StripCommas(const CString& text);

// The display form used by the dialogs: blanks removed first, then as FormatAmount;
// a text longer than the width shows as "#" (or "-#" when negative) and its rightmost bytes.
CString AidFormatAmount(const CString& text, int width);

// a - b for op -1, a + b for any other op; "," and " " are ignored and an empty
// operand counts as zero.
CString AidCalculate(const CString& a, const CString& b, int op);

// True when the amount, formatted, fits the width without the overflow mark.
bool AidAmountFits(const CString& text, int width);

// The name an opening balance goes by in a refusal: "[ account ] の期首残高".
CString OpeningBalanceFieldName(const CString& account);

// The refusal of an opening balance typed for the account: the journal's amount
// rule (amount_check.h: a sign allowed, since a balance carried from an account
// that closed on its other side is negative), and an amount too long for the
// dialog's amount column. Empty when accepted.
CString CheckAidAmount(const CString& typed, const CString& account, int width);

// A dialog's amount field: the text it shows and its name in a refusal.
struct AmountField {
    CString text;
    const char* name;
};
// The refusal of the first field whose text is no amount without a sign
// (amount_check.h: the closing-inventory and bad-debt fields take no sign, and at
// most 18 integer digits); empty when every field passes. A field showing "#" or
// "-#" holds a figure too long for it, not a typed amount, and passes.
CString CheckFieldAmounts(std::initializer_list<AmountField> fields);

// What an opening entry is: the journal entry that sets an account's opening
// balance, dated 1 January of the journal's year, with 元入金 in row 1 of one side
// and the account in row 1 of the other. The opening-balance dialog reads only
// these, its command writes, changes and removes only these, the carry-forward
// replaces only these, and the cash book's opening cash is the one of 現金. The
// user's own entries against 元入金 on other days are money paid in or taken out
// and are never taken for opening balances.
#pragma once

#include "journal_array.h"

#include "../framework/cstring.h"

extern const char* const kCapitalAccount;  // 元入金

bool IsOpeningEntry(const CMyObject2& entry, const CString& year);

// The account row 1 opposite 元入金 and its description and amount; for an
// entry that is no opening entry, those of row 1 of the result side.
struct OpenedBalance {
    const CString& account;
    const CString& description;
    const CString& amount;
};
OpenedBalance OpenedBalanceOf(const CMyObject2& entry);

// The index of the last opening entry of the year that opens the account, -1
// when the journal has none.
int FindOpeningEntry(const JournalArray& journal, const CString& account, const CString& year);

// The carry-forward of the opening-balance dialog: the closing balances of the
// previous year's journal become this year's opening balances, kept per description
// where the previous year's opening entries kept that description apart, the rest as
// the account's remainder.
#pragma once

#include "opening_rows.h"

// Rebuilds the rows from the work dictionary (the dictionary completed with the
// previous year's accounts) and posts every row of every previous-year entry into
// them: an asset's balance grows with its debits, a liability's or capital
// account's with its credits. Rows that received a posting take status 4 (a
// description row only from an opening entry). Answers the year the opening entries
// are to be dated in (the year after the first entry's), empty when the journal has
// no entries or its first date begins with no year; the caller publishes it only
// when the dialog ends with OK.
CString CarryForwardBalances(const DictionaryNodes& work, const JournalArray& prevJournal, BalanceRows& rows);

// Whether the amount of one row of an entry is taken negated: when the row stands
// on the side where its account shrinks (the debit side for the credit-side
// classes, class index 3 負債 and 6 資本; the credit side for any other).
bool NegatesPosting(int direction, bool causeRow, int classIndex);

// The years of a carry-forward: the previous file's (its first entry's year) and
// the open journal's; 0 where a journal is empty or its first date begins with no year.
struct CarryYears {
    int previous = 0;
    int open = 0;
};
CarryYears YearsOfCarry(const JournalArray& prevJournal, const JournalArray& journal);
// The question put to the user before the balances of a file that is not of the
// year before the open journal's are carried, naming both years; empty when the
// years fit or one of them is unknown.
CString CarryYearQuestion(const CarryYears& years);

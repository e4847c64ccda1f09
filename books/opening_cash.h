// The cash book's opening cash: the journal entry 現金 against 元入金 dated
// 1 January of the year, written from the amount the user typed. Computed
// without a window: the view asks the question and shows the refusal.
#pragma once

#include "ledger.h"

// The field's text must be an amount without a sign (amount_check.h); an empty
// field writes "0".
struct OpeningCashPlan {
    CString refusal;     // not empty: nothing is written, this is shown
    int replaceIndex = -1; // the existing opening entry to replace (after asking), -1: insert at 0
    CString date;        // "yyyy/01/01"
    CString amount;      // the stored form ("0" for an empty field)
};
// year: the four digits of the open journal's year (its first entry's date, or
// the year the program keeps for the file); empty when none is known.
OpeningCashPlan PlanOpeningCash(const JournalArray& journal, const CString& fieldText, const CString& year);

// The opening cash the cash book shows: the amount of the year's opening entry of
// 現金 (the one the plan replaces), "0" when there is none.
CString OpeningCashOf(const JournalArray& journal, const CString& year);

// The entry: 現金 debit against 元入金, class code 5007000, direction 0.
CMyObject2* MakeOpeningCashEntry(const OpeningCashPlan& plan);

// Puts the entry into the journal at the plan's place (the journal takes it) and
// answers the current-entry index moved with the entries that moved.
int ApplyOpeningCash(JournalArray& journal, const OpeningCashPlan& plan, CMyObject2* entry, int currentEntry);

extern const char* const kOpeningCashQuestion;

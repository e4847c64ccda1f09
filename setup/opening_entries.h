// The opening entries: one journal entry per opening balance, booking the account
// against 元入金 on 1 January of the journal's year, and the changes of the journal
// that the opening-balance rows ask for once their dialog ended with OK.
#pragma once

#include "../core/kishu_zandaka_item.h"
#include "../core/journal_array.h"
#include "../core/my_object2.h"
#include "../core/opening_entry.h"
#include "../framework/arrays.h"
#include "../framework/cstring.h"

using BalanceRows = CTypedPtrArray<CObArray, CKishuZandakaItem*>;

extern const char* const kTotalRowDesc;       // 合計
extern const char* const kRemainderRowDesc;   // 未設定の合計

// The opening entry of a balance row dated year + "/01/01". Kind 4 (liabilities and
// capital) puts 元入金 on the debit side (direction 1); kinds 5 and 6 (assets) put
// the account there (direction 0). The class code is the account's class digit
// (the kind, or 7 for a capital account) x 1,000,000 + 7,000.
CMyObject2* NewOpeningEntry(const CKishuZandakaItem& row, const CString& year);


struct OpeningOutcome {
    bool changed = false;   // the journal was changed: rebuild the list, mark modified
    int currentEntry = -1;  // the entry to show afterwards
    CString refusal;        // set when a balance is no amount: nothing was changed
};

// Writes what the rows' statuses ask for into the journal (which owns its entries):
// status 2 changes the amounts of the row's entry; status 4 (carried from the previous
// year) replaces this year's opening entries by one per carried balance other than
// "0"; status 1 inserts a new entry; status 3 removes the row's opening entries. New
// entries go to the front of the journal. Every balance to be written is checked
// first; a balance that is no amount refuses the whole operation.
OpeningOutcome ApplyOpeningBalances(JournalArray& journal, const BalanceRows& rows, const CString& year,
                                    int currentEntry);

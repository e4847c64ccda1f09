// What the books' detail panel shows of one journal entry, computed without a
// window: the fields of the sentence, the row that holds the book's account, the
// class shown, the connecting word and the phrases from the dictionary, and what
// the panel hands on to the other books (book digits, expense account).
#pragma once

#include "ledger.h"

#include "../core/kiso.h"

#include <array>

using Dictionary = CTypedPtrArray<CObArray, CKiso*>;

// The book digits of an entry: "3" per row naming 現金, "5" per 売上, "6" per 仕入,
// then one "4" when the entry has an expense account.
CString BookDigits(const CMyObject2& entry);

// The row that gives an entry its expense account: the first row of class 3
// (費用(経費.損失)), else the first of class 2; entryRow -1 when there is none
// (rows numbered as in core/entry_rows.h).
struct ExpenseRow {
    int entryRow = -1;
    CString account;
    CString description;
};
ExpenseRow ExpenseRowOf(const CMyObject2& entry);

struct EntryDetail {
    CString date;                    // the stored date with one blank in front
    std::array<CString, 6> accounts; // cause rows 1-3, result rows 1-3
    std::array<CString, 6> amounts;  // display form, nothing added
    CString causeDescription;        // 摘要1
    CString resultDescription;       // 摘要2
    CString remark;                  // up to the item breakdown
    int accountRow = -1;             // entry row (0-5) of the book's account (the last row naming it), else as before
    int filterSide = 0;              // 1 a cause description equals the filter, 2 a result one
    int classSelection = -1;         // item of the class list, -1 none
    int connectIndex = 0;
    CString resultAccount;           // whose phrases the radio buttons show
    bool firstPhrase = false;        // direction 1: the increase phrase is set
};
// previousRow is kept when no row names the account.
EntryDetail DescribeEntry(const CMyObject2& entry, const CString& account, const CString& filter, int previousRow);

// The connecting word and the two phrases of the sentence, from the dictionary.
struct PanelWords {
    CString increasePhrase;
    CString decreasePhrase;
    CString connectWord;             // empty when the cause account is no cause account of the dictionary
    bool causeFound = false;
    std::array<CString, 4> candidates; // the cause account's phrase candidates, when found
};
// The phrases agree with the connecting word's particle as the journal makes them.
PanelWords LookupPanelWords(const Dictionary& dictionary, const CString& causeAccount, const CString& resultAccount,
                            int connectIndex);

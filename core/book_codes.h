// The book codes of the document's current-book and previous-book words: which
// book the user saw last. Expense, sales and purchases books share one code.
#pragma once

enum BookCode : int {
    kBookNone = 0,  // no book shown yet, or a new journal just opened
    kBookJournal = 1,
    kBookGeneralLedger = 2,
    kBookCash = 3,
    kBookExpenseSalesPurchases = 4,
    kBookStatements = 5,
    kBookDictionary = 6,
};

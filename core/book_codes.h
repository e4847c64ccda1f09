// The book codes of the document's current-book and previous-book words (which
// book the user saw last; expense, sales and purchases books share one code), and
// the menu role of each book's view.
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

// Which commands a view enables and greys in the main window's menu.
enum class BookMenuRole {
    Journal,        // journal commands and input aids on, the all-accounts ledger print off
    GeneralLedger,  // journal commands and input aids off, the all-accounts ledger print on
    OtherBook,      // journal commands, input aids, partners and the ledger print all off
};

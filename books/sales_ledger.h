// The ledger of the sales book and the purchases book, computed from the journal
// without any window: one line per row that names the book's account, the
// running totals, the partners (descriptions of the account's row) and the
// product names of the item breakdowns already stored.
#pragma once

#include "ledger.h"

#include <vector>

enum class SalesBook { Purchases, Sales };

// "仕入" or "売上".
const char* SalesBookAccount(SalesBook book);
// Whether a row's class digit makes the row count as the book's own for the
// product names and the restore test: 2 or 3 for purchases, 1 for sales.
bool IsBookClassDigit(SalesBook book, int digit);

// The row of the entry that holds the book's account: the last of rows 2 to 7
// whose account is exactly the book's; -1 when none.
int SalesAccountRow(const CMyObject2& entry, SalesBook book);

// The partner of a line: the row's description cut to 16 bytes on a character boundary.
constexpr int kPartnerBytes = 16;
CString PartnerOfLine(const CMyObject2& entry, int entryRow);

// The layout of the books' lines: date | description and remark text | debit |
// credit | counter accounts | balance, 153 bytes when no cell holds a "."
// amount. Only the amount cells widen for a ".", never the description; the
// remark is shown without its items.
LineLayout SalesLineLayout();

struct SalesLedger {
    std::vector<LedgerLine> lines;
    LineLayout layout = SalesLineLayout();
    CString debitTotal = "0";
    CString creditTotal = "0";
    CString balance = "0";
    // Every partner of the book (filter or not), in first-appearance order, without the empty one.
    std::vector<CString> partners;
};

// The book's lines; filter "すべて" or empty keeps every line, any other text only
// the lines whose partner is exactly that text. The balance is debit minus credit
// for purchases, credit minus debit for sales.
SalesLedger BuildSalesLedger(const JournalArray& journal, SalesBook book, const CString& filter);

// Whether the entry names the book's account in a row carrying one of the book's
// class digits (read only from a class code above 99999).
bool EntryIsBookClass(const CMyObject2& entry, SalesBook book);

// The distinct product names of the items of the book-class entries, in
// first-appearance order, without the empty name.
std::vector<CString> GatherProductNames(const JournalArray& journal, SalesBook book);

// The caption of the breakdown group for an entry: " M月D日 [ partner ] 売上内訳の編集".
CString BreakdownCaption(const CMyObject2& entry, SalesBook book);

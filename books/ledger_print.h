// The printed ledger of the general ledger, the cash book and the expense book,
// computed without a window: the page table (first and last line of each page and
// the totals carried out of it), the all-accounts line list, and every text and
// rule of a page in tenths of a millimetre (y negative, growing upwards), so that
// any page can be drawn alone, onto a printer or a metafile.
#pragma once

#include "book_lists.h"
#include "ledger.h"

#include <vector>

// The counter accounts of an opening-balance line ("元入金" and two blanks), and
// the label the printed books write in its place.
extern const char* const kCapitalCounter;
extern const char* const kCarriedLabel;

// One ledger page: lines first to last of the job's line list, the debit and
// credit totals at its end (what the next page carries forward).
struct LedgerPage {
    int first = 0;
    int last = 0;
    CString debit;
    CString credit;
};

// Pages of 18 lines, then 17 (the later pages carry a two-row block forward).
std::vector<LedgerPage> PaginateLedger(const std::vector<LedgerLine>& lines, const CString& startDebit = "0");

// A line of the all-accounts print: an entry's row, or an account's start (entry
// kAccountStart, with the account's list name and group) or end (kAccountEnd).
constexpr int kAccountStart = -1;
constexpr int kAccountEnd = -2;
struct AllAccountsLine {
    int entry = 0;
    int slot = 0;
    int group = kGroupNone;
    CString account;  // the account the line belongs to, as the list names it
};
// Every account of the four groups in list order, each with the rows that name it.
std::vector<AllAccountsLine> BuildAllAccountsLines(const AccountGroups& groups, const JournalArray& journal);
// The same limits; totals restart at each account; a page that would end just
// before an account's total takes the total in, and a page never ends on an
// account's start line.
std::vector<LedgerPage> PaginateAllAccounts(const std::vector<AllAccountsLine>& lines, const JournalArray& journal);

// The sales and purchases books print their portrait pages as the expense book
// does, with their own cover title; the sales book's balance is credit minus debit.
enum class PrintBook { GeneralLedger, Cash, Expense, Sales, Purchases };

// What a page is drawn from. lines (single account) or allLines (all accounts)
// are the job's line list; pages its page table.
struct PrintJob {
    PrintBook book = PrintBook::GeneralLedger;
    bool allAccounts = false;
    const JournalArray* journal = nullptr;
    CString account;
    CString filter;            // empty or "すべて": no filter
    bool filterWarning = false; // the filter names an opening-balance description
    int group = kGroupAssets;  // general ledger: the balance's sign
    CString year;              // four digits
    std::vector<LedgerLine> lines;
    std::vector<AllAccountsLine> allLines;
    std::vector<LedgerPage> pages;
    CString startDebit = "0";
};


struct PrintItem {
    enum Kind { Text, CentredText, Line } kind = Text;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // text: top-left (x1, y1), centred: box; line: from, to
    CString text;
    bool dotted = false;
    // Text: when above 0, the room in logical units from x1 that the text keeps
    // to; a text wider than that is drawn in a narrower font.
    int fitWidth = 0;
};

// The cover (drawn in the 20-point font) and ledger page n, 1 based (body font).
std::vector<PrintItem> CoverPageItems(const PrintJob& job);
std::vector<PrintItem> LedgerPageItems(const PrintJob& job, int page);

// The top of row r and the base line of its text.
constexpr int RowTop(int row) { return -60 - 46 * row; }
constexpr int RowText(int row) { return -70 - 46 * row; }

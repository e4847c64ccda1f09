// The printed ledger of the general ledger, the cash book and the expense book,
// computed without a window: the page table (first and last line of each page and
// the totals carried out of it), the all-accounts line list, and the plan of each
// page, so that any page can be drawn alone, onto a printer or a metafile.
#pragma once

#include "book_lists.h"
#include "ledger.h"

#include "../framework/page_plan.h"

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
std::vector<LedgerPage> PaginateLedger(const std::vector<LedgerLine>& lines);

// A line of the all-accounts print: an entry's row, or an account's start (entry
// kAccountStart, with the account's list name and group) or end (kAccountEnd).
constexpr int kAccountStart = -1;
constexpr int kAccountEnd = -2;
struct AllAccountsLine {
    int entry = 0;
    int entryRow = 0;
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

// What a page is drawn from. lines (single account, each with its running
// balance) or allLines (all accounts) are the job's line list; pages its page table.
struct PrintJob {
    PrintBook book = PrintBook::GeneralLedger;
    bool allAccounts = false;
    const JournalArray* journal = nullptr;
    CString account;
    CString filter;            // empty or "すべて": no filter
    bool filterWarning = false; // the filter names an opening-balance description
    int group = kGroupAssets;  // general ledger: the account's group (no opening warning for revenue)
    CString year;              // four digits
    std::vector<LedgerLine> lines;
    std::vector<AllAccountsLine> allLines;
    std::vector<LedgerPage> pages;
};

// The point sizes of the printed books' face, in tenths of a point.
constexpr int kLedgerCoverPoints = 200;
constexpr int kLedgerBodyPoints = 86;

// The cover and ledger page n, 1 based.
PagePlan PlanLedgerCover(const PrintJob& job);
PagePlan PlanLedgerPage(const PrintJob& job, int page);

// The top of row r and the base line of its text.
constexpr int RowTop(int row) { return -60 - 46 * row; }
constexpr int RowText(int row) { return -70 - 46 * row; }

// What the sales and purchases books print, decided without a device: the print
// lines, the body pages with the totals reached at the end of each, the year, and
// the items' total and consumption tax of one entry.
#pragma once

#include "sales_ledger.h"

#include <vector>

// Kinds of print line in the landscape layout: 0 the entry line, 1 its remark
// line, 2 its breakdown heading, 3 and on the items before the last (item number
// + 2, counting items from 1), and -(n + 2) the last of n items. An entry that
// gives several lines prints its items once, after its last line.
struct SalesPrintLine {
    int entry = 0;
    int kind = 0;
    int entryRow = 0;        // the row of the entry that the entry line and its remark line print
    int ledgerLine = 0;  // the ledger line it belongs to, which holds the balance after it
};

struct SalesPrintPage {
    int first = 0;  // index of the first and the last line: ledger lines in portrait,
    int last = 0;   // print lines in landscape
    CString debit;  // totals reached at the end of the page
    CString credit;
};

struct SalesPrintPlan {
    bool breakdown = false;  // landscape with the items: some printed entry has items
    std::vector<SalesPrintLine> lines;
    std::vector<SalesPrintPage> pages;
    CString year;
};

// Entries per page in portrait (the first page one more), print lines in landscape.
constexpr int kPortraitPageEntries = 17;
constexpr int kLandscapePageLines = 32;

// The plan of a print of the ledger's lines, made afresh for each job.
SalesPrintPlan PlanSalesPrint(const JournalArray& journal, const SalesLedger& ledger);

// The total of one entry's items (sum of quantity times unit price, whatever each
// item's currency) and the 5 % tax on it cut to whole yen, "0" below one yen. Both
// come from that entry's remark alone, whichever page is drawn first.
struct ItemTotals {
    CString total = "0";
    CString tax = "0";
};
ItemTotals EntryItemTotals(const CString& remark);
CString ConsumptionTax(const CString& total);

// The printed pages of the sales and purchases books, computed without a window:
// the cover, the portrait body pages (the expense book's layout, three rows an
// entry) and the landscape body pages that list each entry's items with their
// total and consumption tax. Every page is drawn from the job alone, so pages can
// be drawn in any order and any number of times.
#pragma once

#include "ledger_print.h"
#include "sales_print_plan.h"

#include <vector>

struct SalesPrintJob {
    SalesBook book = SalesBook::Sales;
    const JournalArray* journal = nullptr;
    CString account;
    CString filter;      // the partner: empty or "すべて" for every partner
    SalesPrintPlan plan; // landscape with the items when any printed entry has items
    PrintJob portrait;   // the same ledger lines and pages for the expense book's page layout
};

// The job of the lines shown, made afresh for every print: the orientation is
// decided by these lines alone.
SalesPrintJob MakeSalesPrintJob(const JournalArray& journal, SalesBook book, const SalesLedger& ledger,
                                const CString& filter);
// Body pages and the cover.
int SalesPrintPageCount(const SalesPrintJob& job);

// The cover, centred on the portrait or the landscape page.
PagePlan PlanSalesCover(const SalesPrintJob& job);
// Body page n, 1 based.
PagePlan PlanSalesBodyPage(const SalesPrintJob& job, int page);

// The point size of the landscape pages' face, in tenths of a point.
constexpr int kLandscapePoints = 80;

// Left offset and column edges of the landscape page.
constexpr int kLandscapeX = 34;
constexpr int kLandscapeColumns[] = {140, 290, 1884, 2176, 2468, 2760, 2900};

// The printed journal as page plans: the page table that splits the
// journal into body pages without splitting an entry, the cover page, and each
// body page with its header, ruled rows, carried-forward blocks and footer. Any
// page can be planned alone: a body page starts from the totals the page table
// carries into it.
#pragma once

#include "../core/journal_array.h"
#include "../core/my_object2.h"
#include "../framework/arrays.h"
#include "../framework/page_plan.h"

#include <vector>

// One body page: its first and last entry and the running total of the cause
// amounts from the journal's first entry to its last.
struct JournalPrintPage {
    int first;
    int last;
    CString total;
};

// The body pages of the journal (none for an empty journal). A page holds room for
// 48 lines and takes up to 2 lines more; the entry that passes 50 ends its page.
std::vector<JournalPrintPage> PaginateJournal(const JournalArray& journal);

// The lines an entry takes on a body page (its rows, its remark, and the month-end
// block that follows it when the next entry is of another month).
int PrintedLineCount(const JournalArray& journal, int index);

// The point sizes of the printed journal's face, in tenths of a point.
constexpr int kJournalCoverPoints = 200;
constexpr int kJournalHeaderPoints = 100;
constexpr int kJournalBodyPoints = 86;

// The cover: "《 仕訳帳 》", the era year and the calendar year of yearText.
PagePlan PlanJournalCover(const CString& yearText);

// Body page p (1 for the first page after the cover).
PagePlan PlanJournalPage(const JournalArray& journal, const std::vector<JournalPrintPage>& pages, int p,
                         const CString& yearText);

// The printed journal as plans of texts and rules in tenths of a millimetre
// (y grows upwards, so every y is negative): the page table that splits the
// journal into body pages without splitting an entry, the cover page, and each
// body page with its header, ruled rows, carried-forward blocks and footer. Any
// page can be planned alone: a body page starts from the totals the page table
// carries into it.
#pragma once

#include "../core/journal_array.h"
#include "../core/my_object2.h"
#include "../framework/arrays.h"

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

// The fonts of the printed journal ("ＭＳ 明朝").
enum class PlannedFont { Cover, Header, Body };
int PointSizeTenths(PlannedFont font);  // 200, 100 and 86

struct PlannedText {
    PlannedFont font;
    int x;
    int y;  // top of the text
    CString text;
    // A centred text: centred between x and right, in the band from y to bottom.
    bool centred = false;
    int right = 0;
    int bottom = 0;
};

struct PlannedRule {
    int x1, y1, x2, y2;
    bool dotted;
};

struct PrintPagePlan {
    std::vector<PlannedText> texts;
    std::vector<PlannedRule> rules;
};

// The cover: "《 仕訳帳 》", the era year and the calendar year of yearText.
PrintPagePlan PlanJournalCover(const CString& yearText);

// Body page p (1 for the first page after the cover).
PrintPagePlan PlanJournalPage(const JournalArray& journal, const std::vector<JournalPrintPage>& pages, int p,
                              const CString& yearText);

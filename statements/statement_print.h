// The printed statement pages: how the rows of a page are split into printed
// pages, and the plan of everything one printed page draws. The view hands a
// page's plan to the drawer with the printer's or preview's device context.
#pragma once

#include "statement_rows.h"

#include "../framework/page_plan.h"

#include <array>
#include <vector>

// Amount cells are this wide while a print is prepared, and the screen width again after.
constexpr int kScreenAmountWidth = 26;
constexpr int kPrintAmountWidth = 28;
constexpr int kNameWidth = 18;

struct PrintLayout {
    bool landscape;
    int rowsPerPage;
    int fontTenths;  // point size of "ＭＳ 明朝" in tenths of a point
    int left;        // x origin added to every column
    int top;         // y origin of the table
    int line;        // signed step from one print line to the next
    std::array<int, 9> column;  // x of the column edges, 0 = unused
    int textX, textY;           // offset of a text from its column and line
    int titleLine;
    int lastColumn;             // 1-based column where the title band ends
    int pageNumberInset;        // 0: no page number
};

const PrintLayout& PrintLayoutOf(int pageCode);

struct PageRange {
    int first;
    int last;
};

// Pages of rowsPerPage rows (the last one shorter); none for no rows.
std::vector<PageRange> Paginate(int rowCount, int rowsPerPage);

// The year line of every printed page: the era year, then the calendar year. A
// journal without a year prints no era text.
CString PrintedYearLine(const CString& fiscalYear);

// Page pageIndex of the rows of a statement page (rows computed with the print
// width), every text in the layout's point size; the title and the year line
// centred in their bands.
PagePlan LayOutPrintedPage(int pageCode, const std::vector<KessanRow>& rows, const std::vector<PageRange>& pages,
                              int pageIndex, const CString& fiscalYear);

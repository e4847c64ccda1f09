// The printed statement pages: how the rows of a page are split into printed
// pages, and everything one printed page draws, as texts and lines at their
// positions in tenths of a millimetre (y growing upwards). The view replays a
// page onto the printer's or preview's device context.
#pragma once

#include "statement_rows.h"

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

struct PrintText {
    int x, y;
    CString text;
};
// A text centred at the top of the rectangle (x1, y1)-(x2, y2).
struct PrintBand {
    int x1, y1, x2, y2;
    CString text;
};
struct PrintLine {
    int x1, y1, x2, y2;
};

struct PrintedPage {
    int fontTenths = 0;
    std::vector<PrintBand> bands;
    std::vector<PrintText> texts;
    std::vector<PrintLine> lines;
};

// Page pageIndex of the rows of a statement page (rows computed with the print width).
PrintedPage LayOutPrintedPage(int pageCode, const std::vector<KessanRow>& rows, const std::vector<PageRange>& pages,
                              int pageIndex, const CString& fiscalYear);

// The printed tree of the account dictionary, without windows: the print lines
// (every node but the root, in the order of the tree), the pages, and the plan of
// what one page draws.
#pragma once

#include "../core/dictionary_tree.h"
#include "../framework/page_plan.h"

#include <vector>

namespace dict_print {

struct PrintLine {
    int node;
    int depth;         // 0 class or result branch, 1 account, 2 description
    int newRow;        // 0: printed on its parent's row (and the very first line)
    int moreAccounts;  // accounts of the class still to come after this line's account
    int moreDescs;     // descriptions of the account still to come after this line's
};
std::vector<PrintLine> LayoutPrintLines(const DictionaryNodes& nodes);

struct PrintPage {
    int first;
    int last;
};
// The pages: each holds at most maxRow rows (row 1 is the first text row under
// the column headings) and ends only on a line whose node has no children
// following it, unless a single row run is longer than a page.
std::vector<PrintPage> PlanPages(const std::vector<PrintLine>& lines, int maxRow);

// The last text row that fits on a page whose printable height is height (0.1 mm),
// keeping the connector below it on the sheet.
int RowsForHeight(int height);

constexpr int kOriginX = 300;
constexpr int kOriginY = -180;
constexpr int kColumnWidth = 550;
constexpr int kRowHeight = -50;

// The point size of the printed tree's face, in tenths of a point.
constexpr int kTreePoints = 90;

// What page number pageNo (1-based) draws: its head, the names and the connector
// lines, drawn in the thinnest line of the device.
PagePlan PlanPrintPage(const DictionaryNodes& nodes, const std::vector<PrintLine>& lines,
                       const std::vector<PrintPage>& pages, int pageNo);

}  // namespace dict_print

// The debit/credit table of one journal entry as the journal view draws it under
// the transaction list: its geometry from the group box that frames it, and its
// rows, with the debit side on the left and the credit side on the right.
#pragma once

#include "../core/my_object2.h"
#include "../framework/geometry.h"

#include <array>
#include <vector>

// The table's grid, in the view's client coordinates.
struct EntryTableGeometry {
    int left;                     // L
    int top;                      // T: top of the heading row
    int rowHeight;                // H
    std::array<int, 5> lineX;     // column separators, offsets from L
    int width;                    // W: right edge of the panel, offset from L
    std::array<int, 7> textX;     // text columns, offsets from L
    int textDy;                   // D: text below the top of its row
};

// The grid inside group box group; rightEdge is the layout word of the table
// area's right edge (the columns are thousandths of it).
EntryTableGeometry EntryTableGeometryFor(const CRect& group, int rightEdge);

// What one row shows on one side; an empty account shows nothing on that side.
struct EntryTableCell {
    CString account;
    CString description;
    CString amount;
};
struct EntryTableRow {
    EntryTableCell debit;
    EntryTableCell credit;
};

// The account rows of the entry (1 to 3) and its remark text. Direction 0 puts
// the cause rows on the debit side, any other value the result rows. A side's
// k-th account stands in row k; a side shows as many rows as its last filled
// account needs (row 1 always), so a third account after an empty second one is
// shown, as the printed journal shows it.
struct EntryTableContent {
    std::vector<EntryTableRow> rows;
    int causeRows;
    int resultRows;
    CString remark;  // the remark before its first "[]"
};
EntryTableContent EntryTableContentOf(const CMyObject2& entry);

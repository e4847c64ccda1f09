// EntryTablePainter: draws the journal form's debit/credit table under the
// transaction list, for an entry or empty, and keeps the table's geometry, which
// it computes from the table's frame before every drawing.
#pragma once

#include "../entry_table.h"

#include "../../framework/win/dc.h"

// A raised panel with a grey outline one pixel outside it, drawn where it is
// asked (the coordinates are already shifted by any scroll); the form's title
// panel and the table's panel both have one.
void DrawRaisedFrame(CDC* pDC, int left, int top, int right, int bottom);

// Where the table is drawn and how.
struct EntryTablePlace {
    CRect frame;              // the group box that frames the table, in client coordinates
    int rightEdge = 0;        // the layout word of the table area's right edge
    int fontSize = 12;        // the display font size in points
    COLORREF back = 0;        // the form's background, that erases a longer table
    CPoint scroll;            // the view's scroll position when drawn by a paint, none otherwise
};

class EntryTablePainter {
public:
    EntryTablePainter() = default;
    EntryTablePainter(const EntryTablePainter&) = delete;
    EntryTablePainter& operator=(const EntryTablePainter&) = delete;

    // The table of entry: heading, one row per account row, the remark row.
    void DrawEntry(CDC* pDC, const CMyObject2& entry, const EntryTablePlace& place);
    // The table with its heading and four empty rows.
    void DrawEmpty(CDC* pDC, const EntryTablePlace& place);

    // The geometry of the table in place's frame.
    void ComputeLayout(const EntryTablePlace& place);
    const EntryTableGeometry& Geometry() const { return m_grid; }

    // Width in bytes of the table's amount texts, before the five of the column's margin.
    int m_nAmountWidth = 21;

private:
    void FillPanelShifted(CDC* pDC, int left, int top, int right, int bottom, COLORREF color);
    void TextAt(CDC* pDC, int x, int row, const CString& text);
    void DrawRule(CDC* pDC, int row);
    void DrawColumns(CDC* pDC, int row);
    void DrawRemarkColumns(CDC* pDC, int row);
    void DrawHeadingRow(CDC* pDC, int fontTenths);

    EntryTableGeometry m_grid{};
    CPoint m_scroll;
};

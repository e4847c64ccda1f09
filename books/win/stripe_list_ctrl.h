// CStripeListCtrl: the list view of the sales and purchases books' item breakdown.
// It draws every cell itself: rows 0, 2, 4, ... tinted, a grey line along the
// lower edge of each cell, the selected row in the system highlight colours. The
// owner inserts the columns and items and sets the styles; the control only draws.
#pragma once

#include "../../framework/win/common_controls.h"
#include "../../framework/win/message_map.h"

class CStripeListCtrl : public CListCtrl {
    DECLARE_MESSAGE_MAP(CStripeListCtrl)
public:
    CStripeListCtrl();
    ~CStripeListCtrl() override = default;

    // The rectangle of one cell in client coordinates; column 0 ends where column 1
    // begins (the platform reports column 0 as the whole row).
    BOOL GetCellRect(int item, int subItem, int area, CRect& rect) const;

    void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);

    COLORREF m_crWindowText;
    COLORREF m_crWindow;
    COLORREF m_crHighlightText;
    COLORREF m_crHighlight;
};

// The tint of the even rows and the colour of the cell lines.
constexpr COLORREF kStripeRowTint = RGB(224, 224, 255);
constexpr COLORREF kStripeCellLine = RGB(192, 192, 192);

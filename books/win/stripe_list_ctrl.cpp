#include "stripe_list_ctrl.h"

#include "../../framework/win/dc.h"
#include "../../framework/win/gdi_objects.h"
#include "../../framework/win/geometry_win.h"

const MessageMap* CStripeListCtrl::GetThisMessageMap()
{
    static const MessageMap map =
        MessageMap::Of<CStripeListCtrl>(on::NotifyReflect(NM_CUSTOMDRAW, &CStripeListCtrl::OnCustomDraw));
    return &map;
}

CStripeListCtrl::CStripeListCtrl()
    : m_crWindowText(::GetSysColor(COLOR_WINDOWTEXT)),
      m_crWindow(::GetSysColor(COLOR_WINDOW)),
      m_crHighlightText(::GetSysColor(COLOR_HIGHLIGHTTEXT)),
      m_crHighlight(::GetSysColor(COLOR_HIGHLIGHT))
{
}

BOOL CStripeListCtrl::GetCellRect(int item, int subItem, int area, CRect& rect) const
{
    if (subItem != 0)
        return GetSubItemRect(item, subItem, area, rect);
    if (GetColumnCount() == 1)
        return GetItemRect(item, &rect, static_cast<UINT>(area));
    CRect second;
    if (!GetSubItemRect(item, 1, area, second))
        return FALSE;
    if (!GetItemRect(item, &rect, static_cast<UINT>(area)))
        return FALSE;
    rect.right = second.left;
    return TRUE;
}

void CStripeListCtrl::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
    const DWORD stage = draw->nmcd.dwDrawStage;
    if (stage == CDDS_PREPAINT) {
        *pResult = CDRF_NOTIFYITEMDRAW;
        return;
    }
    if (stage == CDDS_ITEMPREPAINT) {
        *pResult = CDRF_NOTIFYSUBITEMDRAW;
        return;
    }
    if (stage != (CDDS_ITEMPREPAINT | CDDS_SUBITEM))
        return;

    const int item = static_cast<int>(draw->nmcd.dwItemSpec);
    const int subItem = draw->iSubItem;
    *pResult = CDRF_SKIPDEFAULT;
    CRect cell;
    if (!GetCellRect(item, subItem, LVIR_BOUNDS, cell))
        return;

    CDC dc;
    dc.Attach(draw->nmcd.hdc);
    CPen line(PS_SOLID, 1, kStripeCellLine);
    CPen* previousPen = dc.SelectObject(&line);

    const CString text = GetItemText(item, subItem);
    cell.right += 2;
    cell.top += 1;
    cell.bottom -= 1;
    CRect textRect(cell.left, cell.top + 2, cell.right, cell.bottom - 2);
    const bool selected = (GetItemState(item, LVIS_FOCUSED | LVIS_SELECTED | LVIS_CUT) & LVIS_SELECTED) != 0;

    // The fills stop above the row cell.bottom, so the line under the cell stays.
    dc.FillSolidRect(&cell, selected ? m_crHighlight : m_crWindow);
    dc.MoveTo(cell.left, cell.bottom);
    dc.LineTo(cell.right, cell.bottom);
    if (!selected && item % 2 == 0)
        dc.FillSolidRect(&cell, kStripeRowTint);
    dc.SetTextColor(selected ? m_crHighlightText : m_crWindowText);
    dc.DrawText(text, &textRect, DT_LEFT | DT_TOP);

    dc.SelectObject(previousPen);
    dc.Detach();
}

#include "stripe_list_box.h"

#include "../framework/win/dc.h"
#include "../framework/win/geometry_win.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kSeparator = RGB(192, 192, 192);

}  // namespace

CStripeListBox::CStripeListBox() : m_crStripe(RGB(224, 255, 224)), m_crText(::GetSysColor(COLOR_WINDOWTEXT)) {}

void CStripeListBox::DrawItem(LPDRAWITEMSTRUCT drawItem)
{
    const UINT action = drawItem->itemAction;
    const UINT state = drawItem->itemState;
    const bool entire = (action & ODA_DRAWENTIRE) != 0;
    const bool select = (action & ODA_SELECT) != 0;
    const bool selected = (state & ODS_SELECTED) != 0;
    if (!entire && !select)
        return;  // a focus change alone draws nothing: no focus rectangle

    CDC dc;
    dc.Attach(drawItem->hDC);
    CPen separator(PS_SOLID, 1, kSeparator);
    CPen* previousPen = dc.SelectObject(&separator);
    const int previousMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF previousText = dc.GetTextColor();

    const CRect item = FromWin32(drawItem->rcItem);
    CRect textRect(item.left, item.top + 2, item.right, item.bottom - 1);
    CString text;
    if (drawItem->itemID != static_cast<UINT>(-1))
        GetText(static_cast<int>(drawItem->itemID), text);

    auto drawRow = [&](COLORREF fill, COLORREF textColor) {
        dc.FillSolidRect(&item, fill);
        dc.MoveTo(item.left, item.bottom - 1);
        dc.LineTo(item.right, item.bottom - 1);
        dc.SetTextColor(textColor);
        dc.SetBkMode(TRANSPARENT);
        dc.DrawText(text, &textRect, 0);
    };
    const COLORREF stripe = (drawItem->itemID % 2 == 0) ? kWhite : m_crStripe;
    if (entire)
        drawRow(stripe, m_crText);
    if (selected && (entire || select))
        drawRow(::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_HIGHLIGHTTEXT));
    if (!selected && select)
        drawRow(stripe, m_crText);

    dc.SetTextColor(previousText);
    dc.SetBkMode(previousMode);
    dc.SelectObject(previousPen);
    dc.Detach();
}

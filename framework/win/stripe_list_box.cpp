#include "stripe_list_box.h"

#include "dc.h"
#include "geometry_win.h"
#include "wide_text.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kSeparator = RGB(192, 192, 192);
// Room reserved per row when a list of strings is filled: the journal's lines are about this long.
constexpr size_t kBytesPerRow = 140;

}  // namespace

CStripeListBox::CStripeListBox() : m_crStripe(RGB(224, 255, 224)), m_crText(::GetSysColor(COLOR_WINDOWTEXT)) {}

bool CStripeListBox::KeepsLines() const
{
    return ::IsWindow(m_hWnd) && (GetStyle() & LBS_NODATA) != 0;
}

int CStripeListBox::KeptRowCount() const
{
    return m_rows.empty() ? m_numberedCount : static_cast<int>(m_rows.size());
}

CString CStripeListBox::RowText(int index) const
{
    if (KeepsLines()) {
        if (index < 0 || index >= KeptRowCount())
            return CString();
        if (m_rows.empty())
            return m_textOf(index);
        const Row& row = m_rows[static_cast<size_t>(index)];
        return row.number >= 0 && m_textOf ? m_textOf(row.number) : row.text;
    }
    CString text;
    if (index >= 0)
        GetText(index, text);
    return text;
}

void CStripeListBox::ListRows()
{
    if (!m_rows.empty() || m_numberedCount == 0)
        return;
    m_rows.resize(static_cast<size_t>(m_numberedCount));
    for (int row = 0; row < m_numberedCount; ++row)
        m_rows[static_cast<size_t>(row)].number = row;
    m_numberedCount = 0;
}

// Switching drawing back on shows the list: a list that was hidden is left as it was.
CStripeListBox::Batch::Batch(CStripeListBox& list) : m_list(list)
{
    if (m_list.m_batchDepth++ > 0)
        return;
    m_list.m_batchHidesDrawing = ::IsWindow(m_list.m_hWnd) && (m_list.GetStyle() & WS_VISIBLE) != 0;
    if (m_list.m_batchHidesDrawing)
        m_list.SendMessage(WM_SETREDRAW, FALSE);
}

CStripeListBox::Batch::~Batch()
{
    if (--m_list.m_batchDepth > 0 || !m_list.m_batchHidesDrawing || !::IsWindow(m_list.m_hWnd))
        return;
    // Drawing comes back on while the list is marked hidden: the list box brings
    // its scroll bar up to date without drawing it at once, which under Wine's
    // themes costs as much as painting the list; the list, scroll bar and all,
    // is then painted once with the rest of the window.
    const DWORD style = m_list.GetStyle();
    ::SetWindowLongPtrW(m_list.m_hWnd, GWL_STYLE, style & ~WS_VISIBLE);
    m_list.SendMessage(WM_SETREDRAW, TRUE);
    ::SetWindowLongPtrW(m_list.m_hWnd, GWL_STYLE, style | WS_VISIBLE);
    ::RedrawWindow(m_list.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void CStripeListBox::SetLines(std::vector<CString> lines)
{
    const Batch batch(*this);
    if (KeepsLines()) {
        DefWindowProc(LB_RESETCONTENT, 0, 0);
        m_textOf = nullptr;
        m_numberedCount = 0;
        m_rows.clear();
        m_rows.resize(lines.size());
        for (size_t i = 0; i < lines.size(); ++i)
            m_rows[i].text = std::move(lines[i]);
        DefWindowProc(LB_SETCOUNT, m_rows.size(), 0);
        return;
    }
    ResetContent();
    SendMessage(LB_INITSTORAGE, lines.size(), static_cast<LPARAM>(lines.size() * kBytesPerRow));
    for (const CString& line : lines)
        AddString(line);
}

void CStripeListBox::ShowLines(int count, std::function<CString(int)> textOf)
{
    if (!KeepsLines()) {
        std::vector<CString> lines;
        lines.reserve(static_cast<size_t>(std::max(count, 0)));
        for (int row = 0; row < count; ++row)
            lines.push_back(textOf(row));
        SetLines(std::move(lines));
        return;
    }
    const Batch batch(*this);
    DefWindowProc(LB_RESETCONTENT, 0, 0);
    m_rows.clear();
    m_textOf = std::move(textOf);
    m_numberedCount = std::max(count, 0);
    DefWindowProc(LB_SETCOUNT, static_cast<WPARAM>(m_numberedCount), 0);
}

LRESULT CStripeListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (KeepsLines() && OnLineMessage(message, wParam, lParam, &result))
        return result;
    return CListBox::WindowProc(message, wParam, lParam);
}

bool CStripeListBox::OnLineMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const int index = static_cast<int>(wParam);
    const bool inList = index >= 0 && index < KeptRowCount();
    if (message == LB_ADDSTRING || message == LB_INSERTSTRING || message == LB_DELETESTRING || message == LB_SETCOUNT)
        ListRows();
    switch (message) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING: {
        // The framework hands a list without strings the caller's Shift-JIS text itself.
        const auto* text = reinterpret_cast<LPCTSTR>(lParam);
        *result = DefWindowProc(message, wParam, 0);
        if (*result >= 0 && static_cast<size_t>(*result) <= m_rows.size())
            m_rows.insert(m_rows.begin() + *result, Row{-1, text ? CString(text) : CString()});
        return true;
    }
    case LB_DELETESTRING:
        *result = DefWindowProc(message, wParam, lParam);
        if (*result != LB_ERR && inList)
            m_rows.erase(m_rows.begin() + index);
        return true;
    case LB_RESETCONTENT:
        *result = DefWindowProc(message, wParam, lParam);
        m_rows.clear();
        m_textOf = nullptr;
        m_numberedCount = 0;
        return true;
    case LB_SETCOUNT:
        *result = DefWindowProc(message, wParam, lParam);
        if (*result != LB_ERR && *result != LB_ERRSPACE)
            m_rows.resize(wParam);
        return true;
    case LB_GETTEXTLEN:
    case LB_GETTEXT:
        // Another thread, or another program (a screen reader, an automation
        // tool), gets the list's own answer: the system hands such a caller a
        // reply buffer only as large as a row's item data, since this list holds
        // no strings, so the row's text could not be copied into it safely.
        if (::InSendMessage())
            return false;
        break;
    default:
        break;
    }
    switch (message) {
    case LB_GETTEXTLEN:
        *result = inList ? static_cast<LRESULT>(ToWide(RowText(index)).size()) : LB_ERR;
        return true;
    case LB_GETTEXT: {
        if (!inList || lParam == 0) {
            *result = LB_ERR;
            return true;
        }
        const std::wstring wide = ToWide(RowText(index));
        std::memcpy(reinterpret_cast<wchar_t*>(lParam), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
        *result = static_cast<LRESULT>(wide.size());
        return true;
    }
    case WM_CHAR:
        if (!(GetStyle() & LBS_WANTKEYBOARDINPUT)) {
            MoveToRowBeginningWith(static_cast<wchar_t>(wParam));
            return true;
        }
        return false;
    default:
        return false;
    }
}

void CStripeListBox::MoveToRowBeginningWith(wchar_t typed)
{
    const int count = KeptRowCount();
    if (count == 0)
        return;
    const int caret = static_cast<int>(SendMessage(LB_GETCARETINDEX));
    // The search starts after the caret row and comes round to it last.
    for (int step = 1; step <= count; ++step) {
        const int row = ((caret < 0 ? -1 : caret) + step) % count;
        const std::wstring first = ToWide(RowText(row)).substr(0, 1);
        if (first.empty() ||
            ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, &typed, 1, first.c_str(), 1) != CSTR_EQUAL)
            continue;
        SetCurSel(row);
        if ((GetStyle() & LBS_NOTIFY) && GetParent())
            GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), LBN_SELCHANGE),
                                     reinterpret_cast<LPARAM>(m_hWnd));
        return;
    }
}

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
    const CString text = drawItem->itemID != static_cast<UINT>(-1) ? RowText(static_cast<int>(drawItem->itemID))
                                                                    : CString();

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

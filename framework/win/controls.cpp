#include "controls.h"

#include "edit_bytes.h"
#include "control_send.h"
#include "geometry_win.h"
#include "wide_text.h"

#include <vector>

namespace {

LPARAM TextParam(const std::wstring& text)
{
    return reinterpret_cast<LPARAM>(text.c_str());
}

// What a list takes for an item "text": an owner-drawn list without strings of
// its own keeps the caller's pointer as the item's data; every other list copies
// the text, handed over as UTF-16 in wide.
LPARAM ItemParam(HWND list, DWORD ownerDrawStyles, DWORD hasStrings, LPCTSTR text, std::wstring& wide)
{
    const DWORD style = static_cast<DWORD>(::GetWindowLongW(list, GWL_STYLE));
    if ((style & ownerDrawStyles) && !(style & hasStrings))
        return reinterpret_cast<LPARAM>(text);
    wide = ToWide(text);
    return TextParam(wide);
}

LPARAM ListItemParam(HWND list, LPCTSTR text, std::wstring& wide)
{
    return ItemParam(list, LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE, LBS_HASSTRINGS, text, wide);
}

LPARAM ComboItemParam(HWND combo, LPCTSTR text, std::wstring& wide)
{
    return ItemParam(combo, CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE, CBS_HASSTRINGS, text, wide);
}

// The text of item index of a list (LB_GETTEXTLEN / LB_GETTEXT or the CB_ pair).
int ItemText(const CWnd& control, UINT lengthMessage, UINT textMessage, LRESULT error, int index, CString& text)
{
    text.Empty();
    LRESULT length = SendToControl(control, lengthMessage, static_cast<WPARAM>(index), 0, error);
    if (length == error || length < 0)
        return static_cast<int>(error);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    length = SendToControl(control, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()), error);
    if (length == error || length < 0)
        return static_cast<int>(error);
    text = FromWide(buffer.data(), static_cast<int>(length));
    return text.GetLength();
}

// A selection as UTF-16 positions in the window's text, turned into bytes.
DWORD SelectionInBytes(HWND hWnd, DWORD wideSelection)
{
    const std::wstring text = edit_bytes::WindowText(hWnd);
    const int start = edit_bytes::ByteOffset(text, LOWORD(wideSelection));
    const int end = edit_bytes::ByteOffset(text, HIWORD(wideSelection));
    return MAKELONG(start, end);
}

// The owner-drawing messages a parent hands back to its list or combo box.
template <class Control>
bool OwnerDrawMessage(Control& control, UINT message, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_DRAWITEM:
        control.DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *result = TRUE;
        return true;
    case WM_MEASUREITEM:
        control.MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        *result = TRUE;
        return true;
    case WM_COMPAREITEM:
        *result = control.CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        return true;
    case WM_DELETEITEM:
        control.DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        *result = TRUE;
        return true;
    default:
        return false;
    }
}

}  // namespace

// --- CStatic

BOOL CStatic::Create(LPCTSTR text, DWORD style, const CRect& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("STATIC", text, style, rect, parent, id);
}

HBITMAP CStatic::SetBitmap(HBITMAP bitmap)
{
    return reinterpret_cast<HBITMAP>(SendToControl(*this, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
}

HBITMAP CStatic::GetBitmap() const
{
    return reinterpret_cast<HBITMAP>(SendToControl(*this, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

HICON CStatic::SetIcon(HICON icon)
{
    return reinterpret_cast<HICON>(SendToControl(*this, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0));
}

HICON CStatic::GetIcon() const
{
    return reinterpret_cast<HICON>(SendToControl(*this, STM_GETICON, 0, 0));
}

// --- CButton

BOOL CButton::Create(LPCTSTR caption, DWORD style, const CRect& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("BUTTON", caption, style, rect, parent, id);
}

int CButton::GetCheck() const
{
    return static_cast<int>(SendToControl(*this, BM_GETCHECK, 0, 0));
}

void CButton::SetCheck(int check)
{
    SendToControl(*this, BM_SETCHECK, static_cast<WPARAM>(check), 0);
}

UINT CButton::GetState() const
{
    return static_cast<UINT>(SendToControl(*this, BM_GETSTATE, 0, 0));
}

void CButton::SetState(BOOL highlight)
{
    SendToControl(*this, BM_SETSTATE, static_cast<WPARAM>(highlight), 0);
}

UINT CButton::GetButtonStyle() const
{
    // The button's own kind is the low byte of its window style.
    return ::IsWindow(m_hWnd) ? static_cast<UINT>(GetStyle() & 0xFF) : 0;
}

void CButton::SetButtonStyle(UINT style, BOOL redraw)
{
    SendToControl(*this, BM_SETSTYLE, style, redraw);
}

HBITMAP CButton::SetBitmap(HBITMAP bitmap)
{
    return reinterpret_cast<HBITMAP>(SendToControl(*this, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
}

HBITMAP CButton::GetBitmap() const
{
    return reinterpret_cast<HBITMAP>(SendToControl(*this, BM_GETIMAGE, IMAGE_BITMAP, 0));
}

HICON CButton::SetIcon(HICON icon)
{
    return reinterpret_cast<HICON>(SendToControl(*this, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon)));
}

HICON CButton::GetIcon() const
{
    return reinterpret_cast<HICON>(SendToControl(*this, BM_GETIMAGE, IMAGE_ICON, 0));
}

void CButton::Click()
{
    SendToControl(*this, BM_CLICK, 0, 0);
}

// --- CEdit

BOOL CEdit::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("EDIT", nullptr, style, rect, parent, id);
}

DWORD CEdit::GetSel() const
{
    return SelectionInBytes(m_hWnd, static_cast<DWORD>(SendToControl(*this, EM_GETSEL, 0, 0)));
}

void CEdit::GetSel(int& start, int& end) const
{
    DWORD selection = GetSel();
    start = LOWORD(selection);
    end = HIWORD(selection);
}

void CEdit::SetSel(int start, int end, BOOL noScroll)
{
    const std::wstring text = edit_bytes::WindowText(m_hWnd);
    SendToControl(*this, EM_SETSEL, static_cast<WPARAM>(edit_bytes::WideIndex(text, start)),
         static_cast<LPARAM>(edit_bytes::WideIndex(text, end)));
    if (!noScroll)
        SendToControl(*this, EM_SCROLLCARET, 0, 0);
}

void CEdit::SetSel(DWORD selection, BOOL noScroll)
{
    SetSel(static_cast<short>(LOWORD(selection)), static_cast<short>(HIWORD(selection)), noScroll);
}

void CEdit::ReplaceSel(LPCTSTR newText, BOOL canUndo)
{
    SendToControl(*this, EM_REPLACESEL, static_cast<WPARAM>(canUndo), TextParam(ToWide(newText)));
}

void CEdit::Clear() { SendToControl(*this, WM_CLEAR, 0, 0); }
void CEdit::Copy() { SendToControl(*this, WM_COPY, 0, 0); }
void CEdit::Cut() { SendToControl(*this, WM_CUT, 0, 0); }
void CEdit::Paste() { SendToControl(*this, WM_PASTE, 0, 0); }
BOOL CEdit::Undo() { return static_cast<BOOL>(SendToControl(*this, EM_UNDO, 0, 0)); }
BOOL CEdit::CanUndo() const { return static_cast<BOOL>(SendToControl(*this, EM_CANUNDO, 0, 0)); }
void CEdit::EmptyUndoBuffer() { SendToControl(*this, EM_EMPTYUNDOBUFFER, 0, 0); }

void CEdit::LimitText(int bytes)
{
    if (!::IsWindow(m_hWnd))
        return;
    SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(bytes), 0);
    edit_bytes::SetByteLimit(m_hWnd, static_cast<UINT>(bytes));
}

UINT CEdit::GetLimitText() const
{
    UINT bytes = edit_bytes::GetByteLimit(m_hWnd);
    return bytes ? bytes : static_cast<UINT>(SendToControl(*this, EM_GETLIMITTEXT, 0, 0));
}

BOOL CEdit::GetModify() const { return static_cast<BOOL>(SendToControl(*this, EM_GETMODIFY, 0, 0)); }
void CEdit::SetModify(BOOL modified) { SendToControl(*this, EM_SETMODIFY, static_cast<WPARAM>(modified), 0); }

BOOL CEdit::SetReadOnly(BOOL readOnly)
{
    return static_cast<BOOL>(SendToControl(*this, EM_SETREADONLY, static_cast<WPARAM>(readOnly), 0));
}

int CEdit::GetLineCount() const
{
    return static_cast<int>(SendToControl(*this, EM_GETLINECOUNT, 0, 0));
}

int CEdit::GetLine(int index, CString& text) const
{
    text.Empty();
    LRESULT start = SendToControl(*this, EM_LINEINDEX, static_cast<WPARAM>(index), 0, -1);
    if (start < 0)
        return 0;
    LRESULT length = SendToControl(*this, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
    // EM_GETLINE reads the buffer's size from its first word.
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 2, L'\0');
    buffer[0] = static_cast<wchar_t>(length + 1);
    length = SendToControl(*this, EM_GETLINE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    text = FromWide(buffer.data(), static_cast<int>(length));
    return text.GetLength();
}

int CEdit::LineIndex(int line) const
{
    LRESULT index = SendToControl(*this, EM_LINEINDEX, static_cast<WPARAM>(line), 0, -1);
    return edit_bytes::ByteOffset(edit_bytes::WindowText(m_hWnd), static_cast<int>(index));
}

int CEdit::LineFromChar(int byteIndex) const
{
    int index = edit_bytes::WideIndex(edit_bytes::WindowText(m_hWnd), byteIndex);
    return static_cast<int>(SendToControl(*this, EM_LINEFROMCHAR, static_cast<WPARAM>(index), 0));
}

// --- CListBox

BOOL CListBox::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("LISTBOX", nullptr, style, rect, parent, id);
}

int CListBox::AddString(LPCTSTR text)
{
    std::wstring wide;
    return static_cast<int>(SendToControl(*this, LB_ADDSTRING, 0, ListItemParam(m_hWnd, text, wide), LB_ERR));
}

int CListBox::InsertString(int index, LPCTSTR text)
{
    std::wstring wide;
    return static_cast<int>(SendToControl(*this, LB_INSERTSTRING, static_cast<WPARAM>(index), ListItemParam(m_hWnd, text, wide), LB_ERR));
}

int CListBox::DeleteString(UINT index)
{
    return static_cast<int>(SendToControl(*this, LB_DELETESTRING, index, 0, LB_ERR));
}

void CListBox::ResetContent()
{
    SendToControl(*this, LB_RESETCONTENT, 0, 0);
}

int CListBox::GetCount() const
{
    return static_cast<int>(SendToControl(*this, LB_GETCOUNT, 0, 0, LB_ERR));
}

int CListBox::GetCurSel() const
{
    return static_cast<int>(SendToControl(*this, LB_GETCURSEL, 0, 0, LB_ERR));
}

int CListBox::SetCurSel(int index)
{
    return static_cast<int>(SendToControl(*this, LB_SETCURSEL, static_cast<WPARAM>(index), 0, LB_ERR));
}

int CListBox::GetSel(int index) const
{
    return static_cast<int>(SendToControl(*this, LB_GETSEL, static_cast<WPARAM>(index), 0, LB_ERR));
}

int CListBox::SetSel(int index, BOOL select)
{
    return static_cast<int>(SendToControl(*this, LB_SETSEL, static_cast<WPARAM>(select), index, LB_ERR));
}

int CListBox::GetSelCount() const
{
    return static_cast<int>(SendToControl(*this, LB_GETSELCOUNT, 0, 0, LB_ERR));
}

int CListBox::GetText(int index, CString& text) const
{
    return ItemText(*this, LB_GETTEXTLEN, LB_GETTEXT, LB_ERR, index, text);
}

int CListBox::GetTextLen(int index) const
{
    CString text;
    return GetText(index, text);
}

int CListBox::FindString(int start, LPCTSTR text) const
{
    std::wstring wide;
    return static_cast<int>(SendToControl(*this, LB_FINDSTRING, static_cast<WPARAM>(start), ListItemParam(m_hWnd, text, wide), LB_ERR));
}

int CListBox::FindStringExact(int start, LPCTSTR text) const
{
    std::wstring wide;
    return static_cast<int>(
        SendToControl(*this, LB_FINDSTRINGEXACT, static_cast<WPARAM>(start), ListItemParam(m_hWnd, text, wide), LB_ERR));
}

int CListBox::SelectString(int start, LPCTSTR text)
{
    std::wstring wide;
    return static_cast<int>(SendToControl(*this, LB_SELECTSTRING, static_cast<WPARAM>(start), ListItemParam(m_hWnd, text, wide), LB_ERR));
}

DWORD_PTR CListBox::GetItemData(int index) const
{
    return static_cast<DWORD_PTR>(SendToControl(*this, LB_GETITEMDATA, static_cast<WPARAM>(index), 0, LB_ERR));
}

int CListBox::SetItemData(int index, DWORD_PTR data)
{
    return static_cast<int>(SendToControl(*this, LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data), LB_ERR));
}

int CListBox::GetItemHeight(int index) const
{
    return static_cast<int>(SendToControl(*this, LB_GETITEMHEIGHT, static_cast<WPARAM>(index), 0, LB_ERR));
}

int CListBox::SetItemHeight(int index, UINT height)
{
    return static_cast<int>(SendToControl(*this, LB_SETITEMHEIGHT, static_cast<WPARAM>(index), MAKELPARAM(height, 0), LB_ERR));
}

int CListBox::GetItemRect(int index, CRect* rect) const
{
    RECT r{};
    LRESULT result = SendToControl(*this, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r), LB_ERR);
    if (result != LB_ERR && rect)
        *rect = FromWin32(r);
    return static_cast<int>(result);
}

int CListBox::GetTopIndex() const
{
    return static_cast<int>(SendToControl(*this, LB_GETTOPINDEX, 0, 0, LB_ERR));
}

int CListBox::SetTopIndex(int index)
{
    return static_cast<int>(SendToControl(*this, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0, LB_ERR));
}

int CListBox::GetCaretIndex() const
{
    return static_cast<int>(SendToControl(*this, LB_GETCARETINDEX, 0, 0, LB_ERR));
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CListBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CListBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (OwnerDrawMessage(*this, message, lParam, pResult))
        return TRUE;
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// --- CComboBox

BOOL CComboBox::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("COMBOBOX", nullptr, style, rect, parent, id);
}

int CComboBox::AddString(LPCTSTR text)
{
    std::wstring wide;
    return static_cast<int>(SendToControl(*this, CB_ADDSTRING, 0, ComboItemParam(m_hWnd, text, wide), CB_ERR));
}

int CComboBox::InsertString(int index, LPCTSTR text)
{
    std::wstring wide;
    return static_cast<int>(SendToControl(*this, CB_INSERTSTRING, static_cast<WPARAM>(index), ComboItemParam(m_hWnd, text, wide), CB_ERR));
}

int CComboBox::DeleteString(UINT index)
{
    return static_cast<int>(SendToControl(*this, CB_DELETESTRING, index, 0, CB_ERR));
}

void CComboBox::ResetContent()
{
    SendToControl(*this, CB_RESETCONTENT, 0, 0);
}

int CComboBox::GetCount() const
{
    return static_cast<int>(SendToControl(*this, CB_GETCOUNT, 0, 0, CB_ERR));
}

int CComboBox::GetCurSel() const
{
    return static_cast<int>(SendToControl(*this, CB_GETCURSEL, 0, 0, CB_ERR));
}

int CComboBox::SetCurSel(int index)
{
    return static_cast<int>(SendToControl(*this, CB_SETCURSEL, static_cast<WPARAM>(index), 0, CB_ERR));
}

int CComboBox::GetLBText(int index, CString& text) const
{
    return ItemText(*this, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_ERR, index, text);
}

int CComboBox::GetLBTextLen(int index) const
{
    CString text;
    return GetLBText(index, text);
}

int CComboBox::FindString(int start, LPCTSTR text) const
{
    std::wstring wide;
    return static_cast<int>(SendToControl(*this, CB_FINDSTRING, static_cast<WPARAM>(start), ComboItemParam(m_hWnd, text, wide), CB_ERR));
}

int CComboBox::FindStringExact(int start, LPCTSTR text) const
{
    std::wstring wide;
    return static_cast<int>(
        SendToControl(*this, CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), ComboItemParam(m_hWnd, text, wide), CB_ERR));
}

int CComboBox::SelectString(int start, LPCTSTR text)
{
    std::wstring wide;
    return static_cast<int>(SendToControl(*this, CB_SELECTSTRING, static_cast<WPARAM>(start), ComboItemParam(m_hWnd, text, wide), CB_ERR));
}

DWORD_PTR CComboBox::GetItemData(int index) const
{
    return static_cast<DWORD_PTR>(SendToControl(*this, CB_GETITEMDATA, static_cast<WPARAM>(index), 0, CB_ERR));
}

int CComboBox::SetItemData(int index, DWORD_PTR data)
{
    return static_cast<int>(SendToControl(*this, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data), CB_ERR));
}

int CComboBox::GetItemHeight(int index) const
{
    return static_cast<int>(SendToControl(*this, CB_GETITEMHEIGHT, static_cast<WPARAM>(index), 0, CB_ERR));
}

int CComboBox::SetItemHeight(int index, UINT height)
{
    return static_cast<int>(SendToControl(*this, CB_SETITEMHEIGHT, static_cast<WPARAM>(index), MAKELPARAM(height, 0), CB_ERR));
}

int CComboBox::GetTopIndex() const
{
    return static_cast<int>(SendToControl(*this, CB_GETTOPINDEX, 0, 0, CB_ERR));
}

int CComboBox::SetTopIndex(int index)
{
    return static_cast<int>(SendToControl(*this, CB_SETTOPINDEX, static_cast<WPARAM>(index), 0, CB_ERR));
}

DWORD CComboBox::GetEditSel() const
{
    LRESULT selection = SendToControl(*this, CB_GETEDITSEL, 0, 0, CB_ERR);
    return selection == CB_ERR ? static_cast<DWORD>(CB_ERR) : SelectionInBytes(m_hWnd, static_cast<DWORD>(selection));
}

BOOL CComboBox::SetEditSel(int start, int end)
{
    const std::wstring text = edit_bytes::WindowText(m_hWnd);
    const int wideStart = edit_bytes::WideIndex(text, start);
    const int wideEnd = edit_bytes::WideIndex(text, end);
    return SendToControl(*this, CB_SETEDITSEL, 0, MAKELPARAM(wideStart, wideEnd), CB_ERR) != CB_ERR;
}

BOOL CComboBox::LimitText(int bytes)
{
    if (SendToControl(*this, CB_LIMITTEXT, static_cast<WPARAM>(bytes), 0, CB_ERR) == CB_ERR)
        return FALSE;
    edit_bytes::SetByteLimit(GetEditHandle(), static_cast<UINT>(bytes));
    return TRUE;
}

HWND CComboBox::GetEditHandle() const
{
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!::IsWindow(m_hWnd) || !::GetComboBoxInfo(m_hWnd, &info) || info.hwndItem == m_hWnd)
        return nullptr;
    return info.hwndItem;
}

void CComboBox::ShowDropDown(BOOL show)
{
    SendToControl(*this, CB_SHOWDROPDOWN, static_cast<WPARAM>(show), 0);
}

BOOL CComboBox::GetDroppedState() const
{
    return static_cast<BOOL>(SendToControl(*this, CB_GETDROPPEDSTATE, 0, 0));
}

void CComboBox::GetDroppedControlRect(CRect* rect) const
{
    RECT r{};
    if (SendToControl(*this, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&r)) && rect)
        *rect = FromWin32(r);
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CComboBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (OwnerDrawMessage(*this, message, lParam, pResult))
        return TRUE;
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

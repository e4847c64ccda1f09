#include "common_controls.h"

#include "control_send.h"
#include "gdi_objects.h"
#include "geometry_win.h"
#include "wide_text.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Reads a text that a control copies into a buffer of a given size, doubling the
// buffer until the text fits. fill(buffer, size) answers the characters copied.
template <class Fill>
CString ReadText(Fill fill)
{
    constexpr int kLargest = 1 << 16;
    for (int size = 128;; size *= 2) {
        std::vector<wchar_t> buffer(static_cast<size_t>(size), L'\0');
        int length = fill(buffer.data(), size);
        if (length < size - 1 || size >= kLargest)
            return FromWide(buffer.data(), std::min(std::max(length, 0), size - 1));
    }
}

// The description of one tool: a whole window is known by its handle, a
// rectangle of a window by the window and the tool id.
TOOLINFOW ToolInfo(CWnd* wnd, UINT_PTR toolId)
{
    TOOLINFOW info{};
    // The size without the last field, which older versions of the control refuse.
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    HWND hWnd = wnd ? wnd->GetSafeHwnd() : nullptr;
    if (toolId == 0) {
        info.uFlags = TTF_IDISHWND;
        info.hwnd = hWnd ? ::GetParent(hWnd) : nullptr;
        info.uId = reinterpret_cast<UINT_PTR>(hWnd);
    } else {
        info.hwnd = hWnd;
        info.uId = toolId;
    }
    return info;
}

}  // namespace

// --- CDateTimeCtrl

BOOL CDateTimeCtrl::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("SysDateTimePick32", nullptr, style, rect, parent, id);
}

DWORD CDateTimeCtrl::GetTime(SYSTEMTIME* time) const
{
    return static_cast<DWORD>(SendToControl(*this, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(time), GDT_ERROR));
}

BOOL CDateTimeCtrl::SetTime(const SYSTEMTIME* time)
{
    // Some versions of the control want a time even when told there is none.
    const SYSTEMTIME none{};
    return static_cast<BOOL>(SendToControl(*this, DTM_SETSYSTEMTIME, time ? GDT_VALID : GDT_NONE,
                                           reinterpret_cast<LPARAM>(time ? time : &none)));
}

BOOL CDateTimeCtrl::SetFormat(LPCTSTR format)
{
    std::wstring wide = ToWide(format);
    return static_cast<BOOL>(SendToControl(*this, DTM_SETFORMATW, 0, format ? reinterpret_cast<LPARAM>(wide.c_str()) : 0));
}

DWORD CDateTimeCtrl::GetRange(SYSTEMTIME* minMax) const
{
    return static_cast<DWORD>(SendToControl(*this, DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(minMax)));
}

BOOL CDateTimeCtrl::SetRange(const SYSTEMTIME* minTime, const SYSTEMTIME* maxTime)
{
    SYSTEMTIME range[2] = {};
    WPARAM flags = 0;
    if (minTime) {
        range[0] = *minTime;
        flags |= GDTR_MIN;
    }
    if (maxTime) {
        range[1] = *maxTime;
        flags |= GDTR_MAX;
    }
    return static_cast<BOOL>(SendToControl(*this, DTM_SETRANGE, flags, reinterpret_cast<LPARAM>(range)));
}

// --- CToolTipCtrl

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style)
{
    return CreateEx(WS_EX_TOPMOST, "tooltips_class32", nullptr, WS_POPUP | TTS_ALWAYSTIP | style, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent ? parent->GetSafeHwnd() : nullptr, nullptr);
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, LPCTSTR text, const CRect* rect, UINT_PTR toolId)
{
    if (!wnd)
        return FALSE;
    TOOLINFOW info = ToolInfo(wnd, toolId);
    std::wstring wide = ToWide(text);
    info.lpszText = wide.data();
    if (rect)
        info.rect = ToWin32(*rect);
    else if (toolId != 0)
        ::GetClientRect(wnd->GetSafeHwnd(), &info.rect);
    return static_cast<BOOL>(SendToControl(*this, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::DelTool(CWnd* wnd, UINT_PTR toolId)
{
    TOOLINFOW info = ToolInfo(wnd, toolId);
    SendToControl(*this, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(LPCTSTR text, CWnd* wnd, UINT_PTR toolId)
{
    TOOLINFOW info = ToolInfo(wnd, toolId);
    std::wstring wide = ToWide(text);
    info.lpszText = wide.data();
    SendToControl(*this, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::GetText(CString& text, CWnd* wnd, UINT_PTR toolId) const
{
    constexpr size_t kBufferLength = 1024;
    std::vector<wchar_t> buffer(kBufferLength, L'\0');
    TOOLINFOW info = ToolInfo(wnd, toolId);
    info.lpszText = buffer.data();
    SendToControl(*this, TTM_GETTEXTW, kBufferLength, reinterpret_cast<LPARAM>(&info));
    buffer.back() = L'\0';
    text = FromWide(buffer.data());
}

int CToolTipCtrl::GetToolCount() const
{
    return static_cast<int>(SendToControl(*this, TTM_GETTOOLCOUNT, 0, 0));
}

void CToolTipCtrl::RelayEvent(MSG* msg)
{
    SendToControl(*this, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}

void CToolTipCtrl::Activate(BOOL activate)
{
    SendToControl(*this, TTM_ACTIVATE, static_cast<WPARAM>(activate), 0);
}

void CToolTipCtrl::SetDelayTime(DWORD duration, int time)
{
    SendToControl(*this, TTM_SETDELAYTIME, duration, MAKELPARAM(time, 0));
}

int CToolTipCtrl::GetDelayTime(DWORD duration) const
{
    return static_cast<int>(SendToControl(*this, TTM_GETDELAYTIME, duration, 0));
}

void CToolTipCtrl::SetMaxTipWidth(int width)
{
    SendToControl(*this, TTM_SETMAXTIPWIDTH, 0, width);
}

void CToolTipCtrl::Pop()
{
    SendToControl(*this, TTM_POP, 0, 0);
}

// --- CSpinButtonCtrl

BOOL CSpinButtonCtrl::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("msctls_updown32", nullptr, style, rect, parent, id);
}

void CSpinButtonCtrl::SetRange(int lower, int upper)
{
    SendToControl(*this, UDM_SETRANGE32, static_cast<WPARAM>(lower), upper);
}

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const
{
    lower = upper = 0;
    SendToControl(*this, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
}

int CSpinButtonCtrl::SetPos(int position)
{
    return static_cast<int>(SendToControl(*this, UDM_SETPOS32, 0, position));
}

int CSpinButtonCtrl::GetPos(BOOL* pbError) const
{
    // The control writes the flag; without a control it stays an error.
    BOOL error = TRUE;
    int position = static_cast<int>(SendToControl(*this, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error)));
    if (pbError)
        *pbError = error;
    return position;
}

HWND CSpinButtonCtrl::SetBuddy(CWnd* buddy)
{
    return reinterpret_cast<HWND>(
        SendToControl(*this, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy ? buddy->GetSafeHwnd() : nullptr), 0));
}

HWND CSpinButtonCtrl::GetBuddy() const
{
    return reinterpret_cast<HWND>(SendToControl(*this, UDM_GETBUDDY, 0, 0));
}

// --- CImageList

CImageList::~CImageList()
{
    DeleteImageList();
}

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow)
{
    return Attach(::ImageList_Create(cx, cy, flags, initial, grow));
}

BOOL CImageList::DeleteImageList()
{
    return m_hImageList ? ::ImageList_Destroy(Detach()) : FALSE;
}

BOOL CImageList::Attach(HIMAGELIST list)
{
    if (m_hImageList || !list)
        return FALSE;
    m_hImageList = list;
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST list = m_hImageList;
    m_hImageList = nullptr;
    return list;
}

int CImageList::Add(CBitmap* bitmap, COLORREF maskColor)
{
    return m_hImageList && bitmap ? ::ImageList_AddMasked(m_hImageList, *bitmap, maskColor) : -1;
}

int CImageList::Add(CBitmap* bitmap, CBitmap* mask)
{
    return m_hImageList && bitmap ? ::ImageList_Add(m_hImageList, *bitmap, mask ? static_cast<HBITMAP>(*mask) : nullptr)
                                   : -1;
}

int CImageList::GetImageCount() const
{
    return m_hImageList ? ::ImageList_GetImageCount(m_hImageList) : 0;
}

BOOL CImageList::GetIconSize(int& cx, int& cy) const
{
    cx = cy = 0;
    return m_hImageList ? ::ImageList_GetIconSize(m_hImageList, &cx, &cy) : FALSE;
}

// --- CTreeCtrl

BOOL CTreeCtrl::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("SysTreeView32", nullptr, style, rect, parent, id);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, int image, int selectedImage, HTREEITEM parent, HTREEITEM insertAfter)
{
    return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, text, image, selectedImage, 0, 0, 0, parent,
                      insertAfter);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, HTREEITEM parent, HTREEITEM insertAfter)
{
    return InsertItem(TVIF_TEXT, text, 0, 0, 0, 0, 0, parent, insertAfter);
}

HTREEITEM CTreeCtrl::InsertItem(UINT mask, LPCTSTR text, int image, int selectedImage, UINT state, UINT stateMask,
                                LPARAM data, HTREEITEM parent, HTREEITEM insertAfter)
{
    std::wstring wide = ToWide(text);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = insertAfter;
    insert.item.mask = mask;
    insert.item.pszText = wide.data();
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    insert.item.state = state;
    insert.item.stateMask = stateMask;
    insert.item.lParam = data;
    return reinterpret_cast<HTREEITEM>(SendToControl(*this, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM item)
{
    return static_cast<BOOL>(SendToControl(*this, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)));
}

BOOL CTreeCtrl::DeleteAllItems()
{
    return DeleteItem(TVI_ROOT);
}

CString CTreeCtrl::GetItemText(HTREEITEM item) const
{
    return ReadText([&](wchar_t* buffer, int size) {
        TVITEMW query{};
        query.mask = TVIF_TEXT;
        query.hItem = item;
        query.pszText = buffer;
        query.cchTextMax = size;
        if (!SendToControl(*this, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query)))
            return 0;
        // The control may hand back its own buffer instead of filling ours.
        return query.pszText == buffer ? static_cast<int>(wcslen(buffer)) : 0;
    });
}

BOOL CTreeCtrl::SetItemText(HTREEITEM item, LPCTSTR text)
{
    std::wstring wide = ToWide(text);
    TVITEMW change{};
    change.mask = TVIF_TEXT;
    change.hItem = item;
    change.pszText = wide.data();
    return static_cast<BOOL>(SendToControl(*this, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change)));
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const
{
    TVITEMW query{};
    query.mask = TVIF_PARAM;
    query.hItem = item;
    SendToControl(*this, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
    return static_cast<DWORD_PTR>(query.lParam);
}

BOOL CTreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR data)
{
    TVITEMW change{};
    change.mask = TVIF_PARAM;
    change.hItem = item;
    change.lParam = static_cast<LPARAM>(data);
    return static_cast<BOOL>(SendToControl(*this, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change)));
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM item, int& image, int& selectedImage) const
{
    TVITEMW query{};
    query.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    query.hItem = item;
    BOOL found = static_cast<BOOL>(SendToControl(*this, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query)));
    image = query.iImage;
    selectedImage = query.iSelectedImage;
    return found;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM item, int image, int selectedImage)
{
    TVITEMW change{};
    change.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    change.hItem = item;
    change.iImage = image;
    change.iSelectedImage = selectedImage;
    return static_cast<BOOL>(SendToControl(*this, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change)));
}

UINT CTreeCtrl::GetItemState(HTREEITEM item, UINT stateMask) const
{
    return static_cast<UINT>(SendToControl(*this, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), stateMask));
}

BOOL CTreeCtrl::SetItemState(HTREEITEM item, UINT state, UINT stateMask)
{
    TVITEMW change{};
    change.mask = TVIF_STATE;
    change.hItem = item;
    change.state = state;
    change.stateMask = stateMask;
    return static_cast<BOOL>(SendToControl(*this, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change)));
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM item, CRect* rect, BOOL textOnly) const
{
    // The message takes the item in the rectangle it fills.
    RECT r{};
    std::memcpy(&r, &item, sizeof item);
    BOOL found = static_cast<BOOL>(SendToControl(*this, TVM_GETITEMRECT, static_cast<WPARAM>(textOnly),
                                                 reinterpret_cast<LPARAM>(&r)));
    if (found && rect)
        *rect = FromWin32(r);
    return found;
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM item) const
{
    TVITEMW query{};
    query.mask = TVIF_CHILDREN;
    query.hItem = item;
    SendToControl(*this, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
    return query.cChildren != 0;
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM item, UINT code) const
{
    return reinterpret_cast<HTREEITEM>(SendToControl(*this, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM CTreeCtrl::GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PREVIOUS); }
HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PARENT); }
HTREEITEM CTreeCtrl::GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }

BOOL CTreeCtrl::SelectItem(HTREEITEM item)
{
    return static_cast<BOOL>(SendToControl(*this, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)));
}

BOOL CTreeCtrl::Expand(HTREEITEM item, UINT code)
{
    return static_cast<BOOL>(SendToControl(*this, TVM_EXPAND, code, reinterpret_cast<LPARAM>(item)));
}

BOOL CTreeCtrl::EnsureVisible(HTREEITEM item)
{
    return static_cast<BOOL>(SendToControl(*this, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM CTreeCtrl::HitTest(const CPoint& point, UINT* flags) const
{
    TVHITTESTINFO hit{};
    hit.pt = ToWin32(point);
    HTREEITEM item = reinterpret_cast<HTREEITEM>(SendToControl(*this, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (flags)
        *flags = hit.flags;
    return item;
}

UINT CTreeCtrl::GetCount() const { return static_cast<UINT>(SendToControl(*this, TVM_GETCOUNT, 0, 0)); }
UINT CTreeCtrl::GetVisibleCount() const { return static_cast<UINT>(SendToControl(*this, TVM_GETVISIBLECOUNT, 0, 0)); }
UINT CTreeCtrl::GetIndent() const { return static_cast<UINT>(SendToControl(*this, TVM_GETINDENT, 0, 0)); }
void CTreeCtrl::SetIndent(UINT indent) { SendToControl(*this, TVM_SETINDENT, indent, 0); }

HIMAGELIST CTreeCtrl::SetImageList(CImageList* images, int which)
{
    return reinterpret_cast<HIMAGELIST>(SendToControl(*this, TVM_SETIMAGELIST, static_cast<WPARAM>(which),
                                                      reinterpret_cast<LPARAM>(images ? images->m_hImageList : nullptr)));
}

HIMAGELIST CTreeCtrl::GetImageList(int which) const
{
    return reinterpret_cast<HIMAGELIST>(SendToControl(*this, TVM_GETIMAGELIST, static_cast<WPARAM>(which), 0));
}

// --- CListCtrl

BOOL CListCtrl::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("SysListView32", nullptr, style, rect, parent, id);
}

DWORD CListCtrl::GetExtendedStyle() const
{
    return static_cast<DWORD>(SendToControl(*this, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}

DWORD CListCtrl::SetExtendedStyle(DWORD extendedStyle)
{
    return static_cast<DWORD>(SendToControl(*this, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, extendedStyle));
}

HIMAGELIST CListCtrl::SetImageList(CImageList* images, int which)
{
    return reinterpret_cast<HIMAGELIST>(SendToControl(*this, LVM_SETIMAGELIST, static_cast<WPARAM>(which),
                                                      reinterpret_cast<LPARAM>(images ? images->m_hImageList : nullptr)));
}

HIMAGELIST CListCtrl::GetImageList(int which) const
{
    return reinterpret_cast<HIMAGELIST>(SendToControl(*this, LVM_GETIMAGELIST, static_cast<WPARAM>(which), 0));
}

int CListCtrl::InsertColumn(int column, LPCTSTR heading, int format, int width, int subItem)
{
    std::wstring wide = ToWide(heading);
    LVCOLUMNW insert{};
    insert.mask = LVCF_FMT | LVCF_TEXT;
    insert.fmt = format;
    insert.pszText = wide.data();
    if (width != -1) {
        insert.mask |= LVCF_WIDTH;
        insert.cx = width;
    }
    if (subItem != -1) {
        insert.mask |= LVCF_SUBITEM;
        insert.iSubItem = subItem;
    }
    return static_cast<int>(
        SendToControl(*this, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&insert), -1));
}

BOOL CListCtrl::DeleteColumn(int column)
{
    return static_cast<BOOL>(SendToControl(*this, LVM_DELETECOLUMN, static_cast<WPARAM>(column), 0));
}

int CListCtrl::GetColumnWidth(int column) const
{
    return static_cast<int>(SendToControl(*this, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

BOOL CListCtrl::SetColumnWidth(int column, int width)
{
    return static_cast<BOOL>(SendToControl(*this, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0)));
}

int CListCtrl::GetColumnCount() const
{
    HWND header = reinterpret_cast<HWND>(SendToControl(*this, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int CListCtrl::InsertItem(int item, LPCTSTR text)
{
    std::wstring wide = ToWide(text);
    LVITEMW insert{};
    insert.mask = LVIF_TEXT;
    insert.iItem = item;
    insert.pszText = wide.data();
    return static_cast<int>(SendToControl(*this, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert), -1));
}

int CListCtrl::InsertItem(int item, LPCTSTR text, int image)
{
    std::wstring wide = ToWide(text);
    LVITEMW insert{};
    insert.mask = LVIF_TEXT | LVIF_IMAGE;
    insert.iItem = item;
    insert.pszText = wide.data();
    insert.iImage = image;
    return static_cast<int>(SendToControl(*this, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert), -1));
}

BOOL CListCtrl::DeleteItem(int item)
{
    return static_cast<BOOL>(SendToControl(*this, LVM_DELETEITEM, static_cast<WPARAM>(item), 0));
}

BOOL CListCtrl::DeleteAllItems()
{
    return static_cast<BOOL>(SendToControl(*this, LVM_DELETEALLITEMS, 0, 0));
}

int CListCtrl::GetItemCount() const
{
    return static_cast<int>(SendToControl(*this, LVM_GETITEMCOUNT, 0, 0));
}

CString CListCtrl::GetItemText(int item, int subItem) const
{
    return ReadText([&](wchar_t* buffer, int size) {
        LVITEMW query{};
        query.iSubItem = subItem;
        query.pszText = buffer;
        query.cchTextMax = size;
        return static_cast<int>(
            SendToControl(*this, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&query)));
    });
}

BOOL CListCtrl::SetItemText(int item, int subItem, LPCTSTR text)
{
    std::wstring wide = ToWide(text);
    LVITEMW change{};
    change.iSubItem = subItem;
    change.pszText = wide.data();
    return static_cast<BOOL>(
        SendToControl(*this, LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&change)));
}

DWORD_PTR CListCtrl::GetItemData(int item) const
{
    LVITEMW query{};
    query.mask = LVIF_PARAM;
    query.iItem = item;
    SendToControl(*this, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
    return static_cast<DWORD_PTR>(query.lParam);
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data)
{
    LVITEMW change{};
    change.mask = LVIF_PARAM;
    change.iItem = item;
    change.lParam = static_cast<LPARAM>(data);
    return static_cast<BOOL>(SendToControl(*this, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change)));
}

UINT CListCtrl::GetItemState(int item, UINT mask) const
{
    return static_cast<UINT>(SendToControl(*this, LVM_GETITEMSTATE, static_cast<WPARAM>(item), mask));
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask)
{
    LVITEMW change{};
    change.state = state;
    change.stateMask = mask;
    return static_cast<BOOL>(
        SendToControl(*this, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&change)));
}

BOOL CListCtrl::GetItemRect(int item, CRect* rect, UINT code) const
{
    RECT r{};
    r.left = static_cast<LONG>(code);
    BOOL found = static_cast<BOOL>(
        SendToControl(*this, LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&r)));
    if (found && rect)
        *rect = FromWin32(r);
    return found;
}

BOOL CListCtrl::GetSubItemRect(int item, int subItem, int code, CRect& rect) const
{
    RECT r{};
    r.top = subItem;
    r.left = code;
    BOOL found = static_cast<BOOL>(
        SendToControl(*this, LVM_GETSUBITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&r)));
    if (found)
        rect = FromWin32(r);
    return found;
}

int CListCtrl::GetNextItem(int item, int flags) const
{
    return static_cast<int>(SendToControl(*this, LVM_GETNEXTITEM, static_cast<WPARAM>(item), flags, -1));
}

UINT CListCtrl::GetSelectedCount() const
{
    return static_cast<UINT>(SendToControl(*this, LVM_GETSELECTEDCOUNT, 0, 0));
}

int CListCtrl::GetTopIndex() const
{
    return static_cast<int>(SendToControl(*this, LVM_GETTOPINDEX, 0, 0));
}

int CListCtrl::GetCountPerPage() const
{
    return static_cast<int>(SendToControl(*this, LVM_GETCOUNTPERPAGE, 0, 0));
}

BOOL CListCtrl::EnsureVisible(int item, BOOL partialOK)
{
    return static_cast<BOOL>(SendToControl(*this, LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), partialOK));
}

BOOL CListCtrl::RedrawItems(int first, int last)
{
    return static_cast<BOOL>(SendToControl(*this, LVM_REDRAWITEMS, static_cast<WPARAM>(first), last));
}

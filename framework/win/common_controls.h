// The common controls of COMCTL32, thin wrappers of their messages as in controls.h:
//   CDateTimeCtrl    the date picker
//   CToolTipCtrl     tooltips for other windows
//   CSpinButtonCtrl  the up-down arrows beside a number
//   CImageList       small pictures for tree and list views (not a window)
//   CTreeCtrl        the tree view
//   CListCtrl        the list view; its custom drawing reaches the object as the
//                    reflected NM_CUSTOMDRAW (on::NotifyReflect in its message map)
// InitCommonControls must have run (the application does it at start). Item
// texts go in and out as Shift-JIS; the controls notify their parents with the
// UTF-16 codes (TVN_SELCHANGEDW ...), since the framework's windows are Unicode.
#pragma once

#include "../cstring.h"
#include "../geometry.h"
#include "windows_api.h"
#include "wnd.h"

class CBitmap;

class CDateTimeCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id);

    // GDT_VALID with the shown date and time in *time, GDT_NONE when a picker
    // with DTS_SHOWNONE shows no date, GDT_ERROR without a window.
    DWORD GetTime(SYSTEMTIME* time) const;
    // A null time clears a DTS_SHOWNONE picker. FALSE when the picker refused the date.
    BOOL SetTime(const SYSTEMTIME* time);
    // A display format such as "yyyy/MM/dd" (Shift-JIS, quoted text allowed);
    // null returns to the style's own format.
    BOOL SetFormat(LPCTSTR format);
    // The allowed dates: GDTR_MIN / GDTR_MAX flags for the ends that are set.
    DWORD GetRange(SYSTEMTIME* minMax) const;
    BOOL SetRange(const SYSTEMTIME* minTime, const SYSTEMTIME* maxTime);
};

// A tooltip window belonging to a parent. Tools are windows or rectangles of
// windows; the owner passes its mouse messages on with RelayEvent (from its
// PreTranslateMessage), so the tooltip knows when to show.
class CToolTipCtrl : public CWnd {
public:
    BOOL Create(CWnd* parent, DWORD style = 0);

    // A tool for the whole of window wnd (toolId 0) or for rect of wnd under
    // toolId. The text is Shift-JIS.
    BOOL AddTool(CWnd* wnd, LPCTSTR text, const CRect* rect = nullptr, UINT_PTR toolId = 0);
    void DelTool(CWnd* wnd, UINT_PTR toolId = 0);
    void UpdateTipText(LPCTSTR text, CWnd* wnd, UINT_PTR toolId = 0);
    // The text of a tool; empty when there is no such tool.
    void GetText(CString& text, CWnd* wnd, UINT_PTR toolId = 0) const;
    int GetToolCount() const;

    void RelayEvent(MSG* msg);
    void Activate(BOOL activate);
    // TTDT_INITIAL, TTDT_AUTOPOP, TTDT_RESHOW in milliseconds.
    void SetDelayTime(DWORD duration, int time);
    int GetDelayTime(DWORD duration) const;
    void SetMaxTipWidth(int width);
    void Pop();
};

class CSpinButtonCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id);

    void SetRange(int lower, int upper);
    void GetRange(int& lower, int& upper) const;
    // Returns the previous position.
    int SetPos(int position);
    // The position the buddy's text shows. When that text is no number in the
    // range, *pbError (when given) is TRUE and the answer is no position read
    // from it.
    int GetPos(BOOL* pbError = nullptr) const;
    // The window whose text shows the number (UDS_SETBUDDYINT); returns the previous one's handle.
    HWND SetBuddy(CWnd* buddy);
    HWND GetBuddy() const;
};

// A list of same-sized pictures, owned by this object.
class CImageList {
public:
    CImageList() = default;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
    ~CImageList();

    // Pictures of cx × cy pixels; flags ILC_COLOR..., ILC_MASK; room for initial
    // pictures, growing by grow.
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    BOOL DeleteImageList();
    BOOL Attach(HIMAGELIST list);
    HIMAGELIST Detach();
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }

    // Adds the pictures of a bitmap; the pixels of maskColor become transparent.
    // Answers the index of the first picture added, -1 on failure.
    int Add(CBitmap* bitmap, COLORREF maskColor);
    int Add(CBitmap* bitmap, CBitmap* mask);
    int GetImageCount() const;
    BOOL GetIconSize(int& cx, int& cy) const;

    HIMAGELIST m_hImageList = nullptr;
};

class CTreeCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id);

    // A new item as the child of parent placed after insertAfter (TVI_LAST, TVI_FIRST or an item).
    HTREEITEM InsertItem(LPCTSTR text, int image, int selectedImage, HTREEITEM parent = TVI_ROOT,
                         HTREEITEM insertAfter = TVI_LAST);
    HTREEITEM InsertItem(LPCTSTR text, HTREEITEM parent = TVI_ROOT, HTREEITEM insertAfter = TVI_LAST);
    // Every field at once; mask says which of them count (TVIF_TEXT, TVIF_PARAM ...).
    HTREEITEM InsertItem(UINT mask, LPCTSTR text, int image, int selectedImage, UINT state, UINT stateMask,
                         LPARAM data, HTREEITEM parent, HTREEITEM insertAfter);
    // Deletes the item with all its children.
    BOOL DeleteItem(HTREEITEM item);
    BOOL DeleteAllItems();

    CString GetItemText(HTREEITEM item) const;
    BOOL SetItemText(HTREEITEM item, LPCTSTR text);
    DWORD_PTR GetItemData(HTREEITEM item) const;
    BOOL SetItemData(HTREEITEM item, DWORD_PTR data);
    BOOL GetItemImage(HTREEITEM item, int& image, int& selectedImage) const;
    BOOL SetItemImage(HTREEITEM item, int image, int selectedImage);
    UINT GetItemState(HTREEITEM item, UINT stateMask) const;
    BOOL SetItemState(HTREEITEM item, UINT state, UINT stateMask);
    BOOL GetItemRect(HTREEITEM item, CRect* rect, BOOL textOnly) const;
    BOOL ItemHasChildren(HTREEITEM item) const;

    // TVGN_ROOT, TVGN_NEXT, TVGN_CHILD, TVGN_PARENT, TVGN_CARET ...; null when there is none.
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const;
    HTREEITEM GetRootItem() const;
    HTREEITEM GetChildItem(HTREEITEM item) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
    HTREEITEM GetPrevSiblingItem(HTREEITEM item) const;
    HTREEITEM GetParentItem(HTREEITEM item) const;
    HTREEITEM GetSelectedItem() const;
    BOOL SelectItem(HTREEITEM item);
    // TVE_EXPAND, TVE_COLLAPSE or TVE_TOGGLE.
    BOOL Expand(HTREEITEM item, UINT code);
    // Expands and scrolls so the item shows; TRUE only when it scrolled without expanding.
    BOOL EnsureVisible(HTREEITEM item);
    HTREEITEM HitTest(const CPoint& point, UINT* flags = nullptr) const;

    UINT GetCount() const;
    UINT GetVisibleCount() const;
    UINT GetIndent() const;
    void SetIndent(UINT indent);
    // TVSIL_NORMAL or TVSIL_STATE; returns the previous list's handle. The list
    // stays the caller's and must outlive its use by the tree.
    HIMAGELIST SetImageList(CImageList* images, int which);
    HIMAGELIST GetImageList(int which) const;
};

class CListCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id);

    DWORD GetExtendedStyle() const;
    DWORD SetExtendedStyle(DWORD extendedStyle);
    // LVSIL_NORMAL, LVSIL_SMALL or LVSIL_STATE; returns the previous list's handle.
    // The list stays the caller's (give the control LVS_SHAREIMAGELISTS).
    HIMAGELIST SetImageList(CImageList* images, int which);
    HIMAGELIST GetImageList(int which) const;

    // Report view columns: the index of the new column, -1 on failure.
    int InsertColumn(int column, LPCTSTR heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    BOOL DeleteColumn(int column);
    int GetColumnWidth(int column) const;
    BOOL SetColumnWidth(int column, int width);
    // The number of columns (the header's items).
    int GetColumnCount() const;

    // The index of the new item, -1 on failure.
    int InsertItem(int item, LPCTSTR text);
    int InsertItem(int item, LPCTSTR text, int image);
    BOOL DeleteItem(int item);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    CString GetItemText(int item, int subItem) const;
    BOOL SetItemText(int item, int subItem, LPCTSTR text);
    DWORD_PTR GetItemData(int item) const;
    BOOL SetItemData(int item, DWORD_PTR data);
    UINT GetItemState(int item, UINT mask) const;
    BOOL SetItemState(int item, UINT state, UINT mask);
    // LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL.
    BOOL GetItemRect(int item, CRect* rect, UINT code) const;
    BOOL GetSubItemRect(int item, int subItem, int code, CRect& rect) const;

    // The next item from item on (-1: from the start) with the flags (LVNI_SELECTED ...), -1 when none.
    int GetNextItem(int item, int flags) const;
    UINT GetSelectedCount() const;
    int GetTopIndex() const;
    int GetCountPerPage() const;
    BOOL EnsureVisible(int item, BOOL partialOK);
    BOOL RedrawItems(int first, int last);
};

// The standard controls, each a thin wrapper of its window messages:
//   CStatic    labels, frames and pictures
//   CButton    push buttons, check boxes, radio buttons and group boxes
//   CEdit      edit fields
//   CListBox   list boxes, with owner-drawn items through DrawItem
//   CComboBox  combo boxes, with owner-drawn items through DrawItem
// A control object is bound to a control of a dialog template with DDX_Control
// (or SubclassDlgItem), or makes its own window with Create. Every method asks
// the window once; a method called on an object without a window answers the
// message's failure value (LB_ERR, CB_ERR, 0) without asking.
//
// Text goes in and out as Shift-JIS CString, and lengths, limits and selection
// positions of edit fields count Shift-JIS bytes, as the program's texts do.
// An owner-drawn list without LBS_HASSTRINGS / CBS_HASSTRINGS keeps no texts:
// there the "text" pointer given to AddString, InsertString and the searches is
// the item's data, kept as it is.
#pragma once

#include "../cstring.h"
#include "../geometry.h"
#include "windows_api.h"
#include "wnd.h"

class CStatic : public CWnd {
public:
    BOOL Create(LPCTSTR text, DWORD style, const CRect& rect, CWnd* parent, UINT id = 0xFFFF);

    // The picture of an SS_BITMAP / SS_ICON static; the previous one is returned
    // and stays the caller's to release.
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const;
    HICON SetIcon(HICON icon);
    HICON GetIcon() const;
};

class CButton : public CWnd {
public:
    BOOL Create(LPCTSTR caption, DWORD style, const CRect& rect, CWnd* parent, UINT id);

    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    int GetCheck() const;
    void SetCheck(int check);
    // BST_PUSHED, BST_FOCUS and the check state.
    UINT GetState() const;
    void SetState(BOOL highlight);
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT style, BOOL redraw = TRUE);
    // The picture of a BS_BITMAP / BS_ICON button; the previous one is returned.
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const;
    HICON SetIcon(HICON icon);
    HICON GetIcon() const;
    // Presses the button as a click would (BN_CLICKED goes to the parent).
    void Click();
};

class CEdit : public CWnd {
public:
    BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id);

    // The selection in bytes of the field's text: start in the low word, end in the high word.
    DWORD GetSel() const;
    void GetSel(int& start, int& end) const;
    // SetSel(0, -1) selects everything, SetSel(-1) removes the selection.
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void SetSel(DWORD selection, BOOL noScroll = FALSE);
    void ReplaceSel(LPCTSTR newText, BOOL canUndo = FALSE);
    void Clear();
    void Copy();
    void Cut();
    void Paste();
    BOOL Undo();
    BOOL CanUndo() const;
    void EmptyUndoBuffer();

    // The user may type at most bytes bytes (0: the system's maximum).
    void LimitText(int bytes = 0);
    UINT GetLimitText() const;
    BOOL GetModify() const;
    void SetModify(BOOL modified = TRUE);
    BOOL SetReadOnly(BOOL readOnly = TRUE);

    int GetLineCount() const;
    // Text of line index (0 first) of a multi-line field, without its line break.
    int GetLine(int index, CString& text) const;
    int LineIndex(int line = -1) const;
    int LineFromChar(int byteIndex = -1) const;
};

class CListBox : public CWnd {
public:
    BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id);

    // Adding, inserting and deleting answer the item's index, or LB_ERR / LB_ERRSPACE.
    int AddString(LPCTSTR text);
    int InsertString(int index, LPCTSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;

    // Single-selection lists: the selected item, LB_ERR when none. SetCurSel(-1) clears it.
    int GetCurSel() const;
    int SetCurSel(int index);
    // Multiple-selection lists.
    int GetSel(int index) const;
    int SetSel(int index, BOOL select = TRUE);
    int GetSelCount() const;

    // The item's text; LB_ERR for an index outside the list.
    int GetText(int index, CString& text) const;
    // Length of the item's text in bytes.
    int GetTextLen(int index) const;
    // First item from start on (-1: from the top) whose text begins with text,
    // or equals it; case is ignored. LB_ERR when none.
    int FindString(int start, LPCTSTR text) const;
    int FindStringExact(int start, LPCTSTR text) const;
    int SelectString(int start, LPCTSTR text);

    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
    // Height of the rows of an LBS_OWNERDRAWFIXED list (index 0) or of one row of
    // an LBS_OWNERDRAWVARIABLE list.
    int GetItemHeight(int index) const;
    int SetItemHeight(int index, UINT height);
    int GetItemRect(int index, CRect* rect) const;
    int GetTopIndex() const;
    int SetTopIndex(int index);
    int GetCaretIndex() const;

    // Owner-drawn lists: the parent's WM_DRAWITEM, WM_MEASUREITEM, WM_COMPAREITEM
    // and WM_DELETEITEM for this list come here. The defaults do nothing (items
    // keep the height the template gives; CompareItem calls every pair equal).
    virtual void DrawItem(LPDRAWITEMSTRUCT drawItem);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT measureItem);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT compareItem);
    virtual void DeleteItem(LPDELETEITEMSTRUCT deleteItem);

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CComboBox : public CWnd {
public:
    BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id);

    int AddString(LPCTSTR text);
    int InsertString(int index, LPCTSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);

    int GetLBText(int index, CString& text) const;
    int GetLBTextLen(int index) const;
    int FindString(int start, LPCTSTR text) const;
    int FindStringExact(int start, LPCTSTR text) const;
    int SelectString(int start, LPCTSTR text);

    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
    // index -1: the selection field; 0: the items of the list.
    int GetItemHeight(int index) const;
    int SetItemHeight(int index, UINT height);
    int GetTopIndex() const;
    int SetTopIndex(int index);

    // The edit field of a drop-down combo: selection in bytes (start low word,
    // end high word) and the most bytes the user may type (0: no limit).
    DWORD GetEditSel() const;
    BOOL SetEditSel(int start, int end);
    BOOL LimitText(int bytes);
    // The edit field of a drop-down combo, or null for a drop-down list.
    HWND GetEditHandle() const;

    void ShowDropDown(BOOL show = TRUE);
    BOOL GetDroppedState() const;
    void GetDroppedControlRect(CRect* rect) const;

    virtual void DrawItem(LPDRAWITEMSTRUCT drawItem);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT measureItem);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT compareItem);
    virtual void DeleteItem(LPDELETEITEMSTRUCT deleteItem);

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

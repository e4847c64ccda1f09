// CWnd: one object around one window handle. Windows the framework creates,
// and windows attached with SubclassWindow, run through the framework's window
// procedure: the message goes to WindowProc, which looks it up in the message
// map and otherwise hands it to the window's original procedure (Default).
//
// Every handle the framework knows is kept in a permanent map; FromHandle of any
// other handle gives a temporary object that lives until the next idle time.
//
// Lifetime: a window object whose window is destroyed while one of its own
// handlers runs (a button handler that sends the command that destroys its own
// view) is released only after the outermost message of that window has
// returned; PostNcDestroy is the point where heap-owned windows delete themselves.
//
// Text crosses the boundary in code page 932: CString in, CString out.
#pragma once

#include "../cstring.h"
#include "../geometry.h"
#include "cmd_target.h"

#include "windows_api.h"

#include <unordered_map>
#include <vector>

class CDataExchange;
class CDC;
class CFont;
class CFrameWnd;
class CMenu;

class CWnd : public CCmdTarget {
    DECLARE_DYNCREATE(CWnd)
    DECLARE_MESSAGE_MAP(CWnd)
public:
    CWnd();
    // Destroys the window when it still exists.
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return GetSafeHwnd(); }

    // The window object of a handle: the permanent one, or a temporary one for a
    // window the framework does not manage. Null for a null handle.
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);
    // Releases the temporary objects made by FromHandle (the message loop calls it when idle).
    static void DeleteTempMap();

    // Creation. The class name and text are CP932; a null class name means the
    // framework's own window class. FALSE when the window could not be created.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const CRect& rect,
                CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                  int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const CRect& rect,
                  CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    // Lets a class change the creation parameters; the class and window names
    // are CP932 text here.
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL DestroyWindow();

    // Binding an existing window: Attach only records the handle; SubclassWindow
    // also routes its messages through this object (controls bound by DDX_Control).
    BOOL Attach(HWND hWndNew);
    HWND Detach();
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // Messages.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE) const;

    // Children and relatives.
    CWnd* GetDlgItem(int nID) const;
    void GetDlgItem(int nID, HWND* phWnd) const { *phWnd = ChildOfId(nID); }
    // A message to a child that no member object wraps (never cast GetDlgItem's object).
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* pWndNewParent);
    CWnd* GetOwner() const;
    CWnd* GetTopLevelParent() const;
    // The nearest frame window among the ancestors (not this window itself).
    CFrameWnd* GetParentFrame() const;
    CWnd* GetWindow(UINT nCmd) const;
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    BOOL IsChild(const CWnd* pWnd) const;

    // Text in CP932.
    void SetWindowText(LPCTSTR lpszString);
    void GetWindowText(CString& rString) const;
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
    int GetWindowTextLength() const;
    void SetDlgItemText(int nID, LPCTSTR lpszString);
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);

    // State and placement.
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(const CRect& rect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void GetClientRect(LPRECT lpRect) const;
    void GetClientRect(CRect* lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void GetWindowRect(CRect* lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(CPoint* lpPoint) const;
    void ClientToScreen(CRect* lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(CPoint* lpPoint) const;
    void ScreenToClient(CRect* lpRect) const;
    // The window rectangle of the child nID in this window's client coordinates;
    // empty when there is no such child.
    CRect ControlRect(int nID) const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    void CenterWindow(CWnd* pAlternateOwner = nullptr);

    // Focus and activation.
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetActiveWindow();
    static CWnd* GetActiveWindow();
    BOOL SetForegroundWindow();
    CWnd* SetCapture();
    static CWnd* GetCapture();

    // Opens or closes the input method of the active window, as a text field
    // asks when it gains or loses the focus; nothing when no window is active.
    static void SetImeOpen(BOOL bOpen);
    // The same for the window hWnd; nothing for a null handle.
    static void SetImeOpen(HWND hWnd, BOOL bOpen);

    // Menus.
    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* pMenu);
    void DrawMenuBar();
    CMenu* GetSystemMenu(BOOL bRevert) const;

    // Painting.
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void InvalidateRect(const CRect* lpRect, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, HRGN hrgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    // The font used for the window's text (WM_SETFONT / WM_GETFONT); the
    // window does not own it, the caller keeps the CFont alive.
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    HFONT GetFontHandle() const;

    // Timers and scroll bars.
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr);
    BOOL KillTimer(UINT_PTR nIDEvent);
    int GetScrollPos(int nBar) const;
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    // FALSE when the system refused it (no such scroll bar, no window).
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL) const;
    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = nullptr, LPCRECT lpClipRect = nullptr);
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);

    // Data exchange between the controls and the members (see data_exchange.h):
    // UpdateData(TRUE) reads and validates the controls, FALSE fills them.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    // Message handling. WindowProc receives every message of the window; the
    // default looks it up in the message map (OnWndMsg) and else calls DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // TRUE when the message map took the message; *pResult its answer.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // WM_COMMAND: reflects a control's notification to the control, then routes
    // the command through OnCmdMsg.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY: reflects it to the control, then routes it through OnCmdMsg.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Called in a control when its parent reflects one of the control's own
    // notifications or WM_DRAWITEM, WM_MEASUREITEM, WM_COMPAREITEM, WM_DELETEITEM,
    // WM_CTLCOLOR*, WM_HSCROLL, WM_VSCROLL back to it. The default looks for
    // reflected entries in the control's message map. TRUE: the control took it
    // and *pResult is the answer the parent returns.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Lets a window filter a message before it is dispatched; TRUE: the message is
    // used up. The message loop calls it on the window chain from the target up.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // The window is gone (after WM_NCDESTROY); heap-owned windows delete themselves here.
    virtual void PostNcDestroy();
    // Runs the window's original procedure with the message being handled.
    LRESULT Default();
    // Offers the message to PreTranslateMessage of each framework window from
    // pMsg->hwnd up through its parents to hWndStop (included); TRUE as soon as
    // one of them used it.
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
    // Hands a child's message (WM_COMMAND notification, WM_NOTIFY, WM_DRAWITEM ...)
    // to the child's OnChildNotify; TRUE when it took it.
    static BOOL ReflectChildNotify(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam,
                                   LRESULT* pResult);

    // The framework's window class (CS_DBLCLKS, arrow cursor, window colour), registered once.
    static const wchar_t* DefaultClassName();

protected:
    // The handlers below are the defaults a derived class calls as its base;
    // each passes the message on (reflecting children's messages where that applies).
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnNcDestroy();
    void OnClose();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnTimer(UINT_PTR nIDEvent);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnContextMenu(CWnd* pWnd, CPoint pos);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    UINT OnGetDlgCode();

    // Creates this window from dialog template nIDTemplate of the resource module:
    // a popup owned by hWndParent, or a child of it for a WS_CHILD template. Its
    // WM_INITDIALOG reaches the message map. FALSE when the template is missing
    // or the creation failed. With bPostNcDestroyIfNotCreated a window that never
    // came to exist still gets PostNcDestroy (one that did has had it already),
    // so that a heap-owned object is released either way.
    BOOL CreateDialogFromTemplate(UINT nIDTemplate, HWND hWndParent, bool bPostNcDestroyIfNotCreated = false);
    // The template CreateDialogFromTemplate makes the window from, when the class
    // changes the resource's (a form view draws its labels itself); empty for the
    // resource's own.
    virtual std::vector<BYTE> AdjustDialogTemplate(const DLGTEMPLATE*) { return {}; }

    // Looks up every child once, so that later lookups by id need not ask: a
    // form made ahead of its use does it while it is made.
    void RememberChildren() const;

    // The procedure the window had before the framework took it (the class's
    // own procedure for controls and dialogs, DefWindowProcW for the framework's class).
    WNDPROC m_pfnSuper = nullptr;

private:
    friend LRESULT CALLBACK FrameworkWindowProc(HWND, UINT, WPARAM, LPARAM);
    friend struct WindowCreation;
    friend class DispatchGuard;

    // WM_COMPAREITEM and WM_DELETEITEM: reflected to the control they concern.
    LRESULT OnReflectedItemMessage(WPARAM wParam, LPARAM lParam);
    // The child of id nID, as GetDlgItem finds it. Wine asks its server for the
    // list of children on every GetDlgItem, a round trip that costs as much as
    // drawing a small control; the child found is remembered and checked (still a
    // window, still this one's child, still of that id) before it is given again.
    HWND ChildOfId(int nID) const;

    // Messages of this window being handled right now (nested sends count).
    int m_nDispatchDepth = 0;
    // WM_NCDESTROY came while handlers were running: PostNcDestroy waits for them.
    bool m_bPostNcDestroyPending = false;
    // Created by FromHandle for a window the framework does not manage.
    bool m_bTemporary = false;
    mutable std::unordered_map<int, HWND> m_childrenById;
};

// The window procedure of every framework window.
LRESULT CALLBACK FrameworkWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

#include "wnd.h"

#include "app_instance.h"
#include "cmd_ui.h"
#include "data_exchange.h"
#include "dc.h"
#include "exception_boundary.h"
#include "frame_wnd.h"
#include "gdi_objects.h"
#include "geometry_win.h"
#include "menu.h"
#include "wide_text.h"
#include "win_app.h"

#include "../cp932.h"

#include <commctrl.h>
#include <imm.h>

#include <cstring>
#include <map>
#include <memory>
#include <vector>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

namespace {

std::map<HWND, CWnd*>& PermanentWindows()
{
    static std::map<HWND, CWnd*> windows;
    return windows;
}

std::map<HWND, std::unique_ptr<CWnd>>& TemporaryWindows()
{
    static std::map<HWND, std::unique_ptr<CWnd>> windows;
    return windows;
}

// The message being handled, for Default(); saved and restored around each dispatch.
struct CurrentMessage {
    HWND hWnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};
CurrentMessage g_current;

// The common control classes (date picker, list view, tree view ...) are
// registered before the first window is made.
void EnsureCommonControls()
{
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
        return ::InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)registered;
}

CRect ToRect(const RECT& r)
{
    return FromWin32(r);
}

}  // namespace

// Binds the next window created on this thread to the object that asked for it:
// a thread hook sees the window before its first message, so the object gets
// WM_NCCREATE and WM_CREATE too, whatever the window class (framework class,
// dialog, control).
struct WindowCreation {
    static CWnd* pending;
    static HHOOK hook;

    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_CREATEWND && pending && !IsInputMethodWindow(reinterpret_cast<HWND>(wParam))) {
            CWnd* wnd = pending;
            pending = nullptr;
            HWND hWnd = reinterpret_cast<HWND>(wParam);
            CallGuarded([wnd, hWnd] {
                wnd->m_pfnSuper = nullptr;
                wnd->SubclassWindow(hWnd);
            });
        }
        return ::CallNextHookEx(hook, code, wParam, lParam);
    }

    // The system may make the input method's own window on the way; it is not ours.
    static bool IsInputMethodWindow(HWND hWnd)
    {
        wchar_t className[32] = {};
        ::GetClassNameW(hWnd, className, 32);
        return lstrcmpiW(className, L"IME") == 0 || lstrcmpiW(className, L"MSCTFIME UI") == 0;
    }

    // Call right before the system call that creates the window.
    static void Expect(CWnd* wnd)
    {
        if (!hook)
            hook = ::SetWindowsHookExW(WH_CBT, &Hook, nullptr, ::GetCurrentThreadId());
        pending = wnd;
    }

    // Call right after it; false when no window was bound.
    static bool Done()
    {
        bool bound = pending == nullptr;
        pending = nullptr;
        return bound;
    }
};

CWnd* WindowCreation::pending = nullptr;
HHOOK WindowCreation::hook = nullptr;

// Keeps a window object and its framework ancestors alive while one of their
// messages is being handled: a window destroyed meanwhile gets its PostNcDestroy
// (where it may delete itself) only when the last such handler has returned.
// Children first, so that a parent deleting its member controls comes last.
class DispatchGuard {
public:
    explicit DispatchGuard(CWnd* wnd)
    {
        m_chain.push_back(wnd);
        for (HWND hWnd = ::GetAncestor(wnd->m_hWnd, GA_PARENT); hWnd; hWnd = ::GetAncestor(hWnd, GA_PARENT))
            if (CWnd* ancestor = CWnd::FromHandlePermanent(hWnd))
                m_chain.push_back(ancestor);
        for (CWnd* w : m_chain)
            ++w->m_nDispatchDepth;
    }
    DispatchGuard(const DispatchGuard&) = delete;
    DispatchGuard& operator=(const DispatchGuard&) = delete;

    ~DispatchGuard()
    {
        std::vector<CWnd*> finished;
        for (CWnd* w : m_chain)
            if (--w->m_nDispatchDepth == 0 && w->m_bPostNcDestroyPending)
                finished.push_back(w);
        for (CWnd* w : finished) {
            w->m_bPostNcDestroyPending = false;
            CallGuarded([w] { w->PostNcDestroy(); });
        }
    }

private:
    std::vector<CWnd*> m_chain;
};

LRESULT CALLBACK FrameworkWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
    if (!wnd)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);

    DispatchGuard guard(wnd);
    CurrentMessage saved = g_current;
    g_current = CurrentMessage{hWnd, message, wParam, lParam};
    LRESULT result = CallGuarded<LRESULT>([&] { return wnd->WindowProc(message, wParam, lParam); }, 0);
    g_current = saved;

    if (message == WM_NCDESTROY) {
        // The window is gone: the object forgets it, and PostNcDestroy follows
        // when no handler of this object is running any more.
        if (wnd->m_pfnSuper)
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(wnd->m_pfnSuper));
        wnd->Detach();
        wnd->m_bPostNcDestroyPending = true;
        // The main window gone ends the message loop.
        CWinApp* app = AfxGetApp();
        if (app && app->m_pMainWnd == wnd) {
            app->m_pMainWnd = nullptr;
            ::PostQuitMessage(0);
        }
    }
    return result;
}

const MessageMap* CWnd::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CWnd>(
        on::DrawItem(&CWnd::OnDrawItem),
        on::MeasureItem(&CWnd::OnMeasureItem),
        on::CtlColor(&CWnd::OnCtlColor),
        on::HScroll(&CWnd::OnHScroll),
        on::VScroll(&CWnd::OnVScroll),
        on::Message(WM_COMPAREITEM, &CWnd::OnReflectedItemMessage),
        on::Message(WM_DELETEITEM, &CWnd::OnReflectedItemMessage));
    return &map;
}

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    if (m_hWnd && !m_bTemporary && PermanentWindows().count(m_hWnd)) {
        // The object goes first: the window's last messages must not reach it.
        HWND hWnd = m_hWnd;
        if (m_pfnSuper)
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        Detach();
        ::DestroyWindow(hWnd);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    auto& windows = PermanentWindows();
    auto found = windows.find(hWnd);
    return found == windows.end() ? nullptr : found->second;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (!hWnd)
        return nullptr;
    if (CWnd* wnd = FromHandlePermanent(hWnd))
        return wnd;
    auto& temporary = TemporaryWindows();
    auto found = temporary.find(hWnd);
    if (found != temporary.end())
        return found->second.get();
    auto wnd = std::make_unique<CWnd>();
    wnd->m_hWnd = hWnd;
    wnd->m_bTemporary = true;
    return (temporary[hWnd] = std::move(wnd)).get();
}

void CWnd::DeleteTempMap()
{
    auto& temporary = TemporaryWindows();
    for (auto& entry : temporary)
        entry.second->m_hWnd = nullptr;
    temporary.clear();
}

const wchar_t* CWnd::DefaultClassName()
{
    static const wchar_t* const name = [] {
        WNDCLASSW wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = L"FrameworkWindow";
        ::RegisterClassW(&wc);
        return L"FrameworkWindow";
    }();
    return name;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const CRect& rect,
                  CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return Create(lpszClassName, lpszWindowName, dwStyle, ToWin32(rect), pParentWnd, nID, lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const CRect& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.Width(),
                    rect.Height(), pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd)
        return FALSE;
    CString defaultClass = FromWide(DefaultClassName());
    CREATESTRUCT cs{};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName ? lpszClassName : static_cast<LPCTSTR>(defaultClass);
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }

    std::wstring className = ToWide(cs.lpszClass);
    std::wstring windowName = ToWide(cs.lpszName);
    EnsureCommonControls();
    WindowCreation::Expect(this);
    HWND hWnd = ::CreateWindowExW(cs.dwExStyle, className.c_str(), windowName.c_str(), cs.style, cs.x, cs.y, cs.cx,
                                  cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    bool bound = WindowCreation::Done();
    // A window that refused its creation has been destroyed already, and a
    // heap-owned object has deleted itself in PostNcDestroy: nothing here may
    // touch it then. One that never came to exist gets its PostNcDestroy now.
    if (!hWnd && !bound)
        PostNcDestroy();
    return hWnd != nullptr;
}

namespace {

// Dialogs of the framework handle their messages in the window procedure; the
// dialog procedure only lets the dialog manager do its defaults.
INT_PTR CALLBACK FrameworkDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

}  // namespace

BOOL CWnd::CreateDialogFromTemplate(UINT nIDTemplate, HWND hWndParent, bool bPostNcDestroyIfNotCreated)
{
    if (m_hWnd)
        return FALSE;
    EnsureCommonControls();
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(nIDTemplate), reinterpret_cast<LPCWSTR>(RT_DIALOG));
    HGLOBAL loaded = resource ? ::LoadResource(module, resource) : nullptr;
    auto* dialogTemplate = loaded ? static_cast<const DLGTEMPLATE*>(::LockResource(loaded)) : nullptr;
    HWND hWnd = nullptr;
    bool bound = false;
    const std::vector<BYTE> adjusted = dialogTemplate ? AdjustDialogTemplate(dialogTemplate) : std::vector<BYTE>();
    if (!adjusted.empty())
        dialogTemplate = reinterpret_cast<const DLGTEMPLATE*>(adjusted.data());
    if (dialogTemplate) {
        WindowCreation::Expect(this);
        hWnd = ::CreateDialogIndirectParamW(module, dialogTemplate, hWndParent, &FrameworkDialogProc, 0);
        bound = WindowCreation::Done();
    }
    if (!hWnd && !bound && bPostNcDestroyIfNotCreated)
        PostNcDestroy();
    return hWnd != nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&)
{
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (!hWndNew || m_hWnd || FromHandlePermanent(hWndNew))
        return FALSE;
    m_hWnd = hWndNew;
    PermanentWindows()[hWndNew] = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd) {
        auto& windows = PermanentWindows();
        auto found = windows.find(hWnd);
        if (found != windows.end() && found->second == this)
            windows.erase(found);
    }
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    auto old = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameworkWindowProc)));
    if (old != &FrameworkWindowProc)
        m_pfnSuper = old;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = pParent->ChildOfId(static_cast<int>(nID));
    return hWndControl && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep) const
{
    if (!bDeep) {
        for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetNextWindow(child, GW_HWNDNEXT))
            ::SendMessageW(child, message, wParam, lParam);
        return;
    }
    // The system walks the whole tree, each window before its children, asking
    // once per window for its children instead of once per step.
    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } sent{message, wParam, lParam};
    ::EnumChildWindows(
        m_hWnd,
        [](HWND child, LPARAM param) -> BOOL {
            const auto* m = reinterpret_cast<const Message*>(param);
            ::SendMessageW(child, m->message, m->wParam, m->lParam);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&sent));
}

HWND CWnd::ChildOfId(int nID) const
{
    // Ids shared by many children (the labels' -1) are looked up each time.
    const bool shared = nID == -1 || nID == 0xFFFF;
    if (!shared) {
        const auto known = m_childrenById.find(nID);
        if (known != m_childrenById.end()) {
            const HWND child = known->second;
            if (::IsWindow(child) && ::GetParent(child) == m_hWnd && ::GetDlgCtrlID(child) == nID)
                return child;
            m_childrenById.erase(known);
        }
    }
    const HWND child = ::GetDlgItem(m_hWnd, nID);
    if (child && !shared)
        m_childrenById[nID] = child;
    return child;
}

void CWnd::RememberChildren() const
{
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const int id = ::GetDlgCtrlID(child);
        // The first of an id, as GetDlgItem finds it.
        if (id != -1 && id != 0xFFFF)
            m_childrenById.emplace(id, child);
    }
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    return FromHandle(ChildOfId(nID));
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const
{
    const HWND child = ChildOfId(nID);
    return child ? ::SendMessageW(child, message, wParam, lParam) : 0;
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

int CWnd::SetDlgCtrlID(int nID)
{
    return static_cast<int>(::SetWindowLongPtrW(m_hWnd, GWLP_ID, nID));
}

CWnd* CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent)
{
    return FromHandle(::SetParent(m_hWnd, pWndNewParent ? pWndNewParent->m_hWnd : nullptr));
}

CWnd* CWnd::GetOwner() const
{
    return FromHandle(::GetWindow(m_hWnd, GW_OWNER));
}

CWnd* CWnd::GetTopLevelParent() const
{
    if (!m_hWnd)
        return nullptr;
    HWND top = m_hWnd;
    while (::GetWindowLongPtrW(top, GWL_STYLE) & WS_CHILD) {
        HWND parent = ::GetParent(top);
        if (!parent)
            break;
        top = parent;
    }
    return FromHandle(top);
}

CFrameWnd* CWnd::GetParentFrame() const
{
    if (!m_hWnd)
        return nullptr;
    for (HWND hWnd = ::GetParent(m_hWnd); hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* wnd = FromHandlePermanent(hWnd);
        if (wnd && wnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return static_cast<CFrameWnd*>(wnd);
    }
    return nullptr;
}

CWnd* CWnd::GetWindow(UINT nCmd) const
{
    return FromHandle(::GetWindow(m_hWnd, nCmd));
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl ? pWndCtl->m_hWnd : nullptr, bPrevious));
}

BOOL CWnd::IsChild(const CWnd* pWnd) const
{
    return pWnd && ::IsChild(m_hWnd, pWnd->m_hWnd);
}

void CWnd::SetWindowText(LPCTSTR lpszString)
{
    ::SetWindowTextW(m_hWnd, ToWide(lpszString).c_str());
}

void CWnd::GetWindowText(CString& rString) const
{
    int length = ::GetWindowTextLengthW(m_hWnd);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    length = ::GetWindowTextW(m_hWnd, buffer.data(), length + 1);
    rString = FromWide(buffer.data(), length);
}

int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const
{
    if (!lpszStringBuf || nMaxCount <= 0)
        return 0;
    CString text;
    GetWindowText(text);
    // Cut to the buffer without splitting a double-byte character.
    int length = 0;
    while (length < text.GetLength()) {
        int step = static_cast<int>(
            cp932::CharLength(text, static_cast<size_t>(length), static_cast<size_t>(text.GetLength())));
        if (length + step > nMaxCount - 1)
            break;
        length += step;
    }
    memcpy(lpszStringBuf, static_cast<LPCTSTR>(text), static_cast<size_t>(length));
    lpszStringBuf[length] = '\0';
    return length;
}

int CWnd::GetWindowTextLength() const
{
    CString text;
    GetWindowText(text);
    return text.GetLength();
}

void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString)
{
    if (const HWND child = ChildOfId(nID))
        ::SetWindowTextW(child, ToWide(lpszString).c_str());
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    if (HWND item = ChildOfId(nID))
        FromHandle(item)->GetWindowText(rString);
    return rString.GetLength();
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned)
{
    ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const
{
    return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck)
{
    SendDlgItemMessage(nIDButton, BM_SETCHECK, nCheck);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const
{
    return static_cast<UINT>(SendDlgItemMessage(nIDButton, BM_GETCHECK));
}

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
    ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    return ::EnableWindow(m_hWnd, bEnable);
}

BOOL CWnd::IsWindowEnabled() const
{
    return ::IsWindowEnabled(m_hWnd);
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    return ::ShowWindow(m_hWnd, nCmdShow);
}

BOOL CWnd::IsWindowVisible() const
{
    return ::IsWindowVisible(m_hWnd);
}

BOOL CWnd::IsIconic() const
{
    return ::IsIconic(m_hWnd);
}

BOOL CWnd::IsZoomed() const
{
    return ::IsZoomed(m_hWnd);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(const CRect& rect, BOOL bRepaint)
{
    MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    return ::SetWindowPos(m_hWnd, pWndInsertAfter ? pWndInsertAfter->m_hWnd : nullptr, x, y, cx, cy, nFlags);
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
    ::GetClientRect(m_hWnd, lpRect);
}

void CWnd::GetClientRect(CRect* lpRect) const
{
    RECT r{};
    ::GetClientRect(m_hWnd, &r);
    *lpRect = ToRect(r);
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    ::GetWindowRect(m_hWnd, lpRect);
}

void CWnd::GetWindowRect(CRect* lpRect) const
{
    RECT r{};
    ::GetWindowRect(m_hWnd, &r);
    *lpRect = ToRect(r);
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
    ::ClientToScreen(m_hWnd, lpPoint);
}

void CWnd::ClientToScreen(CPoint* lpPoint) const
{
    POINT p = ToWin32(*lpPoint);
    ::ClientToScreen(m_hWnd, &p);
    *lpPoint = FromWin32(p);
}

void CWnd::ClientToScreen(CRect* lpRect) const
{
    RECT r = ToWin32(*lpRect);
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    *lpRect = ToRect(r);
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
    ::ScreenToClient(m_hWnd, lpPoint);
}

void CWnd::ScreenToClient(CPoint* lpPoint) const
{
    POINT p = ToWin32(*lpPoint);
    ::ScreenToClient(m_hWnd, &p);
    *lpPoint = FromWin32(p);
}

void CWnd::ScreenToClient(CRect* lpRect) const
{
    RECT r = ToWin32(*lpRect);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&r), 2);
    *lpRect = ToRect(r);
}

CRect CWnd::ControlRect(int nID) const
{
    CRect rect;
    if (CWnd* control = GetDlgItem(nID)) {
        control->GetWindowRect(&rect);
        ScreenToClient(&rect);
    }
    return rect;
}

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const
{
    return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE));
}

namespace {

BOOL ChangeStyle(HWND hWnd, int index, DWORD remove, DWORD add, UINT flags)
{
    DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(hWnd, index));
    DWORD changed = (style & ~remove) | add;
    if (style == changed)
        return FALSE;
    ::SetWindowLongPtrW(hWnd, index, static_cast<LONG_PTR>(changed));
    if (flags)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}

}  // namespace

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ChangeStyle(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ChangeStyle(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    HWND center = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    if (GetStyle() & WS_CHILD)
        center = ::GetParent(m_hWnd);
    RECT area{};
    if (center)
        ::GetWindowRect(center, &area);
    else
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    if (GetStyle() & WS_CHILD)
        ::GetClientRect(center, &area);
    RECT self{};
    ::GetWindowRect(m_hWnd, &self);
    int width = self.right - self.left;
    int height = self.bottom - self.top;
    int x = (area.left + area.right - width) / 2;
    int y = (area.top + area.bottom - height) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CWnd* CWnd::SetFocus()
{
    return FromHandle(::SetFocus(m_hWnd));
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(::GetFocus());
}

CWnd* CWnd::SetActiveWindow()
{
    return FromHandle(::SetActiveWindow(m_hWnd));
}

CWnd* CWnd::GetActiveWindow()
{
    return FromHandle(::GetActiveWindow());
}

BOOL CWnd::SetForegroundWindow()
{
    return ::SetForegroundWindow(m_hWnd);
}

CWnd* CWnd::SetCapture()
{
    return FromHandle(::SetCapture(m_hWnd));
}

CWnd* CWnd::GetCapture()
{
    return FromHandle(::GetCapture());
}

void CWnd::SetImeOpen(BOOL bOpen)
{
    SetImeOpen(::GetActiveWindow(), bOpen);
}

void CWnd::SetImeOpen(HWND hWnd, BOOL bOpen)
{
    if (!hWnd)
        return;
    if (HIMC context = ::ImmGetContext(hWnd)) {
        ::ImmSetOpenStatus(context, bOpen);
        ::ImmReleaseContext(hWnd, context);
    }
}

CMenu* CWnd::GetMenu() const
{
    return CMenu::FromHandle(::GetMenu(m_hWnd));
}

BOOL CWnd::SetMenu(CMenu* pMenu)
{
    return ::SetMenu(m_hWnd, pMenu ? pMenu->m_hMenu : nullptr);
}

void CWnd::DrawMenuBar()
{
    ::DrawMenuBar(m_hWnd);
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

void CWnd::Invalidate(BOOL bErase)
{
    ::InvalidateRect(m_hWnd, nullptr, bErase);
}

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
{
    ::InvalidateRect(m_hWnd, lpRect, bErase);
}

void CWnd::InvalidateRect(const CRect* lpRect, BOOL bErase)
{
    if (!lpRect) {
        Invalidate(bErase);
        return;
    }
    RECT r = ToWin32(*lpRect);
    ::InvalidateRect(m_hWnd, &r, bErase);
}

void CWnd::ValidateRect(LPCRECT lpRect)
{
    ::ValidateRect(m_hWnd, lpRect);
}

void CWnd::UpdateWindow()
{
    ::UpdateWindow(m_hWnd);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, HRGN hrgnUpdate, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, hrgnUpdate, flags);
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont ? pFont->GetSafeHandle() : nullptr), bRedraw);
}

HFONT CWnd::GetFontHandle() const
{
    return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer)
{
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
{
    return ::KillTimer(m_hWnd, nIDEvent);
}

int CWnd::GetScrollPos(int nBar) const
{
    return ::GetScrollPos(m_hWnd, nBar);
}

int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw)
{
    return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw);
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    if (!::IsWindow(m_hWnd) || !lpScrollInfo)
        return FALSE;
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
    // The system answers the new position, which tells no failure apart (0 is
    // both): whether the scroll bar exists and took it is asked back.
    SCROLLINFO taken{};
    taken.cbSize = sizeof(SCROLLINFO);
    taken.fMask = SIF_POS;
    return ::GetScrollInfo(m_hWnd, nBar, &taken);
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) const
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}

void CWnd::ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect, LPCRECT lpClipRect)
{
    ::ScrollWindow(m_hWnd, xAmount, yAmount, lpRect, lpClipRect);
}

void CWnd::ShowScrollBar(UINT nBar, BOOL bShow)
{
    ::ShowScrollBar(m_hWnd, static_cast<int>(nBar), bShow);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CDataExchange::Failed&) {
        // The failing routine has told the user and put the focus on the control.
        return FALSE;
    } catch (const ProgrammingError&) {
        ReportEscapedException(std::current_exception());
        return FALSE;
    }
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        LRESULT result = 0;
        if (!OnNotify(wParam, lParam, &result))
            return FALSE;
        *pResult = result;
        return TRUE;
    }
    if (message == WM_SETCURSOR && AfxGetApp() && AfxGetApp()->GetWaitCursorCount() > 0) {
        // The hourglass stays while a long operation runs.
        AfxGetApp()->DoWaitCursor(0);
        *pResult = TRUE;
        return TRUE;
    }
    MessageCall call;
    call.message = message;
    call.wParam = wParam;
    call.lParam = lParam;
    if (!DispatchToMap(MessageEntry::Kind::WindowMessage, message, 0, call))
        return FALSE;
    *pResult = call.result;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    int nCode = HIWORD(wParam);
    HWND hWndControl = reinterpret_cast<HWND>(lParam);
    if (hWndControl) {
        LRESULT ignored = 0;
        if (ReflectChildNotify(hWndControl, WM_COMMAND, wParam, lParam, &ignored))
            return TRUE;
    } else {
        // A menu item or an accelerator: a command that an update handler has
        // disabled is not carried out.
        nCode = CN_COMMAND;
        class EnabledProbe : public CCmdUI {
        public:
            void Enable(BOOL bOn) override { m_bEnabled = bOn; m_bEnableChanged = TRUE; }
            void SetCheck(int) override {}
            void SetRadio(BOOL) override {}
            void SetText(LPCTSTR) override {}
            BOOL m_bEnabled = TRUE;
        } probe;
        probe.m_nID = nID;
        OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &probe, nullptr);
        if (!probe.m_bEnabled)
            return TRUE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (ReflectChildNotify(header->hwndFrom, WM_NOTIFY, header->idFrom, lParam, pResult))
        return TRUE;
    AFX_NOTIFY notify{pResult, header};
    UINT nID = static_cast<UINT>(header->idFrom);
    return OnCmdMsg(nID, static_cast<int>(MAKELONG(LOWORD(header->code), WM_NOTIFY)), &notify, nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    MessageCall call;
    call.message = message;
    call.wParam = wParam;
    call.lParam = lParam;
    BOOL handled = FALSE;
    if (message == WM_COMMAND)
        handled = DispatchToMap(MessageEntry::Kind::ReflectedCommand, 0, HIWORD(wParam), call);
    else if (message == WM_NOTIFY)
        handled = DispatchToMap(MessageEntry::Kind::ReflectedNotify, 0,
                                static_cast<int>(reinterpret_cast<NMHDR*>(lParam)->code), call);
    else
        handled = DispatchToMap(MessageEntry::Kind::ReflectedMessage, message, 0, call);
    if (handled && pResult)
        *pResult = call.result;
    return handled;
}

BOOL CWnd::ReflectChildNotify(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CWnd* child = FromHandlePermanent(hWndChild);
    if (!child)
        return FALSE;
    LRESULT ignored = 0;
    return child->OnChildNotify(message, wParam, lParam, pResult ? pResult : &ignored);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        if (CWnd* wnd = FromHandlePermanent(hWnd)) {
            DispatchGuard guard(wnd);
            if (CallGuarded<BOOL>([&] { return wnd->PreTranslateMessage(pMsg); }, TRUE))
                return TRUE;
        }
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

void CWnd::PostNcDestroy() {}

LRESULT CWnd::Default()
{
    return DefWindowProc(g_current.message, g_current.wParam, g_current.lParam);
}

LRESULT CWnd::OnReflectedItemMessage(WPARAM wParam, LPARAM lParam)
{
    HWND hWndItem = nullptr;
    if (g_current.message == WM_COMPAREITEM)
        hWndItem = reinterpret_cast<COMPAREITEMSTRUCT*>(lParam)->hwndItem;
    else if (g_current.message == WM_DELETEITEM)
        hWndItem = reinterpret_cast<DELETEITEMSTRUCT*>(lParam)->hwndItem;
    LRESULT result = 0;
    if (hWndItem && ReflectChildNotify(hWndItem, g_current.message, wParam, lParam, &result))
        return result;
    return Default();
}

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return static_cast<int>(Default());
}

void CWnd::OnDestroy() { Default(); }
void CWnd::OnNcDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }

void CWnd::OnHScroll(UINT, UINT, CWnd* pScrollBar)
{
    LRESULT result = 0;
    if (pScrollBar && ReflectChildNotify(pScrollBar->m_hWnd, g_current.message, g_current.wParam,
                                         g_current.lParam, &result))
        return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CWnd* pScrollBar)
{
    LRESULT result = 0;
    if (pScrollBar && ReflectChildNotify(pScrollBar->m_hWnd, g_current.message, g_current.wParam,
                                         g_current.lParam, &result))
        return;
    Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT result = 0;
    if (pWnd && ReflectChildNotify(pWnd->m_hWnd, g_current.message, g_current.wParam, g_current.lParam, &result))
        return reinterpret_cast<HBRUSH>(result);
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    LRESULT result = 0;
    if (lpDrawItemStruct->CtlType != ODT_MENU &&
        ReflectChildNotify(lpDrawItemStruct->hwndItem, WM_DRAWITEM, g_current.wParam, g_current.lParam, &result))
        return;
    Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    // The control may still be in its creation (a list box of a dialog template
    // asks before anyone could bind it): then the system's default height stays.
    LRESULT result = 0;
    if (lpMeasureItemStruct->CtlType != ODT_MENU) {
        HWND item = ::GetDlgItem(m_hWnd, static_cast<int>(lpMeasureItemStruct->CtlID));
        if (item && ReflectChildNotify(item, WM_MEASUREITEM, g_current.wParam, g_current.lParam, &result))
            return;
    }
    Default();
}

// Message maps: each class that handles messages keeps one static table of
// entries, chained to the table of its nearest base class that has one. A message
// or command is looked up in the most derived table first and, within a table, in
// the order the entries are written; the first entry that matches takes it, so an
// entry for one command placed before a range that contains it wins over the range.
//
// A class declares its table with DECLARE_MESSAGE_MAP(its own name) and defines
// it in its source file with MessageMap::Of; each entry decodes the message's
// parameters once and calls the handler with typed arguments:
//
//     const MessageMap* CMainFrame::GetThisMessageMap()
//     {
//         static const MessageMap map = MessageMap::Of<CMainFrame>(
//             on::Create(&CMainFrame::OnCreate),
//             on::Command(ID_HELP, &CMainFrame::OnHtmlHelp),
//             on::Control(BN_CLICKED, IDC_BUTTON1, &CMainFrame::OnButton1));
//         return &map;
//     }
//
// Both ends are checked when the program is compiled: every handler must belong to
// the table's class or one of its bases (a table copied from another class does not
// compile until each handler is the new class's own), and the base table is found
// from the class itself, never written by hand.
#pragma once

#include "../geometry.h"

#include "windows_api.h"

#include <functional>
#include <initializer_list>
#include <type_traits>
#include <utility>
#include <vector>

class CCmdTarget;
class CCmdUI;
class CDC;
class CMenu;
class CWnd;

// Command codes of CCmdTarget::OnCmdMsg besides the control notification codes.
constexpr int CN_COMMAND = 0;
constexpr int CN_UPDATE_COMMAND_UI = -1;
// For WM_NOTIFY the code passed to OnCmdMsg is MAKELONG(notification code, WM_NOTIFY)
// and the extra argument points to an AFX_NOTIFY.
struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Filled by OnCmdMsg instead of calling the handler when a caller only asks
// whether some object handles a command (menu items without a handler are greyed).
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget = nullptr;
};

// What one table entry is handed: the raw window message, or the command with
// its id, code and extra argument. The handler leaves its answer in result.
struct MessageCall {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    UINT id = 0;
    int code = 0;
    void* extra = nullptr;
    LRESULT result = 0;
};

struct MessageEntry {
    enum class Kind {
        WindowMessage,      // window messages first..last (a range only for the WM_CTLCOLOR family)
        Command,            // WM_COMMAND from a menu, accelerator or control: code, ids first..last
        UpdateCommandUI,    // CCmdUI for ids first..last
        Notify,             // WM_NOTIFY: code, ids first..last
        ReflectedCommand,   // a control's own WM_COMMAND notification code, reflected by its parent
        ReflectedNotify,    // a control's own WM_NOTIFY code, reflected by its parent
        ReflectedMessage,   // WM_CTLCOLOR*, WM_DRAWITEM ... reflected by the parent
    };
    // FALSE: the handler declined (the search goes on to the next entry).
    using Handler = std::function<BOOL(CCmdTarget&, MessageCall&)>;

    Kind kind;
    UINT first;
    UINT last;
    int code;
    Handler handler;
};

// One entry made by the on:: functions below, still carrying the class of its
// handler so that MessageMap::Of can check it against the table's class.
template <class HandlerClass>
struct HandlerEntry {
    MessageEntry entry;
};

class MessageMap;

// Finds the table of the nearest base class of Owner that declares one, or null.
// Every class with a table declares (through DECLARE_MESSAGE_MAP) a friend
// NearestTableOwner taking a pointer to itself; argument-dependent lookup on a
// pointer to Owner sees those of Owner and all its bases, Owner's own is excluded,
// and overload resolution prefers the most derived of the rest.
template <class Owner>
const MessageMap* NearestBaseTable()
{
    if constexpr (requires(Owner* p) { NearestTableOwner(p, p); }) {
        using Base = std::remove_pointer_t<decltype(NearestTableOwner(std::declval<Owner*>(), std::declval<Owner*>()))>;
        return Base::GetThisMessageMap();
    } else {
        return nullptr;
    }
}

class MessageMap {
public:
    MessageMap(const MessageMap&) = delete;
    MessageMap& operator=(const MessageMap&) = delete;

    // The table of class Owner, chained to the table of its nearest base with one.
    template <class Owner, class... HandlerClasses>
    static MessageMap Of(HandlerEntry<HandlerClasses>... entries)
    {
        static_assert(std::is_same_v<typename Owner::MessageMapOwner, Owner>,
                      "the class declares its table with DECLARE_MESSAGE_MAP(its own name)");
        static_assert((std::is_base_of_v<HandlerClasses, Owner> && ...),
                      "a message-table entry names a handler of another class");
        return MessageMap(NearestBaseTable<Owner>(), {std::move(entries.entry)...});
    }

    const MessageMap* Base() const { return m_base; }
    const std::vector<MessageEntry>& Entries() const { return m_entries; }

private:
    MessageMap(const MessageMap* base, std::initializer_list<MessageEntry> entries)
        : m_base(base), m_entries(entries) {}

    const MessageMap* m_base;
    std::vector<MessageEntry> m_entries;
};

// In the class body of every class with its own table, naming that class.
#define DECLARE_MESSAGE_MAP(ThisClass)                                                 \
public:                                                                                \
    using MessageMapOwner = ThisClass;                                                 \
    static const MessageMap* GetThisMessageMap();                                      \
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }  \
    template <class Derived>                                                           \
        requires(!std::is_same_v<Derived, ThisClass>)                                  \
    friend ThisClass* NearestTableOwner(Derived*, ThisClass*) { return nullptr; }

// Decoding helpers shared by the entries (defined in message_map.cpp).
namespace message_decode {
CWnd* Window(HWND hWnd);
CDC* DeviceContext(HDC hDC);
CMenu* Menu(HMENU hMenu);
CPoint Point(LPARAM lParam);
}

// The entries. Each function takes the handler as a pointer to member of the class
// that defines it; the table's own class may inherit it.
namespace on {

namespace detail {
template <class T, class F>
HandlerEntry<T> Make(MessageEntry::Kind kind, UINT first, UINT last, int code, F call)
{
    static_assert(std::is_base_of_v<CCmdTarget, T>, "handlers belong to a command target");
    return {MessageEntry{kind, first, last, code, [call](CCmdTarget& target, MessageCall& m) -> BOOL {
                             return call(static_cast<T&>(target), m);
                         }}};
}

template <class T, class F>
HandlerEntry<T> Window(UINT message, F call)
{
    return Make<T>(MessageEntry::Kind::WindowMessage, message, message, 0, call);
}
}  // namespace detail

// Commands from menus, accelerators and buttons (a button's BN_CLICKED is code 0).
template <class T>
HandlerEntry<T> Command(UINT id, void (T::*handler)())
{
    return detail::Make<T>(MessageEntry::Kind::Command, id, id, CN_COMMAND,
                           [handler](T& t, MessageCall&) { (t.*handler)(); return TRUE; });
}

// A command handler that may decline: FALSE lets the search go on.
template <class T>
HandlerEntry<T> CommandEx(UINT id, BOOL (T::*handler)(UINT))
{
    return detail::Make<T>(MessageEntry::Kind::Command, id, id, CN_COMMAND,
                           [handler](T& t, MessageCall& m) { return (t.*handler)(m.id); });
}

template <class T>
HandlerEntry<T> CommandRangeEx(UINT first, UINT last, BOOL (T::*handler)(UINT))
{
    return detail::Make<T>(MessageEntry::Kind::Command, first, last, CN_COMMAND,
                           [handler](T& t, MessageCall& m) { return (t.*handler)(m.id); });
}

template <class T>
HandlerEntry<T> CommandRange(UINT first, UINT last, void (T::*handler)(UINT))
{
    return detail::Make<T>(MessageEntry::Kind::Command, first, last, CN_COMMAND,
                           [handler](T& t, MessageCall& m) { (t.*handler)(m.id); return TRUE; });
}

template <class T>
HandlerEntry<T> UpdateCommandUI(UINT id, void (T::*handler)(CCmdUI*))
{
    return detail::Make<T>(MessageEntry::Kind::UpdateCommandUI, id, id, CN_UPDATE_COMMAND_UI,
                           [handler](T& t, MessageCall& m) {
                               (t.*handler)(static_cast<CCmdUI*>(m.extra));
                               return TRUE;
                           });
}

template <class T>
HandlerEntry<T> UpdateCommandUIRange(UINT first, UINT last, void (T::*handler)(CCmdUI*))
{
    return detail::Make<T>(MessageEntry::Kind::UpdateCommandUI, first, last, CN_UPDATE_COMMAND_UI,
                           [handler](T& t, MessageCall& m) {
                               (t.*handler)(static_cast<CCmdUI*>(m.extra));
                               return TRUE;
                           });
}

// An update handler that may decline ids of its range: FALSE lets the search go on.
template <class T>
HandlerEntry<T> UpdateCommandUIRangeEx(UINT first, UINT last, BOOL (T::*handler)(CCmdUI*))
{
    return detail::Make<T>(MessageEntry::Kind::UpdateCommandUI, first, last, CN_UPDATE_COMMAND_UI,
                           [handler](T& t, MessageCall& m) { return (t.*handler)(static_cast<CCmdUI*>(m.extra)); });
}

// A control's notification through WM_COMMAND: BN_CLICKED, CBN_SELCHANGE,
// LBN_SELCHANGE, EN_SETFOCUS, STN_CLICKED ...
template <class T>
HandlerEntry<T> Control(UINT code, UINT id, void (T::*handler)())
{
    return detail::Make<T>(MessageEntry::Kind::Command, id, id, static_cast<int>(code),
                           [handler](T& t, MessageCall&) { (t.*handler)(); return TRUE; });
}

template <class T>
HandlerEntry<T> ControlRange(UINT code, UINT first, UINT last, void (T::*handler)(UINT))
{
    return detail::Make<T>(MessageEntry::Kind::Command, first, last, static_cast<int>(code),
                           [handler](T& t, MessageCall& m) { (t.*handler)(m.id); return TRUE; });
}

// A notification of controls first..last whose handler may decline an id of the
// range (FALSE lets the search go on): for a family of controls whose ids are not
// all neighbours, the handler takes the family's ids and declines the others.
template <class T>
HandlerEntry<T> ControlRangeEx(UINT code, UINT first, UINT last, BOOL (T::*handler)(UINT))
{
    return detail::Make<T>(MessageEntry::Kind::Command, first, last, static_cast<int>(code),
                           [handler](T& t, MessageCall& m) { return (t.*handler)(m.id); });
}

// A control's notification through WM_NOTIFY: NM_CLICK, TVN_SELCHANGED, DTN_DATETIMECHANGE ...
template <class T>
HandlerEntry<T> Notify(UINT code, UINT id, void (T::*handler)(NMHDR*, LRESULT*))
{
    return detail::Make<T>(MessageEntry::Kind::Notify, id, id, static_cast<int>(code),
                           [handler](T& t, MessageCall& m) {
                               auto* notify = static_cast<AFX_NOTIFY*>(m.extra);
                               (t.*handler)(notify->pNMHDR, notify->pResult);
                               return TRUE;
                           });
}

template <class T>
HandlerEntry<T> NotifyRange(UINT code, UINT first, UINT last, void (T::*handler)(UINT, NMHDR*, LRESULT*))
{
    return detail::Make<T>(MessageEntry::Kind::Notify, first, last, static_cast<int>(code),
                           [handler](T& t, MessageCall& m) {
                               auto* notify = static_cast<AFX_NOTIFY*>(m.extra);
                               (t.*handler)(m.id, notify->pNMHDR, notify->pResult);
                               return TRUE;
                           });
}

// In a control's own table: its notification, reflected back by the parent before
// the parent's own entries see it.
template <class T>
HandlerEntry<T> ControlReflect(UINT code, void (T::*handler)())
{
    return detail::Make<T>(MessageEntry::Kind::ReflectedCommand, 0, 0, static_cast<int>(code),
                           [handler](T& t, MessageCall&) { (t.*handler)(); return TRUE; });
}

template <class T>
HandlerEntry<T> NotifyReflect(UINT code, void (T::*handler)(NMHDR*, LRESULT*))
{
    return detail::Make<T>(MessageEntry::Kind::ReflectedNotify, 0, 0, static_cast<int>(code),
                           [handler](T& t, MessageCall& m) {
                               (t.*handler)(reinterpret_cast<NMHDR*>(m.lParam), &m.result);
                               return TRUE;
                           });
}

// In a control's own table: its WM_CTLCOLOR*, reflected; a null brush lets the parent decide.
template <class T>
HandlerEntry<T> CtlColorReflect(HBRUSH (T::*handler)(CDC*, UINT))
{
    return detail::Make<T>(MessageEntry::Kind::ReflectedMessage, WM_CTLCOLORMSGBOX, WM_CTLCOLORSTATIC, 0,
                           [handler](T& t, MessageCall& m) {
                               HBRUSH brush = (t.*handler)(message_decode::DeviceContext(reinterpret_cast<HDC>(m.wParam)),
                                                           m.message - WM_CTLCOLORMSGBOX);
                               m.result = reinterpret_cast<LRESULT>(brush);
                               return brush != nullptr;
                           });
}

// Any window message with its raw parameters.
template <class T>
HandlerEntry<T> Message(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM))
{
    return detail::Window<T>(message, [handler](T& t, MessageCall& m) {
        m.result = (t.*handler)(m.wParam, m.lParam);
        return TRUE;
    });
}

// The window messages with typed handlers.
template <class T>
HandlerEntry<T> Create(int (T::*handler)(LPCREATESTRUCT))
{
    return detail::Window<T>(WM_CREATE, [handler](T& t, MessageCall& m) {
        m.result = (t.*handler)(reinterpret_cast<LPCREATESTRUCT>(m.lParam));
        return TRUE;
    });
}

template <class T>
HandlerEntry<T> Destroy(void (T::*handler)())
{
    return detail::Window<T>(WM_DESTROY, [handler](T& t, MessageCall&) { (t.*handler)(); return TRUE; });
}

template <class T>
HandlerEntry<T> Close(void (T::*handler)())
{
    return detail::Window<T>(WM_CLOSE, [handler](T& t, MessageCall&) { (t.*handler)(); return TRUE; });
}

template <class T>
HandlerEntry<T> Paint(void (T::*handler)())
{
    return detail::Window<T>(WM_PAINT, [handler](T& t, MessageCall&) { (t.*handler)(); return TRUE; });
}

template <class T>
HandlerEntry<T> EraseBkgnd(BOOL (T::*handler)(CDC*))
{
    return detail::Window<T>(WM_ERASEBKGND, [handler](T& t, MessageCall& m) {
        m.result = (t.*handler)(message_decode::DeviceContext(reinterpret_cast<HDC>(m.wParam)));
        return TRUE;
    });
}

template <class T>
HandlerEntry<T> Size(void (T::*handler)(UINT, int, int))
{
    return detail::Window<T>(WM_SIZE, [handler](T& t, MessageCall& m) {
        (t.*handler)(static_cast<UINT>(m.wParam), static_cast<short>(LOWORD(m.lParam)),
                     static_cast<short>(HIWORD(m.lParam)));
        return TRUE;
    });
}

template <class T>
HandlerEntry<T> Timer(void (T::*handler)(UINT_PTR))
{
    return detail::Window<T>(WM_TIMER, [handler](T& t, MessageCall& m) {
        (t.*handler)(static_cast<UINT_PTR>(m.wParam));
        return TRUE;
    });
}

// WM_CTLCOLORMSGBOX ... WM_CTLCOLORSTATIC: nCtlColor is CTLCOLOR_MSGBOX ... CTLCOLOR_STATIC.
template <class T>
HandlerEntry<T> CtlColor(HBRUSH (T::*handler)(CDC*, CWnd*, UINT))
{
    return detail::Make<T>(MessageEntry::Kind::WindowMessage, WM_CTLCOLORMSGBOX, WM_CTLCOLORSTATIC, 0,
                           [handler](T& t, MessageCall& m) {
                               m.result = reinterpret_cast<LRESULT>(
                                   (t.*handler)(message_decode::DeviceContext(reinterpret_cast<HDC>(m.wParam)),
                                                message_decode::Window(reinterpret_cast<HWND>(m.lParam)),
                                                m.message - WM_CTLCOLORMSGBOX));
                               return TRUE;
                           });
}

namespace detail {
template <class T>
HandlerEntry<T> Key(UINT message, void (T::*handler)(UINT, UINT, UINT))
{
    return Window<T>(message, [handler](T& t, MessageCall& m) {
        (t.*handler)(static_cast<UINT>(m.wParam), LOWORD(m.lParam), HIWORD(m.lParam));
        return TRUE;
    });
}

template <class T>
HandlerEntry<T> Mouse(UINT message, void (T::*handler)(UINT, CPoint))
{
    return Window<T>(message, [handler](T& t, MessageCall& m) {
        (t.*handler)(static_cast<UINT>(m.wParam), message_decode::Point(m.lParam));
        return TRUE;
    });
}

template <class T>
HandlerEntry<T> Focus(UINT message, void (T::*handler)(CWnd*))
{
    return Window<T>(message, [handler](T& t, MessageCall& m) {
        (t.*handler)(message_decode::Window(reinterpret_cast<HWND>(m.wParam)));
        return TRUE;
    });
}

template <class T>
HandlerEntry<T> Scroll(UINT message, void (T::*handler)(UINT, UINT, CWnd*))
{
    return Window<T>(message, [handler](T& t, MessageCall& m) {
        (t.*handler)(LOWORD(m.wParam), HIWORD(m.wParam), message_decode::Window(reinterpret_cast<HWND>(m.lParam)));
        return TRUE;
    });
}
}  // namespace detail

// (nChar, nRepCnt, nFlags)
template <class T> HandlerEntry<T> Char(void (T::*h)(UINT, UINT, UINT)) { return detail::Key<T>(WM_CHAR, h); }
template <class T> HandlerEntry<T> KeyDown(void (T::*h)(UINT, UINT, UINT)) { return detail::Key<T>(WM_KEYDOWN, h); }
template <class T> HandlerEntry<T> KeyUp(void (T::*h)(UINT, UINT, UINT)) { return detail::Key<T>(WM_KEYUP, h); }
template <class T> HandlerEntry<T> SysKeyDown(void (T::*h)(UINT, UINT, UINT)) { return detail::Key<T>(WM_SYSKEYDOWN, h); }

// (nFlags, point in client coordinates)
template <class T> HandlerEntry<T> LButtonDown(void (T::*h)(UINT, CPoint)) { return detail::Mouse<T>(WM_LBUTTONDOWN, h); }
template <class T> HandlerEntry<T> LButtonUp(void (T::*h)(UINT, CPoint)) { return detail::Mouse<T>(WM_LBUTTONUP, h); }
template <class T> HandlerEntry<T> LButtonDblClk(void (T::*h)(UINT, CPoint)) { return detail::Mouse<T>(WM_LBUTTONDBLCLK, h); }
template <class T> HandlerEntry<T> RButtonDown(void (T::*h)(UINT, CPoint)) { return detail::Mouse<T>(WM_RBUTTONDOWN, h); }
template <class T> HandlerEntry<T> RButtonUp(void (T::*h)(UINT, CPoint)) { return detail::Mouse<T>(WM_RBUTTONUP, h); }
template <class T> HandlerEntry<T> MouseMove(void (T::*h)(UINT, CPoint)) { return detail::Mouse<T>(WM_MOUSEMOVE, h); }

// (the window losing or gaining the focus, may be null)
template <class T> HandlerEntry<T> SetFocus(void (T::*h)(CWnd*)) { return detail::Focus<T>(WM_SETFOCUS, h); }
template <class T> HandlerEntry<T> KillFocus(void (T::*h)(CWnd*)) { return detail::Focus<T>(WM_KILLFOCUS, h); }

// (nSBCode, nPos, the scroll bar or control, null for the window's own bar)
template <class T> HandlerEntry<T> HScroll(void (T::*h)(UINT, UINT, CWnd*)) { return detail::Scroll<T>(WM_HSCROLL, h); }
template <class T> HandlerEntry<T> VScroll(void (T::*h)(UINT, UINT, CWnd*)) { return detail::Scroll<T>(WM_VSCROLL, h); }

template <class T>
HandlerEntry<T> DrawItem(void (T::*handler)(int, LPDRAWITEMSTRUCT))
{
    return detail::Window<T>(WM_DRAWITEM, [handler](T& t, MessageCall& m) {
        (t.*handler)(static_cast<int>(m.wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(m.lParam));
        m.result = TRUE;
        return TRUE;
    });
}

template <class T>
HandlerEntry<T> MeasureItem(void (T::*handler)(int, LPMEASUREITEMSTRUCT))
{
    return detail::Window<T>(WM_MEASUREITEM, [handler](T& t, MessageCall& m) {
        (t.*handler)(static_cast<int>(m.wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(m.lParam));
        m.result = TRUE;
        return TRUE;
    });
}

template <class T>
HandlerEntry<T> InitMenuPopup(void (T::*handler)(CMenu*, UINT, BOOL))
{
    return detail::Window<T>(WM_INITMENUPOPUP, [handler](T& t, MessageCall& m) {
        (t.*handler)(message_decode::Menu(reinterpret_cast<HMENU>(m.wParam)), LOWORD(m.lParam),
                     HIWORD(m.lParam));
        return TRUE;
    });
}

template <class T>
HandlerEntry<T> GetMinMaxInfo(void (T::*handler)(MINMAXINFO*))
{
    return detail::Window<T>(WM_GETMINMAXINFO, [handler](T& t, MessageCall& m) {
        (t.*handler)(reinterpret_cast<MINMAXINFO*>(m.lParam));
        return TRUE;
    });
}

template <class T>
HandlerEntry<T> SysCommand(void (T::*handler)(UINT, LPARAM))
{
    return detail::Window<T>(WM_SYSCOMMAND, [handler](T& t, MessageCall& m) {
        (t.*handler)(static_cast<UINT>(m.wParam), m.lParam);
        return TRUE;
    });
}

template <class T>
HandlerEntry<T> ContextMenu(void (T::*handler)(CWnd*, CPoint))
{
    return detail::Window<T>(WM_CONTEXTMENU, [handler](T& t, MessageCall& m) {
        (t.*handler)(message_decode::Window(reinterpret_cast<HWND>(m.wParam)), message_decode::Point(m.lParam));
        return TRUE;
    });
}

template <class T>
HandlerEntry<T> SetCursor(BOOL (T::*handler)(CWnd*, UINT, UINT))
{
    return detail::Window<T>(WM_SETCURSOR, [handler](T& t, MessageCall& m) {
        m.result = (t.*handler)(message_decode::Window(reinterpret_cast<HWND>(m.wParam)), LOWORD(m.lParam),
                                HIWORD(m.lParam));
        return TRUE;
    });
}

template <class T>
HandlerEntry<T> ShowWindow(void (T::*handler)(BOOL, UINT))
{
    return detail::Window<T>(WM_SHOWWINDOW, [handler](T& t, MessageCall& m) {
        (t.*handler)(static_cast<BOOL>(m.wParam), static_cast<UINT>(m.lParam));
        return TRUE;
    });
}

template <class T>
HandlerEntry<T> GetDlgCode(UINT (T::*handler)())
{
    return detail::Window<T>(WM_GETDLGCODE, [handler](T& t, MessageCall& m) {
        m.result = (t.*handler)();
        return TRUE;
    });
}

template <class T>
HandlerEntry<T> NcDestroy(void (T::*handler)())
{
    return detail::Window<T>(WM_NCDESTROY, [handler](T& t, MessageCall&) { (t.*handler)(); return TRUE; });
}

}  // namespace on

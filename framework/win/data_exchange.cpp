#include "data_exchange.h"

#include "exception_boundary.h"
#include "message_box.h"
#include "wide_text.h"
#include "wnd.h"

#include <cxxabi.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <typeinfo>
#include <vector>

namespace {

// The C++ name of the window's class, as the code spells it.
CString ClassNameOf(const CWnd& wnd)
{
    const char* mangled = typeid(wnd).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                     std::free);
    return CString(status == 0 && demangled ? demangled.get() : mangled);
}

}  // namespace

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndControl = nullptr;
    if (m_pDlgWnd && m_pDlgWnd->m_hWnd)
        m_pDlgWnd->GetDlgItem(nIDC, &hWndControl);
    if (!hWndControl) {
        // A data exchange entry names a control the window does not have: a
        // fault of the class's table, not of the user's input.
        CString text;
        text.Format("データ交換: コントロール %d がありません (クラス %s)。", nIDC,
                    m_pDlgWnd ? static_cast<LPCTSTR>(ClassNameOf(*m_pDlgWnd)) : "(なし)");
        throw ProgrammingError(static_cast<LPCTSTR>(text));
    }
    m_hWndLastControl = hWndControl;
    return hWndControl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl) {
        ::SetFocus(m_hWndLastControl);
        wchar_t className[16] = {};
        ::GetClassNameW(m_hWndLastControl, className, 16);
        if (lstrcmpiW(className, L"Edit") == 0)
            ::SendMessageW(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    throw Failed{};
}

namespace {

CString ControlText(HWND hWnd)
{
    CString text;
    CWnd::FromHandle(hWnd)->GetWindowText(text);
    return text;
}

// The whole text as a number in [low, high]; false for anything else.
bool ParseNumber(const CString& text, long long low, long long high, long long& number)
{
    CString trimmed(text);
    trimmed.TrimLeft();
    trimmed.TrimRight();
    if (trimmed.IsEmpty())
        return false;
    errno = 0;
    char* end = nullptr;
    long long parsed = std::strtoll(trimmed, &end, 10);
    if (errno != 0 || *end != '\0' || parsed < low || parsed > high)
        return false;
    number = parsed;
    return true;
}

template <class Number>
void ExchangeNumber(CDataExchange* pDX, int nIDC, Number& value, long long low, long long high)
{
    HWND hWnd = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        long long number = 0;
        if (!ParseNumber(ControlText(hWnd), low, high, number)) {
            AfxMessageBox("整数を入力してください。", MB_OK | MB_ICONEXCLAMATION);
            pDX->Fail();
        }
        value = static_cast<Number>(number);
    } else {
        CString text;
        text.Format("%lld", static_cast<long long>(value));
        CWnd::FromHandle(hWnd)->SetWindowText(text);
    }
}

bool IsGroupStart(HWND hWnd)
{
    return (::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_GROUP) != 0;
}

bool IsRadioButton(HWND hWnd)
{
    return (::SendMessageW(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

// The text of item index of a list box or combo box, through the W messages.
CString ItemText(HWND hWnd, int index, UINT lengthMessage, UINT textMessage)
{
    LRESULT length = ::SendMessageW(hWnd, lengthMessage, static_cast<WPARAM>(index), 0);
    if (length < 0)
        return CString();
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    ::SendMessageW(hWnd, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    return FromWide(buffer.data());
}

}  // namespace

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return;
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWnd))
        pDX->Fail();
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWnd = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(hWnd);
    else
        CWnd::FromHandle(hWnd)->SetWindowText(value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeNumber(pDX, nIDC, value, INT_MIN, INT_MAX);
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    ExchangeNumber(pDX, nIDC, value, 0, UINT_MAX);
}

void DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    ExchangeNumber(pDX, nIDC, value, LONG_MIN, LONG_MAX);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageW(hWnd, BM_GETCHECK, 0, 0));
    else
        ::SendMessageW(hWnd, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    for (HWND button = hWnd; button; button = ::GetWindow(button, GW_HWNDNEXT)) {
        if (button != hWnd && IsGroupStart(button))
            break;
        if (!IsRadioButton(button))
            continue;
        if (pDX->m_bSaveAndValidate) {
            if (::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
        } else {
            ::SendMessageW(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageW(hWnd, LB_GETCURSEL, 0, 0));
    else
        ::SendMessageW(hWnd, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageW(hWnd, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageW(hWnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        int index = static_cast<int>(::SendMessageW(hWnd, LB_GETCURSEL, 0, 0));
        value = index < 0 ? CString() : ItemText(hWnd, index, LB_GETTEXTLEN, LB_GETTEXT);
    } else {
        ::SendMessageW(hWnd, LB_SELECTSTRING, static_cast<WPARAM>(-1),
                       reinterpret_cast<LPARAM>(ToWide(value).c_str()));
    }
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        // The edit part of a drop-down combo box, or the selected item of a list.
        value = ControlText(hWnd);
    } else if (::SendMessageW(hWnd, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(ToWide(value).c_str())) == CB_ERR) {
        CWnd::FromHandle(hWnd)->SetWindowText(value);
    }
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bSaveAndValidate) {
        if (value.GetLength() > nChars) {
            CString text;
            text.Format("%d バイト以内で入力してください。", nChars);
            AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
            pDX->Fail();
        }
    } else if (HWND hWnd = pDX->LastControl()) {
        // The system counts characters, not bytes: the byte limit itself is checked when reading.
        ::SendMessageW(hWnd, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
    }
}

#include "edit_bytes.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace edit_bytes {

namespace {

constexpr UINT kShiftJis = 932;

// A field with a byte limit runs through LimitHook, placed before the window
// procedure it had. The limit and that procedure are kept here, in the
// program's memory: the system's subclass helpers and window properties are
// asked of Wine's server on every message, a round trip each.
struct LimitHookState {
    WNDPROC previous;
    UINT limit;
};

std::unordered_map<HWND, LimitHookState>& Hooks()
{
    static std::unordered_map<HWND, LimitHookState> hooks;
    return hooks;
}

LRESULT CallPrevious(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto found = Hooks().find(edit);
    if (found == Hooks().end())
        return ::DefWindowProcW(edit, message, wParam, lParam);
    return ::CallWindowProcW(found->second.previous, edit, message, wParam, lParam);
}

int Bytes(const wchar_t* text, int length)
{
    if (length <= 0)
        return 0;
    return ::WideCharToMultiByte(kShiftJis, 0, text, length, nullptr, 0, nullptr, nullptr);
}

// Length in UTF-16 units of the character at text[i] (a surrogate pair counts as one character).
size_t CharUnits(const std::wstring& text, size_t i)
{
    return (IS_HIGH_SURROGATE(text[i]) && i + 1 < text.size() && IS_LOW_SURROGATE(text[i + 1])) ? 2 : 1;
}

// The longest start of text whose Shift-JIS form fits in room bytes, cut between characters.
std::wstring FittingStart(const std::wstring& text, int room)
{
    size_t kept = 0;
    int used = 0;
    while (kept < text.size()) {
        size_t units = CharUnits(text, kept);
        int bytes = Bytes(text.data() + kept, static_cast<int>(units));
        if (used + bytes > room)
            break;
        used += bytes;
        kept += units;
    }
    return text.substr(0, kept);
}

bool ChangesText(UINT message, LPARAM lParam)
{
    switch (message) {
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_IME_CHAR:
    case WM_PASTE:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL:
        return true;
    case WM_IME_COMPOSITION:
        return (lParam & GCS_RESULTSTR) != 0;
    default:
        return false;
    }
}

// Lets the field handle a message that may add text, then takes back what
// went over the limit: the text inserted at the selection is cut to the bytes
// left, or the field gets its old text back when the change was of another kind.
LRESULT HandleWithinLimit(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, int limit)
{
    const std::wstring before = WindowText(edit);
    DWORD selStart = 0;
    DWORD selEnd = 0;
    CallPrevious(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
    const LRESULT result = CallPrevious(edit, message, wParam, lParam);
    const std::wstring after = WindowText(edit);
    const int afterBytes = ByteLength(after);
    if (afterBytes <= limit || afterBytes < ByteLength(before) || !::IsWindow(edit))
        return result;

    selStart = std::min<DWORD>(selStart, static_cast<DWORD>(before.size()));
    selEnd = std::clamp<DWORD>(selEnd, selStart, static_cast<DWORD>(before.size()));
    const std::wstring prefix = before.substr(0, selStart);
    const std::wstring suffix = before.substr(selEnd);
    const bool insertedAtSelection = after.size() >= prefix.size() + suffix.size() &&
                                     after.compare(0, prefix.size(), prefix) == 0 &&
                                     after.compare(after.size() - suffix.size(), suffix.size(), suffix) == 0;
    ::MessageBeep(MB_OK);
    if (insertedAtSelection) {
        const size_t insertedLength = after.size() - prefix.size() - suffix.size();
        const std::wstring fitting = FittingStart(after.substr(prefix.size(), insertedLength),
                                                  limit - ByteLength(prefix) - ByteLength(suffix));
        if (!fitting.empty()) {
            CallPrevious(edit, EM_SETSEL, prefix.size(), prefix.size() + insertedLength);
            CallPrevious(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(fitting.c_str()));
            return result;
        }
    }
    CallPrevious(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(before.c_str()));
    CallPrevious(edit, EM_SETSEL, selStart, selEnd);
    return result;
}

LRESULT CALLBACK LimitHook(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto found = Hooks().find(edit);
    if (found == Hooks().end())
        return ::DefWindowProcW(edit, message, wParam, lParam);
    const LimitHookState state = found->second;
    if (message == WM_NCDESTROY) {
        // The window goes: its procedure is given back when nobody came after
        // the hook, and its handle, which may be given to another window, forgotten.
        Hooks().erase(found);
        if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(edit, GWLP_WNDPROC)) == &LimitHook)
            ::SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(state.previous));
        return ::CallWindowProcW(state.previous, edit, message, wParam, lParam);
    }
    if (state.limit > 0 && ChangesText(message, lParam))
        return HandleWithinLimit(edit, message, wParam, lParam, static_cast<int>(state.limit));
    return ::CallWindowProcW(state.previous, edit, message, wParam, lParam);
}

}  // namespace

int ByteOffset(const std::wstring& text, int index)
{
    if (index < 0)
        return index;
    return Bytes(text.data(), std::min(index, static_cast<int>(text.size())));
}

int WideIndex(const std::wstring& text, int offset)
{
    if (offset < 0)
        return offset;
    size_t index = 0;
    int bytes = 0;
    while (index < text.size()) {
        size_t units = CharUnits(text, index);
        int next = bytes + Bytes(text.data() + index, static_cast<int>(units));
        if (next > offset)
            break;
        bytes = next;
        index += units;
    }
    return static_cast<int>(index);
}

int ByteLength(const std::wstring& text)
{
    return Bytes(text.data(), static_cast<int>(text.size()));
}

std::wstring WindowText(HWND hWnd)
{
    int length = ::GetWindowTextLengthW(hWnd);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    length = ::GetWindowTextW(hWnd, buffer.data(), length + 1);
    return std::wstring(buffer.data(), static_cast<size_t>(std::max(length, 0)));
}

void SetByteLimit(HWND edit, UINT limit)
{
    if (!edit || !::IsWindow(edit))
        return;
    // A hooked field keeps its hook, which passes everything on without a limit:
    // a procedure placed after it would be lost if the hook were taken out.
    const auto found = Hooks().find(edit);
    if (found != Hooks().end()) {
        found->second.limit = limit;
        return;
    }
    if (limit == 0)
        return;
    const auto previous = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(edit, GWLP_WNDPROC));
    Hooks()[edit] = {previous, limit};
    ::SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LimitHook));
}

UINT GetByteLimit(HWND edit)
{
    const auto found = Hooks().find(edit);
    return found == Hooks().end() ? 0 : found->second.limit;
}

}  // namespace edit_bytes

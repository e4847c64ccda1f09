#include "wide_text.h"

#include <windows.h>

namespace {
constexpr UINT kShiftJis = 932;
}

std::wstring ToWide(LPCTSTR text)
{
    if (!text || !*text)
        return std::wstring();
    int length = static_cast<int>(std::char_traits<char>::length(text));
    int needed = MultiByteToWideChar(kShiftJis, 0, text, length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(kShiftJis, 0, text, length, wide.data(), needed);
    return wide;
}

std::wstring ToWide(const CString& text)
{
    if (text.IsEmpty())
        return std::wstring();
    int needed = MultiByteToWideChar(kShiftJis, 0, text, text.GetLength(), nullptr, 0);
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(kShiftJis, 0, text, text.GetLength(), wide.data(), needed);
    return wide;
}

CString FromWide(const wchar_t* text, int length)
{
    if (!text)
        return CString();
    if (length < 0)
        length = static_cast<int>(wcslen(text));
    if (length == 0)
        return CString();
    int needed = WideCharToMultiByte(kShiftJis, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(kShiftJis, 0, text, length, bytes.data(), needed, nullptr, nullptr);
    return CString(bytes);
}

CString FromWide(const std::wstring& text)
{
    return FromWide(text.c_str(), static_cast<int>(text.size()));
}

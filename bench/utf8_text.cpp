#include "utf8_text.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>

std::string Utf8OfShiftJis(const CString& text)
{
    if (text.IsEmpty())
        return {};
    const std::string_view bytes = text.view();
    const int n = static_cast<int>(bytes.size());
    const int wide = ::MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), n, nullptr, 0);
    if (wide <= 0)
        throw std::runtime_error("no Shift-JIS text");
    std::wstring units(static_cast<std::size_t>(wide), L'\0');
    ::MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), n, units.data(), wide);
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, units.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, units.data(), wide, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

#else
#include <iconv.h>

std::string Utf8OfShiftJis(const CString& text)
{
    if (text.IsEmpty())
        return {};
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv cannot convert CP932 into UTF-8 on this machine");
    std::string in = text.str();
    // A half-width katakana takes one byte in Shift-JIS and three in UTF-8.
    std::string out(in.size() * 3 + 1, '\0');
    char* src = in.data();
    std::size_t srcLeft = in.size();
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    const std::size_t done = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (done == static_cast<std::size_t>(-1))
        throw std::runtime_error("no Shift-JIS text");
    out.resize(out.size() - dstLeft);
    return out;
}

#endif

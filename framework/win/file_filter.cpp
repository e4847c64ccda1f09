#include "file_filter.h"

#include "../cp932.h"
#include "wide_text.h"

std::vector<CString> SplitFileFilter(const CString& filter)
{
    std::vector<CString> pieces;
    const char* text = filter;
    size_t length = static_cast<size_t>(filter.GetLength());
    size_t start = 0;
    for (size_t i = 0; i < length; i += cp932::CharLength(text, i, length)) {
        if (text[i] == '|') {
            pieces.emplace_back(text + start, static_cast<int>(i - start));
            start = i + 1;
        }
    }
    if (start < length)
        pieces.emplace_back(text + start, static_cast<int>(length - start));
    return pieces;
}

std::wstring FileFilterForSystem(const CString& filter)
{
    std::wstring result;
    for (const CString& piece : SplitFileFilter(filter)) {
        result += ToWide(piece);
        result += L'\0';
    }
    result += L'\0';
    return result;
}

#include "sjis_text.h"

#include "../framework/cp932.h"

namespace {

std::size_t CharLengthAt(const CString& text, std::size_t i)
{
    return cp932::CharLength(text.view().data(), i, text.view().size());
}

}  // namespace

int FindWholeChars(const CString& text, const CString& sub)
{
    const std::string_view s = text.view();
    const std::string_view needle = sub.view();
    if (needle.empty())
        return 0;
    // A match of whole characters is a match of bytes first: most texts hold neither.
    if (s.find(needle) == std::string_view::npos)
        return -1;
    for (std::size_t i = 0; i + needle.size() <= s.size(); i += CharLengthAt(text, i)) {
        if (s.compare(i, needle.size(), needle) != 0)
            continue;
        // The match must also end on a boundary: its last byte may not be the
        // lead byte of a character that continues past it.
        std::size_t j = i;
        while (j < i + needle.size())
            j += CharLengthAt(text, j);
        if (j == i + needle.size())
            return static_cast<int>(i);
    }
    return -1;
}

bool ContainsWholeChars(const CString& text, const CString& sub)
{
    return FindWholeChars(text, sub) >= 0;
}

CString FirstChar(const CString& text)
{
    if (text.IsEmpty())
        return CString();
    return text.Left(static_cast<int>(CharLengthAt(text, 0)));
}

CString AfterFirstChar(const CString& text)
{
    if (text.IsEmpty())
        return CString();
    return text.Mid(static_cast<int>(CharLengthAt(text, 0)));
}

CString LastChar(const CString& text)
{
    std::size_t last = 0;
    for (std::size_t i = 0; i < text.view().size(); i += CharLengthAt(text, i))
        last = i;
    return text.Mid(static_cast<int>(last));
}

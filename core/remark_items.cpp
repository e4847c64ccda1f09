#include "remark_items.h"

#include "../framework/cp932.h"

namespace {

bool IsMarkerAt(const CString& text, int pos)
{
    return pos + 1 < text.GetLength() && text[pos] == '[' && text[pos + 1] == ']';
}

// Whether everything from pos on is whole items, each opened by a marker.
bool WholeItemsFrom(const CString& remark, int pos)
{
    const int rest = remark.GetLength() - pos;
    if (rest < kItemLength || rest % kItemLength != 0)
        return false;
    for (int at = pos; at < remark.GetLength(); at += kItemLength) {
        if (!IsMarkerAt(remark, at))
            return false;
    }
    return true;
}

}  // namespace

int FindItemsStart(const CString& remark)
{
    const int n = remark.GetLength();
    // Items can only start where the rest is a whole number of items.
    for (int pos = 0; pos < n;) {
        if ((n - pos) % kItemLength == 0 && IsMarkerAt(remark, pos) && WholeItemsFrom(remark, pos))
            return pos;
        pos += static_cast<int>(cp932::CharLength(static_cast<const char*>(remark), static_cast<std::size_t>(pos),
                                                  static_cast<std::size_t>(n)));
    }
    return -1;
}

CString RemarkText(const CString& remark)
{
    const int start = FindItemsStart(remark);
    return start < 0 ? remark : remark.Left(start);
}

CString RemarkItems(const CString& remark)
{
    const int start = FindItemsStart(remark);
    return start < 0 ? CString() : remark.Mid(start);
}

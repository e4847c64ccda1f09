#include "column_text.h"

#include "../framework/cp932.h"

namespace {

CString Blanks(int count)
{
    return count > 0 ? CString(' ', count) : CString();
}

CString Dots(int count)
{
    return count > 0 ? CString('.', count) : CString();
}

}  // namespace

CString CutToBytes(const CString& text, int maxBytes)
{
    const std::string_view bytes = text.view();
    if (bytes.empty())
        return text;

    // A lead byte takes the next byte with it, whatever that byte is; a lead byte
    // with nothing after it ends no character.
    std::size_t lastEnd = 0;
    bool anyEnd = false;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const bool lead = cp932::IsLeadByte(static_cast<unsigned char>(bytes[pos]));
        if (lead && pos + 1 == bytes.size())
            break;
        const std::size_t end = pos + (lead ? 2 : 1);
        anyEnd = true;
        if (end > static_cast<std::size_t>(maxBytes < 0 ? 0 : maxBytes))
            break;
        lastEnd = end;
        pos = end;
    }
    if (!anyEnd)
        return maxBytes >= text.GetLength() ? text : CString();
    return text.Left(static_cast<int>(lastEnd));
}

CString IntToText(int value)
{
    CString text;
    text.Format("%d", value);
    return text;
}

CString FitToColumn(const CString& text, int width, int align, ColumnFit fit)
{
    CString fitted = text;
    if (fit == ColumnFit::TrimFirst) {
        if (align == kAlignLeft)
            fitted.TrimLeft();
        else if (align == kAlignRight)
            fitted.TrimRight();
    }
    if (fit == ColumnFit::WidenForPoint && fitted.Find('.') >= 0)
        width += 3;

    const int missing = width - fitted.GetLength();
    if (missing < 0) {
        const CString cut = CutToBytes(fitted, width);
        if (cut.IsEmpty())
            return cut;
        return cut + Dots(width + 1 - cut.GetLength());
    }
    if (missing == 0)
        return align == kAlignRight ? " " + fitted : fitted + " ";
    switch (align) {
    case kAlignRight:
        return Blanks(missing + 1) + fitted;
    case kAlignLeft:
        return fitted + Blanks(missing + 1);
    case kAlignCentre: {
        const CString side = Blanks((missing + 2) / 2);
        return side + fitted + side;
    }
    default:
        return fitted;
    }
}

CString PadToWidth(const CString& text, int width, int align, PadCut cut)
{
    const int missing = width - text.GetLength();
    if (missing < 0) {
        const CString kept = CutToBytes(text, width);
        const int room = width - kept.GetLength();
        if (cut == PadCut::FillWithBlanks)
            return align == kAlignRight ? Blanks(room) + kept : kept + Blanks(room);
        if (kept.IsEmpty())
            return kept;
        return kept + Dots(room);
    }
    switch (align) {
    case kAlignRight:
        return Blanks(missing) + text;
    case kAlignLeft:
        return text + Blanks(missing);
    case kAlignCentre: {
        const CString side = Blanks(missing / 2);
        return side + text + side;
    }
    default:
        return text;
    }
}

CString RemoveMark(const CString& text, const CString& mark)
{
    if (mark.IsEmpty())
        return text;
    const int position = text.Find(mark);
    if (position < 0)
        return text;
    return text.Left(position) + text.Mid(position + mark.GetLength());
}

#include "font_size.h"

BOOL IsFontSize(const CString& text)
{
    for (const char* size : kFontSizes)
        if (text == size)
            return TRUE;
    return FALSE;
}

CString ProposedFontSize(int pixelsPerInch, int screenHeight)
{
    if (pixelsPerInch <= 96) {
        if (screenHeight <= 768)
            return "9";
        if (screenHeight <= 900)
            return "10";
        if (screenHeight <= 1049)
            return "11";
        if (screenHeight <= 1079)
            return "12";
        return "14";
    }
    if (pixelsPerInch <= 120) {
        if (screenHeight <= 900)
            return "9";
        if (screenHeight <= 1049)
            return "10";
        return "11";
    }
    return screenHeight <= 1049 ? "9" : "10";
}

CString StoredFontSize(const CString& stored, const CString& proposed)
{
    return FontSizeOrFallback(stored.IsEmpty() ? proposed : stored);
}

CString FontSizeOrFallback(const CString& size)
{
    return IsFontSize(size) ? size : CString(kFallbackFontSize);
}

CString BuildFileName(const CString& size)
{
    return "tavrelbook_" + size + ".exe";
}

#include "form_units.h"

#include <windows.h>

namespace {

// The forms' font face, as the main program's form templates name it.
const wchar_t kFormFontFace[] = L"\xFF2D\xFF33 \x30B4\x30B7\x30C3\x30AF";  // ＭＳ ゴシック

}  // namespace

FormUnits MeasureFormUnits(int pointSize, int dpi)
{
    FormUnits units;
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    if (!dc)
        return units;
    HFONT font = ::CreateFontW(-::MulDiv(pointSize, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                               SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               FF_DONTCARE, kFormFontFace);
    HGDIOBJ old = font ? ::SelectObject(dc, font) : nullptr;
    static const wchar_t letters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE extent{};
    TEXTMETRICW metrics{};
    if (::GetTextExtentPoint32W(dc, letters, 52, &extent) && ::GetTextMetricsW(dc, &metrics)) {
        // The dialog manager's average: half the width of the 52 letters over 26, rounded.
        units.baseX = (extent.cx / 26 + 1) / 2;
        units.baseY = metrics.tmHeight;
    }
    if (old)
        ::SelectObject(dc, old);
    if (font)
        ::DeleteObject(font);
    ::DeleteDC(dc);
    return units;
}

CSize ScreenWorkArea()
{
    RECT area{};
    if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0))
        return CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    return CSize(area.right - area.left, area.bottom - area.top);
}

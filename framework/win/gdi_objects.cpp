#include "gdi_objects.h"

#include "../cp932.h"
#include "dc.h"
#include "wide_text.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <unordered_map>

namespace {

// Handle → the framework object that owns it, so that a device context can hand
// back the very object that was selected before.
std::unordered_map<HGDIOBJ, CGdiObject*>& Owners()
{
    static std::unordered_map<HGDIOBJ, CGdiObject*> owners;
    return owners;
}

void Unregister(HGDIOBJ handle, const CGdiObject* object)
{
    auto found = Owners().find(handle);
    if (found != Owners().end() && found->second == object)
        Owners().erase(found);
}

LOGFONTW ToWideLogFont(const LOGFONTA& a)
{
    LOGFONTW w{};
    w.lfHeight = a.lfHeight;
    w.lfWidth = a.lfWidth;
    w.lfEscapement = a.lfEscapement;
    w.lfOrientation = a.lfOrientation;
    w.lfWeight = a.lfWeight;
    w.lfItalic = a.lfItalic;
    w.lfUnderline = a.lfUnderline;
    w.lfStrikeOut = a.lfStrikeOut;
    w.lfCharSet = a.lfCharSet;
    w.lfOutPrecision = a.lfOutPrecision;
    w.lfClipPrecision = a.lfClipPrecision;
    w.lfQuality = a.lfQuality;
    w.lfPitchAndFamily = a.lfPitchAndFamily;
    std::wstring face = ToWide(CString(a.lfFaceName, static_cast<int>(strnlen(a.lfFaceName, LF_FACESIZE))));
    face.resize(std::min<size_t>(face.size(), LF_FACESIZE - 1));
    std::memcpy(w.lfFaceName, face.c_str(), (face.size() + 1) * sizeof(wchar_t));
    return w;
}

// Copies a Shift-JIS face name into the field, cut between characters if too long.
void CopyFaceName(LOGFONTA& font, LPCTSTR faceName)
{
    size_t n = faceName ? std::strlen(faceName) : 0;
    size_t kept = 0;
    while (kept < n) {
        size_t next = kept + cp932::CharLength(faceName, kept, n);
        if (next > LF_FACESIZE - 1)
            break;
        kept = next;
    }
    if (kept)
        std::memcpy(font.lfFaceName, faceName, kept);
    font.lfFaceName[kept] = '\0';
}

LOGFONTA ToNarrowLogFont(const LOGFONTW& w)
{
    LOGFONTA a{};
    a.lfHeight = w.lfHeight;
    a.lfWidth = w.lfWidth;
    a.lfEscapement = w.lfEscapement;
    a.lfOrientation = w.lfOrientation;
    a.lfWeight = w.lfWeight;
    a.lfItalic = w.lfItalic;
    a.lfUnderline = w.lfUnderline;
    a.lfStrikeOut = w.lfStrikeOut;
    a.lfCharSet = w.lfCharSet;
    a.lfOutPrecision = w.lfOutPrecision;
    a.lfClipPrecision = w.lfClipPrecision;
    a.lfQuality = w.lfQuality;
    a.lfPitchAndFamily = w.lfPitchAndFamily;
    CopyFaceName(a, FromWide(w.lfFaceName));
    return a;
}

}  // namespace

// --- CGdiObject

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ handle)
{
    if (m_hObject || !handle)
        return FALSE;
    m_hObject = handle;
    m_bOwned = true;
    Owners()[handle] = this;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ handle = m_hObject;
    if (handle)
        Unregister(handle, this);
    m_hObject = nullptr;
    m_bOwned = false;
    return handle;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    bool owned = m_bOwned;
    HGDIOBJ handle = Detach();
    return owned ? ::DeleteObject(handle) : TRUE;
}

BOOL CGdiObject::TakeNew(HGDIOBJ created)
{
    if (!created)
        return FALSE;
    if (!Attach(created)) {
        ::DeleteObject(created);
        return FALSE;
    }
    return TRUE;
}

BOOL CGdiObject::Borrow(HGDIOBJ handle)
{
    if (m_hObject || !handle)
        return FALSE;
    m_hObject = handle;
    m_bOwned = false;
    return TRUE;
}

BOOL CGdiObject::CreateStockObject(int index)
{
    return Borrow(::GetStockObject(index));
}

int CGdiObject::GetObject(int count, void* buffer) const
{
    return m_hObject ? ::GetObjectW(m_hObject, count, buffer) : 0;
}

CGdiObject* CGdiObject::FromPermanentHandle(HGDIOBJ handle)
{
    auto found = Owners().find(handle);
    return found == Owners().end() ? nullptr : found->second;
}

// --- CPen

CPen::CPen(int style, int width, COLORREF color)
{
    if (!CreatePen(style, width, color))
        throw std::runtime_error("CreatePen failed");
}

BOOL CPen::CreatePen(int style, int width, COLORREF color)
{
    return TakeNew(::CreatePen(style, width, color));
}

BOOL CPen::CreatePenIndirect(const LOGPEN* logPen)
{
    return TakeNew(::CreatePenIndirect(logPen));
}

int CPen::GetLogPen(LOGPEN* logPen) const
{
    return GetObject(sizeof(LOGPEN), logPen);
}

// --- CBrush

CBrush::CBrush(COLORREF color)
{
    if (!CreateSolidBrush(color))
        throw std::runtime_error("CreateSolidBrush failed");
}

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    return TakeNew(::CreateSolidBrush(color));
}

BOOL CBrush::CreateHatchBrush(int hatch, COLORREF color)
{
    return TakeNew(::CreateHatchBrush(hatch, color));
}

BOOL CBrush::CreateSysColorBrush(int colorIndex)
{
    return Borrow(::GetSysColorBrush(colorIndex));
}

int CBrush::GetLogBrush(LOGBRUSH* logBrush) const
{
    return GetObject(sizeof(LOGBRUSH), logBrush);
}

// --- CFont

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, LPCTSTR faceName)
{
    LOGFONTA font{};
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfEscapement = escapement;
    font.lfOrientation = orientation;
    font.lfWeight = weight;
    font.lfItalic = italic;
    font.lfUnderline = underline;
    font.lfStrikeOut = strikeOut;
    font.lfCharSet = charSet;
    font.lfOutPrecision = outPrecision;
    font.lfClipPrecision = clipPrecision;
    font.lfQuality = quality;
    font.lfPitchAndFamily = pitchAndFamily;
    CopyFaceName(font, faceName);
    return CreateFontIndirect(&font);
}

BOOL CFont::CreateFontIndirect(const LOGFONTA* logFont)
{
    if (!logFont)
        return FALSE;
    LOGFONTW wide = ToWideLogFont(*logFont);
    return TakeNew(::CreateFontIndirectW(&wide));
}

BOOL CFont::CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc)
{
    LOGFONTA font{};
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfHeight = pointSize;
    CopyFaceName(font, faceName);
    return CreatePointFontIndirect(&font, dc);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONTA* logFont, CDC* dc)
{
    if (!logFont)
        return FALSE;
    HDC hdc = dc ? dc->GetSafeHdc() : ::GetDC(nullptr);
    // Tenths of a point → device pixels → the device context's logical units.
    POINT height{0, ::GetDeviceCaps(hdc, LOGPIXELSY) * logFont->lfHeight / 720};
    POINT origin{0, 0};
    ::DPtoLP(hdc, &height, 1);
    ::DPtoLP(hdc, &origin, 1);
    if (!dc)
        ::ReleaseDC(nullptr, hdc);
    LOGFONTA font = *logFont;
    font.lfHeight = -std::abs(height.y - origin.y);
    return CreateFontIndirect(&font);
}

int CFont::GetLogFont(LOGFONTA* logFont) const
{
    LOGFONTW wide{};
    int copied = GetObject(sizeof(LOGFONTW), &wide);
    if (copied && logFont)
        *logFont = ToNarrowLogFont(wide);
    return copied;
}

// --- CBitmap

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    return dc ? TakeNew(::CreateCompatibleBitmap(dc->GetSafeHdc(), width, height)) : FALSE;
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
    return TakeNew(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}

BOOL CBitmap::LoadBitmap(UINT resourceId)
{
    return TakeNew(::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId)));
}

int CBitmap::GetBitmap(BITMAP* bitmap) const
{
    return GetObject(sizeof(BITMAP), bitmap);
}

#include "dc.h"

#include "../cp932.h"
#include "geometry_win.h"
#include "wide_text.h"
#include "wnd.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Byte text of count bytes (-1: up to the terminator) as UTF-16.
std::wstring WideText(LPCTSTR text, int count)
{
    if (!text)
        return std::wstring();
    if (count < 0)
        return ToWide(text);
    return ToWide(CString(text, count));
}

std::vector<POINT> ToPoints(const CPoint* points, int count)
{
    std::vector<POINT> result;
    if (points && count > 0)
        for (int i = 0; i < count; ++i)
            result.push_back(ToWin32(points[i]));
    return result;
}

std::map<HDC, std::unique_ptr<CDC>>& TemporaryContexts()
{
    static std::map<HDC, std::unique_ptr<CDC>> contexts;
    return contexts;
}

}  // namespace

// --- the context itself

CDC::~CDC()
{
    if (m_bOwnsDC)
        DeleteDC();
}

BOOL CDC::Attach(HDC hDC)
{
    if (m_hDC || !hDC)
        return FALSE;
    m_hDC = hDC;
    m_bOwnsDC = false;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    m_hDC = nullptr;
    m_bOwnsDC = false;
    m_standIns.clear();
    return hDC;
}

BOOL CDC::CreateCompatibleDC(CDC* dc)
{
    if (m_hDC)
        return FALSE;
    HDC created = ::CreateCompatibleDC(dc ? dc->m_hDC : nullptr);
    if (!created)
        return FALSE;
    m_hDC = created;
    m_bOwnsDC = true;
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC || !m_bOwnsDC)
        return FALSE;
    return ::DeleteDC(Detach());
}

CDC* CDC::FromHandle(HDC hDC)
{
    if (!hDC)
        return nullptr;
    auto& contexts = TemporaryContexts();
    auto found = contexts.find(hDC);
    if (found != contexts.end())
        return found->second.get();
    auto dc = std::make_unique<CDC>();
    dc->Attach(hDC);
    return contexts.emplace(hDC, std::move(dc)).first->second.get();
}

void CDC::DeleteTempMap()
{
    TemporaryContexts().clear();
}

// --- objects

template <class T>
T* CDC::Wrap(HGDIOBJ handle)
{
    if (!handle || handle == HGDI_ERROR)
        return nullptr;
    if (T* owner = dynamic_cast<T*>(CGdiObject::FromPermanentHandle(handle)))
        return owner;
    DWORD type = ::GetObjectType(handle);
    auto& standIn = m_standIns[{type, handle}];
    if (!standIn) {
        switch (type) {
        case OBJ_PEN:
        case OBJ_EXTPEN: standIn = std::make_unique<CPen>(); break;
        case OBJ_BRUSH: standIn = std::make_unique<CBrush>(); break;
        case OBJ_FONT: standIn = std::make_unique<CFont>(); break;
        case OBJ_BITMAP: standIn = std::make_unique<CBitmap>(); break;
        default: standIn = std::make_unique<CGdiObject>(); break;
        }
        standIn->Borrow(handle);
    }
    return dynamic_cast<T*>(standIn.get());
}

HGDIOBJ CDC::Select(HGDIOBJ handle)
{
    if (!m_hDC || !handle)
        return nullptr;
    return ::SelectObject(m_hDC, handle);
}

CPen* CDC::SelectObject(CPen* pen)
{
    return pen ? Wrap<CPen>(Select(pen->m_hObject)) : nullptr;
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    return brush ? Wrap<CBrush>(Select(brush->m_hObject)) : nullptr;
}

CFont* CDC::SelectObject(CFont* font)
{
    return font ? Wrap<CFont>(Select(font->m_hObject)) : nullptr;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    return bitmap ? Wrap<CBitmap>(Select(bitmap->m_hObject)) : nullptr;
}

CGdiObject* CDC::SelectObject(CGdiObject* object)
{
    return object ? Wrap<CGdiObject>(Select(object->m_hObject)) : nullptr;
}

CGdiObject* CDC::SelectStockObject(int index)
{
    return Wrap<CGdiObject>(Select(::GetStockObject(index)));
}

CPen* CDC::GetCurrentPen()
{
    return m_hDC ? Wrap<CPen>(::GetCurrentObject(m_hDC, OBJ_PEN)) : nullptr;
}

CBrush* CDC::GetCurrentBrush()
{
    return m_hDC ? Wrap<CBrush>(::GetCurrentObject(m_hDC, OBJ_BRUSH)) : nullptr;
}

CFont* CDC::GetCurrentFont()
{
    return m_hDC ? Wrap<CFont>(::GetCurrentObject(m_hDC, OBJ_FONT)) : nullptr;
}

CBitmap* CDC::GetCurrentBitmap()
{
    return m_hDC ? Wrap<CBitmap>(::GetCurrentObject(m_hDC, OBJ_BITMAP)) : nullptr;
}

// --- colours and modes

COLORREF CDC::SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hDC); }
COLORREF CDC::SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hDC); }
int CDC::SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
int CDC::GetBkMode() const { return ::GetBkMode(m_hDC); }
UINT CDC::SetTextAlign(UINT flags) { return ::SetTextAlign(m_hDC, flags); }
UINT CDC::GetTextAlign() const { return ::GetTextAlign(m_hDC); }

// --- mapping

int CDC::SetMapMode(int mode) { return ::SetMapMode(m_hDC, mode); }
int CDC::GetMapMode() const { return ::GetMapMode(m_hDC); }

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT old{};
    ::SetWindowOrgEx(m_hDC, x, y, &old);
    return FromWin32(old);
}

CPoint CDC::GetWindowOrg() const
{
    POINT origin{};
    ::GetWindowOrgEx(m_hDC, &origin);
    return FromWin32(origin);
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT old{};
    ::SetViewportOrgEx(m_hDC, x, y, &old);
    return FromWin32(old);
}

CPoint CDC::GetViewportOrg() const
{
    POINT origin{};
    ::GetViewportOrgEx(m_hDC, &origin);
    return FromWin32(origin);
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    SIZE old{};
    ::SetWindowExtEx(m_hDC, cx, cy, &old);
    return FromWin32(old);
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    SIZE old{};
    ::SetViewportExtEx(m_hDC, cx, cy, &old);
    return FromWin32(old);
}

int CDC::GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }

void CDC::LPtoDP(CPoint* points, int count) const
{
    std::vector<POINT> converted = ToPoints(points, count);
    if (converted.empty())
        return;
    ::LPtoDP(m_hDC, converted.data(), count);
    for (int i = 0; i < count; ++i)
        points[i] = FromWin32(converted[static_cast<size_t>(i)]);
}

void CDC::LPtoDP(CRect* rect) const
{
    if (!rect)
        return;
    CPoint corners[2] = {rect->TopLeft(), rect->BottomRight()};
    LPtoDP(corners, 2);
    *rect = CRect(corners[0], corners[1]);
}

void CDC::LPtoDP(CSize* size) const
{
    if (!size)
        return;
    CPoint corners[2] = {CPoint(0, 0), CPoint(size->cx, size->cy)};
    LPtoDP(corners, 2);
    *size = CSize(std::abs(corners[1].x - corners[0].x), std::abs(corners[1].y - corners[0].y));
}

void CDC::DPtoLP(CPoint* points, int count) const
{
    std::vector<POINT> converted = ToPoints(points, count);
    if (converted.empty())
        return;
    ::DPtoLP(m_hDC, converted.data(), count);
    for (int i = 0; i < count; ++i)
        points[i] = FromWin32(converted[static_cast<size_t>(i)]);
}

void CDC::DPtoLP(CRect* rect) const
{
    if (!rect)
        return;
    CPoint corners[2] = {rect->TopLeft(), rect->BottomRight()};
    DPtoLP(corners, 2);
    *rect = CRect(corners[0], corners[1]);
}

void CDC::DPtoLP(CSize* size) const
{
    if (!size)
        return;
    CPoint corners[2] = {CPoint(0, 0), CPoint(size->cx, size->cy)};
    DPtoLP(corners, 2);
    *size = CSize(std::abs(corners[1].x - corners[0].x), std::abs(corners[1].y - corners[0].y));
}

int CDC::SaveDC() { return ::SaveDC(m_hDC); }

// --- printing

int CDC::StartDoc(LPCTSTR lpszDocName)
{
    std::wstring name = ToWide(lpszDocName);
    DOCINFOW info{};
    info.cbSize = sizeof(info);
    info.lpszDocName = name.c_str();
    return ::StartDocW(m_hDC, &info);
}

int CDC::StartPage() { return ::StartPage(m_hDC); }
int CDC::EndPage() { return ::EndPage(m_hDC); }
int CDC::EndDoc() { return ::EndDoc(m_hDC); }
int CDC::AbortDoc() { return ::AbortDoc(m_hDC); }
int CDC::SetAbortProc(ABORTPROC lpfn) { return ::SetAbortProc(m_hDC, lpfn); }

BOOL CDC::ResetDC(const DEVMODEW* lpDevMode)
{
    if (!m_hDC || !lpDevMode)
        return FALSE;
    return ::ResetDCW(m_hDC, lpDevMode) != nullptr;
}
BOOL CDC::RestoreDC(int savedDC) { return ::RestoreDC(m_hDC, savedDC); }

// --- text

BOOL CDC::TextOut(int x, int y, LPCTSTR text, int count)
{
    std::wstring wide = WideText(text, count);
    return ::TextOutW(m_hDC, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

BOOL CDC::TextOut(int x, int y, const CString& text)
{
    return TextOut(x, y, text, text.GetLength());
}

int CDC::DrawText(LPCTSTR text, int count, CRect* rect, UINT format)
{
    if (!rect)
        return 0;
    std::wstring wide = WideText(text, count);
    RECT r = ToWin32(*rect);
    // The system may write into the text with DT_MODIFYSTRING; this is our copy.
    int height = ::DrawTextW(m_hDC, wide.data(), static_cast<int>(wide.size()), &r, format & ~DT_MODIFYSTRING);
    if (format & DT_CALCRECT)
        *rect = FromWin32(r);
    return height;
}

int CDC::DrawText(const CString& text, CRect* rect, UINT format)
{
    return DrawText(text, text.GetLength(), rect, format);
}

BOOL CDC::ExtTextOut(int x, int y, UINT options, const CRect* rect, LPCTSTR text, UINT count, const int* widths)
{
    std::wstring wide = WideText(text, static_cast<int>(count));
    std::vector<INT> wideWidths;
    if (widths) {
        for (size_t i = 0; i < count;) {
            size_t length = text ? cp932::CharLength(text, i, count) : 1;
            INT width = widths[i];
            if (length == 2)
                width += widths[i + 1];
            wideWidths.push_back(width);
            i += length;
        }
        wideWidths.resize(wide.size(), 0);
    }
    RECT r{};
    if (rect)
        r = ToWin32(*rect);
    return ::ExtTextOutW(m_hDC, x, y, options, rect ? &r : nullptr, wide.c_str(), static_cast<UINT>(wide.size()),
                         widths ? wideWidths.data() : nullptr);
}

BOOL CDC::ExtTextOut(int x, int y, UINT options, const CRect* rect, const CString& text, const int* widths)
{
    return ExtTextOut(x, y, options, rect, text, static_cast<UINT>(text.GetLength()), widths);
}

CSize CDC::GetTextExtent(LPCTSTR text, int count) const
{
    std::wstring wide = WideText(text, count);
    SIZE size{};
    ::GetTextExtentPoint32W(m_hDC, wide.c_str(), static_cast<int>(wide.size()), &size);
    return FromWin32(size);
}

CSize CDC::GetTextExtent(const CString& text) const
{
    return GetTextExtent(text, text.GetLength());
}

namespace {

// The one byte that stands for ch in code page 932, or fallback when ch has no
// one-byte form there (a double-byte character, or none at all).
BYTE CodePage932Byte(WCHAR ch, BYTE fallback)
{
    char bytes[4] = {};
    BOOL usedDefault = FALSE;
    int length = ::WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &ch, 1, bytes, sizeof(bytes), nullptr, &usedDefault);
    return length == 1 && !usedDefault ? static_cast<BYTE>(bytes[0]) : fallback;
}

}  // namespace

TEXTMETRICA TextMetricsInCodePage932(const TEXTMETRICW& wide)
{
    TEXTMETRICA bytes{};
    bytes.tmHeight = wide.tmHeight;
    bytes.tmAscent = wide.tmAscent;
    bytes.tmDescent = wide.tmDescent;
    bytes.tmInternalLeading = wide.tmInternalLeading;
    bytes.tmExternalLeading = wide.tmExternalLeading;
    bytes.tmAveCharWidth = wide.tmAveCharWidth;
    bytes.tmMaxCharWidth = wide.tmMaxCharWidth;
    bytes.tmWeight = wide.tmWeight;
    bytes.tmOverhang = wide.tmOverhang;
    bytes.tmDigitizedAspectX = wide.tmDigitizedAspectX;
    bytes.tmDigitizedAspectY = wide.tmDigitizedAspectY;
    bytes.tmItalic = wide.tmItalic;
    bytes.tmUnderlined = wide.tmUnderlined;
    bytes.tmStruckOut = wide.tmStruckOut;
    bytes.tmPitchAndFamily = wide.tmPitchAndFamily;
    bytes.tmCharSet = wide.tmCharSet;
    bytes.tmFirstChar = CodePage932Byte(wide.tmFirstChar, 0x00);
    // A font reaching past the one-byte characters covers every byte up to the last.
    bytes.tmLastChar = CodePage932Byte(wide.tmLastChar, 0xFF);
    bytes.tmDefaultChar = CodePage932Byte(wide.tmDefaultChar, '?');
    bytes.tmBreakChar = CodePage932Byte(wide.tmBreakChar, ' ');
    return bytes;
}

BOOL CDC::GetTextMetrics(TEXTMETRICA* metrics) const
{
    TEXTMETRICW wide{};
    if (!metrics || !::GetTextMetricsW(m_hDC, &wide))
        return FALSE;
    *metrics = TextMetricsInCodePage932(wide);
    return TRUE;
}

// --- lines and shapes

CPoint CDC::MoveTo(int x, int y)
{
    POINT old{};
    ::MoveToEx(m_hDC, x, y, &old);
    return FromWin32(old);
}

BOOL CDC::LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }

BOOL CDC::Rectangle(int left, int top, int right, int bottom)
{
    return ::Rectangle(m_hDC, left, top, right, bottom);
}

BOOL CDC::Rectangle(const CRect* rect)
{
    return rect ? Rectangle(rect->left, rect->top, rect->right, rect->bottom) : FALSE;
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom)
{
    return ::Ellipse(m_hDC, left, top, right, bottom);
}

BOOL CDC::Ellipse(const CRect* rect)
{
    return rect ? Ellipse(rect->left, rect->top, rect->right, rect->bottom) : FALSE;
}

BOOL CDC::Polygon(const CPoint* points, int count)
{
    std::vector<POINT> converted = ToPoints(points, count);
    return Polygon(converted.data(), static_cast<int>(converted.size()));
}

BOOL CDC::Polygon(const POINT* points, int count)
{
    return points && count > 0 ? ::Polygon(m_hDC, points, count) : FALSE;
}

BOOL CDC::Polyline(const CPoint* points, int count)
{
    std::vector<POINT> converted = ToPoints(points, count);
    return Polyline(converted.data(), static_cast<int>(converted.size()));
}

BOOL CDC::Polyline(const POINT* points, int count)
{
    return points && count > 0 ? ::Polyline(m_hDC, points, count) : FALSE;
}

void CDC::FillRect(const CRect* rect, CBrush* brush)
{
    if (!rect || !brush)
        return;
    RECT r = ToWin32(*rect);
    ::FillRect(m_hDC, &r, *brush);
}

void CDC::FrameRect(const CRect* rect, CBrush* brush)
{
    if (!rect || !brush)
        return;
    RECT r = ToWin32(*rect);
    ::FrameRect(m_hDC, &r, *brush);
}

void CDC::FillSolidRect(const CRect* rect, COLORREF color)
{
    if (!rect)
        return;
    // An opaque text output of nothing fills the rectangle in the background
    // colour; the colour stays the background colour, as drawing code expects
    // (text drawn next in opaque mode has the fill behind it).
    RECT r = ToWin32(*rect);
    ::SetBkColor(m_hDC, color);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
{
    CRect rect(x, y, x + cx, y + cy);
    FillSolidRect(&rect, color);
}

void CDC::Draw3dRect(const CRect* rect, COLORREF topLeft, COLORREF bottomRight)
{
    if (rect)
        Draw3dRect(rect->left, rect->top, rect->Width(), rect->Height(), topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, bottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, bottomRight);
}

BOOL CDC::DrawEdge(CRect* rect, UINT edge, UINT flags)
{
    if (!rect)
        return FALSE;
    RECT r = ToWin32(*rect);
    BOOL drawn = ::DrawEdge(m_hDC, &r, edge, flags);
    if (flags & BF_ADJUST)
        *rect = FromWin32(r);
    return drawn;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color) { return ::SetPixel(m_hDC, x, y, color); }
COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop)
{
    return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX, sourceY, rop);
}

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop)
{
    return ::PatBlt(m_hDC, x, y, width, height, rop);
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom)
{
    return ::IntersectClipRect(m_hDC, left, top, right, bottom);
}

int CDC::IntersectClipRect(const CRect* rect)
{
    return rect ? IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom) : ERROR;
}

// --- contexts of a window

CPaintDC::CPaintDC(CWnd* wnd) : CPaintDC(wnd ? wnd->GetSafeHwnd() : nullptr) {}

CPaintDC::CPaintDC(HWND hWnd) : m_hWnd(hWnd)
{
    Attach(::BeginPaint(hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(CWnd* wnd) : CClientDC(wnd ? wnd->GetSafeHwnd() : nullptr) {}

CClientDC::CClientDC(HWND hWnd) : m_hWnd(hWnd)
{
    Attach(::GetDC(hWnd));
}

CClientDC::~CClientDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* wnd) : CWindowDC(wnd ? wnd->GetSafeHwnd() : nullptr) {}

CWindowDC::CWindowDC(HWND hWnd) : m_hWnd(hWnd)
{
    Attach(::GetWindowDC(hWnd));
}

CWindowDC::~CWindowDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}

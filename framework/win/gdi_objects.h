// Drawing objects: a pen, a brush, a font or a bitmap owned by one C++ object.
//   CGdiObject  the handle and its ownership; the stock objects
//   CPen        lines and frames
//   CBrush      fills
//   CFont       text; face names are Shift-JIS text, point sizes in tenths
//   CBitmap     off-screen pictures and bitmap resources
// An object deletes its handle when it is destroyed; a handle that is selected
// into a device context must be selected out first (the device context's
// SelectObject returns what was there before, for that purpose).
#pragma once

#include "../cstring.h"
#include "windows_api.h"

class CDC;

// Owner of one drawing-object handle.
class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject();

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }

    // Takes ownership of handle (the object must hold none yet).
    BOOL Attach(HGDIOBJ handle);
    // Gives up the handle without deleting it.
    HGDIOBJ Detach();
    // Deletes the handle now; FALSE when there was none or the system refused.
    BOOL DeleteObject();

    // One of the system's shared objects (BLACK_PEN, WHITE_BRUSH, DEFAULT_GUI_FONT ...).
    // Stock objects are never deleted.
    BOOL CreateStockObject(int index);
    // The object's description (LOGPEN, LOGBRUSH, BITMAP ...); bytes copied.
    int GetObject(int count, void* buffer) const;

    // The framework object that owns handle, or nullptr when none does.
    static CGdiObject* FromPermanentHandle(HGDIOBJ handle);

    HGDIOBJ m_hObject = nullptr;

protected:
    // Keeps a newly created handle; FALSE when the system returned none.
    BOOL TakeNew(HGDIOBJ created);
    // Holds a handle that someone else owns (a stock object, a system colour
    // brush, the object a device context held before); it is never deleted here.
    BOOL Borrow(HGDIOBJ handle);

private:
    friend class CDC;
    bool m_bOwned = false;
};

// A pen: line style (PS_SOLID, PS_DOT ...), width in logical units and colour.
class CPen : public CGdiObject {
public:
    CPen() = default;
    // Creates the pen at once; a failure throws std::runtime_error.
    CPen(int style, int width, COLORREF color);

    BOOL CreatePen(int style, int width, COLORREF color);
    BOOL CreatePenIndirect(const LOGPEN* logPen);
    int GetLogPen(LOGPEN* logPen) const;

    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
};

// A brush: a solid colour, a hatch pattern or a system colour.
class CBrush : public CGdiObject {
public:
    CBrush() = default;
    // A solid brush created at once; a failure throws std::runtime_error.
    explicit CBrush(COLORREF color);

    BOOL CreateSolidBrush(COLORREF color);
    BOOL CreateHatchBrush(int hatch, COLORREF color);
    // The shared brush of a system colour (COLOR_WINDOW ...); never deleted.
    BOOL CreateSysColorBrush(int colorIndex);
    int GetLogBrush(LOGBRUSH* logBrush) const;

    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};

// A font. Face names are Shift-JIS text ("ＭＳ ゴシック") and are handed to the
// system as UTF-16, so Japanese face names work whatever the system code page.
class CFont : public CGdiObject {
public:
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, LPCTSTR faceName);
    BOOL CreateFontIndirect(const LOGFONTA* logFont);
    // A font of pointSize tenths of a point (120 = 12 point) for the device context
    // dc, or for the screen when dc is null. The height is converted into dc's
    // logical units, so the same call serves the screen and a metric page.
    BOOL CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc = nullptr);
    // As CreatePointFont, with lfHeight of logFont in tenths of a point.
    BOOL CreatePointFontIndirect(const LOGFONTA* logFont, CDC* dc = nullptr);
    // The font's description with the face name in Shift-JIS.
    int GetLogFont(LOGFONTA* logFont) const;

    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};

// A device-dependent bitmap.
class CBitmap : public CGdiObject {
public:
    // A bitmap of width × height pixels in the colour format of dc.
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    // The bitmap resource id of the program.
    BOOL LoadBitmap(UINT resourceId);
    int GetBitmap(BITMAP* bitmap) const;

    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

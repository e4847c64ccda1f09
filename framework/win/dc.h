// Device contexts: where drawing goes.
//   CDC        a device context handle with the drawing operations
//   CPaintDC   the context of a WM_PAINT (BeginPaint ... EndPaint)
//   CClientDC  a window's client area, outside painting (GetDC ... ReleaseDC)
//   CWindowDC  a window's whole area, frame included (GetWindowDC ... ReleaseDC)
// Text goes in and out as Shift-JIS and reaches the system as UTF-16 (code page
// 932), so Japanese text draws correctly whatever the system code page is.
// Rectangles are passed by pointer and points as CPoint, in logical units.
#pragma once

#include "../cstring.h"
#include "../geometry.h"
#include "gdi_objects.h"
#include "windows_api.h"

#include <map>
#include <memory>
#include <utility>

class CWnd;

class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    // Wraps a context that someone else created and will release (the hDC of a
    // DRAWITEMSTRUCT, a printer context ...); it is not deleted by this object.
    BOOL Attach(HDC hDC);
    HDC Detach();
    // A memory context compatible with dc (the screen when dc is null); deleted
    // with this object. Select a bitmap into it before drawing.
    BOOL CreateCompatibleDC(CDC* dc);
    // Deletes a context this object created; FALSE for an attached one.
    BOOL DeleteDC();

    // A CDC for a context met in a message (WM_CTLCOLOR..., WM_ERASEBKGND). It
    // lives until DeleteTempMap, which the message loop calls when it is idle.
    static CDC* FromHandle(HDC hDC);
    static void DeleteTempMap();

    // Selecting returns the object that was selected before: the framework object
    // that owns it, or a stand-in (valid while this CDC lives) for an object the
    // framework does not own, such as the context's original pen. Select it back
    // before the new object is destroyed. Null on failure.
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    CGdiObject* SelectObject(CGdiObject* object);
    // BLACK_PEN, NULL_BRUSH, DEFAULT_GUI_FONT ...; returns the object replaced.
    CGdiObject* SelectStockObject(int index);
    CPen* GetCurrentPen();
    CBrush* GetCurrentBrush();
    CFont* GetCurrentFont();
    CBitmap* GetCurrentBitmap();

    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    // TRANSPARENT or OPAQUE.
    int SetBkMode(int mode);
    int GetBkMode() const;
    UINT SetTextAlign(UINT flags);
    UINT GetTextAlign() const;

    // Mapping between logical units and device pixels (MM_TEXT, MM_LOMETRIC ...).
    int SetMapMode(int mode);
    int GetMapMode() const;
    CPoint SetWindowOrg(int x, int y);
    CPoint GetWindowOrg() const;
    CPoint SetViewportOrg(int x, int y);
    CPoint GetViewportOrg() const;
    CSize SetWindowExt(int cx, int cy);
    CSize SetViewportExt(int cx, int cy);
    int GetDeviceCaps(int index) const;
    void LPtoDP(CPoint* points, int count = 1) const;
    void LPtoDP(CRect* rect) const;
    // A size as a distance: both corners converted, the difference kept positive.
    void LPtoDP(CSize* size) const;
    void DPtoLP(CPoint* points, int count = 1) const;
    void DPtoLP(CRect* rect) const;
    void DPtoLP(CSize* size) const;

    // Saves the context's state (objects, colours, mapping); RestoreDC(-1) is the last save.
    int SaveDC();
    BOOL RestoreDC(int savedDC);

    // Text; count is in bytes, -1 for up to the terminator.
    BOOL TextOut(int x, int y, LPCTSTR text, int count);
    BOOL TextOut(int x, int y, const CString& text);
    // DrawText's format flags (DT_CENTER, DT_SINGLELINE, DT_CALCRECT ...); DT_CALCRECT
    // writes the needed rectangle back. The answer is the text's height.
    int DrawText(LPCTSTR text, int count, CRect* rect, UINT format);
    int DrawText(const CString& text, CRect* rect, UINT format);
    // widths: one entry per byte, as the system's byte-text form takes them; the
    // entries of a double-byte character are added for its one wide character.
    BOOL ExtTextOut(int x, int y, UINT options, const CRect* rect, LPCTSTR text, UINT count, const int* widths);
    BOOL ExtTextOut(int x, int y, UINT options, const CRect* rect, const CString& text, const int* widths);
    CSize GetTextExtent(LPCTSTR text, int count) const;
    CSize GetTextExtent(const CString& text) const;
    // The metrics of the selected font, its character fields as bytes of code
    // page 932 like all the program's text (TextMetricsInCodePage932).
    BOOL GetTextMetrics(TEXTMETRICA* metrics) const;

    // Lines and shapes with the current pen, filled with the current brush.
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(const CPoint& point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(const CPoint& point) { return LineTo(point.x, point.y); }
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(const CRect* rect);
    BOOL Ellipse(int left, int top, int right, int bottom);
    BOOL Ellipse(const CRect* rect);
    BOOL Polygon(const CPoint* points, int count);
    BOOL Polygon(const POINT* points, int count);
    BOOL Polyline(const CPoint* points, int count);
    BOOL Polyline(const POINT* points, int count);

    // Fills without the current pen or brush.
    void FillRect(const CRect* rect, CBrush* brush);
    void FrameRect(const CRect* rect, CBrush* brush);
    // Fills with color, which also becomes the background colour (of opaque text).
    void FillSolidRect(const CRect* rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    // A one-pixel frame: top and left in one colour, bottom and right in the other
    // (the latter stays the background colour).
    void Draw3dRect(const CRect* rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    // EDGE_RAISED, EDGE_SUNKEN ... with BF_RECT ...; BF_ADJUST writes the inside back.
    BOOL DrawEdge(CRect* rect, UINT edge, UINT flags);

    COLORREF SetPixel(int x, int y, COLORREF color);
    COLORREF GetPixel(int x, int y) const;
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop);
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop);
    int IntersectClipRect(int left, int top, int right, int bottom);
    int IntersectClipRect(const CRect* rect);

    // Printing. A context that belongs to a printer, or to a page drawn for the
    // print preview, is a printing context: views lay out for paper there.
    BOOL IsPrinting() const { return m_bPrinting; }
    // One print job on a printer's context: StartDoc, then StartPage ... EndPage
    // for every page, then EndDoc (or AbortDoc). The answers are the system's:
    // above 0 when it went well.
    int StartDoc(LPCTSTR lpszDocName);
    int StartPage();
    int EndPage();
    int EndDoc();
    int AbortDoc();
    // Called by the system while the job spools; FALSE from it cancels the job.
    int SetAbortProc(ABORTPROC lpfn);
    // Gives a printer's context new settings (paper size, orientation) between
    // pages. FALSE, and nothing changed, without a device mode (no printer) or
    // when the system refused it.
    BOOL ResetDC(const DEVMODEW* lpDevMode);

    HDC m_hDC = nullptr;
    BOOL m_bPrinting = FALSE;

private:
    // The framework object standing for handle, of class T (CPen for a pen ...).
    template <class T>
    T* Wrap(HGDIOBJ handle);
    HGDIOBJ Select(HGDIOBJ handle);

    bool m_bOwnsDC = false;
    // Stand-ins for objects that no framework object owns, by (object type, handle).
    std::map<std::pair<DWORD, HGDIOBJ>, std::unique_ptr<CGdiObject>> m_standIns;
};

// The painting context of a window during WM_PAINT; m_ps holds the paint request.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    explicit CPaintDC(HWND hWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd;
};

// A window's client area for drawing outside WM_PAINT (null: the whole screen).
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
    explicit CClientDC(HWND hWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};

// A window's whole area, its frame and caption included.
class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* wnd);
    explicit CWindowDC(HWND hWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};

// The byte form of a font's metrics: the wide form with its first, last, default
// and break characters as their one-byte forms in code page 932. A character
// without one: the first gives 0x00, the last 0xFF (the font reaches past the
// one-byte characters), the default '?', the break a space.
TEXTMETRICA TextMetricsInCodePage932(const TEXTMETRICW& wide);

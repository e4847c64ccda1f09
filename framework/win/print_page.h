// Printed pages as pictures: the size of a printer's page, a page drawn into an
// enhanced metafile (what the print preview shows, and what tests read back),
// the texts and lines of such a page with their positions, and a page saved as
// a bitmap file for a person to look at.
#pragma once

#include "../cstring.h"
#include "../geometry.h"

#include "windows_api.h"

#include <functional>
#include <vector>

// A page in hundredths of a millimetre: the paper, and the printable area on it
// (where a view's logical origin lies: its top-left corner).
struct PrintPageGeometry {
    CSize paper;
    CRect printable;
};

// The page of a printer's context as its settings are now.
PrintPageGeometry PageGeometryOfPrinter(HDC hPrinterDC);
// An A4 sheet printable to its edges: the stand-in page when there is no printer.
PrintPageGeometry StandInA4Page(short orientation);

// An enhanced metafile that deletes itself.
class CPageMetafile {
public:
    CPageMetafile() = default;
    explicit CPageMetafile(HENHMETAFILE handle) : m_handle(handle) {}
    CPageMetafile(CPageMetafile&& other) noexcept : m_handle(other.m_handle) { other.m_handle = nullptr; }
    CPageMetafile& operator=(CPageMetafile&& other) noexcept;
    CPageMetafile(const CPageMetafile&) = delete;
    CPageMetafile& operator=(const CPageMetafile&) = delete;
    ~CPageMetafile();

    HENHMETAFILE Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

private:
    HENHMETAFILE m_handle = nullptr;
};

// A device context that records one page of the given size into a metafile,
// with reference as the device it stands for (a printer's context; null: the
// screen). The page's logical units start as device units of the reference.
HDC CreatePageRecorder(HDC hReference, const PrintPageGeometry& page);
// The page's area in the recorder's device units (the reference's pixels).
CRect PageRectInDeviceUnits(HDC hReference, const PrintPageGeometry& page);

// A text drawn on a page: where its reference point lies in the logical units
// the view drew in, its alignment (TA_ flags) and the font it was drawn with.
struct PageText {
    CString text;
    CPoint at;
    UINT align = 0;
    CString face;
    // The font's height as created (negative: character height) in logical units.
    int height = 0;
    // The font's average character width as created; 0: the face's own.
    int width = 0;
    // The sum of the recorded advances of the characters in logical units: how far
    // the text reaches from its reference point; 0 when none were recorded.
    int advance = 0;
};

// A straight line drawn on a page, in logical units, with its pen.
struct PageLine {
    CPoint from;
    CPoint to;
    // PS_SOLID, PS_DOT ...
    int style = PS_SOLID;
    int width = 0;
    COLORREF color = 0;
};

std::vector<PageText> PageTexts(HENHMETAFILE hPage);
std::vector<PageLine> PageLines(HENHMETAFILE hPage);
// The mapping modes the page set, in order.
std::vector<int> PageMapModes(HENHMETAFILE hPage);

// Draws the page onto hdc: a white sheet filling paperRect (device units of
// hdc) with the metafile played into the printable area.
void DrawPageOnSheet(HDC hdc, HENHMETAFILE hPage, const PrintPageGeometry& page, const CRect& paperRect);
// What draw paints onto a 24-bit bitmap of width x height pixels, saved as a BMP
// file; FALSE for an empty size or a file that cannot be written.
BOOL SaveDrawingAsBitmap(int width, int height, const std::function<void(HDC)>& draw, const CString& path);
// The page on white paper at dpi dots per inch, saved as a 24-bit BMP file.
BOOL SavePageAsBitmap(HENHMETAFILE hPage, const PrintPageGeometry& page, int dpi, const CString& path);

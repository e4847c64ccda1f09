#include "print_page.h"

#include "wide_text.h"

#include <cstring>
#include <map>

namespace {

// Millimetres × 100 of a device extent, from the device's size in millimetres
// and in pixels; the conversion the system's own MM_LOMETRIC uses.
int HundredthsOfMm(int pixels, int millimetres, int resolution)
{
    return resolution > 0 ? ::MulDiv(pixels, millimetres * 100, resolution) : 0;
}

}  // namespace

PrintPageGeometry PageGeometryOfPrinter(HDC hPrinterDC)
{
    int sizeX = ::GetDeviceCaps(hPrinterDC, HORZSIZE);
    int sizeY = ::GetDeviceCaps(hPrinterDC, VERTSIZE);
    int resX = ::GetDeviceCaps(hPrinterDC, HORZRES);
    int resY = ::GetDeviceCaps(hPrinterDC, VERTRES);
    PrintPageGeometry page;
    page.printable = CRect(0, 0, HundredthsOfMm(resX, sizeX, resX), HundredthsOfMm(resY, sizeY, resY));
    int physicalX = ::GetDeviceCaps(hPrinterDC, PHYSICALWIDTH);
    int physicalY = ::GetDeviceCaps(hPrinterDC, PHYSICALHEIGHT);
    if (physicalX > 0 && physicalY > 0) {
        page.paper = CSize(HundredthsOfMm(physicalX, sizeX, resX), HundredthsOfMm(physicalY, sizeY, resY));
        int offsetX = HundredthsOfMm(::GetDeviceCaps(hPrinterDC, PHYSICALOFFSETX), sizeX, resX);
        int offsetY = HundredthsOfMm(::GetDeviceCaps(hPrinterDC, PHYSICALOFFSETY), sizeY, resY);
        page.printable.OffsetRect(offsetX, offsetY);
    } else {
        page.paper = page.printable.Size();
    }
    return page;
}

PrintPageGeometry StandInA4Page(short orientation)
{
    PrintPageGeometry page;
    page.paper = orientation == DMORIENT_LANDSCAPE ? CSize(29700, 21000) : CSize(21000, 29700);
    page.printable = CRect(0, 0, page.paper.cx, page.paper.cy);
    return page;
}

CPageMetafile& CPageMetafile::operator=(CPageMetafile&& other) noexcept
{
    if (this != &other) {
        if (m_handle)
            ::DeleteEnhMetaFile(m_handle);
        m_handle = other.m_handle;
        other.m_handle = nullptr;
    }
    return *this;
}

CPageMetafile::~CPageMetafile()
{
    if (m_handle)
        ::DeleteEnhMetaFile(m_handle);
}

HDC CreatePageRecorder(HDC hReference, const PrintPageGeometry& page)
{
    RECT frame{0, 0, page.printable.Width(), page.printable.Height()};
    return ::CreateEnhMetaFileW(hReference, nullptr, &frame, nullptr);
}

CRect PageRectInDeviceUnits(HDC hReference, const PrintPageGeometry& page)
{
    HDC hdc = hReference ? hReference : ::GetDC(nullptr);
    int sizeX = ::GetDeviceCaps(hdc, HORZSIZE);
    int sizeY = ::GetDeviceCaps(hdc, VERTSIZE);
    int resX = ::GetDeviceCaps(hdc, HORZRES);
    int resY = ::GetDeviceCaps(hdc, VERTRES);
    if (!hReference)
        ::ReleaseDC(nullptr, hdc);
    int width = sizeX > 0 ? ::MulDiv(page.printable.Width(), resX, sizeX * 100) : 0;
    int height = sizeY > 0 ? ::MulDiv(page.printable.Height(), resY, sizeY * 100) : 0;
    return CRect(0, 0, width, height);
}

namespace {

// Walks the records of a page, keeping the objects created and selected, so
// that each text and line is seen with its font and pen.
struct PageReader {
    std::vector<PageText> texts;
    std::vector<PageLine> lines;
    std::vector<int> mapModes;

    std::map<DWORD, LOGFONTW> fonts;
    std::map<DWORD, LOGPEN> pens;
    LOGFONTW font{};
    LOGPEN pen{PS_SOLID, {0, 0}, 0};
    UINT align = 0;
    CPoint position;

    void Take(const ENHMETARECORD* record)
    {
        switch (record->iType) {
        case EMR_EXTCREATEFONTINDIRECTW: {
            auto* r = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record);
            fonts[r->ihFont] = r->elfw.elfLogFont;
            break;
        }
        case EMR_CREATEPEN: {
            auto* r = reinterpret_cast<const EMRCREATEPEN*>(record);
            pens[r->ihPen] = r->lopn;
            break;
        }
        case EMR_EXTCREATEPEN: {
            auto* r = reinterpret_cast<const EMREXTCREATEPEN*>(record);
            LOGPEN logPen{};
            logPen.lopnStyle = r->elp.elpPenStyle & PS_STYLE_MASK;
            logPen.lopnWidth.x = static_cast<LONG>(r->elp.elpWidth);
            logPen.lopnColor = r->elp.elpColor;
            pens[r->ihPen] = logPen;
            break;
        }
        case EMR_SELECTOBJECT: {
            DWORD handle = reinterpret_cast<const EMRSELECTOBJECT*>(record)->ihObject;
            if (handle & ENHMETA_STOCK_OBJECT) {
                DWORD stock = handle & ~ENHMETA_STOCK_OBJECT;
                if (stock == BLACK_PEN)
                    pen = LOGPEN{PS_SOLID, {0, 0}, RGB(0, 0, 0)};
                else if (stock == WHITE_PEN)
                    pen = LOGPEN{PS_SOLID, {0, 0}, RGB(255, 255, 255)};
                else if (stock == NULL_PEN)
                    pen = LOGPEN{PS_NULL, {0, 0}, 0};
                break;
            }
            if (auto f = fonts.find(handle); f != fonts.end())
                font = f->second;
            else if (auto p = pens.find(handle); p != pens.end())
                pen = p->second;
            break;
        }
        case EMR_SETTEXTALIGN:
            align = reinterpret_cast<const EMRSETTEXTALIGN*>(record)->iMode;
            break;
        case EMR_SETMAPMODE:
            mapModes.push_back(static_cast<int>(reinterpret_cast<const EMRSETMAPMODE*>(record)->iMode));
            break;
        case EMR_MOVETOEX: {
            POINTL p = reinterpret_cast<const EMRMOVETOEX*>(record)->ptl;
            position = CPoint(p.x, p.y);
            break;
        }
        case EMR_LINETO: {
            POINTL p = reinterpret_cast<const EMRLINETO*>(record)->ptl;
            CPoint to(p.x, p.y);
            lines.push_back(PageLine{position, to, static_cast<int>(pen.lopnStyle & PS_STYLE_MASK),
                                     static_cast<int>(pen.lopnWidth.x), pen.lopnColor});
            position = to;
            break;
        }
        case EMR_EXTTEXTOUTW: {
            auto* r = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
            const auto* base = reinterpret_cast<const BYTE*>(record);
            const auto* chars = reinterpret_cast<const wchar_t*>(base + r->emrtext.offString);
            PageText text;
            text.text = FromWide(std::wstring(chars, r->emrtext.nChars));
            text.at = CPoint(r->emrtext.ptlReference.x, r->emrtext.ptlReference.y);
            text.align = align;
            text.face = FromWide(font.lfFaceName);
            text.height = font.lfHeight;
            text.width = font.lfWidth;
            if (r->emrtext.offDx != 0) {
                const auto* dx = reinterpret_cast<const INT*>(base + r->emrtext.offDx);
                // With ETO_PDY each character has an x and a y advance.
                const int step = (r->emrtext.fOptions & ETO_PDY) ? 2 : 1;
                for (DWORD i = 0; i < r->emrtext.nChars; ++i)
                    text.advance += dx[i * step];
            }
            texts.push_back(text);
            break;
        }
        default:
            break;
        }
    }
};

int CALLBACK ReadRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data)
{
    reinterpret_cast<PageReader*>(data)->Take(record);
    return 1;
}

PageReader ReadPage(HENHMETAFILE hPage)
{
    PageReader reader;
    if (hPage)
        ::EnumEnhMetaFile(nullptr, hPage, ReadRecord, &reader, nullptr);
    return reader;
}

}  // namespace

std::vector<PageText> PageTexts(HENHMETAFILE hPage) { return ReadPage(hPage).texts; }
std::vector<PageLine> PageLines(HENHMETAFILE hPage) { return ReadPage(hPage).lines; }
std::vector<int> PageMapModes(HENHMETAFILE hPage) { return ReadPage(hPage).mapModes; }

void DrawPageOnSheet(HDC hdc, HENHMETAFILE hPage, const PrintPageGeometry& page, const CRect& paperRect)
{
    RECT sheet{paperRect.left, paperRect.top, paperRect.right, paperRect.bottom};
    ::FillRect(hdc, &sheet, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (!hPage || page.paper.cx <= 0 || page.paper.cy <= 0)
        return;
    auto scaleX = [&](int x) { return paperRect.left + ::MulDiv(x, paperRect.Width(), page.paper.cx); };
    auto scaleY = [&](int y) { return paperRect.top + ::MulDiv(y, paperRect.Height(), page.paper.cy); };
    RECT area{scaleX(page.printable.left), scaleY(page.printable.top), scaleX(page.printable.right),
              scaleY(page.printable.bottom)};
    int saved = ::SaveDC(hdc);
    ::IntersectClipRect(hdc, sheet.left, sheet.top, sheet.right, sheet.bottom);
    ::PlayEnhMetaFile(hdc, hPage, &area);
    ::RestoreDC(hdc, saved);
}

BOOL SaveDrawingAsBitmap(int width, int height, const std::function<void(HDC)>& draw, const CString& path)
{
    if (width <= 0 || height <= 0)
        return FALSE;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return FALSE;
    HDC memory = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    draw(memory);
    ::GdiFlush();
    ::SelectObject(memory, old);
    ::DeleteDC(memory);

    DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) / 4) * 4;
    DWORD imageSize = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    header.bfSize = header.bfOffBits + imageSize;
    info.bmiHeader.biSizeImage = imageSize;

    BOOL written = FALSE;
    std::wstring widePath = ToWide(path);
    HANDLE file = ::CreateFileW(widePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD done = 0;
        written = ::WriteFile(file, &header, sizeof(header), &done, nullptr) &&
                  ::WriteFile(file, &info.bmiHeader, sizeof(info.bmiHeader), &done, nullptr) &&
                  ::WriteFile(file, bits, imageSize, &done, nullptr);
        written = ::CloseHandle(file) && written;
    }
    ::DeleteObject(bitmap);
    return written;
}

BOOL SavePageAsBitmap(HENHMETAFILE hPage, const PrintPageGeometry& page, int dpi, const CString& path)
{
    const int width = ::MulDiv(page.paper.cx, dpi, 2540);
    const int height = ::MulDiv(page.paper.cy, dpi, 2540);
    return SaveDrawingAsBitmap(
        width, height, [&](HDC memory) { DrawPageOnSheet(memory, hPage, page, CRect(0, 0, width, height)); }, path);
}

#include "framework/win/dc.h"
#include "framework/win/gdi_objects.h"
#include "framework/win/wide_text.h"
#include "framework_win/controls_test_ids.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// A white 24-bit bitmap selected into a memory context, for drawing and reading pixels back.
class Canvas {
public:
    Canvas(int width, int height) : m_width(width), m_height(height)
    {
        EXPECT_TRUE(dc.CreateCompatibleDC(nullptr));
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        EXPECT_TRUE(m_bitmap.Attach(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)));
        m_original = dc.SelectObject(&m_bitmap);
        dc.FillSolidRect(0, 0, width, height, kWhite);
    }
    ~Canvas() { dc.SelectObject(m_original); }

    COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }

    // Number of pixels in the rectangle that are not white.
    int Inked(const CRect& area) const
    {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += At(x, y) != kWhite;
        return count;
    }
    int Inked() const { return Inked(CRect(0, 0, m_width, m_height)); }

    std::vector<COLORREF> Pixels() const
    {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                pixels.push_back(At(x, y));
        return pixels;
    }

    CDC dc;

private:
    int m_width;
    int m_height;
    CBitmap m_bitmap;
    CBitmap* m_original = nullptr;
};

const char kGothic[] = "ＭＳ ゴシック";

TEST(DrawingObjects, SelectObjectReturnsWhatWasSelectedBefore)
{
    Canvas canvas(8, 8);
    CPen red(PS_SOLID, 1, kRed);
    CPen blue(PS_SOLID, 3, kBlue);

    CPen* original = canvas.dc.SelectObject(&red);
    ASSERT_NE(nullptr, original);
    EXPECT_EQ(::GetStockObject(BLACK_PEN), original->GetSafeHandle());
    EXPECT_EQ(&red, canvas.dc.SelectObject(&blue));
    EXPECT_EQ(&blue, canvas.dc.GetCurrentPen());
    EXPECT_EQ(&blue, canvas.dc.SelectObject(original));
    // The same stand-in comes back for the same original object.
    EXPECT_EQ(original, canvas.dc.GetCurrentPen());

    CBrush green(kGreen);
    CBrush* originalBrush = canvas.dc.SelectObject(&green);
    ASSERT_NE(nullptr, originalBrush);
    EXPECT_EQ(::GetStockObject(WHITE_BRUSH), originalBrush->GetSafeHandle());
    CGdiObject* replaced = canvas.dc.SelectStockObject(NULL_BRUSH);
    EXPECT_EQ(&green, replaced);
    canvas.dc.SelectObject(originalBrush);

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, kGothic));
    CFont* originalFont = canvas.dc.SelectObject(&font);
    ASSERT_NE(nullptr, originalFont);
    EXPECT_NE(font.GetSafeHandle(), originalFont->GetSafeHandle());
    EXPECT_EQ(&font, canvas.dc.SelectObject(originalFont));
}

TEST(DrawingObjects, StockAndBorrowedObjectsAreNotDeleted)
{
    HGDIOBJ stock = ::GetStockObject(GRAY_BRUSH);
    {
        CBrush brush;
        ASSERT_TRUE(brush.CreateStockObject(GRAY_BRUSH));
        EXPECT_EQ(stock, brush.GetSafeHandle());
        CBrush system;
        ASSERT_TRUE(system.CreateSysColorBrush(COLOR_WINDOW));
    }
    LOGBRUSH lb{};
    EXPECT_EQ(static_cast<int>(sizeof lb), ::GetObjectW(stock, sizeof lb, &lb));
    EXPECT_NE(0, ::GetObjectW(::GetSysColorBrush(COLOR_WINDOW), sizeof lb, &lb));

    HGDIOBJ owned = nullptr;
    {
        CPen pen;
        ASSERT_TRUE(pen.CreatePen(PS_DOT, 1, kRed));
        owned = pen.GetSafeHandle();
        LOGPEN lp{};
        ASSERT_TRUE(pen.GetLogPen(&lp));
        EXPECT_EQ(static_cast<UINT>(PS_DOT), lp.lopnStyle);
        EXPECT_EQ(kRed, lp.lopnColor);
    }
    EXPECT_EQ(0u, ::GetObjectType(owned));
}

TEST(DrawingObjects, DetachedHandleOutlivesItsObject)
{
    HGDIOBJ handle = nullptr;
    {
        CBrush brush(kBlue);
        handle = brush.Detach();
        EXPECT_EQ(nullptr, brush.GetSafeHandle());
        EXPECT_FALSE(brush.DeleteObject());
    }
    EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), ::GetObjectType(handle));
    CBrush adopted;
    ASSERT_TRUE(adopted.Attach(handle));
    EXPECT_FALSE(adopted.Attach(::GetStockObject(BLACK_BRUSH)));
    EXPECT_TRUE(adopted.DeleteObject());
    EXPECT_EQ(0u, ::GetObjectType(handle));
}

TEST(DrawingObjects, PointFontHeightFollowsTheMapping)
{
    CDC screen;
    ASSERT_TRUE(screen.CreateCompatibleDC(nullptr));
    const int dpi = screen.GetDeviceCaps(LOGPIXELSY);

    struct Case {
        int mapMode;
        int tenths;
    };
    const Case cases[] = {{MM_TEXT, 120}, {MM_TEXT, 86}, {MM_LOMETRIC, 120}, {MM_LOMETRIC, 86}};
    for (const Case& c : cases) {
        screen.SetMapMode(c.mapMode);
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(c.tenths, kGothic, &screen));
        LOGFONTA lf{};
        ASSERT_TRUE(font.GetLogFont(&lf));
        EXPECT_STREQ(kGothic, lf.lfFaceName);
        const int pixels = dpi * c.tenths / 720;
        if (c.mapMode == MM_TEXT) {
            EXPECT_EQ(-pixels, lf.lfHeight) << c.tenths;
        } else {
            // Tenths of a millimetre: a point is 0.3528 mm; the pixel rounding costs
            // at most one pixel's worth of logical units.
            CSize onePixel(1, 1);
            screen.DPtoLP(&onePixel);
            CSize height(0, pixels);
            screen.DPtoLP(&height);
            EXPECT_EQ(-height.cy, lf.lfHeight) << c.tenths;
            EXPECT_NEAR(c.tenths * 254 / 720, -lf.lfHeight, onePixel.cy + 1) << c.tenths;
        }
    }
    // Without a context the screen's mapping is used.
    CFont screenFont;
    ASSERT_TRUE(screenFont.CreatePointFont(120, kGothic));
    LOGFONTA lf{};
    screenFont.GetLogFont(&lf);
    EXPECT_EQ(-(dpi * 120 / 720), lf.lfHeight);
}

TEST(DrawingObjects, FontFaceNamesTravelAsShiftJis)
{
    CFont font;
    ASSERT_TRUE(font.CreateFont(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, FIXED_PITCH, "ＭＳ 明朝"));
    LOGFONTW wide{};
    ASSERT_TRUE(::GetObjectW(font, sizeof wide, &wide));
    EXPECT_STREQ(L"ＭＳ 明朝", wide.lfFaceName);
    EXPECT_EQ(FW_BOLD, wide.lfWeight);

    LOGFONTA narrow{};
    ASSERT_TRUE(font.GetLogFont(&narrow));
    EXPECT_STREQ("ＭＳ 明朝", narrow.lfFaceName);
    EXPECT_EQ(-16, narrow.lfHeight);

    // A face longer than the field is cut between characters, never inside one.
    LOGFONTA tooLong{};
    tooLong.lfHeight = -12;
    CFont other;
    ASSERT_TRUE(other.CreateFont(-12, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                 "あいうえおかきくけこさしすせそたちつてと"));
    ASSERT_TRUE(other.GetLogFont(&tooLong));
    EXPECT_EQ(30, static_cast<int>(strlen(tooLong.lfFaceName)));
    EXPECT_EQ(0, strncmp(tooLong.lfFaceName, "あいうえおかきくけこさしすせそ", 30));
}

TEST(DrawingObjects, LoadBitmapFindsTheProgramsResource)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(IDB_CONTROLS_TEST));
    BITMAP info{};
    ASSERT_TRUE(bitmap.GetBitmap(&info));
    EXPECT_EQ(8, info.bmWidth);
    EXPECT_EQ(8, info.bmHeight);

    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(9999));
    EXPECT_EQ(nullptr, missing.GetSafeHandle());
}

TEST(DrawingObjects, CompatibleBitmapTakesTheScreensFormat)
{
    CClientDC screen(static_cast<CWnd*>(nullptr));
    ASSERT_NE(nullptr, screen.GetSafeHdc());
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 12, 7));
    BITMAP info{};
    ASSERT_TRUE(bitmap.GetBitmap(&info));
    EXPECT_EQ(12, info.bmWidth);
    EXPECT_EQ(7, info.bmHeight);
    EXPECT_EQ(screen.GetDeviceCaps(BITSPIXEL), info.bmBitsPixel);

    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(&screen));
    CBitmap* old = memory.SelectObject(&bitmap);
    memory.FillSolidRect(0, 0, 12, 7, kGreen);
    memory.SetPixel(3, 4, kRed);
    EXPECT_EQ(kRed, memory.GetPixel(3, 4));
    EXPECT_EQ(kGreen, memory.GetPixel(11, 6));
    EXPECT_EQ(&bitmap, memory.SelectObject(old));
    EXPECT_FALSE(CBitmap().CreateCompatibleBitmap(nullptr, 1, 1));
}

TEST(DeviceContext, ShapesUseTheSelectedPenAndBrush)
{
    Canvas canvas(40, 40);
    CPen red(PS_SOLID, 1, kRed);
    CBrush blue(kBlue);
    CPen* oldPen = canvas.dc.SelectObject(&red);
    CBrush* oldBrush = canvas.dc.SelectObject(&blue);
    CRect box(5, 5, 15, 15);
    canvas.dc.Rectangle(&box);
    EXPECT_EQ(kRed, canvas.At(5, 5));
    EXPECT_EQ(kRed, canvas.At(14, 14));
    EXPECT_EQ(kBlue, canvas.At(10, 10));
    EXPECT_EQ(kWhite, canvas.At(15, 15));

    CPoint previous = canvas.dc.MoveTo(20, 30);
    EXPECT_EQ(CPoint(0, 0), previous);
    canvas.dc.LineTo(CPoint(35, 30));
    EXPECT_EQ(kRed, canvas.At(20, 30));
    EXPECT_EQ(kRed, canvas.At(34, 30));
    EXPECT_EQ(kWhite, canvas.At(35, 30));
    EXPECT_EQ(CPoint(35, 30), canvas.dc.MoveTo(0, 0));

    const CPoint funnel[] = {CPoint(20, 2), CPoint(38, 2), CPoint(38, 20), CPoint(20, 20)};
    canvas.dc.Polygon(funnel, 4);
    EXPECT_EQ(kBlue, canvas.At(29, 11));
    EXPECT_EQ(kRed, canvas.At(20, 11));
    const CPoint bracket[] = {CPoint(2, 25), CPoint(10, 25), CPoint(10, 35)};
    canvas.dc.Polyline(bracket, 3);
    EXPECT_EQ(kRed, canvas.At(6, 25));
    EXPECT_EQ(kRed, canvas.At(10, 30));
    EXPECT_EQ(kWhite, canvas.At(6, 30));  // a polyline is not filled

    canvas.dc.SelectObject(oldBrush);
    canvas.dc.SelectObject(oldPen);
}

TEST(DeviceContext, FillsAndFrames)
{
    Canvas canvas(30, 30);
    CPen* pen = canvas.dc.GetCurrentPen();
    CBrush* brush = canvas.dc.GetCurrentBrush();
    canvas.dc.SetBkColor(kGreen);
    CRect area(2, 2, 12, 12);
    canvas.dc.FillSolidRect(&area, kBlue);
    EXPECT_EQ(kBlue, canvas.At(2, 2));
    EXPECT_EQ(kBlue, canvas.At(11, 11));
    EXPECT_EQ(kWhite, canvas.At(12, 12));
    // The fill colour stays the background colour, so opaque text drawn next sits on it.
    EXPECT_EQ(kBlue, canvas.dc.GetBkColor());
    EXPECT_EQ(pen, canvas.dc.GetCurrentPen());
    EXPECT_EQ(brush, canvas.dc.GetCurrentBrush());

    CBrush red(kRed);
    CRect framed(15, 15, 25, 25);
    canvas.dc.FrameRect(&framed, &red);
    EXPECT_EQ(kRed, canvas.At(15, 20));
    EXPECT_EQ(kWhite, canvas.At(20, 20));
    canvas.dc.FillRect(&framed, &red);
    EXPECT_EQ(kRed, canvas.At(20, 20));

    CRect raised(2, 15, 12, 25);
    canvas.dc.Draw3dRect(&raised, kBlack, kBlue);
    EXPECT_EQ(kBlack, canvas.At(2, 15));   // top-left corner
    EXPECT_EQ(kBlack, canvas.At(10, 15));  // top edge
    EXPECT_EQ(kBlack, canvas.At(2, 23));   // left edge
    EXPECT_EQ(kBlue, canvas.At(11, 15));   // top-right corner belongs to the right edge
    EXPECT_EQ(kBlue, canvas.At(2, 24));    // bottom-left corner belongs to the bottom edge
    EXPECT_EQ(kBlue, canvas.At(11, 24));
    EXPECT_EQ(kWhite, canvas.At(6, 20));
}

TEST(DeviceContext, DrawEdgeAdjustsOnlyWhenAsked)
{
    Canvas canvas(40, 20);
    CRect edge(2, 2, 18, 18);
    ASSERT_TRUE(canvas.dc.DrawEdge(&edge, EDGE_RAISED, BF_RECT));
    EXPECT_EQ(CRect(2, 2, 18, 18), edge);
    EXPECT_GT(canvas.Inked(CRect(2, 2, 18, 3)), 0);
    CRect adjusted(22, 2, 38, 18);
    ASSERT_TRUE(canvas.dc.DrawEdge(&adjusted, EDGE_SUNKEN, BF_RECT | BF_ADJUST));
    EXPECT_EQ(CRect(24, 4, 36, 16), adjusted);
}

TEST(DeviceContext, MappingConvertsPointsRectanglesAndSizes)
{
    Canvas canvas(10, 10);
    canvas.dc.SetMapMode(MM_ANISOTROPIC);
    canvas.dc.SetWindowExt(10, 10);
    canvas.dc.SetViewportExt(20, -20);
    canvas.dc.SetViewportOrg(5, 100);
    EXPECT_EQ(MM_ANISOTROPIC, canvas.dc.GetMapMode());
    EXPECT_EQ(CPoint(5, 100), canvas.dc.GetViewportOrg());

    CPoint points[] = {CPoint(3, 4), CPoint(0, 0)};
    canvas.dc.LPtoDP(points, 2);
    EXPECT_EQ(CPoint(11, 92), points[0]);
    EXPECT_EQ(CPoint(5, 100), points[1]);
    canvas.dc.DPtoLP(points, 2);
    EXPECT_EQ(CPoint(3, 4), points[0]);

    CRect rect(1, 2, 3, 4);
    canvas.dc.LPtoDP(&rect);
    EXPECT_EQ(CRect(7, 96, 11, 92), rect);
    canvas.dc.DPtoLP(&rect);
    EXPECT_EQ(CRect(1, 2, 3, 4), rect);

    // A size stays positive although the y axis points the other way.
    CSize size(3, 4);
    canvas.dc.LPtoDP(&size);
    EXPECT_EQ(CSize(6, 8), size);
    canvas.dc.DPtoLP(&size);
    EXPECT_EQ(CSize(3, 4), size);

    canvas.dc.SetMapMode(MM_LOMETRIC);
    canvas.dc.SetViewportOrg(0, 0);
    CPoint below(100, -100);  // one centimetre right and down
    canvas.dc.LPtoDP(&below);
    EXPECT_GT(below.x, 0);
    EXPECT_GT(below.y, 0);
}

TEST(DeviceContext, SaveAndRestoreBringBackColoursModesAndObjects)
{
    Canvas canvas(4, 4);
    CPen red(PS_SOLID, 1, kRed);
    canvas.dc.SetTextColor(kBlue);
    canvas.dc.SetBkMode(OPAQUE);
    canvas.dc.SetTextAlign(TA_LEFT | TA_TOP);
    const int saved = canvas.dc.SaveDC();
    ASSERT_NE(0, saved);

    CPen* before = canvas.dc.SelectObject(&red);
    EXPECT_EQ(kBlue, canvas.dc.SetTextColor(kGreen));
    EXPECT_EQ(OPAQUE, canvas.dc.SetBkMode(TRANSPARENT));
    EXPECT_EQ(static_cast<UINT>(TA_LEFT | TA_TOP), canvas.dc.SetTextAlign(TA_RIGHT | TA_BOTTOM));
    canvas.dc.SetMapMode(MM_LOMETRIC);

    ASSERT_TRUE(canvas.dc.RestoreDC(saved));
    EXPECT_EQ(kBlue, canvas.dc.GetTextColor());
    EXPECT_EQ(OPAQUE, canvas.dc.GetBkMode());
    EXPECT_EQ(static_cast<UINT>(TA_LEFT | TA_TOP), canvas.dc.GetTextAlign());
    EXPECT_EQ(MM_TEXT, canvas.dc.GetMapMode());
    EXPECT_EQ(before, canvas.dc.GetCurrentPen());
}

TEST(DeviceContext, BitBltCopiesBetweenContexts)
{
    Canvas source(10, 10);
    source.dc.FillSolidRect(2, 2, 3, 3, kRed);
    Canvas target(10, 10);
    ASSERT_TRUE(target.dc.BitBlt(5, 5, 5, 5, &source.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(kRed, target.At(7, 7));
    EXPECT_EQ(kRed, target.At(9, 9));
    EXPECT_EQ(kWhite, target.At(6, 6));
    EXPECT_EQ(kWhite, target.At(2, 2));
    ASSERT_TRUE(target.dc.PatBlt(0, 0, 2, 2, BLACKNESS));
    EXPECT_EQ(kBlack, target.At(1, 1));
}

TEST(DeviceContext, JapaneseFontHasGlyphsForShiftJisText)
{
    Canvas canvas(10, 10);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, kGothic, &canvas.dc));
    CFont* old = canvas.dc.SelectObject(&font);

    // The face name resolves to a font that holds the kanji and kana.
    WORD glyphs[3] = {};
    ASSERT_EQ(3u, ::GetGlyphIndicesW(canvas.dc, L"表ソー", 3, glyphs, GGI_MARK_NONEXISTING_GLYPHS));
    for (WORD glyph : glyphs)
        EXPECT_NE(0xFFFF, glyph);

    TEXTMETRICA metrics{};
    ASSERT_TRUE(canvas.dc.GetTextMetrics(&metrics));
    EXPECT_EQ(-canvas.dc.GetDeviceCaps(LOGPIXELSY) * 120 / 720, metrics.tmInternalLeading - metrics.tmHeight);

    // The fixed-pitch face: one double-byte character is two single-byte widths.
    const CSize kanji = canvas.dc.GetTextExtent("表");
    const CSize latin = canvas.dc.GetTextExtent("AB");
    EXPECT_EQ(latin.cx, kanji.cx);
    EXPECT_EQ(3 * kanji.cx, canvas.dc.GetTextExtent(CString("表ソー")).cx);
    EXPECT_EQ(kanji.cx, canvas.dc.GetTextExtent("表示", 2).cx);
    canvas.dc.SelectObject(old);
}

// Draws text with one call into a fresh canvas and returns the pixels.
template <class Draw>
std::vector<COLORREF> Render(Draw draw, int* inked = nullptr)
{
    Canvas canvas(64, 24);
    CFont font;
    EXPECT_TRUE(font.CreatePointFont(120, kGothic, &canvas.dc));
    CFont* old = canvas.dc.SelectObject(&font);
    canvas.dc.SetBkMode(TRANSPARENT);
    draw(canvas.dc);
    canvas.dc.SelectObject(old);
    if (inked)
        *inked = canvas.Inked();
    return canvas.Pixels();
}

TEST(DeviceContext, ShiftJisTextDrawsTheSameGlyphsAsUnicode)
{
    int inked = 0;
    const auto unicode = Render([](CDC& dc) { ::TextOutW(dc, 2, 2, L"表ソー", 3); }, &inked);
    EXPECT_GT(inked, 40);
    EXPECT_EQ(unicode, Render([](CDC& dc) { dc.TextOut(2, 2, CString("表ソー")); }));
    EXPECT_EQ(unicode, Render([](CDC& dc) { dc.TextOut(2, 2, "表ソー表", 6); }));
    EXPECT_EQ(unicode, Render([](CDC& dc) { dc.ExtTextOut(2, 2, 0, nullptr, CString("表ソー"), nullptr); }));
    EXPECT_EQ(unicode, Render([](CDC& dc) {
        CRect r(2, 2, 64, 24);
        dc.DrawText("表ソー", -1, &r, DT_LEFT | DT_TOP | DT_SINGLELINE);
    }));
    // Two different kanji give two different pictures: the glyphs are not empty boxes.
    EXPECT_NE(Render([](CDC& dc) { dc.TextOut(2, 2, CString("表")); }),
              Render([](CDC& dc) { dc.TextOut(2, 2, CString("示")); }));
}

TEST(DeviceContext, ExtTextOutTakesOneWidthPerByte)
{
    // Each double-byte character advances by the sum of its two byte entries.
    const int widths[] = {10, 10, 4, 4, 6};
    const auto spaced = Render([&](CDC& dc) { dc.ExtTextOut(0, 2, 0, nullptr, "表ソA", 5, widths); });
    const auto placed = Render([](CDC& dc) {
        dc.TextOut(0, 2, CString("表"));
        dc.TextOut(20, 2, CString("ソ"));
        dc.TextOut(28, 2, CString("A"));
    });
    EXPECT_EQ(placed, spaced);
}

TEST(DeviceContext, DrawTextMeasuresAndClips)
{
    Canvas canvas(200, 40);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, kGothic, &canvas.dc));
    CFont* old = canvas.dc.SelectObject(&font);
    const CString text("総勘定元帳");
    CRect measured(0, 0, 0, 0);
    const int height = canvas.dc.DrawText(text, &measured, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(canvas.dc.GetTextExtent(text).cx, measured.Width());
    EXPECT_EQ(height, measured.Height());
    EXPECT_EQ(0, canvas.Inked());  // measuring draws nothing

    // A text wider than its rectangle is cut at the right edge.
    CRect narrow(0, 0, 30, 30);
    canvas.dc.SetBkMode(TRANSPARENT);
    canvas.dc.DrawText(text, &narrow, 0);
    EXPECT_EQ(CRect(0, 0, 30, 30), narrow);
    EXPECT_GT(canvas.Inked(CRect(0, 0, 30, 30)), 0);
    EXPECT_EQ(0, canvas.Inked(CRect(30, 0, 200, 40)));
    canvas.dc.SelectObject(old);
}

TEST(DeviceContext, AttachedContextIsNotDeleted)
{
    HDC memory = ::CreateCompatibleDC(nullptr);
    {
        CDC dc;
        ASSERT_TRUE(dc.Attach(memory));
        EXPECT_FALSE(dc.Attach(memory));
        EXPECT_FALSE(dc.DeleteDC());
    }
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), ::GetObjectType(memory));
    CDC* temporary = CDC::FromHandle(memory);
    ASSERT_NE(nullptr, temporary);
    EXPECT_EQ(temporary, CDC::FromHandle(memory));
    EXPECT_EQ(memory, temporary->GetSafeHdc());
    CDC::DeleteTempMap();
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), ::GetObjectType(memory));
    ::DeleteDC(memory);

    HDC created = nullptr;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        created = dc.GetSafeHdc();
    }
    EXPECT_EQ(0u, ::GetObjectType(created));
}

}  // namespace

TEST(TextMetricsTest, CharacterFieldsAreBytesOfCodePage932)
{
    struct Case {
        const char* field;
        WCHAR wide;
        BYTE TEXTMETRICA::*member;
        BYTE expected;
    };
    const Case cases[] = {
        {"first: one byte", L' ', &TEXTMETRICA::tmFirstChar, 0x20},
        // Half-width katakana are one byte in code page 932, not their code's low byte.
        {"first: half-width kana", 0xFF61, &TEXTMETRICA::tmFirstChar, 0xA1},
        {"default: half-width kana", 0xFF65, &TEXTMETRICA::tmDefaultChar, 0xA5},
        {"default: double-byte", 0x30FB, &TEXTMETRICA::tmDefaultChar, '?'},
        {"default: none in 932", 0x00FF, &TEXTMETRICA::tmDefaultChar, '?'},
        {"last: past the bytes", 0xFFE5, &TEXTMETRICA::tmLastChar, 0xFF},
        {"last: one byte", L'~', &TEXTMETRICA::tmLastChar, '~'},
        {"break: ideographic space", 0x3000, &TEXTMETRICA::tmBreakChar, ' '},
        {"break: one byte", L'_', &TEXTMETRICA::tmBreakChar, '_'},
    };
    for (const Case& c : cases) {
        TEXTMETRICW wide{};
        wide.tmHeight = 17;
        wide.tmAveCharWidth = 8;
        wide.tmCharSet = SHIFTJIS_CHARSET;
        WCHAR TEXTMETRICW::*field = c.member == &TEXTMETRICA::tmFirstChar     ? &TEXTMETRICW::tmFirstChar
                                    : c.member == &TEXTMETRICA::tmLastChar    ? &TEXTMETRICW::tmLastChar
                                    : c.member == &TEXTMETRICA::tmDefaultChar ? &TEXTMETRICW::tmDefaultChar
                                                                              : &TEXTMETRICW::tmBreakChar;
        wide.*field = c.wide;
        TEXTMETRICA bytes = TextMetricsInCodePage932(wide);
        EXPECT_EQ(c.expected, bytes.*(c.member)) << c.field;
        EXPECT_EQ(17, bytes.tmHeight) << c.field;
        EXPECT_EQ(8, bytes.tmAveCharWidth) << c.field;
        EXPECT_EQ(SHIFTJIS_CHARSET, bytes.tmCharSet) << c.field;
    }
}

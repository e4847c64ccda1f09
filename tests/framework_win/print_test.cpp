// Printing: the pages a view draws, rendered into metafiles and read back; the
// preview inside the frame; the print loop with and without a printer; the
// printer set-up command. Tests that need a real printer run when the test
// script has set one up (ZIRERE_TEST_PRINT_DIR names where it writes its files).
#include "app_test_support.h"
#include "framework/win/dc.h"
#include "framework/win/print_dialog.h"
#include "framework/win/print_info.h"
#include "framework/win/print_job.h"
#include "framework/win/print_page.h"
#include "framework/win/print_preview.h"
#include "framework/win/wide_text.h"
#include "test_app_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>

namespace {

const char kMincho[] = "ＭＳ 明朝";

// A view that prints a small book: a cover, then body pages with a header, ruled
// rows, a carried-forward line and a centred page number. It records what the
// framework calls, and widens a column for printing that it gives back at the end.
class CTestPrintView : public CView {
    DECLARE_DYNCREATE(CTestPrintView)
    DECLARE_MESSAGE_MAP(CTestPrintView)
public:
    void OnDraw(CDC* pDC) override { pDC->TextOut(10, 10, "画面"); }

    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        calls.push_back("prepare");
        m_nColumnWidth = 28;
        if (m_bNothingToPrint)
            return FALSE;
        pInfo->SetMaxPage(m_nBodyPages + 1);
        return DoPreparePrinting(pInfo);
    }
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override
    {
        calls.push_back("begin");
        if (m_bForcePaper)
            pInfo->ResetPaper(pDC, DMPAPER_A4, m_bLandscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT);
        CView::OnBeginPrinting(pDC, pInfo);
    }
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override
    {
        if (pInfo)
            calls.push_back("dc " + std::to_string(pInfo->m_nCurPage));
        CView::OnPrepareDC(pDC, pInfo);
    }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override
    {
        calls.push_back("print " + std::to_string(pInfo->m_nCurPage));
        pDC->SetMapMode(MM_LOMETRIC);
        if (pInfo->m_nCurPage == 1)
            PrintCover(pDC);
        else
            PrintBody(pDC, pInfo->m_nCurPage - 1);
        if (onPrint)
            onPrint(pDC, pInfo);
    }
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override
    {
        calls.push_back(pDC->GetSafeHdc() ? "end" : "end without context");
        ++ends;
        m_nColumnWidth = 18;
        CView::OnEndPrinting(pDC, pInfo);
    }

    std::vector<std::string> calls;
    std::function<void(CDC*, CPrintInfo*)> onPrint;
    UINT m_nBodyPages = 2;
    bool m_bNothingToPrint = false;
    bool m_bForcePaper = true;
    bool m_bLandscape = false;
    // 18 on screen, 28 while printing.
    int m_nColumnWidth = 18;
    // Ends seen by every view, also by views already released.
    static int ends;

private:
    static void Centred(CDC* pDC, int top, int rows, const CString& text)
    {
        CRect band(0, top, 2100, top - 45 * rows);
        pDC->DrawText(text, &band, DT_CENTER);
    }
    void PrintCover(CDC* pDC)
    {
        CFont font;
        font.CreatePointFont(200, kMincho, pDC);
        CFont* old = pDC->SelectObject(&font);
        Centred(pDC, -315, 3, "《 試験帳 》");
        Centred(pDC, -540, 3, "令和元年度");
        pDC->SelectObject(old);
    }
    void PrintBody(CDC* pDC, UINT body)
    {
        CFont font;
        font.CreatePointFont(100, kMincho, pDC);
        CFont* old = pDC->SelectObject(&font);
        pDC->SetTextAlign(0);
        pDC->TextOut(294, -80, "2019年");
        Centred(pDC, -80, 1, "－ 試験帳 －");
        CPen solid(PS_SOLID, 1, RGB(0, 0, 0));
        CPen dotted(PS_DOT, 1, RGB(0, 0, 0));
        CPen* oldPen = pDC->SelectObject(&solid);
        for (int row = 1; row <= 4; ++row) {
            pDC->SelectObject(row == 3 ? &dotted : &solid);
            pDC->MoveTo(134, -120 - 45 * row);
            pDC->LineTo(1958, -120 - 45 * row);
        }
        pDC->SelectObject(oldPen);
        pDC->TextOut(710, -130 - 45 * 2, body == 1 ? "前ページより繰り越し" : "前ページ・前月より繰り越し");
        pDC->TextOut(164, -130 - 45 * 3, "Zirere print check");
        CFont small;
        small.CreatePointFont(86, kMincho, pDC);
        pDC->SelectObject(&small);
        CString number;
        number.Format("－ %u －", body);
        Centred(pDC, -2830, 1, number);
        pDC->SelectObject(old);
    }
};

int CTestPrintView::ends = 0;

IMPLEMENT_DYNCREATE(CTestPrintView, CView)

const MessageMap* CTestPrintView::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CTestPrintView>(
        on::Command(ID_FILE_PRINT, &CView::OnFilePrint),
        on::Command(ID_FILE_PRINT_DIRECT, &CView::OnFilePrint),
        on::Command(ID_FILE_PRINT_PREVIEW, &CView::OnFilePrintPreview));
    return &map;
}

BOOL NoPrinter(PRINTDLGW*)
{
    return FALSE;
}

// A default printer that does not exist: the dialog is reached, but no context can be made.
BOOL MissingPrinter(PRINTDLGW* pd)
{
    const wchar_t names[] = L"winspool\0Zirere Missing Printer\0LPT9:\0";
    size_t header = (sizeof(DEVNAMES) + sizeof(wchar_t) - 1) / sizeof(wchar_t);
    pd->hDevNames = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (header + std::size(names)) * sizeof(wchar_t));
    auto* devNames = static_cast<DEVNAMES*>(::GlobalLock(pd->hDevNames));
    std::copy(std::begin(names), std::end(names), reinterpret_cast<wchar_t*>(devNames) + header);
    devNames->wDriverOffset = static_cast<WORD>(header);
    devNames->wDeviceOffset = static_cast<WORD>(header + 9);
    devNames->wOutputOffset = static_cast<WORD>(header + 9 + 23);
    ::GlobalUnlock(pd->hDevNames);
    pd->hDevMode = nullptr;
    return TRUE;
}

// Replaces how the framework finds the default printer for one test.
class PrinterSource {
public:
    explicit PrinterSource(DefaultPrinterSource source) : m_previous(AfxSetDefaultPrinterSource(source)) {}
    ~PrinterSource() { AfxSetDefaultPrinterSource(m_previous); }
    PrinterSource(const PrinterSource&) = delete;
    PrinterSource& operator=(const PrinterSource&) = delete;

private:
    DefaultPrinterSource m_previous;
};

// Where the tests leave pictures for a person to look at.
CString OutputPath(const char* name)
{
    std::filesystem::create_directories(ZIRERE_TEST_OUTPUT_DIR);
    return CString(ZIRERE_TEST_OUTPUT_DIR) + "\\" + name;
}

const PageText* FindText(const std::vector<PageText>& texts, const char* text)
{
    for (const PageText& t : texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

bool HasLine(const std::vector<PageLine>& lines, CPoint from, CPoint to, int style)
{
    return std::any_of(lines.begin(), lines.end(), [&](const PageLine& line) {
        return line.from == from && line.to == to && line.style == style;
    });
}

// The frame of the framework tests, showing the printable view instead of its form.
class PrintViewTest : public SingleDocumentTest {
protected:
    void SetUp() override
    {
        SingleDocumentTest::SetUp();
        CTestPrintView::ends = 0;
        CView* form = Frame()->GetActiveView();
        ASSERT_NE(form, nullptr);
        form->SetDlgCtrlID(AFX_IDW_PANE_FIRST + 1);
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CTestPrintView);
        context.m_pCurrentDoc = Document();
        m_pView = static_cast<CTestPrintView*>(Frame()->CreateView(&context, AFX_IDW_PANE_FIRST));
        ASSERT_NE(m_pView, nullptr);
        m_pView->ShowWindow(SW_SHOW);
        Frame()->SetActiveView(m_pView, FALSE);
        form->DestroyWindow();
        Frame()->RecalcLayout();
        PumpWaitingMessages();
    }

    CPreviewView* Preview() const
    {
        CView* active = Frame()->GetActiveView();
        return active && active->IsKindOf(RUNTIME_CLASS(CPreviewView)) ? static_cast<CPreviewView*>(active)
                                                                        : nullptr;
    }

    CTestPrintView* m_pView = nullptr;
};

// --- pages drawn into metafiles, without any printer

TEST_F(PrintViewTest, PagesAreDrawnIntoMetafilesOfAnA4PageWhenThereIsNoPrinter)
{
    PrinterSource none(NoPrinter);
    CPageJob job(m_pView);
    ASSERT_TRUE(job.Begin());
    EXPECT_FALSE(job.HasPrinter());
    EXPECT_EQ(job.Info().GetMaxPage(), 3u);
    PrintPageGeometry page = job.Geometry();
    EXPECT_EQ(page.paper, CSize(21000, 29700));
    EXPECT_EQ(page.printable, CRect(0, 0, 21000, 29700));

    CPageMetafile cover = job.RenderPage(1);
    CPageMetafile body = job.RenderPage(2);
    ASSERT_TRUE(cover);
    ASSERT_TRUE(body);

    std::vector<PageText> coverTexts = PageTexts(cover.Get());
    const PageText* title = FindText(coverTexts, "《 試験帳 》");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->at.y, -315);
    EXPECT_GT(title->at.x, 600);  // centred between 0 and 2100
    EXPECT_LT(title->at.x, 1050);
    EXPECT_STREQ(title->face, kMincho);
    // 20 points is 7.06 mm: the point font is converted into the page's 0.1 mm units.
    EXPECT_NEAR(-title->height, 70, 4);
    EXPECT_NE(FindText(coverTexts, "令和元年度"), nullptr);

    std::vector<PageText> texts = PageTexts(body.Get());
    const PageText* header = FindText(texts, "2019年");
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->at, CPoint(294, -80));
    EXPECT_NEAR(-header->height, 35, 3);
    const PageText* carried = FindText(texts, "前ページより繰り越し");
    ASSERT_NE(carried, nullptr);
    EXPECT_EQ(carried->at, CPoint(710, -220));
    const PageText* number = FindText(texts, "－ 1 －");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->at.y, -2830);
    EXPECT_GT(number->at.x, 950);
    EXPECT_LT(number->at.x, 1050);
    EXPECT_NEAR(-number->height, 30, 3);

    std::vector<PageLine> lines = PageLines(body.Get());
    EXPECT_TRUE(HasLine(lines, CPoint(134, -165), CPoint(1958, -165), PS_SOLID));
    EXPECT_TRUE(HasLine(lines, CPoint(134, -255), CPoint(1958, -255), PS_DOT));
    std::vector<int> modes = PageMapModes(body.Get());
    EXPECT_NE(std::find(modes.begin(), modes.end(), MM_LOMETRIC), modes.end());

    // Any page alone and in any order, as often as asked.
    CPageMetafile again = job.RenderPage(3);
    EXPECT_NE(FindText(PageTexts(again.Get()), "－ 2 －"), nullptr);
    EXPECT_NE(FindText(PageTexts(again.Get()), "前ページ・前月より繰り越し"), nullptr);

    EXPECT_TRUE(SavePageAsBitmap(body.Get(), page, 100, OutputPath("print_body_page.bmp")));

    job.End();
    EXPECT_EQ(m_pView->calls, (std::vector<std::string>{"prepare", "begin", "dc 1", "print 1", "dc 2", "print 2",
                                                          "dc 3", "print 3", "end"}));
    EXPECT_EQ(m_pView->m_nColumnWidth, 18);
}

TEST_F(PrintViewTest, TheStandInPageTurnsWithTheOrientationAskedFor)
{
    PrinterSource none(NoPrinter);
    m_pView->m_bLandscape = true;
    CPageJob job(m_pView);
    ASSERT_TRUE(job.Begin());
    EXPECT_EQ(job.Geometry().paper, CSize(29700, 21000));
    CPageMetafile page = job.RenderPage(2);
    ENHMETAHEADER header{};
    ASSERT_TRUE(::GetEnhMetaFileHeader(page.Get(), sizeof(header), &header));
    EXPECT_EQ(header.rclFrame.right, 29700);
    EXPECT_EQ(header.rclFrame.bottom, 21000);
}

TEST_F(PrintViewTest, AViewWithNothingToPrintIsEndedAtOnce)
{
    PrinterSource none(NoPrinter);
    m_pView->m_bNothingToPrint = true;
    {
        CPageJob job(m_pView);
        EXPECT_FALSE(job.Begin());
        EXPECT_FALSE(job.RenderPage(1));
    }
    EXPECT_EQ(m_pView->calls, (std::vector<std::string>{"prepare", "end without context"}));
    EXPECT_EQ(m_pView->m_nColumnWidth, 18);

    // The preview command then opens nothing.
    m_pView->calls.clear();
    Frame()->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    EXPECT_EQ(Frame()->GetActiveView(), m_pView);
    EXPECT_EQ(m_pView->calls, (std::vector<std::string>{"prepare", "end without context"}));
}

// A drawing saved as a bitmap file: the headers of a 24-bit bottom-up BMP with
// rows padded to four bytes, and the pixels where they were drawn.
TEST(SaveDrawingAsBitmap, WritesTheDrawnPixelsAndRefusesAnEmptySize)
{
    const CString path = OutputPath("drawing.bmp");
    ASSERT_TRUE(SaveDrawingAsBitmap(
        5, 3,
        [](HDC dc) {
            RECT all{0, 0, 5, 3};
            ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
            ::SetPixel(dc, 1, 0, RGB(255, 0, 0));
        },
        path));
    std::ifstream in(std::filesystem::path(ToWide(path)), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t headers = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    const size_t stride = 16;  // 5 pixels of 3 bytes, padded to four
    ASSERT_EQ(headers + 3 * stride, bytes.size());
    EXPECT_EQ("BM", bytes.substr(0, 2));
    BITMAPINFOHEADER info;
    std::memcpy(&info, bytes.data() + sizeof(BITMAPFILEHEADER), sizeof(info));
    EXPECT_EQ(5, info.biWidth);
    EXPECT_EQ(3, info.biHeight);
    EXPECT_EQ(24, info.biBitCount);
    // The top row is the last in the file; a pixel is blue, green, red.
    const std::string top = bytes.substr(headers + 2 * stride, 6);
    EXPECT_EQ(std::string("\xFF\xFF\xFF\x00\x00\xFF", 6), top);

    EXPECT_FALSE(SaveDrawingAsBitmap(0, 3, [](HDC) {}, OutputPath("empty.bmp")));
}

// --- the preview window

class VisiblePrintViewTest : public PrintViewTest {
protected:
    bool ShowFrame() const override { return true; }
};

TEST_F(VisiblePrintViewTest, PreviewOpensPagesZoomsAndClosesWithoutAPrinter)
{
    PrinterSource none(NoPrinter);
    Frame()->MoveWindow(0, 0, 900, 760);
    Frame()->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    CPreviewView* preview = Preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->GetPrintView(), m_pView);
    EXPECT_EQ(preview->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    EXPECT_EQ(m_pView->GetDlgCtrlID(), AFX_IDW_PANE_SAVE);
    EXPECT_FALSE(m_pView->IsWindowVisible());
    EXPECT_TRUE(preview->IsWindowVisible());
    EXPECT_STREQ(preview->GetPageText(), "1 / 3 ページ");

    // The pages are drawn when the preview paints: the same OnPrint as printing.
    preview->UpdateWindow();
    PumpWaitingMessages();
    EXPECT_NE(std::find(m_pView->calls.begin(), m_pView->calls.end(), "print 1"), m_pView->calls.end());

    struct Step {
        UINT command;
        UINT page;
        UINT shown;
        int zoom;
        const char* text;
    } steps[] = {
        {AFX_ID_PREVIEW_NEXT, 2, 1, 0, "2 / 3 ページ"},
        {AFX_ID_PREVIEW_NEXT, 3, 1, 0, "3 / 3 ページ"},
        {AFX_ID_PREVIEW_NEXT, 3, 1, 0, "3 / 3 ページ"},  // no page after the last
        {AFX_ID_PREVIEW_NUMPAGE, 2, 2, 0, "2-3 / 3 ページ"},
        {AFX_ID_PREVIEW_PREV, 1, 2, 0, "1-2 / 3 ページ"},
        {AFX_ID_PREVIEW_PREV, 1, 2, 0, "1-2 / 3 ページ"},
        {AFX_ID_PREVIEW_ZOOMIN, 1, 1, 1, "1 / 3 ページ"},
        {AFX_ID_PREVIEW_ZOOMIN, 1, 1, 2, "1 / 3 ページ"},
        {AFX_ID_PREVIEW_ZOOMIN, 1, 1, 2, "1 / 3 ページ"},
        {AFX_ID_PREVIEW_ZOOMOUT, 1, 1, 1, "1 / 3 ページ"},
        {AFX_ID_PREVIEW_ZOOMOUT, 1, 2, 0, "1-2 / 3 ページ"},
    };
    for (const Step& step : steps) {
        preview->SendMessage(WM_COMMAND, step.command);
        EXPECT_EQ(preview->GetCurrentPage(), step.page) << step.command;
        EXPECT_EQ(preview->GetShownPages(), step.shown) << step.command;
        EXPECT_EQ(preview->GetZoom(), step.zoom) << step.command;
        EXPECT_STREQ(preview->GetPageText(), step.text) << step.command;
    }
    // Page Down through the keyboard, as a person pages.
    MSG key{preview->m_hWnd, WM_KEYDOWN, VK_NEXT, 0, 0, {0, 0}};
    EXPECT_TRUE(preview->PreTranslateMessage(&key));
    EXPECT_EQ(preview->GetCurrentPage(), 2u);

    preview->RedrawWindow();
    PumpWaitingMessages();
    SaveWindowPicture(Frame(), OutputPath("print_preview_window.bmp"));

    // The frame's document stays the printed one (closing still asks about its
    // changes); its commands are offered while the preview is open and run once
    // the preview has closed.
    auto* document = static_cast<CTestDoc*>(m_pView->GetDocument());
    EXPECT_EQ(Frame()->GetActiveDocument(), document);
    int before = document->m_nDocCommands;
    EXPECT_EQ(CTestPrintView::ends, 0);
    Frame()->SendMessage(WM_COMMAND, ID_TEST_DOC_COMMAND);
    PumpWaitingMessages();
    EXPECT_EQ(document->m_nDocCommands, before + 1);
    EXPECT_EQ(Frame()->GetActiveView(), m_pView);
    EXPECT_EQ(m_pView->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    EXPECT_TRUE(m_pView->IsWindowVisible());
    EXPECT_EQ(CTestPrintView::ends, 1);
    EXPECT_EQ(m_pView->calls.back(), "end");
    EXPECT_EQ(m_pView->m_nColumnWidth, 18);
    Frame()->SendMessage(WM_COMMAND, ID_TEST_DOC_COMMAND);
    EXPECT_EQ(document->m_nDocCommands, before + 2);

    // Opened again, it closes with its own button.
    Frame()->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    preview = Preview();
    ASSERT_NE(preview, nullptr);
    preview->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE);
    PumpWaitingMessages();
    EXPECT_EQ(Frame()->GetActiveView(), m_pView);
    EXPECT_EQ(CTestPrintView::ends, 2);
}

TEST_F(PrintViewTest, ClosingTheFrameDuringThePreviewEndsTheJobOnce)
{
    PrinterSource none(NoPrinter);
    Frame()->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    Frame()->DestroyWindow();
    PumpWaitingMessages();
    EXPECT_EQ(CTestPrintView::ends, 1);
}

// --- printing without a printer, and a printer that cannot be used

TEST_F(PrintViewTest, PrintingWithoutAPrinterSaysSoAndGivesBackTheViewsState)
{
    PrinterSource none(NoPrinter);
    for (UINT command : {ID_FILE_PRINT, ID_FILE_PRINT_DIRECT}) {
        m_pView->calls.clear();
        m_answers.asked.clear();
        m_answers.messageBox = [](const MessageBoxRequest&) { return IDOK; };
        Frame()->SendMessage(WM_COMMAND, command);
        ASSERT_EQ(m_answers.asked.size(), 1u) << command;
        EXPECT_STREQ(m_answers.asked[0], CString("message box: ") + AfxNoPrinterText);
        EXPECT_EQ(m_pView->calls, (std::vector<std::string>{"prepare", "end without context"})) << command;
        EXPECT_EQ(m_pView->m_nColumnWidth, 18);
    }
    m_answers.asked.clear();
    m_app.OnFilePrintSetup();
    ASSERT_EQ(m_answers.asked.size(), 1u);
    EXPECT_STREQ(m_answers.asked[0], CString("message box: ") + AfxNoPrinterText);
}

TEST_F(PrintViewTest, ACancelledPrintDialogPrintsNothingAndGivesBackTheViewsState)
{
    PrinterSource missing(MissingPrinter);
    PrintDialogRequest seen;
    m_answers.printDialog = [&](PrintDialogRequest& request) {
        seen = request;
        return IDCANCEL;
    };
    Frame()->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    EXPECT_STREQ(seen.printer, "Zirere Missing Printer");
    EXPECT_FALSE(seen.bPrintSetupOnly);
    EXPECT_EQ(seen.minPage, 1);
    EXPECT_EQ(seen.maxPage, 3);
    EXPECT_EQ(m_pView->calls, (std::vector<std::string>{"prepare", "end without context"}));
    EXPECT_EQ(m_pView->m_nColumnWidth, 18);
    EXPECT_EQ(m_answers.asked.size(), 1u);
}

TEST_F(PrintViewTest, APrinterThatGivesNoContextIsReportedNotPrinted)
{
    PrinterSource missing(MissingPrinter);
    m_answers.printDialog = [](PrintDialogRequest&) { return IDOK; };
    m_answers.messageBox = [](const MessageBoxRequest&) { return IDOK; };
    Frame()->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    ASSERT_EQ(m_answers.asked.size(), 2u);
    EXPECT_STREQ(m_answers.asked[1], CString("message box: ") + AfxPrintFailedText);
    EXPECT_EQ(m_pView->calls, (std::vector<std::string>{"prepare", "end without context"}));

    // The preview of the same view falls back on the stand-in page.
    m_pView->calls.clear();
    CPageJob job(m_pView);
    ASSERT_TRUE(job.Begin());
    EXPECT_FALSE(job.HasPrinter());
    EXPECT_EQ(job.Geometry().paper, CSize(21000, 29700));
}

// --- a real printer (the test script's PDF printer)

class RealPrinterTest : public PrintViewTest {
protected:
    void SetUp() override
    {
        if (::testing::UnitTest::GetInstance()->current_test_info()->name() ==
            std::string("PrintsTheChosenPagesThroughTheWholeLoop")) {
            // An earlier run's printed page must not be compared as this run's.
            std::error_code ignored;
            std::filesystem::remove(std::filesystem::path(ToWide(OutputPath("printed_pages.pdf"))), ignored);
            std::filesystem::remove(std::filesystem::path(ToWide(OutputPath("printed_page_preview.bmp"))), ignored);
        }
        const char* folder = std::getenv("ZIRERE_TEST_PRINT_DIR");
        if (!folder || !*folder)
            GTEST_SKIP() << "no test printer: ZIRERE_TEST_PRINT_DIR is not set (the test script sets up a PDF "
                            "printer when it can start the print service)";
        PRINTDLGW pd{};
        pd.lStructSize = sizeof(pd);
        pd.Flags = PD_RETURNDEFAULT;
        if (!::PrintDlgW(&pd))
            GTEST_SKIP() << "no test printer: Wine finds no default printer";
        ::GlobalFree(pd.hDevMode);
        ::GlobalFree(pd.hDevNames);
        m_outputFolder = std::string("Z:") + folder;
        std::replace(m_outputFolder.begin(), m_outputFolder.end(), '/', '\\');
        PrintViewTest::SetUp();
    }

    std::set<std::filesystem::path> PrintedFiles() const
    {
        std::set<std::filesystem::path> files;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(m_outputFolder, error))
            if (entry.path().extension() == ".pdf")
                files.insert(entry.path());
        return files;
    }

    // The bytes of the file the printer writes after `before`, waiting for it.
    std::string WaitForNewFile(const std::set<std::filesystem::path>& before) const
    {
        for (int tries = 0; tries < 120; ++tries) {
            for (const auto& path : PrintedFiles()) {
                if (before.count(path))
                    continue;
                std::error_code error;
                auto size = std::filesystem::file_size(path, error);
                ::Sleep(500);
                if (!error && size > 0 && size == std::filesystem::file_size(path, error)) {
                    std::ifstream in(path, std::ios::binary);
                    return std::string(std::istreambuf_iterator<char>(in), {});
                }
            }
            ::Sleep(250);
        }
        return std::string();
    }

    // Page objects of a PDF file ("/Type/Page", not the "/Type/Pages" tree).
    static int CountPages(const std::string& pdf)
    {
        int pages = 0;
        for (const char* key : {"/Type/Page", "/Type /Page"}) {
            std::string k(key);
            for (size_t at = pdf.find(k); at != std::string::npos; at = pdf.find(k, at + 1))
                pages += at + k.size() < pdf.size() && pdf[at + k.size()] != 's';
        }
        return pages;
    }

    std::string m_outputFolder;
};

TEST_F(RealPrinterTest, PrintsTheChosenPagesThroughTheWholeLoop)
{
    auto before = PrintedFiles();
    m_answers.printDialog = [](PrintDialogRequest& request) {
        EXPECT_EQ(request.maxPage, 3);
        request.flags = (request.flags & ~PD_ALLPAGES) | PD_PAGENUMS;
        request.fromPage = 2;
        request.toPage = 3;
        return IDOK;
    };
    int fontHeight = 0;
    CSize pageMm;
    m_pView->onPrint = [&](CDC* pDC, CPrintInfo*) {
        EXPECT_TRUE(pDC->IsPrinting());
        CFont font;
        font.CreatePointFont(100, kMincho, pDC);
        CFont* old = pDC->SelectObject(&font);
        TEXTMETRICA metrics{};
        pDC->GetTextMetrics(&metrics);
        fontHeight = metrics.tmHeight;
        pDC->SelectObject(old);
        pageMm = CSize(pDC->GetDeviceCaps(HORZSIZE), pDC->GetDeviceCaps(VERTSIZE));
    };
    Frame()->SendMessage(WM_COMMAND, ID_FILE_PRINT);

    EXPECT_EQ(m_pView->calls, (std::vector<std::string>{"prepare", "begin", "dc 2", "dc 2", "print 2", "dc 3", "dc 3",
                                                          "print 3", "end"}));
    EXPECT_EQ(m_pView->m_nColumnWidth, 18);
    // 10 points against the printer's context in 0.1 mm units: 3.5 mm and the line gap.
    EXPECT_GE(fontHeight, 33);
    EXPECT_LE(fontHeight, 40);
    // A4 portrait, forced by the view, minus the printer's margins.
    EXPECT_GT(pageMm.cx, 180);
    EXPECT_LE(pageMm.cx, 210);
    EXPECT_GT(pageMm.cy, 270);
    EXPECT_LE(pageMm.cy, 297);

    std::string pdf = WaitForNewFile(before);
    ASSERT_FALSE(pdf.empty()) << "the printer wrote no file into " << m_outputFolder;
    EXPECT_EQ(pdf.compare(0, 5, "%PDF-"), 0);
    EXPECT_EQ(CountPages(pdf), 2);
    EXPECT_NE(pdf.find("MediaBox [0 0 595 842]"), std::string::npos);

    // The printed file and the preview's drawing of its first page (page 2) are
    // left side by side; the check that follows this test compares the two pictures.
    CPageJob preview(m_pView);
    ASSERT_TRUE(preview.Begin());
    ASSERT_TRUE(preview.HasPrinter());
    CPageMetafile page = preview.RenderPage(2);
    EXPECT_TRUE(SavePageAsBitmap(page.Get(), preview.Geometry(), 40, OutputPath("printed_page_preview.bmp")));
    std::ofstream(std::filesystem::path(ToWide(OutputPath("printed_pages.pdf"))), std::ios::binary) << pdf;
}

TEST_F(RealPrinterTest, TheCancelButtonStopsAfterThePageBeingPrinted)
{
    m_pView->m_nBodyPages = 4;
    bool statusShown = false;
    m_pView->onPrint = [&](CDC*, CPrintInfo* pInfo) {
        HWND status = AfxGetPrintStatusWindow();
        statusShown = statusShown || status != nullptr;
        if (pInfo->m_nCurPage == 2 && status)
            ::SendMessageW(::GetDlgItem(status, IDCANCEL), BM_CLICK, 0, 0);
    };
    Frame()->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    EXPECT_TRUE(statusShown);
    EXPECT_EQ(AfxGetPrintStatusWindow(), nullptr);
    EXPECT_EQ(m_pView->calls, (std::vector<std::string>{"prepare", "begin", "dc 1", "dc 1", "print 1", "dc 2", "dc 2",
                                                          "print 2", "end"}));
    EXPECT_EQ(m_pView->m_nColumnWidth, 18);
    EXPECT_TRUE(m_answers.asked.empty());
    EXPECT_TRUE(Frame()->IsWindowEnabled());
}

TEST_F(RealPrinterTest, TheSetUpCommandKeepsThePrinterAndPaperForTheRun)
{
    PrintDialogRequest seen;
    m_answers.printDialog = [&](PrintDialogRequest& request) {
        seen = request;
        request.orientation = DMORIENT_LANDSCAPE;
        return IDOK;
    };
    m_app.OnFilePrintSetup();
    EXPECT_TRUE(seen.bPrintSetupOnly);
    EXPECT_FALSE(seen.printer.IsEmpty());

    auto keptOrientation = [&] {
        PRINTDLGW pd{};
        EXPECT_TRUE(m_app.GetPrinterDeviceDefaults(&pd));
        auto* mode = static_cast<DEVMODEW*>(::GlobalLock(pd.hDevMode));
        short orientation = mode ? mode->dmOrientation : 0;
        ::GlobalUnlock(pd.hDevMode);
        return orientation;
    };
    EXPECT_EQ(keptOrientation(), DMORIENT_LANDSCAPE);

    // A preview of a view that leaves the paper alone shows the kept paper.
    m_pView->m_bForcePaper = false;
    {
        CPageJob job(m_pView);
        ASSERT_TRUE(job.Begin());
        EXPECT_TRUE(job.HasPrinter());
        PrintPageGeometry page = job.Geometry();
        EXPECT_GT(page.paper.cx, page.paper.cy);
    }
    // A view that forces portrait changes its own job only.
    m_pView->m_bForcePaper = true;
    {
        CPageJob job(m_pView);
        ASSERT_TRUE(job.Begin());
        PrintPageGeometry page = job.Geometry();
        EXPECT_LT(page.paper.cx, page.paper.cy);
        EXPECT_NEAR(page.paper.cx, 21000, 100);
        EXPECT_NEAR(page.paper.cy, 29700, 100);
        CPageMetafile drawn = job.RenderPage(2);
        EXPECT_NE(FindText(PageTexts(drawn.Get()), "－ 1 －"), nullptr);
    }
    EXPECT_EQ(keptOrientation(), DMORIENT_LANDSCAPE);

    // A cancelled set-up dialog keeps what was kept.
    m_answers.printDialog = [](PrintDialogRequest& request) {
        request.orientation = DMORIENT_PORTRAIT;
        return IDCANCEL;
    };
    m_app.OnFilePrintSetup();
    EXPECT_EQ(keptOrientation(), DMORIENT_LANDSCAPE);
}

}  // namespace

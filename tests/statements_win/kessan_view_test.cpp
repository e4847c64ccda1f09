// The statements view on real windows: its pages, buttons and messages, and its
// printed pages rendered into metafiles and read back.
#include "program_folder.h"

#include "../support/entry_builder.h"

#include "program_data.h"

#include "core/record_file.h"
#include "framework/win/dc.h"
#include "framework/win/print_info.h"
#include "framework/win/print_job.h"
#include "framework/win/print_page.h"
#include "framework/win/wide_text.h"
#include "statements/win/kessan.h"
#include "statements/statement_cells.h"
#include "resource.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// One text of a metafile: what was written and where, in the page's tenths of a millimetre.
struct DrawnText {
    CString text;
    int x, y;
};

struct RenderedPage {
    std::vector<DrawnText> texts;
    int lines = 0;
};

int CALLBACK CollectRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data)
{
    auto* page = reinterpret_cast<RenderedPage*>(data);
    if (record->iType == EMR_EXTTEXTOUTW) {
        const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
        const auto* chars = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) +
                                                             text->emrtext.offString);
        page->texts.push_back({FromWide(std::wstring(chars, text->emrtext.nChars)), text->emrtext.ptlReference.x,
                               text->emrtext.ptlReference.y});
    } else if (record->iType == EMR_LINETO) {
        ++page->lines;
    }
    return 1;
}

class KessanViewTest : public ProgramFolderTest {
protected:
    // The entries as the program writes them: amounts of unused rows are "0".
    void StartWith(std::initializer_list<EntryBuilder> entries, int show = SW_HIDE)
    {
        CopyShippedSetupFiles();
        ASSERT_TRUE(Start(show));
        for (const EntryBuilder& entry : entries)
            Document()->m_arrJournal.Add(EntryBuilder(entry).UnusedAmountsZero().New());
        Frame()->SendMessage(WM_COMMAND, ID_VIEW_KESSAN);
        PumpWaitingMessages();
        ASSERT_NE(nullptr, View());
    }

    void StartWithSmallYear(int show = SW_HIDE)
    {
        StartWith({OneRowEntry("2024/01/01", "現金", "元入金", "100000", 0, 5007000),
                   OneRowEntry("2024/01/01", "棚卸資産", "元入金", "30000", 0, 5007000),
                   OneRowEntry("2024/01/01", "仕入", "棚卸資産", "30000", 0, 2005000),
                   OneRowEntry("2024/03/15", "売上", "現金", "120000", 1, 1005000),
                   OneRowEntry("2024/06/30", "通信費", "現金", "12000", 0, 3005000),
                   OneRowEntry("2024/12/31", "棚卸資産", "仕入", "25000", 0, 5002000)},
                  show);
    }

    kessan* View() const
    {
        CView* view = Frame() ? Frame()->GetActiveView() : nullptr;
        return view && view->IsKindOf(RUNTIME_CLASS(kessan)) ? static_cast<kessan*>(view) : nullptr;
    }

    void Click(int id)
    {
        View()->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(View()->GetDlgItem(id)->m_hWnd));
        PumpWaitingMessages();
    }

    bool Visible(int id) const { return (View()->GetDlgItem(id)->GetStyle() & WS_VISIBLE) != 0; }

    std::vector<CString> Lines() const
    {
        std::vector<CString> lines;
        for (int i = 0; i < View()->m_listStatement.GetCount(); ++i) {
            CString line;
            View()->m_listStatement.GetText(i, line);
            lines.push_back(line);
        }
        return lines;
    }

    void Paint()
    {
        View()->Invalidate(TRUE);
        View()->UpdateWindow();
        PumpWaitingMessages();
    }

    // The page of the print job rendered into an A4 metafile (saved as a picture when asked).
    RenderedPage Render(int pageIndex, const std::string& pictureName)
    {
        const bool landscape = PrintLayoutOf(View()->m_nPage).landscape;
        const RECT frame{0, 0, landscape ? 29700 : 21000, landscape ? 21000 : 29700};
        HDC screen = GetDC(nullptr);
        HDC recording = CreateEnhMetaFileW(screen, nullptr, &frame, nullptr);
        CDC dc;
        dc.Attach(recording);
        View()->PrintPage(&dc, pageIndex);
        dc.Detach();
        HENHMETAFILE metafile = CloseEnhMetaFile(recording);
        RenderedPage page;
        EnumEnhMetaFile(nullptr, metafile, CollectRecord, &page, nullptr);

        if (const char* folder = ShotFolder()) {
            const int width = landscape ? 1403 : 992;
            const int height = landscape ? 992 : 1403;
            SaveDrawingAsBitmap(
                width, height,
                [&](HDC picture) {
                    RECT all{0, 0, width, height};
                    FillRect(picture, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
                    PlayEnhMetaFile(picture, metafile, &all);
                },
                CString(folder) + "\\" + pictureName.c_str());
        }
        DeleteEnhMetaFile(metafile);
        ReleaseDC(nullptr, screen);
        return page;
    }

    // The page repainted and photographed when a shot folder is asked for.
    void Photograph(const std::string& name)
    {
        Paint();
        ::Photograph(Frame(), name.c_str());
    }
};

const DrawnText* Find(const RenderedPage& page, const CString& text)
{
    for (const DrawnText& drawn : page.texts)
        if (drawn.text == text)
            return &drawn;
    return nullptr;
}

TEST_F(KessanViewTest, OpensOnTheTrialBalanceAndSwitchesPages)
{
    StartWithSmallYear();
    kessan* view = View();
    EXPECT_EQ(kBookStatements, Document()->m_nCurBook);
    EXPECT_EQ(kPageTrialBalance, view->m_nPage);
    EXPECT_FALSE(Visible(1017));
    for (int id : {1019, 1020, 1018, 1023})
        EXPECT_TRUE(Visible(id)) << id;
    EXPECT_FALSE(Visible(1028));
    EXPECT_FALSE(Visible(1154));

    std::vector<CString> lines = Lines();
    ASSERT_EQ(1u + 2u + 2u * 7u + 1u, lines.size());  // blank, heading, six accounts and the total
    EXPECT_EQ(CString("    "), lines[0]);
    EXPECT_NE(-1, lines.back().Find("└"));
    EXPECT_NE(-1, lines[lines.size() - 2].Find("    合   計"));
    EXPECT_NE(-1, lines[lines.size() - 2].Find("317,000"));

    Click(1019);
    EXPECT_EQ(kPageProfitLoss, view->m_nPage);
    EXPECT_TRUE(Visible(1017));
    EXPECT_FALSE(Visible(1019));
    EXPECT_TRUE(Visible(1028));
    EXPECT_TRUE(Visible(1154));
    EXPECT_EQ(3, view->m_comboDeduction.GetCount());

    Click(1020);
    EXPECT_EQ(kPageMonthly, view->m_nPage);
    EXPECT_TRUE(Visible(1019));
    EXPECT_FALSE(Visible(1020));
    EXPECT_FALSE(Visible(1028));
    lines = Lines();
    ASSERT_EQ(3u + 2u + 2u + 2u * 15u + 1u, lines.size());

    Click(1018);
    EXPECT_EQ(kPageBalanceSheet, view->m_nPage);
    EXPECT_FALSE(Visible(1018));
    EXPECT_NE(-1, Lines()[2].Find("[資  産 の 部]"));

    Click(1023);
    EXPECT_EQ((std::vector<CString>{"消費税額表示は休止中です。"}), MessagesShown());
    EXPECT_EQ(kPageBalanceSheet, view->m_nPage);
}

TEST_F(KessanViewTest, ListIsShownFilledAndWidenedAfterEveryPage)
{
    // The list is filled while hidden: every page leaves it shown, with its lines
    // and a sideways extent as wide as its widest line.
    StartWithSmallYear();
    CListBox& list = View()->m_listStatement;
    // The last click shows the trial balance again over itself.
    for (int id : {1019, 1020, 1018, 1017, 1017}) {
        Click(id);
        EXPECT_TRUE(Visible(1001)) << id;
        const std::vector<CString> lines = Lines();
        ASSERT_FALSE(lines.empty()) << id;
        int widest = 0;
        for (const CString& line : lines)
            widest = std::max(widest, line.GetLength());
        const auto extent = static_cast<int>(list.SendMessage(LB_GETHORIZONTALEXTENT));
        EXPECT_GT(extent, widest * 3) << id;
        EXPECT_LT(extent, widest * 20) << id;
    }
}

TEST_F(KessanViewTest, DeductionChoiceIsStoredAndTypedTextIsReplaced)
{
    StartWithSmallYear();
    Document()->m_nDeduction = 9;  // a settings file edited by hand
    Click(1019);
    kessan* view = View();
    EXPECT_EQ(0, view->m_comboDeduction.GetCurSel());

    view->m_comboDeduction.SetCurSel(2);
    view->SendMessage(WM_COMMAND, MAKEWPARAM(1028, CBN_SELCHANGE), reinterpret_cast<LPARAM>(view->m_comboDeduction.m_hWnd));
    EXPECT_EQ(2, Document()->m_nDeduction);
    EXPECT_EQ(2, view->m_comboDeduction.GetCurSel());
    // Line (47) with the choice "0": nothing deducted.
    bool found47 = false;
    for (const CString& line : Lines())
        if (line.Find("青色申告控除額(47)") >= 0) {
            found47 = true;
            EXPECT_NE(-1, line.Find("0   │")) << line;
        }
    EXPECT_TRUE(found47);

    view->m_comboDeduction.SetWindowText("123");
    view->SendMessage(WM_COMMAND, MAKEWPARAM(1028, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(view->m_comboDeduction.m_hWnd));
    CString text;
    view->m_comboDeduction.GetWindowText(text);
    EXPECT_EQ(CString("        0"), text);
}

TEST_F(KessanViewTest, CashDiscrepancyIsReportedOnceAfterThePaint)
{
    StartWith({OneRowEntry("2024/05/01", "現金過不足", "現金", "500", 0, 5005000)});
    kessan* view = View();
    // Computed but not yet painted (the window is hidden): nothing shown yet.
    EXPECT_EQ(1, view->m_bCashUnsettled);
    EXPECT_TRUE(MessagesShown().empty());
    Frame()->ShowWindow(SW_SHOW);
    Paint();
    const std::vector<CString> once = {
        "[ 現金過不足 ] が未解決です。\n\n[ 雑益 ] か [ 雑損 ] で期末処理して下さい。"};
    EXPECT_EQ(once, MessagesShown());
    Paint();
    EXPECT_EQ(once, MessagesShown());

    // A print of the trial balance neither shows its messages again nor raises the flag.
    EXPECT_EQ(1, view->BeginPrintJob());
    EXPECT_EQ(0, view->m_bCashUnsettled);
    Paint();
    EXPECT_EQ(once, MessagesShown());

    Click(1018);
    Paint();
    EXPECT_EQ(2u, MessagesShown().size());
}

TEST_F(KessanViewTest, TrialBalanceChecksAreShownWithTheScreenPageOnly)
{
    StartWith({OneRowEntry("2024/02/01", "売上高", "現金", "100", 1, 1005000)});
    const std::vector<CString> expected = {"複数の売上科目  , 売上高 があります。「売上」に統合してください。"};
    EXPECT_EQ(expected, MessagesShown());
    EXPECT_EQ(1, View()->BeginPrintJob());
    EXPECT_EQ(expected, MessagesShown());
}

TEST_F(KessanViewTest, PrintedPagesDrawTheirTextsWhereTheLayoutPutsThem)
{
    StartWithSmallYear();
    kessan* view = View();
    const std::vector<CString> screenLines = Lines();
    ASSERT_EQ(1, view->BeginPrintJob());
    // The screen keeps its rows and widths.
    EXPECT_EQ(kScreenAmountWidth, view->m_nAmountWidth);
    EXPECT_EQ(screenLines, Lines());
    EXPECT_EQ(kScreenAmountWidth, view->m_arrRows[0][1].GetLength());

    const RenderedPage trial = Render(0, "print_trial_balance.bmp");
    const DrawnText* title = Find(trial, "                 ===<  残 高 計 算 書  >===");
    ASSERT_NE(nullptr, title);
    EXPECT_NE(nullptr, Find(trial, "令和6年度(2024年度)        [ 自1月1日  至12月31日 ]"));
    const DrawnText* number = Find(trial, "Page - 1");
    ASSERT_NE(nullptr, number);
    const DrawnText* cash = Find(trial, "現金");
    ASSERT_NE(nullptr, cash);
    EXPECT_EQ(150 + 10 + 1080 + 30, cash->x);
    EXPECT_EQ(-76 - 13 + 4 * -60, cash->y);
    const DrawnText* cashBalance = Find(trial, FormatAmountCell(0, "208000", kPrintAmountWidth));
    ASSERT_NE(nullptr, cashBalance);
    EXPECT_EQ(150 + 10 + 80, cashBalance->x);
    EXPECT_EQ(cash->y, cashBalance->y);
    EXPECT_GT(trial.lines, 7 * 7);

    Click(1020);
    ASSERT_EQ(1, view->BeginPrintJob());
    const RenderedPage monthly = Render(0, "print_monthly.bmp");
    EXPECT_EQ(nullptr, Find(monthly, "Page - 1"));
    const DrawnText* march = Find(monthly, "   3月");
    ASSERT_NE(nullptr, march);
    EXPECT_EQ(150 + 6 + 200, march->x);
    EXPECT_EQ(-10 + 8 * -80, march->y);

    Click(1019);
    ASSERT_EQ(1, view->BeginPrintJob());
    const RenderedPage profit = Render(0, "print_profit_loss.bmp");
    EXPECT_NE(nullptr, Find(profit, "===<  損 益 計 算 書 (青色申告)  >==="));
    EXPECT_NE(nullptr, Find(profit, "   34+39-45   (46)"));

    Click(1018);
    ASSERT_EQ(1, view->BeginPrintJob());
    const RenderedPage sheet = Render(0, "print_balance_sheet.bmp");
    const DrawnText* capital = Find(sheet, "元入金");
    ASSERT_NE(nullptr, capital);
    EXPECT_EQ(80 + 6 + 1380 + 30, capital->x);
}

TEST_F(KessanViewTest, EmptyJournalPrintsWithoutEraText)
{
    StartWith({});
    kessan* view = View();
    EXPECT_TRUE(view->m_strFiscalYear.IsEmpty());
    ASSERT_EQ(1, view->BeginPrintJob());
    const RenderedPage page = Render(0, "print_empty.bmp");
    EXPECT_NE(nullptr, Find(page, "(年度)        [ 自1月1日  至12月31日 ]"));
}

TEST_F(KessanViewTest, PrintAndPreviewTakeThePageShownThroughTheFrameworksPageJob)
{
    StartWithSmallYear();
    CPageJob job(View());
    ASSERT_TRUE(job.Begin());
    EXPECT_EQ(1u, job.Info().GetMaxPage());
    const CPageMetafile page = job.RenderPage(1);
    ASSERT_TRUE(page);
    const std::vector<PageText> texts = PageTexts(page.Get());
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const PageText& text) { return text.text.Find("残 高 計 算 書") >= 0; }));
}

TEST_F(KessanViewTest, BookButtonSwitchesTheView)
{
    StartWithSmallYear();
    Click(1022);
    EXPECT_EQ(nullptr, View());
    EXPECT_EQ(kBookJournal, Document()->m_nCurBook);
}

// The screen line holding the label, empty when none does.
CString LineWith(const std::vector<CString>& lines, const char* label)
{
    for (const CString& line : lines)
        if (line.Find(label) >= 0)
            return line;
    return CString();
}

// How often the text occurs in the line.
int Occurrences(const CString& line, const char* text)
{
    int count = 0;
    for (int at = line.Find(text); at >= 0; at = line.Find(text, at + 1))
        ++count;
    return count;
}

// The first figure (digits and separators) after the label in the line.
CString FigureAfter(const CString& line, const char* label)
{
    const int at = line.Find(label);
    CString figure;
    if (at < 0)
        return figure;
    for (const char c : line.Mid(at + CString(label).GetLength()).str()) {
        if ((c >= '0' && c <= '9') || c == ',')
            figure += c;
        else if (!figure.IsEmpty())
            break;
    }
    return figure;
}

// The sample journal on the four pages, on screen and printed. The figures were
// worked out from the sample's entries by hand: the trial balance's totals, cash
// at the start and the end of the year, the year's sales and the balance sheet's
// opening total. The income before the blue-return deduction is carried from the
// profit-and-loss page to the balance sheet. Photographed when a shot folder is
// asked for.
TEST_F(KessanViewTest, SampleJournalsFiguresOnEveryPageOnScreenAndPrinted)
{
    CopyShippedSetupFiles();
    ASSERT_TRUE(Start(SW_SHOWMAXIMIZED));
    JournalArray sample;
    LoadRecordFile(CString(PROGRAM_DATA_FOLDER) + "\\ｻﾝﾌﾟﾙ2024.siz", sample);
    ASSERT_GT(sample.GetSize(), 300);
    for (int i = 0; i < sample.GetSize(); ++i)
        Document()->m_arrJournal.Add(sample.GetAt(i));
    Frame()->SendMessage(WM_COMMAND, ID_VIEW_KESSAN);
    PumpWaitingMessages();

    // Shows the page and returns its screen lines; its printed texts, blanks
    // trimmed, go to printed.
    auto showPage = [this](int button, const std::string& name, std::vector<CString>& printed) {
        Click(button);
        Photograph("screen_" + name);
        const int count = View()->BeginPrintJob();
        EXPECT_GE(count, 1) << name;
        for (int p = 0; p < count; ++p) {
            RenderedPage page = Render(p, "sample_" + name + "_" + std::to_string(p + 1) + ".bmp");
            for (DrawnText& drawn : page.texts) {
                drawn.text.TrimLeft();
                drawn.text.TrimRight();
                printed.push_back(drawn.text);
            }
        }
        return Lines();
    };
    auto printedHas = [](const std::vector<CString>& printed, const char* figure) {
        return std::find(printed.begin(), printed.end(), CString(figure)) != printed.end();
    };

    std::vector<CString> printed;
    std::vector<CString> lines = showPage(1017, "trial_balance", printed);
    EXPECT_EQ(2, Occurrences(LineWith(lines, "    合   計"), "106,418,073"));
    EXPECT_NE(-1, LineWith(lines, "│現金  ").Find("202,380"));
    EXPECT_TRUE(printedHas(printed, "106,418,073"));
    EXPECT_TRUE(printedHas(printed, "202,380"));

    printed.clear();
    lines = showPage(1019, "profit_loss", printed);
    EXPECT_EQ("25,439,840", FigureAfter(LineWith(lines, "(1)"), "(1)"));
    const CString income = FigureAfter(LineWith(lines, "(46)"), "(46)");
    EXPECT_FALSE(income.IsEmpty());
    EXPECT_TRUE(printedHas(printed, "25,439,840"));
    EXPECT_TRUE(printedHas(printed, income));

    printed.clear();
    lines = showPage(1020, "monthly", printed);
    EXPECT_NE(-1, LineWith(lines, " 合 計").Find("25,439,840"));
    EXPECT_TRUE(printedHas(printed, "25,439,840"));

    printed.clear();
    lines = showPage(1018, "balance_sheet", printed);
    const CString cash = LineWith(lines, "│現金  ");
    EXPECT_NE(-1, cash.Find("180,000"));
    EXPECT_NE(-1, cash.Find("202,380"));
    EXPECT_EQ(2, Occurrences(LineWith(lines, "   合   計"), "6,495,000"));
    EXPECT_EQ(income, FigureAfter(LineWith(lines, "青申特別控除前所得"), "青申特別控除前所得"));
    EXPECT_TRUE(printedHas(printed, "6,495,000"));
    EXPECT_TRUE(printedHas(printed, income));
}

}  // namespace

// The general ledger, the cash book and the expense book on real windows with
// the sample journal: the books opened from the menu and the buttons, a busy
// account picked, a line shown in the detail group, the trip to the journal and
// back to the same line, the opening cash, and the printed pages rendered into
// metafiles and read back text by text.
#include "book_test_support.h"
#include "../support/journal_fixtures.h"
#include "../support/menu_as_shown.h"


#include "books/win/kanjyo.h"
#include "books/win/keihi.h"
#include "books/win/kinsen.h"
#include "core/amount_arithmetic.h"
#include "app/book_views.h"
#include "framework/win/print_info.h"
#include "framework/win/print_job.h"
#include "framework/win/print_page.h"
#include "framework/win/print_preview.h"
#include "framework/win/wide_text.h"
#include "journal/win/siwake.h"
#include "resource.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct DrawnText {
    CString text;
    int x;
    int y;
};

// The texts drawn into an enhanced metafile, with their logical reference points.
std::vector<DrawnText> TextsOf(HENHMETAFILE metafile)
{
    std::vector<DrawnText> texts;
    const UINT size = ::GetEnhMetaFileBits(metafile, 0, nullptr);
    std::vector<BYTE> bits(size);
    ::GetEnhMetaFileBits(metafile, size, bits.data());
    for (UINT at = 0; at + sizeof(EMR) <= size;) {
        const auto* record = reinterpret_cast<const ENHMETARECORD*>(bits.data() + at);
        if (record->nSize == 0)
            break;
        if (record->iType == EMR_EXTTEXTOUTW) {
            const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
            const auto* chars = reinterpret_cast<const wchar_t*>(bits.data() + at + text->emrtext.offString);
            const std::wstring wide(chars, text->emrtext.nChars);
            char buffer[512] = {};
            ::WideCharToMultiByte(932, 0, wide.c_str(), static_cast<int>(wide.size()), buffer, sizeof buffer - 1,
                                  nullptr, nullptr);
            texts.push_back({CString(buffer), text->emrtext.ptlReference.x, text->emrtext.ptlReference.y});
        }
        at += record->nSize;
    }
    return texts;
}

CString Trimmed(CString text)
{
    text.TrimLeft();
    text.TrimRight();
    return text;
}

// The text drawn at (x, y), blanks trimmed; "(none)" when nothing is drawn there.
CString TextAtPoint(const std::vector<DrawnText>& texts, int x, int y)
{
    for (const DrawnText& t : texts)
        if (t.x == x && t.y == y)
            return Trimmed(t.text);
    return "(none)";
}

class BookViewTest : public BookWindowTest {
protected:
    static bool Visible(CFormView* view, int id) { return view->IsItemShown(id); }

    // The rows of the journal that name account.
    int RowsNaming(const char* account) const
    {
        int rows = 0;
        const auto& journal = Document()->m_arrJournal;
        for (int i = 0; i < journal.GetSize(); ++i)
            for (int entryRow = 0; entryRow < kEntryRows; ++entryRow)
                rows += RowAccount(*journal.GetAt(i), entryRow) == account ? 1 : 0;
        return rows;
    }

    // The frame's picture for a person to look at, when a folder is named: a
    // marker file asks the script that runs the test to photograph the screen,
    // and the program keeps painting until the picture is taken.
    void Photograph(const char* name) { ::Photograph(Frame(), name); }

    // Page n of the view's print job drawn into an A4 metafile; its texts.
    std::vector<DrawnText> RenderPage(CLedgerBookView* view, int page, const char* shot = nullptr)
    {
        HDC screen = ::GetDC(nullptr);
        const RECT a4 = {0, 0, 21000, 29700};
        HDC recording = ::CreateEnhMetaFileW(screen, nullptr, &a4, nullptr);
        {
            CDC dc;
            dc.Attach(recording);
            view->DrawPrintPage(&dc, page);
            dc.Detach();
        }
        HENHMETAFILE metafile = ::CloseEnhMetaFile(recording);
        const std::vector<DrawnText> texts = TextsOf(metafile);
        if (shot && ShotFolder()) {
            // 100 dots per inch: an A4 page of 827 x 1169.
            SaveDrawingAsBitmap(
                827, 1169,
                [&](HDC page) {
                    ::PatBlt(page, 0, 0, 827, 1169, WHITENESS);
                    const RECT target = {0, 0, 827, 1169};
                    ::PlayEnhMetaFile(page, metafile, &target);
                },
                CString(ShotFolder()) + "\\" + shot + ".bmp");
        }
        ::DeleteEnhMetaFile(metafile);
        ::ReleaseDC(nullptr, screen);
        return texts;
    }
};

TEST_F(BookViewTest, SampleJournalEachBookALineTheJournalAndBackToTheSameLine)
{
    StartWithSample(SW_SHOW);
    ASSERT_NE(nullptr, Shown<siwake>());

    // The general ledger from the menu with no account carried from the journal
    // (the journal hands over the account of the entry it shows): the prompt, the
    // menu state.
    Document()->m_strCurAccount.Empty();
    Command(ID_VIEW_KANJYO);
    kanjyo* ledger = Shown<kanjyo>();
    ASSERT_NE(nullptr, ledger);
    EXPECT_EQ(kBookGeneralLedger, Document()->m_nCurBook);
    EXPECT_EQ(0, ledger->m_lbLedger.GetCount());
    EXPECT_GT(ledger->m_lbGroups[kGroupRevenue].GetCount(), 0);
    const UINT printAll = MenuStateAsShown(Frame(), ID_LEDGER_PRINT_ALL);
    EXPECT_EQ(0u, printAll & MF_GRAYED);

    // 売上, a busy revenue account: one line per row, credit balance.
    PickItem(1009, "売上");
    ASSERT_EQ(RowsNaming("売上"), ledger->m_lbLedger.GetCount());
    EXPECT_EQ(" 【 売上 】 ", Text(1050));
    EXPECT_EQ("売上", Document()->m_strCurAccount);
    CString first;
    ledger->m_lbLedger.GetText(0, first);
    EXPECT_EQ(152, first.GetLength());
    EXPECT_EQ(ledger->m_strBalance, AddSubAmounts(ledger->m_strCreditTotal, ledger->m_strDebitTotal, -1));
    EXPECT_EQ(-1, ledger->m_lbGroups[kGroupAssets].GetCurSel());

    PickLine(1001, 7);
    const int entry = ledger->m_ledger.lines[7].entry;
    EXPECT_EQ(entry, Document()->m_nCurEntry);
    EXPECT_EQ(7, Document()->m_nCurLine);
    const CMyObject2& shown = *Document()->m_arrJournal.GetAt(entry);
    EXPECT_EQ(" " + shown.m_strDate, Text(1114));
    EXPECT_EQ(shown.m_strCause1, Text(1041));
    EXPECT_EQ(shown.m_strResult1, Text(1044));
    Photograph("kanjyo_uriage");

    // The detail fields are drawn by the form, not windows; a click into one
    // moves the focus on to the form's first control, as tabbing into one did.
    for (int id : ledger->DetailFields())
        EXPECT_EQ(nullptr, ledger->GetDlgItem(id)) << id;
    ledger->m_lbLedger.SetFocus();
    ASSERT_EQ(ledger->m_lbLedger.m_hWnd, ::GetFocus());
    const CRect cause = ledger->ControlRect(1041);
    ledger->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cause.left + 3, cause.top + 3));
    EXPECT_EQ(ledger->GetWindow(GW_CHILD)->m_hWnd, ::GetFocus());

    // A description filter, then every line again.
    ASSERT_GT(ledger->m_lbDescriptions.GetCount(), 1);
    CString description;
    ledger->m_lbDescriptions.GetText(1, description);
    PickItem(1063, description);
    EXPECT_LT(ledger->m_lbLedger.GetCount(), RowsNaming("売上"));
    EXPECT_GT(ledger->m_lbLedger.GetCount(), 0);
    EXPECT_EQ(description, Document()->m_strFilter);
    Photograph("kanjyo_uriage_filtered");
    PickItem(1063, "すべて");
    PickLine(1001, 7);

    // To the journal with "で編集", and back to the same account and line.
    Notify(1000, BN_CLICKED);
    ASSERT_NE(nullptr, Shown<siwake>());
    EXPECT_EQ(kBookGeneralLedger, Document()->m_nPrevBook);
    EXPECT_EQ(entry, Document()->m_nCurEntry);
    Command(ID_VIEW_KANJYO);
    ledger = Shown<kanjyo>();
    ASSERT_NE(nullptr, ledger);
    EXPECT_GE(ledger->m_lbGroups[kGroupRevenue].GetCurSel(), 0);
    ASSERT_GE(ledger->m_lbLedger.GetCurSel(), 0);
    EXPECT_EQ(entry, ledger->m_ledger.lines[static_cast<size_t>(ledger->m_lbLedger.GetCurSel())].entry);

    // The cash book from the general ledger's button.
    Notify(1011, BN_CLICKED);
    kinsen* cash = Shown<kinsen>();
    ASSERT_NE(nullptr, cash);
    EXPECT_EQ(RowsNaming("現金"), cash->m_lbLedger.GetCount());
    EXPECT_EQ("180,000", Text(1042));
    PickLine(1018, 12);
    const int cashEntry = cash->m_ledger.lines[12].entry;
    EXPECT_EQ("現金", Document()->m_strCurAccount);
    EXPECT_NE(-1, Document()->m_strBookCodes.Find('3'));
    // The radio buttons only show the phrase: a click is put back.
    const int increase = cash->IsDlgButtonChecked(1035);
    cash->CheckDlgButton(1035, increase ? BST_UNCHECKED : BST_CHECKED);
    cash->CheckDlgButton(1037, increase ? BST_CHECKED : BST_UNCHECKED);
    Notify(1037, BN_CLICKED);
    EXPECT_EQ(increase, static_cast<int>(cash->IsDlgButtonChecked(1035)));
    Photograph("kinsen");
    Notify(1030, BN_CLICKED);
    ASSERT_NE(nullptr, Shown<siwake>());
    Command(ID_VIEW_KINSEN);
    cash = Shown<kinsen>();
    ASSERT_NE(nullptr, cash);
    EXPECT_EQ(12, cash->m_lbLedger.GetCurSel());
    EXPECT_EQ(cashEntry, Document()->m_nCurEntry);

    // The expense book: an expense account and one of its descriptions.
    Notify(1029, BN_CLICKED);
    keihi* expense = Shown<keihi>();
    ASSERT_NE(nullptr, expense);
    ASSERT_GT(expense->m_lbAccounts.GetCount(), 3);
    PickItem(1020, "消耗品費");
    EXPECT_EQ(RowsNaming("消耗品費"), expense->m_lbLedger.GetCount());
    EXPECT_EQ("消耗品費", Document()->m_strExpenseAccount);
    EXPECT_EQ(" 【 消耗品費 】 ", Text(1052));
    ASSERT_GT(expense->m_lbDescriptions.GetCount(), 1);
    CString expenseDescription;
    expense->m_lbDescriptions.GetText(1, expenseDescription);
    PickItem(1065, expenseDescription);
    EXPECT_GT(expense->m_lbLedger.GetCount(), 0);
    EXPECT_EQ(expenseDescription, Document()->m_strExpenseFilter);
    Photograph("keihi");
    // Its radio buttons snap back too.
    const int expenseIncrease = expense->IsDlgButtonChecked(1035);
    expense->CheckDlgButton(1035, expenseIncrease ? BST_UNCHECKED : BST_CHECKED);
    Notify(1035, BN_CLICKED);
    EXPECT_EQ(expenseIncrease, static_cast<int>(expense->IsDlgButtonChecked(1035)));
}

// The general ledger reopened on its account keeps the ledger it built for the
// next pick of that account; every pick still shows the whole ledger of the
// account picked, at the current entry's line, with every description.
TEST_F(BookViewTest, PickingTheAccountTheLedgerOpenedWithShowsItsWholeLedger)
{
    StartWithSample();
    Document()->m_strCurAccount.Empty();
    Command(ID_VIEW_KANJYO);
    PickItem(1009, "売上");
    PickLine(1001, 7);
    kanjyo* ledger = Shown<kanjyo>();
    ASSERT_NE(nullptr, ledger);
    const int entry = ledger->m_ledger.lines[7].entry;
    Command(ID_VIEW_SIWAKE);
    Command(ID_VIEW_KANJYO);
    ledger = Shown<kanjyo>();
    ASSERT_NE(nullptr, ledger);
    ASSERT_EQ(RowsNaming("売上"), ledger->m_lbLedger.GetCount());
    // The ledger's group box is drawn by the form; its caption follows the account.
    EXPECT_EQ(nullptr, ledger->GetDlgItem(IDC_KANJYO_LEDGER_GROUP));

    auto expectWholeLedger = [&](const char* account, const char* step) {
        EXPECT_EQ(RowsNaming(account), ledger->m_lbLedger.GetCount()) << step;
        EXPECT_EQ(static_cast<int>(ledger->m_ledger.lines.size()), ledger->m_lbLedger.GetCount()) << step;
        EXPECT_EQ(CString(" 【 ") + account + " 】 ", Text(1050)) << step;
        EXPECT_EQ(0, ledger->m_lbDescriptions.GetCurSel()) << step;
        EXPECT_EQ(static_cast<int>(ledger->m_descriptions.size()) + 1, ledger->m_lbDescriptions.GetCount()) << step;
        EXPECT_EQ("", Document()->m_strFilter) << step;
        EXPECT_EQ(account, Document()->m_strCurAccount) << step;
    };

    // The same account again: the line of the current entry stays picked, even
    // when the list was scrolled away from it.
    ledger->m_lbLedger.SetTopIndex(ledger->m_lbLedger.GetCount() - 1);
    PickItem(1009, "売上");
    expectWholeLedger("売上", "picked again");
    ASSERT_GE(ledger->m_lbLedger.GetCurSel(), 0);
    EXPECT_EQ(entry, ledger->m_ledger.lines[static_cast<size_t>(ledger->m_lbLedger.GetCurSel())].entry);
    EXPECT_LE(ledger->m_lbLedger.GetTopIndex(), ledger->m_lbLedger.GetCurSel());

    // After a description filter, and after another account, the same account
    // shows its whole ledger again.
    CString description;
    ledger->m_lbDescriptions.GetText(1, description);
    PickItem(1063, description);
    ASSERT_LT(ledger->m_lbLedger.GetCount(), RowsNaming("売上"));
    PickItem(1009, "売上");
    expectWholeLedger("売上", "after a filter");
    PickItem(1021, "現金");
    expectWholeLedger("現金", "another account");
    PickItem(1009, "売上");
    expectWholeLedger("売上", "back from another account");
}

TEST_F(BookViewTest, GeneralLedgerOpeningFieldByAccountKind)
{
    StartWithSample();
    Document()->m_strCurAccount.Empty();
    Command(ID_VIEW_KANJYO);
    kanjyo* ledger = Shown<kanjyo>();
    ASSERT_NE(nullptr, ledger);
    // No account yet: the prompt, and the opening field and its label greyed.
    EXPECT_TRUE(Visible(ledger, 1071));
    EXPECT_FALSE(ledger->IsItemEnabled(1024));
    EXPECT_FALSE(ledger->IsItemEnabled(1068));
    // Before any ledger the totals strip has no amounts.
    EXPECT_EQ("", ledger->m_strDebitTotal);

    struct Case {
        int list;
        const char* account;
        const char* field;
        bool enabled;
        const char* label;
    } cases[] = {
        {1021, "現金", "180,000", true, "[ 現金 ]の期首残高 →"},
        {1021, "普通預金", "1,650,000", true, "[ 普通預金 ]の期首残高 →"},
        {1008, "事業主借", "", false, "[ 事業主借 ]は前年度からの繰越をしません"},
        // Revenue and expenses leave the field's state as the account before left it.
        {1009, "売上", "", false, ""},
    };
    for (const Case& c : cases) {
        PickItem(c.list, c.account);
        EXPECT_FALSE(Visible(ledger, 1071)) << c.account;
        EXPECT_EQ(c.field, Trimmed(Text(1024))) << c.account;
        EXPECT_EQ(c.enabled, ledger->IsItemEnabled(1024)) << c.account;
        EXPECT_EQ(c.label, Text(1068)) << c.account;
        EXPECT_TRUE(ledger->IsItemEnabled(1068)) << c.account;
    }
}

TEST_F(BookViewTest, TheOpeningCashShownIsTheEntryTheButtonWrites)
{
    CopyShippedSetupFiles();
    ASSERT_TRUE(Start());
    // A sale, then cash the owner pays in during the year: no opening cash.
    Document()->m_arrJournal.Add(OneRowEntry("2024/03/01", "売上", "現金", "100", 1, 1005000).New());
    Document()->m_arrJournal.Add(OneRowEntry("2024/06/01", "現金", "元入金", "5000", 0, 5007000).New());
    Command(ID_VIEW_KINSEN);
    kinsen* cash = Shown<kinsen>();
    ASSERT_NE(nullptr, cash);
    EXPECT_EQ("0", Text(1042));

    std::vector<CString> asked;
    m_answers.messageBox = [&](const MessageBoxRequest& box) {
        asked.push_back(box.text);
        return IDYES;
    };
    cash->SetDlgItemText(1042, "2000");
    Notify(1011, BN_CLICKED);
    EXPECT_TRUE(asked.empty());
    ASSERT_EQ(3, Document()->m_arrJournal.GetSize());
    EXPECT_EQ("2024/01/01", Document()->m_arrJournal.GetAt(0)->m_strDate);
    EXPECT_EQ("2,000", Text(1042));
    EXPECT_EQ("5000", Document()->m_arrJournal.GetAt(2)->m_strCauseAmount1);
}

TEST_F(BookViewTest, EmptyJournalOpensEveryBookWithoutLines)
{
    CopyShippedSetupFiles();
    ASSERT_TRUE(Start());
    ASSERT_EQ(0, Document()->m_arrJournal.GetSize());
    Command(ID_VIEW_KINSEN);
    kinsen* cash = Shown<kinsen>();
    ASSERT_NE(nullptr, cash);
    EXPECT_EQ(0, cash->m_lbLedger.GetCount());
    EXPECT_EQ(-1, cash->m_lbLedger.GetCurSel());
    EXPECT_EQ("", Text(1042));
    // Nothing to show: the detail group stays empty, never entry 0.
    cash->ShowEntryDetail(0);
    EXPECT_EQ("", Text(1116));
    EXPECT_EQ(-1, Document()->m_nCurEntry);
    EXPECT_FALSE(cash->PreparePrintJob());
    // Without an entry the year is unknown: refused with a message, nothing stored.
    std::vector<CString> asked;
    m_answers.messageBox = [&](const MessageBoxRequest& box) {
        asked.push_back(box.text);
        return IDOK;
    };
    cash->SetDlgItemText(1042, "1000");
    Notify(1011, BN_CLICKED);
    EXPECT_EQ(1u, asked.size());
    EXPECT_EQ(0, Document()->m_arrJournal.GetSize());

    Command(ID_VIEW_KEIHI);
    keihi* expense = Shown<keihi>();
    ASSERT_NE(nullptr, expense);
    EXPECT_EQ(0, expense->m_lbAccounts.GetCount());
    EXPECT_FALSE(Visible(expense, 1065));
    Notify(1029, BN_CLICKED);
    ASSERT_EQ(2u, asked.size());
    EXPECT_EQ("経費科目を選択してください。", asked.back());

    Command(ID_VIEW_KANJYO);
    kanjyo* ledger = Shown<kanjyo>();
    ASSERT_NE(nullptr, ledger);
    EXPECT_TRUE(Visible(ledger, 1071));
    // An empty journal prints nothing and says nothing.
    EXPECT_FALSE(ledger->PreparePrintJob());
    EXPECT_EQ(2u, asked.size());
}

TEST_F(BookViewTest, OpeningCashReplacedOnYesKeptOnNo)
{
    StartWithSample();
    Command(ID_VIEW_KINSEN);
    kinsen* cash = Shown<kinsen>();
    ASSERT_NE(nullptr, cash);
    const int size = Document()->m_arrJournal.GetSize();
    std::vector<CString> asked;
    int answer = IDNO;
    m_answers.messageBox = [&](const MessageBoxRequest& box) {
        asked.push_back(box.text);
        return answer;
    };
    cash->SetDlgItemText(1042, "250,000");
    Notify(1011, BN_CLICKED);
    ASSERT_EQ(1u, asked.size());
    EXPECT_EQ("180000", Document()->m_arrJournal.GetAt(0)->m_strCauseAmount1);
    EXPECT_FALSE(Document()->IsModified());

    answer = IDYES;
    Notify(1011, BN_CLICKED);
    ASSERT_EQ(2u, asked.size());
    EXPECT_EQ(size, Document()->m_arrJournal.GetSize());
    EXPECT_EQ("250000", Document()->m_arrJournal.GetAt(0)->m_strCauseAmount1);
    EXPECT_EQ("2024/01/01", Document()->m_arrJournal.GetAt(0)->m_strDate);
    EXPECT_TRUE(Document()->IsModified());
    cash = Shown<kinsen>();
    EXPECT_EQ("250,000", Text(1042));

    // An amount the journal would refuse is refused here too.
    cash->SetDlgItemText(1042, "1234567890123456789");
    Notify(1011, BN_CLICKED);
    ASSERT_EQ(3u, asked.size());
    EXPECT_EQ("250000", Document()->m_arrJournal.GetAt(0)->m_strCauseAmount1);
}

TEST_F(BookViewTest, PrintCommandsRunTheFrameworksJobAndTheAllAccountsPreviewEndsItsMode)
{
    StartWithSample();
    Command(ID_VIEW_KINSEN);
    kinsen* cash = Shown<kinsen>();
    ASSERT_NE(nullptr, cash);
    {
        CPageJob job(cash);
        ASSERT_TRUE(job.Begin());
        EXPECT_EQ(static_cast<UINT>(cash->PrintPageCount()), job.Info().GetMaxPage());
        const CPageMetafile cover = job.RenderPage(1);
        const std::vector<PageText> texts = PageTexts(cover.Get());
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const PageText& t) { return t.text == "《 現金出納帳 》"; }));
    }

    // The all-accounts preview runs with the mode set and leaves it when it closes.
    Command(ID_VIEW_KANJYO);
    kanjyo* ledger = Shown<kanjyo>();
    ASSERT_NE(nullptr, ledger);
    Command(ID_LEDGER_PRINT_ALL_PREVIEW);
    EXPECT_TRUE(ledger->m_bPrintAll);
    EXPECT_GT(ledger->PrintPageCount(), 20);
    Command(AFX_ID_PREVIEW_CLOSE);
    EXPECT_FALSE(ledger->m_bPrintAll);
}

TEST_F(BookViewTest, ABookCommandWaitsForThePreviewAndThenLeavesNoViewBehind)
{
    StartWithSample();
    Command(ID_VIEW_KANJYO);
    kanjyo* ledger = Shown<kanjyo>();
    ASSERT_NE(nullptr, ledger);
    HWND ledgerWindow = ledger->GetSafeHwnd();
    Command(ID_LEDGER_PRINT_ALL_PREVIEW);
    CView* preview = Frame()->GetActiveView();
    ASSERT_TRUE(preview && preview->IsKindOf(RUNTIME_CLASS(CPreviewView)));
    HWND previewWindow = preview->GetSafeHwnd();

    // The preview holds back the ledger's own print commands: nothing is printed under it.
    Command(ID_LEDGER_PRINT_ALL);
    EXPECT_EQ(preview, Frame()->GetActiveView());
    EXPECT_TRUE(ledger->m_bPrintAll);

    // Closed, it gives the book back; the next switch leaves neither behind.
    Command(AFX_ID_PREVIEW_CLOSE);
    EXPECT_EQ(ledger, Frame()->GetActiveView());
    EXPECT_FALSE(ledger->m_bPrintAll);
    Command(ID_VIEW_KINSEN);
    ASSERT_NE(nullptr, Shown<kinsen>());
    RunIdleWork(*m_app);
    EXPECT_FALSE(::IsWindow(previewWindow));
    EXPECT_FALSE(::IsWindow(ledgerWindow));
    ASSERT_EQ(1u, Document()->GetViews().size());
    EXPECT_EQ(Frame()->GetActiveView(), Document()->GetViews().front());
    EXPECT_EQ(AFX_IDW_PANE_FIRST, Frame()->GetActiveView()->GetDlgCtrlID());
}

// The state of command id in the main window's menu after its popups were opened.
TEST_F(BookViewTest, DuringThePreviewACommandIsGreyedOrWorks)
{
    StartWithSample();
    Command(ID_VIEW_KANJYO);
    ASSERT_NE(nullptr, Shown<kanjyo>());
    PickItem(1009, "売上");
    struct Case {
        UINT command;
        bool runs;  // works, closing the preview first
    };
    const Case cases[] = {{ID_VIEW_SIWAKE, true},       {ID_VIEW_KESSAN, true},  {ID_VIEW_KINSEN, true},
                          {ID_FILE_SAVE, true},         {ID_FILE_PRINT_PREVIEW, false}, {ID_LEDGER_PRINT_ALL, false},
                          {ID_LEDGER_PRINT_ALL_PREVIEW, false}};
    for (const Case& c : cases) {
        if (!Shown<kanjyo>())
            Command(ID_VIEW_KANJYO);
        Command(ID_FILE_PRINT_PREVIEW);
        CView* preview = Frame()->GetActiveView();
        ASSERT_TRUE(preview && preview->IsKindOf(RUNTIME_CLASS(CPreviewView))) << c.command;
        const UINT state = MenuStateAsShown(Frame(), c.command);
        EXPECT_EQ(c.runs, (state & MF_GRAYED) == 0) << c.command;
        if (c.runs) {
            Command(c.command);
            CView* shown = Frame()->GetActiveView();
            EXPECT_FALSE(shown && shown->IsKindOf(RUNTIME_CLASS(CPreviewView))) << c.command;
            const BookView* book = FindBookView(c.command);
            if (book) {
                EXPECT_TRUE(shown && shown->IsKindOf(book->viewClass)) << c.command;
            }
        } else {
            Command(AFX_ID_PREVIEW_CLOSE);
        }
        RunIdleWork(*m_app);
    }
    EXPECT_FALSE(Document()->IsModified());
}

TEST_F(BookViewTest, PrintedPagesOfTheCashBookAndTheGeneralLedger)
{
    StartWithSample();
    Command(ID_VIEW_KINSEN);
    kinsen* cash = Shown<kinsen>();
    ASSERT_NE(nullptr, cash);
    ASSERT_TRUE(cash->PreparePrintJob());
    ASSERT_GE(cash->PrintPageCount(), 3);
    const std::vector<DrawnText> cover = RenderPage(cash, 1, "print_kinsen_cover");
    bool title = false;
    for (const DrawnText& t : cover)
        title = title || t.text == "《 現金出納帳 》";
    EXPECT_TRUE(title);
    const std::vector<DrawnText> page = RenderPage(cash, 2, "print_kinsen_page1");
    EXPECT_EQ("2024年", TextAtPoint(page, 304, RowText(0)));
    EXPECT_EQ("－ 現金出納帳 －", TextAtPoint(page, 954, RowText(0)));
    EXPECT_EQ("後ページへ繰り越し", TextAtPoint(page, 534, RowText(57)));
    EXPECT_EQ("－ 1 －", TextAtPoint(page, 954, -2830));
    EXPECT_EQ("01/01", TextAtPoint(page, 144, RowText(3)));
    EXPECT_EQ("180,000", TextAtPoint(page, 34 + 1050 + 8, RowText(3)));
    const std::vector<DrawnText> second = RenderPage(cash, 3);
    EXPECT_EQ("前ページより繰り越し", TextAtPoint(second, 524, RowText(3)));

    // The general ledger of 売上, and every account at once.
    Document()->m_strCurAccount.Empty();
    Command(ID_VIEW_KANJYO);
    kanjyo* ledger = Shown<kanjyo>();
    ASSERT_NE(nullptr, ledger);
    int asked = 0;
    m_answers.messageBox = [&](const MessageBoxRequest& box) {
        EXPECT_EQ("科目を選択して下さい。", box.text);
        ++asked;
        return IDOK;
    };
    EXPECT_FALSE(ledger->PreparePrintJob());
    EXPECT_EQ(1, asked);
    PickItem(1009, "売上");
    ASSERT_TRUE(ledger->PreparePrintJob());
    const std::vector<DrawnText> sales = RenderPage(ledger, 2, "print_kanjyo_page1");
    EXPECT_EQ("－ 売上 －", TextAtPoint(sales, 944, RowText(0)));
    EXPECT_EQ("相手科目", TextAtPoint(sales, 820, RowText(2)));

    ledger->m_bPrintAll = TRUE;
    ASSERT_TRUE(ledger->PreparePrintJob());
    ledger->m_bPrintAll = FALSE;
    EXPECT_GT(ledger->PrintPageCount(), 20);
    // Each entry's balance stands on its second row, beside the counter accounts.
    const CString firstAmount = TextAtPoint(sales, 34 + 1341 + 8, RowText(3));
    ASSERT_NE("(none)", firstAmount);
    EXPECT_EQ(firstAmount, TextAtPoint(sales, 34 + 1632 + 8, RowText(4)));
    EXPECT_EQ("(none)", TextAtPoint(sales, 34 + 1632 + 8, RowText(3)));

    const std::vector<DrawnText> all = RenderPage(ledger, 2, "print_kanjyo_all_page1");
    EXPECT_EQ("科目", TextAtPoint(all, 364, RowText(3)));
    EXPECT_EQ("現金", TextAtPoint(all, 314, RowText(4)));
}

TEST_F(BookViewTest, AfterAFileCommandTheBookShowsTheDocumentAsItNowIs)
{
    // ファイルの削除 is the file command that the books offer; the journal's own
    // commands are refused there.
    struct Case {
        UINT book;
        UINT fileCommand;
    };
    const Case cases[] = {{ID_VIEW_KANJYO, ID_FILE_DELETE}, {ID_VIEW_KINSEN, ID_FILE_DELETE},
                          {ID_VIEW_KEIHI, ID_FILE_DELETE}, {ID_VIEW_URIAGE, ID_FILE_DELETE}};
    for (const Case& c : cases) {
        StartWithSample();
        m_answers.messageBox = [](const MessageBoxRequest& box) {
            return (box.style & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
        };
        Command(c.book);
        auto* before = dynamic_cast<CLedgerBookView*>(Frame()->GetActiveView());
        ASSERT_NE(nullptr, before) << c.book;
        if (c.book == ID_VIEW_KANJYO)
            PickItem(1009, "売上");
        else if (c.book == ID_VIEW_KEIHI)
            PickLine(1020, 0);
        ASSERT_GT(before->m_lbLedger.GetCount(), 0) << c.book;
        Command(c.fileCommand);
        ASSERT_EQ(0, Document()->m_arrJournal.GetSize()) << c.book;
        // Without a click the book shown holds no line of the journal that is gone.
        auto* after = dynamic_cast<CLedgerBookView*>(Frame()->GetActiveView());
        ASSERT_NE(nullptr, after) << c.book;
        EXPECT_EQ(0, after->m_lbLedger.GetCount()) << c.book;
        for (int id : {1021, 1008, 1009, 1013})
            if (CWnd* list = after->GetDlgItem(id); list && c.book == ID_VIEW_KANJYO) {
                EXPECT_EQ(0, static_cast<CListBox*>(list)->GetCount()) << id;
            }
        Stop();
    }
}

TEST_F(BookViewTest, TheOpeningBalanceWarningIsPrintedForAnOpeningDescriptionOnly)
{
    StartWithSample();
    Document()->m_strCurAccount.Empty();
    Command(ID_VIEW_KANJYO);
    kanjyo* ledger = Shown<kanjyo>();
    ASSERT_NE(nullptr, ledger);
    const char* const warning = "期首残高が未設定のとき、残高がマイナス表示になる場合があります。";
    struct Case {
        int list;
        const char* account;
        const char* description;
        bool warned;
    };
    // 居酒屋はなみ has an opening balance of 売掛金; 清掃用品 of 消耗品費 has none.
    const Case cases[] = {{1021, "売掛金", "居酒屋はなみ", true}, {1013, "消耗品費", "清掃用品", false}};
    for (const Case& c : cases) {
        PickItem(c.list, c.account);
        PickItem(1063, c.description);
        ASSERT_TRUE(ledger->PreparePrintJob()) << c.account;
        const std::vector<DrawnText> page = RenderPage(ledger, 2);
        EXPECT_EQ(c.warned ? CString(warning) : CString("(none)"), TextAtPoint(page, 760, RowText(1))) << c.account;
    }
}

}  // namespace

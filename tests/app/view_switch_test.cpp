// The book commands swap the form view that fills the main window.
#include "program_folder.h"

#include "books/win/kanjyo.h"
#include "books/win/keihi.h"
#include "books/win/kinsen.h"
#include "books/win/siire.h"
#include "books/win/uriage.h"
#include "app/book_views.h"
#include "app/main_frame.h"
#include "framework/win/dialog.h"
#include "framework/win/framework_messages.h"
#include "framework/win/menu.h"
#include "journal/win/siwake.h"
#include "resource.h"
#include "setup/win/settei.h"
#include "statements/win/kessan.h"
#include "support/menu_as_shown.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace {

class ViewSwitchTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        CopyShippedSetupFiles();
        ASSERT_TRUE(Start());
    }

    CView* ActiveView() const { return Frame()->GetActiveView(); }
    void Send(UINT command) { Frame()->SendMessage(WM_COMMAND, command); }

    // Whether the menu item carries the check mark after the menu was opened.
    bool Checked(UINT command)
    {
        HMENU menu = ::GetMenu(Frame()->GetSafeHwnd());
        for (int i = 0; i < ::GetMenuItemCount(menu); ++i)
            Frame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(::GetSubMenu(menu, i)), i);
        return (::GetMenuState(menu, command, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }
    bool Greyed(UINT command)
    {
        return GreyedAsShown(Frame(), command);
    }
};

TEST_F(ViewSwitchTest, EachBookCommandShowsItsViewAndRetiresTheOldOne)
{
    struct Case {
        UINT command;
        const CRuntimeClass* view;
        int book;
    } cases[] = {
        {ID_VIEW_KANJYO, RUNTIME_CLASS(kanjyo), 2}, {ID_VIEW_KINSEN, RUNTIME_CLASS(kinsen), 3},
        {ID_VIEW_URIAGE, RUNTIME_CLASS(CUriage), 4}, {ID_VIEW_KEIHI, RUNTIME_CLASS(keihi), 4},
        {ID_VIEW_SIIRE, RUNTIME_CLASS(CSiire), 4}, {ID_VIEW_KESSAN, RUNTIME_CLASS(kessan), 5},
        {ID_VIEW_SETTEI, RUNTIME_CLASS(settei), 6}, {ID_VIEW_SIWAKE, RUNTIME_CLASS(siwake), 1},
    };
    // Every book of the program's table is among the cases.
    ASSERT_EQ(std::size(cases), BookViews().size());
    for (const BookView& book : BookViews())
        EXPECT_TRUE(std::any_of(std::begin(cases), std::end(cases), [&book](const Case& c) {
            return c.command == book.commandId && c.view == book.viewClass;
        })) << book.commandId;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.view->m_lpszClassName);
        HWND oldWindow = ActiveView()->GetSafeHwnd();
        Send(c.command);
        PumpWaitingMessages();
        ASSERT_TRUE(ActiveView()->IsKindOf(c.view));
        // The old view is hidden and out of the document at once, and gone after the idle time.
        auto* old = dynamic_cast<CView*>(CWnd::FromHandlePermanent(oldWindow));
        ASSERT_NE(nullptr, old);
        EXPECT_TRUE(old->IsRetired());
        EXPECT_FALSE(::IsWindowVisible(oldWindow));
        EXPECT_EQ(nullptr, old->GetDocument());
        EXPECT_EQ(1u, Document()->GetViews().size());
        RunIdleWork(*m_app);
        EXPECT_FALSE(IsWindow(oldWindow));
        EXPECT_EQ(AFX_IDW_PANE_FIRST, ActiveView()->GetDlgCtrlID());
        EXPECT_EQ(c.book, Document()->m_nCurBook);
        EXPECT_TRUE(Checked(c.command));
    }
    EXPECT_EQ(6, Document()->m_nPrevBook);
}

bool ShownByStyle(HWND window)
{
    return (::GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

// The frame's hidden child views, the views made ahead of their switches (the
// program runs with its main window hidden: the style tells them apart).
std::vector<CView*> HiddenViews(CMainFrame* frame)
{
    std::vector<CView*> views;
    for (HWND child = ::GetWindow(frame->m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        CWnd* window = CWnd::FromHandlePermanent(child);
        if (window && window->IsKindOf(RUNTIME_CLASS(CView)) && !ShownByStyle(child))
            views.push_back(static_cast<CView*>(window));
    }
    return views;
}

CView* HiddenViewOf(CMainFrame* frame, const CRuntimeClass* viewClass)
{
    for (CView* view : HiddenViews(frame))
        if (view->IsKindOf(viewClass))
            return view;
    return nullptr;
}

TEST_F(ViewSwitchTest, IdleTimeMakesOneHiddenViewOfEachBookThatTheSwitchThenShows)
{
    EXPECT_TRUE(HiddenViews(Frame()).empty());
    EXPECT_LT(RunIdleWork(*m_app), 100);
    // One spare per book, hidden, outside the document and off the pane's id.
    const std::vector<CView*> spares = HiddenViews(Frame());
    EXPECT_EQ(BookViews().size(), spares.size());
    for (const BookView& book : BookViews()) {
        CView* spare = HiddenViewOf(Frame(), book.viewClass);
        ASSERT_NE(nullptr, spare) << book.viewClass->m_lpszClassName;
        EXPECT_EQ(nullptr, spare->GetDocument());
        EXPECT_NE(AFX_IDW_PANE_FIRST, spare->GetDlgCtrlID());
    }
    ASSERT_EQ(1u, Document()->GetViews().size());
    EXPECT_EQ(ActiveView(), Document()->GetViews().front());
    // No more work once every book has its spare.
    EXPECT_FALSE(m_app->OnIdle(1));
    // Each spare book is laid out for the document's rows already: its ledger
    // rows, its class list, the sales book's item columns.
    const int rowHeight = Document()->m_nRowHeight;
    ASSERT_GT(rowHeight, 0);
    for (const CRuntimeClass* viewClass : {RUNTIME_CLASS(kanjyo), RUNTIME_CLASS(kinsen), RUNTIME_CLASS(keihi),
                                           RUNTIME_CLASS(CUriage), RUNTIME_CLASS(CSiire)}) {
        auto* book = dynamic_cast<CLedgerBookView*>(HiddenViewOf(Frame(), viewClass));
        ASSERT_NE(nullptr, book) << viewClass->m_lpszClassName;
        EXPECT_EQ(rowHeight, book->m_lbLedger.GetItemHeight(0)) << viewClass->m_lpszClassName;
        EXPECT_EQ(7, book->m_lbClass.GetCount()) << viewClass->m_lpszClassName;
    }
    auto* spareSales = dynamic_cast<CUriage*>(HiddenViewOf(Frame(), RUNTIME_CLASS(CUriage)));
    ASSERT_NE(nullptr, spareSales);
    EXPECT_EQ(5, spareSales->m_lcItems.GetColumnCount());

    // The framework's first update of a frame's views passes over the spares.
    Frame()->SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
    EXPECT_EQ(nullptr, HiddenViewOf(Frame(), RUNTIME_CLASS(kanjyo))->GetDocument());

    CView* spareLedger = HiddenViewOf(Frame(), RUNTIME_CLASS(kanjyo));
    HWND journalWindow = ActiveView()->GetSafeHwnd();
    Send(ID_VIEW_KANJYO);
    PumpWaitingMessages();
    ASSERT_EQ(spareLedger, ActiveView());
    EXPECT_TRUE(ShownByStyle(spareLedger->GetSafeHwnd()));
    EXPECT_EQ(AFX_IDW_PANE_FIRST, spareLedger->GetDlgCtrlID());
    EXPECT_EQ(Document(), spareLedger->GetDocument());
    EXPECT_EQ(2, Document()->m_nCurBook);
    EXPECT_TRUE(static_cast<CView*>(CWnd::FromHandlePermanent(journalWindow))->IsRetired());
    CRect pane;
    spareLedger->GetClientRect(&pane);
    EXPECT_GT(pane.Width(), 0);
    // Shown as a view made at the switch is: its lists were filled from the document.
    auto* ledger = static_cast<kanjyo*>(spareLedger);
    EXPECT_EQ(7, ledger->m_lbClass.GetCount());
    ASSERT_EQ(1u, Document()->GetViews().size());

    // The next idle time destroys the journal view left and makes the taken
    // book's spare again; the others stay.
    EXPECT_EQ(nullptr, HiddenViewOf(Frame(), RUNTIME_CLASS(kanjyo)));
    RunIdleWork(*m_app);
    EXPECT_FALSE(IsWindow(journalWindow));
    EXPECT_NE(nullptr, HiddenViewOf(Frame(), RUNTIME_CLASS(kanjyo)));
    EXPECT_EQ(BookViews().size(), HiddenViews(Frame()).size());

    // The layout done ahead is not done again: the sales book keeps five columns.
    Send(ID_VIEW_URIAGE);
    PumpWaitingMessages();
    ASSERT_EQ(spareSales, ActiveView());
    EXPECT_EQ(5, spareSales->m_lcItems.GetColumnCount());
    EXPECT_EQ(7, spareSales->m_lbClass.GetCount());
}

TEST_F(ViewSwitchTest, ARetiredViewHandlesNoMessageUntilItsWindowGoes)
{
    HWND journalWindow = ActiveView()->GetSafeHwnd();
    Send(ID_VIEW_KANJYO);
    // Messages still on their way to the journal view (its handlers would need the
    // document it left) reach none of its handlers; nothing is asked or changed.
    const int entries = static_cast<int>(Document()->m_arrJournal.GetSize());
    for (UINT command : {1018u, 1004u, static_cast<UINT>(ID_SORT_BY_DATE), static_cast<UINT>(ID_EDIT_PASTE_END)})
        ::PostMessageW(journalWindow, WM_COMMAND, command, 0);
    ::PostMessageW(journalWindow, WM_INITIALUPDATE, 0, 0);
    ::InvalidateRect(journalWindow, nullptr, TRUE);
    PumpWaitingMessages();
    EXPECT_EQ(entries, static_cast<int>(Document()->m_arrJournal.GetSize()));
    EXPECT_TRUE(ActiveView()->IsKindOf(RUNTIME_CLASS(kanjyo)));
    // The frame closing before the idle time takes the retired view with it.
    EXPECT_TRUE(IsWindow(journalWindow));
    EXPECT_TRUE(Close());
    EXPECT_FALSE(IsWindow(journalWindow));
}

TEST_F(ViewSwitchTest, CommandsOfTheBookRangeThatAreNoBookAreDeclined)
{
    CMainFrame* frame = Frame();
    CView* view = ActiveView();
    int declined = 0;
    for (UINT id = ID_VIEW_FIRST; id <= ID_VIEW_LAST; ++id) {
        if (FindBookView(id))
            continue;
        EXPECT_FALSE(frame->OnViewSwitch(id)) << id;
        ++declined;
    }
    EXPECT_EQ(16, declined);
    EXPECT_EQ(view, ActiveView());
}

TEST_F(ViewSwitchTest, TheBookShownAgainKeepsItsView)
{
    Send(ID_VIEW_KANJYO);
    CView* ledger = ActiveView();
    Send(ID_VIEW_KANJYO);
    EXPECT_EQ(ledger, ActiveView());
    EXPECT_TRUE(IsWindow(ledger->GetSafeHwnd()));
}

TEST_F(ViewSwitchTest, CheckMarkFollowsTheLastSwitchOnly)
{
    EXPECT_FALSE(Checked(ID_VIEW_SIWAKE));
    Send(ID_VIEW_KINSEN);
    EXPECT_TRUE(Checked(ID_VIEW_KINSEN));
    Send(ID_VIEW_KESSAN);
    EXPECT_TRUE(Checked(ID_VIEW_KESSAN));
    EXPECT_FALSE(Checked(ID_VIEW_KINSEN));
    EXPECT_FALSE(Checked(ID_HINT_SHOW));
}

TEST_F(ViewSwitchTest, EachViewSetsTheMenuCommandsThatConcernIt)
{
    EXPECT_TRUE(Greyed(ID_LEDGER_PRINT_ALL));
    EXPECT_FALSE(Greyed(ID_SORT_BY_DATE));
    EXPECT_FALSE(Greyed(ID_TRADING_PARTNERS));

    Send(ID_VIEW_KANJYO);
    EXPECT_FALSE(Greyed(ID_LEDGER_PRINT_ALL));
    EXPECT_FALSE(Greyed(ID_LEDGER_PRINT_ALL_PREVIEW));
    EXPECT_TRUE(Greyed(ID_SORT_BY_DATE));
    EXPECT_TRUE(Greyed(ID_KEYWORD_SEARCH));
    EXPECT_FALSE(Greyed(ID_TRADING_PARTNERS));

    Send(ID_VIEW_KINSEN);
    EXPECT_TRUE(Greyed(ID_LEDGER_PRINT_ALL));
    EXPECT_TRUE(Greyed(ID_TRADING_PARTNERS));
    EXPECT_TRUE(Greyed(ID_EDIT_PASTE_END));

    Send(ID_VIEW_SIWAKE);
    EXPECT_TRUE(Greyed(ID_LEDGER_PRINT_ALL));
    EXPECT_FALSE(Greyed(ID_EDIT_PASTE_END));
    EXPECT_FALSE(Greyed(ID_TRADING_PARTNERS));
}

TEST_F(ViewSwitchTest, TheMenuAsShownFollowsTheRoleOfEachBook)
{
    struct Case {
        UINT command;
        bool lines;        // the journal's line commands and the sort
        bool aids;         // the journal's input aids and the search
        bool partners;     // the trading partners
        bool ledgerPrint;  // the all-accounts ledger print and its preview
    } cases[] = {
        {ID_VIEW_SIWAKE, true, true, true, false},
        // The general ledger leaves the partners as the book before it had them.
        {ID_VIEW_KANJYO, false, false, true, true},
        {ID_VIEW_KINSEN, false, false, false, false},
        {ID_VIEW_KEIHI, false, false, false, false},
        {ID_VIEW_URIAGE, false, false, false, false},
        {ID_VIEW_SIIRE, false, false, false, false},
        {ID_VIEW_KESSAN, false, false, false, false},
        {ID_VIEW_SETTEI, false, false, false, false},
        {ID_VIEW_KANJYO, false, false, false, true},
        {ID_VIEW_SIWAKE, true, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "book command " << c.command);
        Send(c.command);
        ASSERT_TRUE(ActiveView()->IsKindOf(FindBookView(c.command)->viewClass));
        for (UINT id : {ID_EDIT_CUT_LINE, ID_EDIT_COPY_LINE, ID_EDIT_PASTE_INSERT, ID_EDIT_PASTE_END, ID_SORT_BY_DATE})
            EXPECT_EQ(!c.lines, Greyed(id)) << id;
        for (UINT id : {ID_OPENING_BALANCE, ID_INVENTORY, ID_BAD_DEBT_ALLOWANCE, ID_KEYWORD_SEARCH})
            EXPECT_EQ(!c.aids, Greyed(id)) << id;
        EXPECT_EQ(!c.partners, Greyed(ID_TRADING_PARTNERS));
        for (UINT id : {ID_LEDGER_PRINT_ALL, ID_LEDGER_PRINT_ALL_PREVIEW})
            EXPECT_EQ(!c.ledgerPrint, Greyed(id)) << id;
        // Every book can be switched to, and the file commands stay on.
        for (const BookView& book : BookViews())
            EXPECT_FALSE(Greyed(book.commandId)) << book.commandId;
        for (UINT id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_PRINT, ID_HELP, ID_APP_ABOUT})
            EXPECT_FALSE(Greyed(id)) << id;
    }
}

TEST_F(ViewSwitchTest, HelpWithoutItsFileSaysSo)
{
    m_answers.htmlHelp = [](const HtmlHelpRequest&) { return FALSE; };
    Send(ID_HELP);
    EXPECT_EQ(std::vector<CString>{CString("HTML HELP(dazeruruvo.chm)を開くことができません。")}, MessagesShown());
}

TEST_F(ViewSwitchTest, AboutBoxOpensModallyInTheMiddleOfTheMainWindowAndClosesWithOk)
{
    Frame()->MoveWindow(150, 100, 900, 700, FALSE);
    UINT shown = 0;
    CRect about;
    m_answers.dialog = [&shown, &about](CDialog& dialog) {
        shown = 100;
        dialog.GetWindowRect(&about);
        dialog.SendMessage(WM_COMMAND, IDOK);
    };
    Send(ID_APP_ABOUT);
    EXPECT_EQ(100u, shown);
    CRect main;
    Frame()->GetWindowRect(&main);
    EXPECT_LE(std::abs((about.left + about.right) - (main.left + main.right)), 2) << about.left << " in " << main.left;
    EXPECT_LE(std::abs((about.top + about.bottom) - (main.top + main.bottom)), 2) << about.top << " in " << main.top;
}

TEST_F(ViewSwitchTest, EveryTabStopOfEveryFormKeepsTheFocusItIsGiven)
{
    // A field that only shows (and hands the focus on when it gets it) is no
    // tab stop: Tab would otherwise jump back to the first control of the form.
    for (const BookView& book : BookViews()) {
        Send(book.commandId);
        PumpWaitingMessages();
        const HWND form = ActiveView()->GetSafeHwnd();
        const HWND first = ::GetNextDlgTabItem(form, nullptr, FALSE);
        ASSERT_NE(nullptr, first) << book.viewClass->m_lpszClassName;
        HWND at = first;
        int stops = 0;
        do {
            ::SetFocus(at);
            const HWND focus = ::GetFocus();
            EXPECT_TRUE(focus == at || ::IsChild(at, focus))
                << book.viewClass->m_lpszClassName << ": control " << ::GetDlgCtrlID(at) << " gives the focus away";
            at = ::GetNextDlgTabItem(form, at, FALSE);
        } while (at && at != first && ++stops < 200);
        EXPECT_LT(stops, 200) << book.viewClass->m_lpszClassName;
    }
}

TEST_F(ViewSwitchTest, TheCaptionNamesTheOpenJournalInEveryBook)
{
    auto caption = [this]() {
        CString text;
        Frame()->GetWindowText(text);
        return text;
    };
    const CString atStart = caption();
    ASSERT_FALSE(Document()->GetTitle().IsEmpty());
    EXPECT_EQ(CString(Document()->GetTitle()) + " - Zirere", atStart);
    // Nor does it change for a moment while a switch is under way.
    static HWND watched;
    static int captionsSet;
    watched = Frame()->GetSafeHwnd();
    captionsSet = 0;
    HHOOK hook = ::SetWindowsHookExW(
        WH_CALLWNDPROC,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
            if (code == HC_ACTION && message->hwnd == watched && message->message == WM_SETTEXT)
                ++captionsSet;
            return ::CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, ::GetCurrentThreadId());
    ASSERT_NE(nullptr, hook);
    // Views made at the switch, then the spares that idle time makes.
    for (int round = 0; round < 2; ++round) {
        for (const BookView& book : BookViews()) {
            Send(book.commandId);
            PumpWaitingMessages();
            EXPECT_EQ(atStart, caption()) << book.viewClass->m_lpszClassName << " round " << round;
            RunIdleWork(*m_app);
        }
    }
    Send(ID_VIEW_SIWAKE);
    ::UnhookWindowsHookEx(hook);
    EXPECT_EQ(atStart, caption());
    EXPECT_EQ(0, captionsSet);
}

}  // namespace

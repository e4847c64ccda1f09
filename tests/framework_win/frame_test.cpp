// The frame: the single-document new-file path, the menu state filled on
// WM_INITMENUPOPUP, the view switch (a view destroyed by the command its own
// button sent), layout, caption and closing with the save question.
#include "app_test_support.h"
#include "framework/win/menu.h"
#include "framework/win/recent_file_list.h"
#include "test_app_ids.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The popup of the frame's menu that holds command id.
HMENU PopupHolding(HWND frame, UINT id)
{
    HMENU bar = ::GetMenu(frame);
    for (int i = 0; i < ::GetMenuItemCount(bar); ++i) {
        HMENU popup = ::GetSubMenu(bar, i);
        if (popup && ::GetMenuState(popup, id, MF_BYCOMMAND) != static_cast<UINT>(-1))
            return popup;
    }
    return nullptr;
}

UINT OpenPopupAndReadState(CFrameWnd* frame, UINT id)
{
    HMENU popup = PopupHolding(frame->m_hWnd, id);
    frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(1, FALSE));
    return ::GetMenuState(popup, id, MF_BYCOMMAND) & (MF_CHECKED | MF_GRAYED);
}

void RemoveTestProfile()
{
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Zirere Framework Tests");
}

}  // namespace

TEST_F(VisibleSingleDocumentTest, NewFilePathCreatesDocumentFrameAndFirstView)
{
    CTestFrame* frame = Frame();
    ASSERT_TRUE(frame->IsKindOf(RUNTIME_CLASS(CTestFrame)));
    EXPECT_TRUE(frame->IsWindowVisible());
    EXPECT_EQ(AfxGetMainWnd(), frame);

    CTestDoc* document = Document();
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->m_nNewDocumentCalls, 1);
    EXPECT_FALSE(document->IsModified());
    ASSERT_EQ(document->GetViews().size(), 1u);

    CTestFormView* view = FormView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(document->GetViews().front(), view);
    EXPECT_EQ(view->GetDocument(), document);
    EXPECT_EQ(view->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    EXPECT_EQ(view->GetParentFrame(), frame);
    // The initial update has filled the form from the document.
    CString name;
    view->GetDlgItemText(IDC_NAME, name);
    EXPECT_STREQ(name, "山田商店");
    EXPECT_EQ(view->GetDlgItemInt(IDC_AMOUNT), 1200u);

    // The view fills the client area; the caption carries the document's title.
    CRect client;
    frame->GetClientRect(&client);
    CRect pane;
    view->GetWindowRect(&pane);
    EXPECT_EQ(pane.Size(), client.Size());
    CString caption;
    frame->GetWindowText(caption);
    EXPECT_STREQ(caption, "無題 - 試験帳簿");
    EXPECT_NE(frame->GetMenu(), nullptr);
}

TEST_F(SingleDocumentTest, DocumentTitleFollowsIntoTheCaption)
{
    Document()->SetTitle("令和6年.siz");
    CString caption;
    Frame()->GetWindowText(caption);
    EXPECT_STREQ(caption, "令和6年.siz - 試験帳簿");
}

TEST_F(SingleDocumentTest, PopupMenuStateComesFromTheUpdateHandlers)
{
    struct Case {
        UINT id;
        BOOL autoEnable;
        UINT state;
    };
    const Case cases[] = {
        // The document handles it: enabled.
        {ID_TEST_DOC_COMMAND, TRUE, MF_ENABLED},
        // Nobody handles it: greyed, unless automatic enabling is off.
        {ID_TEST_UNHANDLED, TRUE, MF_GRAYED},
        {ID_TEST_UNHANDLED, FALSE, MF_ENABLED},
        // The view's update handler greys it whatever the setting.
        {ID_TEST_GREYED_BY_VIEW, TRUE, MF_GRAYED},
        {ID_TEST_GREYED_BY_VIEW, FALSE, MF_GRAYED},
        // The frame's range handler checks no view before the first switch.
        {ID_TEST_VIEW_FORM, TRUE, MF_ENABLED},
    };
    for (const Case& c : cases) {
        ::EnableMenuItem(::GetMenu(Frame()->m_hWnd), c.id, MF_BYCOMMAND | MF_ENABLED);
        Frame()->m_bAutoMenuEnable = c.autoEnable;
        EXPECT_EQ(OpenPopupAndReadState(Frame(), c.id), c.state) << c.id << " auto " << c.autoEnable;
    }
}

TEST_F(SingleDocumentTest, MenuItemGreyedByHandLeftAloneWithoutAutomaticEnabling)
{
    // The program greys items itself and turns automatic enabling off.
    Frame()->m_bAutoMenuEnable = FALSE;
    Frame()->GetMenu()->EnableMenuItem(ID_TEST_DOC_COMMAND, MF_BYCOMMAND | MF_GRAYED);
    EXPECT_EQ(OpenPopupAndReadState(Frame(), ID_TEST_DOC_COMMAND), static_cast<UINT>(MF_GRAYED));
}

TEST_F(SingleDocumentTest, ViewSwitchCheckMarkFollowsTheShownView)
{
    Frame()->SendMessage(WM_COMMAND, ID_TEST_VIEW_SECOND);
    EXPECT_EQ(OpenPopupAndReadState(Frame(), ID_TEST_VIEW_SECOND), static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(OpenPopupAndReadState(Frame(), ID_TEST_VIEW_FORM), static_cast<UINT>(MF_UNCHECKED));
    Frame()->SendMessage(WM_COMMAND, ID_TEST_VIEW_FORM);
    EXPECT_EQ(OpenPopupAndReadState(Frame(), ID_TEST_VIEW_FORM), static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(OpenPopupAndReadState(Frame(), ID_TEST_VIEW_SECOND), static_cast<UINT>(MF_UNCHECKED));
}

TEST_F(SingleDocumentTest, ViewDestroyedByTheCommandItsOwnButtonSentGoesAfterTheHandler)
{
    CTestFormView* view = FormView();
    CWnd* button = view->GetDlgItem(IDC_SWITCH);
    ASSERT_EQ(button, &view->m_switchButton);  // bound by data exchange: its messages pass the framework too
    int releasedBefore = Releases::views;
    CTestFormView::lastSwitch = CTestFormView::SwitchReport{};

    button->SendMessage(BM_CLICK);

    // Inside the handler the window was gone but the object was not.
    EXPECT_TRUE(CTestFormView::lastSwitch.returned);
    EXPECT_TRUE(CTestFormView::lastSwitch.windowGone);
    EXPECT_EQ(CTestFormView::lastSwitch.viewsReleasedDuringHandler, 0);
    EXPECT_EQ(CTestFormView::lastSwitch.counterAfterSwitch, 1);
    // Once the click has returned, it is.
    EXPECT_EQ(Releases::views, releasedBefore + 1);
    CView* shown = Frame()->GetActiveView();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->IsKindOf(RUNTIME_CLASS(CTestSecondView)));
    EXPECT_EQ(shown->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    EXPECT_EQ(Document()->GetViews().size(), 1u);
    EXPECT_EQ(Document()->GetViews().front(), shown);
}

TEST_F(SingleDocumentTest, SwitchingBackBuildsTheViewAnewFromTheDocument)
{
    Document()->m_strName = "佐藤";
    Frame()->SendMessage(WM_COMMAND, ID_TEST_VIEW_SECOND);
    Frame()->GetActiveView()->GetDlgItem(IDC_SWITCH)->SendMessage(BM_CLICK);
    ASSERT_NE(FormView(), nullptr);
    CString name;
    FormView()->GetDlgItemText(IDC_NAME, name);
    EXPECT_STREQ(name, "佐藤");
    // Asking for the view shown does nothing.
    CTestFormView* shown = FormView();
    Frame()->SendMessage(WM_COMMAND, ID_TEST_VIEW_FORM);
    EXPECT_EQ(FormView(), shown);
}

TEST_F(SingleDocumentTest, ClosingAsksToSaveAndCancelKeepsTheWindow)
{
    Document()->SetModifiedFlag(TRUE);
    MessageBoxRequest asked;
    m_answers.messageBox = [&](const MessageBoxRequest& box) {
        asked = box;
        return IDCANCEL;
    };
    Frame()->SendMessage(WM_CLOSE);
    EXPECT_STREQ(asked.text, "無題 への変更を保存しますか?");
    EXPECT_STREQ(asked.caption, "帳簿テスト");
    EXPECT_EQ(asked.style & MB_TYPEMASK, static_cast<UINT>(MB_YESNOCANCEL));
    ASSERT_NE(m_app.m_pMainWnd, nullptr);
    EXPECT_TRUE(Document()->IsModified());
}

TEST_F(SingleDocumentTest, ClosingWithoutSavingReleasesFrameDocumentAndView)
{
    Document()->SetModifiedFlag(TRUE);
    m_answers.messageBox = [](const MessageBoxRequest&) { return IDNO; };
    int frames = Releases::frames;
    int documents = Releases::documents;
    int views = Releases::views;
    Frame()->SendMessage(WM_COMMAND, ID_APP_EXIT);
    EXPECT_EQ(m_app.m_pMainWnd, nullptr);
    EXPECT_EQ(Releases::frames, frames + 1);
    EXPECT_EQ(Releases::documents, documents + 1);
    EXPECT_EQ(Releases::views, views + 1);
}

namespace {

// A frame smaller than the form scrolls it: the controls move with the scroll
// position, shown on the screen or not.
void CheckShrunkenFrameScrollsTheFormAndItsControls(CTestFrame* frame)
{
    auto* view = static_cast<CTestFormView*>(frame->GetActiveView());
    CWnd* bottom = view->GetDlgItem(IDC_BOTTOM);
    auto topOfBottom = [&] {
        CRect r;
        bottom->GetWindowRect(&r);
        view->ScreenToClient(&r);
        return r.top;
    };
    int unscrolled = topOfBottom();
    ASSERT_GT(view->GetTotalSize().cy, 200);

    frame->MoveWindow(20, 20, 300, 200);
    EXPECT_TRUE(view->GetStyle() & WS_VSCROLL);
    EXPECT_TRUE(view->GetStyle() & WS_HSCROLL);
    view->SendMessage(WM_VSCROLL, SB_BOTTOM);
    int scrolled = view->GetScrollPosition().y;
    EXPECT_GT(scrolled, 0);
    EXPECT_EQ(topOfBottom(), unscrolled - scrolled);
    CRect client;
    view->GetClientRect(&client);
    EXPECT_EQ(scrolled, view->GetTotalSize().cy - client.Height());

    // Large enough again: no bars, and the form is back at its origin.
    frame->MoveWindow(20, 20, 1000, 800);
    EXPECT_FALSE(view->GetStyle() & WS_VSCROLL);
    EXPECT_FALSE(view->GetStyle() & WS_HSCROLL);
    EXPECT_EQ(view->GetScrollPosition().y, 0);
    EXPECT_EQ(topOfBottom(), unscrolled);
}

}  // namespace

TEST_F(SingleDocumentTest, ShrunkenFrameScrollsTheFormAndItsControls)
{
    CheckShrunkenFrameScrollsTheFormAndItsControls(Frame());
}

TEST_F(VisibleSingleDocumentTest, ShrunkenFrameScrollsTheFormAndItsControls)
{
    CheckShrunkenFrameScrollsTheFormAndItsControls(Frame());
}

TEST_F(SingleDocumentTest, RecentFileListShowsInTheMenuAndKeepsInTheProfile)
{
    RemoveTestProfile();
    CRecentFileList* list = m_app.m_pRecentFileList;
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->GetSize(), 4);
    EXPECT_EQ(OpenPopupAndReadState(Frame(), ID_FILE_MRU_FILE1), static_cast<UINT>(MF_GRAYED));

    m_app.AddToRecentFileList("C:\\帳簿\\2023.siz");
    m_app.AddToRecentFileList("C:\\帳簿\\2024.siz");
    m_app.AddToRecentFileList("c:\\帳簿\\2023.SIZ");  // the same file: moves up, not twice
    EXPECT_STREQ((*list)[0], "c:\\帳簿\\2023.SIZ");
    EXPECT_STREQ((*list)[1], "C:\\帳簿\\2024.siz");
    EXPECT_TRUE((*list)[2].IsEmpty());

    EXPECT_EQ(OpenPopupAndReadState(Frame(), ID_FILE_MRU_FILE1), static_cast<UINT>(MF_ENABLED));
    HMENU popup = PopupHolding(Frame()->m_hWnd, ID_FILE_MRU_FILE1);
    CString second;
    CMenu::FromHandle(popup)->GetMenuString(ID_FILE_MRU_FILE1 + 1, second, MF_BYCOMMAND);
    EXPECT_STREQ(second, "&2 C:\\帳簿\\2024.siz");

    list->WriteList();
    CRecentFileList reread(ID_FILE_MRU_FIRST, "Recent File List", "File%d", 4);
    reread.ReadList();
    EXPECT_STREQ(reread[0], "c:\\帳簿\\2023.SIZ");
    EXPECT_STREQ(reread[1], "C:\\帳簿\\2024.siz");
    EXPECT_STREQ(m_app.GetProfileString("Recent File List", "File2"), "C:\\帳簿\\2024.siz");
    RemoveTestProfile();
}

namespace {

// Windows of a class that notes which of them received the test's message.
constexpr UINT kNoted = WM_APP + 7;
std::vector<HWND>& NotedWindows()
{
    static std::vector<HWND> noted;
    return noted;
}

HWND MakeNotingWindow(HWND parent)
{
    static const ATOM atom = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = [](HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (message == kNoted && wParam == 1 && lParam == 2)
                NotedWindows().push_back(hWnd);
            return ::DefWindowProcW(hWnd, message, wParam, lParam);
        };
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZirereNotingWindow";
        return ::RegisterClassW(&wc);
    }();
    return ::CreateWindowExW(0, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(atom)), L"",
                             parent ? WS_CHILD : WS_POPUP, 0, 0, 10, 10, parent, nullptr, ::GetModuleHandleW(nullptr),
                             nullptr);
}

}  // namespace

TEST(SendMessageToDescendants, ReachesEveryChildBeforeItsOwnChildrenOrOnlyTheChildren)
{
    HWND top = MakeNotingWindow(nullptr);
    HWND first = MakeNotingWindow(top);
    HWND grandchild = MakeNotingWindow(first);
    HWND second = MakeNotingWindow(top);
    ASSERT_TRUE(top && first && grandchild && second);
    CWnd* wrapped = CWnd::FromHandle(top);

    NotedWindows().clear();
    wrapped->SendMessageToDescendants(kNoted, 1, 2, TRUE);
    EXPECT_EQ((std::vector<HWND>{first, grandchild, second}), NotedWindows());

    NotedWindows().clear();
    wrapped->SendMessageToDescendants(kNoted, 1, 2, FALSE);
    EXPECT_EQ((std::vector<HWND>{first, second}), NotedWindows());
    ::DestroyWindow(top);
}

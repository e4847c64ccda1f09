// Message maps: lookup order (the first entry wins, the derived table before the
// base's), command ranges, declining handlers, typed decoding of window
// messages, reflection of a control's notifications, and the command route of
// a frame (view, document, frame, application).
#include "app_test_support.h"
#include "framework/win/cmd_ui.h"
#include "test_app_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kSingle = 40001;
constexpr UINT kRangeFirst = 40000;
constexpr UINT kRangeLast = 40009;
constexpr UINT kDeclined = 40005;
constexpr UINT kOnlyInBase = 40020;

// Records which handler took each command.
class RecordingTarget : public CCmdTarget {
    DECLARE_MESSAGE_MAP(RecordingTarget)
public:
    void OnSingle() { taken.push_back("single"); }
    void OnRange(UINT id) { taken.push_back("range " + std::to_string(id)); }
    BOOL OnMaybe(UINT id)
    {
        taken.push_back("maybe " + std::to_string(id));
        return id != kDeclined;
    }
    void OnBase() { taken.push_back("base"); }
    void OnUpdateSingle(CCmdUI* cmdUI) { cmdUI->Enable(FALSE); }

    std::vector<std::string> taken;
};

const MessageMap* RecordingTarget::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<RecordingTarget>(
        on::Command(kOnlyInBase, &RecordingTarget::OnBase),
        on::Command(kSingle, &RecordingTarget::OnBase));
    return &map;
}

// The derived table: the single entry comes before the range that contains it;
// a declining handler lets the search go on to the range.
class DerivedTarget : public RecordingTarget {
    DECLARE_MESSAGE_MAP(DerivedTarget)
};

const MessageMap* DerivedTarget::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<DerivedTarget>(
        on::Command(kSingle, &DerivedTarget::OnSingle),
        on::CommandEx(kDeclined, &DerivedTarget::OnMaybe),
        on::CommandRange(kRangeFirst, kRangeLast, &DerivedTarget::OnRange),
        on::UpdateCommandUI(kSingle, &DerivedTarget::OnUpdateSingle));
    return &map;
}

// The same entries with the range first: the range takes the single id.
class RangeFirstTarget : public RecordingTarget {
    DECLARE_MESSAGE_MAP(RangeFirstTarget)
};

const MessageMap* RangeFirstTarget::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<RangeFirstTarget>(
        on::CommandRange(kRangeFirst, kRangeLast, &RangeFirstTarget::OnRange),
        on::Command(kSingle, &RangeFirstTarget::OnSingle));
    return &map;
}

// A class without a table of its own between two with tables.
class PassThroughTarget : public DerivedTarget {};

class LeafTarget : public PassThroughTarget {
    DECLARE_MESSAGE_MAP(LeafTarget)
};

const MessageMap* LeafTarget::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<LeafTarget>(on::Command(kRangeLast + 1, &LeafTarget::OnBase));
    return &map;
}

TEST(MessageMapTest, EachTableChainsToTheNearestBaseWithATable)
{
    EXPECT_EQ(nullptr, CCmdTarget::GetThisMessageMap()->Base());
    EXPECT_EQ(CCmdTarget::GetThisMessageMap(), RecordingTarget::GetThisMessageMap()->Base());
    EXPECT_EQ(RecordingTarget::GetThisMessageMap(), DerivedTarget::GetThisMessageMap()->Base());
    EXPECT_EQ(DerivedTarget::GetThisMessageMap(), LeafTarget::GetThisMessageMap()->Base());
    EXPECT_EQ(CWnd::GetThisMessageMap(), CFrameWnd::GetThisMessageMap()->Base());

    LeafTarget leaf;
    EXPECT_TRUE(leaf.OnCmdMsg(kSingle, CN_COMMAND, nullptr, nullptr));
    EXPECT_TRUE(leaf.OnCmdMsg(kRangeLast + 1, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ((std::vector<std::string>{"single", "base"}), leaf.taken);
}

TEST(MessageMapTest, FirstMatchingEntryTakesTheCommand)
{
    struct Case {
        UINT id;
        std::vector<std::string> derived;
        std::vector<std::string> rangeFirst;
    };
    const Case cases[] = {
        {kSingle, {"single"}, {"range 40001"}},
        {kRangeFirst, {"range 40000"}, {"range 40000"}},
        {kRangeLast, {"range 40009"}, {"range 40009"}},
        {kDeclined, {"maybe 40005", "range 40005"}, {"range 40005"}},
        {kOnlyInBase, {"base"}, {"base"}},
    };
    for (const Case& c : cases) {
        DerivedTarget derived;
        RangeFirstTarget rangeFirst;
        EXPECT_TRUE(derived.OnCmdMsg(c.id, CN_COMMAND, nullptr, nullptr)) << c.id;
        EXPECT_TRUE(rangeFirst.OnCmdMsg(c.id, CN_COMMAND, nullptr, nullptr)) << c.id;
        EXPECT_EQ(derived.taken, c.derived) << c.id;
        EXPECT_EQ(rangeFirst.taken, c.rangeFirst) << c.id;
    }
}

constexpr UINT kControlFirst = 41000;
constexpr UINT kControlLast = 41010;
constexpr UINT kControlDeclined = 41005;

// Control notifications of a range: the declining range comes first, a single
// entry for the id it declines after it, and a range of another code.
class ControlRangeTarget : public RecordingTarget {
    DECLARE_MESSAGE_MAP(ControlRangeTarget)
public:
    BOOL OnMaybeControl(UINT id)
    {
        taken.push_back("maybe " + std::to_string(id));
        return id != kControlDeclined;
    }
};

const MessageMap* ControlRangeTarget::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<ControlRangeTarget>(
        on::ControlRangeEx(CBN_SETFOCUS, kControlFirst, kControlLast, &ControlRangeTarget::OnMaybeControl),
        on::Control(CBN_SETFOCUS, kControlDeclined, &ControlRangeTarget::OnSingle),
        on::ControlRange(CBN_KILLFOCUS, kControlFirst, kControlLast, &ControlRangeTarget::OnRange));
    return &map;
}

TEST(MessageMapTest, ControlRangesTakeTheirCodeAndHandTheIdOver)
{
    struct Case {
        UINT id;
        int code;
        bool taken;
        std::vector<std::string> handlers;
    };
    const Case cases[] = {
        {kControlFirst, CBN_SETFOCUS, true, {"maybe 41000"}},
        {kControlLast, CBN_SETFOCUS, true, {"maybe 41010"}},
        {kControlDeclined, CBN_SETFOCUS, true, {"maybe 41005", "single"}},
        {kControlFirst + 3, CBN_KILLFOCUS, true, {"range 41003"}},
        {kControlDeclined, CBN_KILLFOCUS, true, {"range 41005"}},
        {kControlLast + 1, CBN_SETFOCUS, false, {}},
        {kControlFirst - 1, CBN_KILLFOCUS, false, {}},
        {kControlFirst + 3, CBN_SELCHANGE, false, {}},
    };
    for (const Case& c : cases) {
        ControlRangeTarget target;
        EXPECT_EQ(c.taken, target.OnCmdMsg(c.id, c.code, nullptr, nullptr) != FALSE) << c.id << " " << c.code;
        EXPECT_EQ(c.handlers, target.taken) << c.id << " " << c.code;
    }
}

TEST(MessageMapTest, CommandsOutsideEveryEntryAreNotTaken)
{
    DerivedTarget target;
    EXPECT_FALSE(target.OnCmdMsg(kRangeLast + 1, CN_COMMAND, nullptr, nullptr));
    // A control notification other than a click is not a command entry.
    EXPECT_FALSE(target.OnCmdMsg(kSingle, EN_CHANGE, nullptr, nullptr));
    EXPECT_TRUE(target.taken.empty());
}

TEST(MessageMapTest, HandlerQueryFindsWithoutCalling)
{
    DerivedTarget target;
    AFX_CMDHANDLERINFO info;
    EXPECT_TRUE(target.OnCmdMsg(kSingle, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(info.pTarget, &target);
    EXPECT_FALSE(target.OnCmdMsg(kRangeLast + 1, CN_COMMAND, nullptr, &info));
    EXPECT_TRUE(target.taken.empty());
}

// A window with typed handlers of window messages, control notifications and
// WM_NOTIFY, recording the decoded arguments.
class DecodingWindow : public CWnd {
    DECLARE_MESSAGE_MAP(DecodingWindow)
public:
    void OnSize(UINT type, int cx, int cy) { log.push_back("size " + std::to_string(type) + " " + std::to_string(cx) + " " + std::to_string(cy)); }
    void OnLButtonDown(UINT flags, CPoint point)
    {
        log.push_back("down " + std::to_string(flags) + " " + std::to_string(point.x) + " " + std::to_string(point.y));
    }
    void OnChar(UINT ch, UINT repeat, UINT flags)
    {
        log.push_back("char " + std::to_string(ch) + " " + std::to_string(repeat) + " " + std::to_string(flags));
    }
    void OnSetFocus(CWnd* old) { log.push_back(std::string("focus ") + (old ? "from window" : "from none")); }
    void OnEditChange() { log.push_back("edit change"); }
    void OnNotifyClick(NMHDR* header, LRESULT* result)
    {
        log.push_back("notify " + std::to_string(header->idFrom));
        *result = 42;
    }
    LRESULT OnPrivate(WPARAM wParam, LPARAM lParam)
    {
        log.push_back("private " + std::to_string(wParam) + " " + std::to_string(lParam));
        return 7;
    }

    std::vector<std::string> log;
};

constexpr UINT kPrivateMessage = WM_APP + 5;
constexpr UINT kEditId = 300;

const MessageMap* DecodingWindow::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<DecodingWindow>(
        on::Size(&DecodingWindow::OnSize),
        on::LButtonDown(&DecodingWindow::OnLButtonDown),
        on::Char(&DecodingWindow::OnChar),
        on::SetFocus(&DecodingWindow::OnSetFocus),
        on::Control(EN_CHANGE, kEditId, &DecodingWindow::OnEditChange),
        on::Notify(NM_CLICK, kEditId, &DecodingWindow::OnNotifyClick),
        on::Message(kPrivateMessage, &DecodingWindow::OnPrivate));
    return &map;
}

TEST(MessageMapTest, WindowMessagesReachTypedHandlersDecodedOnce)
{
    DecodingWindow window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "decoding", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    window.log.clear();

    window.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
    // Coordinates left of or above the window arrive negative.
    window.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(-5), 12));
    window.SendMessage(WM_CHAR, 'A', MAKELPARAM(3, 0x1E));
    window.SendMessage(WM_SETFOCUS, 0, 0);
    EXPECT_EQ(window.SendMessage(kPrivateMessage, 9, 11), 7);

    NMHDR header{nullptr, kEditId, static_cast<UINT>(NM_CLICK)};
    EXPECT_EQ(window.SendMessage(WM_NOTIFY, kEditId, reinterpret_cast<LPARAM>(&header)), 42);
    window.SendMessage(WM_COMMAND, MAKEWPARAM(kEditId, EN_CHANGE), reinterpret_cast<LPARAM>(window.m_hWnd));

    const std::vector<std::string> expected = {
        "size 0 300 200", "down 1 -5 12", "char 65 3 30", "focus from none", "private 9 11", "notify 300",
        "edit change",
    };
    EXPECT_EQ(window.log, expected);
    window.DestroyWindow();
}

// A control that takes its own clicks and static colour back from its parent.
class SelfHandlingButton : public CWnd {
    DECLARE_MESSAGE_MAP(SelfHandlingButton)
public:
    void OnClicked() { ++clicks; }
    HBRUSH CtlColor(CDC*, UINT) { return static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)); }
    int clicks = 0;
};

const MessageMap* SelfHandlingButton::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<SelfHandlingButton>(
        on::ControlReflect(BN_CLICKED, &SelfHandlingButton::OnClicked),
        on::CtlColorReflect(&SelfHandlingButton::CtlColor));
    return &map;
}

class ParentWindow : public CWnd {
    DECLARE_MESSAGE_MAP(ParentWindow)
public:
    void OnButton() { ++parentClicks; }
    int parentClicks = 0;
};

constexpr UINT kButtonId = 310;
constexpr UINT kPlainButtonId = 311;

const MessageMap* ParentWindow::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<ParentWindow>(
        on::Control(BN_CLICKED, kButtonId, &ParentWindow::OnButton),
        on::Control(BN_CLICKED, kPlainButtonId, &ParentWindow::OnButton));
    return &map;
}

TEST(MessageMapTest, ControlTakesItsReflectedNotificationBeforeTheParent)
{
    ParentWindow parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    SelfHandlingButton button;
    ASSERT_TRUE(button.Create("BUTTON", "ボタン", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 80, 20), &parent,
                              kButtonId));
    CWnd plain;
    ASSERT_TRUE(plain.Create("BUTTON", "普通", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 30, 80, 50), &parent,
                             kPlainButtonId));

    button.SendMessage(BM_CLICK);
    EXPECT_EQ(button.clicks, 1);
    EXPECT_EQ(parent.parentClicks, 0);

    plain.SendMessage(BM_CLICK);
    EXPECT_EQ(parent.parentClicks, 1);

    // The parent's default colour handling asks the control first.
    HDC dc = ::GetDC(parent.m_hWnd);
    LRESULT brush = parent.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(button.m_hWnd));
    ::ReleaseDC(parent.m_hWnd, dc);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
    parent.DestroyWindow();
}

class TreeParent : public CWnd {
    DECLARE_MESSAGE_MAP(TreeParent)
public:
    void OnSelChanged(NMHDR* header, LRESULT*) { selected.push_back(reinterpret_cast<NMTREEVIEW*>(header)->itemNew.hItem); }
    std::vector<HTREEITEM> selected;
};

constexpr UINT kTreeId = 320;

const MessageMap* TreeParent::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<TreeParent>(
        on::Notify(TVN_SELCHANGED, kTreeId, &TreeParent::OnSelChanged));
    return &map;
}

TEST(MessageMapTest, TreeViewSelectionReachesTheEntryForItsGenericName)
{
    TreeParent parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "tree", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr));
    HWND tree = ::CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 200, 200, parent.m_hWnd,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kTreeId)), nullptr, nullptr);
    ASSERT_NE(tree, nullptr);
    TVINSERTSTRUCTW insert{};
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<wchar_t*>(L"売上");
    auto item = reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    ::SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    ASSERT_EQ(parent.selected.size(), 1u);
    EXPECT_EQ(parent.selected[0], item);
    parent.DestroyWindow();
}

TEST(MessageMapTest, ObjectsOfHandlesFollowAttachAndDestruction)
{
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "map", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND hWnd = window.m_hWnd;
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), &window);
    EXPECT_EQ(CWnd::FromHandle(hWnd), &window);

    // A window the framework did not make is wrapped for the moment only.
    HWND foreign = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    CWnd* wrapper = CWnd::FromHandle(foreign);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->m_hWnd, foreign);
    EXPECT_EQ(CWnd::FromHandlePermanent(foreign), nullptr);
    CWnd::DeleteTempMap();
    EXPECT_TRUE(::IsWindow(foreign));
    ::DestroyWindow(foreign);

    window.DestroyWindow();
    EXPECT_EQ(window.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

}  // namespace

// The command route of the single-document frame.

TEST_F(SingleDocumentTest, FrameCommandGoesToTheDocumentWhenTheViewHasNoHandler)
{
    Frame()->SendMessage(WM_COMMAND, ID_TEST_DOC_COMMAND);
    EXPECT_EQ(Document()->m_nDocCommands, 1);
}

TEST_F(SingleDocumentTest, ViewHandlerComesBeforeTheDocument)
{
    // The view takes ID_TEST_GREYED_BY_VIEW (and greys it) and the document has a
    // handler too: asked directly, the view's entry wins.
    EXPECT_TRUE(Frame()->OnCmdMsg(ID_TEST_GREYED_BY_VIEW, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(FormView()->m_nGreyedCommands, 1);
    EXPECT_EQ(Document()->m_nViewCommandsAtDocument, 0);
}

TEST_F(SingleDocumentTest, MenuCommandGreyedByAnUpdateHandlerIsNotCarriedOut)
{
    Frame()->SendMessage(WM_COMMAND, ID_TEST_GREYED_BY_VIEW);
    EXPECT_EQ(FormView()->m_nGreyedCommands, 0);
    EXPECT_EQ(Document()->m_nViewCommandsAtDocument, 0);
}

TEST_F(SingleDocumentTest, FrameCommandReachesTheApplicationLast)
{
    // ID_APP_EXIT is the application's: it closes the main window, after the
    // document's save question (not modified here, so none).
    Frame()->SendMessage(WM_COMMAND, ID_APP_EXIT);
    EXPECT_EQ(m_app.m_pMainWnd, nullptr);
}

TEST_F(SingleDocumentTest, AcceleratorsGoThroughTheFormViewsKeyFilter)
{
    CWnd* name = FormView()->GetDlgItem(IDC_NAME);
    // F7 is the document's command; F8 a command the view greys: nothing happens.
    for (UINT key : {VK_F7, VK_F8}) {
        name->PostMessage(WM_KEYDOWN, key, 0);
        name->PostMessage(WM_KEYUP, key, 0xC0000000);
    }
    PumpWaitingMessages();
    EXPECT_EQ(Document()->m_nDocCommands, 1);
    EXPECT_EQ(FormView()->m_nGreyedCommands, 0);
}

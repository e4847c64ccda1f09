// What the framework does when something fails underneath it: data exchange
// naming a control the window lacks, a message queue that fails, a frame whose
// creation fails, and a scroll bar the system refuses to set.
#include "app_test_support.h"
#include "framework/file_exception.h"
#include "framework/win/data_exchange.h"
#include "framework/win/exception_boundary.h"
#include "framework/win/message_box.h"
#include "test_app_ids.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <new>
#include <stdexcept>
#include <vector>

namespace {

constexpr int IDC_MISSING = 1999;

// A dialog whose data exchange table the test gives.
class CTableDlg : public CDialog {
public:
    CTableDlg() : CDialog(IDD_TEST_DIALOG) {}
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        if (exchange)
            exchange(pDX);
    }
    std::function<void(CDataExchange*)> exchange;
};

// Records every message box and answers OK.
class MessageBoxesShown {
public:
    MessageBoxesShown()
    {
        m_answers.messageBox = [this](const MessageBoxRequest& box) {
            boxes.push_back(box);
            return IDOK;
        };
    }
    std::vector<MessageBoxRequest> boxes;

private:
    ModalAnswers m_answers;
};

}  // namespace

// What escapes a handler is told in the user's words: a library's own text (an
// exception's what()) and the framework's cause numbers never reach the box.
TEST(EscapedExceptionTest, TheReportHoldsNoInternalText)
{
    const CString failed = "処理を続けられないエラーが起きました。";
    const struct {
        const char* what;
        std::exception_ptr escaped;
        CString text;
    } cases[] = {
        {"an index out of range", std::make_exception_ptr(std::out_of_range("vector::_M_range_check: __n (which is 40)")),
         failed},
        {"a library's failure", std::make_exception_ptr(std::runtime_error("basic_string::_M_create")), failed},
        {"a full disk", std::make_exception_ptr(CFileException(CFileException::diskFull, 112, "C:\\x.siz")),
         failed + "\nファイル: C:\\x.siz\n理由: ディスクの空き容量が足りません。"},
        {"a damaged file", std::make_exception_ptr(CArchiveException(CArchiveException::badSchema)),
         failed + "\n理由: ファイルの内容が壊れています。"},
        {"no memory", std::make_exception_ptr(std::bad_alloc()), failed + "\nメモリが足りません。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MessageBoxesShown shown;
        ReportEscapedException(c.escaped);
        ASSERT_EQ(1u, shown.boxes.size());
        EXPECT_EQ(c.text, shown.boxes[0].text);
    }
}

TEST(DataExchangeFailureTest, ControlTheWindowLacksIsReportedAsAProgrammingError)
{
    CString text;
    int number = 0;
    UINT count = 0;
    long amount = 0;
    int index = 0;
    CWnd control;
    struct Case {
        const char* routine;
        std::function<void(CDataExchange*)> exchange;
    };
    const Case cases[] = {
        {"DDX_Text text", [&](CDataExchange* pDX) { DDX_Text(pDX, IDC_MISSING, text); }},
        {"DDX_Text int", [&](CDataExchange* pDX) { DDX_Text(pDX, IDC_MISSING, number); }},
        {"DDX_Text UINT", [&](CDataExchange* pDX) { DDX_Text(pDX, IDC_MISSING, count); }},
        {"DDX_Text long", [&](CDataExchange* pDX) { DDX_Text(pDX, IDC_MISSING, amount); }},
        {"DDX_Check", [&](CDataExchange* pDX) { DDX_Check(pDX, IDC_MISSING, number); }},
        {"DDX_Radio", [&](CDataExchange* pDX) { DDX_Radio(pDX, IDC_MISSING, index); }},
        {"DDX_LBIndex", [&](CDataExchange* pDX) { DDX_LBIndex(pDX, IDC_MISSING, index); }},
        {"DDX_CBIndex", [&](CDataExchange* pDX) { DDX_CBIndex(pDX, IDC_MISSING, index); }},
        {"DDX_LBString", [&](CDataExchange* pDX) { DDX_LBString(pDX, IDC_MISSING, text); }},
        {"DDX_CBString", [&](CDataExchange* pDX) { DDX_CBString(pDX, IDC_MISSING, text); }},
        {"DDX_Control", [&](CDataExchange* pDX) { DDX_Control(pDX, IDC_MISSING, control); }},
        // The entries before it have done their part; the report names the missing one.
        {"after a sound entry",
         [&](CDataExchange* pDX) {
             DDX_Text(pDX, IDC_NAME, text);
             DDX_Text(pDX, IDC_MISSING, number);
         }},
    };

    CTableDlg dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG));
    for (const Case& c : cases) {
        for (BOOL save : {FALSE, TRUE}) {
            SCOPED_TRACE(testing::Message() << c.routine << (save ? " reading" : " filling"));
            MessageBoxesShown shown;
            dialog.exchange = c.exchange;
            EXPECT_FALSE(dialog.UpdateData(save));
            ASSERT_EQ(shown.boxes.size(), 1u);
            const CString& report = shown.boxes[0].text;
            EXPECT_NE(report.Find("プログラムの誤り"), -1) << static_cast<LPCTSTR>(report);
            EXPECT_NE(report.Find("1999"), -1) << static_cast<LPCTSTR>(report);
            EXPECT_NE(report.Find("CTableDlg"), -1) << static_cast<LPCTSTR>(report);
            EXPECT_EQ(shown.boxes[0].style & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
            EXPECT_TRUE(::IsWindow(dialog.m_hWnd));
        }
    }
    EXPECT_EQ(control.m_hWnd, nullptr);
    dialog.DestroyWindow();
}

TEST(DataExchangeFailureTest, ModalDialogWithAMissingControlEndsAfterTheReport)
{
    ModalAnswers answers;
    std::vector<CString> shown;
    answers.messageBox = [&](const MessageBoxRequest& box) {
        shown.push_back(box.text);
        return IDOK;
    };
    bool driven = false;
    answers.dialogs[IDD_TEST_DIALOG] = [&](CDialog& live) {
        driven = true;
        live.EndDialog(IDOK);
    };
    CTableDlg dialog;
    CString name;
    dialog.exchange = [&](CDataExchange* pDX) { DDX_Text(pDX, IDC_MISSING, name); };
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_FALSE(driven);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].Find("1999"), -1);
}

namespace {

// A message queue played by the test: what the message loops take next.
struct PlayedQueue {
    static BOOL answer;
    static WPARAM quitCode;

    static BOOL Take(MSG* msg)
    {
        // Whatever a failing GetMessage leaves behind is not a message.
        std::memset(msg, 0x5A, sizeof(*msg));
        if (answer == 0) {
            msg->message = WM_QUIT;
            msg->hwnd = nullptr;
            msg->wParam = quitCode;
        }
        return answer;
    }
};

BOOL PlayedQueue::answer = 0;
WPARAM PlayedQueue::quitCode = 0;

class ScopedMessageSource {
public:
    explicit ScopedMessageSource(MessageSource source) : m_previous(AfxSetMessageSource(source)) {}
    ~ScopedMessageSource() { AfxSetMessageSource(m_previous); }
    ScopedMessageSource(const ScopedMessageSource&) = delete;
    ScopedMessageSource& operator=(const ScopedMessageSource&) = delete;

private:
    MessageSource m_previous;
};

// The quit message waiting in this thread's queue, if any: its code, or -1.
long long TakeQuitMessage()
{
    MSG msg{};
    if (!::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        return -1;
    return static_cast<long long>(msg.wParam);
}

}  // namespace

TEST(MessageLoopTest, ApplicationLoopEndsOnQuitAndOnAFailingQueue)
{
    struct Case {
        const char* queue;
        BOOL answer;
        int exitCode;
    };
    const Case cases[] = {
        {"quit message", 0, 7},
        // A failing queue leaves no message to read its code from: the loop ends with -1.
        {"failing queue", -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.queue);
        PlayedQueue::answer = c.answer;
        PlayedQueue::quitCode = 7;
        ScopedMessageSource source(&PlayedQueue::Take);
        CWinApp app;
        EXPECT_EQ(app.Run(), c.exitCode);
    }
}

TEST(MessageLoopTest, DialogLoopPassesQuitOnButNotAFailingQueue)
{
    // No answers and no refusal: the dialog runs its own loop on the played queue.
    ModalAnswers::RefuseUnanswered(nullptr);
    struct Case {
        const char* queue;
        BOOL answer;
        long long quitPosted;
    };
    const Case cases[] = {
        {"quit message", 0, 9},
        {"failing queue", -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.queue);
        TakeQuitMessage();
        PlayedQueue::answer = c.answer;
        PlayedQueue::quitCode = 9;
        INT_PTR result = 0;
        {
            ScopedMessageSource source(&PlayedQueue::Take);
            CDialog notice(IDD_TEST_NOTICE);
            result = notice.DoModal();
            EXPECT_EQ(notice.m_hWnd, nullptr);
        }
        EXPECT_EQ(result, -1);
        EXPECT_EQ(TakeQuitMessage(), c.quitPosted);
    }
    ModalAnswers::RefuseUnanswered([](const CString& what) { ADD_FAILURE() << static_cast<LPCTSTR>(what); });
}

namespace {

// Frames whose creation fails, before the window exists or in its WM_CREATE;
// each notes the menu handle the creation was given.
HMENU g_menuOfFailedFrame = nullptr;

class CFrameRefusedBeforeCreation : public CFrameWnd {
public:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override
    {
        g_menuOfFailedFrame = cs.hMenu;
        return FALSE;
    }
};

class CFrameRefusingItsCreation : public CFrameWnd {
    DECLARE_MESSAGE_MAP(CFrameRefusingItsCreation)
public:
    int OnCreate(LPCREATESTRUCT)
    {
        g_menuOfFailedFrame = ::GetMenu(m_hWnd);
        return -1;
    }
};

const MessageMap* CFrameRefusingItsCreation::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CFrameRefusingItsCreation>(
        on::Create(&CFrameRefusingItsCreation::OnCreate));
    return &map;
}

}  // namespace

TEST(FrameFailureTest, FailedCreationLeavesNoMenuBehind)
{
    struct Case {
        const char* when;
        std::function<CFrameWnd*()> make;
    };
    const Case cases[] = {
        {"before the window exists", [] { return new CFrameRefusedBeforeCreation; }},
        {"in WM_CREATE", [] { return new CFrameRefusingItsCreation; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.when);
        g_menuOfFailedFrame = nullptr;
        // The frame releases itself when its creation fails.
        EXPECT_FALSE(c.make()->LoadFrame(IDR_TEST_FRAME, WS_OVERLAPPEDWINDOW));
        ASSERT_NE(g_menuOfFailedFrame, nullptr);
        EXPECT_FALSE(::IsMenu(g_menuOfFailedFrame));
    }
}

TEST(ScrollBarTest, SetScrollInfoTellsWhetherTheSystemTookIt)
{
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "scrolls", WS_POPUP | WS_VSCROLL, 0, 0, 200, 100, nullptr, nullptr));
    SCROLLINFO info{};
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = 99;
    info.nPage = 10;
    // Position 0 is also what a failure answers: it must still read as done.
    info.nPos = 0;
    EXPECT_TRUE(window.SetScrollInfo(SB_VERT, &info));
    info.nPos = 40;
    EXPECT_TRUE(window.SetScrollInfo(SB_VERT, &info));
    EXPECT_EQ(window.GetScrollPos(SB_VERT), 40);
    // No such scroll bar.
    EXPECT_FALSE(window.SetScrollInfo(7, &info));

    HWND gone = window.m_hWnd;
    window.DestroyWindow();
    EXPECT_FALSE(window.SetScrollInfo(SB_VERT, &info));
    // A handle whose window has gone.
    EXPECT_FALSE(CWnd::FromHandle(gone)->SetScrollInfo(SB_VERT, &info));
    CWnd::DeleteTempMap();
}

// Dialogs: a modal dialog driven through the modal seam, its own modal loop
// with pre-translation, interactions nobody answers, a self-deleting modeless
// dialog, and a dialog's colour handler.
#include "app_test_support.h"
#include "framework/win/data_exchange.h"
#include "framework/win/dc.h"
#include "framework/win/gdi_objects.h"
#include "framework/win/message_box.h"
#include "test_app_ids.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

class CAccountDlg : public CDialog {
    DECLARE_MESSAGE_MAP(CAccountDlg)
public:
    explicit CAccountDlg(CWnd* parent = nullptr) : CDialog(IDD_TEST_DIALOG, parent) {}

    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDX_Text(pDX, IDC_AMOUNT, m_nCount);
        DDX_Check(pDX, IDC_FLAG, m_nRegister);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_bInitialised = true;
        return TRUE;
    }
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        if (nCtlColor == CTLCOLOR_STATIC) {
            pDC->SetTextColor(RGB(0, 0, 128));
            return m_brush;
        }
        return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    }

    CString m_strName = "現金";
    int m_nCount = 1;
    int m_nRegister = 0;
    bool m_bInitialised = false;
    CBrush m_brush;
};

const MessageMap* CAccountDlg::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CAccountDlg>(
        on::CtlColor(&CAccountDlg::OnCtlColor));
    return &map;
}

// Collects what the refusal reports instead of failing the test, while it lives.
class CollectRefusals {
public:
    CollectRefusals()
    {
        ModalAnswers::RefuseUnanswered([this](const CString& what) { reported.push_back(what); });
    }
    ~CollectRefusals()
    {
        ModalAnswers::RefuseUnanswered([](const CString& what) { ADD_FAILURE() << static_cast<LPCTSTR>(what); });
    }
    std::vector<CString> reported;
};

}  // namespace

TEST_F(SingleDocumentTest, ModalDialogIsDrivenThroughTheSeam)
{
    CAccountDlg dialog;
    dialog.m_strName = "旅費交通費";
    bool ownerDisabled = false;
    CWnd* owner = nullptr;
    CString shownName;
    m_answers.dialog = [&](CDialog& live) {
        EXPECT_TRUE(static_cast<CAccountDlg&>(live).m_bInitialised);
        live.GetDlgItemText(IDC_NAME, shownName);
        ownerDisabled = !Frame()->IsWindowEnabled();
        owner = live.GetOwner();
        live.SetDlgItemText(IDC_NAME, "通信費");
        live.SetDlgItemText(IDC_AMOUNT, "3");
        live.CheckDlgButton(IDC_FLAG, BST_CHECKED);
        live.SendMessage(WM_COMMAND, IDOK);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_STREQ(shownName, "旅費交通費");
    EXPECT_TRUE(ownerDisabled);
    EXPECT_EQ(owner, Frame());
    EXPECT_TRUE(Frame()->IsWindowEnabled());
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_STREQ(dialog.m_strName, "通信費");
    EXPECT_EQ(dialog.m_nCount, 3);
    EXPECT_EQ(dialog.m_nRegister, 1);
    ASSERT_FALSE(m_answers.asked.empty());
    EXPECT_STREQ(m_answers.asked.back(), "dialog: 202");
}

TEST_F(SingleDocumentTest, CancelledDialogLeavesTheMembersAlone)
{
    CAccountDlg dialog;
    m_answers.dialog = [](CDialog& live) {
        live.SetDlgItemText(IDC_NAME, "変更");
        live.SendMessage(WM_COMMAND, IDCANCEL);
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_STREQ(dialog.m_strName, "現金");
}

TEST_F(SingleDocumentTest, InvalidEntryKeepsTheDialogOpenWithAMessage)
{
    CAccountDlg dialog;
    std::vector<CString> messages;
    m_answers.messageBox = [&](const MessageBoxRequest& box) {
        messages.push_back(box.text);
        return IDOK;
    };
    m_answers.dialog = [&](CDialog& live) {
        live.SetDlgItemText(IDC_AMOUNT, "三");
        live.SendMessage(WM_COMMAND, IDOK);
        live.SetDlgItemText(IDC_AMOUNT, "3");
        live.SendMessage(WM_COMMAND, IDOK);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_STREQ(messages[0], "整数を入力してください。");
    EXPECT_EQ(dialog.m_nCount, 3);
}

TEST(DialogTest, UnansweredInteractionsAreReportedAndDeclined)
{
    CollectRefusals refusals;
    CAccountDlg dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_FALSE(dialog.m_bInitialised);

    struct Case {
        UINT style;
        int answer;
    };
    const Case cases[] = {{MB_OK, IDOK},
                          {MB_OKCANCEL, IDCANCEL},
                          {MB_YESNO | MB_ICONQUESTION, IDNO},
                          {MB_YESNOCANCEL, IDCANCEL},
                          {MB_RETRYCANCEL, IDCANCEL}};
    for (const Case& c : cases)
        EXPECT_EQ(AfxMessageBox("保存しますか?", c.style), c.answer) << c.style;

    ASSERT_EQ(refusals.reported.size(), 6u);
    EXPECT_STREQ(refusals.reported[0], "unanswered dialog: 202");
    EXPECT_STREQ(refusals.reported[1], "unanswered message box: 保存しますか?");
}

TEST(DialogTest, HandlerThatLeavesTheDialogOpenIsReported)
{
    CollectRefusals refusals;
    ModalAnswers answers;
    answers.dialog = [](CDialog&) {};
    CAccountDlg dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    ASSERT_EQ(refusals.reported.size(), 1u);
    EXPECT_STREQ(refusals.reported[0], "dialog 202 left open by its handler");
}

TEST(DialogTest, MissingTemplateEndsAtOnce)
{
    ModalAnswers answers;
    bool called = false;
    answers.dialog = [&](CDialog&) { called = true; };
    CDialog dialog(IDD_TEST_MISSING);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_FALSE(called);
}

namespace {

// Ends itself through the keyboard: Enter reaches the dialog manager only if the
// modal loop pre-translates the messages. A timer ends a loop that never does.
class CEnterDlg : public CAccountDlg {
    DECLARE_MESSAGE_MAP(CEnterDlg)
public:
    BOOL OnInitDialog() override
    {
        CAccountDlg::OnInitDialog();
        SetTimer(1, 5000);
        HWND edit = ::GetDlgItem(m_hWnd, IDC_NAME);
        ::PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
            m_bSawEnter = true;
        return CAccountDlg::PreTranslateMessage(pMsg);
    }
    void OnTimer(UINT_PTR) { EndDialog(IDABORT); }

    bool m_bSawEnter = false;
};

const MessageMap* CEnterDlg::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CEnterDlg>(
        on::Timer(&CEnterDlg::OnTimer));
    return &map;
}

}  // namespace

TEST(DialogTest, RealModalLoopPreTranslatesTheDialogsKeys)
{
    // No answers and no refusal: the dialog runs its own loop, which the posted
    // Enter key ends through the default button.
    ModalAnswers::RefuseUnanswered(nullptr);
    CEnterDlg dialog;
    INT_PTR result = dialog.DoModal();
    ModalAnswers::RefuseUnanswered([](const CString& what) { ADD_FAILURE() << static_cast<LPCTSTR>(what); });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(dialog.m_bSawEnter);
}

TEST(DialogTest, DialogColourHandlerAnswersForItsStatics)
{
    ModalAnswers answers;
    CAccountDlg dialog;
    ASSERT_TRUE(dialog.m_brush.CreateSolidBrush(RGB(255, 255, 224)));
    LRESULT staticBrush = 0;
    LRESULT editBrush = 0;
    answers.dialog = [&](CDialog& live) {
        HDC dc = ::GetDC(live.m_hWnd);
        HWND label = ::GetWindow(live.m_hWnd, GW_CHILD);
        staticBrush = live.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
        EXPECT_EQ(::GetTextColor(dc), RGB(0, 0, 128));
        editBrush = live.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(::GetDlgItem(live.m_hWnd, IDC_NAME)));
        ::ReleaseDC(live.m_hWnd, dc);
        live.EndDialog(IDOK);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(staticBrush), static_cast<HBRUSH>(dialog.m_brush.GetSafeHandle()));
    EXPECT_NE(editBrush, 0);
    EXPECT_NE(reinterpret_cast<HBRUSH>(editBrush), static_cast<HBRUSH>(dialog.m_brush.GetSafeHandle()));
}

namespace {

// A modeless dialog that deletes itself with its window, closed by its own
// Cancel button through a command to its owner.
class CHintLikeDlg : public CDialog {
    DECLARE_MESSAGE_MAP(CHintLikeDlg)
public:
    static int released;
    static bool aliveAfterOwnerClosedIt;

    CHintLikeDlg() { Create(IDD_TEST_DIALOG); }
    ~CHintLikeDlg() override { ++released; }

    void OnCancel() override
    {
        int before = released;
        // The owner destroys this dialog's window while this handler runs.
        GetOwner()->SendMessage(WM_APP + 1, 0, reinterpret_cast<LPARAM>(this));
        aliveAfterOwnerClosedIt = released == before && m_hWnd == nullptr;
        m_nIDHelp = 1;  // a member written after the window went
    }
    void PostNcDestroy() override { delete this; }
};

int CHintLikeDlg::released = 0;
bool CHintLikeDlg::aliveAfterOwnerClosedIt = false;

const MessageMap* CHintLikeDlg::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CHintLikeDlg>();
    return &map;
}

class COwnerWnd : public CWnd {
    DECLARE_MESSAGE_MAP(COwnerWnd)
public:
    LRESULT OnCloseHint(WPARAM, LPARAM lParam)
    {
        reinterpret_cast<CDialog*>(lParam)->DestroyWindow();
        return 0;
    }
};

const MessageMap* COwnerWnd::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<COwnerWnd>(
        on::Message(WM_APP + 1, &COwnerWnd::OnCloseHint));
    return &map;
}

}  // namespace

TEST(DialogTest, ModelessDialogDestroyedFromItsOwnButtonIsReleasedAfterTheHandler)
{
    CWinApp app;
    COwnerWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
    app.m_pMainWnd = &owner;

    CHintLikeDlg::released = 0;
    CHintLikeDlg::aliveAfterOwnerClosedIt = false;
    auto* dialog = new CHintLikeDlg;
    ASSERT_NE(dialog->m_hWnd, nullptr);
    EXPECT_EQ(dialog->GetOwner(), &owner);

    ::SendMessageW(::GetDlgItem(dialog->m_hWnd, IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_TRUE(CHintLikeDlg::aliveAfterOwnerClosedIt);
    EXPECT_EQ(CHintLikeDlg::released, 1);

    app.m_pMainWnd = nullptr;
    owner.DestroyWindow();
}

namespace {

// Every dialog class of these tests with a data exchange table. A new one joins
// with one line.
struct DialogClass {
    const char* name;
    std::function<std::unique_ptr<CDialog>()> make;
};
const DialogClass dialogClasses[] = {
    {"CAccountDlg", [] { return std::make_unique<CAccountDlg>(); }},
    {"CEnterDlg", [] { return std::make_unique<CEnterDlg>(); }},
};

// Every form view class: the command that shows it and its class.
struct FormViewClass {
    UINT command;
    const CRuntimeClass* viewClass;
};
const FormViewClass formViewClasses[] = {
    {ID_TEST_VIEW_SECOND, RUNTIME_CLASS(CTestSecondView)},
    {ID_TEST_VIEW_FORM, RUNTIME_CLASS(CTestFormView)},
};

}  // namespace

TEST_F(SingleDocumentTest, DataExchangeRunsBothWaysOnEveryDialogAndFormView)
{
    m_answers.messageBox = [](const MessageBoxRequest& box) {
        ADD_FAILURE() << "message box: " << static_cast<LPCTSTR>(box.text);
        return IDOK;
    };
    for (const DialogClass& dialogClass : dialogClasses) {
        SCOPED_TRACE(dialogClass.name);
        std::unique_ptr<CDialog> dialog = dialogClass.make();
        ASSERT_TRUE(dialog->Create(dialog->m_nIDTemplate));
        EXPECT_TRUE(dialog->UpdateData(TRUE));
        EXPECT_TRUE(dialog->UpdateData(FALSE));
        dialog->DestroyWindow();
    }
    for (const FormViewClass& form : formViewClasses) {
        SCOPED_TRACE(form.viewClass->m_lpszClassName);
        Frame()->SendMessage(WM_COMMAND, form.command);
        CView* view = Frame()->GetActiveView();
        ASSERT_TRUE(view && view->IsKindOf(form.viewClass));
        EXPECT_TRUE(view->UpdateData(TRUE));
        EXPECT_TRUE(view->UpdateData(FALSE));
    }
}

// The application object and the services around it: the application name and
// string table, message boxes and file dialogs through the modal seam, the
// file filter, the profile, the hourglass and the exception boundary of the
// window procedure.
#include "app_test_support.h"
#include "framework/file_exception.h"
#include "framework/win/app_instance.h"
#include "framework/win/file_dialog.h"
#include "framework/win/file_filter.h"
#include "framework/win/message_box.h"
#include "test_app_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(AppTest, ApplicationNameComesFromTheStringTable)
{
    CWinApp app;
    EXPECT_STREQ(app.m_pszAppName, "帳簿テスト");
    EXPECT_EQ(AfxGetApp(), &app);
    {
        CWinApp named("別名");
        EXPECT_STREQ(named.m_pszAppName, "別名");
        EXPECT_EQ(AfxGetApp(), &named);
    }
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
}

TEST(AppTest, StringTableEntriesLoadAsShiftJis)
{
    AfxInstallStringLoader();
    CString text;
    EXPECT_TRUE(text.LoadString(IDS_TEST_JAPANESE));
    EXPECT_STREQ(text, "表示する科目：売上");
    EXPECT_FALSE(text.LoadString(IDS_TEST_JAPANESE + 50));
    EXPECT_TRUE(text.IsEmpty());
}

TEST(AppTest, MessageBoxIsAnsweredThroughTheSeamWithItsTextCaptionAndStyle)
{
    CWinApp app;
    ModalAnswers answers;
    std::vector<MessageBoxRequest> boxes;
    answers.messageBox = [&](const MessageBoxRequest& box) {
        boxes.push_back(box);
        return box.style & MB_YESNO ? IDYES : IDOK;
    };
    EXPECT_EQ(AfxMessageBox("仕訳帳に移動して操作してください"), IDOK);
    EXPECT_EQ(AfxMessageBox(IDS_TEST_JAPANESE, MB_YESNO | MB_ICONQUESTION), IDYES);

    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_STREQ(boxes[0].text, "仕訳帳に移動して操作してください");
    EXPECT_STREQ(boxes[0].caption, "帳簿テスト");
    EXPECT_EQ(boxes[0].style, static_cast<UINT>(MB_OK));  // no icon added
    EXPECT_STREQ(boxes[1].text, "表示する科目：売上");
    EXPECT_EQ(boxes[1].style, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    const std::vector<CString> asked = {"message box: 仕訳帳に移動して操作してください",
                                        "message box: 表示する科目：売上"};
    EXPECT_EQ(answers.asked, asked);
}

TEST(AppTest, FileFilterIsCutAtBarsThatAreCharactersOfTheirOwn)
{
    struct Case {
        const char* filter;
        std::vector<std::string> pieces;
    };
    const Case cases[] = {
        {"", {}},
        {"Zirere(*.siz)|*.siz||", {"Zirere(*.siz)", "*.siz", ""}},
        {"Zirere(*.siz)|*.siz||||", {"Zirere(*.siz)", "*.siz", "", "", ""}},
        // ポ ends in the byte of "|", 表 in that of "\".
        {"帳簿ポ表(*.csv)|*.csv|すべて|*.*||", {"帳簿ポ表(*.csv)", "*.csv", "すべて", "*.*", ""}},
        {"no bars", {"no bars"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> pieces;
        for (const CString& piece : SplitFileFilter(c.filter))
            pieces.push_back(piece.str());
        EXPECT_EQ(pieces, c.pieces) << c.filter;
    }
    EXPECT_EQ(FileFilterForSystem("帳簿ポ(*.siz)|*.siz||"), std::wstring(L"帳簿ポ(*.siz)\0*.siz\0\0\0", 19));
}

TEST(AppTest, FileDialogIsAnsweredThroughTheSeam)
{
    ModalAnswers answers;
    FileDialogRequest seen;
    answers.fileDialog = [&](FileDialogRequest& request) {
        seen = request;
        request.fileName = "C:\\会計\\令和6年.siz";
        request.filterIndex = 1;
        return IDOK;
    };
    CFileDialog dialog(FALSE, "siz", "C:\\会計\\新規ファイル.siz", OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT,
                       "Zirere(*.siz)|*.siz||||");
    dialog.m_ofn.lpstrInitialDir = "C:\\会計";
    dialog.m_ofn.lpstrTitle = "名前を付けて保存";
    ASSERT_EQ(dialog.DoModal(), IDOK);

    EXPECT_FALSE(seen.bOpenFileDialog);
    EXPECT_STREQ(seen.defaultExt, "siz");
    EXPECT_STREQ(seen.fileName, "C:\\会計\\新規ファイル.siz");
    EXPECT_STREQ(seen.filter, "Zirere(*.siz)|*.siz||||");
    EXPECT_STREQ(seen.initialDir, "C:\\会計");
    EXPECT_STREQ(seen.title, "名前を付けて保存");
    EXPECT_EQ(seen.flags, static_cast<DWORD>(OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT));

    EXPECT_STREQ(dialog.GetPathName(), "C:\\会計\\令和6年.siz");
    EXPECT_STREQ(dialog.GetFileName(), "令和6年.siz");
    EXPECT_STREQ(dialog.GetFileExt(), "siz");
    EXPECT_STREQ(dialog.GetFileTitle(), "令和6年");

    answers.fileDialog = [](FileDialogRequest&) { return IDCANCEL; };
    CFileDialog cancelled(TRUE);
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_TRUE(cancelled.GetPathName().IsEmpty());
}

TEST(AppTest, FolderDialogIsAnsweredThroughTheSeam)
{
    ModalAnswers answers;
    answers.folderDialog = [](FolderDialogRequest& request) {
        EXPECT_STREQ(request.folder, "C:\\会計");
        request.folder = "D:\\控え";
        return IDOK;
    };
    FolderDialogRequest request;
    request.title = "バックアップ場所";
    request.folder = "C:\\会計";
    bool shown = false;
    EXPECT_EQ(modal_seam::FolderDialog(request, [&] { shown = true; return IDCANCEL; }), IDOK);
    EXPECT_FALSE(shown);
    EXPECT_STREQ(request.folder, "D:\\控え");
    ASSERT_EQ(answers.asked.size(), 1u);
    EXPECT_STREQ(answers.asked[0], "folder dialog: バックアップ場所");
}

TEST(AppTest, ProfileKeepsNumbersAndJapaneseTextUnderTheRegistryKey)
{
    CWinApp app("帳簿テスト");
    EXPECT_EQ(app.GetProfileInt("設定", "幅", 17), 17u);
    EXPECT_FALSE(app.WriteProfileInt("設定", "幅", 3));  // no registry key yet: nothing kept

    app.SetRegistryKey(CTestApp::registryKey);
    EXPECT_TRUE(app.WriteProfileInt("設定", "幅", 640));
    EXPECT_TRUE(app.WriteProfileString("設定", "フォルダ", "C:\\帳簿\\表示"));
    EXPECT_EQ(app.GetProfileInt("設定", "幅", 17), 640u);
    EXPECT_STREQ(app.GetProfileString("設定", "フォルダ"), "C:\\帳簿\\表示");
    EXPECT_STREQ(app.GetProfileString("設定", "ない", "既定"), "既定");

    EXPECT_TRUE(app.WriteProfileString("設定", "フォルダ", nullptr));
    EXPECT_TRUE(app.GetProfileString("設定", "フォルダ").IsEmpty());
    EXPECT_TRUE(app.WriteProfileString("設定", nullptr, nullptr));
    EXPECT_EQ(app.GetProfileInt("設定", "幅", 17), 17u);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Zirere Framework Tests");
}

TEST(AppTest, WaitCursorCallsNestAndRestore)
{
    CWinApp app;
    HCURSOR arrow = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    HCURSOR wait = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT));
    ::SetCursor(arrow);
    app.DoWaitCursor(1);
    {
        CWaitCursor inner;
        EXPECT_EQ(app.GetWaitCursorCount(), 2);
    }
    app.DoWaitCursor(1);
    EXPECT_EQ(::GetCursor(), wait);
    app.DoWaitCursor(-1);
    EXPECT_EQ(app.GetWaitCursorCount(), 1);
    EXPECT_EQ(::GetCursor(), wait);
    app.DoWaitCursor(-1);
    EXPECT_EQ(app.GetWaitCursorCount(), 0);
    EXPECT_EQ(::GetCursor(), arrow);
    // One too many ends at zero.
    app.DoWaitCursor(-1);
    EXPECT_EQ(app.GetWaitCursorCount(), 0);
}

namespace {

class ThrowingWindow : public CWnd {
    DECLARE_MESSAGE_MAP(ThrowingWindow)
public:
    LRESULT OnFail(WPARAM, LPARAM)
    {
        throw CFileException(CFileException::accessDenied, 5, "C:\\帳簿\\a.siz");
    }
};

const MessageMap* ThrowingWindow::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<ThrowingWindow>(
        on::Message(WM_APP + 2, &ThrowingWindow::OnFail));
    return &map;
}

}  // namespace

TEST(AppTest, ExceptionEscapingAHandlerIsReportedAndStopsAtTheWindowProcedure)
{
    CWinApp app;
    ModalAnswers answers;
    CString report;
    answers.messageBox = [&](const MessageBoxRequest& box) {
        report = box.text;
        EXPECT_EQ(box.style & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
        return IDOK;
    };
    ThrowingWindow window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "throws", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(window.SendMessage(WM_APP + 2), 0);
    EXPECT_NE(report.Find("C:\\帳簿\\a.siz"), -1);
    EXPECT_NE(report.Find("理由: アクセスが拒否されました"), -1);
    // The window goes on working.
    EXPECT_TRUE(::IsWindow(window.m_hWnd));
    window.DestroyWindow();
}

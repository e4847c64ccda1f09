// The modal seam: dialogs answered by their template id, a dialog the test did
// not expect, and HTML Help and the shell's open seen and answered by the test.
#include "app_test_support.h"
#include "framework/win/shell_open.h"
#include "framework/win/wide_text.h"
#include "test_app_ids.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Collects what the seam reports instead of failing the test, while it lives.
class ReportedInteractions {
public:
    ReportedInteractions()
    {
        ModalAnswers::RefuseUnanswered([this](const CString& what) { reported.push_back(what); });
    }
    ~ReportedInteractions()
    {
        ModalAnswers::RefuseUnanswered([](const CString& what) { ADD_FAILURE() << static_cast<LPCTSTR>(what); });
    }
    ReportedInteractions(const ReportedInteractions&) = delete;
    ReportedInteractions& operator=(const ReportedInteractions&) = delete;

    std::vector<CString> reported;
};

// Nothing answers and nothing refuses: the seam does the real thing.
class RealInteractions {
public:
    RealInteractions() { ModalAnswers::RefuseUnanswered(nullptr); }
    ~RealInteractions()
    {
        ModalAnswers::RefuseUnanswered([](const CString& what) { ADD_FAILURE() << static_cast<LPCTSTR>(what); });
    }
    RealInteractions(const RealInteractions&) = delete;
    RealInteractions& operator=(const RealInteractions&) = delete;
};

}  // namespace

TEST(ModalSeamTest, DialogsAreAnsweredByTheirTemplateId)
{
    ReportedInteractions reports;
    ModalAnswers answers;
    std::vector<UINT> driven;
    answers.dialogs[IDD_TEST_DIALOG] = [&](CDialog& live) {
        driven.push_back(live.m_nIDTemplate);
        live.EndDialog(IDOK);
    };
    answers.dialogs[IDD_TEST_NOTICE] = [&](CDialog& live) {
        driven.push_back(live.m_nIDTemplate);
        live.EndDialog(IDABORT);
    };

    CDialog notice(IDD_TEST_NOTICE);
    CDialog entry(IDD_TEST_DIALOG);
    EXPECT_EQ(notice.DoModal(), IDABORT);
    EXPECT_EQ(entry.DoModal(), IDOK);
    EXPECT_EQ(driven, (std::vector<UINT>{IDD_TEST_NOTICE, IDD_TEST_DIALOG}));
    EXPECT_EQ(answers.asked, (std::vector<CString>{"dialog: 203", "dialog: 202"}));
    EXPECT_TRUE(reports.reported.empty());
}

TEST(ModalSeamTest, DialogTheTestDidNotExpectFailsAtOnce)
{
    ReportedInteractions reports;
    ModalAnswers answers;
    bool driven = false;
    answers.dialogs[IDD_TEST_DIALOG] = [&](CDialog& live) {
        driven = true;
        live.EndDialog(IDOK);
    };
    // Declined unseen, as if cancelled, and reported as the test's fault.
    CDialog notice(IDD_TEST_NOTICE);
    EXPECT_EQ(notice.DoModal(), IDCANCEL);
    EXPECT_FALSE(driven);
    EXPECT_EQ(notice.m_hWnd, nullptr);
    EXPECT_EQ(reports.reported, (std::vector<CString>{"unexpected dialog: 203"}));
    EXPECT_EQ(answers.asked, (std::vector<CString>{"dialog: 203"}));
}

TEST(ModalSeamTest, CatchAllAnswersWhatTheMapDoesNotName)
{
    ReportedInteractions reports;
    ModalAnswers answers;
    std::vector<CString> driven;
    answers.dialogs[IDD_TEST_DIALOG] = [&](CDialog& live) {
        driven.push_back("by id");
        live.EndDialog(IDOK);
    };
    answers.dialog = [&](CDialog& live) {
        driven.push_back("catch-all");
        live.EndDialog(IDCANCEL);
    };
    CDialog entry(IDD_TEST_DIALOG);
    CDialog notice(IDD_TEST_NOTICE);
    EXPECT_EQ(entry.DoModal(), IDOK);
    EXPECT_EQ(notice.DoModal(), IDCANCEL);
    EXPECT_EQ(driven, (std::vector<CString>{"by id", "catch-all"}));
    EXPECT_TRUE(reports.reported.empty());
}

TEST(ModalSeamTest, HtmlHelpAndTheShellAreSeenAndAnsweredByTheTest)
{
    ModalAnswers answers;
    std::vector<HtmlHelpRequest> helps;
    std::vector<ShellOpenRequest> opens;
    answers.htmlHelp = [&](const HtmlHelpRequest& request) {
        helps.push_back(request);
        return request.file.Find("手引き") >= 0 ? TRUE : FALSE;
    };
    answers.shellOpen = [&](const ShellOpenRequest& request) -> DWORD {
        opens.push_back(request);
        return request.file == "帳簿_12.exe" ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
    };

    EXPECT_TRUE(AfxHtmlHelp("手引き.chm::/start.htm"));
    EXPECT_FALSE(AfxHtmlHelp("missing.chm::/start.htm", HH_DISPLAY_TOPIC, 7));
    EXPECT_EQ(AfxShellOpen("open", "帳簿_12.exe", "/size 12", "C:\\帳簿", SW_SHOWMAXIMIZED),
              static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(AfxShellOpen(nullptr, "terms.chm"), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));

    ASSERT_EQ(helps.size(), 2u);
    EXPECT_STREQ(helps[0].file, "手引き.chm::/start.htm");
    EXPECT_EQ(helps[0].command, static_cast<UINT>(HH_DISPLAY_TOPIC));
    EXPECT_EQ(helps[1].data, 7u);

    ASSERT_EQ(opens.size(), 2u);
    EXPECT_STREQ(opens[0].verb, "open");
    EXPECT_STREQ(opens[0].parameters, "/size 12");
    EXPECT_STREQ(opens[0].directory, "C:\\帳簿");
    EXPECT_EQ(opens[0].show, SW_SHOWMAXIMIZED);
    EXPECT_TRUE(opens[1].verb.IsEmpty());
    EXPECT_TRUE(opens[1].parameters.IsEmpty());
    EXPECT_EQ(opens[1].show, SW_SHOWNORMAL);

    EXPECT_EQ(answers.asked, (std::vector<CString>{"html help: 手引き.chm::/start.htm",
                                                   "html help: missing.chm::/start.htm",
                                                   "shell: open 帳簿_12.exe /size 12", "shell:  terms.chm"}));
}

TEST(ModalSeamTest, UnansweredHelpAndShellAreReportedAndDeclined)
{
    ReportedInteractions reports;
    ModalAnswers answers;
    EXPECT_FALSE(AfxHtmlHelp("guide.chm::/a.htm"));
    EXPECT_EQ(AfxShellOpen("open", "https://example.jp/"), static_cast<DWORD>(ERROR_CANCELLED));
    EXPECT_EQ(reports.reported, (std::vector<CString>{"unanswered html help: guide.chm::/a.htm",
                                                      "unanswered shell: open https://example.jp/"}));
}

TEST(ModalSeamTest, RealShellOpenTellsSuccessAndTheErrorOfAFailedStart)
{
    RealInteractions real;
    EXPECT_EQ(AfxShellOpen("open", "cmd.exe", "/c exit 0", nullptr, SW_HIDE), static_cast<DWORD>(ERROR_SUCCESS));

    wchar_t temp[MAX_PATH] = {};
    ASSERT_GT(::GetTempPathW(MAX_PATH, temp), 0u);
    CString missing = CString(FromWide(temp)) + "存在しない\\起動できない.exe";
    DWORD error = AfxShellOpen("open", missing, nullptr, nullptr, SW_HIDE);
    EXPECT_TRUE(error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) << error;
    EXPECT_FALSE(AfxSystemErrorText(error).IsEmpty());
}

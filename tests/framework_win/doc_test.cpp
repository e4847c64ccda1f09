// Documents: views told of changes, path and title, saving and reading through
// the file dialog seam, the save question and a damaged file.
#include "app_test_support.h"
#include "framework/file.h"
#include "support/temp_folder.h"
#include "test_app_ids.h"

#include <gtest/gtest.h>


TEST_F(SingleDocumentTest, UpdateAllViewsSkipsTheSender)
{
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CTestFormView);
    context.m_pCurrentDoc = Document();
    auto* second = static_cast<CTestFormView*>(Frame()->CreateView(&context, AFX_IDW_PANE_FIRST + 1));
    ASSERT_NE(second, nullptr);
    ASSERT_EQ(Document()->GetViews().size(), 2u);
    CTestFormView* first = FormView();
    first->m_nUpdates = 0;
    second->m_nUpdates = 0;

    Document()->UpdateAllViews(nullptr, 5);
    Document()->UpdateAllViews(first, 6);
    EXPECT_EQ(first->m_nUpdates, 1);
    EXPECT_EQ(second->m_nUpdates, 2);

    second->DestroyWindow();
    EXPECT_EQ(Document()->GetViews().size(), 1u);
    Document()->UpdateAllViews(nullptr, 7);
    EXPECT_EQ(first->m_nUpdates, 2);
}

TEST_F(SingleDocumentTest, PathNameGivesTheTitle)
{
    struct Case {
        const char* path;
        const char* title;
    };
    const Case cases[] = {
        {"C:\\表示\\ソフト.siz", "ソフト.siz"},
        {"D:/帳簿/2024.siz", "2024.siz"},
        {"名前だけ.siz", "名前だけ.siz"},
    };
    for (const Case& c : cases) {
        Document()->SetPathName(c.path, FALSE);
        EXPECT_STREQ(Document()->GetPathName(), c.path);
        EXPECT_STREQ(Document()->GetTitle(), c.title);
    }
}

TEST_F(SingleDocumentTest, SaveAsWritesTheFileChosenAndOpenReadsItBack)
{
    TempFolder folder;
    CString path = folder.Path("令和6年.dat");
    m_answers.fileDialog = [&](FileDialogRequest& request) {
        EXPECT_FALSE(request.bOpenFileDialog);
        request.fileName = path;
        return IDOK;
    };
    Document()->m_strName = "高橋";
    Document()->m_nAmount = 98765;
    Document()->SetModifiedFlag(TRUE);
    Frame()->SendMessage(WM_COMMAND, ID_FILE_SAVE);  // no path yet: asks for one

    EXPECT_FALSE(Document()->IsModified());
    EXPECT_STREQ(Document()->GetPathName(), path);
    CString caption;
    Frame()->GetWindowText(caption);
    EXPECT_STREQ(caption, "令和6年.dat - 試験帳簿");

    Document()->m_strName = "変更";
    Document()->m_nAmount = 1;
    int deletions = Document()->m_nDeleteContentsCalls;
    ASSERT_TRUE(Document()->OnOpenDocument(path));
    EXPECT_EQ(Document()->m_nDeleteContentsCalls, deletions + 1);
    EXPECT_STREQ(Document()->m_strName, "高橋");
    EXPECT_EQ(Document()->m_nAmount, 98765);
    EXPECT_FALSE(Document()->IsModified());
}

TEST_F(SingleDocumentTest, DamagedFileIsReportedAndLeavesAnEmptyDocument)
{
    TempFolder folder;
    CString path = folder.Path("壊れた.dat");
    {
        CFile damaged(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        damaged.Write("\x05", 1);
    }
    CString message;
    m_answers.messageBox = [&](const MessageBoxRequest& box) {
        message = box.text;
        return IDOK;
    };
    EXPECT_FALSE(Document()->OnOpenDocument(path));
    EXPECT_NE(message.Find("壊れた.dat"), -1);
    EXPECT_TRUE(Document()->m_strName.IsEmpty());
}

TEST_F(SingleDocumentTest, SaveQuestionRunsTheSaveOrStops)
{
    struct Case {
        int button;
        int fileAnswer;
        BOOL result;
        BOOL modifiedAfter;
    };
    const Case cases[] = {
        {IDNO, IDCANCEL, TRUE, TRUE},        // changes dropped: may close
        {IDCANCEL, IDCANCEL, FALSE, TRUE},   // stays open
        {IDYES, IDCANCEL, FALSE, TRUE},      // no name chosen: stays open
        {IDYES, IDOK, TRUE, FALSE},          // saved
    };
    TempFolder folder;
    for (const Case& c : cases) {
        Document()->SetPathName("", FALSE);
        Document()->SetModifiedFlag(TRUE);
        m_answers.messageBox = [&](const MessageBoxRequest&) { return c.button; };
        m_answers.fileDialog = [&](FileDialogRequest& request) {
            request.fileName = folder.Path("保存.dat");
            return c.fileAnswer;
        };
        EXPECT_EQ(Document()->SaveModified(), c.result) << c.button << " " << c.fileAnswer;
        EXPECT_EQ(Document()->IsModified(), c.modifiedAfter) << c.button << " " << c.fileAnswer;
    }
}

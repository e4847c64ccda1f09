// The help commands hand the help file and the documents to HTML Help and the
// shell through the modal seam.
#include "program_folder.h"

#include "framework/win/shell_open.h"
#include "resource.h"

namespace {

class HelpCommandsTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        CopyShippedSetupFiles();
        ASSERT_TRUE(Start());
        m_answers.asked.clear();
    }
    void Send(UINT command) { Frame()->SendMessage(WM_COMMAND, command); }
};

TEST_F(HelpCommandsTest, HelpShowsTheStartTopicOfTheHelpFile)
{
    std::vector<HtmlHelpRequest> requests;
    m_answers.htmlHelp = [&](const HtmlHelpRequest& request) {
        requests.push_back(request);
        return TRUE;
    };
    Send(ID_HELP);
    ASSERT_EQ(1u, requests.size());
    EXPECT_STREQ("dazeruruvo.chm::/0016.htm", requests[0].file);
    EXPECT_EQ(static_cast<UINT>(HH_DISPLAY_TOPIC), requests[0].command);
    EXPECT_EQ(std::vector<CString>{}, MessagesShown());
}

TEST_F(HelpCommandsTest, DocumentCommandsOpenTheirFilesWithTheShell)
{
    struct Case {
        UINT command;
        const char* file;
        int show;
    } cases[] = {
        {ID_HELP_UPGRADE, "upgrad.chm", SW_SHOWNORMAL},
        {ID_HELP_TERMS, "copyright.chm", SW_SHOWNORMAL},
        {ID_HELP_HOMEPAGE, "https://zirere.example.jp/", SW_SHOW},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        std::vector<ShellOpenRequest> opened;
        m_answers.shellOpen = [&](const ShellOpenRequest& request) -> DWORD {
            opened.push_back(request);
            return ERROR_FILE_NOT_FOUND;
        };
        Send(c.command);
        ASSERT_EQ(1u, opened.size());
        EXPECT_STREQ("open", opened[0].verb);
        EXPECT_STREQ(c.file, opened[0].file);
        EXPECT_TRUE(opened[0].parameters.IsEmpty());
        EXPECT_EQ(c.show, opened[0].show);
    }
    // The program says nothing of a document the shell could not open.
    EXPECT_EQ(std::vector<CString>{}, MessagesShown());
}

}  // namespace

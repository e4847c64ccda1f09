// The help commands hand the help file and the documents to HTML Help and the
// shell through the modal seam. The program folder holds the help documents that
// the build compiled, and the test's help viewer shows a topic only when the file
// named, found from the current directory as the real viewer finds it, stores
// that page.
#include "program_data.h"
#include "program_folder.h"

#include "core/win/help_pages.h"
#include "data/chm_directory.h"
#include "framework/win/shell_open.h"
#include "resource.h"

namespace {

const char* const kHelpFailure = "HTML HELP(dazeruruvo.chm)を開くことができません。";
const char* const kHelpDocuments[] = {"dazeruruvo.chm", "upgrad.chm", "copyright.chm"};

// The pages stored in a compiled help file of the current directory; empty when
// there is no such file or it is not a compiled help file.
std::set<std::string> StoredPages(const CString& file)
{
    if (!FileExists(file))
        return {};
    const std::optional<ChmDirectory> directory = ReadChmDirectory(ReadFileBytes(file));
    return directory ? directory->names : std::set<std::string>{};
}

// "file.chm::/page.htm": TRUE when the file stores the page.
BOOL ShowsTopic(const CString& topic)
{
    const int separator = topic.Find("::");
    if (separator <= 0)
        return FALSE;
    return StoredPages(topic.Left(separator)).count(topic.Mid(separator + 2).str()) ? TRUE : FALSE;
}

class HelpCommandsTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        CopyShippedSetupFiles();
        for (const char* name : kHelpDocuments)
            WriteFileBytes(Path(name), ReadFileBytes(CString(PROGRAM_DATA_FOLDER) + "\\" + name));
        ASSERT_TRUE(Start());
        m_answers.asked.clear();
        m_answers.htmlHelp = [this](const HtmlHelpRequest& request) {
            m_helpRequests.push_back(request);
            return ShowsTopic(request.file);
        };
    }
    void Send(UINT command) { Frame()->SendMessage(WM_COMMAND, command); }

    std::vector<HtmlHelpRequest> m_helpRequests;
};

TEST_F(HelpCommandsTest, HelpShowsTheStartTopicOfTheShippedHelpFile)
{
    Send(ID_HELP);
    ASSERT_EQ(1u, m_helpRequests.size());
    EXPECT_STREQ("dazeruruvo.chm::/0016.htm", m_helpRequests[0].file);
    EXPECT_EQ(static_cast<UINT>(HH_DISPLAY_TOPIC), m_helpRequests[0].command);
    EXPECT_EQ(std::vector<CString>{CString("html help: dazeruruvo.chm::/0016.htm")}, m_answers.asked);
    EXPECT_EQ(std::vector<CString>{}, MessagesShown());
}

TEST_F(HelpCommandsTest, HelpWithoutTheHelpFileSaysItCannotBeOpened)
{
    ASSERT_TRUE(DeleteFileA(Path("dazeruruvo.chm")));
    Send(ID_HELP);
    ASSERT_EQ(1u, m_helpRequests.size());
    EXPECT_EQ(std::vector<CString>{CString(kHelpFailure)}, MessagesShown());
    // The program goes on: the next request, with the file back, shows the topic.
    WriteFileBytes(Path("dazeruruvo.chm"), ReadFileBytes(CString(PROGRAM_DATA_FOLDER) + "\\dazeruruvo.chm"));
    Send(ID_HELP);
    EXPECT_EQ(std::vector<CString>{CString(kHelpFailure)}, MessagesShown());
}

TEST_F(HelpCommandsTest, EveryHelpPageOfTheProgramIsATopicOfTheShippedHelpFile)
{
    // The pages that the dialogs' help buttons and the journal's apportionment
    // message open, asked for the way they ask.
    const char* const pages[] = {HelpPages::kContents,  HelpPages::kHint,     HelpPages::kBadDebt,
                                 HelpPages::kSearch,    HelpPages::kInventory, HelpPages::kPartners,
                                 HelpPages::kOpening,   HelpPages::kApportion};
    for (const char* page : pages) {
        const CString topic = HelpPageAddress(page);
        EXPECT_TRUE(AfxHtmlHelp(topic, HH_DISPLAY_TOPIC)) << topic.str();
    }
    EXPECT_EQ(std::size(pages), m_helpRequests.size());
    EXPECT_EQ(std::vector<CString>{}, MessagesShown());
}

TEST_F(HelpCommandsTest, DocumentCommandsOpenTheirFilesWithTheShell)
{
    struct Case {
        UINT command;
        const char* file;
        int show;
        bool shipped;
    } cases[] = {
        {ID_HELP_UPGRADE, "upgrad.chm", SW_SHOWNORMAL, true},
        {ID_HELP_TERMS, "copyright.chm", SW_SHOWNORMAL, true},
        {ID_HELP_HOMEPAGE, "https://zirere.example.jp/", SW_SHOW, false},
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
        // The shell finds the document in the program folder, the current directory.
        if (c.shipped) {
            EXPECT_LT(1u, StoredPages(opened[0].file).size()) << "no compiled help file " << c.file;
        }
    }
    // The program says nothing of a document the shell could not open.
    EXPECT_EQ(std::vector<CString>{}, MessagesShown());
}

}  // namespace

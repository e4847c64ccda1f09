// The file commands that replace or save the open journal: new, open, save, save as.
#include "program_folder.h"

#include "core/record_file.h"
#include "framework/win/framework_ids.h"
#include "framework/win/recent_file_list.h"
#include "framework/win/win_app.h"

namespace {

class FileCommandsTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        CopyShippedSetupFiles();
        WriteJournal(Path("2024.siz"), {"100", "200"});
        WriteJournal(Path("2025.siz"), {"5"});
        WriteFileBytes(Path("duzizezi.ino"), Path("2024.siz").str());
        ASSERT_TRUE(Start());
        m_answers.asked.clear();
    }

    void Send(UINT command) { Frame()->SendMessage(WM_COMMAND, command); }
    void ChooseFile(const char* name)
    {
        m_answers.fileDialog = [this, name](FileDialogRequest& request) {
            m_request = request;
            request.fileName = Path(name);
            return IDOK;
        };
    }

    FileDialogRequest m_request;
};

TEST_F(FileCommandsTest, OpenReadsTheChosenJournal)
{
    ChooseFile("2025.siz");
    Send(ID_FILE_OPEN);
    EXPECT_TRUE(m_request.bOpenFileDialog);
    EXPECT_EQ(Folder() + "\\*.siz", m_request.fileName);
    EXPECT_EQ(CString("Zirere(*.siz)|*.siz|||"), m_request.filter);
    EXPECT_EQ(Path("2025.siz"), Document()->m_strPathName);
    EXPECT_EQ(Path("2025.siz"), Document()->GetPathName());
    EXPECT_EQ(CString("2025.siz"), Document()->m_strFileName);
    EXPECT_EQ(Folder(), Document()->m_strDataDir);
    EXPECT_EQ(1, Document()->m_arrJournal.GetSize());
    EXPECT_EQ(0, Document()->m_nCurEntry);
    EXPECT_FALSE(Document()->IsModified());
    EXPECT_TRUE(MessagesShown().empty());
    // Without a backup folder the open writes no record; the close does.
    EXPECT_EQ(Path("2024.siz").str(), ReadFileBytes(Path("duzizezi.ino")));
}

TEST_F(FileCommandsTest, CommandsAreRefusedOutsideTheJournalOrDuringAnInsertion)
{
    Document()->m_nCurBook = 2;
    Send(ID_FILE_OPEN);
    Send(ID_FILE_NEW);
    Document()->m_nCurBook = 1;
    Document()->m_nInsertRow = 0;
    Send(ID_FILE_SAVE);
    ASSERT_EQ(3u, MessagesShown().size());
    EXPECT_EQ(CString("仕訳帳に移動して操作してください"), MessagesShown()[0]);
    EXPECT_EQ(CString("仕訳帳に移動して操作してください"), MessagesShown()[1]);
    EXPECT_EQ(0, MessagesShown()[2].Find("挿入行の編集中は、保存できません。"));
    EXPECT_EQ(2, Document()->m_arrJournal.GetSize());
    EXPECT_EQ(Path("2024.siz"), Document()->m_strPathName);
}

TEST_F(FileCommandsTest, ChangedJournalIsOfferedForSavingFirstAndCancelKeepsIt)
{
    Document()->m_arrJournal.Add(SaleEntry("2024/05/01", "1"));
    Document()->SetModifiedFlag(TRUE);
    m_answers.messageBox = [](const MessageBoxRequest& box) { return (box.style & MB_YESNOCANCEL) ? IDCANCEL : IDOK; };
    Send(ID_FILE_NEW);
    ASSERT_EQ(1u, MessagesShown().size());
    EXPECT_EQ(CString("作業中のファイル「2024.siz」は変更されています。新規作成の前に、このファイルを保存しますか？"),
              MessagesShown()[0]);
    EXPECT_EQ(3, Document()->m_arrJournal.GetSize());

    m_answers.messageBox = [](const MessageBoxRequest& box) { return (box.style & MB_YESNOCANCEL) ? IDYES : IDOK; };
    Send(ID_FILE_NEW);
    EXPECT_EQ(3, EntriesInFile(Path("2024.siz")));
    EXPECT_EQ(CString("新規ファイル.siz"), Document()->m_strPathName);
    EXPECT_EQ(0, Document()->m_arrJournal.GetSize());
    EXPECT_EQ(-1, Document()->m_nCurEntry);
    EXPECT_FALSE(Document()->IsModified());
}

TEST_F(FileCommandsTest, SaveWritesTheJournalButANewFileNeedsAName)
{
    Document()->m_arrJournal.Add(SaleEntry("2024/05/01", "1"));
    Document()->SetModifiedFlag(TRUE);
    Send(ID_FILE_SAVE);
    EXPECT_EQ(3, EntriesInFile(Path("2024.siz")));
    EXPECT_FALSE(Document()->IsModified());
    ASSERT_EQ(1u, MessagesShown().size());
    EXPECT_GE(MessagesShown()[0].Find("は正常に保存されました。"), 0);

    Send(ID_FILE_NEW);
    Send(ID_FILE_SAVE);
    EXPECT_EQ(CString("保存するデータはありません。"), MessagesShown().back());
    Document()->m_arrJournal.Add(SaleEntry("2024/06/01", "2"));
    Send(ID_FILE_SAVE);
    EXPECT_EQ(CString("新規ファイルです。名前をつけて保存して下さい。"), MessagesShown().back());
}

TEST_F(FileCommandsTest, SaveAsWritesTheChosenFileAndMakesItTheJournalsFile)
{
    ChooseFile("copy.siz");
    Send(ID_FILE_SAVE_AS);
    EXPECT_FALSE(m_request.bOpenFileDialog);
    EXPECT_TRUE(m_request.flags & OFN_OVERWRITEPROMPT);
    EXPECT_EQ(2, EntriesInFile(Path("copy.siz")));
    EXPECT_EQ(Path("copy.siz"), Document()->m_strPathName);
    EXPECT_EQ(CString("copy.siz"), Document()->m_strFileName);
    ASSERT_FALSE(MessagesShown().empty());
    EXPECT_EQ("次回から「Zirere」は名前を付けて保存した会計データ\n\n" + Path("copy.siz") + "\n\nを読み込み起動します。",
              MessagesShown().back());
    ASSERT_TRUE(Close());
    EXPECT_EQ(Path("copy.siz").str(), ReadFileBytes(Path("duzizezi.ino")));
}

TEST_F(FileCommandsTest, SaveAsThatFailsAnnouncesNothingAndKeepsTheChanges)
{
    Document()->SetModifiedFlag(TRUE);
    ChooseFile("no such folder\\copy.siz");
    Send(ID_FILE_SAVE_AS);
    ASSERT_EQ(1u, MessagesShown().size());
    EXPECT_GE(MessagesShown()[0].Find("の保存に失敗ました。"), 0);
    EXPECT_TRUE(Document()->IsModified());
    // The journal still names the file it was read from.
    EXPECT_EQ(Path("2024.siz"), Document()->m_strPathName);
    EXPECT_EQ(CString("2024.siz"), Document()->m_strFileName);
    EXPECT_EQ(Path("2024.siz"), Document()->GetTitle());
}

}  // namespace

namespace {

TEST_F(FileCommandsTest, JournalOpenedByPathIsReadLikeTheOpenCommandReadsIt)
{
    ASSERT_TRUE(Document()->OnOpenDocument(Path("2025.siz")));
    EXPECT_EQ(Path("2025.siz"), Document()->m_strPathName);
    EXPECT_EQ(CString("2025.siz"), Document()->m_strFileName);
    EXPECT_EQ(1, Document()->m_arrJournal.GetSize());
    EXPECT_FALSE(Document()->IsModified());
    ASSERT_TRUE(Close());
    EXPECT_EQ(Path("2025.siz").str(), ReadFileBytes(Path("duzizezi.ino")));
}

TEST_F(FileCommandsTest, JournalThatCannotBeReadByPathFailsAndNamesNoFile)
{
    WriteFileBytes(Path("damaged.siz"), std::string("\x02\x00\xff\xff", 4));
    EXPECT_FALSE(Document()->OnOpenDocument(Path("damaged.siz")));
    EXPECT_EQ(std::vector<CString>{CString("ファイルのオープンに失敗しました！")}, MessagesShown());
    EXPECT_EQ(CString("新規ファイル.siz"), Document()->m_strPathName);
    EXPECT_EQ(CString("新規ファイル.siz"), Document()->m_strFileName);
    EXPECT_EQ(0, Document()->m_arrJournal.GetSize());
}

TEST_F(FileCommandsTest, RecentFileOpensUnderTheOpenCommandsRules)
{
    CRecentFileList* recent = AfxGetApp()->m_pRecentFileList;
    ASSERT_NE(nullptr, recent);
    AfxGetApp()->AddToRecentFileList(Path("2025.siz"));

    Document()->m_nCurBook = kBookGeneralLedger;
    Send(ID_FILE_MRU_FILE1);
    EXPECT_EQ(std::vector<CString>{CString("仕訳帳に移動して操作してください")}, MessagesShown());
    EXPECT_EQ(Path("2024.siz"), Document()->m_strPathName);

    Document()->m_nCurBook = kBookJournal;
    Document()->SetModifiedFlag(TRUE);
    m_answers.messageBox = [](const MessageBoxRequest& box) { return (box.style & MB_YESNOCANCEL) ? IDCANCEL : IDOK; };
    Send(ID_FILE_MRU_FILE1);
    ASSERT_EQ(2u, MessagesShown().size());
    EXPECT_EQ(0, MessagesShown()[1].Find("作業中の会計ファイル「2024.siz」は変更されています。"));
    EXPECT_EQ(Path("2024.siz"), Document()->m_strPathName);

    Document()->SetModifiedFlag(FALSE);
    Send(ID_FILE_MRU_FILE1);
    EXPECT_EQ(Path("2025.siz"), Document()->m_strPathName);
    EXPECT_EQ(1, Document()->m_arrJournal.GetSize());

    // A journal of the list that cannot be read (damaged, gone) leaves the list
    // with the reason; the open journal and the last-file record stay as they were.
    WriteFileBytes(Path("damaged.siz"), std::string("\x02\x00\xff\xff", 4));
    WriteFileBytes(Path("duzizezi.ino"), Path("2025.siz").str());
    const struct {
        const char* file;
        const char* reason;
    } unreadable[] = {
        {"damaged.siz", "理由: ファイルが途中で終わっています。"},
        {"gone.siz", "理由: ファイルが見つかりません。"},
    };
    for (const auto& c : unreadable) {
        SCOPED_TRACE(c.file);
        AfxGetApp()->AddToRecentFileList(Path(c.file));
        Send(ID_FILE_MRU_FILE1);
        EXPECT_EQ(CString("ファイルのオープンに失敗しました！\n") + c.reason, MessagesShown().back());
        EXPECT_EQ(Path("2025.siz"), (*recent)[0]);
        EXPECT_EQ(Path("2025.siz"), Document()->m_strPathName);
        EXPECT_EQ(CString("2025.siz"), Document()->m_strFileName);
        EXPECT_EQ(1, Document()->m_arrJournal.GetSize());
        EXPECT_EQ(Path("2025.siz").str(), ReadFileBytes(Path("duzizezi.ino")));
    }
}

// What the tests add to the recent-file list lands in the registry of the tests'
// own Wine prefix, never in the one the program is run from.
TEST(TestPrefix, TheTestsRunOutsideThePrefixTheUserRuns)
{
    wchar_t prefix[1024] = {};
    const DWORD length = ::GetEnvironmentVariableW(L"WINEPREFIX", prefix, 1024);
    if (length == 0)
        GTEST_SKIP() << "not under Wine";
    const std::wstring path(prefix, length);
    const std::wstring runPrefix = L"/win/wineprefix";
    EXPECT_FALSE(path.size() >= runPrefix.size() && path.compare(path.size() - runPrefix.size(), runPrefix.size(), runPrefix) == 0);
}

TEST_F(FileCommandsTest, PreviousYearFileReplacesTheOneReadBefore)
{
    ASSERT_TRUE(Document()->LoadPrevYearFile(Path("2024.siz")).done);
    EXPECT_EQ(2, Document()->m_arrPrevJournal.GetSize());
    ASSERT_TRUE(Document()->LoadPrevYearFile(Path("2025.siz")).done);
    EXPECT_EQ(1, Document()->m_arrPrevJournal.GetSize());

    const FileOutcome failed = Document()->LoadPrevYearFile(Path("none.siz"));
    EXPECT_FALSE(failed.done);
    ASSERT_EQ(1u, failed.messages.size());
    EXPECT_EQ(CString("ファイルのオープンに失敗しました！"), failed.messages[0].text);
    EXPECT_EQ(0, Document()->m_arrPrevJournal.GetSize());
    EXPECT_TRUE(MessagesShown().empty());
}

}  // namespace

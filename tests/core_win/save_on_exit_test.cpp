// The question at exit: saving a changed journal, its backup copy, and a
// failed save that keeps the program open.
#include "program_folder.h"

#include "core/kiso.h"
#include "core/record_file.h"
#include "framework/replace_file.h"

namespace {

class SaveOnExitTest : public ProgramFolderTest {
protected:
    // Starts with a journal file of two entries, then changes the journal.
    void StartWithChangedJournal()
    {
        CopyShippedSetupFiles();
        WriteJournal(Path("2024.siz"), {"100", "200"});
        WriteFileBytes(Path("duzizezi.ino"), Path("2024.siz").str());
        ASSERT_TRUE(Start());
        Document()->m_arrJournal.Add(SaleEntry("2024/02/01", "300"));
        Document()->SetModifiedFlag(TRUE);
    }


    void Answer(int button)
    {
        m_answers.messageBox = [button](const MessageBoxRequest& box) {
            return (box.style & MB_YESNOCANCEL) == MB_YESNOCANCEL ? button : IDOK;
        };
    }
};

TEST_F(SaveOnExitTest, UnchangedJournalClosesWithoutAQuestion)
{
    CopyShippedSetupFiles();
    ASSERT_TRUE(Start());
    EXPECT_TRUE(Close());
    EXPECT_TRUE(MessagesShown().empty());
}

TEST_F(SaveOnExitTest, CancelKeepsTheProgramOpen)
{
    StartWithChangedJournal();
    Answer(IDCANCEL);
    EXPECT_FALSE(Close());
    ASSERT_FALSE(MessagesShown().empty());
    EXPECT_EQ(CString("ファイルが変更されています。保存しますか？"), MessagesShown().back());
    EXPECT_EQ(2, EntriesInFile(Path("2024.siz")));
}

TEST_F(SaveOnExitTest, NoDropsTheChanges)
{
    StartWithChangedJournal();
    Answer(IDNO);
    EXPECT_TRUE(Close());
    EXPECT_EQ(2, EntriesInFile(Path("2024.siz")));
}

TEST_F(SaveOnExitTest, YesWritesTheJournalAndItsBackupCopy)
{
    StartWithChangedJournal();
    CreateDirectoryW(m_folder.Native().wstring().append(L"\\backup").c_str(), nullptr);
    Document()->m_strBackupDir = Path("backup");
    Document()->m_strBackupName = "2024.siz";
    Answer(IDYES);
    EXPECT_TRUE(Close());
    EXPECT_EQ(3, EntriesInFile(Path("2024.siz")));
    EXPECT_EQ(3, EntriesInFile(Path("backup\\2024.siz")));
    EXPECT_EQ((Path("2024.siz") + "[]" + Path("backup") + "][2024.siz").str(), ReadFileBytes(Path("duzizezi.ino")));
}

TEST_F(SaveOnExitTest, FailedSaveIsReportedAndKeepsTheProgramOpen)
{
    StartWithChangedJournal();
    Document()->m_strPathName = Path("no such folder\\2024.siz");
    Answer(IDYES);
    EXPECT_FALSE(Close());
    ASSERT_FALSE(MessagesShown().empty());
    EXPECT_GE(MessagesShown().back().Find("の保存に失敗ました。"), 0);
    EXPECT_TRUE(Document()->IsModified());
}

// A set-up file that cannot be written at close is named with the reason, and
// the user retries or cancels the close: nothing typed into the dictionary is
// lost without a word.
TEST_F(SaveOnExitTest, SetupFileThatCannotBeWrittenAtCloseIsNamedAndRetriedOrTheCloseCancelled)
{
    CopyShippedSetupFiles();
    ASSERT_TRUE(Start());
    const CString dictionaryPath = Folder() + "\\zuvavodi.sdn";
    const std::wstring dictionaryWide = (m_folder.Native() / L"zuvavodi.sdn").wstring();
    Document()->m_arrDictionary.GetAt(9)->m_strWord1 = "で登録";
    const std::string before = ReadFileBytes(dictionaryPath);

    ASSERT_TRUE(::SetFileAttributesW(dictionaryWide.c_str(), FILE_ATTRIBUTE_READONLY));
    std::vector<MessageBoxRequest> boxes;
    int retries = 0;
    m_answers.messageBox = [&](const MessageBoxRequest& box) {
        boxes.push_back(box);
        if (retries-- <= 0)
            return IDCANCEL;
        // The user makes the file writable again before retrying.
        ::SetFileAttributesW(dictionaryWide.c_str(), FILE_ATTRIBUTE_NORMAL);
        return IDRETRY;
    };
    EXPECT_FALSE(Close());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("設定ファイル「" + dictionaryPath +
                  "」を保存できませんでした。\n理由: アクセスが拒否されました（読み取り専用か、書き込む権限がありません）。"
                  "\n\n［再試行］でもう一度保存します。［キャンセル］で終了を取り消します。",
              boxes[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_RETRYCANCEL), boxes[0].style & MB_TYPEMASK);
    EXPECT_NE(nullptr, Frame());
    EXPECT_EQ(before, ReadFileBytes(dictionaryPath));

    // A full disk says so; retrying once the file can be written closes the program.
    g_replaceFault = ReplaceFault{ReplaceFault::write, 0};
    boxes.clear();
    EXPECT_FALSE(Close());
    g_replaceFault = ReplaceFault{};
    ASSERT_EQ(1u, boxes.size());
    EXPECT_GE(boxes[0].text.Find("設定ファイル「" + Folder() + "\\vozare.ino」を保存できませんでした。\n理由: ディスクの空き容量が足りません。"), 0);

    boxes.clear();
    retries = 1;
    EXPECT_TRUE(Close());
    EXPECT_EQ(1u, boxes.size());
    CTypedPtrArray<CObArray, CKiso*> written;
    LoadRecordFile(dictionaryPath, written);
    ASSERT_GT(written.GetSize(), 9);
    EXPECT_EQ(CString("で登録"), written.GetAt(9)->m_strWord1);
    DeleteRecords(written);
}

TEST_F(SaveOnExitTest, NewJournalAsksForANameAndOffersToReplaceAnExistingFile)
{
    CopyShippedSetupFiles();
    ASSERT_TRUE(Start());
    Document()->m_arrJournal.Add(SaleEntry("2024/03/01", "50"));
    Document()->SetModifiedFlag(TRUE);
    Answer(IDYES);
    DWORD flags = 0;
    m_answers.fileDialog = [&](FileDialogRequest& request) {
        flags = request.flags;
        EXPECT_FALSE(request.bOpenFileDialog);
        EXPECT_EQ(CString("siz"), request.defaultExt);
        request.fileName = Path("saved.siz");
        return IDOK;
    };
    EXPECT_TRUE(Close());
    EXPECT_TRUE(flags & OFN_OVERWRITEPROMPT);
    EXPECT_FALSE(flags & OFN_FILEMUSTEXIST);
    EXPECT_EQ(1, EntriesInFile(Path("saved.siz")));
    EXPECT_EQ(Path("saved.siz").str(), ReadFileBytes(Path("duzizezi.ino")));
}

TEST_F(SaveOnExitTest, NewJournalWhoseDialogIsCancelledStaysOpen)
{
    CopyShippedSetupFiles();
    ASSERT_TRUE(Start());
    Document()->m_arrJournal.Add(SaleEntry("2024/03/01", "50"));
    Document()->SetModifiedFlag(TRUE);
    Answer(IDYES);
    m_answers.fileDialog = [](FileDialogRequest&) { return IDCANCEL; };
    EXPECT_FALSE(Close());
}

TEST_F(SaveOnExitTest, EmptiedJournalRemovesItsFileButNeverANewFilesName)
{
    StartWithChangedJournal();
    DeleteRecords(Document()->m_arrJournal);
    EXPECT_TRUE(Close());
    EXPECT_FALSE(FileExists(Path("2024.siz")));
    Stop();

    WriteFileBytes(Path("新規ファイル.siz"), "somebody's file");
    CFile::Remove(Path("duzizezi.ino"));
    ASSERT_TRUE(Start());
    Document()->SetModifiedFlag(TRUE);
    EXPECT_TRUE(Close());
    EXPECT_TRUE(FileExists(Path("新規ファイル.siz")));
}

TEST_F(SaveOnExitTest, SampleFileIsNeverSaved)
{
    CopyShippedSetupFiles();
    WriteJournal(Path("ｻﾝﾌﾟﾙ.siz"), {"100"});
    const std::string sample = ReadFileBytes(Path("ｻﾝﾌﾟﾙ.siz"));
    WriteFileBytes(Path("duzizezi.ino"), Path("ｻﾝﾌﾟﾙ.siz").str());
    WriteFileBytes(Path("vozare.ino"), "03" + std::string(19, ' ') + "5" + std::string(19, ' ') + "0\r\n\r\n12");
    ASSERT_TRUE(Start());
    EXPECT_EQ(-1, Document()->m_bSample);
    EXPECT_EQ(1, Document()->m_nWorkTaxCategory);
    Document()->m_nWorkTaxCategory = 4;
    Document()->m_arrJournal.Add(SaleEntry("2024/03/01", "50"));
    Document()->SetModifiedFlag(TRUE);
    EXPECT_TRUE(Close());
    EXPECT_EQ(std::vector<CString>{CString("ファイルが変更されていますが、このファイルはサンプルです。\n\n変更しないで終了します。")},
              MessagesShown());
    EXPECT_EQ(sample, ReadFileBytes(Path("ｻﾝﾌﾟﾙ.siz")));
    // The sample's year-end values are not kept in the settings file.
    EXPECT_EQ(0, ReadFileBytes(Path("vozare.ino")).find("03"));
}

}  // namespace

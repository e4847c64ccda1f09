// A journal save that fails at any step (a write at some byte, the flush, the
// replace, a read-only journal file) leaves the journal file as it was, keeps the
// document's changes and leaves no temporary file behind.
#include "program_folder.h"

#include "core/record_file.h"
#include "framework/replace_file.h"
#include "framework/win/framework_ids.h"

#include <filesystem>
#include <set>

namespace {

const char* const kAccessDenied = "アクセスが拒否されました（読み取り専用か、書き込む権限がありません）。";

class JournalSaveFailureTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        CopyShippedSetupFiles();
        // Enough entries for a file of several archive buffers.
        JournalArray journal;
        for (int i = 0; i < 150; ++i) {
            CString amount;
            amount.Format("%d", 1000 + i);
            journal.Add(SaleEntry("2024/01/10", amount));
        }
        SaveRecordFile(Path("2024.siz"), journal);
        DeleteRecords(journal);
        WriteFileBytes(Path("duzizezi.ino"), Path("2024.siz").str());
        ASSERT_TRUE(Start());
        m_old = ReadFileBytes(Path("2024.siz"));
        Document()->m_arrJournal.Add(SaleEntry("2024/12/31", "777"));
        Document()->SetModifiedFlag(TRUE);
        m_answers.asked.clear();
    }
    void TearDown() override
    {
        g_replaceFault = ReplaceFault();
        SetFileAttributesW(ToWidePath("2024.siz").c_str(), FILE_ATTRIBUTE_NORMAL);
        ProgramFolderTest::TearDown();
    }

    std::wstring ToWidePath(const char* name) const { return (m_folder.Native() / name).wstring(); }

    std::set<std::wstring> Files() const
    {
        std::set<std::wstring> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_folder.Native()))
            names.insert(entry.path().filename().wstring());
        return names;
    }

    // The bytes a save of the document's journal writes.
    std::string NewJournalBytes()
    {
        CMemFile file;
        CArchive ar(&file, CArchive::store);
        Document()->m_arrJournal.Serialize(ar);
        ar.Close();
        return std::string(file.Bytes().begin(), file.Bytes().end());
    }

    void Save() { Frame()->SendMessage(WM_COMMAND, ID_FILE_SAVE); }

    // The message with the system's reason on a line of its own.
    CString FailureMessage(const char* reason) const
    {
        return "「　" + Path("2024.siz") + "　」の保存に失敗ました。\n理由: " + reason;
    }

    std::string m_old;
};

TEST_F(JournalSaveFailureTest, EachFailedStepLeavesTheOldFileAndKeepsTheChanges)
{
    const std::string next = NewJournalBytes();
    ASSERT_GT(next.size(), 8192u + 100u);
    const std::set<std::wstring> before = Files();

    const char* const diskFull = "ディスクの空き容量が足りません。";
    const struct {
        ReplaceFault::Step step;
        std::uint64_t at;
        const char* reason;
    } faults[] = {
        {ReplaceFault::write, 0, diskFull},
        {ReplaceFault::write, 1, diskFull},
        {ReplaceFault::write, 4095, diskFull},
        {ReplaceFault::write, 4096, diskFull},
        {ReplaceFault::write, 4097, diskFull},
        {ReplaceFault::write, next.size() / 2, diskFull},
        {ReplaceFault::write, next.size() - 1, diskFull},
        {ReplaceFault::flush, 0, "ディスクの読み書きに失敗しました。"},
        {ReplaceFault::replace, 0, kAccessDenied},
    };
    for (const auto& fault : faults) {
        SCOPED_TRACE(testing::Message() << "step " << fault.step << " at " << fault.at);
        g_replaceFault = {fault.step, fault.at};
        m_answers.asked.clear();
        Save();
        ASSERT_EQ(1u, MessagesShown().size());
        EXPECT_EQ(FailureMessage(fault.reason), MessagesShown()[0]);
        EXPECT_TRUE(ReadFileBytes(Path("2024.siz")) == m_old);
        EXPECT_TRUE(Document()->IsModified());
        EXPECT_EQ(before, Files());
    }

    g_replaceFault = ReplaceFault();
    m_answers.asked.clear();
    Save();
    ASSERT_EQ(1u, MessagesShown().size());
    EXPECT_EQ("「　" + Path("2024.siz") + "　」は正常に保存されました。", MessagesShown()[0]);
    EXPECT_TRUE(ReadFileBytes(Path("2024.siz")) == next);
    EXPECT_FALSE(Document()->IsModified());
    EXPECT_EQ(before, Files());
}

TEST_F(JournalSaveFailureTest, AReadOnlyJournalFileIsRefusedAndKept)
{
    ASSERT_TRUE(SetFileAttributesW(ToWidePath("2024.siz").c_str(), FILE_ATTRIBUTE_READONLY));
    const std::set<std::wstring> before = Files();
    Save();
    ASSERT_EQ(1u, MessagesShown().size());
    EXPECT_EQ(FailureMessage(kAccessDenied), MessagesShown()[0]);
    EXPECT_TRUE(ReadFileBytes(Path("2024.siz")) == m_old);
    EXPECT_TRUE(GetFileAttributesW(ToWidePath("2024.siz").c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(Document()->IsModified());
    EXPECT_EQ(before, Files());

    // The save at close fails the same way and keeps the program open.
    m_answers.messageBox = [](const MessageBoxRequest& box) {
        return (box.style & MB_YESNOCANCEL) == MB_YESNOCANCEL ? IDYES : IDOK;
    };
    m_answers.asked.clear();
    EXPECT_FALSE(Close());
    ASSERT_FALSE(MessagesShown().empty());
    EXPECT_EQ(FailureMessage(kAccessDenied), MessagesShown().back());
    EXPECT_TRUE(ReadFileBytes(Path("2024.siz")) == m_old);
    EXPECT_EQ(before, Files());
}

}  // namespace

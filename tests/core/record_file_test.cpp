#include "core/kiso.h"
#include "core/my_object.h"
#include "core/my_object2.h"
#include "core/old_journal.h"
#include "core/record_file.h"
#include "support/file_bytes.h"
#include "support/journal_fixtures.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

namespace {

struct Journal : JournalArray {
    ~Journal() { DeleteRecords(*this); }
};

// No temporary file may be left beside the saved one.
int FilesIn(const TempFolder& folder)
{
    const auto entries = std::filesystem::directory_iterator(folder.Native());
    return static_cast<int>(std::distance(std::filesystem::begin(entries), std::filesystem::end(entries)));
}

TEST(RecordFile, SavedJournalLoadsBackAndReplacesTheOldFile)
{
    TempFolder folder;
    const CString path = folder.Path("2024.siz");
    WriteFileBytes(path, "old contents");
    Journal journal;
    journal.Add(SaleEntry("2024/01/05", "1000"));
    journal.Add(SaleEntry("2024/02/05", "2000.50"));
    SaveRecordFile(path, journal);

    Journal read;
    LoadRecordFile(path, read);
    ASSERT_EQ(2, read.GetSize());
    EXPECT_EQ(CString("2000.50"), read.GetAt(1)->m_strCauseAmount1);
    EXPECT_EQ(1, FilesIn(folder));
}

// A record whose writing fails half-way through the file.
class CFailingRecord : public CObject {
    DECLARE_SERIAL(CFailingRecord)
public:
    void Serialize(CArchive&) override { throw CArchiveException(CArchiveException::genericException); }
};
IMPLEMENT_SERIAL(CFailingRecord, CObject, 0)

TEST(RecordFile, FailedSaveLeavesTheFileAsItWas)
{
    TempFolder folder;
    const CString path = folder.Path("2024.siz");
    Journal journal;
    journal.Add(SaleEntry("2024/01/05", "1000"));
    SaveRecordFile(path, journal);

    CObArray failing;
    CMyObject2 good;
    CFailingRecord bad;
    failing.Add(&good);
    failing.Add(&bad);
    EXPECT_THROW(SaveRecordFile(path, failing), CArchiveException);

    Journal read;
    LoadRecordFile(path, read);
    ASSERT_EQ(1, read.GetSize());
    EXPECT_EQ(CString("2024/01/05"), read.GetAt(0)->m_strDate);
    EXPECT_EQ(1, FilesIn(folder));

    EXPECT_THROW(SaveRecordFile(folder.Path("no-such-folder/x.siz"), journal), CFileException);
}

TEST(RecordFile, LoadingReplacesWhatTheArrayHeld)
{
    TempFolder folder;
    const CString path = folder.Path("2024.siz");
    Journal journal;
    journal.Add(SaleEntry("2024/01/05", "1000"));
    SaveRecordFile(path, journal);

    Journal read;
    read.Add(SaleEntry("2023/12/31", "1"));
    read.Add(SaleEntry("2023/12/31", "2"));
    LoadRecordFile(path, read);
    ASSERT_EQ(1, read.GetSize());
    EXPECT_EQ(CString("2024/01/05"), read.GetAt(0)->m_strDate);
}

TEST(RecordFile, DamagedFileLoadsNothing)
{
    TempFolder folder;
    const CString path = folder.Path("2024.siz");
    Journal journal;
    journal.Add(SaleEntry("2024/01/05", "1000"));
    journal.Add(SaleEntry("2024/01/06", "1000"));
    SaveRecordFile(path, journal);
    CFile whole(path, CFile::modeRead);
    std::string bytes(static_cast<size_t>(whole.GetLength()), '\0');
    whole.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    whole.Close();
    WriteFileBytes(path, bytes.substr(0, bytes.size() - 3));

    Journal read;
    read.Add(SaleEntry("2023/12/31", "1"));
    EXPECT_THROW(LoadRecordFile(path, read), CArchiveException);
    ASSERT_EQ(1, read.GetSize());
    EXPECT_EQ(CString("2023/12/31"), read.GetAt(0)->m_strDate);

    CTypedPtrArray<CObArray, CKiso*> dictionary;
    try {
        LoadRecordFile(path, dictionary);
        FAIL() << "a journal is not a dictionary";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(CArchiveException::badClass, e.m_cause);
    }
    EXPECT_EQ(0, dictionary.GetSize());
}

// What a power cut or a careless copy leaves: a file of zero bytes only, and a
// whole journal with bytes after its last record. Both are refused, the array
// and the file untouched; an empty journal written by the program still loads.
TEST(RecordFile, ZeroFilledFileAndBytesAfterTheRecordsAreRefused)
{
    TempFolder folder;
    const CString path = folder.Path("2024.siz");
    Journal journal;
    journal.Add(SaleEntry("2024/01/05", "1000"));
    SaveRecordFile(path, journal);
    const std::string whole = ReadFileBytes(path);
    const struct {
        const char* what;
        std::string bytes;
    } damaged[] = {
        {"zero bytes only", std::string(4096, '\0')},
        {"three zero bytes", std::string(3, '\0')},
        {"one byte after the records", whole + std::string(1, '\0')},
        {"a copy of the journal after it", whole + whole},
    };
    for (const auto& file : damaged) {
        WriteFileBytes(path, file.bytes);
        Journal read;
        read.Add(SaleEntry("2023/12/31", "1"));
        EXPECT_THROW(LoadRecordFile(path, read), CArchiveException) << file.what;
        ASSERT_EQ(1, read.GetSize()) << file.what;
        EXPECT_EQ(CString("2023/12/31"), read.GetAt(0)->m_strDate) << file.what;
        EXPECT_EQ(file.bytes, ReadFileBytes(path)) << file.what;
    }

    Journal empty;
    SaveRecordFile(path, empty);
    Journal read;
    read.Add(SaleEntry("2023/12/31", "1"));
    LoadRecordFile(path, read);
    EXPECT_EQ(0, read.GetSize());
}

TEST(RecordFile, MissingFileReportsFileNotFound)
{
    TempFolder folder;
    Journal read;
    try {
        LoadRecordFile(folder.Path("none.siz"), read);
        FAIL() << "a missing file must throw";
    } catch (const CFileException& e) {
        EXPECT_EQ(CFileException::fileNotFound, e.m_cause);
    }
}

TEST(OldJournal, AmountsBecomeTextAndEverythingElseIsCopied)
{
    CObArray old;
    CMyObject record;
    record.m_strDate = "1999/03/01";
    record.m_strCause1 = "仕入";
    record.m_strResult1 = "現金";
    record.m_lCauseAmount1 = 1500;
    record.m_lCauseAmount2 = 0;
    record.m_lResultAmount1 = -200;
    record.m_strResultDesc3 = "摘要";
    record.m_strRemark = "備考[]内訳";
    record.m_nDirection = 0;
    record.m_nClassCode = 2005000;
    old.Add(&record);

    Journal journal;
    ConvertOldEntries(old, journal);
    ASSERT_EQ(1, journal.GetSize());
    const CMyObject2* entry = journal.GetAt(0);
    EXPECT_EQ(CString("1500"), entry->m_strCauseAmount1);
    EXPECT_EQ(CString(""), entry->m_strCauseAmount2);
    EXPECT_EQ(CString("-200"), entry->m_strResultAmount1);
    EXPECT_EQ(CString("仕入"), entry->m_strCause1);
    EXPECT_EQ(CString("摘要"), entry->m_strResultDesc3);
    EXPECT_EQ(CString("備考[]内訳"), entry->m_strRemark);
    EXPECT_EQ(0, entry->m_nDirection);
    EXPECT_EQ(2005000, entry->m_nClassCode);
}

}  // namespace

// The shipped files as files: each reads back through the archive reader and
// stores again to the same bytes, the working dictionary starts as a copy of the
// initial one, and the sample journal opens by its Shift-JIS name.
#include "shipped_data.h"
#include "shipped_files.h"

#include "framework/archive.h"
#include "framework/arrays.h"
#include "framework/file.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

template <class Record>
std::vector<BYTE> ReadAndStoreAgain(const std::vector<BYTE>& bytes, int& count)
{
    CTypedPtrArray<CObArray, Record*> records;
    {
        CMemFile in(bytes);
        CArchive ar(&in, CArchive::load);
        records.Serialize(ar);
        EXPECT_EQ(0u, ar.BytesRemaining());
    }
    CMemFile out;
    CArchive ar(&out, CArchive::store);
    records.Serialize(ar);
    ar.Close();
    count = records.GetSize();
    for (int i = 0; i < records.GetSize(); ++i)
        delete records.GetAt(i);
    return out.Bytes();
}

TEST(ShippedFiles, EachFileStoresAgainToTheSameBytes)
{
    struct Case {
        const char* file;
        std::function<std::vector<BYTE>(const std::vector<BYTE>&, int&)> roundTrip;
    } cases[] = {
        {kInitialDictionary, ReadAndStoreAgain<CKiso>},
        {kWorkingDictionary, ReadAndStoreAgain<CKiso>},
        {kHintExamples, ReadAndStoreAgain<CMyObject2>},
        {SHIPPED_SAMPLE_JOURNAL, ReadAndStoreAgain<CMyObject2>},
    };
    for (const Case& c : cases) {
        const std::vector<BYTE> bytes = ReadShippedBytes(c.file);
        int count = 0;
        EXPECT_EQ(bytes, c.roundTrip(bytes, count)) << c.file;
        EXPECT_GT(count, 8) << c.file;
    }
}

TEST(ShippedFiles, WorkingDictionaryStartsAsTheInitialOne)
{
    EXPECT_EQ(ReadShippedBytes(kInitialDictionary), ReadShippedBytes(kWorkingDictionary));
}

TEST(ShippedFiles, SampleJournalOpensByItsShiftJisName)
{
    // The program knows the sample by "ｻﾝﾌﾟﾙ" in its name and opens files through
    // code page 932; on Windows the name must come back as the same characters.
    const CString name(SHIPPED_SAMPLE_JOURNAL);
    EXPECT_GE(name.Find("ｻﾝﾌﾟﾙ"), 0);
    EXPECT_EQ(CString(".siz"), name.Right(4));
    EXPECT_EQ(CString("\xBB\xDD\xCC\xDF\xD9"), CString("ｻﾝﾌﾟﾙ"));
    CFile file(ShippedPath(SHIPPED_SAMPLE_JOURNAL), CFile::modeRead | CFile::shareDenyWrite);
    EXPECT_GT(file.GetLength(), 2u);
}

}  // namespace

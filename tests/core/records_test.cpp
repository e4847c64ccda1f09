#include "core/kiso.h"
#include "core/my_object.h"
#include "core/my_object2.h"
#include "framework/archive.h"
#include "framework/arrays.h"
#include "support/entry_builder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

template <class T>
struct OwnedArray : CTypedPtrArray<CObArray, T*> {
    ~OwnedArray()
    {
        for (int i = 0; i < this->GetSize(); ++i)
            delete this->GetAt(i);
    }
};

template <class T>
Bytes StoreArray(OwnedArray<T>& array)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    array.Serialize(ar);
    ar.Close();
    return file.Bytes();
}

template <class T>
void LoadArray(const Bytes& bytes, OwnedArray<T>& array)
{
    CMemFile file(bytes);
    CArchive ar(&file, CArchive::load);
    array.Serialize(ar);
}

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes Ascii(const char* text)
{
    return Bytes(text, text + std::char_traits<char>::length(text));
}

// The one-entry journal: 現金 1000 as cause row 1, 元入金 1000 as result row 1.
const Bytes kOneEntryJournal = Concat({
    {0x01, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x0A, 0x00},
    Ascii("CMyObject2"),
    {0x0A},
    Ascii("2024/01/01"),
    {0x04, 0x8C, 0xBB, 0x8B, 0xE0, 0x00, 0x00},
    {0x06, 0x8C, 0xB3, 0x93, 0xFC, 0x8B, 0xE0, 0x00, 0x00},
    {0x04, '1', '0', '0', '0', 0x00, 0x00},
    {0x04, '1', '0', '0', '0'},
    Bytes(9, 0x00),
    {0x01, 0x00, 0x00, 0x00, 0x98, 0x66, 0x4C, 0x00},
});

TEST(JournalEntry, OneEntryJournalHasItsExactBytesBothWays)
{
    ASSERT_EQ(74u, kOneEntryJournal.size());
    OwnedArray<CMyObject2> journal;
    journal.Add(OneRowEntry("2024/01/01", "現金", "元入金", "1000", 1, 5007000).New());
    EXPECT_EQ(kOneEntryJournal, StoreArray(journal));

    OwnedArray<CMyObject2> read;
    LoadArray(kOneEntryJournal, read);
    ASSERT_EQ(1, read.GetSize());
    const CMyObject2* back = read.GetAt(0);
    EXPECT_EQ(CString("2024/01/01"), back->m_strDate);
    EXPECT_EQ(CString("元入金"), back->m_strResult1);
    EXPECT_EQ(CString("1000"), back->m_strResultAmount1);
    EXPECT_TRUE(back->m_strRemark.IsEmpty());
    EXPECT_EQ(1, back->m_nDirection);
    EXPECT_EQ(5007000, back->m_nClassCode);
}

TEST(JournalEntry, EmptyEntryIsTwentyZeroBytesThenItsIntegers)
{
    OwnedArray<CMyObject2> journal;
    auto* entry = new CMyObject2;
    entry->m_nDirection = -1;
    entry->m_nClassCode = 0;
    journal.Add(entry);
    const Bytes bytes = StoreArray(journal);
    const Bytes fields(bytes.begin() + 18, bytes.end());
    EXPECT_EQ(Concat({Bytes(20, 0x00), {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00}}), fields);
}

TEST(JournalEntry, ConstructionGivesDefinedValues)
{
    CMyObject2 entry;
    EXPECT_EQ(-1, entry.m_nDirection);
    EXPECT_EQ(0, entry.m_nClassCode);
    EXPECT_TRUE(entry.m_strDate.IsEmpty());
    CKiso node;
    EXPECT_EQ(0, node.m_nFirstChild);
    EXPECT_EQ(0, node.m_nChildCount);
    CMyObject old;
    EXPECT_EQ(0, old.m_lCauseAmount1);
}

TEST(JournalEntry, DebitSideFollowsTheDirection)
{
    struct Case {
        int direction;
        bool causeIsDebit;
    } cases[] = {{0, true}, {1, false}, {-1, false}};
    for (const Case& c : cases) {
        CMyObject2 entry;
        entry.m_nDirection = c.direction;
        EXPECT_EQ(c.causeIsDebit, entry.CauseIsDebit()) << c.direction;
    }
}

TEST(DictionaryNode, StoresTwoIntegersThenThreeTexts)
{
    OwnedArray<CKiso> dictionary;
    auto* node = new CKiso;
    node->m_nFirstChild = 9;
    node->m_nChildCount = 2;
    node->m_strName = "売上";
    node->m_strWord1 = "で";
    dictionary.Add(node);
    const Bytes expected = Concat({
        {0x01, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x05, 0x00},
        Ascii("CKiso"),
        {0x09, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00},
        {0x04, 0x94, 0x84, 0x8F, 0xE3},
        {0x02, 0x82, 0xC5},
        {0x00},
    });
    EXPECT_EQ(expected, StoreArray(dictionary));

    OwnedArray<CKiso> read;
    LoadArray(expected, read);
    ASSERT_EQ(1, read.GetSize());
    EXPECT_EQ(9, read.GetAt(0)->m_nFirstChild);
    EXPECT_EQ(CString("売上"), read.GetAt(0)->m_strName);
    EXPECT_TRUE(read.GetAt(0)->HasChildren());
    CKiso leaf;
    leaf.m_nChildCount = 5;
    EXPECT_FALSE(leaf.HasChildren());
}

TEST(OldJournalEntry, StoresSevenTextsSixAmountsSevenTextsTwoIntegers)
{
    OwnedArray<CMyObject> old;
    auto* entry = new CMyObject;
    entry->m_strDate = "1999/12/31";
    entry->m_lCauseAmount1 = 1500;
    entry->m_lResultAmount1 = -200;
    entry->m_strRemark = "r";
    entry->m_nDirection = 0;
    entry->m_nClassCode = 3005000;
    old.Add(entry);
    const Bytes bytes = StoreArray(old);
    const Bytes expectedFields = Concat({
        {0x0A}, Ascii("1999/12/31"), Bytes(6, 0x00),
        {0xDC, 0x05, 0x00, 0x00}, Bytes(8, 0x00), {0x38, 0xFF, 0xFF, 0xFF}, Bytes(8, 0x00),
        Bytes(6, 0x00), {0x01, 'r'},
        {0x00, 0x00, 0x00, 0x00, 0x48, 0xDA, 0x2D, 0x00},
    });
    EXPECT_EQ(expectedFields, Bytes(bytes.begin() + 17, bytes.end()));

    OwnedArray<CMyObject> read;
    LoadArray(bytes, read);
    EXPECT_EQ(-200, read.GetAt(0)->m_lResultAmount1);
    EXPECT_EQ(3005000, read.GetAt(0)->m_nClassCode);
}

TEST(JournalFile, OtherRecordClassesAreNotAJournal)
{
    OwnedArray<CKiso> dictionary;
    dictionary.Add(new CKiso);
    const Bytes bytes = StoreArray(dictionary);
    OwnedArray<CMyObject2> journal;
    try {
        LoadArray(bytes, journal);
        FAIL() << "a dictionary must not load as a journal";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(CArchiveException::badClass, e.m_cause);
    }
    EXPECT_EQ(0, journal.GetSize());
}

TEST(JournalFile, RoundTripsThroughAFileOnDisk)
{
    TempFolder folder;
    const CString path = folder.Path("表.siz");
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        file.Write(kOneEntryJournal.data(), static_cast<UINT>(kOneEntryJournal.size()));
        file.Close();
    }
    OwnedArray<CMyObject2> journal;
    {
        CFile file(path, CFile::modeRead);
        CArchive ar(&file, CArchive::load, 4096);
        journal.Serialize(ar);
    }
    ASSERT_EQ(1, journal.GetSize());
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store, 4096);
        journal.Serialize(ar);
        ar.Close();
        file.Close();
    }
    CFile file(path, CFile::modeRead);
    Bytes bytes(static_cast<size_t>(file.GetLength()));
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    EXPECT_EQ(kOneEntryJournal, bytes);
}

}  // namespace

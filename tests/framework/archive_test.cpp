#include "framework/archive.h"
#include "framework/arrays.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace {

class CPoint3 : public CObject {
    DECLARE_SERIAL(CPoint3)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_nValue;
        else
            ar >> m_nValue;
    }
    std::int32_t m_nValue = 0;
};
IMPLEMENT_SERIAL(CPoint3, CObject, 0)

class COtherRecord : public CObject {
    DECLARE_SERIAL(COtherRecord)
};
IMPLEMENT_SERIAL(COtherRecord, CObject, 0)

class CSchemaTwo : public CObject {
    DECLARE_SERIAL(CSchemaTwo)
};
IMPLEMENT_SERIAL(CSchemaTwo, CObject, 2)

using Bytes = std::vector<BYTE>;

// Owns the objects of an array read in a test.
struct OwnedArray : CObArray {
    ~OwnedArray()
    {
        for (CObject* object : *this)
            delete object;
    }
};

template <class Fill>
Bytes Store(Fill fill)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    fill(ar);
    ar.Close();
    return file.Bytes();
}

CString TextOf(size_t length)
{
    return CString(std::string(length, 'a'));
}

TEST(Archive, TextLengthPrefixes)
{
    struct Case {
        size_t length;
        Bytes prefix;
    } cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        const CString text = TextOf(c.length);
        Bytes bytes = Store([&](CArchive& ar) { ar << text; });
        ASSERT_EQ(c.prefix.size() + c.length, bytes.size()) << c.length;
        EXPECT_EQ(c.prefix, Bytes(bytes.begin(), bytes.begin() + static_cast<long>(c.prefix.size()))) << c.length;

        CMemFile in(bytes);
        CArchive ar(&in, CArchive::load);
        CString read;
        ar >> read;
        EXPECT_EQ(text, read) << c.length;
        EXPECT_EQ(0u, ar.BytesRemaining());
    }
}

TEST(Archive, CountsAndIntegers)
{
    struct Case {
        std::uint32_t count;
        Bytes bytes;
    } cases[] = {
        {0, {0x00, 0x00}},
        {65534, {0xFE, 0xFF}},
        {65535, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.bytes, Store([&](CArchive& ar) { ar.WriteCount(c.count); })) << c.count;
        CMemFile in(c.bytes);
        CArchive ar(&in, CArchive::load);
        EXPECT_EQ(c.count, ar.ReadCount());
    }
    EXPECT_EQ((Bytes{0x98, 0x66, 0x4C, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}),
              Store([](CArchive& ar) { ar << std::int32_t{5007000} << std::int32_t{-1}; }));
}

TEST(Archive, ArrayOfRecordsTagsEachClassOnce)
{
    CObArray array;
    CPoint3 a, b;
    a.m_nValue = 1;
    b.m_nValue = 2;
    array.Add(&a);
    array.Add(&b);
    Bytes bytes = Store([&](CArchive& ar) { array.Serialize(ar); });
    const Bytes expected = {0x02, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x07, 0x00, 'C', 'P', 'o', 'i', 'n', 't', '3',
                            0x01, 0x00, 0x00, 0x00, 0x01, 0x80, 0x02, 0x00, 0x00, 0x00};
    EXPECT_EQ(expected, bytes);

    CMemFile in(bytes);
    CArchive ar(&in, CArchive::load);
    OwnedArray read;
    read.Serialize(ar, RUNTIME_CLASS(CPoint3));
    ASSERT_EQ(2, read.GetSize());
    EXPECT_EQ(2, static_cast<CPoint3*>(read[1])->m_nValue);
}

TEST(Archive, ArrayPastTheSmallIndexRangeReadsBack)
{
    // Class index 1 stays small; a big class tag is written only for class indexes
    // of 0x7FFF and above, so a long array reads back through the small form.
    const int n = 40000;
    std::vector<std::unique_ptr<CPoint3>> points;
    CObArray array;
    for (int i = 0; i < n; ++i) {
        points.push_back(std::make_unique<CPoint3>());
        points.back()->m_nValue = i;
        array.Add(points.back().get());
    }
    Bytes bytes = Store([&](CArchive& ar) { array.Serialize(ar); });
    CMemFile in(bytes);
    CArchive ar(&in, CArchive::load);
    OwnedArray read;
    read.Serialize(ar, RUNTIME_CLASS(CPoint3));
    ASSERT_EQ(n, read.GetSize());
    EXPECT_EQ(n - 1, static_cast<CPoint3*>(read[n - 1])->m_nValue);
}

TEST(Archive, ReadsABigClassTag)
{
    // 0x7FFF followed by a 32-bit class reference with the highest bit set.
    const Bytes bytes = {0x02, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x07, 0x00, 'C', 'P', 'o', 'i', 'n', 't', '3',
                         0x05, 0x00, 0x00, 0x00, 0xFF, 0x7F, 0x01, 0x00, 0x00, 0x80, 0x06, 0x00, 0x00, 0x00};
    CMemFile in(bytes);
    CArchive ar(&in, CArchive::load);
    OwnedArray read;
    read.Serialize(ar, RUNTIME_CLASS(CPoint3));
    ASSERT_EQ(2, read.GetSize());
    EXPECT_EQ(6, static_cast<CPoint3*>(read[1])->m_nValue);
}

int LoadFailure(const Bytes& bytes, const CRuntimeClass* expected = RUNTIME_CLASS(CPoint3))
{
    CMemFile in(bytes);
    CArchive ar(&in, CArchive::load);
    OwnedArray read;
    try {
        read.Serialize(ar, expected);
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    return CArchiveException::none;
}

TEST(Archive, DamagedArchivesAreRefusedWithTheirCause)
{
    const Bytes header = {0xFF, 0xFF, 0x00, 0x00, 0x07, 0x00, 'C', 'P', 'o', 'i', 'n', 't', '3'};
    auto withCount = [&](Bytes count, Bytes tail) {
        Bytes bytes = count;
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        return bytes;
    };
    Bytes oneRecord = withCount({0x01, 0x00}, header);
    oneRecord.insert(oneRecord.end(), {0x01, 0x00, 0x00, 0x00});

    struct Case {
        const char* what;
        Bytes bytes;
        int cause;
    } cases[] = {
        {"empty file", {}, CArchiveException::endOfFile},
        {"empty array", {0x00, 0x00}, CArchiveException::none},
        {"one good record", oneRecord, CArchiveException::none},
        {"record cut short", Bytes(oneRecord.begin(), oneRecord.end() - 1), CArchiveException::endOfFile},
        {"count larger than records", withCount({0x02, 0x00}, Bytes(oneRecord.begin() + 2, oneRecord.end())),
         CArchiveException::endOfFile},
        {"huge 32-bit count", withCount({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, {}), CArchiveException::endOfFile},
        {"class reference before any class", {0x01, 0x00, 0x01, 0x80}, CArchiveException::badIndex},
        {"count without records", withCount({0x02, 0x00}, {}), CArchiveException::endOfFile},
        {"empty slot", {0x01, 0x00, 0x00, 0x00}, CArchiveException::badIndex},
        {"unknown class", {0x01, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x03, 0x00, 'C', 'X', 'Y'},
         CArchiveException::badClass},
        {"absurd class-name length", {0x01, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF}, CArchiveException::badClass},
        {"other class", withCount({0x01, 0x00}, {0xFF, 0xFF, 0x00, 0x00, 0x0C, 0x00, 'C', 'O', 't', 'h', 'e', 'r',
                                                 'R', 'e', 'c', 'o', 'r', 'd'}),
         CArchiveException::badClass},
        {"wrong schema", withCount({0x01, 0x00}, {0xFF, 0xFF, 0x01, 0x00, 0x07, 0x00, 'C', 'P', 'o', 'i', 'n', 't',
                                                  '3', 0x01, 0x00, 0x00, 0x00}),
         CArchiveException::badSchema},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.cause, LoadFailure(c.bytes)) << c.what;

    Bytes secondRecordRefersToFirst = withCount({0x02, 0x00}, header);
    secondRecordRefersToFirst.insert(secondRecordRefersToFirst.end(), {0x01, 0x00, 0x00, 0x00, 0x02, 0x00});
    EXPECT_EQ(CArchiveException::badIndex, LoadFailure(secondRecordRefersToFirst));

    Bytes schemaTwo = {0x01, 0x00, 0xFF, 0xFF, 0x02, 0x00, 0x0A, 0x00, 'C', 'S', 'c', 'h', 'e', 'm', 'a', 'T', 'w', 'o'};
    EXPECT_EQ(CArchiveException::none, LoadFailure(schemaTwo, nullptr));
}

TEST(Archive, HugeTextLengthIsRefusedBeforeAllocating)
{
    const Bytes bytes = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 'b'};
    CMemFile in(bytes);
    CArchive ar(&in, CArchive::load);
    CString text;
    try {
        ar >> text;
        FAIL() << "a text longer than the file must be refused";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(CArchiveException::endOfFile, e.m_cause);
    }
}

TEST(Archive, WideTextIsRefused)
{
    const Bytes bytes = {0xFF, 0xFE, 0xFF, 0x01, 'a', 0x00};
    CMemFile in(bytes);
    CArchive ar(&in, CArchive::load);
    CString text;
    EXPECT_THROW(ar >> text, CArchiveException);
}

TEST(Archive, DirectionIsEnforced)
{
    CMemFile file;
    CArchive storing(&file, CArchive::store);
    CString text;
    EXPECT_THROW(storing >> text, CArchiveException);
    CArchive loading(&file, CArchive::load);
    EXPECT_THROW(loading << text, CArchiveException);
}

}  // namespace

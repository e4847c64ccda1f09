#include "framework/archive.h"
#include "framework/arrays.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <string>
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

// A record with texts and numbers, like the entries of a journal.
class CEntryRecord : public CObject {
    DECLARE_SERIAL(CEntryRecord)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_strDate << m_strAccount << m_strRemark << m_nDirection << m_nCode;
        else
            ar >> m_strDate >> m_strAccount >> m_strRemark >> m_nDirection >> m_nCode;
    }
    CString m_strDate, m_strAccount, m_strRemark;
    std::int32_t m_nDirection = 0;
    std::int32_t m_nCode = 0;
};
IMPLEMENT_SERIAL(CEntryRecord, CObject, 0)

// Creatable by name but not serialisable: never written to nor read from a file.
class CCreatableOnly : public CObject {
    DECLARE_DYNCREATE(CCreatableOnly)
};
IMPLEMENT_DYNCREATE(CCreatableOnly, CObject)

class CDynamicOnly : public CObject {
    DECLARE_DYNAMIC(CDynamicOnly)
};
IMPLEMENT_DYNAMIC(CDynamicOnly, CObject)

// Serialisable, but with a class name longer than the reader accepts.
class CRecordWhoseClassNameIsLongerThanAnyClassNameTheReaderAcceptsFromAFile : public CObject {
    DECLARE_SERIAL(CRecordWhoseClassNameIsLongerThanAnyClassNameTheReaderAcceptsFromAFile)
};
IMPLEMENT_SERIAL(CRecordWhoseClassNameIsLongerThanAnyClassNameTheReaderAcceptsFromAFile, CObject, 0)

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

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes LittleEndian32(std::uint32_t value)
{
    return {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8), static_cast<BYTE>(value >> 16),
            static_cast<BYTE>(value >> 24)};
}

TEST(Archive, TextLengthPastTheEndOfTheFileIsRefusedBeforeAllocating)
{
    // A file on disk, read through the 4096-byte buffer: a hundred texts fill the
    // buffer twice over before the text whose length is tested, so the bytes left
    // must be counted across refills. A refused text keeps its value: nothing was
    // allocated for it.
    const Bytes fillers = Store([](CArchive& ar) {
        for (int i = 0; i < 100; ++i)
            ar << TextOf(100);
    });
    const Bytes tail(37, 'z');
    struct Case {
        std::uint32_t length;
        bool accepted;
    } cases[] = {
        {37, true}, {38, false}, {4096, false}, {0x7FFFFFF0u, false}, {0xFFFFFFFFu, false},
    };
    TempFolder folder;
    const CString path = folder.Path("long-text.siz");
    for (const Case& c : cases) {
        const Bytes bytes = Concat({fillers, {0xFF, 0xFF, 0xFF}, LittleEndian32(c.length), tail});
        WriteFileBytes(path, std::string(bytes.begin(), bytes.end()));

        CFile file(path, CFile::modeRead | CFile::shareDenyWrite);
        CArchive ar(&file, CArchive::load, 4096);
        CString text;
        for (int i = 0; i < 100; ++i)
            ar >> text;
        text = "before";
        if (c.accepted) {
            ar >> text;
            EXPECT_EQ(CString(std::string(tail.begin(), tail.end())), text);
            EXPECT_EQ(0u, ar.BytesRemaining());
            continue;
        }
        try {
            ar >> text;
            ADD_FAILURE() << "length " << c.length << " must be refused";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(CArchiveException::endOfFile, e.m_cause) << c.length;
        }
        EXPECT_EQ(CString("before"), text) << c.length;
    }
}

// A file in memory that counts how often it is asked for its length and position.
class CCountingFile : public CMemFile {
public:
    using CMemFile::CMemFile;
    std::uint64_t GetLength() const override
    {
        ++m_nLengthAsked;
        return CMemFile::GetLength();
    }
    std::uint64_t GetPosition() const override
    {
        ++m_nPositionAsked;
        return CMemFile::GetPosition();
    }
    mutable int m_nLengthAsked = 0;
    mutable int m_nPositionAsked = 0;
};

TEST(Archive, FileIsAskedForItsLengthOnceForAllTexts)
{
    // Every text is longer than the buffer, so each needs the bytes left in the file.
    const int count = 300;
    Bytes bytes = Store([&](CArchive& ar) {
        for (int i = 0; i < count; ++i)
            ar << CString(std::string(200 + static_cast<size_t>(i), static_cast<char>('a' + i % 26)));
    });
    CCountingFile file(bytes);
    CArchive ar(&file, CArchive::load, 128);
    for (int i = 0; i < count; ++i) {
        CString text;
        ar >> text;
        ASSERT_EQ(200 + i, text.GetLength());
        ASSERT_EQ(static_cast<char>('a' + i % 26), text[i]);
    }
    EXPECT_EQ(0u, ar.BytesRemaining());
    EXPECT_EQ(1, file.m_nLengthAsked);
    EXPECT_EQ(1, file.m_nPositionAsked);
}

TEST(Archive, BusyYearOfRecordsRoundTripsByteForByte)
{
    // 20,000 records written to a file, read back through the file and written
    // again: the same bytes. Texts of every length prefix occur among them.
    const int n = 20000;
    std::vector<std::unique_ptr<CEntryRecord>> entries;
    CObArray array;
    for (int i = 0; i < n; ++i) {
        auto entry = std::make_unique<CEntryRecord>();
        char date[16];
        std::snprintf(date, sizeof date, "2024/%02d/%02d", 1 + i % 12, 1 + i % 28);
        entry->m_strDate = date;
        entry->m_strAccount = i % 2 ? "現金" : "普通預金";
        entry->m_strRemark = TextOf(i % 7 == 0 ? 255 + static_cast<size_t>(i % 300) : static_cast<size_t>(i % 40));
        entry->m_nDirection = i % 2;
        entry->m_nCode = 1005000 + i;
        array.Add(entry.get());
        entries.push_back(std::move(entry));
    }
    entries[123]->m_strRemark = TextOf(70000);

    TempFolder folder;
    const CString path = folder.Path("year.siz");
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store, 4096);
        array.Serialize(ar);
        ar.Close();
        file.Close();
    }
    const std::string written = ReadFileBytes(path);

    OwnedArray read;
    {
        CFile file(path, CFile::modeRead | CFile::shareDenyWrite);
        CArchive ar(&file, CArchive::load, 4096);
        read.Serialize(ar, RUNTIME_CLASS(CEntryRecord));
        EXPECT_EQ(0u, ar.BytesRemaining());
    }
    ASSERT_EQ(n, read.GetSize());
    for (int i : {0, 123, 7 * 1000, n - 1}) {
        const auto* entry = static_cast<CEntryRecord*>(read[i]);
        EXPECT_EQ(entries[static_cast<size_t>(i)]->m_strDate, entry->m_strDate) << i;
        EXPECT_EQ(entries[static_cast<size_t>(i)]->m_strAccount, entry->m_strAccount) << i;
        EXPECT_EQ(entries[static_cast<size_t>(i)]->m_strRemark, entry->m_strRemark) << i;
        EXPECT_EQ(1005000 + i, entry->m_nCode) << i;
    }

    const Bytes again = Store([&](CArchive& ar) { read.Serialize(ar); });
    EXPECT_TRUE(std::string(again.begin(), again.end()) == written) << "the saved bytes differ";
}

// The value a test record holds, whatever its class.
std::int32_t ValueOf(const CObject* object)
{
    if (object->IsKindOf(RUNTIME_CLASS(CPoint3)))
        return static_cast<const CPoint3*>(object)->m_nValue;
    return static_cast<const CEntryRecord*>(object)->m_nCode;
}

TEST(Archive, EveryArrayTheWriterProducesReadsBackAndWritesTheSameBytes)
{
    std::vector<std::unique_ptr<CObject>> owned;
    auto point = [&](std::int32_t value) {
        auto p = std::make_unique<CPoint3>();
        p->m_nValue = value;
        owned.push_back(std::move(p));
        return owned.back().get();
    };
    auto entry = [&](std::int32_t code) {
        auto e = std::make_unique<CEntryRecord>();
        e->m_nCode = code;
        e->m_strRemark = TextOf(static_cast<size_t>(code % 300));
        owned.push_back(std::move(e));
        return owned.back().get();
    };
    auto points = [&](std::vector<CObject*>& into, int count) {
        for (int i = 0; i < count; ++i)
            into.push_back(point(i));
    };

    struct Case {
        const char* what;
        std::vector<CObject*> objects;
    };
    std::vector<Case> cases;
    cases.push_back({"empty array", {}});
    cases.push_back({"one record", {point(7)}});
    cases.push_back({"two classes in turn", {point(1), entry(2), point(3), entry(4), entry(5)}});
    {
        // The second class is met when indexes have passed 0x7FFF: every later
        // reference to it is a 32-bit class tag.
        Case big{"second class after index 0x7FFF", {}};
        points(big.objects, 0x8000);
        big.objects.push_back(entry(100));
        big.objects.push_back(point(101));
        big.objects.push_back(entry(102));
        cases.push_back(std::move(big));
    }
    {
        Case many{"65535 records and more: 32-bit count", {}};
        points(many.objects, 70000);
        cases.push_back(std::move(many));
    }

    for (const Case& c : cases) {
        CObArray array;
        for (CObject* object : c.objects)
            array.Add(object);
        const Bytes bytes = Store([&](CArchive& ar) { array.Serialize(ar); });

        CMemFile in(bytes);
        CArchive ar(&in, CArchive::load);
        OwnedArray read;
        ASSERT_NO_THROW(read.Serialize(ar)) << c.what;
        EXPECT_EQ(0u, ar.BytesRemaining()) << c.what;
        ASSERT_EQ(array.GetSize(), read.GetSize()) << c.what;
        for (int i = 0; i < array.GetSize(); ++i) {
            ASSERT_EQ(array[i]->GetRuntimeClass(), read[i]->GetRuntimeClass()) << c.what << " " << i;
            ASSERT_EQ(ValueOf(array[i]), ValueOf(read[i])) << c.what << " " << i;
        }
        EXPECT_EQ(bytes, Store([&](CArchive& out) { read.Serialize(out); })) << c.what;
    }

    // The second class gets index 0x8002 (the first class 1, then 0x8000 records),
    // so its later reference is the 32-bit class tag.
    CObArray array;
    for (CObject* object : cases[3].objects)
        array.Add(object);
    const Bytes bytes = Store([&](CArchive& ar) { array.Serialize(ar); });
    const Bytes lastTags = Concat({{0xFF, 0x7F}, LittleEndian32(0x80000000u | 0x8002)});
    EXPECT_NE(std::search(bytes.begin(), bytes.end(), lastTags.begin(), lastTags.end()), bytes.end());
}

TEST(Archive, WriterRefusesWhatTheReaderWouldRefuse)
{
    CPoint3 point;
    CCreatableOnly creatable;
    CDynamicOnly dynamicOnly;
    CRecordWhoseClassNameIsLongerThanAnyClassNameTheReaderAcceptsFromAFile longName;
    struct Case {
        const char* what;
        std::vector<CObject*> objects;
        int cause;
    } cases[] = {
        {"empty slot", {&point, nullptr}, CArchiveException::badIndex},
        {"same record twice", {&point, &point}, CArchiveException::badIndex},
        {"class not serialisable", {&creatable}, CArchiveException::badClass},
        {"class not creatable by name", {&dynamicOnly}, CArchiveException::badClass},
        {"class name too long for the reader", {&longName}, CArchiveException::badClass},
    };
    for (const Case& c : cases) {
        CObArray array;
        for (CObject* object : c.objects)
            array.Add(object);
        CMemFile file;
        CArchive ar(&file, CArchive::store);
        try {
            array.Serialize(ar);
            ADD_FAILURE() << c.what << " must be refused";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(c.cause, e.m_cause) << c.what;
        }
    }

    // The reader refuses a class that is creatable but not serialisable.
    const Bytes creatableFile = {0x01, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x0E, 0x00, 'C', 'C', 'r', 'e',
                                 'a',  't',  'a',  'b',  'l',  'e',  'O',  'n',  'l', 'y'};
    EXPECT_EQ(CArchiveException::badClass, LoadFailure(creatableFile, nullptr));
}

}  // namespace

#include "archive.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

constexpr WORD kNewClassTag = 0xFFFF;
constexpr WORD kClassTag = 0x8000;
constexpr WORD kBigObjectTag = 0x7FFF;
constexpr std::uint32_t kBigClassTag = 0x80000000u;
constexpr WORD kWideTextMark = 0xFFFE;
constexpr std::size_t kLongestClassName = 64;

}  // namespace

CArchive::CArchive(CFile* file, UINT mode, int bufferSize)
    : m_file(file), m_mode(mode == load ? load : store),
      m_buffer(static_cast<std::size_t>(std::max(bufferSize, 128)))
{
    m_loaded.push_back(nullptr);  // index 0 names no object
}

void CArchive::RequireLoading() const
{
    if (m_mode != load)
        throw CArchiveException(CArchiveException::writeOnly);
}

void CArchive::RequireStoring() const
{
    if (m_mode != store)
        throw CArchiveException(CArchiveException::readOnly);
}

void CArchive::Flush()
{
    if (m_mode == store && m_next > 0) {
        m_file->Write(m_buffer.data(), static_cast<UINT>(m_next));
        m_next = 0;
    }
}

void CArchive::Close()
{
    Flush();
    m_file = nullptr;
}

void CArchive::Write(const void* data, UINT count)
{
    WriteBytes(data, count);
}

void CArchive::WriteSlow(const BYTE* data, std::size_t count)
{
    RequireStoring();
    while (count > 0) {
        if (m_next == m_buffer.size())
            Flush();
        std::size_t n = std::min(count, m_buffer.size() - m_next);
        std::memcpy(m_buffer.data() + m_next, data, n);
        m_next += n;
        data += n;
        count -= n;
    }
}

void CArchive::FillBuffer()
{
    m_filled = m_file->Read(m_buffer.data(), static_cast<UINT>(m_buffer.size()));
    m_next = 0;
    if (m_fileLeftKnown)
        m_fileLeft -= std::min<std::uint64_t>(m_fileLeft, m_filled);
    if (m_filled == 0)
        throw CArchiveException(CArchiveException::endOfFile);
}

void CArchive::Read(void* data, UINT count)
{
    RequireLoading();
    ReadBytes(data, count);
}

void CArchive::ReadSlow(BYTE* data, std::size_t count)
{
    RequireLoading();
    while (count > 0) {
        if (m_next == m_filled)
            FillBuffer();
        std::size_t n = std::min(count, m_filled - m_next);
        std::memcpy(data, m_buffer.data() + m_next, n);
        m_next += n;
        data += n;
        count -= n;
    }
}

std::uint64_t CArchive::BytesRemaining() const
{
    RequireLoading();
    if (!m_fileLeftKnown) {
        // Asked once: under Wine each question is a system call, and a busy year
        // holds hundreds of thousands of texts.
        const std::uint64_t length = m_file->GetLength();
        const std::uint64_t position = m_file->GetPosition();
        m_fileLeft = length > position ? length - position : 0;
        m_fileLeftKnown = true;
    }
    return m_fileLeft + (m_filled - m_next);
}

CArchive& CArchive::operator<<(BYTE value)
{
    WriteBytes(&value, 1);
    return *this;
}

CArchive& CArchive::operator<<(WORD value)
{
    BYTE bytes[2] = {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8)};
    WriteBytes(bytes, 2);
    return *this;
}

CArchive& CArchive::operator<<(std::uint32_t value)
{
    BYTE bytes[4] = {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8), static_cast<BYTE>(value >> 16),
                     static_cast<BYTE>(value >> 24)};
    WriteBytes(bytes, 4);
    return *this;
}

CArchive& CArchive::operator<<(std::int32_t value)
{
    return *this << static_cast<std::uint32_t>(value);
}

CArchive& CArchive::operator>>(BYTE& value)
{
    ReadBytes(&value, 1);
    return *this;
}

CArchive& CArchive::operator>>(WORD& value)
{
    BYTE bytes[2];
    ReadBytes(bytes, 2);
    value = static_cast<WORD>(bytes[0] | (bytes[1] << 8));
    return *this;
}

CArchive& CArchive::operator>>(std::uint32_t& value)
{
    BYTE bytes[4];
    ReadBytes(bytes, 4);
    value = static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
            (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
    return *this;
}

CArchive& CArchive::operator>>(std::int32_t& value)
{
    std::uint32_t raw;
    *this >> raw;
    value = static_cast<std::int32_t>(raw);
    return *this;
}

CArchive& CArchive::operator<<(const CString& text)
{
    const auto length = static_cast<std::uint32_t>(text.GetLength());
    if (length < 0xFF) {
        *this << static_cast<BYTE>(length);
    } else if (length < 0xFFFE) {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(length);
    } else {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << length;
    }
    WriteBytes(static_cast<LPCTSTR>(text), length);
    return *this;
}

CArchive& CArchive::operator>>(CString& text)
{
    BYTE shortLength;
    *this >> shortLength;
    std::uint32_t length = shortLength;
    if (shortLength == 0xFF) {
        WORD middleLength;
        *this >> middleLength;
        // A wide-character text is never written by this program: refuse it as damage.
        if (middleLength == kWideTextMark)
            throw CArchiveException(CArchiveException::genericException);
        length = middleLength;
        if (middleLength == 0xFFFF)
            *this >> length;
    }
    // A damaged length must not allocate more than the file still holds (nor
    // more than a text can hold).
    if (length > static_cast<std::uint32_t>(INT_MAX) || (length > m_filled - m_next && length > BytesRemaining()))
        throw CArchiveException(CArchiveException::endOfFile);
    // Read straight into the text: one allocation at most (none for short texts).
    ReadBytes(text.GetBufferSetLength(static_cast<int>(length)), length);
    return *this;
}

void CArchive::WriteCount(std::uint32_t count)
{
    if (count < 0xFFFF) {
        *this << static_cast<WORD>(count);
    } else {
        *this << static_cast<WORD>(0xFFFF) << count;
    }
}

std::uint32_t CArchive::ReadCount()
{
    WORD shortCount;
    *this >> shortCount;
    if (shortCount != 0xFFFF)
        return shortCount;
    std::uint32_t count;
    *this >> count;
    return count;
}

void CArchive::WriteTag(std::uint32_t index, bool isClass)
{
    if (index < kBigObjectTag) {
        *this << static_cast<WORD>(isClass ? (kClassTag | index) : index);
    } else {
        *this << kBigObjectTag << (isClass ? (kBigClassTag | index) : index);
    }
}

// The reader recreates an object from its class name: the class must be
// registered under that name as serialisable, with a name the reader accepts.
static bool ReaderCanRecreate(const CRuntimeClass* cls)
{
    return cls->m_wSchema != CRuntimeClass::kNotSerial && std::strlen(cls->m_lpszClassName) <= kLongestClassName &&
           CRuntimeClass::FromName(cls->m_lpszClassName) == cls;
}

void CArchive::WriteObject(const CObject* object)
{
    RequireStoring();
    // The tags for an empty slot and for a second reference to an object are
    // refused by the reader, so they are never written.
    if (!object || !m_storedObjects.insert(object).second)
        throw CArchiveException(CArchiveException::badIndex);
    const CRuntimeClass* cls = object->GetRuntimeClass();
    auto known = m_storedClasses.find(cls);
    if (known != m_storedClasses.end()) {
        WriteTag(known->second, true);
    } else {
        if (!ReaderCanRecreate(cls))
            throw CArchiveException(CArchiveException::badClass);
        const auto nameLength = static_cast<WORD>(std::strlen(cls->m_lpszClassName));
        *this << kNewClassTag << static_cast<WORD>(cls->m_wSchema) << nameLength;
        Write(cls->m_lpszClassName, nameLength);
        m_storedClasses[cls] = m_nextIndex++;
    }
    m_nextIndex++;
    const_cast<CObject*>(object)->Serialize(*this);
}

CObject* CArchive::ReadObject(const CRuntimeClass* expected)
{
    RequireLoading();
    WORD tag;
    *this >> tag;

    const CRuntimeClass* cls = nullptr;
    if (tag == kNewClassTag) {
        WORD schema;
        WORD nameLength;
        *this >> schema >> nameLength;
        if (nameLength > kLongestClassName)
            throw CArchiveException(CArchiveException::badClass);
        std::string name(nameLength, '\0');
        Read(name.data(), nameLength);
        cls = CRuntimeClass::FromName(name.c_str());
        // Only serialisable classes are recreated from a file.
        if (!cls || cls->m_wSchema == CRuntimeClass::kNotSerial)
            throw CArchiveException(CArchiveException::badClass);
        if (schema != cls->m_wSchema)
            throw CArchiveException(CArchiveException::badSchema);
        m_loaded.push_back(cls);
    } else {
        std::uint32_t index;
        bool isClass;
        if (tag == kBigObjectTag) {
            std::uint32_t bigTag;
            *this >> bigTag;
            isClass = (bigTag & kBigClassTag) != 0;
            index = bigTag & ~kBigClassTag;
        } else {
            isClass = (tag & kClassTag) != 0;
            index = tag & static_cast<WORD>(~kClassTag);
        }
        // A record of these files is never empty nor a second reference to a record read before.
        if (!isClass || index == 0 || index >= m_loaded.size() || !m_loaded[index])
            throw CArchiveException(CArchiveException::badIndex);
        cls = m_loaded[index];
    }

    if (expected && !cls->IsDerivedFrom(expected))
        throw CArchiveException(CArchiveException::badClass);
    CObject* object = cls->CreateObject();
    if (!object)
        throw CArchiveException(CArchiveException::badClass);
    m_loaded.push_back(nullptr);
    try {
        object->Serialize(*this);
    } catch (...) {
        delete object;
        throw;
    }
    return object;
}

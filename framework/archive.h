// CArchive: the byte format of the program's data files. Integers are
// little-endian; a text is a length prefix (1, 3 or 7 bytes) and its Shift-JIS
// bytes; an object is a tag (a new class with its schema and name, or a reference
// to a class met before) followed by the fields its Serialize writes. Reading a
// damaged archive throws CArchiveException and never allocates more than the
// bytes that remain in the file. The writer writes only what the reader takes:
// no empty object and no second reference to an object written before.
#pragma once

#include "cstring.h"
#include "file.h"
#include "object.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <unordered_set>
#include <vector>

class CArchive {
public:
    enum Mode { store = 0, load = 1 };

    CArchive(CFile* file, UINT mode, int bufferSize = 4096);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;
    // Does not flush: a storing archive is finished with Close.
    ~CArchive() = default;

    BOOL IsStoring() const { return m_mode == store; }
    BOOL IsLoading() const { return m_mode == load; }
    CFile* GetFile() const { return m_file; }

    // Writes out what is buffered; the archive can no longer be used.
    void Close();
    void Flush();

    void Write(const void* data, UINT count);
    // Reads exactly count bytes or throws endOfFile.
    void Read(void* data, UINT count);

    CArchive& operator<<(BYTE value);
    CArchive& operator<<(WORD value);
    CArchive& operator<<(std::int32_t value);
    CArchive& operator<<(std::uint32_t value);
    CArchive& operator<<(const CString& text);
    CArchive& operator>>(BYTE& value);
    CArchive& operator>>(WORD& value);
    CArchive& operator>>(std::int32_t& value);
    CArchive& operator>>(std::uint32_t& value);
    CArchive& operator>>(CString& text);

    void WriteCount(std::uint32_t count);
    std::uint32_t ReadCount();

    // Writes object's class (its record the first time) and its fields. A null
    // object, an object written before, or one of a class the reader cannot
    // recreate by name is refused (badIndex, badClass) before anything is written.
    void WriteObject(const CObject* object);
    // A new object of a registered class; when expected is given the class must be
    // expected or derived from it (badClass otherwise).
    CObject* ReadObject(const CRuntimeClass* expected);

    // Bytes not yet read: buffered ones and those left in the file. The file is
    // asked for its length and position once; later calls count what was read.
    std::uint64_t BytesRemaining() const;

private:
    void RequireLoading() const;
    void RequireStoring() const;
    void FillBuffer();
    void ReadSlow(BYTE* data, std::size_t count);
    // Reads count bytes, from the buffer when they are all there.
    void ReadBytes(void* data, std::size_t count)
    {
        // m_filled is 0 while storing, so a storing archive always takes the slow path and refuses.
        if (m_next + count <= m_filled) {
            std::memcpy(data, m_buffer.data() + m_next, count);
            m_next += count;
        } else {
            ReadSlow(static_cast<BYTE*>(data), count);
        }
    }
    void WriteSlow(const BYTE* data, std::size_t count);
    // Writes count bytes, into the buffer when they fit.
    void WriteBytes(const void* data, std::size_t count)
    {
        if (m_mode == store && m_next + count <= m_buffer.size()) {
            std::memcpy(m_buffer.data() + m_next, data, count);
            m_next += count;
        } else {
            WriteSlow(static_cast<const BYTE*>(data), count);
        }
    }
    void WriteTag(std::uint32_t index, bool isClass);

    CFile* m_file;
    Mode m_mode;
    std::vector<BYTE> m_buffer;
    std::size_t m_next = 0;   // loading: next unread byte; storing: bytes buffered
    std::size_t m_filled = 0; // loading: bytes in the buffer
    // Loading: bytes of the file after those read into the buffer, once known.
    mutable std::uint64_t m_fileLeft = 0;
    mutable bool m_fileLeftKnown = false;

    // Storing: index of each class written so far, and the objects written.
    std::map<const CRuntimeClass*, std::uint32_t> m_storedClasses;
    std::unordered_set<const CObject*> m_storedObjects;
    // Loading: entry i is the class met with index i, or nullptr for an object.
    std::vector<const CRuntimeClass*> m_loaded;
    std::uint32_t m_nextIndex = 1;
};

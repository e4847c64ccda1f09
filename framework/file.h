// CFile: a binary file on disk, named by a Shift-JIS path. Failures throw
// CFileException carrying the cause and the operating system's error code.
// CMemFile: the same interface over bytes in memory.
#pragma once

#include "cstring.h"
#include "file_exception.h"

#include <cstdint>
#include <vector>

struct CFileStatus {
    std::uint64_t m_size = 0;
    BYTE m_attribute = 0;  // 0x10 for a directory
    CString m_szFullName;
};

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
        // With modeCreate: fails when a file of the name exists already.
        modeCreateNew = 0x10000,
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile() = default;
    // Opens or throws CFileException.
    CFile(LPCTSTR path, UINT flags);
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    virtual ~CFile();

    // FALSE on failure, with the cause in *error when given.
    virtual BOOL Open(LPCTSTR path, UINT flags, CFileException* error = nullptr);
    virtual UINT Read(void* buffer, UINT count);
    virtual void Write(const void* buffer, UINT count);
    virtual std::uint64_t Seek(std::int64_t offset, UINT from);
    virtual std::uint64_t GetLength() const;
    virtual std::uint64_t GetPosition() const;
    virtual void Flush();
    virtual void Close();
    // Closes without throwing.
    virtual void Abort();
    void SeekToBegin() { Seek(0, begin); }
    std::uint64_t SeekToEnd() { return Seek(0, end); }
    BOOL IsOpen() const { return m_handle != kNoHandle; }

    const CString& GetFilePath() const { return m_strFileName; }
    // The part after the last "\" (or "/"), found on whole characters.
    CString GetFileName() const;

    static BOOL GetStatus(LPCTSTR path, CFileStatus& status);
    static void Remove(LPCTSTR path);
    static void Rename(LPCTSTR oldPath, LPCTSTR newPath);
    // Moves source over target in one step, replacing target when it exists, so
    // that target is either the old file or the new one, never a half-written one.
    // A read-only target is refused (accessDenied) and left as it is.
    static void Replace(LPCTSTR source, LPCTSTR target);
    // The part of path after its last "\" or "/"; the whole path when there is none.
    static CString FileNameOf(const CString& path);

protected:
    [[noreturn]] void ThrowLastError() const;

    static constexpr std::intptr_t kNoHandle = -1;
    std::intptr_t m_handle = kNoHandle;
    CString m_strFileName;
};

class CMemFile : public CFile {
public:
    CMemFile() = default;
    explicit CMemFile(std::vector<BYTE> bytes) : m_bytes(std::move(bytes)) {}

    BOOL Open(LPCTSTR, UINT, CFileException* error = nullptr) override;
    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;
    std::uint64_t Seek(std::int64_t offset, UINT from) override;
    std::uint64_t GetLength() const override { return m_bytes.size(); }
    std::uint64_t GetPosition() const override { return m_position; }
    void Flush() override {}
    void Close() override {}
    void Abort() override {}

    const std::vector<BYTE>& Bytes() const { return m_bytes; }

private:
    std::vector<BYTE> m_bytes;
    std::size_t m_position = 0;
};

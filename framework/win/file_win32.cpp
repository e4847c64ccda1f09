// CFile on the Win32 file API, with paths converted from Shift-JIS to UTF-16.
#include "../file.h"
#include "wide_text.h"

#include <windows.h>

namespace {

HANDLE AsHandle(std::intptr_t h)
{
    return reinterpret_cast<HANDLE>(h);
}

CFileException LastError(const CString& path)
{
    DWORD error = GetLastError();
    return CFileException(CFileException::OsErrorToCause(static_cast<long>(error)), static_cast<long>(error), path);
}

}  // namespace

BOOL CFile::Open(LPCTSTR path, UINT flags, CFileException* error)
{
    Abort();
    m_strFileName = path;

    DWORD access = 0;
    switch (flags & 3) {
    case modeRead: access = GENERIC_READ; break;
    case modeWrite: access = GENERIC_WRITE; break;
    default: access = GENERIC_READ | GENERIC_WRITE; break;
    }
    DWORD share = 0;
    switch (flags & 0x70) {
    case shareCompat:
    case shareExclusive: share = 0; break;
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    default: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    }
    DWORD creation = OPEN_EXISTING;
    if (flags & modeCreate)
        creation = (flags & modeCreateNew) ? CREATE_NEW : (flags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;

    HANDLE h = CreateFileW(ToWide(path).c_str(), access, share, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        if (error)
            *error = LastError(m_strFileName);
        return FALSE;
    }
    m_handle = reinterpret_cast<std::intptr_t>(h);
    return TRUE;
}

UINT CFile::Read(void* buffer, UINT count)
{
    DWORD read = 0;
    if (count && !ReadFile(AsHandle(m_handle), buffer, count, &read, nullptr))
        ThrowLastError();
    return read;
}

void CFile::Write(const void* buffer, UINT count)
{
    DWORD written = 0;
    if (count && !WriteFile(AsHandle(m_handle), buffer, count, &written, nullptr))
        ThrowLastError();
    if (written != count)
        throw CFileException(CFileException::diskFull, ERROR_DISK_FULL, m_strFileName);
}

std::uint64_t CFile::Seek(std::int64_t offset, UINT from)
{
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    LARGE_INTEGER position;
    if (!SetFilePointerEx(AsHandle(m_handle), distance, &position, from))
        ThrowLastError();
    return static_cast<std::uint64_t>(position.QuadPart);
}

std::uint64_t CFile::GetLength() const
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(AsHandle(m_handle), &size))
        ThrowLastError();
    return static_cast<std::uint64_t>(size.QuadPart);
}

std::uint64_t CFile::GetPosition() const
{
    LARGE_INTEGER zero{};
    LARGE_INTEGER position;
    if (!SetFilePointerEx(AsHandle(m_handle), zero, &position, FILE_CURRENT))
        ThrowLastError();
    return static_cast<std::uint64_t>(position.QuadPart);
}

void CFile::Flush()
{
    if (IsOpen() && !FlushFileBuffers(AsHandle(m_handle)))
        ThrowLastError();
}

void CFile::Close()
{
    if (!IsOpen())
        return;
    HANDLE h = AsHandle(m_handle);
    m_handle = kNoHandle;
    if (!CloseHandle(h))
        ThrowLastError();
}

void CFile::Abort()
{
    if (IsOpen())
        CloseHandle(AsHandle(m_handle));
    m_handle = kNoHandle;
}

void CFile::ThrowLastError() const
{
    throw LastError(m_strFileName);
}

BOOL CFile::GetStatus(LPCTSTR path, CFileStatus& status)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(ToWide(path).c_str(), GetFileExInfoStandard, &data))
        return FALSE;
    status.m_size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    status.m_attribute = static_cast<BYTE>(data.dwFileAttributes & 0xFF);
    status.m_szFullName = path;
    return TRUE;
}

void CFile::Remove(LPCTSTR path)
{
    if (!DeleteFileW(ToWide(path).c_str()))
        throw LastError(path);
}

void CFile::Rename(LPCTSTR oldPath, LPCTSTR newPath)
{
    if (!MoveFileW(ToWide(oldPath).c_str(), ToWide(newPath).c_str()))
        throw LastError(oldPath);
}

void CFile::Replace(LPCTSTR source, LPCTSTR target)
{
    // Windows refuses to replace a read-only file with a bare error; Wine replaces
    // it. Both are refused here the same way before anything moves.
    const DWORD attributes = GetFileAttributesW(ToWide(target).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        throw CFileException(CFileException::accessDenied, ERROR_ACCESS_DENIED, target);
    if (!MoveFileExW(ToWide(source).c_str(), ToWide(target).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw LastError(target);
}

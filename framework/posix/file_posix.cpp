// CFile on POSIX files for the host build, with Shift-JIS paths converted to UTF-8.
#include "../file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <iconv.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string ToUtf8(LPCTSTR path)
{
    std::string in(path ? path : "");
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return in;
    std::string out(in.size() * 3 + 1, '\0');
    char* src = in.data();
    size_t srcLeft = in.size();
    char* dst = out.data();
    size_t dstLeft = out.size();
    size_t result = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (result == static_cast<size_t>(-1))
        return in;
    out.resize(out.size() - dstLeft);
    return out;
}

CFileException ErrnoError(const CString& path)
{
    int error = errno;
    return CFileException(CFileException::ErrnoToCause(error), error, path);
}

}  // namespace

BOOL CFile::Open(LPCTSTR path, UINT flags, CFileException* error)
{
    Abort();
    m_strFileName = path;
    int mode = 0;
    switch (flags & 3) {
    case modeRead: mode = O_RDONLY; break;
    case modeWrite: mode = O_WRONLY; break;
    default: mode = O_RDWR; break;
    }
    if (flags & modeCreate)
        mode |= O_CREAT | ((flags & modeCreateNew) ? O_EXCL : (flags & modeNoTruncate) ? 0 : O_TRUNC);
    int fd = ::open(ToUtf8(path).c_str(), mode | O_CLOEXEC, 0644);
    if (fd < 0) {
        if (error)
            *error = ErrnoError(m_strFileName);
        return FALSE;
    }
    m_handle = fd;
    return TRUE;
}

UINT CFile::Read(void* buffer, UINT count)
{
    ssize_t n = ::read(static_cast<int>(m_handle), buffer, count);
    if (n < 0)
        ThrowLastError();
    return static_cast<UINT>(n);
}

void CFile::Write(const void* buffer, UINT count)
{
    const char* p = static_cast<const char*>(buffer);
    while (count > 0) {
        ssize_t n = ::write(static_cast<int>(m_handle), p, count);
        if (n <= 0)
            ThrowLastError();
        p += n;
        count -= static_cast<UINT>(n);
    }
}

std::uint64_t CFile::Seek(std::int64_t offset, UINT from)
{
    int whence = from == begin ? SEEK_SET : from == current ? SEEK_CUR : SEEK_END;
    off_t position = ::lseek(static_cast<int>(m_handle), offset, whence);
    if (position < 0)
        ThrowLastError();
    return static_cast<std::uint64_t>(position);
}

std::uint64_t CFile::GetLength() const
{
    struct stat st;
    if (::fstat(static_cast<int>(m_handle), &st) != 0)
        ThrowLastError();
    return static_cast<std::uint64_t>(st.st_size);
}

std::uint64_t CFile::GetPosition() const
{
    off_t position = ::lseek(static_cast<int>(m_handle), 0, SEEK_CUR);
    if (position < 0)
        ThrowLastError();
    return static_cast<std::uint64_t>(position);
}

void CFile::Flush()
{
    if (IsOpen() && ::fsync(static_cast<int>(m_handle)) != 0 && errno != EINVAL)
        ThrowLastError();
}

void CFile::Close()
{
    if (!IsOpen())
        return;
    int fd = static_cast<int>(m_handle);
    m_handle = kNoHandle;
    if (::close(fd) != 0)
        ThrowLastError();
}

void CFile::Abort()
{
    if (IsOpen())
        ::close(static_cast<int>(m_handle));
    m_handle = kNoHandle;
}

void CFile::ThrowLastError() const
{
    throw ErrnoError(m_strFileName);
}

BOOL CFile::GetStatus(LPCTSTR path, CFileStatus& status)
{
    struct stat st;
    if (::stat(ToUtf8(path).c_str(), &st) != 0)
        return FALSE;
    status.m_size = static_cast<std::uint64_t>(st.st_size);
    status.m_attribute = S_ISDIR(st.st_mode) ? 0x10 : 0;
    status.m_szFullName = path;
    return TRUE;
}

void CFile::Remove(LPCTSTR path)
{
    if (::unlink(ToUtf8(path).c_str()) != 0)
        throw ErrnoError(path);
}

void CFile::Rename(LPCTSTR oldPath, LPCTSTR newPath)
{
    if (::rename(ToUtf8(oldPath).c_str(), ToUtf8(newPath).c_str()) != 0)
        throw ErrnoError(oldPath);
}

void CFile::Replace(LPCTSTR source, LPCTSTR target)
{
    // A file nobody may write stands for a read-only one: rename would replace it.
    struct stat st;
    if (::stat(ToUtf8(target).c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 0222) == 0)
        throw CFileException(CFileException::accessDenied, EACCES, target);
    if (::rename(ToUtf8(source).c_str(), ToUtf8(target).c_str()) != 0)
        throw ErrnoError(target);
}

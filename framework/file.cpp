#include "file.h"

#include <algorithm>
#include <cstring>

CFile::CFile(LPCTSTR path, UINT flags)
{
    CFileException error;
    if (!Open(path, flags, &error))
        throw error;
}

CFile::~CFile()
{
    Abort();
}

CString CFile::GetFileName() const
{
    return FileNameOf(m_strFileName);
}

CString CFile::FileNameOf(const CString& path)
{
    int slash = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    return path.Mid(slash + 1);
}

BOOL CMemFile::Open(LPCTSTR, UINT, CFileException* error)
{
    if (error)
        *error = CFileException(CFileException::genericException);
    return FALSE;
}

UINT CMemFile::Read(void* buffer, UINT count)
{
    std::size_t n = std::min<std::size_t>(count, m_bytes.size() - m_position);
    if (n)
        std::memcpy(buffer, m_bytes.data() + m_position, n);
    m_position += n;
    return static_cast<UINT>(n);
}

void CMemFile::Write(const void* buffer, UINT count)
{
    if (m_position + count > m_bytes.size())
        m_bytes.resize(m_position + count);
    if (count)
        std::memcpy(m_bytes.data() + m_position, buffer, count);
    m_position += count;
}

std::uint64_t CMemFile::Seek(std::int64_t offset, UINT from)
{
    std::int64_t base = from == begin ? 0 : from == current ? static_cast<std::int64_t>(m_position)
                                                            : static_cast<std::int64_t>(m_bytes.size());
    std::int64_t target = base + offset;
    if (target < 0)
        throw CFileException(CFileException::badSeek);
    m_position = static_cast<std::size_t>(target);
    return m_position;
}

#include "stdio_file.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr UINT kBufferSize = 4096;
}

CStdioFile::CStdioFile(LPCTSTR path, UINT flags)
{
    CFileException error;
    if (!Open(path, flags, &error))
        throw error;
}

BOOL CStdioFile::Open(LPCTSTR path, UINT flags, CFileException* error)
{
    m_bText = !(flags & typeBinary);
    m_buffer.clear();
    m_next = 0;
    return CFile::Open(path, flags & ~(typeText | typeBinary), error);
}

bool CStdioFile::FillBuffer()
{
    m_buffer.resize(kBufferSize);
    UINT n = CFile::Read(m_buffer.data(), kBufferSize);
    m_buffer.resize(n);
    m_next = 0;
    return n > 0;
}

UINT CStdioFile::Read(void* buffer, UINT count)
{
    UINT done = 0;
    char* out = static_cast<char*>(buffer);
    while (done < count) {
        if (m_next >= m_buffer.size() && !FillBuffer())
            break;
        std::size_t n = std::min<std::size_t>(count - done, m_buffer.size() - m_next);
        std::memcpy(out + done, m_buffer.data() + m_next, n);
        m_next += n;
        done += static_cast<UINT>(n);
    }
    return done;
}

std::uint64_t CStdioFile::Seek(std::int64_t offset, UINT from)
{
    if (from == current)
        offset -= static_cast<std::int64_t>(m_buffer.size() - m_next);
    m_buffer.clear();
    m_next = 0;
    return CFile::Seek(offset, from);
}

std::uint64_t CStdioFile::GetPosition() const
{
    return CFile::GetPosition() - (m_buffer.size() - m_next);
}

BOOL CStdioFile::ReadString(CString& line)
{
    std::string bytes;
    bool any = false;
    for (;;) {
        if (m_next >= m_buffer.size() && !FillBuffer())
            break;
        any = true;
        const char* start = m_buffer.data() + m_next;
        const char* stop = static_cast<const char*>(std::memchr(start, '\n', m_buffer.size() - m_next));
        if (stop) {
            bytes.append(start, static_cast<std::size_t>(stop - start));
            m_next += static_cast<std::size_t>(stop - start) + 1;
            if (m_bText && !bytes.empty() && bytes.back() == '\r')
                bytes.pop_back();
            line = CString(bytes);
            return TRUE;
        }
        bytes.append(start, m_buffer.size() - m_next);
        m_next = m_buffer.size();
    }
    if (m_bText && !bytes.empty() && bytes.back() == '\r')
        bytes.pop_back();
    line = CString(bytes);
    return any ? TRUE : FALSE;
}

void CStdioFile::WriteString(LPCTSTR text)
{
    std::string out;
    for (const char* p = text; *p; ++p) {
        if (m_bText && *p == '\n')
            out += '\r';
        out += *p;
    }
    Write(out.data(), static_cast<UINT>(out.size()));
}

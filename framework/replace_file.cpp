#include "replace_file.h"

#include <algorithm>
#include <string>

#include <ctime>

ReplaceFault g_replaceFault;

namespace {

// The temporary file: its writes and its flush pass through the test seam.
class TemporaryFile : public CStdioFile {
public:
    void Write(const void* buffer, UINT count) override
    {
        if (g_replaceFault.step == ReplaceFault::write && m_written + count > g_replaceFault.at) {
            CStdioFile::Write(buffer, static_cast<UINT>(g_replaceFault.at - m_written));
            throw CFileException(CFileException::diskFull, -1, GetFilePath());
        }
        CStdioFile::Write(buffer, count);
        m_written += count;
    }
    void Flush() override
    {
        if (g_replaceFault.step == ReplaceFault::flush)
            throw CFileException(CFileException::hardIO, -1, GetFilePath());
        CStdioFile::Flush();
    }

private:
    std::uint64_t m_written = 0;
};

// Creates a file of a name no other file has, next to target, and returns its name.
// A name that is taken is never opened: another one is tried.
CString CreateTemporary(TemporaryFile& file, const CString& target, UINT typeFlag)
{
    static unsigned counter = 0;
    const auto clock = static_cast<unsigned>(std::time(nullptr)) ^ static_cast<unsigned>(std::clock());
    for (int attempt = 0;; ++attempt) {
        CString name;
        name.Format("%s.%08x.tmp", static_cast<LPCTSTR>(target), (clock ^ (++counter * 0x9E3779B9u)));
        CFileException error;
        if (file.Open(name, CFile::modeCreate | CFile::modeCreateNew | CFile::modeWrite | typeFlag, &error))
            return name;
        CFileStatus status;
        if (attempt >= 100 || !CFile::GetStatus(name, status))
            throw error;
    }
}

}  // namespace

void WriteFileReplacing(const CString& target, UINT typeFlag, const std::function<void(CStdioFile&)>& write)
{
    TemporaryFile file;
    const CString temporary = CreateTemporary(file, target, typeFlag);
    try {
        write(file);
        file.Flush();
        file.Close();
        if (g_replaceFault.step == ReplaceFault::replace)
            throw CFileException(CFileException::accessDenied, -1, target);
        CFile::Replace(temporary, target);
    } catch (...) {
        // The file must be closed before it can be removed.
        file.Abort();
        try {
            CFile::Remove(temporary);
        } catch (const CFileException&) {
        }
        throw;
    }
}

bool IsTemporaryFileNameOf(const CString& fileName, const CString& targetName)
{
    const std::string name = fileName.str();
    const std::string target = targetName.str();
    constexpr size_t kTail = 1 + 8 + 4;  // ".xxxxxxxx.tmp"
    if (name.size() != target.size() + kTail || name.compare(0, target.size(), target) != 0)
        return false;
    const std::string tail = name.substr(target.size());
    if (tail[0] != '.' || tail.compare(9, 4, ".tmp") != 0)
        return false;
    return std::all_of(tail.begin() + 1, tail.begin() + 9,
                       [](char ch) { return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f'); });
}

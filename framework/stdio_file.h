// CStdioFile: a text file read and written line by line. In text mode (the
// default) "\n" is written as CR LF and a line read loses its CR LF or LF.
#pragma once

#include "file.h"

#include <vector>

class CStdioFile : public CFile {
public:
    CStdioFile() = default;
    CStdioFile(LPCTSTR path, UINT flags);

    BOOL Open(LPCTSTR path, UINT flags, CFileException* error = nullptr) override;
    UINT Read(void* buffer, UINT count) override;
    std::uint64_t Seek(std::int64_t offset, UINT from) override;
    std::uint64_t GetPosition() const override;

    // The next line without its line end; FALSE at the end of the file.
    BOOL ReadString(CString& line);
    void WriteString(LPCTSTR text);

private:
    bool FillBuffer();

    bool m_bText = true;
    std::vector<char> m_buffer;
    std::size_t m_next = 0;
};

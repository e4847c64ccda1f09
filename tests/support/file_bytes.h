// Whole files as bytes, for tests that compare what was written to disk. Files
// are read shared: test programs run side by side on the same program folder.
#pragma once

#include "framework/file.h"

#include <string>

inline std::string ReadFileBytes(const CString& path)
{
    CFile file(path, CFile::modeRead | CFile::shareDenyWrite);
    std::string bytes(static_cast<size_t>(file.GetLength()), '\0');
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

inline void WriteFileBytes(const CString& path, const std::string& bytes)
{
    CFile file(path, CFile::modeCreate | CFile::modeWrite);
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.Close();
}

inline bool FileExists(const CString& path)
{
    CFileStatus status;
    return CFile::GetStatus(path, status) != FALSE;
}

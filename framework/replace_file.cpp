#include "replace_file.h"

void WriteFileReplacing(const CString& target, UINT typeFlag, const std::function<void(CStdioFile&)>& write)
{
    const CString temporary = target + ".tmp~";
    try {
        CStdioFile file(temporary, CFile::modeCreate | CFile::modeWrite | typeFlag);
        write(file);
        file.Flush();
        file.Close();
        CFile::Replace(temporary, target);
    } catch (...) {
        CFileStatus status;
        if (CFile::GetStatus(temporary, status)) {
            try {
                CFile::Remove(temporary);
            } catch (const CFileException&) {
            }
        }
        throw;
    }
}

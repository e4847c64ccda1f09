#include "last_file_record.h"

#include "path_text.h"

#include "../framework/replace_file.h"

LastFileRecord LastFileRecord::Parse(const CString& line)
{
    LastFileRecord record;
    const int open = line.Find("[]");
    if (open < 0) {
        record.pathName = line;
        return record;
    }
    record.pathName = line.Left(open);
    record.backupForm = true;
    const CString rest = line.Mid(open + 2);
    const int close = rest.Find("][");
    if (close < 0) {
        record.backupDir = rest;
        return record;
    }
    record.backupDir = rest.Left(close);
    record.backupName = rest.Mid(close + 2);
    return record;
}

CString LastFileRecord::Format() const
{
    if (!backupForm)
        return pathName;
    return pathName + "[]" + backupDir + "][" + backupName;
}

CString LastFileRecord::FileName() const
{
    return backupForm ? backupName : FileNameOfPath(pathName);
}

BOOL LastFileRecord::Read(const CString& path, CString& line)
{
    CStdioFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite | CFile::typeText))
        return FALSE;
    line.Empty();
    file.ReadString(line);
    return TRUE;
}

void LastFileRecord::Write(const CString& path) const
{
    const CString line = Format();
    WriteFileReplacing(path, CFile::typeText, [&line](CStdioFile& file) { file.WriteString(line); });
}

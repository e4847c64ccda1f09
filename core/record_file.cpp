#include "record_file.h"

#include "../framework/replace_file.h"

namespace {
constexpr int kArchiveBuffer = 4096;
}

void DeleteRecords(CObArray& records)
{
    for (CObject* record : records)
        delete record;
    records.RemoveAll();
}

void LoadRecordFile(const CString& path, CObArray& records, const CRuntimeClass* expected)
{
    CFile file(path, CFile::modeRead | CFile::shareDenyWrite);
    CArchive ar(&file, CArchive::load, kArchiveBuffer);
    CObArray read;
    try {
        read.Serialize(ar, expected);
        // The records end the file: bytes after them (a file padded with zeros
        // by a power cut, or two files run together) mean the file is damaged.
        if (ar.BytesRemaining() != 0)
            throw CArchiveException(CArchiveException::badSchema);
    } catch (...) {
        DeleteRecords(read);
        throw;
    }
    DeleteRecords(records);
    records.Append(read);
    read.RemoveAll();
}

void SaveRecordFile(const CString& path, CObArray& records)
{
    WriteFileReplacing(path, CFile::typeBinary, [&records](CStdioFile& file) {
        CArchive ar(&file, CArchive::store, kArchiveBuffer);
        records.Serialize(ar);
        ar.Close();
    });
}

// Reading and writing a whole data file of records (journal, old journal,
// dictionary, hint examples) in the archive format, with a 4096-byte buffer.
#pragma once

#include "../framework/archive.h"
#include "../framework/arrays.h"

// Deletes every record of the array (empty slots skipped) and empties it.
void DeleteRecords(CObArray& records);

// Replaces the records of the array (deleting them) with those of the file at
// path, all of class expected; a file with bytes after its records is damaged. Throws CFileException or CArchiveException; on
// failure records is unchanged.
void LoadRecordFile(const CString& path, CObArray& records, const CRuntimeClass* expected);

// Replaces the file at path with the records. Throws CFileException or
// CArchiveException; on failure the file on disk is unchanged.
void SaveRecordFile(const CString& path, CObArray& records);

template <class T>
void LoadRecordFile(const CString& path, CTypedPtrArray<CObArray, T*>& records)
{
    LoadRecordFile(path, records, RUNTIME_CLASS(T));
}

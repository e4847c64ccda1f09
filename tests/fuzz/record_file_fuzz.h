// The record files' reader under the fuzzer: any input must either load or be
// refused with a file or archive exception, and what loads must store and load
// again to the same bytes.
#pragma once

#include "fuzz_input.h"

#include "core/record_file.h"
#include "framework/archive.h"

#include <cstdlib>
#include <vector>

inline std::vector<BYTE> StoredBytes(CObArray& records)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    records.Serialize(ar);
    ar.Close();
    return file.Bytes();
}

inline void CheckStoresAgain(CObArray& records, const CRuntimeClass* expected)
{
    const std::vector<BYTE> stored = StoredBytes(records);
    CMemFile file(stored);
    CArchive ar(&file, CArchive::load);
    CObArray again;
    again.Serialize(ar, expected);
    const bool same = StoredBytes(again) == stored;
    DeleteRecords(again);
    if (!same)
        std::abort();
}

// Loads the input as a record file of T; after is called with the records loaded.
template <class T, class After>
void FuzzRecordFile(const std::uint8_t* data, std::size_t size, After after)
{
    const CString path = WriteInput("records", data, size);
    CTypedPtrArray<CObArray, T*> records;
    try {
        LoadRecordFile(path, records);
    } catch (const CFileException&) {
        std::abort();  // the file was just written: it must open
    } catch (const CArchiveException&) {
        if (records.GetSize() != 0)
            std::abort();  // a refused file leaves the array as it was
        return;
    }
    CheckStoresAgain(records, RUNTIME_CLASS(T));
    after(records);
    DeleteRecords(records);
}

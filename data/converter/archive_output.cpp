#include "archive_output.h"

#include "framework/archive.h"
#include "framework/arrays.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

void WriteRecordArchive(const std::string& path, const std::vector<const CObject*>& records)
{
    CObArray array;  // does not own the records
    for (const CObject* record : records)
        array.Add(const_cast<CObject*>(record));
    CMemFile memory;
    CArchive ar(&memory, CArchive::store);
    array.Serialize(ar);
    ar.Close();

    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(memory.Bytes().data()),
                  static_cast<std::streamsize>(memory.Bytes().size()));
        out.close();
        if (!out) {
            std::filesystem::remove(temporary);
            throw std::runtime_error("cannot write " + temporary);
        }
    }
    std::filesystem::rename(temporary, path);
}

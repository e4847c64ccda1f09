// Feeds arbitrary bytes to the readers of the journal, old journal and dictionary
// files: any input must either load or be refused with an archive exception.
#include "core/kiso.h"
#include "core/my_object.h"
#include "core/my_object2.h"
#include "framework/archive.h"
#include "framework/arrays.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

template <class T>
void Load(const std::uint8_t* data, std::size_t size)
{
    CMemFile file(std::vector<BYTE>(data, data + size));
    CArchive ar(&file, CArchive::load);
    CTypedPtrArray<CObArray, T*> array;
    try {
        array.Serialize(ar);
    } catch (const CArchiveException&) {
    }
    for (int i = 0; i < array.GetSize(); ++i)
        delete array.GetAt(i);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Load<CMyObject2>(data, size);
    Load<CMyObject>(data, size);
    Load<CKiso>(data, size);
    return 0;
}

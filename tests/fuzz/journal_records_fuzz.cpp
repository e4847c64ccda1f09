// The journal entries' reader (journal files, the previous year's journal and
// the hint example file).
#include "record_file_fuzz.h"

#include "core/my_object2.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzRecordFile<CMyObject2>(data, size, [](CObArray&) {});
    return 0;
}

// The account dictionary's reader.
#include "record_file_fuzz.h"

#include "core/kiso.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzRecordFile<CKiso>(data, size, [](CObArray&) {});
    return 0;
}

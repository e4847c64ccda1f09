// The old journal file's reader and its conversion into journal entries.
#include "record_file_fuzz.h"

#include "core/my_object.h"
#include "core/my_object2.h"
#include "core/old_journal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzRecordFile<CMyObject>(data, size, [](CObArray& oldRecords) {
        CObArray journal;
        ConvertOldEntries(oldRecords, journal);
        if (journal.GetSize() != oldRecords.GetSize())
            std::abort();
        CheckStoresAgain(journal, RUNTIME_CLASS(CMyObject2));
        DeleteRecords(journal);
    });
    return 0;
}

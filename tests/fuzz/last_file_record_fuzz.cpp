// The last-file record's reader and what the start-up makes of its line.
#include "fuzz_input.h"

#include "core/last_file_record.h"
#include "core/path_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CString line;
    if (!LastFileRecord::Read(WriteInput("duzizezi.ino", data, size), line))
        std::abort();
    const LastFileRecord record = LastFileRecord::Parse(line);
    const CString fileName = record.FileName();
    DataDirOfPath(record.pathName, fileName, "C:\\Zirere");
    ReplaceExtension(record.pathName, ".siz");
    FileNameOfPath(record.pathName);
    // A record read back from its own line is the same record.
    const LastFileRecord again = LastFileRecord::Parse(record.Format());
    if (again.pathName != record.pathName || again.backupForm != record.backupForm)
        std::abort();
    return 0;
}

// Writing a file without ever leaving a half-written one behind: the new
// contents go to a temporary file of a unique name in the same folder, created
// only when no file of that name exists, which then replaces the target in one
// step. A failure leaves the target as it was, removes the temporary file and
// throws; a read-only target is refused the same way.
#pragma once

#include "stdio_file.h"

#include <cstdint>
#include <functional>

// typeFlag is CFile::typeText or CFile::typeBinary; write fills the open file.
void WriteFileReplacing(const CString& target, UINT typeFlag, const std::function<void(CStdioFile&)>& write);

// Whether fileName is a name the safe write gives its temporary file for a
// target named targetName (both without folder): the target's name, a dot, eight
// hexadecimal digits and ".tmp". A save killed midway leaves such a file.
bool IsTemporaryFileNameOf(const CString& fileName, const CString& targetName);

// Test seam: while step is not none, every safe write fails on purpose at that step
// (write: as the temporary file reaches byte position at, its earlier bytes written).
struct ReplaceFault {
    enum Step { none, write, flush, replace };
    Step step = none;
    std::uint64_t at = 0;
};
extern ReplaceFault g_replaceFault;

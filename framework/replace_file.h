// Writing a file without ever leaving a half-written one behind: the new
// contents go to a temporary file in the same folder, which then replaces the
// target in one step. A failure leaves the target as it was and throws.
#pragma once

#include "stdio_file.h"

#include <functional>

// typeFlag is CFile::typeText or CFile::typeBinary; write fills the open file.
void WriteFileReplacing(const CString& target, UINT typeFlag, const std::function<void(CStdioFile&)>& write);

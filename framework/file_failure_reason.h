// The system's reason for a failed file operation, in the user's words, for a
// line of its own under a failure message: disk full, access denied (a read-only
// file or folder), path not found and the like.
#pragma once

#include "cstring.h"
#include "file_exception.h"

CString FileFailureReason(const CFileException& error);
// A damaged or unreadable record file, which the archive reports.
CString FileFailureReason(const CArchiveException& error);

// Taking paths apart on whole Shift-JIS characters, so that the second byte of
// a double-byte character (0x5C in 表) is never taken for a backslash.
#pragma once

#include "../framework/cstring.h"

// The part of path behind its last backslash, slash or colon; the whole path when there is none.
CString FileNameOfPath(const CString& path);

// The folder of a journal file: path without "\" + fileName at its end. A path
// without a backslash lies in the program folder; a path that does not end in
// "\" + fileName gives an empty folder.
CString DataDirOfPath(const CString& path, const CString& fileName, const CString& programDir);

// path with its extension (from the last "." of the file name on) replaced by
// newExtension, which starts with "."; a file name without one gets it appended.
CString ReplaceExtension(const CString& path, LPCTSTR newExtension);

// The folder of path without the trailing backslash of its text, as the program
// keeps its program folder: "C:\" becomes "C:".
CString WithoutTrailingBackslash(const CString& folder);

// path when it names its folder; a bare file name lies in folder.
CString PathInFolder(const CString& path, const CString& folder);

// Whether name can be a file name on its own: not empty, not only dots, and
// without path separators, ":" or the other characters a file name cannot hold.
bool IsPlainFileName(const CString& name);

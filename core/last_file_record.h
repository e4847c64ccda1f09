// The last-file record duzizezi.ino: one line naming the journal file that was
// open at the last close, optionally followed by "[]" + backup folder + "][" +
// the file name kept for the backup copy.
#pragma once

#include "../framework/cstring.h"

struct LastFileRecord {
    CString pathName;
    CString backupDir;
    CString backupName;
    bool backupForm = false;  // the line holds "[]" and a backup part (which may be empty)

    static LastFileRecord Parse(const CString& line);
    CString Format() const;

    // The journal's file name: the backup name in the backup form, else the name in the path.
    CString FileName() const;

    // Reads the record's line; FALSE when the file cannot be opened.
    static BOOL Read(const CString& path, CString& line);
    // Replaces path with the record's line (no line end); throws CFileException.
    void Write(const CString& path) const;
};

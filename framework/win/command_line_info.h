// CCommandLineInfo: what the program's command line asks for. Without
// arguments: a new document; with a file name: that file opened. Flags ("/x",
// "-x") are passed to ParseParam and otherwise ignored.
#pragma once

#include "../cstring.h"

class CCommandLineInfo {
public:
    CCommandLineInfo() = default;
    virtual ~CCommandLineInfo() = default;

    // One argument: pszParam without its "/" or "-" when bFlag.
    virtual void ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL bLast);

    enum ShellCommand { FileNew, FileOpen, FileNothing };
    ShellCommand m_nShellCommand = FileNew;
    CString m_strFileName;
};

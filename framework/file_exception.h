// The exceptions of file and archive operations, with the cause codes that the
// program's messages are chosen by.
#pragma once

#include "cstring.h"

#include <exception>

class CException : public std::exception {
public:
    const char* what() const noexcept override { return "CException"; }
};

class CFileException : public CException {
public:
    enum Cause {
        none = 0,
        genericException = 1,
        fileNotFound = 2,
        badPath = 3,
        tooManyOpenFiles = 4,
        accessDenied = 5,
        invalidFile = 6,
        removeCurrentDir = 7,
        directoryFull = 8,
        badSeek = 9,
        hardIO = 10,
        sharingViolation = 11,
        lockViolation = 12,
        diskFull = 13,
        endOfFile = 14,
    };

    CFileException(int cause = none, long osError = -1, const CString& fileName = CString())
        : m_cause(cause), m_lOsError(osError), m_strFileName(fileName) {}

    const char* what() const noexcept override { return "CFileException"; }

    // The cause for a Windows system error code (GetLastError).
    static int OsErrorToCause(long windowsError);
    // The cause for a POSIX errno value.
    static int ErrnoToCause(int errnoValue);

    int m_cause;
    long m_lOsError;
    CString m_strFileName;
};

class CArchiveException : public CException {
public:
    enum Cause {
        none = 0,
        genericException = 1,
        readOnly = 2,
        endOfFile = 3,
        writeOnly = 4,
        badIndex = 5,
        badClass = 6,
        badSchema = 7,
    };

    explicit CArchiveException(int cause = none) : m_cause(cause) {}
    const char* what() const noexcept override { return "CArchiveException"; }

    int m_cause;
};

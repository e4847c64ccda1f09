#include "file_exception.h"

#include <cerrno>

int CFileException::OsErrorToCause(long windowsError)
{
    switch (windowsError) {
    case 0: return none;
    case 2: return fileNotFound;          // ERROR_FILE_NOT_FOUND
    case 3:                               // ERROR_PATH_NOT_FOUND
    case 15:                              // ERROR_INVALID_DRIVE
    case 123:                             // ERROR_INVALID_NAME
    case 161:                             // ERROR_BAD_PATHNAME
    case 206: return badPath;             // ERROR_FILENAME_EXCED_RANGE
    case 4: return tooManyOpenFiles;      // ERROR_TOO_MANY_OPEN_FILES
    case 5:                               // ERROR_ACCESS_DENIED
    case 19:                              // ERROR_WRITE_PROTECT
    case 80:                              // ERROR_FILE_EXISTS
    case 183: return accessDenied;        // ERROR_ALREADY_EXISTS
    case 6: return invalidFile;           // ERROR_INVALID_HANDLE
    case 16: return removeCurrentDir;     // ERROR_CURRENT_DIRECTORY
    case 18:                              // ERROR_NO_MORE_FILES
    case 82: return directoryFull;        // ERROR_CANNOT_MAKE
    case 25:                              // ERROR_SEEK
    case 131: return badSeek;             // ERROR_NEGATIVE_SEEK
    case 21:                              // ERROR_NOT_READY
    case 23:                              // ERROR_CRC
    case 29:                              // ERROR_WRITE_FAULT
    case 30:                              // ERROR_READ_FAULT
    case 31: return hardIO;               // ERROR_GEN_FAILURE
    case 32: return sharingViolation;     // ERROR_SHARING_VIOLATION
    case 33:                              // ERROR_LOCK_VIOLATION
    case 167: return lockViolation;       // ERROR_LOCK_FAILED
    case 39:                              // ERROR_HANDLE_DISK_FULL
    case 112: return diskFull;            // ERROR_DISK_FULL
    case 38: return endOfFile;            // ERROR_HANDLE_EOF
    default: return genericException;
    }
}

int CFileException::ErrnoToCause(int errnoValue)
{
    switch (errnoValue) {
    case 0: return none;
    case ENOENT: return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG: return badPath;
    case EMFILE:
    case ENFILE: return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EEXIST: return accessDenied;
    case EBADF: return invalidFile;
    case ESPIPE:
    case EINVAL: return badSeek;
    case EIO: return hardIO;
    case EBUSY: return sharingViolation;
    case ENOLCK: return lockViolation;
    case ENOSPC: return diskFull;
    default: return genericException;
    }
}

// What the fuzz targets share: the input written to a file of this process's own,
// so that every reader is fed through the same file routines the program uses.
#pragma once

#include "framework/cstring.h"
#include "framework/file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

// A folder made once per process, in memory where the system has such a folder
// (the files are written at every run); the path of name inside it.
inline CString FuzzPath(const char* name)
{
    static const std::string folder = [] {
        std::string pattern = "/dev/shm/zirere-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data())) {
            pattern = "/tmp/zirere-fuzz-XXXXXX";
            if (!mkdtemp(pattern.data()))
                std::abort();
        }
        return pattern;
    }();
    static const bool removedAtExit = [] {
        return std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        }) == 0;
    }();
    (void)removedAtExit;
    return CString((folder + "/" + name).c_str());
}

// Writes the input to the file name in the process's folder and returns its path.
inline CString WriteInput(const char* name, const std::uint8_t* data, std::size_t size)
{
    const CString path = FuzzPath(name);
    CFile file(path, CFile::modeCreate | CFile::modeWrite);
    file.Write(data, static_cast<UINT>(size));
    file.Close();
    return path;
}

// A fresh folder under the system's temporary folder, removed with its contents
// when the test ends.
#pragma once

#include "framework/cstring.h"

#include <filesystem>
#include <string>

#ifdef _WIN32
#include <process.h>
#define ZIRERE_PROCESS_ID _getpid
#else
#include <unistd.h>
#define ZIRERE_PROCESS_ID getpid
#endif

class TempFolder {
public:
    TempFolder()
    {
        // Test programs run side by side: the process id and a counter keep their
        // folders apart for certain.
        static int made = 0;
        const std::string name =
            "zirere-test-" + std::to_string(ZIRERE_PROCESS_ID()) + "-" + std::to_string(++made);
        m_path = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The path of name inside the folder; name is Shift-JIS text.
    CString Path(const char* name) const { return CString(m_path.string().c_str()) + Separator() + name; }
    const std::filesystem::path& Native() const { return m_path; }

private:
    static const char* Separator()
    {
#ifdef _WIN32
        return "\\";
#else
        return "/";
#endif
    }

    std::filesystem::path m_path;
};

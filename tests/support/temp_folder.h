// A fresh folder under the system's temporary folder, removed with its contents
// when the test ends.
#pragma once

#include "framework/cstring.h"

#include <filesystem>
#include <random>
#include <string>

class TempFolder {
public:
    TempFolder()
    {
        std::random_device seed;
        m_path = std::filesystem::temp_directory_path() / ("zirere-test-" + std::to_string(seed()));
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

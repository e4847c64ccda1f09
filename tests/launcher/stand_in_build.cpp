// Stands in for a build of the main program in the launcher's program test: it
// writes, into the current directory, its own file name and the settings file
// exactly as it found it when it started, and ends.
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    name = name.substr(name.find_last_of(L'\\') + 1);

    std::ifstream settings("vozare.ino", std::ios::binary);
    const std::string seen = settings ? std::string(std::istreambuf_iterator<char>(settings), {}) : "(none)";
    settings.close();

    // Written under another name first, so that the test never reads half of it.
    {
        std::ofstream record("build-started.tmp", std::ios::binary);
        record << std::string(name.begin(), name.end()) << "\n" << seen;
    }
    ::MoveFileExW(L"build-started.tmp", L"build-started.txt", MOVEFILE_REPLACE_EXISTING);
    return 0;
}

// The real launcher program started in a temporary program folder: a second
// launcher ends by itself, 開始 starts the build of the stored size (here a
// stand-in that records what it found), and the settings file is complete when
// that build starts.
#include "launcher_programs.h"

#include "framework/win/wide_text.h"
#include "framework/win/windows_api.h"
#include "resources/ostavo_ids.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring NativePath(const char* path)
{
    std::wstring wide = ToWide(path);
    for (wchar_t& ch : wide)
        if (ch == L'/')
            ch = L'\\';
    return wide;
}

// A started program, ended (if it still runs) when the object goes.
class Process {
public:
    Process(const std::wstring& program, const std::wstring& folder)
    {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        std::wstring commandLine = L"\"" + program + L"\"";
        m_started = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   folder.c_str(), &startup, &m_info);
    }
    ~Process()
    {
        if (!m_started)
            return;
        if (WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(m_info.hProcess, 1);
            WaitForSingleObject(m_info.hProcess, 5000);
        }
        CloseHandle(m_info.hThread);
        CloseHandle(m_info.hProcess);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return m_started != FALSE; }
    bool WaitForEnd(DWORD milliseconds) const { return WaitForSingleObject(m_info.hProcess, milliseconds) == WAIT_OBJECT_0; }

    // The process's visible dialog window, waited for; null when none came.
    HWND WaitForDialog(DWORD milliseconds) const
    {
        const ULONGLONG end = GetTickCount64() + milliseconds;
        while (GetTickCount64() < end) {
            struct Search {
                DWORD processId;
                HWND found;
            } search{m_info.dwProcessId, nullptr};
            EnumWindows(
                [](HWND window, LPARAM parameter) -> BOOL {
                    auto* s = reinterpret_cast<Search*>(parameter);
                    DWORD owner = 0;
                    GetWindowThreadProcessId(window, &owner);
                    wchar_t className[16] = {};
                    GetClassNameW(window, className, 16);
                    if (owner == s->processId && IsWindowVisible(window) && std::wstring(className) == L"#32770" &&
                        GetDlgItem(window, IDC_FONT_SIZE)) {
                        s->found = window;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&search));
            if (search.found)
                return search.found;
            if (WaitForEnd(100))
                return nullptr;
        }
        return nullptr;
    }

private:
    BOOL m_started = FALSE;
    PROCESS_INFORMATION m_info{};
};

bool WaitForFile(const CString& path, DWORD milliseconds)
{
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (GetTickCount64() < end) {
        if (FileExists(path))
            return true;
        Sleep(100);
    }
    return false;
}

TEST(LauncherProgram, StartsTheStoredSizesBuildWithTheSettingsFileComplete)
{
    TempFolder folder;
    for (const char* name : {"vevidez.hel", "zuvavodi.sdn", "zuvavodi.sdo"})
        WriteFileBytes(folder.Path(name), "set-up data");
    // Stored with a line end after line 3, which the launcher's rewrite drops:
    // the build must see the rewritten file.
    const std::string settings = "00" + std::string(19, ' ') + "0" + std::string(19, ' ') + "0\r\nabcdefgh\r\n10";
    WriteFileBytes(folder.Path("vozare.ino"), settings + "\r\n");
    ASSERT_TRUE(CopyFileW(NativePath(STAND_IN_BUILD_PROGRAM).c_str(), ToWide(folder.Path("tavrelbook_10.exe")).c_str(),
                          FALSE));

    Process launcher(NativePath(LAUNCHER_PROGRAM), folder.Native().wstring());
    ASSERT_TRUE(launcher.Started());
    HWND dialog = launcher.WaitForDialog(30000);
    ASSERT_NE(nullptr, dialog);
    wchar_t shown[8] = {};
    GetDlgItemTextW(dialog, IDC_FONT_SIZE, shown, 8);
    EXPECT_EQ(std::wstring(L"10"), shown);

    // A second launcher meanwhile ends by itself, showing nothing.
    {
        Process second(NativePath(LAUNCHER_PROGRAM), folder.Native().wstring());
        ASSERT_TRUE(second.Started());
        EXPECT_TRUE(second.WaitForEnd(30000));
    }
    EXPECT_TRUE(IsWindow(dialog));

    // Posted, as a click of the user's arrives.
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(launcher.WaitForEnd(30000));
    ASSERT_TRUE(WaitForFile(folder.Path("build-started.txt"), 30000));
    EXPECT_EQ("tavrelbook_10.exe\n" + settings, ReadFileBytes(folder.Path("build-started.txt")));
    EXPECT_EQ(settings, ReadFileBytes(folder.Path("vozare.ino")));
    EXPECT_FALSE(FileExists(folder.Path("vozare.ino.tmp~")));

    // The stand-in build ends by itself; its file can go with the folder then.
    for (int i = 0; i < 50 && !DeleteFileW(ToWide(folder.Path("tavrelbook_10.exe")).c_str()); ++i)
        Sleep(100);
}

}  // namespace

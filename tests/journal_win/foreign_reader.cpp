// Another program that reads the windows of a running program the way screen
// readers and automation tools do: every window of the process is asked for its
// rows' count and texts, its item data and its window text, with the buffers
// the system marshals for such messages; list views and tree views get their
// item structures in memory of the target process, as those tools place them.
//
//     foreign_reader <process id> <rounds> <report file>
//
// The windows read are the process's top-level windows and the controls on
// show in them. Writes "windows=N sends=M timeouts=T longest=L" to the report
// file (L: the most rows a list answered) and ends with 0; 2 when the process
// has no window.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Reader {
    DWORD processId = 0;
    std::vector<HWND> windows;
    long sends = 0;
    long timeouts = 0;
    LRESULT longest = 0;
    HANDLE process = nullptr;
    BYTE* remote = nullptr;  // a page of the target process for item structures and their texts

    LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        DWORD_PTR result = 0;
        ++sends;
        if (!::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 10000, &result)) {
            if (::IsWindow(window))
                ++timeouts;
            return -1;
        }
        return static_cast<LRESULT>(result);
    }

    // The indexes asked of a list of count rows: both ends, a spread between,
    // and some outside it.
    static std::vector<WPARAM> Indexes(LRESULT count)
    {
        std::vector<WPARAM> indexes = {0, static_cast<WPARAM>(-1)};
        if (count > 0) {
            for (WPARAM outside : {static_cast<WPARAM>(count), static_cast<WPARAM>(count + 1), WPARAM{100000}})
                indexes.push_back(outside);
            indexes.push_back(static_cast<WPARAM>(count - 1));
            for (LRESULT step = 1; step < 40; ++step)
                indexes.push_back(static_cast<WPARAM>((count * step) / 40));
        }
        return indexes;
    }

    void ReadListItems(HWND window, bool tree)
    {
        if (!remote)
            return;
        for (WPARAM index : Indexes(tree ? Send(window, TVM_GETCOUNT, 0, 0) : Send(window, LVM_GETITEMCOUNT, 0, 0))) {
            BYTE* text = remote + 1024;
            SIZE_T written = 0;
            if (tree) {
                TVITEMW item = {};
                item.mask = TVIF_TEXT | TVIF_HANDLE | TVIF_PARAM | TVIF_CHILDREN;
                item.hItem = reinterpret_cast<HTREEITEM>(Send(window, TVM_GETNEXTITEM,
                                                              index % 2 ? TVGN_ROOT : TVGN_CARET, 0));
                item.pszText = reinterpret_cast<wchar_t*>(text);
                item.cchTextMax = 256;
                if (!item.hItem)
                    continue;
                ::WriteProcessMemory(process, remote, &item, sizeof item, &written);
                Send(window, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote));
            } else {
                LVITEMW item = {};
                item.iSubItem = static_cast<int>(index % 3);
                item.pszText = reinterpret_cast<wchar_t*>(text);
                item.cchTextMax = 256;
                ::WriteProcessMemory(process, remote, &item, sizeof item, &written);
                Send(window, LVM_GETITEMTEXTW, index, reinterpret_cast<LPARAM>(remote));
            }
        }
    }

    void ReadWindow(HWND window)
    {
        static wchar_t buffer[4096];
        Send(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer));
        Send(window, WM_GETTEXT, 2, reinterpret_cast<LPARAM>(buffer));
        Send(window, WM_GETTEXTLENGTH, 0, 0);
        const LRESULT rows = Send(window, LB_GETCOUNT, 0, 0);
        if (rows > longest)
            longest = rows;
        for (WPARAM index : Indexes(rows)) {
            Send(window, LB_GETTEXTLEN, index, 0);
            Send(window, LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer));
            Send(window, LB_GETITEMDATA, index, 0);
        }
        const LRESULT items = Send(window, CB_GETCOUNT, 0, 0);
        for (WPARAM index : Indexes(items > 0 ? items : 0)) {
            Send(window, CB_GETLBTEXTLEN, index, 0);
            Send(window, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer));
        }
        wchar_t className[64] = {};
        ::GetClassNameW(window, className, 64);
        if (lstrcmpiW(className, L"SysListView32") == 0)
            ReadListItems(window, false);
        if (lstrcmpiW(className, L"SysTreeView32") == 0)
            ReadListItems(window, true);
    }
};

// The controls of what is on show: a child whose parents below its top-level
// window are all visible (the form of the view shown, a dialog's controls even
// when the dialog itself is not shown), not those of the hidden views a program
// keeps ready.
BOOL CALLBACK AddChild(HWND window, LPARAM reader)
{
    const HWND topLevel = ::GetAncestor(window, GA_ROOT);
    for (HWND parent = ::GetParent(window); parent && parent != topLevel; parent = ::GetParent(parent))
        if (!(::GetWindowLongW(parent, GWL_STYLE) & WS_VISIBLE))
            return TRUE;
    reinterpret_cast<Reader*>(reader)->windows.push_back(window);
    return TRUE;
}

BOOL CALLBACK AddTopLevel(HWND window, LPARAM lParam)
{
    auto* reader = reinterpret_cast<Reader*>(lParam);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == reader->processId) {
        reader->windows.push_back(window);
        ::EnumChildWindows(window, AddChild, lParam);
    }
    return TRUE;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4)
        return 1;
    Reader reader;
    reader.processId = static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10));
    const int rounds = static_cast<int>(std::strtol(argv[2], nullptr, 10));
    reader.process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_VM_READ, FALSE, reader.processId);
    if (reader.process)
        reader.remote = static_cast<BYTE*>(
            ::VirtualAllocEx(reader.process, nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    ::EnumWindows(AddTopLevel, reinterpret_cast<LPARAM>(&reader));
    for (int round = 0; round < rounds; ++round)
        for (HWND window : reader.windows)
            if (::IsWindow(window))
                reader.ReadWindow(window);
    if (reader.remote)
        ::VirtualFreeEx(reader.process, reader.remote, 0, MEM_RELEASE);
    if (reader.process)
        ::CloseHandle(reader.process);

    FILE* report = std::fopen(argv[3], "w");
    if (report) {
        std::fprintf(report, "windows=%d sends=%ld timeouts=%ld longest=%ld", static_cast<int>(reader.windows.size()),
                     reader.sends, reader.timeouts, static_cast<long>(reader.longest));
        std::fclose(report);
    }
    return reader.windows.empty() ? 2 : 0;
}

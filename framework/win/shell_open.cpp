#include "shell_open.h"

#include "modal_seam.h"
#include "wide_text.h"

#include <shellapi.h>

namespace {

using HtmlHelpWFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

HtmlHelpWFunction LoadHtmlHelp()
{
    static const HtmlHelpWFunction function = [] {
        HMODULE module = ::LoadLibraryW(L"hhctrl.ocx");
        return module ? reinterpret_cast<HtmlHelpWFunction>(
                            reinterpret_cast<void*>(::GetProcAddress(module, "HtmlHelpW")))
                      : nullptr;
    }();
    return function;
}

// Null for an empty text: the shell reads a null verb or folder as "the default".
const wchar_t* OrNull(const std::wstring& text)
{
    return text.empty() ? nullptr : text.c_str();
}

}  // namespace

BOOL AfxHtmlHelp(LPCTSTR lpszFile, UINT nCommand, DWORD_PTR dwData)
{
    HtmlHelpRequest request;
    request.file = lpszFile;
    request.command = nCommand;
    request.data = dwData;
    return modal_seam::ShowHtmlHelp(request, [&]() -> BOOL {
        HtmlHelpWFunction htmlHelp = LoadHtmlHelp();
        if (!htmlHelp)
            return FALSE;
        return htmlHelp(nullptr, ToWide(request.file).c_str(), request.command, request.data) != nullptr;
    });
}

DWORD AfxShellOpen(LPCTSTR lpszVerb, LPCTSTR lpszFile, LPCTSTR lpszParameters, LPCTSTR lpszDirectory, int nShowCmd)
{
    ShellOpenRequest request;
    request.verb = lpszVerb;
    request.file = lpszFile;
    request.parameters = lpszParameters;
    request.directory = lpszDirectory;
    request.show = nShowCmd;
    return modal_seam::ShellOpen(request, [&]() -> DWORD {
        std::wstring verb = ToWide(request.verb);
        std::wstring file = ToWide(request.file);
        std::wstring parameters = ToWide(request.parameters);
        std::wstring directory = ToWide(request.directory);
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof(info);
        // No error box from the shell (the caller reports), and the start is
        // complete on return even when the calling program ends right after.
        info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
        info.lpVerb = OrNull(verb);
        info.lpFile = file.c_str();
        info.lpParameters = OrNull(parameters);
        info.lpDirectory = OrNull(directory);
        info.nShow = request.show;
        ::SetLastError(ERROR_SUCCESS);
        if (::ShellExecuteExW(&info))
            return ERROR_SUCCESS;
        DWORD error = ::GetLastError();
        if (error != ERROR_SUCCESS)
            return error;
        // Some shells leave only the old-style code in hInstApp.
        auto code = reinterpret_cast<INT_PTR>(info.hInstApp);
        switch (code) {
        case SE_ERR_FNF: return ERROR_FILE_NOT_FOUND;
        case SE_ERR_PNF: return ERROR_PATH_NOT_FOUND;
        case SE_ERR_ACCESSDENIED: return ERROR_ACCESS_DENIED;
        case SE_ERR_OOM: return ERROR_NOT_ENOUGH_MEMORY;
        case SE_ERR_NOASSOC:
        case SE_ERR_ASSOCINCOMPLETE: return ERROR_NO_ASSOCIATION;
        default: return ERROR_GEN_FAILURE;
        }
    });
}

CString AfxSystemErrorText(DWORD dwError)
{
    wchar_t* buffer = nullptr;
    DWORD length = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                        FORMAT_MESSAGE_IGNORE_INSERTS,
                                    nullptr, dwError, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    CString text;
    if (length && buffer) {
        while (length > 0 && (buffer[length - 1] == L'\r' || buffer[length - 1] == L'\n' || buffer[length - 1] == L' '))
            --length;
        buffer[length] = L'\0';
        text = FromWide(buffer);
    }
    if (buffer)
        ::LocalFree(buffer);
    return text;
}

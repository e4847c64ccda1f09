#include "directory_dialog.h"

#include "../../framework/win/modal_seam.h"
#include "../../framework/win/wide_text.h"
#include "../../framework/win/win_app.h"
#include "../../framework/win/wnd.h"

#include <vector>

namespace {

HWND WindowOf(CWnd* window)
{
    return window ? window->GetSafeHwnd() : nullptr;
}

int CALLBACK BrowseCallback(HWND browser, UINT message, LPARAM, LPARAM data)
{
    auto* dialog = reinterpret_cast<CDirectoryDialog*>(data);
    if (message == BFFM_INITIALIZED && dialog->m_pidlSelection)
        ::SendMessageW(browser, BFFM_SETSELECTIONW, FALSE, reinterpret_cast<LPARAM>(dialog->m_pidlSelection));
    return 0;
}

CString PathOfItem(PCIDLIST_ABSOLUTE item)
{
    // Paths longer than MAX_PATH are asked for with the extended call.
    std::vector<wchar_t> buffer(32768, L'\0');
    if (!::SHGetPathFromIDListEx(item, buffer.data(), static_cast<DWORD>(buffer.size()), GPFIDL_DEFAULT))
        return CString();
    return FromWide(buffer.data());
}

}  // namespace

CDirectoryDialog::CDirectoryDialog(UINT flags, LPCTSTR title, CWnd* owner)
    : m_nFlags(flags), m_strTitle(title ? title : ""), m_pOwner(owner ? owner : AfxGetMainWnd())
{
}

CDirectoryDialog::~CDirectoryDialog()
{
    ::CoTaskMemFree(m_pidlRoot);
    ::CoTaskMemFree(m_pidlSelection);
}

BOOL CDirectoryDialog::SetFromPath(PIDLIST_ABSOLUTE& member, LPCTSTR path)
{
    ::CoTaskMemFree(member);
    member = nullptr;
    if (!path || !*path)
        return TRUE;
    PIDLIST_ABSOLUTE item = nullptr;
    if (FAILED(::SHParseDisplayName(ToWide(path).c_str(), nullptr, &item, 0, nullptr)))
        return FALSE;
    member = item;
    return TRUE;
}

BOOL CDirectoryDialog::SetFromSpecialFolder(PIDLIST_ABSOLUTE& member, int specialFolder)
{
    ::CoTaskMemFree(member);
    member = nullptr;
    if (specialFolder == 0)
        return TRUE;
    PIDLIST_ABSOLUTE item = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(WindowOf(m_pOwner), specialFolder, &item)))
        return FALSE;
    member = item;
    return TRUE;
}

BOOL CDirectoryDialog::SetRoot(LPCTSTR path)
{
    return SetFromPath(m_pidlRoot, path);
}

BOOL CDirectoryDialog::SetRoot(int specialFolder)
{
    return SetFromSpecialFolder(m_pidlRoot, specialFolder);
}

BOOL CDirectoryDialog::SetSelection(LPCTSTR path)
{
    return SetFromPath(m_pidlSelection, path);
}

BOOL CDirectoryDialog::SetSelection(int specialFolder)
{
    return SetFromSpecialFolder(m_pidlSelection, specialFolder);
}

int CDirectoryDialog::DoBrowse()
{
    FolderDialogRequest request;
    request.title = m_strTitle;
    if (m_pidlSelection)
        request.folder = PathOfItem(m_pidlSelection);
    const int answer = modal_seam::FolderDialog(request, [this, &request] {
        const int result = BrowseWithShell();
        if (result == 1)
            request.folder = m_strPath;
        return result == 1 ? IDOK : IDCANCEL;
    });
    ::CoTaskMemFree(m_pidlRoot);
    ::CoTaskMemFree(m_pidlSelection);
    m_pidlRoot = nullptr;
    m_pidlSelection = nullptr;
    if (answer != IDOK)
        return 2;
    m_strPath = request.folder;
    return 1;
}

int CDirectoryDialog::BrowseWithShell()
{
    std::wstring title = ToWide(m_strTitle);
    wchar_t displayName[MAX_PATH] = L"";
    BROWSEINFOW info{};
    info.hwndOwner = WindowOf(m_pOwner);
    info.pidlRoot = m_pidlRoot;
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    info.ulFlags = m_nFlags;
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(this);
    PIDLIST_ABSOLUTE chosen = ::SHBrowseForFolderW(&info);
    m_strDisplayName = FromWide(displayName);
    if (!chosen)
        return 2;
    const CString path = PathOfItem(chosen);
    ::CoTaskMemFree(chosen);
    if (path.IsEmpty())
        return 2;
    m_strPath = path;
    return 1;
}

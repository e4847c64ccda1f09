#include "file_dialog.h"

#include "file_filter.h"
#include "modal_seam.h"
#include "wide_text.h"
#include "win_app.h"
#include "wnd.h"

#include <commdlg.h>

#include <vector>

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog), m_strDefExt(lpszDefExt), m_strFileName(lpszFileName),
      m_strFilter(lpszFilter), m_pParentWnd(pParentWnd)
{
    m_ofn.Flags = dwFlags;
}

INT_PTR CFileDialog::DoModal()
{
    FileDialogRequest request;
    request.bOpenFileDialog = m_bOpenFileDialog;
    request.title = m_ofn.lpstrTitle;
    request.filter = m_strFilter;
    request.defaultExt = m_strDefExt;
    request.initialDir = m_ofn.lpstrInitialDir;
    request.flags = m_ofn.Flags;
    request.fileName = m_strFileName;
    request.filterIndex = static_cast<int>(m_ofn.nFilterIndex);

    int answer = modal_seam::FileDialog(request, [&] {
        std::vector<wchar_t> file(32768, L'\0');
        std::wstring proposed = ToWide(request.fileName);
        if (proposed.size() < file.size())
            std::copy(proposed.begin(), proposed.end(), file.begin());
        std::wstring filter = FileFilterForSystem(request.filter);
        std::wstring defaultExt = ToWide(request.defaultExt);
        std::wstring initialDir = ToWide(request.initialDir);
        std::wstring title = ToWide(request.title);

        OPENFILENAMEW ofn{};
        ofn.lStructSize = sizeof(ofn);
        HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
        if (!owner && AfxGetMainWnd())
            owner = ::GetLastActivePopup(AfxGetMainWnd()->m_hWnd);
        ofn.hwndOwner = owner;
        ofn.lpstrFilter = request.filter.IsEmpty() ? nullptr : filter.c_str();
        ofn.nFilterIndex = static_cast<DWORD>(request.filterIndex);
        ofn.lpstrFile = file.data();
        ofn.nMaxFile = static_cast<DWORD>(file.size());
        ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
        ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
        ofn.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
        ofn.Flags = request.flags | OFN_EXPLORER;
        BOOL chosen = m_bOpenFileDialog ? ::GetOpenFileNameW(&ofn) : ::GetSaveFileNameW(&ofn);
        if (!chosen)
            return IDCANCEL;
        request.fileName = FromWide(file.data());
        request.filterIndex = static_cast<int>(ofn.nFilterIndex);
        return IDOK;
    });
    if (answer != IDOK)
        return IDCANCEL;
    m_strPathName = request.fileName;
    m_ofn.nFilterIndex = static_cast<DWORD>(request.filterIndex);
    return IDOK;
}

CString CFileDialog::GetFileName() const
{
    int slash = m_strPathName.ReverseFind('\\');
    int otherSlash = m_strPathName.ReverseFind('/');
    if (otherSlash > slash)
        slash = otherSlash;
    return slash >= 0 ? m_strPathName.Mid(slash + 1) : m_strPathName;
}

CString CFileDialog::GetFileExt() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot >= 0 ? name.Mid(dot + 1) : CString();
}

CString CFileDialog::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot >= 0 ? name.Left(dot) : name;
}

// CFileDialog: the system's dialog for a file to open or a name to save under.
// DoModal passes through the modal seam; the answer is IDOK or IDCANCEL, and
// after IDOK the chosen path is GetPathName. The filter is the program's
// "description|*.ext||" text. Text is CP932 throughout.
#pragma once

#include "../cstring.h"

#include "windows_api.h"

class CWnd;

// The settings a caller may change before DoModal.
struct FileDialogOptions {
    // The folder shown first (null: the system's choice).
    LPCTSTR lpstrInitialDir = nullptr;
    // The caption (null: the system's "Open" or "Save As").
    LPCTSTR lpstrTitle = nullptr;
    // OFN_ flags.
    DWORD Flags = 0;
    // 1-based index of the filter shown first; after IDOK, the one chosen.
    DWORD nFilterIndex = 1;
};

class CFileDialog {
public:
    CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                CWnd* pParentWnd = nullptr);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;
    virtual ~CFileDialog() = default;

    virtual INT_PTR DoModal();

    // The full path chosen.
    CString GetPathName() const { return m_strPathName; }
    // Its file name with extension, the extension alone, the name without extension.
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;

    FileDialogOptions m_ofn;

private:
    BOOL m_bOpenFileDialog;
    CString m_strDefExt;
    CString m_strFileName;
    CString m_strFilter;
    CString m_strPathName;
    CWnd* m_pParentWnd;
};

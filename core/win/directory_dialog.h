// CDirectoryDialog: the shell's folder browser, set up on the caller's stack,
// browsed once and read. The file commands choose the backup folder and the
// target folder of a copy or a move with it.
#pragma once

#include "../../framework/cstring.h"
#include "../../framework/win/windows_api.h"

#include <shlobj.h>

class CWnd;

class CDirectoryDialog {
public:
    // flags: the browser's BIF_ flags; title: the text above the folder tree;
    // owner: the main window when none is given.
    explicit CDirectoryDialog(UINT flags = BIF_RETURNONLYFSDIRS, LPCTSTR title = nullptr, CWnd* owner = nullptr);
    ~CDirectoryDialog();
    CDirectoryDialog(const CDirectoryDialog&) = delete;
    CDirectoryDialog& operator=(const CDirectoryDialog&) = delete;

    // 1 when a folder was chosen (GetPath gives it), 2 when the user cancelled.
    int DoBrowse();

    // The root of the tree and the folder selected at the start, by path or by a
    // special-folder id; an empty path or the id 0 clears them. FALSE when the
    // folder could not be found (the member is then cleared).
    BOOL SetRoot(LPCTSTR path);
    BOOL SetRoot(int specialFolder);
    BOOL SetSelection(LPCTSTR path);
    BOOL SetSelection(int specialFolder);
    void SetTitle(LPCTSTR title) { m_strTitle = title; }
    void SetFlags(UINT flags) { m_nFlags = flags; }

    CString GetPath() const { return m_strPath; }

    UINT m_nFlags;
    CString m_strTitle;
    CWnd* m_pOwner;
    PIDLIST_ABSOLUTE m_pidlRoot = nullptr;
    PIDLIST_ABSOLUTE m_pidlSelection = nullptr;
    CString m_strPath;
    CString m_strDisplayName;

private:
    BOOL SetFromPath(PIDLIST_ABSOLUTE& member, LPCTSTR path);
    BOOL SetFromSpecialFolder(PIDLIST_ABSOLUTE& member, int specialFolder);
    int BrowseWithShell();
};

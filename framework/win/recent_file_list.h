// CRecentFileList: the most recently used files, newest first, kept in the
// application's profile (section "Recent File List", entries "File1" ...), and
// shown in the menu in place of the item ID_FILE_MRU_FILE1.
#pragma once

#include "../cstring.h"

#include "windows_api.h"

#include <vector>

class CCmdUI;

class CRecentFileList {
public:
    CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize);
    CRecentFileList(const CRecentFileList&) = delete;
    CRecentFileList& operator=(const CRecentFileList&) = delete;

    int GetSize() const { return static_cast<int>(m_arrNames.size()); }
    const CString& operator[](int nIndex) const { return m_arrNames.at(static_cast<size_t>(nIndex)); }

    // Puts the path first; an entry for the same path (case ignored) moves up
    // instead of appearing twice, and the oldest falls off a full list.
    void Add(LPCTSTR lpszPathName);
    void Remove(int nIndex);
    void ReadList();
    void WriteList();
    // Replaces the menu's list items (the CCmdUI is the first of them) by the
    // current names; an empty list leaves the original item, greyed.
    void UpdateMenu(CCmdUI* pCmdUI);

private:
    UINT m_nStart;
    CString m_strSectionName;
    CString m_strEntryFormat;
    CString m_strOriginal;
    std::vector<CString> m_arrNames;
};

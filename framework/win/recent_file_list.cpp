#include "recent_file_list.h"

#include "cmd_ui.h"
#include "menu.h"
#include "win_app.h"

namespace {

CString EntryName(const CString& format, int number)
{
    CString entry;
    entry.Format(format, number);
    return entry;
}

}  // namespace

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize)
    : m_nStart(nStart), m_strSectionName(lpszSection), m_strEntryFormat(lpszEntryFormat),
      m_arrNames(static_cast<size_t>(nSize > 0 ? nSize : 0))
{
}

void CRecentFileList::Add(LPCTSTR lpszPathName)
{
    if (m_arrNames.empty() || !lpszPathName || !*lpszPathName)
        return;
    size_t found = m_arrNames.size() - 1;
    for (size_t i = 0; i < m_arrNames.size(); ++i)
        if (m_arrNames[i].CompareNoCase(lpszPathName) == 0) {
            found = i;
            break;
        }
    for (size_t i = found; i > 0; --i)
        m_arrNames[i] = m_arrNames[i - 1];
    m_arrNames[0] = lpszPathName;
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetSize())
        return;
    m_arrNames.erase(m_arrNames.begin() + nIndex);
    m_arrNames.emplace_back();
}

void CRecentFileList::ReadList()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    for (size_t i = 0; i < m_arrNames.size(); ++i)
        m_arrNames[i] = app->GetProfileString(m_strSectionName, EntryName(m_strEntryFormat, static_cast<int>(i) + 1));
}

void CRecentFileList::WriteList()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    for (size_t i = 0; i < m_arrNames.size(); ++i) {
        CString entry = EntryName(m_strEntryFormat, static_cast<int>(i) + 1);
        app->WriteProfileString(m_strSectionName, entry, m_arrNames[i].IsEmpty() ? nullptr : static_cast<LPCTSTR>(m_arrNames[i]));
    }
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI)
{
    CMenu* menu = pCmdUI->m_pMenu;
    if (!menu)
        return;
    if (m_strOriginal.IsEmpty())
        menu->GetMenuString(pCmdUI->m_nIndex, m_strOriginal, MF_BYPOSITION);

    // Take out the items of the list shown last time (the item standing for the list included).
    for (UINT id = m_nStart; id < m_nStart + m_arrNames.size(); ++id)
        menu->DeleteMenu(id, MF_BYCOMMAND);

    if (m_arrNames.empty() || m_arrNames[0].IsEmpty()) {
        menu->InsertMenu(pCmdUI->m_nIndex, MF_BYPOSITION | MF_STRING, m_nStart, m_strOriginal);
        pCmdUI->m_nIndexMax = menu->GetMenuItemCount();
        pCmdUI->Enable(FALSE);
        return;
    }
    UINT position = pCmdUI->m_nIndex;
    for (size_t i = 0; i < m_arrNames.size() && !m_arrNames[i].IsEmpty(); ++i) {
        CString text;
        text.Format("&%d %s", static_cast<int>(i) + 1, static_cast<LPCTSTR>(m_arrNames[i]));
        // A "&" in a path must show as itself, not as a shortcut mark.
        CString shown = text.Left(3);
        CString path = text.Mid(3);
        path.Replace("&", "&&");
        menu->InsertMenu(position++, MF_BYPOSITION | MF_STRING, m_nStart + static_cast<UINT>(i), shown + path);
    }
    // The loop over the popup's items goes on after the list.
    pCmdUI->m_nIndex = position - 1;
    pCmdUI->m_nIndexMax = menu->GetMenuItemCount();
    pCmdUI->m_bEnableChanged = TRUE;
}

// CMenu: one object around one menu handle, with item text in CP932. A menu
// loaded or created through the object is destroyed with it; one met through
// FromHandle (the frame's menu bar, a popup in WM_INITMENUPOPUP) is only borrowed
// and lives until the next idle time.
#pragma once

#include "../cstring.h"
#include "../object.h"

#include "windows_api.h"

class CWnd;

class CMenu : public CObject {
public:
    CMenu() = default;
    ~CMenu() override;

    HMENU m_hMenu = nullptr;

    HMENU GetSafeHmenu() const { return m_hMenu; }
    operator HMENU() const { return m_hMenu; }

    static CMenu* FromHandle(HMENU hMenu);
    static void DeleteTempMap();

    BOOL Attach(HMENU hMenu);
    HMENU Detach();
    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    // The menu resource of the program's resources.
    BOOL LoadMenu(UINT nIDResource);
    BOOL DestroyMenu();

    // Items by position (MF_BYPOSITION) or by command id (MF_BYCOMMAND).
    CMenu* GetSubMenu(int nPos) const;
    UINT GetMenuItemCount() const;
    // The command id at nPos; 0 for a separator, (UINT)-1 for a popup.
    UINT GetMenuItemID(int nPos) const;
    // MF_CHECKED, MF_GRAYED, MF_DISABLED ... of the item; (UINT)-1 when there is none.
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    // Both return the item's previous state, (UINT)-1 when there is no such item.
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    BOOL RemoveMenu(UINT nPosition, UINT nFlags);
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);

private:
    bool m_bOwned = false;
};

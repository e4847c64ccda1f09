// CCmdUI: the state of one command's user-interface item (a menu item, or a
// control standing for the command), offered to the update handlers of the
// command route. The frame fills one for each item of a popup menu on
// WM_INITMENUPOPUP; an update handler enables, checks or renames the item.
#pragma once

#include "../cstring.h"

#include "windows_api.h"

class CCmdTarget;
class CMenu;
class CWnd;

class CCmdUI {
public:
    CCmdUI() = default;
    CCmdUI(const CCmdUI&) = delete;
    CCmdUI& operator=(const CCmdUI&) = delete;
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL bOn = TRUE);
    // 0 unchecked, 1 checked.
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);
    // Lets the route go on to the next object after this update handler.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Offers the item to pTarget's command route. With bDisableIfNoHandler, an
    // item that no update handler enabled or disabled is enabled exactly when
    // some object of the route handles the command. TRUE: an update handler ran.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler);

    UINT m_nID = 0;
    UINT m_nIndex = 0;
    // The menu holding the item (by position m_nIndex), or null.
    CMenu* m_pMenu = nullptr;
    // The control standing for the command, or null.
    CWnd* m_pOther = nullptr;
    UINT m_nIndexMax = 0;
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;
};

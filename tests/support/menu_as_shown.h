// A command's state in the main window's menu as the user sees it: every popup
// of the menu bar, and every popup inside one, is opened first (WM_INITMENUPOPUP),
// so that the frame's update handlers have set its items.
#pragma once

#include "framework/win/wnd.h"

inline UINT MenuStateAsShown(CWnd* frame, UINT id)
{
    HMENU bar = ::GetMenu(frame->m_hWnd);
    for (int i = 0; i < ::GetMenuItemCount(bar); ++i) {
        HMENU popup = ::GetSubMenu(bar, i);
        frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), i);
        for (int j = 0; j < ::GetMenuItemCount(popup); ++j)
            if (HMENU nested = ::GetSubMenu(popup, j))
                frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(nested), j);
    }
    return ::GetMenuState(bar, id, MF_BYCOMMAND);
}

// Whether the command shows greyed.
inline bool GreyedAsShown(CWnd* frame, UINT id)
{
    return (MenuStateAsShown(frame, id) & MF_GRAYED) != 0;
}

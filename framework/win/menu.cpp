#include "menu.h"

#include "app_instance.h"
#include "wide_text.h"

#include <map>
#include <memory>
#include <vector>

namespace {

std::map<HMENU, std::unique_ptr<CMenu>>& TemporaryMenus()
{
    static std::map<HMENU, std::unique_ptr<CMenu>> menus;
    return menus;
}

// Text items go through the W function; other kinds (separators, bitmaps) pass as they are.
BOOL ChangeItem(HMENU hMenu, UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR text, bool insert,
                bool modify)
{
    std::wstring wide;
    const wchar_t* item = nullptr;
    if (!(nFlags & (MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW)) && text) {
        wide = ToWide(text);
        item = wide.c_str();
    }
    if (modify)
        return ::ModifyMenuW(hMenu, nPosition, nFlags, nIDNewItem, item);
    if (insert)
        return ::InsertMenuW(hMenu, nPosition, nFlags, nIDNewItem, item);
    return ::AppendMenuW(hMenu, nFlags, nIDNewItem, item);
}

}  // namespace

CMenu::~CMenu()
{
    if (m_bOwned)
        DestroyMenu();
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    if (!hMenu)
        return nullptr;
    auto& menus = TemporaryMenus();
    auto found = menus.find(hMenu);
    if (found != menus.end())
        return found->second.get();
    auto menu = std::make_unique<CMenu>();
    menu->m_hMenu = hMenu;
    return (menus[hMenu] = std::move(menu)).get();
}

void CMenu::DeleteTempMap()
{
    TemporaryMenus().clear();
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (m_hMenu || !hMenu)
        return FALSE;
    m_hMenu = hMenu;
    m_bOwned = true;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    m_hMenu = nullptr;
    m_bOwned = false;
    return hMenu;
}

BOOL CMenu::CreateMenu()
{
    return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu()
{
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    return Attach(::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource)));
}

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu)
        return FALSE;
    BOOL done = ::DestroyMenu(Detach());
    return done;
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
    return FromHandle(::GetSubMenu(m_hMenu, nPos));
}

UINT CMenu::GetMenuItemCount() const
{
    return static_cast<UINT>(::GetMenuItemCount(m_hMenu));
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    return ::GetMenuItemID(m_hMenu, nPos);
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
    return ::GetMenuState(m_hMenu, nID, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    int length = ::GetMenuStringW(m_hMenu, nIDItem, nullptr, 0, nFlags);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    length = ::GetMenuStringW(m_hMenu, nIDItem, buffer.data(), length + 1, nFlags);
    rString = FromWide(buffer.data(), length);
    return rString.GetLength();
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    return static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable));
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    return static_cast<UINT>(::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck));
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ChangeItem(m_hMenu, 0, nFlags, nIDNewItem, lpszNewItem, false, false);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ChangeItem(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem, true, false);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ChangeItem(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem, false, true);
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags)
{
    return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags)
{
    return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

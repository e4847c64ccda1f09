#include "message_map.h"

#include "dc.h"
#include "menu.h"
#include "wnd.h"

#include <windowsx.h>

namespace message_decode {

CWnd* Window(HWND hWnd)
{
    return CWnd::FromHandle(hWnd);
}

CDC* DeviceContext(HDC hDC)
{
    return CDC::FromHandle(hDC);
}

CMenu* Menu(HMENU hMenu)
{
    return CMenu::FromHandle(hMenu);
}

CPoint Point(LPARAM lParam)
{
    return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

}  // namespace message_decode

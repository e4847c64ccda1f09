#include "message_box.h"

#include "framework_ids.h"
#include "modal_seam.h"
#include "wide_text.h"
#include "win_app.h"
#include "wnd.h"

namespace {

CString ApplicationName()
{
    if (CWinApp* app = AfxGetApp())
        return app->m_pszAppName;
    CString name;
    name.LoadString(AFX_IDS_APP_TITLE);
    return name;
}

// The window the box belongs to: the last active popup of the main window (a
// modal dialog over it), so that the box is modal to what the user sees.
HWND MessageBoxOwner()
{
    CWnd* main = AfxGetMainWnd();
    if (!main || !main->m_hWnd)
        return ::GetActiveWindow();
    return ::GetLastActivePopup(main->m_hWnd);
}

}  // namespace

int AfxMessageBox(LPCTSTR lpszText, UINT nType)
{
    MessageBoxRequest request;
    request.text = lpszText;
    request.caption = ApplicationName();
    request.style = nType;
    return modal_seam::MessageBox(request, [&] {
        return ::MessageBoxW(MessageBoxOwner(), ToWide(request.text).c_str(), ToWide(request.caption).c_str(),
                             request.style | MB_SETFOREGROUND);
    });
}

int AfxMessageBox(UINT nIDPrompt, UINT nType)
{
    CString text;
    text.LoadString(nIDPrompt);
    return AfxMessageBox(text, nType);
}

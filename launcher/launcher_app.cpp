#include "launcher_app.h"

#include "launcher_dlg.h"

#include "../framework/win/wide_text.h"

CLauncherApp::~CLauncherApp()
{
    ReleaseInstanceMutex();
}

BOOL CLauncherApp::InitInstance()
{
    // A second launcher ends at once, without a word and before it touches a file.
    m_hInstanceMutex = ::CreateMutexW(nullptr, TRUE, ToWide("初期").c_str());
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ReleaseInstanceMutex();
        return FALSE;
    }

    CLauncherDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    // The dialog object ends with this function; nothing may point to it afterwards.
    if (m_pMainWnd == &dlg)
        m_pMainWnd = nullptr;
    return FALSE;
}

int CLauncherApp::ExitInstance()
{
    const int result = CWinApp::ExitInstance();
    ReleaseInstanceMutex();
    return result;
}

void CLauncherApp::ReleaseInstanceMutex()
{
    if (!m_hInstanceMutex)
        return;
    ::CloseHandle(m_hInstanceMutex);
    m_hInstanceMutex = nullptr;
}

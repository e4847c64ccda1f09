#include "win_app.h"

#include "app_instance.h"
#include "cmd_ui.h"
#include "command_line_info.h"
#include "dc.h"
#include "doc_template.h"
#include "document.h"
#include "exception_boundary.h"
#include "file_dialog.h"
#include "framework_ids.h"
#include "menu.h"
#include "message_box.h"
#include "print_dialog.h"
#include "recent_file_list.h"
#include "wide_text.h"
#include "wnd.h"

#include <shellapi.h>

#include <vector>

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

namespace {

CWinApp* g_app = nullptr;
MessageSource g_messageSource = nullptr;

CString ExecutableTitle()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    CString title = FromWide(path);
    int slash = title.ReverseFind('\\');
    if (slash >= 0)
        title = title.Mid(slash + 1);
    int dot = title.ReverseFind('.');
    if (dot > 0)
        title = title.Left(dot);
    return title;
}

}  // namespace

const MessageMap* CWinApp::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CWinApp>(
        on::Command(ID_APP_EXIT, &CWinApp::OnAppExit),
        on::UpdateCommandUI(ID_FILE_MRU_FILE1, &CWinApp::OnUpdateRecentFileMenu),
        on::CommandRangeEx(ID_FILE_MRU_FIRST, ID_FILE_MRU_LAST, &CWinApp::OnOpenRecentFile));
    return &map;
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

MessageSource AfxSetMessageSource(MessageSource source)
{
    MessageSource previous = g_messageSource;
    g_messageSource = source;
    return previous;
}

BOOL AfxGetMessage(MSG* pMsg)
{
    return g_messageSource ? g_messageSource(pMsg) : ::GetMessageW(pMsg, nullptr, 0, 0);
}

BOOL AfxPreTranslateMessage(MSG* pMsg)
{
    return CallGuarded<BOOL>([pMsg] {
        if (g_app)
            return g_app->PreTranslateMessage(pMsg);
        return CWnd::WalkPreTranslateTree(nullptr, pMsg);
    }, FALSE);
}

CWinApp::CWinApp(LPCTSTR lpszAppName) : m_pPreviousApp(g_app)
{
    g_app = this;
    AfxInstallStringLoader();
    m_hInstance = AfxGetInstanceHandle();
    if (lpszAppName)
        m_strAppName = lpszAppName;
    else if (!m_strAppName.LoadString(AFX_IDS_APP_TITLE))
        m_strAppName = ExecutableTitle();
    m_pszAppName = m_strAppName;
    m_pszProfileName = m_pszAppName;
}

CWinApp::~CWinApp()
{
    for (CDocTemplate* docTemplate : m_templates)
        delete docTemplate;
    SelectPrinter(nullptr, nullptr);
    if (g_app == this)
        g_app = m_pPreviousApp;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    if (m_pRecentFileList)
        m_pRecentFileList->WriteList();
    return m_nExitCode;
}

int CWinApp::Run()
{
    LONG idleCount = 0;
    bool idle = true;
    for (;;) {
        MSG msg;
        while (idle && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!CallGuarded<BOOL>([&] { return OnIdle(idleCount++); }, FALSE))
                idle = false;
        }
        if (!PumpMessage())
            return ExitInstance();
        idle = true;
        idleCount = 0;
    }
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    if (lCount == 0)
        return TRUE;
    // Nothing is being handled now: the temporary objects made for handles met
    // in messages can go.
    CWnd::DeleteTempMap();
    CMenu::DeleteTempMap();
    CDC::DeleteTempMap();
    return FALSE;
}

BOOL CWinApp::PumpMessage()
{
    MSG msg{};
    BOOL got = AfxGetMessage(&msg);
    if (got == -1) {
        // Nothing was taken, and waiting again would only fail again.
        m_nExitCode = -1;
        return FALSE;
    }
    if (got == 0) {
        m_nExitCode = static_cast<int>(msg.wParam);
        return FALSE;
    }
    if (!AfxPreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return TRUE;
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg)
{
    HWND hMain = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    if (CWnd::WalkPreTranslateTree(hMain, pMsg))
        return TRUE;
    // A window that is neither in the main window nor owned by it (a modeless
    // dialog without owner) still gets the main window's accelerators.
    if (!hMain || !pMsg->hwnd)
        return FALSE;
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd))
        if (hWnd == hMain)
            return FALSE;
    return m_pMainWnd->PreTranslateMessage(pMsg);
}

void CWinApp::DoWaitCursor(int nCode)
{
    m_nWaitCursorCount += nCode;
    if (m_nWaitCursorCount > 0) {
        HCURSOR previous = ::SetCursor(::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
        if (nCode > 0 && m_nWaitCursorCount == 1)
            m_hcurWaitCursorRestore = previous;
    } else {
        m_nWaitCursorCount = 0;
        ::SetCursor(m_hcurWaitCursorRestore ? m_hcurWaitCursorRestore
                                            : ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
    }
}

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    m_strRegistryKey = lpszRegistryKey;
    m_pszRegistryKey = m_strRegistryKey;
    m_pszProfileName = m_pszAppName;
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString key;
    key.LoadString(nIDRegistryKey);
    SetRegistryKey(key);
}

HKEY CWinApp::OpenSectionKey(LPCTSTR lpszSection, bool bCreate)
{
    if (m_strRegistryKey.IsEmpty() || !lpszSection)
        return nullptr;
    std::wstring path = L"Software\\" + ToWide(m_strRegistryKey) + L"\\" + ToWide(m_pszProfileName);
    if (*lpszSection)
        path += L"\\" + ToWide(lpszSection);
    HKEY key = nullptr;
    LONG status = bCreate ? ::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                              KEY_READ | KEY_WRITE, nullptr, &key, nullptr)
                          : ::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ | KEY_WRITE, &key);
    return status == ERROR_SUCCESS ? key : nullptr;
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    HKEY key = OpenSectionKey(lpszSection, false);
    if (!key)
        return static_cast<UINT>(nDefault);
    DWORD value = 0;
    DWORD type = 0;
    DWORD size = sizeof(value);
    LONG status = ::RegQueryValueExW(key, ToWide(lpszEntry).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    ::RegCloseKey(key);
    return (status == ERROR_SUCCESS && type == REG_DWORD) ? static_cast<UINT>(value) : static_cast<UINT>(nDefault);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    HKEY key = OpenSectionKey(lpszSection, true);
    if (!key)
        return FALSE;
    DWORD value = static_cast<DWORD>(nValue);
    LONG status = ::RegSetValueExW(key, ToWide(lpszEntry).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                   sizeof(value));
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    CString fallback(lpszDefault);
    HKEY key = OpenSectionKey(lpszSection, false);
    if (!key)
        return fallback;
    std::wstring entry = ToWide(lpszEntry);
    DWORD type = 0;
    DWORD size = 0;
    LONG status = ::RegQueryValueExW(key, entry.c_str(), nullptr, &type, nullptr, &size);
    CString value = fallback;
    if (status == ERROR_SUCCESS && type == REG_SZ) {
        std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
        if (::RegQueryValueExW(key, entry.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) ==
            ERROR_SUCCESS)
            value = FromWide(buffer.data());
    }
    ::RegCloseKey(key);
    return value;
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (!lpszEntry) {
        // No entry: the whole section goes.
        if (m_strRegistryKey.IsEmpty())
            return FALSE;
        HKEY application = OpenSectionKey("", false);
        if (!application)
            return FALSE;
        LONG status = ::RegDeleteKeyW(application, ToWide(lpszSection).c_str());
        ::RegCloseKey(application);
        return status == ERROR_SUCCESS;
    }
    HKEY key = OpenSectionKey(lpszSection, true);
    if (!key)
        return FALSE;
    LONG status;
    if (!lpszValue) {
        status = ::RegDeleteValueW(key, ToWide(lpszEntry).c_str());
        if (status == ERROR_FILE_NOT_FOUND)
            status = ERROR_SUCCESS;
    } else {
        std::wstring value = ToWide(lpszValue);
        status = ::RegSetValueExW(key, ToWide(lpszEntry).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    if (nMaxMRU == 0)
        return;
    if (nMaxMRU > ID_FILE_MRU_LAST - ID_FILE_MRU_FIRST + 1)
        nMaxMRU = ID_FILE_MRU_LAST - ID_FILE_MRU_FIRST + 1;
    m_recentFiles = std::make_unique<CRecentFileList>(ID_FILE_MRU_FIRST, "Recent File List", "File%d",
                                                      static_cast<int>(nMaxMRU));
    m_recentFiles->ReadList();
    m_pRecentFileList = m_recentFiles.get();
}

void CWinApp::AddToRecentFileList(LPCTSTR lpszPathName)
{
    if (m_pRecentFileList)
        m_pRecentFileList->Add(lpszPathName);
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    m_templates.push_back(pTemplate);
}

CDocument* CWinApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    if (m_templates.empty())
        return nullptr;
    return m_templates.front()->OpenDocumentFile(lpszFileName);
}

BOOL CWinApp::SaveAllModified()
{
    for (CDocTemplate* docTemplate : m_templates)
        for (CDocument* document : docTemplate->GetDocuments())
            if (!document->SaveModified())
                return FALSE;
    return TRUE;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    for (CDocTemplate* docTemplate : m_templates)
        docTemplate->CloseAllDocuments(bEndSession);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!arguments)
        return;
    for (int i = 1; i < count; ++i) {
        CString argument = FromWide(arguments[i]);
        BOOL flag = !argument.IsEmpty() && (argument[0] == '-' || argument[0] == '/');
        if (flag)
            argument = argument.Mid(1);
        rCmdInfo.ParseParam(argument, flag, i == count - 1);
    }
    ::LocalFree(arguments);
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr))
            OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    case CCommandLineInfo::FileNothing:
        return TRUE;
    }
    return FALSE;
}

void CWinApp::OnFileNew()
{
    if (!m_templates.empty())
        m_templates.front()->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen()
{
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY,
                       "すべてのファイル (*.*)|*.*||");
    if (dialog.DoModal() == IDOK)
        OpenDocumentFile(dialog.GetPathName());
}

void CWinApp::SelectPrinter(HGLOBAL hDevNames, HGLOBAL hDevMode, BOOL bFreeOld)
{
    if (bFreeOld) {
        if (m_hDevNames && m_hDevNames != hDevNames)
            ::GlobalFree(m_hDevNames);
        if (m_hDevMode && m_hDevMode != hDevMode)
            ::GlobalFree(m_hDevMode);
    }
    m_hDevNames = hDevNames;
    m_hDevMode = hDevMode;
}

void CWinApp::UpdatePrinterSelection(BOOL bForceDefaults)
{
    if (!bForceDefaults && m_hDevNames)
        return;
    // A dialog that does not own the handles: they become the application's.
    CPrintDialog defaults(TRUE);
    if (defaults.GetDefaults())
        SelectPrinter(defaults.m_pd.hDevNames, defaults.m_pd.hDevMode);
}

BOOL CWinApp::GetPrinterDeviceDefaults(PRINTDLGW* pPrintDlg)
{
    UpdatePrinterSelection(m_hDevNames == nullptr);
    if (!m_hDevNames || !pPrintDlg)
        return FALSE;
    pPrintDlg->hDevNames = m_hDevNames;
    pPrintDlg->hDevMode = m_hDevMode;
    return TRUE;
}

INT_PTR CWinApp::DoPrintDialog(CPrintDialog* pPD)
{
    UpdatePrinterSelection(FALSE);
    // The dialog works on copies: a cancelled dialog leaves the kept settings as
    // they were, and what a print job later changes stays the job's.
    pPD->ReleasePrinter();
    pPD->m_pd.hDevMode = AfxCopyGlobalHandle(m_hDevMode);
    pPD->m_pd.hDevNames = AfxCopyGlobalHandle(m_hDevNames);
    pPD->TakeOwnership();
    INT_PTR answer = pPD->DoModal();
    if (answer == IDOK)
        SelectPrinter(AfxCopyGlobalHandle(pPD->m_pd.hDevNames), AfxCopyGlobalHandle(pPD->m_pd.hDevMode));
    return answer;
}

void CWinApp::OnFilePrintSetup()
{
    UpdatePrinterSelection(FALSE);
    if (!m_hDevNames) {
        AfxMessageBox(AfxNoPrinterText, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CPrintDialog dialog(TRUE);
    DoPrintDialog(&dialog);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    if (m_pRecentFileList)
        m_pRecentFileList->UpdateMenu(pCmdUI);
    else
        pCmdUI->Enable(FALSE);
}

BOOL CWinApp::OnOpenRecentFile(UINT nID)
{
    if (!m_pRecentFileList)
        return FALSE;
    int index = static_cast<int>(nID - ID_FILE_MRU_FIRST);
    if (index < 0 || index >= m_pRecentFileList->GetSize() || (*m_pRecentFileList)[index].IsEmpty())
        return FALSE;
    CString path = (*m_pRecentFileList)[index];
    if (!OpenDocumentFile(path))
        m_pRecentFileList->Remove(index);
    return TRUE;
}

CWaitCursor::CWaitCursor()
{
    if (g_app)
        g_app->DoWaitCursor(1);
}

CWaitCursor::~CWaitCursor()
{
    if (g_app)
        g_app->DoWaitCursor(-1);
}

void CWaitCursor::Restore()
{
    if (g_app)
        g_app->DoWaitCursor(0);
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR lpCmdLine, int nCmdShow)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->m_hInstance = hInstance;
    app->m_strCmdLine = FromWide(lpCmdLine ? lpCmdLine : L"");
    app->m_lpCmdLine = app->m_strCmdLine;
    app->m_nCmdShow = nCmdShow;
    return CallGuarded<int>([app] {
        if (!app->InitInstance()) {
            if (app->m_pMainWnd && app->m_pMainWnd->m_hWnd)
                app->m_pMainWnd->DestroyWindow();
            return app->ExitInstance();
        }
        return app->Run();
    }, -1);
}

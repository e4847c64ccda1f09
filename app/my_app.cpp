#include "my_app.h"

#include "build_font_size.h"
#include "main_frame.h"
#include "../core/win/my_doc.h"
#include "../core/record_file.h"

#include "../framework/win/dialog.h"
#include "../framework/win/command_line_info.h"
#include "../framework/win/message_box.h"
#include "../framework/win/shell_open.h"
#include "../framework/win/doc_template.h"
#include "../resources/resource.h"
#include "../journal/win/siwake.h"

#include <objbase.h>

namespace {

// The about box: a modal dialog with no data of its own, shown in the middle of
// the main window rather than at its template's place over the title bar.
class CAboutDlg : public CDialog {
public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

    BOOL OnInitDialog() override
    {
        const BOOL result = CDialog::OnInitDialog();
        CenterWindow(AfxGetMainWnd());
        return result;
    }
};

}  // namespace

const MessageMap* CMyApp::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CMyApp>(
        on::Command(ID_APP_ABOUT, &CMyApp::OnAppAbout),
        on::Command(ID_FILE_NEW, &CWinApp::OnFileNew),
        on::Command(ID_FILE_OPEN, &CWinApp::OnFileOpen),
        on::Command(ID_FILE_PRINT_SETUP, &CWinApp::OnFilePrintSetup));
    return &map;
}

CMyApp::CMyApp() = default;

BOOL CMyApp::InitInstance()
{
    // A second instance ends before it reads or writes any file.
    m_hInstanceMutex = CreateMutexW(nullptr, TRUE, L"Zirere");
    if (GetLastError() == ERROR_ALREADY_EXISTS)
        return FALSE;

    // COM (the folder browser, the shell) once for the program's one thread.
    m_bComInitialized = SUCCEEDED(CoInitialize(nullptr));
    SetRegistryKey("Local AppWizard-Generated Applications");
    LoadStdProfileSettings(4);

    CMyDoc::s_nBuildFontSize = kBuildFontSize;
    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CMyDoc), RUNTIME_CLASS(CMainFrame),
                                          RUNTIME_CLASS(siwake)));
    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    // The program takes no file from its command line: a start always runs the
    // start-up load of the set-up files and the last journal, which a generic
    // open of a named file would skip (and then write default settings at close).
    commandLine.m_nShellCommand = CCommandLineInfo::FileNew;
    return ProcessShellCommand(commandLine);
}

int CMyApp::ExitInstance()
{
    const int result = CWinApp::ExitInstance();
    if (m_hInstanceMutex)
        CloseHandle(m_hInstanceMutex);
    if (m_bComInitialized)
        CoUninitialize();
    m_bComInitialized = FALSE;
    return result;
}

BOOL CMyApp::OnIdle(LONG lCount)
{
    BOOL more = CWinApp::OnIdle(lCount);
    auto* frame = dynamic_cast<CMainFrame*>(m_pMainWnd);
    // The views a switch left go first, then the spares of the next switches are made.
    if (frame && (frame->DestroyRetiredViews() || frame->MakeSpareView()))
        more = TRUE;
    // Then the memory of the entries deleted goes back to the system.
    else if (CMyObject2::ReleaseUnusedMemory())
        more = TRUE;
    return more;
}

void CMyApp::OnAppAbout()
{
    CAboutDlg about;
    about.DoModal();
}

// CWinApp: the program's one application object. The program defines one
// global object of a class derived from CWinApp; its wWinMain calls AfxWinMain,
// which runs InitInstance, the message loop (Run) and ExitInstance.
//
// Before dispatch every message goes through PreTranslateMessage: the windows
// from the message's target up to the main window (a form view's key filters,
// a dialog's keyboard navigation, the frame's accelerators), and for windows
// outside the main window (modeless dialogs) the main window last.
#pragma once

#include "../cstring.h"
#include "cmd_target.h"

#include "windows_api.h"

#include <commdlg.h>

#include <memory>
#include <vector>

class CCommandLineInfo;
class CDocTemplate;
class CDocument;
class CPrintDialog;
class CRecentFileList;
class CWnd;

class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
    DECLARE_MESSAGE_MAP(CWinApp)
public:
    // Without a name of its own the application is named by string
    // AFX_IDS_APP_TITLE, else by its executable's file name.
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Start-up; FALSE ends the program (the main window, if any, is destroyed).
    virtual BOOL InitInstance();
    // After the message loop; the answer is the program's exit code.
    virtual int ExitInstance();
    // The message loop, until WM_QUIT; then ExitInstance.
    virtual int Run();
    // Idle time: lCount counts the calls since the last message. TRUE asks for more.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Takes one message from the queue (waiting for it) and handles it; FALSE on
    // WM_QUIT (its code becomes the exit code) and when the queue failed (exit code -1).
    BOOL PumpMessage();

    // The hourglass: 1 shows it (nested calls count), -1 takes one back, 0
    // shows it again after something else changed the cursor.
    virtual void DoWaitCursor(int nCode);
    int GetWaitCursorCount() const { return m_nWaitCursorCount; }

    // The profile: HKEY_CURRENT_USER\Software\<key>\<application name>\<section>.
    // Without a registry key nothing is kept: reads give the default, writes fail.
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    // Reads the recent-file list of nMaxMRU entries (0: no list) from the profile;
    // ExitInstance writes it back.
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    virtual void AddToRecentFileList(LPCTSTR lpszPathName);

    // Documents.
    void AddDocTemplate(CDocTemplate* pTemplate);
    const std::vector<CDocTemplate*>& GetDocTemplates() const { return m_templates; }
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    // Asks every document to save its changes; FALSE when the user cancelled.
    BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);

    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // Runs what the command line asks: a new document (the usual start), or
    // opening the file named. FALSE when it failed.
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

    // The printer the program prints on: the default printer until the printer
    // set-up command chooses another printer or paper, then that choice for the
    // rest of the run. Print jobs take copies of these settings.
    // The print or set-up dialog on the kept printer; after IDOK the choice is kept.
    virtual INT_PTR DoPrintDialog(CPrintDialog* pPD);
    // The kept printer's handles (shared, not copies) in pPrintDlg; FALSE when
    // there is no printer.
    BOOL GetPrinterDeviceDefaults(PRINTDLGW* pPrintDlg);
    // Looks for the default printer when none is kept yet (or always, bForceDefaults).
    void UpdatePrinterSelection(BOOL bForceDefaults);
    // Keeps the given settings; the application owns them from now on.
    void SelectPrinter(HGLOBAL hDevNames, HGLOBAL hDevMode, BOOL bFreeOld = TRUE);

    // Standard command handlers a derived application lists in its table.
    void OnFileNew();
    void OnFileOpen();
    // ID_FILE_PRINT_SETUP: the printer set-up dialog; says so when there is no printer.
    void OnFilePrintSetup();
    void OnAppExit();
    void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);
    BOOL OnOpenRecentFile(UINT nID);

    HINSTANCE m_hInstance = nullptr;
    // The command line after the program name, in CP932.
    LPCTSTR m_lpCmdLine = "";
    int m_nCmdShow = SW_SHOWNORMAL;
    LPCTSTR m_pszAppName = "";
    LPCTSTR m_pszRegistryKey = nullptr;
    LPCTSTR m_pszProfileName = "";
    CWnd* m_pMainWnd = nullptr;
    CRecentFileList* m_pRecentFileList = nullptr;
    // Pages the print preview shows side by side at first (1 or 2).
    UINT m_nNumPreviewPages = 1;

protected:
    HGLOBAL m_hDevMode = nullptr;
    HGLOBAL m_hDevNames = nullptr;

private:
    friend int AfxWinMain(HINSTANCE, HINSTANCE, LPWSTR, int);

    // The profile key of a section, opened (created when bCreate); null when there is none.
    HKEY OpenSectionKey(LPCTSTR lpszSection, bool bCreate);

    CString m_strAppName;
    CString m_strRegistryKey;
    CString m_strCmdLine;
    std::vector<CDocTemplate*> m_templates;
    std::unique_ptr<CRecentFileList> m_recentFiles;
    int m_nWaitCursorCount = 0;
    HCURSOR m_hcurWaitCursorRestore = nullptr;
    CWinApp* m_pPreviousApp = nullptr;
    int m_nExitCode = 0;
};

// The hourglass for the life of the object (CWinApp::DoWaitCursor).
class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    // Shows it again after a message box or dialog changed the cursor.
    void Restore();
};

// The application object; null before it is constructed.
CWinApp* AfxGetApp();
// The application's main window; null when there is none.
CWnd* AfxGetMainWnd();
// The message filter of the message loops: the application's PreTranslateMessage,
// or the window chain when there is no application object.
BOOL AfxPreTranslateMessage(MSG* pMsg);
// How the message loops (the application's and a modal dialog's) take the next
// message, waiting for it: GetMessageW unless replaced. The answer is
// GetMessageW's: nonzero with a message, 0 for WM_QUIT, -1 when the queue
// failed and nothing was taken. AfxSetMessageSource replaces it (tests play a
// failing queue with it) and returns the one it replaces; null restores GetMessageW.
using MessageSource = BOOL (*)(MSG* pMsg);
MessageSource AfxSetMessageSource(MessageSource source);
BOOL AfxGetMessage(MSG* pMsg);

// The framework's program entry: the program's wWinMain returns AfxWinMain(...).
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow);

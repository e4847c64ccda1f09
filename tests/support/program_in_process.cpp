#include "program_in_process.h"

#include "message_pump.h"

CurrentDirectorySwitch::CurrentDirectorySwitch(const std::wstring& folder)
{
    const DWORD needed = ::GetCurrentDirectoryW(0, nullptr);
    m_previous.assign(needed, L'\0');
    m_previous.resize(::GetCurrentDirectoryW(needed, m_previous.data()));
    m_switched = ::SetCurrentDirectoryW(folder.c_str()) != FALSE;
}

CurrentDirectorySwitch::~CurrentDirectorySwitch()
{
    ::SetCurrentDirectoryW(m_previous.c_str());
}

BOOL StartProgram(std::unique_ptr<CMyApp>& app, int nCmdShow)
{
    app = std::make_unique<CMyApp>();
    app->m_nCmdShow = nCmdShow;
    const BOOL started = app->InitInstance();
    PumpWaitingMessages();
    return started;
}

void StopProgram(std::unique_ptr<CMyApp>& app)
{
    if (!app)
        return;
    if (CMyDoc* document = ProgramDocument(app))
        document->SetModifiedFlag(FALSE);
    if (CWnd* main = app->m_pMainWnd)
        main->DestroyWindow();
    PumpWaitingMessages();
    app->ExitInstance();
    app.reset();
}

CMainFrame* ProgramFrame(const std::unique_ptr<CMyApp>& app)
{
    return app ? static_cast<CMainFrame*>(app->m_pMainWnd) : nullptr;
}

CMyDoc* ProgramDocument(const std::unique_ptr<CMyApp>& app)
{
    CMainFrame* frame = ProgramFrame(app);
    return frame ? static_cast<CMyDoc*>(frame->GetActiveDocument()) : nullptr;
}

#include "bench_program.h"

#include "framework/win/controls.h"
#include "framework/win/wide_text.h"
#include "framework/win/win_app.h"

void PumpWaitingMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            continue;
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

BenchProgram::BenchProgram(const CString& folder)
{
    const DWORD needed = ::GetCurrentDirectoryW(0, nullptr);
    m_previousDirectory.assign(needed, L'\0');
    m_previousDirectory.resize(::GetCurrentDirectoryW(needed, m_previousDirectory.data()));
    ::SetCurrentDirectoryW(ToWide(folder).c_str());
    m_answers.messageBox = [this](const MessageBoxRequest& box) {
        m_messages.push_back(box.text);
        const UINT buttons = box.style & MB_TYPEMASK;
        return buttons == MB_OK ? IDOK : IDYES;
    };
}

BenchProgram::~BenchProgram()
{
    Stop();
    ::SetCurrentDirectoryW(m_previousDirectory.c_str());
}

BOOL BenchProgram::StartAndPaint()
{
    m_app = std::make_unique<CMyApp>();
    m_app->m_nCmdShow = SW_SHOW;
    const BOOL started = m_app->InitInstance();
    if (started && Frame())
        Frame()->UpdateWindow();
    PumpWaitingMessages();
    return started;
}

void BenchProgram::Stop()
{
    if (!m_app)
        return;
    if (CMyDoc* document = Document())
        document->SetModifiedFlag(FALSE);
    if (CWnd* main = m_app->m_pMainWnd)
        main->DestroyWindow();
    PumpWaitingMessages();
    m_app->ExitInstance();
    m_app.reset();
}

CMainFrame* BenchProgram::Frame() const
{
    return m_app ? static_cast<CMainFrame*>(m_app->m_pMainWnd) : nullptr;
}

CMyDoc* BenchProgram::Document() const
{
    return Frame() ? static_cast<CMyDoc*>(Frame()->GetActiveDocument()) : nullptr;
}

CView* BenchProgram::View() const
{
    return Frame() ? Frame()->GetActiveView() : nullptr;
}

void BenchProgram::Command(UINT id)
{
    Frame()->SendMessage(WM_COMMAND, id);
    PumpWaitingMessages();
}

void BenchProgram::Notify(int id, UINT code)
{
    CView* view = View();
    view->SendMessage(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(view->GetDlgItem(id)->m_hWnd));
    PumpWaitingMessages();
}

bool BenchProgram::PickItem(int id, const CString& name)
{
    auto* list = static_cast<CListBox*>(View()->GetDlgItem(id));
    for (int i = 0; i < list->GetCount(); ++i) {
        CString item;
        list->GetText(i, item);
        if (item == name) {
            list->SetCurSel(i);
            Notify(id, LBN_SELCHANGE);
            return true;
        }
    }
    return false;
}

void BenchProgram::PickLine(int id, int line)
{
    static_cast<CListBox*>(View()->GetDlgItem(id))->SetCurSel(line);
    Notify(id, LBN_SELCHANGE);
}

void BenchProgram::SetText(int id, const char* text)
{
    View()->SetDlgItemText(id, text);
}

#include "bench_program.h"

#include "framework/win/controls.h"
#include "framework/win/wide_text.h"

BenchProgram::BenchProgram(const CString& folder) : m_directory(ToWide(folder))
{
    m_answers.messageBox = [this](const MessageBoxRequest& box) {
        m_messages.push_back(box.text);
        const UINT buttons = box.style & MB_TYPEMASK;
        return buttons == MB_OK ? IDOK : IDYES;
    };
}

BenchProgram::~BenchProgram()
{
    Stop();
}

BOOL BenchProgram::StartAndPaint()
{
    const BOOL started = StartProgram(m_app, SW_SHOW);
    if (started && Frame())
        Frame()->UpdateWindow();
    PumpWaitingMessages();
    return started;
}

void BenchProgram::Stop()
{
    StopProgram(m_app);
}

CMainFrame* BenchProgram::Frame() const
{
    return ProgramFrame(m_app);
}

CMyDoc* BenchProgram::Document() const
{
    return ProgramDocument(m_app);
}

CView* BenchProgram::View() const
{
    return Frame() ? Frame()->GetActiveView() : nullptr;
}

void BenchProgram::Idle()
{
    RunIdleWork(*m_app);
}

void BenchProgram::Pump()
{
    PumpWaitingMessages();
}

void BenchProgram::Command(UINT id)
{
    Frame()->SendMessage(WM_COMMAND, id);
    if (m_pumping)
        Pump();
}

void BenchProgram::Notify(int id, UINT code)
{
    CView* view = View();
    view->SendMessage(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(view->GetDlgItem(id)->m_hWnd));
    if (m_pumping)
        Pump();
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

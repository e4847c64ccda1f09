#include "modal_seam.h"

namespace {

ModalAnswers* g_active = nullptr;
std::function<void(const CString&)> g_refusal;

// Reports an interaction nobody answers; true when it must be declined.
bool Refused(const CString& what)
{
    if (!g_refusal)
        return false;
    g_refusal("unanswered " + what);
    return true;
}

}  // namespace

ModalAnswers::ModalAnswers() : m_pPrevious(g_active)
{
    g_active = this;
}

ModalAnswers::~ModalAnswers()
{
    g_active = m_pPrevious;
}

ModalAnswers* ModalAnswers::Active()
{
    return g_active;
}

void ModalAnswers::RefuseUnanswered(std::function<void(const CString& what)> report)
{
    g_refusal = std::move(report);
}

namespace modal_seam {

int DeclinedButton(UINT style)
{
    switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
    case MB_RETRYCANCEL:
    case MB_CANCELTRYCONTINUE:
        return IDCANCEL;
    case MB_YESNO:
        return IDNO;
    case MB_ABORTRETRYIGNORE:
        return IDABORT;
    default:
        return IDOK;
    }
}

int MessageBox(const MessageBoxRequest& request, const std::function<int()>& showReal)
{
    CString what = "message box: " + request.text;
    if (g_active)
        g_active->asked.push_back(what);
    if (g_active && g_active->messageBox)
        return g_active->messageBox(request);
    if (Refused(what))
        return DeclinedButton(request.style);
    return showReal();
}

int FileDialog(FileDialogRequest& request, const std::function<int()>& showReal)
{
    CString what = "file dialog: " + request.title;
    if (g_active)
        g_active->asked.push_back(what);
    if (g_active && g_active->fileDialog)
        return g_active->fileDialog(request);
    if (Refused(what))
        return IDCANCEL;
    return showReal();
}

BOOL ShowHtmlHelp(const HtmlHelpRequest& request, const std::function<BOOL()>& showReal)
{
    CString what = "html help: " + request.file;
    if (g_active)
        g_active->asked.push_back(what);
    if (g_active && g_active->htmlHelp)
        return g_active->htmlHelp(request);
    if (Refused(what))
        return FALSE;
    return showReal();
}

DWORD ShellOpen(const ShellOpenRequest& request, const std::function<DWORD()>& openReal)
{
    CString what = "shell: " + request.verb + " " + request.file;
    if (!request.parameters.IsEmpty())
        what += " " + request.parameters;
    if (g_active)
        g_active->asked.push_back(what);
    if (g_active && g_active->shellOpen)
        return g_active->shellOpen(request);
    if (Refused(what))
        return ERROR_CANCELLED;
    return openReal();
}

int FolderDialog(FolderDialogRequest& request, const std::function<int()>& showReal)
{
    CString what = "folder dialog: " + request.title;
    if (g_active)
        g_active->asked.push_back(what);
    if (g_active && g_active->folderDialog)
        return g_active->folderDialog(request);
    if (Refused(what))
        return IDCANCEL;
    return showReal();
}

int PrintDialog(PrintDialogRequest& request, const std::function<int()>& showReal)
{
    CString what = (request.bPrintSetupOnly ? "print setup dialog: " : "print dialog: ") + request.printer;
    if (g_active)
        g_active->asked.push_back(what);
    if (g_active && g_active->printDialog)
        return g_active->printDialog(request);
    if (Refused(what))
        return IDCANCEL;
    return showReal();
}

DialogRoute RouteDialog(UINT nIDTemplate, std::function<void(CDialog&)>* handler)
{
    CString what;
    what.Format("dialog: %u", nIDTemplate);
    if (g_active)
        g_active->asked.push_back(what);
    if (g_active) {
        auto byId = g_active->dialogs.find(nIDTemplate);
        if (byId != g_active->dialogs.end() && byId->second) {
            *handler = byId->second;
            return DialogRoute::Answered;
        }
        if (g_active->dialog) {
            *handler = g_active->dialog;
            return DialogRoute::Answered;
        }
        if (!g_active->dialogs.empty()) {
            // The test said which dialogs it expects, and this is none of them.
            CString unexpected;
            unexpected.Format("unexpected dialog: %u", nIDTemplate);
            if (g_refusal)
                g_refusal(unexpected);
            return DialogRoute::Refused;
        }
    }
    if (Refused(what))
        return DialogRoute::Refused;
    return DialogRoute::Real;
}

void ReportDialogLeftOpen(UINT nIDTemplate)
{
    CString what;
    what.Format("dialog %u left open by its handler", nIDTemplate);
    if (g_refusal)
        g_refusal(what);
}

}  // namespace modal_seam

#include "dialog.h"

#include "modal_seam.h"
#include "win_app.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

const MessageMap* CDialog::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CDialog>(
        on::Message(WM_INITDIALOG, &CDialog::HandleInitDialog),
        on::Command(IDOK, &CDialog::OnOK),
        on::Command(IDCANCEL, &CDialog::OnCancel));
    return &map;
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDHelp(nIDTemplate), m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDTemplate = nIDTemplate;
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!owner && AfxGetMainWnd())
        owner = AfxGetMainWnd()->m_hWnd;
    m_bModal = false;
    return CreateDialogFromTemplate(nIDTemplate, owner);
}

HWND CDialog::ModalOwner() const
{
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!owner && AfxGetMainWnd())
        owner = AfxGetMainWnd()->m_hWnd;
    while (owner && (::GetWindowLongPtrW(owner, GWL_STYLE) & WS_CHILD))
        owner = ::GetParent(owner);
    if (!m_pParentWnd && owner)
        owner = ::GetLastActivePopup(owner);
    return owner;
}

INT_PTR CDialog::DoModal()
{
    std::function<void(CDialog&)> handler;
    modal_seam::DialogRoute route = modal_seam::RouteDialog(m_nIDTemplate, &handler);
    if (route == modal_seam::DialogRoute::Refused)
        return IDCANCEL;

    HWND owner = ModalOwner();
    bool enableOwnerAgain = owner && ::IsWindowEnabled(owner);
    if (enableOwnerAgain)
        ::EnableWindow(owner, FALSE);

    m_nModalResult = -1;
    m_bModal = true;
    m_bContinueModal = true;
    INT_PTR result = -1;
    if (CreateDialogFromTemplate(m_nIDTemplate, owner)) {
        if (route == modal_seam::DialogRoute::Answered)
            RunAnswered(handler);
        else
            RunModalLoop();
        result = m_nModalResult;
    }
    m_bModal = false;
    m_bContinueModal = false;

    // The owner gets the activation back before the dialog disappears, so that
    // the system does not activate some other program's window meanwhile.
    if (m_hWnd)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (enableOwnerAgain)
        ::EnableWindow(owner, TRUE);
    if (owner && (::GetActiveWindow() == m_hWnd || !::GetActiveWindow()))
        ::SetActiveWindow(owner);
    DestroyWindow();
    return result;
}

void CDialog::RunModalLoop()
{
    if (m_bContinueModal && m_hWnd && !(GetStyle() & WS_VISIBLE))
        ShowWindow(SW_SHOWNORMAL);
    while (m_bContinueModal && m_hWnd) {
        MSG msg{};
        BOOL got = AfxGetMessage(&msg);
        if (got == -1) {
            // The queue failed and nothing was taken: the dialog ends as one that
            // could not run, and the program is not told to end.
            m_nModalResult = -1;
            break;
        }
        if (got == 0) {
            // The program is ending: the outer loop must see the quit message too.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

void CDialog::RunAnswered(const std::function<void(CDialog&)>& handler)
{
    PumpWaitingMessages();
    if (m_bContinueModal && m_hWnd)
        handler(*this);
    PumpWaitingMessages();
    if (m_bContinueModal && m_hWnd) {
        modal_seam::ReportDialogLeftOpen(m_nIDTemplate);
        EndDialog(IDCANCEL);
    }
}

void CDialog::PumpWaitingMessages()
{
    MSG msg;
    while (m_hWnd && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    if (m_bModal)
        m_bContinueModal = false;
    else if (m_hWnd)
        ::EndDialog(m_hWnd, nResult);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog()
{
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    bool input = (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
                 (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST);
    return input && ::IsDialogMessageW(m_hWnd, pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // A command the dialog does not handle (a button with a command id) goes on
    // to the owner's route and last to the application; control notifications stop here.
    bool command = nCode == CN_COMMAND || nCode == CN_UPDATE_COMMAND_UI;
    if (!command || nID < 0x8000 || nID >= 0xF000)
        return FALSE;
    if (CWnd* owner = GetParent(); owner && owner->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (pWndCtrl)
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), TRUE);
}

void CDialog::NextDlgCtrl() const
{
    SendMessage(WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const
{
    SendMessage(WM_NEXTDLGCTL, 1, 0);
}

void CDialog::SetDefID(UINT nID)
{
    SendMessage(DM_SETDEFID, nID);
}

DWORD CDialog::GetDefID() const
{
    return static_cast<DWORD>(SendMessage(DM_GETDEFID));
}

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    ::MapDialogRect(m_hWnd, lpRect);
}

#include "main_frame.h"

#include "book_views.h"
#include "my_app.h"
#include "../core/win/my_doc.h"

#include "../core/win/help_pages.h"
#include "../core/win/my_doc.h"
#include "../journal/win/hint_dlg.h"
#include "../setup/win/torihikisaki_dlg.h"

#include "../framework/win/cmd_ui.h"
#include "../framework/win/document.h"
#include "../framework/win/message_box.h"
#include "../framework/win/shell_open.h"
#include "../framework/win/view.h"
#include "../framework/win/win_app.h"
#include "../resources/resource.h"

namespace {

const char* const kHomepage = "https://zirere.example.jp/";

void OpenWithShell(LPCTSTR target, int show)
{
    AfxShellOpen("open", target, nullptr, nullptr, show);
}

}  // namespace

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

const MessageMap* CMainFrame::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CMainFrame>(
        on::Create(&CMainFrame::OnCreate),
        on::Message(WM_RENEW_BOOK_VIEW, &CMainFrame::OnRenewBookView),
        on::Message(WM_ACTIVATE, &CMainFrame::OnActivateMessage),
        on::Command(ID_HELP, &CMainFrame::OnHtmlHelp),
        on::Command(ID_HINT_CLOSE, &CMainFrame::OnHintClose),
        on::Command(ID_HINT_SHOW, &CMainFrame::OnHintShow),
        on::Command(ID_TRADING_PARTNERS, &CMainFrame::OnTradingPartners),
        on::Command(ID_OPENING_BALANCE, &CMainFrame::OnOpeningBalance),
        on::Command(ID_INVENTORY, &CMainFrame::OnInventory),
        on::Command(ID_BAD_DEBT_ALLOWANCE, &CMainFrame::OnBadDebtAllowance),
        on::Command(ID_KEYWORD_SEARCH, &CMainFrame::OnKeywordSearch),
        on::Command(ID_HELP_UPGRADE, &CMainFrame::OnHelpUpgrade),
        on::Command(ID_HELP_TERMS, &CMainFrame::OnHelpTerms),
        on::Command(ID_HELP_HOMEPAGE, &CMainFrame::OnHelpHomepage),
        on::CommandRangeEx(ID_VIEW_FIRST, ID_VIEW_LAST, &CMainFrame::OnViewSwitch),
        on::UpdateCommandUIRangeEx(ID_VIEW_FIRST, ID_VIEW_LAST, &CMainFrame::OnUpdateViewSwitch),
        on::UpdateCommandUIRangeEx(ID_VIEW_FIRST, ID_EDIT_PASTE_END, &CMainFrame::OnUpdateMenuState));
    return &map;
}

CMainFrame::CMainFrame() = default;

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    const BOOL created = CFrameWnd::PreCreateWindow(cs);
    if (created)
        m_bHintDlg = FALSE;
    return created;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    return CFrameWnd::OnCreate(lpCreateStruct) == -1 ? -1 : 0;
}

BOOL CMainFrame::OnViewSwitch(UINT nID)
{
    // The range of book commands holds other commands too: those go on to
    // whoever handles them after the frame.
    const BookView* book = FindBookView(nID);
    if (!book)
        return FALSE;
    if (nID == m_nCurViewId && !m_bRenewing)
        return TRUE;

    CView* oldView = GetActiveView();
    // The old view gives up the pane id so that the new one can take it while both exist.
    if (oldView)
        oldView->SetDlgCtrlID(static_cast<int>(m_nCurViewId));

    CDocument* document = GetActiveDocument();
    CView* newView = m_spareViews.Take(book->viewClass);
    if (newView) {
        newView->SetDlgCtrlID(AFX_IDW_PANE_FIRST);
        if (document)
            document->AddView(newView);
    } else {
        CCreateContext context;
        context.m_pNewViewClass = book->viewClass;
        context.m_pCurrentDoc = document;
        newView = static_cast<CView*>(CreateView(&context, AFX_IDW_PANE_FIRST));
    }
    if (!newView) {
        if (oldView)
            oldView->SetDlgCtrlID(AFX_IDW_PANE_FIRST);
        return TRUE;
    }
    // The view takes the pane's size, then fills its controls while a spare is
    // still hidden, so that they are drawn once, when it is shown.
    RecalcLayout(TRUE);
    newView->OnInitialUpdate();
    // The old view goes out of sight first: the new one is then shown over no
    // other form, which Wine does far faster than over a visible one.
    if (oldView) {
        oldView->Retire();
        m_retiredViews.push_back(oldView->m_hWnd);
    }
    newView->ShowWindow(SW_SHOW);
    SetActiveView(newView, TRUE);
    m_nCurViewId = nID;
    return TRUE;
}

LRESULT CMainFrame::OnRenewBookView(WPARAM, LPARAM)
{
    const BookView* book = FindBookView(m_nCurViewId);
    CView* shown = GetActiveView();
    // A print preview in front keeps its book until it closes.
    if (!book || book->commandId == ID_VIEW_SIWAKE || !shown || !shown->IsKindOf(book->viewClass))
        return 0;
    m_bRenewing = true;
    OnViewSwitch(m_nCurViewId);
    m_bRenewing = false;
    return 0;
}

bool CMainFrame::MakeSpareView()
{
    return m_hWnd && m_spareViews.MakeOne(this);
}

bool CMainFrame::DestroyRetiredViews()
{
    bool destroyed = false;
    for (HWND hWnd : m_retiredViews) {
        // One the frame's own destruction took along is no longer there.
        auto* view = dynamic_cast<CView*>(CWnd::FromHandlePermanent(hWnd));
        if (view && view->IsRetired()) {
            view->DestroyWindow();
            destroyed = true;
        }
    }
    m_retiredViews.clear();
    return destroyed;
}

BOOL CMainFrame::OnUpdateViewSwitch(CCmdUI* pCmdUI)
{
    if (!FindBookView(pCmdUI->m_nID))
        return FALSE;
    pCmdUI->SetCheck(pCmdUI->m_nID == m_nCurViewId ? 1 : 0);
    OnUpdateMenuState(pCmdUI);
    return TRUE;
}

MenuState* CMainFrame::ShownMenuState()
{
    auto* document = dynamic_cast<CMyDoc*>(GetActiveDocument());
    return document ? &document->m_menuState : nullptr;
}

BOOL CMainFrame::OnUpdateMenuState(CCmdUI* pCmdUI)
{
    const MenuState* state = ShownMenuState();
    const std::optional<bool> enabled = state ? state->Enabled(pCmdUI->m_nID) : std::nullopt;
    if (!enabled)
        return FALSE;
    pCmdUI->Enable(*enabled ? TRUE : FALSE);
    return TRUE;
}

void CMainFrame::OnHtmlHelp()
{
    ShowHelpPage(HelpPages::kContents);
}

void CMainFrame::OnHelpUpgrade()
{
    OpenWithShell("upgrad.chm", SW_SHOWNORMAL);
}

void CMainFrame::OnHelpTerms()
{
    OpenWithShell("copyright.chm", SW_SHOWNORMAL);
}

void CMainFrame::OnHelpHomepage()
{
    OpenWithShell(kHomepage, SW_SHOW);
}

LRESULT CMainFrame::OnActivateMessage(WPARAM wParam, LPARAM)
{
    const LRESULT result = Default();
    // The hint dialog is owned by the main window and so stays above it; where a
    // window manager stacks the windows by itself, it is raised again whenever a
    // click brings the main window to the front, so that it never hides behind it.
    if (LOWORD(wParam) != WA_INACTIVE && m_bHintDlg && m_pHintDlg && m_pHintDlg->m_hWnd &&
        m_pHintDlg->IsWindowVisible())
        ::SetWindowPos(m_pHintDlg->m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return result;
}

void CMainFrame::OnHintShow()
{
    if (m_bHintDlg && m_pHintDlg)
        m_pHintDlg->DestroyWindow();
    m_pHintDlg = MakeHintDialog();
    m_bHintDlg = m_pHintDlg != nullptr;
    if (MenuState* state = ShownMenuState())
        state->SetHintDialogOpen(m_bHintDlg != FALSE);
    if (m_pHintDlg)
        m_pHintDlg->ShowWindow(SW_SHOW);
}

void CMainFrame::OnTradingPartners()
{
    // The dialog edits the document's partners; the document files them in the dictionary.
    if (RunPartnerDialog() != IDOK)
        return;
    if (CMyDoc* document = GetActiveDoc())
        document->RegisterEditedPartners();
}

void CMainFrame::OnHintClose()
{
    if (!m_bHintDlg)
        return;
    if (m_pHintDlg)
        m_pHintDlg->DestroyWindow();
    m_pHintDlg = nullptr;
    m_bHintDlg = FALSE;
    if (MenuState* state = ShownMenuState())
        state->SetHintDialogOpen(false);
}

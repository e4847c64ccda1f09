#include "main_frame.h"

#include "hint_dialog_factory.h"
#include "my_app.h"
#include "view_classes.h"

#include "../framework/win/cmd_ui.h"
#include "../framework/win/message_box.h"
#include "../framework/win/view.h"
#include "../framework/win/win_app.h"
#include "../framework/win/wide_text.h"
#include "../resources/resource.h"

#include <shellapi.h>

namespace {

const char* const kHelpFile = "dazeruruvo.chm";
const char* const kHomepage = "https://zirere.example.jp/";
constexpr UINT kHtmlHelpDisplayTopic = 0x0000;  // HH_DISPLAY_TOPIC

using HtmlHelpWFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

// HTML Help is loaded when first asked for, so that the program runs where it is missing.
HtmlHelpWFunction LoadHtmlHelp()
{
    static HtmlHelpWFunction function = [] {
        HMODULE module = LoadLibraryW(L"hhctrl.ocx");
        return module ? reinterpret_cast<HtmlHelpWFunction>(reinterpret_cast<void*>(GetProcAddress(module, "HtmlHelpW")))
                      : nullptr;
    }();
    return function;
}

void OpenWithShell(LPCTSTR target, int show)
{
    ShellExecuteW(nullptr, L"open", ToWide(target).c_str(), nullptr, L"", show);
}

}  // namespace

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

const MessageMap* CMainFrame::GetThisMessageMap()
{
    static const MessageMap map(CFrameWnd::GetThisMessageMap(), {
        on::Create(&CMainFrame::OnCreate),
        on::Command(ID_HELP, &CMainFrame::OnHtmlHelp),
        on::Command(ID_HINT_CLOSE, &CMainFrame::OnHintClose),
        on::Command(ID_HINT_SHOW, &CMainFrame::OnHintShow),
        on::Command(ID_HELP_UPGRADE, &CMainFrame::OnHelpUpgrade),
        on::Command(ID_HELP_TERMS, &CMainFrame::OnHelpTerms),
        on::Command(ID_HELP_HOMEPAGE, &CMainFrame::OnHelpHomepage),
        on::CommandRange(ID_VIEW_FIRST, ID_VIEW_LAST, &CMainFrame::OnViewSwitch),
        on::UpdateCommandUIRange(ID_VIEW_FIRST, ID_VIEW_LAST, &CMainFrame::OnUpdateViewSwitch),
    });
    return &map;
}

CMainFrame::CMainFrame()
{
    m_bAutoMenuEnable = FALSE;
}

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

void CMainFrame::OnViewSwitch(UINT nID)
{
    if (nID == m_nCurViewId)
        return;
    const CRuntimeClass* viewClass = ViewClassOfCommand(nID);
    if (!viewClass)
        return;

    CView* oldView = GetActiveView();
    // The old view gives up the pane id so that the new one can take it while both exist.
    if (oldView)
        oldView->SetDlgCtrlID(static_cast<int>(m_nCurViewId));

    CCreateContext context;
    context.m_pNewViewClass = viewClass;
    context.m_pCurrentDoc = GetActiveDocument();
    CView* newView = static_cast<CView*>(CreateView(&context, AFX_IDW_PANE_FIRST));
    if (!newView) {
        if (oldView)
            oldView->SetDlgCtrlID(AFX_IDW_PANE_FIRST);
        return;
    }
    newView->ShowWindow(SW_SHOW);
    newView->OnInitialUpdate();
    SetActiveView(newView, TRUE);
    RecalcLayout(TRUE);
    m_nCurViewId = nID;
    if (oldView)
        oldView->DestroyWindow();
}

void CMainFrame::OnUpdateViewSwitch(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(pCmdUI->m_nID == m_nCurViewId ? 1 : 0);
}

void CMainFrame::OnHtmlHelp()
{
    const CString topic = CString(kHelpFile) + "::/" + static_cast<CMyApp*>(AfxGetApp())->m_strHelpPage + ".htm";
    HtmlHelpWFunction htmlHelp = LoadHtmlHelp();
    HWND window = htmlHelp ? htmlHelp(nullptr, ToWide(topic).c_str(), kHtmlHelpDisplayTopic, 0) : nullptr;
    if (!window)
        AfxMessageBox("HTML HELP(dazeruruvo.chm)を開くことができません。", MB_OK);
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

void CMainFrame::OnHintShow()
{
    if (m_bHintDlg && m_pHintDlg)
        m_pHintDlg->DestroyWindow();
    m_pHintDlg = CreateHintDialog();
    m_bHintDlg = m_pHintDlg != nullptr;
    if (m_pHintDlg)
        m_pHintDlg->ShowWindow(SW_SHOW);
}

void CMainFrame::OnHintClose()
{
    if (!m_bHintDlg)
        return;
    if (m_pHintDlg)
        m_pHintDlg->DestroyWindow();
    m_pHintDlg = nullptr;
    m_bHintDlg = FALSE;
}

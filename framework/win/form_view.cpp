#include "form_view.h"

#include "create_context.h"
#include "dc.h"
#include "frame_wnd.h"
#include "wide_text.h"

IMPLEMENT_DYNAMIC(CFormView, CScrollView)

const MessageMap* CFormView::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CFormView>(
        on::Create(&CFormView::OnCreate),
        on::SetFocus(&CFormView::OnSetFocus),
        on::Message(WM_INITDIALOG, &CFormView::HandleInitDialog));
    return &map;
}

CFormView::CFormView(UINT nIDTemplate) : m_nIDHelp(nIDTemplate), m_nIDTemplate(nIDTemplate) {}

BOOL CFormView::Create(LPCTSTR, LPCTSTR, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    m_pCreateContext = static_cast<CCreateContext*>(lpParam);
    if (!CreateDialogFromTemplate(m_nIDTemplate, pParentWnd ? pParentWnd->m_hWnd : nullptr, true))
        return FALSE;  // released with its window, or never made: either way gone
    m_pCreateContext = nullptr;
    m_labels.Place(m_hWnd);
    RememberChildren();

    // The template's size is the size of the form.
    CRect form;
    GetClientRect(&form);
    ModifyStyle(WS_BORDER | WS_CAPTION, 0);
    if (dwStyle & WS_BORDER)
        ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    SetDlgCtrlID(static_cast<int>(nID));
    SetScrollSizes(MM_TEXT, form.Size());
    SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (dwStyle & WS_VISIBLE)
        ShowWindow(SW_SHOWNORMAL);
    return TRUE;
}

int CFormView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    CREATESTRUCT withContext = *lpCreateStruct;
    withContext.lpCreateParams = m_pCreateContext;
    return CScrollView::OnCreate(&withContext);
}

LRESULT CFormView::HandleInitDialog(WPARAM, LPARAM)
{
    // The focus is placed when the view is activated, not by the dialog manager.
    return FALSE;
}

void CFormView::OnInitialUpdate()
{
    UpdateData(FALSE);
    CScrollView::OnInitialUpdate();
}

void CFormView::OnDraw(CDC*) {}

std::vector<BYTE> CFormView::AdjustDialogTemplate(const DLGTEMPLATE* dialogTemplate)
{
    return m_labels.TakeFrom(dialogTemplate, DrawnItems());
}

CRect CFormView::ControlRect(int nID) const
{
    const RECT* drawn = m_labels.PlaceOf(nID);
    if (!drawn)
        return CWnd::ControlRect(nID);
    // The form's children move with its scrolling; the drawn item moves with them.
    const CPoint scroll = GetScrollPosition();
    CRect rect(drawn->left, drawn->top, drawn->right, drawn->bottom);
    rect.OffsetRect(-scroll.x, -scroll.y);
    return rect;
}

int CFormView::GetDlgItemText(int nID, CString& rString) const
{
    std::wstring text;
    if (!m_labels.TextOf(nID, text))
        return CWnd::GetDlgItemText(nID, rString);
    rString = FromWide(text);
    return rString.GetLength();
}

void CFormView::SetDlgItemText(int nID, LPCTSTR lpszString)
{
    RECT area;
    if (!m_labels.SetText(nID, ToWide(lpszString), area)) {
        CWnd::SetDlgItemText(nID, lpszString);
        return;
    }
    InvalidateDrawn(area);
}

void CFormView::ShowItem(int nID, bool show)
{
    RECT area;
    if (m_labels.SetShown(nID, show, area))
        InvalidateDrawn(area);
    else if (CWnd* control = GetDlgItem(nID))
        control->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CFormView::EnableItem(int nID, bool enable)
{
    RECT area;
    if (m_labels.SetEnabled(nID, enable, area))
        InvalidateDrawn(area);
    else if (CWnd* control = GetDlgItem(nID))
        control->EnableWindow(enable);
}

bool CFormView::IsItemShown(int nID) const
{
    if (m_labels.PlaceOf(nID))
        return m_labels.IsShown(nID);
    const CWnd* control = GetDlgItem(nID);
    return control && (control->GetStyle() & WS_VISIBLE) != 0;
}

bool CFormView::IsItemEnabled(int nID) const
{
    if (m_labels.PlaceOf(nID))
        return m_labels.IsEnabled(nID);
    const CWnd* control = GetDlgItem(nID);
    return control && control->IsWindowEnabled();
}

void CFormView::InvalidateDrawn(const RECT& area)
{
    if (::IsRectEmpty(&area))
        return;
    const CPoint scroll = GetScrollPosition();
    CRect shown(area.left, area.top, area.right, area.bottom);
    shown.OffsetRect(-scroll.x, -scroll.y);
    InvalidateRect(&shown, TRUE);
}

void CFormView::OnDrawLabels(CDC* pDC)
{
    m_labels.Draw(pDC->GetSafeHdc());
}

BOOL CFormView::PreTranslateMessage(MSG* pMsg)
{
    if (CScrollView::PreTranslateMessage(pMsg))
        return TRUE;
    // The dialog manager would take the frame's accelerator keys: the frames first.
    for (CFrameWnd* frame = GetParentFrame(); frame; frame = frame->GetParentFrame())
        if (frame->PreTranslateMessage(pMsg))
            return TRUE;
    // Only keys and the mouse are the dialog manager's. A form without child
    // windows has nothing for it; asking for the first child costs Wine a server
    // request, so it is asked only for them and not for every paint.
    const bool input = (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
                       (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST);
    return input && ::GetWindow(m_hWnd, GW_CHILD) && ::IsDialogMessageW(m_hWnd, pMsg);
}

bool CFormView::SaveFocusControl()
{
    HWND focus = ::GetFocus();
    if (focus && ::IsChild(m_hWnd, focus)) {
        m_hWndFocus = focus;
        return true;
    }
    return false;
}

void CFormView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    if (SaveFocusControl())
        return;
    CScrollView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CFormView::OnActivateFrame(UINT nState, CFrameWnd*)
{
    if (nState == WA_INACTIVE)
        SaveFocusControl();
}

void CFormView::OnSetFocus(CWnd* pOldWnd)
{
    if (m_hWndFocus && ::IsWindow(m_hWndFocus) && ::IsChild(m_hWnd, m_hWndFocus)) {
        ::SetFocus(m_hWndFocus);
        return;
    }
    m_hWndFocus = nullptr;
    CScrollView::OnSetFocus(pOldWnd);
}

// CFormView: a view laid out by a dialog template (style WS_CHILD). Its
// controls are the form's children and are bound to members by data exchange
// (OnInitialUpdate fills them). When the frame is smaller than the form, the
// form scrolls. OnDraw paints over the form's background, under its controls;
// the template's plain labels are drawn by the form after it (drawn_labels.h).
//
// Keys: PreTranslateMessage gives the frame's accelerators their turn, then the
// dialog manager (Tab between the controls). A form view's own key filters
// come first by overriding it and calling this one for what they leave.
#pragma once

#include "create_context.h"
#include "drawn_labels.h"
#include "scroll_view.h"

class CFormView : public CScrollView {
    DECLARE_DYNAMIC(CFormView)
    DECLARE_MESSAGE_MAP(CFormView)
public:
    explicit CFormView(UINT nIDTemplate);

    // Creates the form from its template as child nID of pParentWnd; lpParam is the CCreateContext.
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID, LPVOID lpParam = nullptr) override;
    using CWnd::Create;

    void OnInitialUpdate() override;
    // The controls paint themselves; a form view paints what lies between them.
    void OnDraw(CDC* pDC) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd) override;

    // The place and the text of a control, as the window's own, which for an
    // item the form draws come from the form.
    CRect ControlRect(int nID) const;
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemText(int nID, LPCTSTR lpszString);
    // Shows or hides, enables or greys a control or an item the form draws, and
    // tells whether it is shown (by its own state, as WS_VISIBLE tells) or enabled.
    void ShowItem(int nID, bool show);
    void EnableItem(int nID, bool enable);
    bool IsItemShown(int nID) const;
    bool IsItemEnabled(int nID) const;

    UINT m_nIDHelp;
    UINT m_nIDTemplate;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSetFocus(CWnd* pOldWnd);
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    std::vector<BYTE> AdjustDialogTemplate(const DLGTEMPLATE* dialogTemplate) override;
    void OnDrawLabels(CDC* pDC) override;
    // The ids of the template's group boxes, labels and display-only fields the
    // form draws instead of making them windows (drawn_labels.h); none unless the
    // form names them.
    virtual std::vector<int> DrawnItems() const { return {}; }

    // The control that had the focus when the form last lost it.
    HWND m_hWndFocus = nullptr;

private:
    bool SaveFocusControl();
    // Paints again the part of a drawn item given in the form's unscrolled pixels.
    void InvalidateDrawn(const RECT& area);

    DrawnLabels m_labels;
    // The context of the creation under way (a dialog template cannot carry it).
    CCreateContext* m_pCreateContext = nullptr;
};

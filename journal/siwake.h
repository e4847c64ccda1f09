// siwake: the journal form view, the first view at start. Transactions are
// entered here as sentences and the journal is listed. This first form sets the
// book words and the menu, and reports set-up files that failed to load.
#pragma once

#include "../core/my_doc.h"

#include "../framework/win/form_view.h"

class siwake : public CFormView {
    DECLARE_DYNCREATE(siwake)
public:
    siwake();

    CMyDoc* GetDocument() const { return static_cast<CMyDoc*>(m_pDocument); }
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;

    BOOL m_bPainted = FALSE;
};

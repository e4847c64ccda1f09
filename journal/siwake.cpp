#include "siwake.h"

#include "../core/book_form_view.h"
#include "../framework/win/framework_ids.h"
#include "../framework/win/message_box.h"
#include "../framework/win/win_app.h"
#include "../resources/resource.h"

IMPLEMENT_DYNCREATE(siwake, CFormView)

siwake::siwake() : CFormView(IDD_SIWAKE) {}

void siwake::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    CMyDoc* document = GetDocument();
    document->m_nPrevBook = document->m_nCurBook;
    document->m_nCurBook = 1;
    m_bPainted = FALSE;
    if (document->m_nSetupStatus != -1)
        ApplyBookMenuState(BookMenuRole::Journal);
}

void siwake::OnDraw(CDC*)
{
    // The failure is reported once, at the first paint; the program then closes.
    const BOOL firstPaint = !m_bPainted;
    m_bPainted = TRUE;
    if (!firstPaint || GetDocument()->m_nSetupStatus != -1)
        return;
    AfxMessageBox("「Zirere」\n\n設定ファイルの読み込みに失敗しました。\n\n再インストールしてください。", MB_OK);
    AfxGetMainWnd()->SendMessage(WM_COMMAND, ID_APP_EXIT);
}

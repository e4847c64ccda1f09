#include "app_test_support.h"

#include "framework/archive.h"
#include "framework/win/command_line_info.h"
#include "framework/win/data_exchange.h"
#include "framework/win/dc.h"
#include "framework/win/gdi_objects.h"
#include "test_app_ids.h"

int Releases::views = 0;
int Releases::frames = 0;
int Releases::documents = 0;

// The document.

IMPLEMENT_DYNCREATE(CTestDoc, CDocument)

const MessageMap* CTestDoc::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CTestDoc>(
        on::Command(ID_TEST_DOC_COMMAND, &CTestDoc::OnDocCommand),
        on::Command(ID_TEST_GREYED_BY_VIEW, &CTestDoc::OnViewCommand));
    return &map;
}

CTestDoc::~CTestDoc()
{
    ++Releases::documents;
}

BOOL CTestDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    ++m_nNewDocumentCalls;
    m_strName = "山田商店";
    m_nAmount = 1200;
    return TRUE;
}

void CTestDoc::DeleteContents()
{
    ++m_nDeleteContentsCalls;
    m_strName.Empty();
    m_nAmount = 0;
}

void CTestDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_strName << static_cast<std::int32_t>(m_nAmount);
    } else {
        std::int32_t amount = 0;
        ar >> m_strName >> amount;
        m_nAmount = amount;
    }
}

// The first form.

IMPLEMENT_DYNCREATE(CTestFormView, CFormView)

const CRect CTestFormView::paintedArea(300, 200, 360, 240);
CTestFormView::SwitchReport CTestFormView::lastSwitch;

const MessageMap* CTestFormView::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CTestFormView>(
        on::Control(BN_CLICKED, IDC_SWITCH, &CTestFormView::OnSwitch),
        on::Command(ID_TEST_GREYED_BY_VIEW, &CTestFormView::OnGreyedCommand),
        on::UpdateCommandUI(ID_TEST_GREYED_BY_VIEW, &CTestFormView::OnUpdateGreyed));
    return &map;
}

CTestFormView::CTestFormView() : CFormView(IDD_TEST_FORM) {}

CTestFormView::~CTestFormView()
{
    ++Releases::views;
}

void CTestFormView::DoDataExchange(CDataExchange* pDX)
{
    CFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST, m_list);
    DDX_Control(pDX, IDC_SWITCH, m_switchButton);
    DDX_Text(pDX, IDC_NAME, m_strName);
    DDX_Text(pDX, IDC_AMOUNT, m_nAmount);
    DDX_Check(pDX, IDC_FLAG, m_nFlag);
    DDX_Radio(pDX, IDC_RADIO_FIRST, m_nRadio);
}

void CTestFormView::OnInitialUpdate()
{
    m_strName = GetDocument()->m_strName;
    m_nAmount = GetDocument()->m_nAmount;
    CFormView::OnInitialUpdate();
}

void CTestFormView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint)
{
    ++m_nUpdates;
    GetDocument()->m_updateHints.push_back(lHint);
    CFormView::OnUpdate(pSender, lHint, pHint);
}

void CTestFormView::OnDraw(CDC* pDC)
{
    pDC->FillSolidRect(&paintedArea, RGB(255, 0, 0));
}

void CTestFormView::OnSwitch()
{
    int releasedBefore = Releases::views;
    GetParentFrame()->SendMessage(WM_COMMAND, ID_TEST_VIEW_SECOND);
    // The switch has destroyed this view's window; the object itself must still
    // be here until this handler has returned.
    lastSwitch.viewsReleasedDuringHandler = Releases::views - releasedBefore;
    lastSwitch.windowGone = m_hWnd == nullptr;
    lastSwitch.counterAfterSwitch = ++m_nCounter;
    lastSwitch.returned = true;
}

// The second form.

IMPLEMENT_DYNCREATE(CTestSecondView, CFormView)

const MessageMap* CTestSecondView::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CTestSecondView>(
        on::Control(BN_CLICKED, IDC_SWITCH, &CTestSecondView::OnSwitch));
    return &map;
}

CTestSecondView::CTestSecondView() : CFormView(IDD_TEST_FORM_SECOND) {}

CTestSecondView::~CTestSecondView()
{
    ++Releases::views;
}

void CTestSecondView::OnSwitch()
{
    GetParentFrame()->SendMessage(WM_COMMAND, ID_TEST_VIEW_FORM);
}

// The frame.

IMPLEMENT_DYNCREATE(CTestFrame, CFrameWnd)

const MessageMap* CTestFrame::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CTestFrame>(
        on::CommandRange(ID_TEST_VIEW_FORM, ID_TEST_VIEW_SECOND, &CTestFrame::OnViewSwitch),
        on::UpdateCommandUIRange(ID_TEST_VIEW_FORM, ID_TEST_VIEW_SECOND, &CTestFrame::OnUpdateViewSwitch));
    return &map;
}

CTestFrame::~CTestFrame()
{
    ++Releases::frames;
}

void CTestFrame::OnViewSwitch(UINT nID)
{
    if (nID == m_nCurViewId)
        return;
    const CRuntimeClass* viewClass =
        nID == ID_TEST_VIEW_SECOND ? RUNTIME_CLASS(CTestSecondView) : RUNTIME_CLASS(CTestFormView);
    CView* old = GetActiveView();
    ::SetWindowLongPtrW(old->m_hWnd, GWLP_ID, static_cast<LONG_PTR>(nID));

    CCreateContext context;
    context.m_pNewViewClass = viewClass;
    context.m_pCurrentDoc = GetActiveDocument();
    auto* view = static_cast<CView*>(CreateView(&context, AFX_IDW_PANE_FIRST));
    if (!view)
        return;
    view->ShowWindow(SW_SHOW);
    view->OnInitialUpdate();
    SetActiveView(view);
    RecalcLayout();
    m_nCurViewId = nID;
    old->DestroyWindow();
}

void CTestFrame::OnUpdateViewSwitch(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(pCmdUI->m_nID == m_nCurViewId);
}

// The application.

BOOL CTestApp::InitInstance()
{
    SetRegistryKey(registryKey);
    LoadStdProfileSettings(4);
    AddDocTemplate(new CSingleDocTemplate(IDR_TEST_FRAME, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestFrame),
                                          RUNTIME_CLASS(CTestFormView)));
    CCommandLineInfo commandLine;
    return ProcessShellCommand(commandLine);
}

// The fixture.

void SingleDocumentTest::SetUp()
{
    // Showing and hiding a window costs seconds on a display without a window
    // manager: only the tests about showing show the frame.
    m_app.m_nCmdShow = ShowFrame() ? SW_SHOWNORMAL : SW_HIDE;
    ASSERT_TRUE(m_app.InitInstance());
    ASSERT_NE(Frame(), nullptr);
    Frame()->MoveWindow(20, 20, 700, 600);
    PumpWaitingMessages();
}

void SingleDocumentTest::TearDown()
{
    if (CDocument* document = Document())
        document->SetModifiedFlag(FALSE);
    if (CWnd* main = m_app.m_pMainWnd)
        main->DestroyWindow();
    PumpWaitingMessages();
}

CTestFrame* SingleDocumentTest::Frame() const
{
    return static_cast<CTestFrame*>(m_app.m_pMainWnd);
}

CTestDoc* SingleDocumentTest::Document() const
{
    return Frame() ? static_cast<CTestDoc*>(Frame()->GetActiveDocument()) : nullptr;
}

CTestFormView* SingleDocumentTest::FormView() const
{
    CView* view = Frame() ? Frame()->GetActiveView() : nullptr;
    return view && view->IsKindOf(RUNTIME_CLASS(CTestFormView)) ? static_cast<CTestFormView*>(view) : nullptr;
}

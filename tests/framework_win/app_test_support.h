// Helpers of the application framework tests: a message pump for the test's
// own thread, and the document, views, frame and application the tests drive.
#pragma once

#include "framework/win/cmd_ui.h"
#include "framework/win/dialog.h"
#include "framework/win/doc_template.h"
#include "framework/win/document.h"
#include "framework/win/form_view.h"
#include "framework/win/frame_wnd.h"
#include "framework/win/modal_seam.h"
#include "framework/win/win_app.h"
#include "framework/win/wnd.h"
#include "support/window_test_support.h"
#include "test_app_ids.h"

#include <gtest/gtest.h>

#include <vector>


// Counts of objects released, to see when a deferred release happens.
struct Releases {
    static int views;
    static int frames;
    static int documents;
};

// A document with a few fields, counting what the framework calls.
class CTestDoc : public CDocument {
    DECLARE_DYNCREATE(CTestDoc)
    DECLARE_MESSAGE_MAP(CTestDoc)
public:
    ~CTestDoc() override;

    BOOL OnNewDocument() override;
    void DeleteContents() override;
    void Serialize(CArchive& ar) override;

    void OnDocCommand() { ++m_nDocCommands; }
    // Handled by the view first in the tests that need it: the document must not see it then.
    void OnViewCommand() { ++m_nViewCommandsAtDocument; }

    CString m_strName;
    int m_nAmount = 0;
    int m_nNewDocumentCalls = 0;
    int m_nDeleteContentsCalls = 0;
    int m_nDocCommands = 0;
    int m_nViewCommandsAtDocument = 0;
    std::vector<LPARAM> m_updateHints;
};

// The first form of the frame: fields bound by data exchange and a button that
// switches to the second form (destroying this one inside its own handler).
class CTestFormView : public CFormView {
    DECLARE_DYNCREATE(CTestFormView)
    DECLARE_MESSAGE_MAP(CTestFormView)
public:
    CTestFormView();
    ~CTestFormView() override;

    CTestDoc* GetDocument() const { return static_cast<CTestDoc*>(m_pDocument); }
    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void OnDraw(CDC* pDC) override;
    // The form draws its details group box, two display-only fields and labels
    // with an id; the group box of no id it draws unasked.
    std::vector<int> DrawnItems() const override
    {
        return {IDC_DETAIL_GROUP, IDC_SHOWN_DATE, IDC_SHOWN_AMOUNT, IDC_SHOWN_WORD, IDC_SHOWN_HEADING, IDC_SHOWN_CAPTION,
                IDC_SHOWN_FRAMED_HEADING};
    }

    void OnSwitch();
    void OnGreyedCommand() { ++m_nGreyedCommands; }
    void OnUpdateGreyed(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }

    CString m_strName;
    int m_nAmount = 0;
    int m_nFlag = 0;
    int m_nRadio = 0;
    CWnd m_list;
    CWnd m_switchButton;
    int m_nGreyedCommands = 0;
    int m_nUpdates = 0;
    // What the switch button's handler saw after the switch it sent had completed
    // (kept outside the object, which is released once the handler has returned).
    struct SwitchReport {
        bool returned = false;
        bool windowGone = false;
        int viewsReleasedDuringHandler = -1;
        // A member written after the switch: the object must still be valid then.
        int counterAfterSwitch = 0;
    };
    static SwitchReport lastSwitch;
    int m_nCounter = 0;
    // The rectangle OnDraw fills, in form coordinates.
    static const CRect paintedArea;
};

class CTestSecondView : public CFormView {
    DECLARE_DYNCREATE(CTestSecondView)
    DECLARE_MESSAGE_MAP(CTestSecondView)
public:
    CTestSecondView();
    ~CTestSecondView() override;
    void OnSwitch();
};

// The frame: the view switch of the program's main frame, in small.
class CTestFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CTestFrame)
    DECLARE_MESSAGE_MAP(CTestFrame)
public:
    ~CTestFrame() override;

    void OnViewSwitch(UINT nID);
    void OnUpdateViewSwitch(CCmdUI* pCmdUI);

    UINT m_nCurViewId = 0;
};

// The application: the single-document start of the program.
class CTestApp : public CWinApp {
public:
    // The profile key the tests use; removed by the tests that write it.
    static constexpr const char* registryKey = "Zirere Framework Tests";

    BOOL InitInstance() override;
};

// Creates the application's document, frame and first view by the new-file path,
// and closes everything again at the end of the test.
class SingleDocumentTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    virtual bool ShowFrame() const { return false; }
    CTestFrame* Frame() const;
    CTestDoc* Document() const;
    CTestFormView* FormView() const;

    CTestApp m_app;
    ModalAnswers m_answers;
};

// The same with the frame shown, as the program shows it.
class VisibleSingleDocumentTest : public SingleDocumentTest {
protected:
    bool ShowFrame() const override { return true; }
};

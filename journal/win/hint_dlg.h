// CHintDlg: the modeless input-hint dialog. It searches the sample entries of
// the hint example file for a keyword (the journal's cause account, a topic of
// its list, or what the user types) and shows one sample at a time laid out like
// the journal's sentence, with the field of the hit framed in red. The main frame
// creates and destroys it; the object deletes itself when its window is gone.
// While it is open the main window's menu greys the book, input-aid and search commands.
#pragma once

#include "../hint_search.h"

#include "../../core/win/form_painting.h"
#include "../../framework/win/controls.h"
#include "../../framework/win/dialog.h"
#include "../../framework/win/gdi_objects.h"

#include <array>
#include <vector>

class CMyDoc;

class CHintDlg : public CDialog {
    DECLARE_MESSAGE_MAP(CHintDlg)
public:
    // The object alone; Open makes the window.
    explicit CHintDlg(CWnd* pParent = nullptr);
    ~CHintDlg() override;
    CHintDlg(const CHintDlg&) = delete;
    CHintDlg& operator=(const CHintDlg&) = delete;

    // Creates the hidden window from its template (a null parent makes the main
    // window the owner). FALSE when it could not be made: the object has then
    // deleted itself and must not be touched.
    BOOL CreateHidden();

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // "閉じる": asks the main window to close the dialog.
    void OnOK() override;
    // The dialog has no close box and ignores Escape: nothing else closes it.
    void OnCancel() override;
    void PostNcDestroy() override;

    // The search and the shown sample.
    void SearchHints();
    void ShowHint(const CMyObject2& sample);
    void ClearHint();

    // Handlers.
    void OnPaint();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnSearch();
    void OnSelchangeTopic();
    void OnTopicSetFocus();
    void OnTopicKillFocus();
    void OnPrev();
    void OnNext();
    void OnPhraseRadio();
    void OnFieldSetFocus();
    void OnFieldSetFocusId(UINT) { OnFieldSetFocus(); }
    void OnHelpIcon();

    // The diagram around the controls.
    void DrawSentenceFrame(CDC* pDC);
    void DrawGradientFrame(CDC* pDC);
    void DrawExplanationTab(CDC* pDC);
    void DrawWordBrackets(CDC* pDC);
    void DrawHitMarks(CDC* pDC, int nFieldCode);
    // The hit marks at once, on the dialog's own window.
    void RedrawHitMarks(int nFieldCode);
    void DrawFrame(CDC* pDC, int left, int top, int right, int bottom, COLORREF color, int width);

    CStatic m_stConnectWord;
    CButton m_grOuter;
    CButton m_grSentence;
    CButton m_rbPhrase1;
    CButton m_rbPhrase2;
    CButton m_btExplanation;
    CButton m_btGlossary;
    CButton m_btPrev;
    CButton m_btNext;
    CStatic m_stDesc1Label;
    CStatic m_stDesc2Label;
    CEdit m_edExplanation;
    CEdit m_edRemark;
    CEdit m_edDesc1;
    CEdit m_edDesc2;
    std::array<CEdit, 3> m_edCause;
    std::array<CEdit, 3> m_edResult;
    std::array<CEdit, 3> m_edCauseAmount;
    std::array<CEdit, 3> m_edResultAmount;
    CComboBox m_cbTopic;
    CListBox m_lbClass;
    CString m_strExplanation;

    CMyDoc* m_pDoc = nullptr;
    CString m_strNarrowWord;
    CString m_strKeyword;
    CString m_strResultPhrase1;
    CString m_strResultPhrase2;
    CString m_strConnectWord;
    int m_nConnectIndex = 0;
    BOOL m_bPainted = FALSE;
    int m_nHitPos = 0;
    int m_nHitField = kHitNone;
    int m_nPhraseChecked = 0;
    std::vector<int> m_arrHitField;
    std::vector<int> m_arrHitIndex;
    std::vector<CString> m_arrTopics;
    CBrush m_brDialog;
    CBrush m_brStatic;
    COLORREF m_crStaticText;
    COLORREF m_crStaticBack;

public:
    // How many hint dialog objects exist: one while the dialog is open, none
    // once it closed and deleted itself.
    static int LivingCount() { return s_nLiving; }

private:
    static inline int s_nLiving = 0;
};

// A new hint dialog with its hidden window, owned by the main window, that
// deletes itself when the window is gone; nullptr when it could not be made.
CHintDlg* MakeHintDialog();

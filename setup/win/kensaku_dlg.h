// CKensakuDlg: the keyword search. It finds every journal entry that holds a
// keyword in one of its text fields and shows the hits one at a time, laid out as
// the journal's sentence, with the field of the hit framed in red. The keyword and
// the hit shown stay in the document, so the next opening shows the same hit;
// "仕訳帳\nで表示" makes the entry shown the journal's current entry.
#pragma once

#include "input_aid_dlg.h"
#include "../keyword_search.h"

#include "../../framework/win/controls.h"

#include <array>
#include <vector>

class CMyDoc;

class CKensakuDlg : public CInputAidDlg {
    DECLARE_MESSAGE_MAP(CKensakuDlg)
public:
    explicit CKensakuDlg(CWnd* pParent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter and Escape are swallowed: only "閉じる" and "仕訳帳\nで表示" close it.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Runs the search for m_strKeyword and shows the hit at start (clamped).
    void Search(int start);
    void ShowEntry(const CMyObject2& entry);
    // Empties the fields of the sentence.
    void ClearEntryDisplay();
    // Moves to the hit at position and shows it.
    void StepTo(int position);

    void OnPaint();
    void OnSearch();
    void OnPrev();
    void OnNext();
    void OnClickedDirection();
    void OnSetfocusReadOnly();
    void OnSetfocusReadOnlyId(UINT) { OnSetfocusReadOnly(); }
    void OnSetfocusKeyword() { SetImeOpen(TRUE); }
    void OnKillfocusKeyword() { SetImeOpen(FALSE); }

    // The diagram that ties the sentence's fields together.
    void DrawDiagram(CDC* pDC, int fieldCode);
    void RedrawDiagram(int fieldCode);
    void DrawPhraseBracket(CDC* pDC);

    CStatic m_stConnectWord;
    CButton m_btnPhrase1;
    CButton m_btnPhrase2;
    CButton m_grpSentence;
    CEdit m_editRemark;
    CEdit m_editDate;
    CEdit m_editDesc1;
    CEdit m_editDesc2;
    std::array<CEdit, 3> m_editCause;
    std::array<CEdit, 3> m_editResult;
    std::array<CEdit, 3> m_editCauseAmount;
    std::array<CEdit, 3> m_editResultAmount;
    CButton m_btnNext;
    CButton m_btnPrev;
    CListBox m_listClass;

    CMyDoc* m_pDoc = nullptr;
    CString m_strKeyword;
    CString m_strPhrase1;
    CString m_strPhrase2;
    CString m_strConnectWord;
    int m_nConnectIndex = 0;
    int m_nShownEntry = -1;
    int m_nHitPos = 0;
    // No field is framed in red before the first hit.
    int m_nHitField = kKeywordNone;
    // Which phrase radio an entry checks: 0 the first, 1 the second, -1 none
    // before the first entry is shown.
    int m_nDirectionLock = -1;
    std::vector<int> m_arrHitField;
    std::vector<int> m_arrHitEntry;

protected:
    CString HelpPage() const override;

private:
    int HitCount() const { return static_cast<int>(m_arrHitEntry.size()); }
};

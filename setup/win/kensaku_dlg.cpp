#include "kensaku_dlg.h"

#include "../../core/win/form_painting.h"
#include "../../core/win/help_pages.h"
#include "../../core/win/my_doc.h"
#include "../../framework/win/data_exchange.h"
#include "../../framework/win/dc.h"
#include "../../framework/win/win_app.h"
#include "../../core/sentence_diagram.h"
#include "../../core/sentence_words.h"
#include "../../resources/resource.h"

#include <tuple>

namespace {

const COLORREF kLightGrey = RGB(224, 224, 224);
const COLORREF kLightBlue = RGB(128, 128, 255);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);

const int kCauseAccountIds[] = {IDC_SEARCH_CAUSE1, IDC_SEARCH_CAUSE2, IDC_SEARCH_CAUSE3};
const int kResultAccountIds[] = {IDC_SEARCH_RESULT1, IDC_SEARCH_RESULT2, IDC_SEARCH_RESULT3};

// The class list's lines; the index is the class digit minus 1.
const char* const kClassNames[] = {
    "収益(売上.雑収入", "費用(仕入.給与.税)", "費用(経費.損失)", "負債", "資産(流動)", "資産(固定)", "資本",
};

}  // namespace

const MessageMap* CKensakuDlg::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CKensakuDlg>(
        on::Paint(&CKensakuDlg::OnPaint),
        on::ControlRange(EN_SETFOCUS, IDC_SEARCH_CAUSE_AMOUNT1, IDC_SEARCH_DESC2,
                         &CKensakuDlg::OnSetfocusReadOnlyId),
        on::Control(EN_SETFOCUS, IDC_SEARCH_REMARK, &CKensakuDlg::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, IDC_SEARCH_DATE, &CKensakuDlg::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, IDC_SEARCH_CAUSE1, &CKensakuDlg::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, IDC_SEARCH_CAUSE2, &CKensakuDlg::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, IDC_SEARCH_CAUSE3, &CKensakuDlg::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, IDC_SEARCH_RESULT1, &CKensakuDlg::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, IDC_SEARCH_RESULT2, &CKensakuDlg::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, IDC_SEARCH_RESULT3, &CKensakuDlg::OnSetfocusReadOnly),
        on::Control(LBN_SETFOCUS, IDC_SEARCH_CLASS, &CKensakuDlg::OnSetfocusReadOnly),
        on::Control(BN_CLICKED, IDC_SEARCH_RUN, &CKensakuDlg::OnSearch),
        on::Control(BN_CLICKED, IDC_SEARCH_PHRASE1, &CKensakuDlg::OnClickedDirection),
        on::Control(BN_CLICKED, IDC_SEARCH_PHRASE2, &CKensakuDlg::OnClickedDirection),
        on::Control(BN_CLICKED, IDC_SEARCH_PREV, &CKensakuDlg::OnPrev),
        on::Control(BN_CLICKED, IDC_SEARCH_NEXT, &CKensakuDlg::OnNext),
        on::Control(EN_KILLFOCUS, IDC_SEARCH_KEYWORD, &CKensakuDlg::OnKillfocusKeyword),
        on::Control(EN_SETFOCUS, IDC_SEARCH_KEYWORD, &CKensakuDlg::OnSetfocusKeyword));
    return &map;
}

CKensakuDlg::CKensakuDlg(CWnd* pParent) : CInputAidDlg(IDD_KEYWORD_SEARCH, pParent) {}

CString CKensakuDlg::HelpPage() const
{
    return HelpPages::kSearch;
}

void CKensakuDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SEARCH_CONNECT_WORD, m_stConnectWord);
    DDX_Control(pDX, IDC_SEARCH_PHRASE1, m_btnPhrase1);
    DDX_Control(pDX, IDC_SEARCH_PHRASE2, m_btnPhrase2);
    DDX_Control(pDX, IDC_SEARCH_SENTENCE_GROUP, m_grpSentence);
    DDX_Control(pDX, IDC_SEARCH_REMARK, m_editRemark);
    DDX_Control(pDX, IDC_SEARCH_DATE, m_editDate);
    DDX_Control(pDX, IDC_SEARCH_DESC1, m_editDesc1);
    DDX_Control(pDX, IDC_SEARCH_DESC2, m_editDesc2);
    for (size_t row = 0; row < 3; ++row) {
        DDX_Control(pDX, kCauseAccountIds[row], m_editCause[row]);
        DDX_Control(pDX, kResultAccountIds[row], m_editResult[row]);
        DDX_Control(pDX, IDC_SEARCH_CAUSE_AMOUNT1 + static_cast<int>(row), m_editCauseAmount[row]);
        DDX_Control(pDX, IDC_SEARCH_RESULT_AMOUNT1 + static_cast<int>(row), m_editResultAmount[row]);
    }
    DDX_Control(pDX, IDC_SEARCH_NEXT, m_btnNext);
    DDX_Control(pDX, IDC_SEARCH_PREV, m_btnPrev);
    DDX_Control(pDX, IDC_SEARCH_CLASS, m_listClass);
}

BOOL CKensakuDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (CWnd* show = GetDlgItem(IDOK))
        show->ShowWindow(SW_HIDE);
    m_pDoc = GetActiveDoc();
    m_listClass.ResetContent();
    for (const char* name : kClassNames)
        m_listClass.AddString(name);

    m_strKeyword.Empty();
    if (!m_pDoc || m_pDoc->m_nSearchHit == -1) {
        Search(0);
    } else {
        m_strKeyword = m_pDoc->m_strSearchWord;
        Search(m_pDoc->m_nSearchHit);
        SetDlgItemText(IDC_SEARCH_KEYWORD, m_strKeyword);
    }
    return TRUE;
}

BOOL CKensakuDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE)
        return TRUE;
    return CInputAidDlg::PreTranslateMessage(pMsg);
}

void CKensakuDlg::OnSearch()
{
    GetDlgItemText(IDC_SEARCH_KEYWORD, m_strKeyword);
    Search(0);
}

void CKensakuDlg::Search(int start)
{
    static const JournalArray kNoJournal;
    const KeywordSearchResult found = SearchJournalKeyword(m_pDoc ? m_pDoc->m_arrJournal : kNoJournal, m_strKeyword, start);
    m_arrHitEntry = found.hitEntry;
    m_arrHitField = found.hitField;
    SetDlgItemText(IDC_SEARCH_RESULT_LINE, found.resultLine);
    SetDlgItemText(IDC_SEARCH_POSITION, found.positionLine);
    CWnd* show = GetDlgItem(IDOK);
    if (m_pDoc) {
        m_pDoc->m_strSearchWord = found.storedWord;
        m_pDoc->m_nSearchHit = found.storedHit;
    }
    if (found.position < 0) {
        ClearEntryDisplay();
        if (show)
            show->ShowWindow(SW_HIDE);
        // The step buttons keep their state for an empty keyword.
        if (!found.emptyKeyword) {
            m_btnPrev.EnableWindow(FALSE);
            m_btnNext.EnableWindow(FALSE);
        }
    } else {
        if (show)
            show->ShowWindow(SW_SHOW);
        m_nHitPos = found.position;
        m_nHitField = m_arrHitField[static_cast<size_t>(m_nHitPos)];
        ShowEntry(*m_pDoc->m_arrJournal.GetAt(m_arrHitEntry[static_cast<size_t>(m_nHitPos)]));
        m_btnPrev.EnableWindow(m_nHitPos > 0);
        m_btnNext.EnableWindow(m_nHitPos < HitCount() - 1);
    }
    RedrawDiagram(m_nHitField);
}

void CKensakuDlg::StepTo(int position)
{
    m_nHitPos = position;
    const auto p = static_cast<size_t>(position);
    m_nHitField = m_arrHitField[p];
    ShowEntry(*m_pDoc->m_arrJournal.GetAt(m_arrHitEntry[p]));
    RedrawDiagram(m_nHitField);
    SetDlgItemText(IDC_SEARCH_POSITION, SteppedPositionText(position));
    if (m_pDoc)
        m_pDoc->m_nSearchHit = position;
}

void CKensakuDlg::OnPrev()
{
    if (m_arrHitEntry.empty())
        return;
    if (m_nHitPos > 0) {
        StepTo(m_nHitPos - 1);
        m_btnNext.EnableWindow(TRUE);
    }
    if (m_nHitPos == 0)
        m_btnPrev.EnableWindow(FALSE);
}

void CKensakuDlg::OnNext()
{
    if (m_arrHitEntry.empty())
        return;
    if (m_nHitPos < HitCount() - 1) {
        StepTo(m_nHitPos + 1);
        m_btnPrev.EnableWindow(TRUE);
    }
    if (m_nHitPos == HitCount() - 1)
        m_btnNext.EnableWindow(FALSE);
}

void CKensakuDlg::ShowEntry(const CMyObject2& e)
{
    m_nShownEntry = m_arrHitEntry[static_cast<size_t>(m_nHitPos)];
    const int code = m_nHitField;

    const HintClasses classes = HintClassesOf(DecodeClassCode(e.m_nClassCode));
    if (classes.decoded) {
        m_nConnectIndex = classes.connectIndex;
        const size_t row = static_cast<size_t>(code == kKeywordCause2 ? 1 : code == kKeywordCause3 ? 2 : 0);
        m_listClass.SetCurSel(classes.classIndex[row]);
    }

    m_editDate.SetWindowText(e.m_strDate);
    const CString* causes[] = {&e.m_strCause1, &e.m_strCause2, &e.m_strCause3};
    const CString* results[] = {&e.m_strResult1, &e.m_strResult2, &e.m_strResult3};
    const CString* causeAmounts[] = {&e.m_strCauseAmount1, &e.m_strCauseAmount2, &e.m_strCauseAmount3};
    const CString* resultAmounts[] = {&e.m_strResultAmount1, &e.m_strResultAmount2, &e.m_strResultAmount3};
    const CString* causeDescs[] = {&e.m_strCauseDesc1, &e.m_strCauseDesc2, &e.m_strCauseDesc3};
    const CString* resultDescs[] = {&e.m_strResultDesc1, &e.m_strResultDesc2, &e.m_strResultDesc3};
    for (size_t row = 0; row < 3; ++row) {
        m_editCause[row].SetWindowText(*causes[row]);
        m_editResult[row].SetWindowText(*results[row]);
        m_editCauseAmount[row].SetWindowText(GroupThousands(*causeAmounts[row]));
        m_editResultAmount[row].SetWindowText(GroupThousands(*resultAmounts[row]));
    }
    const int descCode = code >= kKeywordCauseDesc1 && code <= kKeywordCauseDesc3 ? code : 0;
    m_editDesc1.SetWindowText(*causeDescs[descCode ? descCode - kKeywordCauseDesc1 : 0]);
    const int resultDescCode = code >= kKeywordResultDesc1 && code <= kKeywordResultDesc3 ? code : 0;
    m_editDesc2.SetWindowText(*resultDescs[resultDescCode ? resultDescCode - kKeywordResultDesc1 : 0]);
    m_editRemark.SetWindowText(RemarkBeforeMarks(e.m_strRemark));

    static const HintDictionary kNoDictionary;
    const HintDictionary& dict = m_pDoc ? m_pDoc->m_arrDictionary : kNoDictionary;
    m_strConnectWord = HintConnectWord(dict, e.m_strCause1, m_nConnectIndex, m_strConnectWord);
    m_stConnectWord.SetWindowText(m_strConnectWord);
    std::tie(m_strPhrase1, m_strPhrase2) = HintResultPhrases(dict, e.m_strResult1);
    AgreeParticles(m_strConnectWord, m_strPhrase1, m_strPhrase2);
    const PhraseRadios radios = PhraseRadiosFor(classes, e.m_strResult1, m_strPhrase1, m_strPhrase2, e.m_nDirection);
    m_btnPhrase1.SetWindowText(radios.caption1);
    m_btnPhrase2.SetWindowText(radios.caption2);
    // A click on either radio puts back the phrase shown checked here.
    m_nDirectionLock = radios.firstChecked ? 0 : 1;
    m_btnPhrase1.SetCheck(radios.firstChecked ? BST_CHECKED : BST_UNCHECKED);
    m_btnPhrase2.SetCheck(radios.firstChecked ? BST_UNCHECKED : BST_CHECKED);
}

void CKensakuDlg::ClearEntryDisplay()
{
    m_editDate.SetWindowText("");
    for (size_t row = 0; row < 3; ++row) {
        m_editCause[row].SetWindowText("");
        m_editResult[row].SetWindowText("");
        m_editCauseAmount[row].SetWindowText("");
        m_editResultAmount[row].SetWindowText("");
    }
    m_editDesc1.SetWindowText("");
    m_editDesc2.SetWindowText("");
    m_editRemark.SetWindowText("");
}

void CKensakuDlg::OnClickedDirection()
{
    m_btnPhrase1.SetCheck(m_nDirectionLock == 0 ? BST_CHECKED : BST_UNCHECKED);
    m_btnPhrase2.SetCheck(m_nDirectionLock == 1 ? BST_CHECKED : BST_UNCHECKED);
}

void CKensakuDlg::OnSetfocusReadOnly()
{
    if (CWnd* keyword = GetDlgItem(IDC_SEARCH_KEYWORD))
        keyword->SetFocus();
}

void CKensakuDlg::OnPaint()
{
    CPaintDC dc(this);
    const CRect g = ControlRect(IDC_SEARCH_SENTENCE_GROUP);
    DrawFrameLines(&dc, g.left - 4, g.top, g.right + 4, g.bottom + 4, kLightBlue, 3);
    DrawDiagram(&dc, m_nHitField);
    const CRect w = ControlRect(IDC_SEARCH_CONNECT_WORD);
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* previous = dc.SelectObject(&black);
    dc.MoveTo(w.left + 3, w.top - 3);
    dc.LineTo(w.right - 3, w.top - 3);
    dc.MoveTo(w.left + 3, w.bottom + 3);
    dc.LineTo(w.right - 3, w.bottom + 3);
    DrawPhraseBracket(&dc);
    dc.SelectObject(previous);
}

void CKensakuDlg::DrawDiagram(CDC* pDC, int code)
{
    const int causeRow = KeywordCauseRow(code);
    const int resultRow = KeywordResultRow(code);
    auto frame = [&](int id) {
        const CRect r = ControlRect(id);
        DrawFrameLines(pDC, r.left - 1, r.top - 1, r.right + 1, r.bottom + 1, HitFrameIsRed(id, code) ? kRed : kLightGrey,
                       1);
    };
    // A bracket from an account's edit down to the label of its description.
    auto bracket = [&](const CRect& account, const CRect& label) {
        pDC->MoveTo(account.left - 5, account.bottom - 8);
        pDC->LineTo(account.left - 1, account.bottom - 8);
        pDC->MoveTo(account.left - 5, account.bottom - 8);
        pDC->LineTo(label.left - 5, label.top + 6);
        pDC->LineTo(label.left - 1, label.top + 6);
    };

    const CRect list = ControlRect(IDC_SEARCH_CLASS);
    const CRect cause = ControlRect(kCauseAccountIds[causeRow - 1]);
    const CPoint wedge[] = {
        {list.right + 3, list.top}, {cause.left - 2, cause.top}, {cause.left - 2, cause.bottom}, {list.right + 3, list.bottom}};
    pDC->Polygon(wedge, 4);

    CPen blue(PS_SOLID, 1, kBlue);
    CPen* previous = pDC->SelectObject(&blue);
    bracket(cause, ControlRect(IDC_SEARCH_DESC1_LABEL));
    for (int id : {IDC_SEARCH_DATE, IDC_SEARCH_CAUSE1, IDC_SEARCH_CAUSE2, IDC_SEARCH_CAUSE3, IDC_SEARCH_DESC1})
        frame(id);
    bracket(ControlRect(kResultAccountIds[resultRow - 1]), ControlRect(IDC_SEARCH_DESC2_LABEL));
    for (int id : {IDC_SEARCH_RESULT1, IDC_SEARCH_RESULT2, IDC_SEARCH_RESULT3, IDC_SEARCH_DESC2, IDC_SEARCH_REMARK})
        frame(id);
    pDC->SelectObject(previous);
}

void CKensakuDlg::RedrawDiagram(int code)
{
    if (!m_hWnd || !IsWindowVisible())
        return;
    CClientDC dc(this);
    // What the hit shown before drew there goes first.
    const CRect list = ControlRect(IDC_SEARCH_CLASS);
    const CRect cause = ControlRect(kCauseAccountIds[KeywordCauseRow(code) - 1]);
    FillPanel(&dc, list.right + 2, list.top, cause.left - 1, list.bottom, kLightGrey);
    const CRect result1 = ControlRect(IDC_SEARCH_RESULT1);
    const CRect label2 = ControlRect(IDC_SEARCH_DESC2_LABEL);
    FillPanel(&dc, result1.left - 5, result1.top + 11, label2.left - 1, label2.top + 8, kLightGrey);
    DrawDiagram(&dc, code);
}

void CKensakuDlg::DrawPhraseBracket(CDC* pDC)
{
    const CRect a = ControlRect(IDC_SEARCH_RESULT_AMOUNT1);
    const CRect b = ControlRect(IDC_SEARCH_PHRASE2);
    const CPoint points[] = {{a.right + 1, a.top - 5},   {b.right + 6, a.top - 5},   {b.right + 6, b.bottom + 2},
                             {a.right + 11, b.bottom + 2}, {a.right + 11, a.bottom + 5}, {a.right + 1, a.bottom + 5}};
    pDC->Polyline(points, 6);
}

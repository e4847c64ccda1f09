#include "hint_dlg.h"

#include "../../core/win/help_pages.h"
#include "../../core/win/my_doc.h"
#include "../../core/sentence_words.h"
#include "../../framework/win/data_exchange.h"
#include "../../framework/win/dc.h"
#include "../../framework/win/message_box.h"
#include "../../framework/win/shell_open.h"
#include "../../framework/win/win_app.h"
#include "../../resources/resource.h"

namespace {

const COLORREF kLightGrey = RGB(224, 224, 224);

const char* const kClassNames[] = {
    "収益", "費用(仕入.給与.税)", "費用(経費.損失)", "負債", "資産(流動)", "資産(固定)", "資本",
};

}  // namespace

CHintDlg* MakeHintDialog()
{
    auto* dialog = new CHintDlg(nullptr);
    return dialog->CreateHidden() ? dialog : nullptr;
}

const MessageMap* CHintDlg::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CHintDlg>(
        on::Paint(&CHintDlg::OnPaint),
        on::CtlColor(&CHintDlg::OnCtlColor),
        on::Control(BN_CLICKED, IDC_HINT_RUN, &CHintDlg::OnSearch),
        on::Control(CBN_SELCHANGE, IDC_HINT_TOPIC, &CHintDlg::OnSelchangeTopic),
        on::Control(CBN_SETFOCUS, IDC_HINT_TOPIC, &CHintDlg::OnTopicSetFocus),
        on::Control(CBN_KILLFOCUS, IDC_HINT_TOPIC, &CHintDlg::OnTopicKillFocus),
        on::Control(BN_CLICKED, IDC_HINT_PREV, &CHintDlg::OnPrev),
        on::Control(BN_CLICKED, IDC_HINT_NEXT, &CHintDlg::OnNext),
        on::Control(BN_CLICKED, IDC_HINT_PHRASE1, &CHintDlg::OnPhraseRadio),
        on::Control(BN_CLICKED, IDC_HINT_PHRASE2, &CHintDlg::OnPhraseRadio),
        on::ControlRange(EN_SETFOCUS, IDC_HINT_CAUSE_AMOUNT1, IDC_HINT_DESC2, &CHintDlg::OnFieldSetFocusId),
        on::Control(EN_SETFOCUS, IDC_HINT_REMARK, &CHintDlg::OnFieldSetFocus),
        on::Control(EN_SETFOCUS, IDC_HINT_EXPLANATION, &CHintDlg::OnFieldSetFocus),
        on::Control(EN_SETFOCUS, IDC_HINT_CAUSE1, &CHintDlg::OnFieldSetFocus),
        on::Control(EN_SETFOCUS, IDC_HINT_CAUSE2, &CHintDlg::OnFieldSetFocus),
        on::Control(EN_SETFOCUS, IDC_HINT_CAUSE3, &CHintDlg::OnFieldSetFocus),
        on::Control(EN_SETFOCUS, IDC_HINT_RESULT1, &CHintDlg::OnFieldSetFocus),
        on::Control(EN_SETFOCUS, IDC_HINT_RESULT2, &CHintDlg::OnFieldSetFocus),
        on::Control(EN_SETFOCUS, IDC_HINT_RESULT3, &CHintDlg::OnFieldSetFocus),
        on::Control(LBN_SETFOCUS, IDC_HINT_CLASS, &CHintDlg::OnFieldSetFocus),
        on::Control(STN_CLICKED, IDC_HINT_HELP_ICON, &CHintDlg::OnHelpIcon));
    return &map;
}

CHintDlg::CHintDlg(CWnd* pParent)
    : CDialog(IDD_HINT, pParent), m_crStaticText(RGB(0, 0, 0)), m_crStaticBack(kLightGrey)
{
    m_brDialog.CreateSolidBrush(kLightGrey);
    m_brStatic.CreateSolidBrush(kLightGrey);
    ++s_nLiving;
}

CHintDlg::~CHintDlg()
{
    --s_nLiving;
}

BOOL CHintDlg::CreateHidden()
{
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!owner && AfxGetMainWnd())
        owner = AfxGetMainWnd()->m_hWnd;
    return CreateDialogFromTemplate(IDD_HINT, owner, true);
}

void CHintDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_HINT_CONNECT_WORD, m_stConnectWord);
    DDX_Control(pDX, IDC_HINT_OUTER_GROUP, m_grOuter);
    DDX_Control(pDX, IDC_HINT_RESULT_AMOUNT2, m_edResultAmount[1]);
    DDX_Control(pDX, IDC_HINT_PHRASE1, m_rbPhrase1);
    DDX_Control(pDX, IDC_HINT_RESULT_AMOUNT3, m_edResultAmount[2]);
    DDX_Control(pDX, IDC_HINT_GLOSSARY, m_btGlossary);
    DDX_Control(pDX, IDC_HINT_EXPLANATION_CAPTION, m_btExplanation);
    DDX_Control(pDX, IDC_HINT_PHRASE2, m_rbPhrase2);
    DDX_Control(pDX, IDC_HINT_SENTENCE_GROUP, m_grSentence);
    DDX_Control(pDX, IDC_HINT_REMARK, m_edRemark);
    DDX_Control(pDX, IDC_HINT_RESULT_AMOUNT1, m_edResultAmount[0]);
    DDX_Control(pDX, IDC_HINT_DESC2_LABEL, m_stDesc2Label);
    DDX_Control(pDX, IDC_HINT_DESC1_LABEL, m_stDesc1Label);
    DDX_Control(pDX, IDC_HINT_RESULT3, m_edResult[2]);
    DDX_Control(pDX, IDC_HINT_RESULT2, m_edResult[1]);
    DDX_Control(pDX, IDC_HINT_RESULT1, m_edResult[0]);
    DDX_Control(pDX, IDC_HINT_DESC2, m_edDesc2);
    DDX_Control(pDX, IDC_HINT_DESC1, m_edDesc1);
    DDX_Control(pDX, IDC_HINT_CAUSE3, m_edCause[2]);
    DDX_Control(pDX, IDC_HINT_CAUSE2, m_edCause[1]);
    DDX_Control(pDX, IDC_HINT_CAUSE1, m_edCause[0]);
    DDX_Control(pDX, IDC_HINT_CAUSE_AMOUNT1, m_edCauseAmount[0]);
    DDX_Control(pDX, IDC_HINT_CAUSE_AMOUNT2, m_edCauseAmount[1]);
    DDX_Control(pDX, IDC_HINT_CAUSE_AMOUNT3, m_edCauseAmount[2]);
    DDX_Control(pDX, IDC_HINT_EXPLANATION, m_edExplanation);
    DDX_Control(pDX, IDC_HINT_NEXT, m_btNext);
    DDX_Control(pDX, IDC_HINT_PREV, m_btPrev);
    DDX_Control(pDX, IDC_HINT_TOPIC, m_cbTopic);
    DDX_Control(pDX, IDC_HINT_CLASS, m_lbClass);
    DDX_Text(pDX, IDC_HINT_EXPLANATION, m_strExplanation);
}

BOOL CHintDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    m_bPainted = FALSE;
    m_pDoc = GetActiveDoc();

    const int h = m_pDoc ? m_pDoc->m_nRowHeight : 0;
    if (h > 0)
        m_cbTopic.SetItemHeight(0, static_cast<UINT>(h - h / 5));
    m_cbTopic.ResetContent();
    m_arrTopics.clear();
    m_arrTopics.reserve(HintTopics().size());
    for (const char* topic : HintTopics()) {
        m_arrTopics.emplace_back(topic);
        m_cbTopic.AddString(SplitTopic(m_arrTopics.back()).shown);
    }

    m_lbClass.ResetContent();
    for (const char* name : kClassNames)
        m_lbClass.AddString(name);

    if (m_pDoc) {
        m_strKeyword = m_pDoc->m_strHintCause;
        m_strNarrowWord = m_pDoc->m_strHintResult;
    }
    m_cbTopic.SetWindowText(m_strKeyword);
    return TRUE;
}

BOOL CHintDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

void CHintDlg::OnOK()
{
    // The main frame destroys this window; nothing here may touch the object
    // after the send.
    if (CWnd* main = AfxGetMainWnd())
        main->SendMessage(WM_COMMAND, ID_HINT_CLOSE);
}

void CHintDlg::OnCancel() {}

void CHintDlg::PostNcDestroy()
{
    delete this;
}

void CHintDlg::SearchHints()
{
    static const JournalArray kNoHints;
    const HintSearchResult found = ::SearchHints(m_pDoc ? m_pDoc->m_arrHints : kNoHints, m_strKeyword, m_strNarrowWord);
    m_arrHitIndex = found.hitIndex;
    m_arrHitField = found.hitField;
    SetDlgItemText(IDC_HINT_RESULT_LINE, found.resultLine);
    SetDlgItemText(IDC_HINT_POSITION, found.positionLine);
    if (found.emptyKeyword) {
        ClearHint();
        return;
    }
    const size_t n = m_arrHitIndex.size();
    if (n == 0) {
        ClearHint();
        m_btPrev.EnableWindow(FALSE);
        m_btNext.EnableWindow(FALSE);
        return;
    }
    m_nHitPos = 0;
    m_nHitField = m_arrHitField.front();
    ShowHint(*m_pDoc->m_arrHints.GetAt(m_arrHitIndex.front()));
    m_btPrev.EnableWindow(FALSE);
    m_btNext.EnableWindow(n >= 2);
}

void CHintDlg::ShowHint(const CMyObject2& s)
{
    const int c = m_nHitField;
    const int causeRow = CauseRowOfHit(c);
    const int resultRow = ResultRowOfHit(c);

    const HintClasses classes = DecodeHintClassCode(s.m_nClassCode);
    if (classes.decoded) {
        m_nConnectIndex = classes.connectIndex;
        m_lbClass.SetCurSel(classes.classIndex[static_cast<size_t>(causeRow - 1)]);
    }

    m_edExplanation.SetWindowText(s.m_strDate);
    const CString* causes[] = {&s.m_strCause1, &s.m_strCause2, &s.m_strCause3};
    const CString* results[] = {&s.m_strResult1, &s.m_strResult2, &s.m_strResult3};
    const CString* causeAmounts[] = {&s.m_strCauseAmount1, &s.m_strCauseAmount2, &s.m_strCauseAmount3};
    const CString* resultAmounts[] = {&s.m_strResultAmount1, &s.m_strResultAmount2, &s.m_strResultAmount3};
    const CString* causeDescs[] = {&s.m_strCauseDesc1, &s.m_strCauseDesc2, &s.m_strCauseDesc3};
    const CString* resultDescs[] = {&s.m_strResultDesc1, &s.m_strResultDesc2, &s.m_strResultDesc3};
    for (size_t row = 0; row < 3; ++row) {
        m_edCause[row].SetWindowText(*causes[row]);
        m_edResult[row].SetWindowText(*results[row]);
        m_edCauseAmount[row].SetWindowText(FormatHintAmount(*causeAmounts[row]));
        m_edResultAmount[row].SetWindowText(FormatHintAmount(*resultAmounts[row]));
    }
    m_edDesc1.SetWindowText(*causeDescs[causeRow - 1]);
    m_edDesc2.SetWindowText(*resultDescs[resultRow - 1]);
    m_edRemark.SetWindowText(s.m_strRemark);

    static const HintDictionary kNoDictionary;
    const HintDictionary& dict = m_pDoc ? m_pDoc->m_arrDictionary : kNoDictionary;
    m_strConnectWord = HintConnectWord(dict, s.m_strCause1, m_nConnectIndex, m_strConnectWord);
    m_stConnectWord.SetWindowText(m_strConnectWord);
    std::tie(m_strResultPhrase1, m_strResultPhrase2) = HintResultPhrases(dict, *results[resultRow - 1]);
    AgreeParticles(m_strConnectWord, m_strResultPhrase1, m_strResultPhrase2);
    const PhraseRadios radios =
        PhraseRadiosFor(classes, s.m_strResult1, m_strResultPhrase1, m_strResultPhrase2, s.m_nDirection);
    m_rbPhrase1.SetWindowText(radios.caption1);
    m_rbPhrase2.SetWindowText(radios.caption2);
    // A click on either radio puts back the phrase shown checked here.
    m_nPhraseChecked = radios.firstChecked ? 0 : 1;
    m_rbPhrase1.SetCheck(radios.firstChecked ? BST_CHECKED : BST_UNCHECKED);
    m_rbPhrase2.SetCheck(radios.firstChecked ? BST_UNCHECKED : BST_CHECKED);
}

void CHintDlg::ClearHint()
{
    m_edExplanation.SetWindowText("");
    for (size_t row = 0; row < 3; ++row) {
        m_edCause[row].SetWindowText("");
        m_edResult[row].SetWindowText("");
        m_edCauseAmount[row].SetWindowText("");
        m_edResultAmount[row].SetWindowText("");
    }
    m_edDesc1.SetWindowText("");
    m_edDesc2.SetWindowText("");
    m_edRemark.SetWindowText("");
}

void CHintDlg::OnPaint()
{
    CPaintDC dc(this);
    DrawSentenceFrame(&dc);
    DrawGradientFrame(&dc);
    DrawExplanationTab(&dc);
    DrawWordBrackets(&dc);
    // The dialog opens showing the samples of the journal's cause account.
    if (!m_bPainted) {
        SearchHints();
        m_bPainted = TRUE;
    }
    DrawHitMarks(&dc, m_nHitField);
}

HBRUSH CHintDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    switch (nCtlColor) {
    case CTLCOLOR_DLG:
        return m_brDialog;
    case CTLCOLOR_STATIC:
        pDC->SetTextColor(m_crStaticText);
        pDC->SetBkColor(m_crStaticBack);
        return m_brStatic;
    default:
        return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    }
}

void CHintDlg::OnSearch()
{
    CString typed;
    m_cbTopic.GetWindowText(typed);
    m_strNarrowWord.Empty();
    m_strKeyword = typed.Find("[") >= 0 ? HeadingKeyword(typed) : typed;
    SearchHints();
    RedrawHitMarks(m_nHitField);
}

void CHintDlg::OnSelchangeTopic()
{
    const int selected = m_cbTopic.GetCurSel();
    if (selected < 0 || selected >= static_cast<int>(m_arrTopics.size()))
        return;
    const HintTopic topic = SplitTopic(m_arrTopics[static_cast<size_t>(selected)]);
    m_strNarrowWord = topic.narrowWord;
    m_strKeyword = topic.keyword;
    SearchHints();
    RedrawHitMarks(m_nHitField);
}

void CHintDlg::OnTopicSetFocus()
{
    SetImeOpen(TRUE);
}

void CHintDlg::OnTopicKillFocus()
{
    SetImeOpen(FALSE);
}

void CHintDlg::OnPrev()
{
    if (m_arrHitIndex.empty() || m_nHitPos <= 0)
        return;
    --m_nHitPos;
    const auto pos = static_cast<size_t>(m_nHitPos);
    m_nHitField = m_arrHitField[pos];
    ShowHint(*m_pDoc->m_arrHints.GetAt(m_arrHitIndex[pos]));
    RedrawHitMarks(m_nHitField);
    SetDlgItemText(IDC_HINT_POSITION, HintPositionText(m_nHitPos));
    m_btNext.EnableWindow(TRUE);
    if (m_nHitPos == 0)
        m_btPrev.EnableWindow(FALSE);
}

void CHintDlg::OnNext()
{
    const int n = static_cast<int>(m_arrHitIndex.size());
    if (n == 0 || m_nHitPos + 1 >= n)
        return;
    ++m_nHitPos;
    const auto pos = static_cast<size_t>(m_nHitPos);
    m_nHitField = m_arrHitField[pos];
    ShowHint(*m_pDoc->m_arrHints.GetAt(m_arrHitIndex[pos]));
    RedrawHitMarks(m_nHitField);
    SetDlgItemText(IDC_HINT_POSITION, HintPositionText(m_nHitPos));
    m_btPrev.EnableWindow(TRUE);
    if (m_nHitPos + 1 == n)
        m_btNext.EnableWindow(FALSE);
}

void CHintDlg::OnPhraseRadio()
{
    m_rbPhrase1.SetCheck(m_nPhraseChecked == 0 ? BST_CHECKED : BST_UNCHECKED);
    m_rbPhrase2.SetCheck(m_nPhraseChecked == 0 ? BST_UNCHECKED : BST_CHECKED);
}

void CHintDlg::OnFieldSetFocus()
{
    if (CWnd* close = GetDlgItem(IDOK))
        close->SetFocus();
}

void CHintDlg::OnHelpIcon()
{
    ShowHelpPage(HelpPages::kHint);
}

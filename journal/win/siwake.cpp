#include "siwake.h"

#include "../entry_lists.h"
#include "../entry_table.h"
#include "../screen_layout.h"
#include "../../core/sentence_words.h"

#include "../entry_lists.h"
#include "../../core/entry_rows.h"
#include "entry_table_painter.h"
#include "../screen_layout.h"
#include "../../core/sentence_words.h"

#include "../../core/amount_format.h"
#include "../../core/win/book_form_view.h"
#include "../../core/column_text.h"
#include "../../core/fiscal_year.h"
#include "../../core/menu_state.h"
#include "../../framework/win/data_exchange.h"
#include "../../framework/win/dc.h"
#include "../../framework/win/framework_ids.h"
#include "../../framework/win/message_box.h"
#include "../../framework/win/page_plan_drawer.h"
#include "../../framework/win/print_info.h"
#include "../../framework/win/win_app.h"
#include "../../resources/resource.h"

#include <algorithm>
#include <vector>

namespace {

// Posted by the paint for what it found to do after it has returned.
constexpr UINT WM_SIWAKE_AFTER_PAINT = WM_APP + 0x141;
constexpr WPARAM kAfterPaintNewEntryRow = 1;
constexpr WPARAM kAfterPaintSetupFailed = 2;

const char* const kNewEntryRow = "---";
const char* const kFormFont = "ＭＳ ゴシック";
const char* const kSetupFailed = "「Zirere」\n\n設定ファイルの読み込みに失敗しました。\n\n再インストールしてください。";
const char* const kNoRowSelected =
    "行が選択されていません。\n\n新規登録するには、 行末に移動して「　- - -　」表示の行を選択してください。\n\n"
    "入力済みの取引を編集するには、 目的の行を選択してください。";
const char* const kPickAnAccount = "科目を選択してください。";
const char* const kDefaultConnectWord = "について";
const char* const kDefaultPhrase1 = "で受取り";
const char* const kDefaultPhrase2 = "で支払い";

const char* const kRemarkPresets[] = {
    "月分支払", "月分入金", "月分請求", "月分請求受け", "月分回収", "[品名]   [数量]   ＠",
    "期日00/00/00受入", "期日00/00/00振出", "期日00/00/00決済", "期日00/00/00不渡",
    "按分:料金×10%", "按分:料金×20%", "按分:料金×30%", "按分:料金×40%", "按分:料金×50%",
    "按分:料金×60%", "按分:料金×70%", "按分:料金×80%", "按分:料金×90%", "消費税5%", "消費税8%",
};

constexpr int kCauseIds[3] = {IDC_JOURNAL_CAUSE1, IDC_JOURNAL_CAUSE2, IDC_JOURNAL_CAUSE3};
constexpr int kResultIds[3] = {IDC_JOURNAL_RESULT1, IDC_JOURNAL_RESULT2, IDC_JOURNAL_RESULT3};
// The id ranges that hold each family of three combos (with other controls between).
constexpr UINT kCauseIdFirst = std::min({IDC_JOURNAL_CAUSE1, IDC_JOURNAL_CAUSE2, IDC_JOURNAL_CAUSE3});
constexpr UINT kCauseIdLast = std::max({IDC_JOURNAL_CAUSE1, IDC_JOURNAL_CAUSE2, IDC_JOURNAL_CAUSE3});
constexpr UINT kResultIdFirst = std::min({IDC_JOURNAL_RESULT1, IDC_JOURNAL_RESULT2, IDC_JOURNAL_RESULT3});
constexpr UINT kResultIdLast = std::max({IDC_JOURNAL_RESULT1, IDC_JOURNAL_RESULT2, IDC_JOURNAL_RESULT3});

// The row (1 to 3) of a combo of the family, 0 for another control.
int RowOfId(const int (&ids)[3], UINT id)
{
    for (int row = 1; row <= 3; ++row)
        if (static_cast<UINT>(ids[row - 1]) == id)
            return row;
    return 0;
}
const COLORREF kBlack = RGB(0, 0, 0);

// Fills a list with drawing switched off.
template <class List, class Texts>
void FillList(List& list, const Texts& texts)
{
    list.SendMessage(WM_SETREDRAW, FALSE);
    for (const CString& text : texts)
        list.AddString(text);
    list.SendMessage(WM_SETREDRAW, TRUE);
    list.Invalidate();
}

CString ComboText(const CComboBox& combo)
{
    CString text;
    combo.GetWindowText(text);
    return text;
}

}  // namespace

IMPLEMENT_DYNCREATE(siwake, CFormView)

const MessageMap* siwake::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<siwake>(
        on::Command(ID_FILE_PRINT, &siwake::OnFilePrint),
        on::Command(ID_FILE_PRINT_DIRECT, &siwake::OnFilePrint),
        on::Command(ID_FILE_PRINT_PREVIEW, &siwake::OnFilePrintPreview),
        on::Control(CBN_SETFOCUS, IDC_JOURNAL_DESC1, &siwake::OnSetfocusDesc1),
        on::Control(CBN_SETFOCUS, IDC_JOURNAL_DESC2, &siwake::OnSetfocusDesc2),
        on::ControlRangeEx(CBN_SETFOCUS, kCauseIdFirst, kCauseIdLast, &siwake::OnSetfocusCauseId),
        on::ControlRangeEx(CBN_SELCHANGE, kCauseIdFirst, kCauseIdLast, &siwake::OnSelchangeCauseId),
        on::ControlRangeEx(CBN_KILLFOCUS, kCauseIdFirst, kCauseIdLast, &siwake::OnKillfocusCauseId),
        on::ControlRangeEx(CBN_SETFOCUS, kResultIdFirst, kResultIdLast, &siwake::OnSetfocusResultId),
        on::ControlRangeEx(CBN_SELCHANGE, kResultIdFirst, kResultIdLast, &siwake::OnSelchangeResultId),
        on::ControlRangeEx(CBN_KILLFOCUS, kResultIdFirst, kResultIdLast, &siwake::OnKillfocusResultId),
        on::Control(BN_CLICKED, IDC_JOURNAL_PHRASE1, &siwake::OnClickedPhrase1),
        on::Control(BN_CLICKED, IDC_JOURNAL_PHRASE2, &siwake::OnClickedPhrase2),
        on::Control(LBN_SELCHANGE, IDC_JOURNAL_CLASS_LIST, &siwake::OnSelchangeClassList),
        on::Control(CBN_KILLFOCUS, IDC_JOURNAL_DESC1, &siwake::OnKillfocusDesc1),
        on::Control(CBN_KILLFOCUS, IDC_JOURNAL_DESC2, &siwake::OnKillfocusDesc2),
        on::Control(CBN_KILLFOCUS, IDC_JOURNAL_REMARK, &siwake::OnKillfocusRemark),
        on::Control(STN_CLICKED, IDC_JOURNAL_CONNECT_WORD, &siwake::OnClickedConnectWord),
        on::Control(STN_CLICKED, IDC_JOURNAL_CLASS_PROMPT, &siwake::OnClickedClassPrompt),
        on::Control(CBN_SETFOCUS, IDC_JOURNAL_REMARK, &siwake::OnSetfocusRemark),
        on::Control(STN_CLICKED, IDC_JOURNAL_CLASS_PROMPT_PICTURE, &siwake::OnClickedPromptBitmap),
        on::Control(BN_CLICKED, IDC_JOURNAL_NEW_ENTRY, &siwake::OnNewEntry),
        on::Control(BN_CLICKED, IDC_JOURNAL_INSERT, &siwake::OnInsertRow),
        on::Control(BN_CLICKED, IDC_JOURNAL_CHANGE, &siwake::OnChangeEntry),
        on::Control(BN_CLICKED, IDC_JOURNAL_DELETE, &siwake::OnDeleteRow),
        on::Control(BN_CLICKED, IDC_JOURNAL_CLEAR, &siwake::OnClearFields),
        on::Control(LBN_SELCHANGE, IDC_JOURNAL_TRANSACTION_LIST, &siwake::OnSelchangeTransactionList),
        on::Control(BN_CLICKED, IDC_JOURNAL_BOOK_KANJYO, &siwake::OnBookKanjyo),
        on::Control(BN_CLICKED, IDC_JOURNAL_BOOK_KINSEN, &siwake::OnBookKinsen),
        on::Control(BN_CLICKED, IDC_JOURNAL_BOOK_KEIHI, &siwake::OnBookKeihi),
        on::Control(BN_CLICKED, IDC_JOURNAL_BOOK_URIAGE, &siwake::OnBookUriage),
        on::Control(BN_CLICKED, IDC_JOURNAL_BOOK_SIIRE, &siwake::OnBookSiire),
        on::Control(BN_CLICKED, IDC_JOURNAL_BOOK_KESSAN, &siwake::OnBookKessan),
        on::Control(BN_CLICKED, IDC_JOURNAL_BOOK_SETTEI, &siwake::OnBookSettei),
        on::Control(BN_CLICKED, IDC_JOURNAL_INPUT_HINT, &siwake::OnInputHint),
        on::Control(EN_SETFOCUS, IDC_JOURNAL_RESULT_AMOUNT1, &siwake::OnSetfocusResultAmount1),
        on::Control(EN_SETFOCUS, IDC_JOURNAL_RESULT_AMOUNT2, &siwake::OnSetfocusAmount),
        on::Control(EN_SETFOCUS, IDC_JOURNAL_RESULT_AMOUNT3, &siwake::OnSetfocusAmount),
        on::Control(EN_SETFOCUS, IDC_JOURNAL_CAUSE_AMOUNT1, &siwake::OnSetfocusAmount),
        on::Control(EN_SETFOCUS, IDC_JOURNAL_CAUSE_AMOUNT2, &siwake::OnSetfocusAmount),
        on::Control(EN_SETFOCUS, IDC_JOURNAL_CAUSE_AMOUNT3, &siwake::OnSetfocusAmount),
        on::Control(EN_KILLFOCUS, IDC_JOURNAL_FOCUS_HOLDER, &siwake::OnKillfocusFocusHolder),
        on::Command(ID_SORT_BY_DATE, &siwake::OnSortByDate),
        on::Command(ID_EDIT_CUT_LINE, &siwake::OnEditCutLine),
        on::Command(ID_EDIT_COPY_LINE, &siwake::OnEditCopyLine),
        on::Command(ID_EDIT_PASTE_INSERT, &siwake::OnEditPasteInsert),
        on::Command(ID_EDIT_PASTE_END, &siwake::OnEditPasteEnd),
        on::Command(ID_EDIT_COPY, &siwake::OnEditCopy),
        on::Command(ID_EDIT_PASTE, &siwake::OnEditPaste),
        on::Message(WM_SIWAKE_AFTER_PAINT, &siwake::OnAfterPaint));
    return &map;
}

siwake::siwake() : CFormView(IDD_SIWAKE) {}

void siwake::DoDataExchange(CDataExchange* pDX)
{
    CFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_JOURNAL_CONNECT_WORD, m_stConnectWord);
    DDX_Control(pDX, IDC_JOURNAL_CAUSE_AMOUNT3, m_edCauseAmount[2]);
    DDX_Control(pDX, IDC_JOURNAL_CAUSE_AMOUNT2, m_edCauseAmount[1]);
    DDX_Control(pDX, IDC_JOURNAL_CAUSE_AMOUNT1, m_edCauseAmount[0]);
    DDX_Control(pDX, IDC_JOURNAL_RESULT_AMOUNT3, m_edResultAmount[2]);
    DDX_Control(pDX, IDC_JOURNAL_RESULT_AMOUNT2, m_edResultAmount[1]);
    DDX_Control(pDX, IDC_JOURNAL_RESULT_AMOUNT1, m_edResultAmount[0]);
    DDX_Control(pDX, IDC_JOURNAL_TRANSACTION_LIST, m_lbTransactions);
    DDX_Control(pDX, IDC_JOURNAL_REMARK, m_cbRemark);
    DDX_Control(pDX, IDC_JOURNAL_BOOK_SETTEI, m_btBook[4]);
    DDX_Control(pDX, IDC_JOURNAL_BOOK_KESSAN, m_btBook[3]);
    DDX_Control(pDX, IDC_JOURNAL_BOOK_KEIHI, m_btBook[2]);
    DDX_Control(pDX, IDC_JOURNAL_BOOK_KINSEN, m_btBook[1]);
    DDX_Control(pDX, IDC_JOURNAL_BOOK_KANJYO, m_btBook[0]);
    DDX_Control(pDX, IDC_JOURNAL_TABLE_GROUP, m_grTable);
    DDX_Control(pDX, IDC_JOURNAL_LIST_GROUP, m_grList);
    DDX_Control(pDX, IDC_JOURNAL_ENTRY_GROUP, m_grEntry);
    DDX_Control(pDX, IDC_JOURNAL_FOCUS_HOLDER, m_edFocusHolder);
    DDX_Control(pDX, IDC_JOURNAL_CAUSE3, m_cbCause[2]);
    DDX_Control(pDX, IDC_JOURNAL_CAUSE2, m_cbCause[1]);
    DDX_Control(pDX, IDC_JOURNAL_DATE, m_dtDate);
    DDX_Control(pDX, IDC_JOURNAL_CAUSE1, m_cbCause[0]);
    DDX_Control(pDX, IDC_JOURNAL_DESC2, m_cbDesc2);
    DDX_Control(pDX, IDC_JOURNAL_RESULT3, m_cbResult[2]);
    DDX_Control(pDX, IDC_JOURNAL_RESULT2, m_cbResult[1]);
    DDX_Control(pDX, IDC_JOURNAL_RESULT1, m_cbResult[0]);
    DDX_Control(pDX, IDC_JOURNAL_DESC1, m_cbDesc1);
    DDX_Control(pDX, IDC_JOURNAL_CLASS_LIST, m_lbClass);
}

std::vector<int> siwake::DrawnItems() const
{
    // The description labels, the result phrases and the list's heading only
    // show what the journal sets.
    return {IDC_JOURNAL_DESC1_LABEL, IDC_JOURNAL_DESC2_LABEL, IDC_JOURNAL_PHRASE1_TEXT, IDC_JOURNAL_PHRASE2_TEXT,
            IDC_JOURNAL_LIST_HEADING};
}

BOOL siwake::PreTranslateMessage(MSG* pMsg)
{
    // Enter never presses the default buttons and Escape closes nothing.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE))
        return TRUE;
    if (m_tooltip.GetSafeHwnd())
        m_tooltip.RelayEvent(pMsg);
    return CFormView::PreTranslateMessage(pMsg);
}

// ---------------------------------------------------------------------------
// Initial update and update

void siwake::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    CMyDoc* document = GetDocument();

    if (m_tooltip.Create(this))
        m_tooltip.AddTool(&m_stConnectWord, "クリックで接続用語の切替え");
    m_dtDate.SetFormat("yyyy/MM/dd");
    // The form's own background: what the panels that erase a drawing are filled with.
    m_crBack = ::GetSysColor(COLOR_3DFACE);

    if (!document->m_bLayoutDone)
        LayOutScreen();
    ApplyRowHeightsAndLimits();
    m_cbRemark.ResetContent();
    for (const char* preset : kRemarkPresets)
        m_cbRemark.AddString(preset);

    document->m_nPrevBook = document->m_nCurBook;
    document->m_nCurBook = kBookJournal;
    m_bPainted = FALSE;
    m_bLineCopied = FALSE;

    if (document->m_nSetupStatus == -1)
        return;
    document->m_menuState.ShowRole(BookMenuRole::Journal);
    ClearEntryFields();
    FillClassList();
    FillResultAccountLists(0);
    RebuildTransactionList();
    if (EnsureDictionaryAccount(document->m_arrDictionary, 0, "貸倒回収益", "", "について", "として", "",
                                "で収益の計上"))
        m_bResultListsStale = TRUE;
    if (EnsureDictionaryAccount(document->m_arrDictionary, 3, "事業主借", "譲渡益", "として", "について", "",
                                "で事業主が借り"))
        m_bResultListsStale = TRUE;
}

void siwake::LayOutScreen()
{
    CMyDoc* document = GetDocument();
    CWnd* mainWindow = AfxGetMainWnd();
    int dpi = 96;
    int screenWidth = 0;
    int screenHeight = 0;
    {
        CClientDC dc(mainWindow ? mainWindow : this);
        dpi = dc.GetDeviceCaps(LOGPIXELSX);
        screenWidth = dc.GetDeviceCaps(HORZRES);
        screenHeight = dc.GetDeviceCaps(VERTRES);
    }
    document->m_nRowHeight = ListRowHeight(document->m_nFontSize, dpi);
    const WindowPlacement placement = MainWindowPlacement(dpi, screenWidth, screenHeight, ControlRect(IDC_JOURNAL_TABLE_GROUP));
    if (mainWindow)
        mainWindow->MoveWindow(placement.x, placement.y, placement.width, placement.height, TRUE);
    const auto words = LayoutWords(dpi, ControlRect(IDC_JOURNAL_BOOK_KANJYO), ControlRect(IDC_JOURNAL_ENTRY_GROUP), ControlRect(IDC_JOURNAL_TABLE_GROUP));
    for (size_t i = 0; i < words.size(); ++i)
        document->m_nLayout[i] = words[i];
    document->m_bLayoutDone = 1;
}

void siwake::ApplyRowHeightsAndLimits()
{
    const ItemHeights heights = ItemHeightsFor(GetDocument()->m_nRowHeight);
    if (heights.transactionList > 0) {
        m_lbTransactions.SetItemHeight(0, static_cast<UINT>(heights.transactionList));
        m_lbClass.SetItemHeight(0, static_cast<UINT>(heights.classList));
    }
    for (CComboBox* combo : {&m_cbDesc1, &m_cbResult[0], &m_cbResult[1], &m_cbResult[2], &m_cbDesc2, &m_cbCause[0],
                             &m_cbCause[1], &m_cbCause[2]}) {
        if (heights.comboItems > 0)
            combo->SetItemHeight(0, static_cast<UINT>(heights.comboItems));
        combo->LimitText(16);
    }
    if (heights.comboItems > 0)
        m_cbRemark.SetItemHeight(0, static_cast<UINT>(heights.comboItems));
    m_cbRemark.LimitText(48);
}

void siwake::OnUpdate(CView*, LPARAM, CObject*)
{
    // A journal loaded by a file command is listed anew.
    if (GetDocument()->m_bNewData == 1)
        RebuildTransactionList();
    Invalidate(TRUE);
}

void siwake::FillClassList()
{
    m_lbClass.ResetContent();
    const Dictionary& dictionary = GetDocument()->m_arrDictionary;
    for (int node = 1; node <= 7 && node < dictionary.GetSize(); ++node)
        m_lbClass.AddString(dictionary.GetAt(node)->m_strName);
}

// ---------------------------------------------------------------------------
// Painting

void siwake::OnDraw(CDC* pDC)
{
    CMyDoc* document = GetDocument();
    const CPoint scroll = GetScrollPosition();
    m_nScrollX = scroll.x;
    m_nScrollY = scroll.y;

    struct Group {
        int id;
        COLORREF color;
    };
    for (const Group& group : {Group{IDC_JOURNAL_ENTRY_GROUP, RGB(128, 128, 255)}, Group{IDC_JOURNAL_LIST_GROUP, RGB(128, 255, 128)},
                               Group{IDC_JOURNAL_TABLE_GROUP, RGB(255, 255, 128)}}) {
        const CRect r = ControlRect(group.id);
        DrawFrame(pDC, r.left + 8, r.top + 14, r.right - 8, r.bottom - 8, group.color, 5);
    }

    const auto& L = document->m_nLayout;
    DrawRaisedFrame(pDC, L[0] + L[4], L[1], L[0] + L[3] - L[4], L[2] - 2);
    DrawRaisedFrame(pDC, L[5], L[6], L[7], L[8]);
    FillPanel(pDC, L[0] + L[4] + 6, L[1] + 3, L[0] + L[3] - L[4] - 6, L[1] + 7, RGB(255, 128, 192));
    FillPanel(pDC, L[0] + L[4] + 3, L[2] - 6, L[0] + L[3] - L[4] - 3, L[2] + 1, m_crBack);

    CFont titleFont;
    if (titleFont.CreatePointFont(document->m_nFontSize * 11, kFormFont, pDC)) {
        CFont* previousFont = pDC->SelectObject(&titleFont);
        const int previousMode = pDC->SetBkMode(TRANSPARENT);
        CRect title(L[0] + L[4], L[1] + 10, L[0] + L[3] - L[4], L[2]);
        pDC->DrawText("仕訳帳", &title, DT_CENTER | DT_TOP | DT_SINGLELINE);
        pDC->SetBkMode(previousMode);
        pDC->SelectObject(previousFont);
    }

    DrawRowLinks(pDC, m_nActiveRow);
    DrawPhraseBracket(pDC);
    DrawConnectWordMarks(pDC, kBlack, 1);

    const int current = document->m_nCurEntry;
    if (current >= 0 && current < document->m_arrJournal.GetSize()) {
        m_tablePainter.DrawEntry(pDC, *document->m_arrJournal.GetAt(current), TablePlace(TRUE));
    } else {
        m_tablePainter.DrawEmpty(pDC, TablePlace(TRUE));
        // The list of an empty journal is put right after the paint, not during it.
        if (current == -1 && document->m_arrJournal.GetSize() == 0 && !ListShowsNewEntryRowOnly() &&
            !m_bListFixPosted) {
            m_bListFixPosted = TRUE;
            PostMessage(WM_SIWAKE_AFTER_PAINT, kAfterPaintNewEntryRow);
        }
    }
    m_bPainted = TRUE;

    if (document->m_nSetupStatus == -1 && !m_bSetupReportPosted) {
        m_bSetupReportPosted = TRUE;
        PostMessage(WM_SIWAKE_AFTER_PAINT, kAfterPaintSetupFailed);
    }
}

LRESULT siwake::OnAfterPaint(WPARAM wParam, LPARAM)
{
    CMyDoc* document = GetDocument();
    if (wParam == kAfterPaintNewEntryRow) {
        m_bListFixPosted = FALSE;
        if (document->m_nCurEntry == -1 && document->m_arrJournal.GetSize() == 0 && !ListShowsNewEntryRowOnly())
            ShowNewEntryRowOnly();
    } else if (wParam == kAfterPaintSetupFailed) {
        AfxMessageBox(kSetupFailed, MB_OK);
        // The exit destroys this view: nothing of it is touched afterwards.
        if (CWnd* mainWindow = AfxGetMainWnd())
            mainWindow->SendMessage(WM_COMMAND, ID_APP_EXIT);
    }
    return 0;
}

bool siwake::ListShowsNewEntryRowOnly() const
{
    if (m_lbTransactions.GetCount() != 1 || m_lbTransactions.GetCurSel() != 0)
        return false;
    CString text;
    m_lbTransactions.GetText(0, text);
    return text == kNewEntryRow;
}

void siwake::ShowNewEntryRowOnly()
{
    m_lbTransactions.ResetContent();
    m_lbTransactions.AddString(kNewEntryRow);
    m_lbTransactions.SetCurSel(0);
    m_nShownLine = 0;
}

void siwake::DrawFrame(CDC* pDC, int left, int top, int right, int bottom, COLORREF color, int width)
{
    left += m_nScrollX;
    right += m_nScrollX;
    top += m_nScrollY;
    bottom += m_nScrollY;
    DrawFrameLines(pDC, left, top, right, bottom, color, width);
}

void siwake::DrawRowLinks(CDC* pDC, int causeRow)
{
    const int dx = m_nScrollX;
    const int dy = m_nScrollY;
    const CRect K = ControlRect(IDC_JOURNAL_CLASS_LIST);
    auto bracket = [&](const CRect& R, const CRect& D) {
        CPen blue(PS_SOLID, 1, RGB(0, 0, 255));
        CPen* previous = pDC->SelectObject(&blue);
        pDC->MoveTo(R.left - 5 + dx, R.bottom - 8 + dy);
        pDC->LineTo(R.left - 1 + dx, R.bottom - 8 + dy);
        pDC->MoveTo(R.left - 5 + dx, R.bottom - 8 + dy);
        pDC->LineTo(D.left - 5 + dx, D.top + 6 + dy);
        pDC->MoveTo(D.left - 5 + dx, D.top + 6 + dy);
        pDC->LineTo(D.left - 1 + dx, D.top + 6 + dy);
        pDC->SelectObject(previous);
    };
    if (causeRow >= 1 && causeRow <= 3) {
        const CRect R = ControlRect(kCauseIds[causeRow - 1]);
        const CPoint funnel[4] = {CPoint(K.right + 3 + dx, K.top + dy), CPoint(R.left - 2 + dx, R.top + dy),
                                  CPoint(R.left - 2 + dx, R.bottom + dy), CPoint(K.right + 3 + dx, K.bottom + dy)};
        pDC->Polygon(funnel, 4);
        bracket(R, ControlRect(IDC_JOURNAL_DESC1_LABEL));
    }
    if (m_nActiveResultRow >= 1 && m_nActiveResultRow <= 3)
        bracket(ControlRect(kResultIds[m_nActiveResultRow - 1]), ControlRect(IDC_JOURNAL_DESC2_LABEL));
}

void siwake::DrawPhraseBracket(CDC* pDC)
{
    const int dx = m_nScrollX;
    const int dy = m_nScrollY;
    const CRect M = ControlRect(IDC_JOURNAL_RESULT_AMOUNT1);
    const CRect P = ControlRect(IDC_JOURNAL_PHRASE2_TEXT);
    const CPoint points[6] = {
        CPoint(M.right + dx, M.top - 6 + dy),      CPoint(P.right + 1 + dx, M.top - 6 + dy),
        CPoint(P.right + 1 + dx, P.bottom + 6 + dy), CPoint(M.right + 8 + dx, P.bottom + 6 + dy),
        CPoint(M.right + 8 + dx, M.bottom + 5 + dy), CPoint(M.right + dx, M.bottom + 5 + dy),
    };
    pDC->Polyline(points, 6);
}

void siwake::DrawConnectWordMarks(CDC* pDC, COLORREF color, int width)
{
    const int dx = m_nScrollX;
    const int dy = m_nScrollY;
    const CRect W = ControlRect(IDC_JOURNAL_CONNECT_WORD);
    CPen pen(PS_SOLID, width, color);
    CPen* previous = pDC->SelectObject(&pen);
    pDC->MoveTo(W.left + 3 + dx, W.top - 3 + dy);
    pDC->LineTo(W.right - 3 + dx, W.top - 3 + dy);
    pDC->MoveTo(W.left + 3 + dx, W.bottom + 3 + dy);
    pDC->LineTo(W.right - 3 + dx, W.bottom + 3 + dy);
    pDC->SelectObject(previous);
}

void siwake::RedrawClassFunnel(int row)
{
    if (row < 1 || row > 3)
        return;
    CClientDC dc(this);
    const CRect K = ControlRect(IDC_JOURNAL_CLASS_LIST);
    const CRect R = ControlRect(kCauseIds[row - 1]);
    FillPanel(&dc, K.right + 2, K.top, R.left - 1, K.bottom, m_crBack);
    const CPoint funnel[4] = {CPoint(K.right + 3, K.top), CPoint(R.left - 2, R.top), CPoint(R.left - 2, R.bottom),
                              CPoint(K.right + 3, K.bottom)};
    dc.Polygon(funnel, 4);
}

void siwake::RedrawDescBracket(int side, int row)
{
    if (row < 1 || row > 3)
        return;
    CClientDC dc(this);
    const CRect R = ControlRect(side == 0 ? kCauseIds[row - 1] : kResultIds[row - 1]);
    const CRect F = ControlRect(side == 0 ? IDC_JOURNAL_CAUSE1 : IDC_JOURNAL_RESULT1);
    const CRect D = ControlRect(side == 0 ? IDC_JOURNAL_DESC1_LABEL : IDC_JOURNAL_DESC2_LABEL);
    if (side == 1)
        FillPanel(&dc, F.left - 5, F.top + 11, D.left - 1, D.top + 8, m_crBack);
    CPen blue(PS_SOLID, 1, RGB(0, 0, 255));
    CPen* previous = dc.SelectObject(&blue);
    dc.MoveTo(R.left - 5, R.bottom - 8);
    dc.LineTo(R.left - 1, R.bottom - 8);
    dc.MoveTo(R.left - 5, R.bottom - 8);
    dc.LineTo(D.left - 5, D.top + 6);
    dc.MoveTo(D.left - 5, D.top + 6);
    dc.LineTo(D.left - 1, D.top + 6);
    dc.SelectObject(previous);
}

// ---------------------------------------------------------------------------
// Entry fields

void siwake::ClearEntryFields()
{
    m_nClassIndex.fill(-1);
    m_nActiveRow = 1;
    m_nActiveResultRow = 1;
    for (CString& desc : m_strRowDesc)
        desc.Empty();

    CheckDlgButton(IDC_JOURNAL_PHRASE1, BST_UNCHECKED);
    CheckDlgButton(IDC_JOURNAL_PHRASE2, BST_UNCHECKED);
    SetDlgItemText(IDC_JOURNAL_PHRASE1_TEXT, kDefaultPhrase1);
    SetDlgItemText(IDC_JOURNAL_PHRASE2_TEXT, kDefaultPhrase2);
    m_nConnectIndex = 0;
    m_stConnectWord.SetWindowText(kDefaultConnectWord);

    for (CComboBox& result : m_cbResult)
        result.SetWindowText("");
    m_cbRemark.SetWindowText("");
    for (CComboBox& cause : m_cbCause)
        cause.ResetContent();
    m_cbDesc1.ResetContent();
    m_cbDesc2.ResetContent();

    SetDlgItemText(IDC_JOURNAL_DESC1_LABEL, "1段目摘要1");
    SetDlgItemText(IDC_JOURNAL_DESC2_LABEL, "1段目摘要2");
    m_lbClass.SetCurSel(-1);
    for (int i = 0; i < 3; ++i) {
        m_edCauseAmount[i].SetWindowText("");
        m_edResultAmount[i].SetWindowText("");
    }

    const auto& journal = GetDocument()->m_arrJournal;
    if (journal.GetSize() > 0) {
        SetDateFromEntryText(journal.GetAt(journal.GetSize() - 1)->m_strDate);
    } else {
        SYSTEMTIME date{};
        ::GetLocalTime(&date);
        date.wHour = date.wMinute = date.wSecond = date.wMilliseconds = 0;
        m_dtDate.SetTime(&date);
    }

    RedrawClassFunnel(1);
    RedrawDescBracket(0, 1);
    RedrawDescBracket(1, 1);
}

void siwake::FillResultAccountLists(int keep)
{
    std::array<CString, 3> typed;
    if (keep == 1)
        for (int i = 0; i < 3; ++i)
            typed[static_cast<size_t>(i)] = ComboText(m_cbResult[i]);
    ShowResultAccountItems(ChildNames(GetDocument()->m_arrDictionary, 8));
    if (keep == 1)
        for (int i = 0; i < 3; ++i)
            m_cbResult[i].SetWindowText(typed[static_cast<size_t>(i)]);
}

void siwake::OfferCompanionCauseAccounts(CString name)
{
    if (!name.IsEmpty())
        name = RemoveMark(name, "(消)");
    const CMyDoc* document = GetDocument();
    std::vector<CString> names;
    for (const RankedAccount& account : RankCandidates(name, document->m_arrHints, document->m_arrJournal,
                                                       {&CMyObject2::m_strCause2, &CMyObject2::m_strCause3}))
        names.push_back(account.name);
    for (int row = 1; row < 3; ++row) {
        m_cbCause[row].ResetContent();
        FillList(m_cbCause[row], names);
    }
}

void siwake::OfferResultAccounts(const CString& name)
{
    const CMyDoc* document = GetDocument();
    ShowResultAccountItems(
        OfferedResultList(name, document->m_arrDictionary, document->m_arrHints, document->m_arrJournal));
}

// The three result-account lists always hold the same items, and they are filled
// anew only when the items change: showing an entry again after a sort or a
// rebuild of the list offers the same accounts, and filling three lists costs
// more than the rest of showing the entry.
void siwake::ShowResultAccountItems(std::vector<CString> items)
{
    if (items == m_resultItemsShown) {
        // As a refill leaves them: no item chosen, the fields empty.
        for (CComboBox& result : m_cbResult)
            result.SetCurSel(-1);
        return;
    }
    for (CComboBox& result : m_cbResult) {
        result.ResetContent();
        FillList(result, items);
    }
    m_resultItemsShown = std::move(items);
}

int siwake::FindCauseClass(std::size_t row, const CString& name)
{
    if (row >= m_nClassIndex.size())
        return 0;
    if (name.IsEmpty()) {
        m_nClassIndex[row] = -1;
        return 0;
    }
    const Dictionary& dictionary = GetDocument()->m_arrDictionary;
    const int classIndex = ClassIndexOfNode(dictionary, FindClassSideAccount(dictionary, name));
    if (classIndex >= 0)
        m_nClassIndex[row] = classIndex;
    return 0;
}

int siwake::LoadRowDescriptions(int side, int row, const CString& name)
{
    CComboBox& desc = DescCombo(side);
    if (side == 0)
        m_nActiveRow = row;
    else
        m_nActiveResultRow = row;
    if (name.IsEmpty()) {
        desc.ResetContent();
        desc.SetWindowText("");
        return -2;
    }
    const Dictionary& dictionary = GetDocument()->m_arrDictionary;
    const int node = FindRowAccount(dictionary, side, name);
    if (node >= 0 && side == 0 && row == 1) {
        m_strCauseWord1 = dictionary.GetAt(node)->m_strWord1;
        m_strCauseWord2 = dictionary.GetAt(node)->m_strWord2;
        m_stConnectWord.SetWindowText(ConnectWordText(name));
    }
    desc.ResetContent();
    if (node >= 0)
        FillList(desc, ChildNames(dictionary, node));
    return node;
}

void siwake::ReportUnknownCauseAccount(const CString& name)
{
    CString shown;
    m_stConnectWord.GetWindowText(shown);
    if (shown.IsEmpty())
        return;
    m_lbClass.SetFocus();
    AfxMessageBox("「" + name +
                      "」が[科目辞書]　の「原因科目」に登録されていないため、\n\n助詞を表示することができません。\n\n"
                      "[科目辞書]　に登録して、「助詞」 を設定してください。",
                  MB_OK);
    m_strCauseWord1.Empty();
    m_strCauseWord2.Empty();
    m_stConnectWord.SetWindowText("");
}

void siwake::ShowRowAccount(int side, int row, const CString& name)
{
    if (row < 1 || row > 3)
        return;
    const int node = LoadRowDescriptions(side, row, name);
    if (node == -2)
        return;
    const size_t entryRow = RowOfField(side, row);
    DescCombo(side).SetWindowText(m_strRowDesc[entryRow]);
    m_strRowAccount[entryRow] = name;
    if (side == 0 && node < 0)
        ReportUnknownCauseAccount(name);
}

void siwake::PickRowAccount(int side, int row, const CString& name)
{
    if (row < 1 || row > 3)
        return;
    const int node = LoadRowDescriptions(side, row, name);
    if (node == -2)
        return;
    const size_t entryRow = RowOfField(side, row);
    const CString old = m_strRowAccount[entryRow];
    m_strRowAccount[entryRow] = name;
    if (old != name) {
        // Another account starts without a description, and stays without one
        // for further picks until its field is entered again.
        m_strRowDesc[entryRow].Empty();
        m_strRowAccount[entryRow].Empty();
        DescCombo(side).SetWindowText("");
    } else {
        DescCombo(side).SetWindowText(m_strRowDesc[entryRow]);
    }
    if (side == 0 && node < 0)
        ReportUnknownCauseAccount(name);
}

void siwake::SetDescLabel(int side, int row, const CString& name)
{
    SetDlgItemText(side == 0 ? IDC_JOURNAL_DESC1_LABEL : IDC_JOURNAL_DESC2_LABEL, DescriptionLabel(side, row, name));
}

void siwake::ShowClassPrompt(BOOL show)
{
    const int command = show ? SW_SHOW : SW_HIDE;
    if (CWnd* prompt = GetDlgItem(IDC_JOURNAL_CLASS_PROMPT))
        prompt->ShowWindow(command);
    if (CWnd* bitmap = GetDlgItem(IDC_JOURNAL_CLASS_PROMPT_PICTURE))
        bitmap->ShowWindow(command);
}

void siwake::OnSelchangeClassList()
{
    if (m_lbTransactions.GetCurSel() == LB_ERR) {
        AfxMessageBox(kNoRowSelected, MB_OK);
        ClearEntryAndTable();
        return;
    }
    const int k = m_lbClass.GetCurSel();
    if (k == LB_ERR)
        return;
    const int row = m_nActiveRow;
    if (row < 1 || row > 3)
        return;
    CComboBox& combo = m_cbCause[row - 1];
    combo.ResetContent();
    m_nClassIndex[RowOfField(kCauseSide, row)] = k;
    FillList(combo, ChildNames(GetDocument()->m_arrDictionary, k + 1));
}

BOOL siwake::OnSetfocusCauseId(UINT id)
{
    const int row = RowOfId(kCauseIds, id);
    if (row != 0)
        OnSetfocusCause(row);
    return row != 0;
}

BOOL siwake::OnSelchangeCauseId(UINT id)
{
    const int row = RowOfId(kCauseIds, id);
    if (row == 1)
        OnSelchangeCause1();
    else if (row != 0)
        OnSelchangeCompanion(row);
    return row != 0;
}

BOOL siwake::OnKillfocusCauseId(UINT id)
{
    const int row = RowOfId(kCauseIds, id);
    if (row != 0)
        OnKillfocusCause(row);
    return row != 0;
}

BOOL siwake::OnSetfocusResultId(UINT id)
{
    const int row = RowOfId(kResultIds, id);
    if (row != 0)
        OnSetfocusResult(row);
    return row != 0;
}

BOOL siwake::OnSelchangeResultId(UINT id)
{
    const int row = RowOfId(kResultIds, id);
    if (row != 0)
        OnSelchangeResult(row);
    return row != 0;
}

BOOL siwake::OnKillfocusResultId(UINT id)
{
    const int row = RowOfId(kResultIds, id);
    if (row != 0)
        OnKillfocusResult(row);
    return row != 0;
}

void siwake::OnSetfocusCause(int row)
{
    SetImeOpen(TRUE);
    m_lbClass.SetCurSel(m_nClassIndex[RowOfField(kCauseSide, row)]);
    m_nActiveRow = row;
    RedrawClassFunnel(row);
    CComboBox& combo = m_cbCause[row - 1];
    const bool noClass = m_nClassIndex[RowOfField(kCauseSide, row)] == -1;
    if (row == 1 ? noClass : (noClass && combo.GetCount() == 0))
        ShowClassPrompt(TRUE);
    const CString text = ComboText(combo);
    ShowRowAccount(0, row, text);
    RedrawDescBracket(0, row);
    SetDescLabel(0, row, text);
}

void siwake::OnSelchangeCause1()
{
    const int selected = m_cbCause[0].GetCurSel();
    if (m_lbClass.GetCurSel() == LB_ERR || selected == CB_ERR)
        return;
    CString name;
    m_cbCause[0].GetLBText(selected, name);
    PickRowAccount(0, 1, name);
    OfferCompanionCauseAccounts(name);
    OfferResultAccounts(name);
    SetDescLabel(0, 1, name);
}

void siwake::OnSelchangeCompanion(int row)
{
    CComboBox& combo = m_cbCause[row - 1];
    const int selected = combo.GetCurSel();
    // A pick in a row that has a class of its own is taken when the field is next entered.
    if (selected == CB_ERR || m_nClassIndex[RowOfField(kCauseSide, row)] != -1)
        return;
    CString name;
    combo.GetLBText(selected, name);
    FindCauseClass(RowOfField(kCauseSide, row), name);
    m_lbClass.SetCurSel(m_nClassIndex[RowOfField(kCauseSide, row)]);
    if (row == 2) {
        // The account taken for row 2 is no longer offered for row 3.
        for (int i = 0; i < m_cbCause[2].GetCount(); ++i) {
            CString offered;
            m_cbCause[2].GetLBText(i, offered);
            if (offered == name) {
                m_cbCause[2].DeleteString(static_cast<UINT>(i));
                break;
            }
        }
    }
    PickRowAccount(0, row, name);
    SetDescLabel(0, row, name);
}

void siwake::OnKillfocusCause(int row)
{
    SetImeOpen(FALSE);
    const CString text = ComboText(m_cbCause[row - 1]);
    if (row > 1 && text.IsEmpty())
        m_strRowDesc[RowOfField(kCauseSide, row)].Empty();
    if (!text.IsEmpty())
        GetDocument()->m_strHintCause = text;
    ShowClassPrompt(FALSE);
}

void siwake::OnSetfocusResult(int row)
{
    SetImeOpen(TRUE);
    const CString text = ComboText(m_cbResult[row - 1]);
    ShowRowAccount(1, row, text);
    if (row == 1 && !text.IsEmpty())
        SetResultPhrases(-1, text);
    CMyDoc* document = GetDocument();
    if (!text.IsEmpty() && document->m_strCurAccount.IsEmpty())
        document->m_strCurAccount = text;
    RedrawDescBracket(1, row);
    SetDescLabel(1, row, text);
}

void siwake::OnSelchangeResult(int row)
{
    CComboBox& combo = m_cbResult[row - 1];
    const int selected = combo.GetCurSel();
    if (selected == CB_ERR)
        return;
    CString name;
    combo.GetLBText(selected, name);
    if (name.Left(2) == kHeaderMark) {
        AfxMessageBox(kPickAnAccount, MB_OK);
        return;
    }
    PickRowAccount(1, row, name);
    if (row == 1)
        SetResultPhrases(-1, name);
    SetDescLabel(1, row, name);
}

void siwake::OnKillfocusResult(int row)
{
    const CString text = ComboText(m_cbResult[row - 1]);
    if (row > 1 && text.IsEmpty())
        m_strRowDesc[RowOfField(kResultSide, row)].Empty();
    if (!text.IsEmpty())
        GetDocument()->m_strHintCause = text;
    SetImeOpen(FALSE);
}

void siwake::OnKillfocusDesc1()
{
    SetImeOpen(FALSE);
    if (m_nActiveRow >= 1 && m_nActiveRow <= 3)
        m_strRowDesc[RowOfField(kCauseSide, m_nActiveRow)] = ComboText(m_cbDesc1);
}

void siwake::OnKillfocusDesc2()
{
    SetImeOpen(FALSE);
    if (m_nActiveResultRow >= 1 && m_nActiveResultRow <= 3)
        m_strRowDesc[RowOfField(kResultSide, m_nActiveResultRow)] = ComboText(m_cbDesc2);
}

void siwake::OnClickedClassPrompt()
{
    m_lbClass.SetFocus();
    ShowClassPrompt(FALSE);
}

// ---------------------------------------------------------------------------
// Connecting word and phrases

CString siwake::ConnectWordText(const CString& name)
{
    CMyDoc* document = GetDocument();
    document->SetConnectWords(name);
    for (size_t i = 0; i < 4; ++i)
        m_strConnectPhrase[i] = document->m_strPhrase[i];
    return ConnectChoiceText(m_nConnectIndex, m_strCauseWord1, m_strCauseWord2, m_strConnectPhrase);
}

void siwake::OnClickedConnectWord()
{
    m_nConnectIndex = NextConnectIndex(m_nConnectIndex, m_strConnectPhrase);
    const CString word = ConnectChoiceText(m_nConnectIndex, m_strCauseWord1, m_strCauseWord2, m_strConnectPhrase);
    m_stConnectWord.SetWindowText(word);
    CString first;
    CString second;
    GetDlgItemText(IDC_JOURNAL_PHRASE1_TEXT, first);
    GetDlgItemText(IDC_JOURNAL_PHRASE2_TEXT, second);
    const CString oldFirst = first;
    const CString oldSecond = second;
    AgreeParticles(word, first, second);
    if (first != oldFirst)
        SetDlgItemText(IDC_JOURNAL_PHRASE1_TEXT, first);
    if (second != oldSecond)
        SetDlgItemText(IDC_JOURNAL_PHRASE2_TEXT, second);
}

CString siwake::PickedMonthDay() const
{
    SYSTEMTIME time{};
    if (m_dtDate.GetTime(&time) != GDT_VALID)
        return CString();
    CString monthDay;
    monthDay.Format("%02d/%02d", time.wMonth, time.wDay);
    return monthDay;
}

void siwake::SetResultPhrases(int direction, const CString& name)
{
    const Dictionary& dictionary = GetDocument()->m_arrDictionary;
    const int node = FindChildNode(dictionary, 8, name);
    if (node < 0) {
        SetDlgItemText(IDC_JOURNAL_PHRASE1_TEXT, "");
        SetDlgItemText(IDC_JOURNAL_PHRASE2_TEXT, "");
        return;
    }
    m_strResultPhrase1 = dictionary.GetAt(node)->m_strWord1;
    m_strResultPhrase2 = dictionary.GetAt(node)->m_strWord2;
    CString word;
    m_stConnectWord.GetWindowText(word);
    AgreeParticles(word, m_strResultPhrase1, m_strResultPhrase2);
    SetDlgItemText(IDC_JOURNAL_PHRASE1_TEXT, m_strResultPhrase1);
    SetDlgItemText(IDC_JOURNAL_PHRASE2_TEXT, m_strResultPhrase2);
    if (direction == 1 || direction == 0) {
        CheckDlgButton(IDC_JOURNAL_PHRASE1, direction == 1 ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(IDC_JOURNAL_PHRASE2, direction == 0 ? BST_CHECKED : BST_UNCHECKED);
    }
    const FixedPhraseCase fixed = FixedPhraseCases(m_nClassIndex[0], PickedMonthDay(), ComboText(m_cbCause[0]),
                                                   name, m_strResultPhrase1, m_strResultPhrase2);
    if (fixed.emptyFirst)
        SetDlgItemText(IDC_JOURNAL_PHRASE1_TEXT, "");
    if (fixed.emptySecond)
        SetDlgItemText(IDC_JOURNAL_PHRASE2_TEXT, "");
    if (fixed.radio != 0) {
        CheckDlgButton(IDC_JOURNAL_PHRASE1, fixed.radio == 1 ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(IDC_JOURNAL_PHRASE2, fixed.radio == 2 ? BST_CHECKED : BST_UNCHECKED);
    }
}

void siwake::OnClickedPhrase1()
{
    if (IsDlgButtonChecked(IDC_JOURNAL_PHRASE2))
        CheckDlgButton(IDC_JOURNAL_PHRASE2, BST_UNCHECKED);
}

void siwake::OnClickedPhrase2()
{
    if (IsDlgButtonChecked(IDC_JOURNAL_PHRASE1))
        CheckDlgButton(IDC_JOURNAL_PHRASE1, BST_UNCHECKED);
}

// ---------------------------------------------------------------------------
// The debit/credit table

EntryTablePlace siwake::TablePlace(BOOL fromPaint) const
{
    EntryTablePlace place;
    place.frame = ControlRect(IDC_JOURNAL_TABLE_GROUP);
    place.rightEdge = GetDocument()->m_nLayout[9];
    place.fontSize = GetDocument()->m_nFontSize;
    place.back = m_crBack;
    // A drawing outside a paint draws on the client area as it stands.
    if (fromPaint)
        place.scroll = CPoint(m_nScrollX, m_nScrollY);
    return place;
}

void siwake::ShowEntryTable(const CMyObject2& entry)
{
    CClientDC dc(this);
    m_tablePainter.DrawEntry(&dc, entry, TablePlace(FALSE));
}

void siwake::ShowEmptyTable()
{
    CClientDC dc(this);
    m_tablePainter.DrawEmpty(&dc, TablePlace(FALSE));
}

void siwake::ClearEntryAndTable()
{
    ClearEntryFields();
    ShowEmptyTable();
}

BOOL siwake::OnPreparePrinting(CPrintInfo* pInfo)
{
    const JournalArray& journal = GetDocument()->m_arrJournal;
    m_printPages = PaginateJournal(journal);
    // An empty journal prints nothing and says nothing.
    if (m_printPages.empty())
        return FALSE;
    pInfo->SetMaxPage(static_cast<UINT>(m_printPages.size()) + 1);
    return DoPreparePrinting(pInfo);
}

void siwake::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    // A4 portrait; without a printer there is nothing to force.
    pInfo->ResetPaper(pDC, DMPAPER_A4, DMORIENT_PORTRAIT);
    CFormView::OnBeginPrinting(pDC, pInfo);
}

void siwake::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    const JournalArray& journal = GetDocument()->m_arrJournal;
    if (journal.GetSize() == 0)
        return;
    const CString yearText = FiscalYearOf(journal);
    if (pInfo->m_nCurPage == 1)
        DrawPagePlan(pDC, PlanJournalCover(yearText));
    else
        DrawPagePlan(pDC, PlanJournalPage(journal, m_printPages, static_cast<int>(pInfo->m_nCurPage) - 1, yearText));
}

void siwake::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    CFormView::OnEndPrinting(pDC, pInfo);
}

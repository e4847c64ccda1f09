#include "book_view.h"

#include "../../core/amount_format.h"
#include "../../core/fiscal_year.h"
#include "../../framework/win/dc.h"
#include "../../framework/win/framework_ids.h"
#include "../../framework/win/gdi_objects.h"
#include "../../framework/win/message_box.h"
#include "../../framework/win/page_plan_drawer.h"
#include "../../framework/win/print_info.h"
#include "../../framework/win/win_app.h"
#include "../../resources/resource.h"

#include <algorithm>
#include <utility>

namespace {

const char* const kClassNames[] = {"収益", "費用(仕入.給与.税)", "費用(経費.損失)", "負債", "資産(流動)", "資産(固定)", "資本"};
constexpr COLORREF kGrey = RGB(192, 192, 192);
constexpr COLORREF kPink = RGB(255, 128, 192);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);

}  // namespace

const char* const kChooseAccount = "科目を選択して下さい。";

IMPLEMENT_DYNAMIC(CLedgerBookView, CBookFormView)

const MessageMap* CLedgerBookView::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CLedgerBookView>(
        on::Command(ID_FILE_PRINT, &CLedgerBookView::OnFilePrint),
        on::Command(ID_FILE_PRINT_DIRECT, &CLedgerBookView::OnFilePrint),
        on::Command(ID_FILE_PRINT_PREVIEW, &CLedgerBookView::OnFilePrintPreview),
        on::LButtonDown(&CLedgerBookView::OnLButtonDown));
    return &map;
}

CLedgerBookView::CLedgerBookView(UINT templateId, BookFormKind kind, const BookControls& controls, int slot,
                                 const char* title, COLORREF highlight)
    : CBookFormView(templateId, kind), m_controls(controls), m_nSlot(slot), m_pszTitle(title), m_crHighlight(highlight)
{
}

void CLedgerBookView::DoDataExchange(CDataExchange* pDX)
{
    CBookFormView::DoDataExchange(pDX);
    DDX_Control(pDX, m_controls.ledgerList, m_lbLedger);
    DDX_Control(pDX, m_controls.classList, m_lbClass);
}

void CLedgerBookView::OnInitialUpdate()
{
    CBookFormView::OnInitialUpdate();
    CMyDoc* document = GetDocument();
    m_bBackgroundKept = FALSE;
    m_nInitEntry = document->m_nCurEntry;
    PrepareLayout(document->m_nRowHeight);
    m_lbClass.SetCurSel(-1);
}

void CLedgerBookView::PrepareLayout(int rowHeight)
{
    if (rowHeight == m_nPreparedRowHeight)
        return;
    // The controls are bound to their members first (a spare form has had no update yet).
    UpdateData(FALSE);
    OnPrepareLayout(rowHeight);
    m_nPreparedRowHeight = rowHeight;
}

void CLedgerBookView::OnPrepareLayout(int rowHeight)
{
    if (rowHeight > 0) {
        const int h = rowHeight;
        m_lbLedger.SetItemHeight(0, static_cast<UINT>(h));
        // The list ends with its last whole row, so that the totals strip painted
        // below that row lies under the list, not across its lower part.
        CRect window = ControlRect(m_controls.ledgerList);
        CRect client;
        m_lbLedger.GetClientRect(&client);
        const int rows = client.Height() / h > 0 ? client.Height() / h : 1;
        m_lbLedger.MoveWindow(window.left, window.top, window.Width(),
                              window.Height() - client.Height() + rows * h, TRUE);
    }
    m_lbClass.ResetContent();
    for (const char* name : kClassNames)
        m_lbClass.AddString(name);
}

std::vector<int> CLedgerBookView::DetailFields() const
{
    const BookControls& c = m_controls;
    std::vector<int> ids = {c.date, c.desc1, c.desc2, c.remark};
    for (int i = 0; i < 3; ++i)
        ids.insert(ids.end(), {c.cause[i], c.causeAmount[i], c.result[i], c.resultAmount[i]});
    return ids;
}

std::vector<int> CLedgerBookView::DrawnItems() const
{
    std::vector<int> ids = DetailFields();
    ids.insert(ids.end(), {m_controls.connectWord, m_controls.descLabel1, m_controls.descLabel2});
    for (const GroupFrame& frame : GroupFrames())
        ids.push_back(frame.id);
    return ids;
}

void CLedgerBookView::OnLButtonDown(UINT, CPoint point)
{
    // A click into a detail field moves the focus on, as tabbing into one would.
    for (int id : DetailFields())
        if (ControlRect(id).PtInRect(point)) {
            OnSetfocusReadOnly();
            return;
        }
    Default();
}

void CLedgerBookView::SendBookCommand(unsigned int command)
{
    // The switch retires this view (hidden now, destroyed when the program is
    // idle): nothing of it is touched after the send.
    if (CWnd* mainWindow = AfxGetMainWnd())
        mainWindow->SendMessage(WM_COMMAND, command);
}

void CLedgerBookView::OnGotoSiwake() { SendBookCommand(ID_VIEW_SIWAKE); }
void CLedgerBookView::OnGotoKanjyo() { SendBookCommand(ID_VIEW_KANJYO); }
void CLedgerBookView::OnGotoKinsen() { SendBookCommand(ID_VIEW_KINSEN); }
void CLedgerBookView::OnGotoKeihi() { SendBookCommand(ID_VIEW_KEIHI); }
void CLedgerBookView::OnGotoUriage() { SendBookCommand(ID_VIEW_URIAGE); }
void CLedgerBookView::OnGotoSiire() { SendBookCommand(ID_VIEW_SIIRE); }
void CLedgerBookView::OnGotoKessan() { SendBookCommand(ID_VIEW_KESSAN); }
void CLedgerBookView::OnGotoSettei() { SendBookCommand(ID_VIEW_SETTEI); }

void CLedgerBookView::OnSetfocusReadOnly()
{
    // The detail fields only show: the focus goes to the form's first control.
    if (CWnd* first = GetWindow(GW_CHILD))
        first->SetFocus();
}

// Numbers are typed without the input method, names with it.
void CLedgerBookView::OnSetfocusImeOff() { SetImeOpen(FALSE); }
void CLedgerBookView::OnSetfocusImeOn() { SetImeOpen(TRUE); }

void CLedgerBookView::OnClickedDirection()
{
    // The radio buttons show the entry's phrase; a click is put back.
    CheckDlgButton(IDC_BOOK_RECEIVED, m_bFirstPhraseShown ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_BOOK_PAID, m_bFirstPhraseShown ? BST_UNCHECKED : BST_CHECKED);
    m_lbLedger.SetFocus();
}

void CLedgerBookView::OnSelchangeLedger()
{
    const int line = m_lbLedger.GetCurSel();
    if (line < 0)
        return;
    m_nRestoreMode = kRestoreNone;
    ShowEntryDetail(line);
    DrawListHighlight(m_nAccountRow);
}

void CLedgerBookView::FillList(CListBox& list, const std::vector<CString>& texts, const char* first)
{
    list.SendMessage(WM_SETREDRAW, FALSE);
    list.ResetContent();
    if (first)
        list.AddString(first);
    for (const CString& text : texts)
        list.AddString(text);
    list.SendMessage(WM_SETREDRAW, TRUE);
    list.Invalidate();
}

void CLedgerBookView::FillDescriptionList(CListBox& list, const std::vector<LedgerDescription>& descriptions)
{
    std::vector<CString> texts;
    texts.reserve(descriptions.size());
    for (const LedgerDescription& d : descriptions)
        texts.push_back(d.text);
    FillList(list, texts, kAllDescriptions);
    list.SetCurSel(0);
}

void CLedgerBookView::FillLedgerList()
{
    // The list writes the lines it shows from the ledger the view holds, which
    // every rebuild replaces together with the list's rows.
    m_lbLedger.ShowLines(static_cast<int>(m_ledger.lines.size()), [this](int line) {
        const CMyDoc* document = GetDocument();
        if (!document || line >= static_cast<int>(m_ledger.lines.size()))
            return CString();
        return LineText(document->m_arrJournal, m_ledger.lines[static_cast<size_t>(line)], m_ledger.layout);
    });
    m_strDebitTotal = m_ledger.debitTotal;
    m_strCreditTotal = m_ledger.creditTotal;
    m_strBalance = m_ledger.balance;
}

void CLedgerBookView::SetDlgItemText(int nID, LPCTSTR text)
{
    CString shown;
    GetDlgItemText(nID, shown);
    if (shown != CString(text))
        CBookFormView::SetDlgItemText(nID, text);
}

void CLedgerBookView::SelectLedgerLine(int line)
{
    m_lbLedger.SetCurSel(line);
}

void CLedgerBookView::ClearDetail()
{
    const BookControls& c = m_controls;
    SetDlgItemText(c.date, "");
    for (int i = 0; i < 3; ++i) {
        SetDlgItemText(c.cause[i], "");
        SetDlgItemText(c.causeAmount[i], "");
        SetDlgItemText(c.result[i], "");
        SetDlgItemText(c.resultAmount[i], "");
    }
    SetDlgItemText(c.desc1, "");
    SetDlgItemText(c.desc2, "");
    SetDlgItemText(c.remark, "");
    SetDlgItemText(c.connectWord, "");
    m_strConnectWord.Empty();
    m_lbClass.SetCurSel(-1);
    m_nConnectIndex = 0;
    m_nFilterSide = 0;
}

void CLedgerBookView::ShowEntryDetail(int nLine)
{
    CMyDoc* document = GetDocument();
    if (nLine < 0 || nLine >= static_cast<int>(m_ledger.lines.size())) {
        ClearDetail();
        ShowEntryExtras(-1);
        return;
    }
    const int index = m_ledger.lines[static_cast<size_t>(nLine)].entry;
    if (index < 0 || index >= document->m_arrJournal.GetSize()) {
        ClearDetail();
        ShowEntryExtras(-1);
        return;
    }
    document->m_nCurEntry = index;
    document->m_nCurLine = nLine;
    WriteShownAccount();
    const CMyObject2& entry = *document->m_arrJournal.GetAt(index);

    const EntryDetail detail = DescribeEntry(entry, AccountShown(), FilterShown(), m_nAccountRow);
    const BookControls& c = m_controls;
    SetDlgItemText(c.date, detail.date);
    for (int i = 0; i < 3; ++i) {
        SetDlgItemText(c.cause[i], detail.accounts[i]);
        SetDlgItemText(c.causeAmount[i], detail.amounts[i]);
        SetDlgItemText(c.result[i], detail.accounts[i + 3]);
        SetDlgItemText(c.resultAmount[i], detail.amounts[i + 3]);
    }
    SetDlgItemText(c.descLabel1, "摘要1");
    SetDlgItemText(c.descLabel2, "摘要2");
    SetDlgItemText(c.desc1, detail.causeDescription);
    SetDlgItemText(c.desc2, detail.resultDescription);
    m_nAccountRow = detail.accountRow;
    m_nFilterSide = FramesDescriptions() ? detail.filterSide : 0;
    m_lbClass.SetCurSel(detail.classSelection);
    m_nConnectIndex = detail.connectIndex;
    SetDlgItemText(c.remark, detail.remark);

    m_bFirstPhraseShown = detail.firstPhrase ? TRUE : FALSE;
    CheckDlgButton(IDC_BOOK_RECEIVED, detail.firstPhrase ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_BOOK_PAID, detail.firstPhrase ? BST_UNCHECKED : BST_CHECKED);

    const PanelWords words = LookupPanelWords(document->m_arrDictionary, entry.m_strCause1, detail.resultAccount,
                                              m_nConnectIndex);
    if (words.causeFound) {
        document->SetConnectWords(entry.m_strCause1);
    } else {
        // An account the dictionary does not hold: nothing of the previous entry stays.
        m_lbClass.SetCurSel(-1);
        m_nConnectIndex = 0;
    }
    m_strConnectWord = words.connectWord;
    m_strIncreasePhrase = words.increasePhrase;
    m_strDecreasePhrase = words.decreasePhrase;
    SetDlgItemText(c.connectWord, m_strConnectWord);
    SetDlgItemText(IDC_BOOK_RECEIVED, m_strIncreasePhrase);
    SetDlgItemText(IDC_BOOK_PAID, m_strDecreasePhrase);

    WriteHandOver(entry);
    ShowEntryExtras(index);
}

void CLedgerBookView::WriteHandOver(const CMyObject2& entry)
{
    CMyDoc* document = GetDocument();
    document->m_strExpenseAccount = ExpenseRowOf(entry).account;
    document->m_strBookCodes = BookDigits(entry);
}

int CLedgerBookView::LastWholeRowBottom(int rowHeight) const
{
    const int h = ShownRowHeight(rowHeight);
    const CRect list = ControlRect(m_controls.ledgerList);
    return list.bottom - (list.Height() % h);
}

void CLedgerBookView::PlaceTotalsStrip(int rowHeight)
{
    const int y = LastWholeRowBottom(rowHeight) + 4;
    for (int id : {m_controls.totals[1], m_controls.totals[2], m_controls.totals[4], m_controls.totals[0],
                   m_controls.totals[3]}) {
        const CRect cell = ControlRect(id);
        if (CWnd* control = GetDlgItem(id))
            control->MoveWindow(cell.left, y, cell.Width(), cell.Height(), TRUE);
    }
}

void CLedgerBookView::DrawFrame(CDC* pDC, int left, int top, int right, int bottom, COLORREF colour, int width)
{
    DrawFrameLines(pDC, left, top, right, bottom, colour, width);
}

void CLedgerBookView::DrawFieldFrame(CDC* pDC, int left, int top, int right, int bottom, COLORREF colour, int width)
{
    DrawFrame(pDC, left + m_nScrollX, top + m_nScrollY, right + m_nScrollX, bottom + m_nScrollY, colour, width);
}

void CLedgerBookView::DrawRaisedFrame(CDC* pDC, int left, int top, int right, int bottom)
{
    DrawFrame(pDC, left - 1, top - 1, right, bottom, kGrey, 1);
    CRect rect(left, top, right, bottom);
    pDC->DrawEdge(&rect, EDGE_RAISED, BF_RECT);
}

void CLedgerBookView::DrawConnector(CDC* pDC, int width)
{
    const CRect w = ControlRect(m_controls.connectWord);
    CPen pen;
    pen.CreatePen(PS_SOLID, width, RGB(0, 0, 0));
    CPen* previous = pDC->SelectObject(&pen);
    const int dx = m_nScrollX;
    const int dy = m_nScrollY;
    pDC->MoveTo(w.left + 3 + dx, w.top - 3 + dy);
    pDC->LineTo(w.right - 3 + dx, w.top - 3 + dy);
    pDC->MoveTo(w.left + 3 + dx, w.bottom + 3 + dy);
    pDC->LineTo(w.right - 3 + dx, w.bottom + 3 + dy);
    pDC->SelectObject(previous);
}

void CLedgerBookView::DrawDetailConnectors(CDC* pDC, int accountRow)
{
    const BookControls& c = m_controls;
    const int dx = m_nScrollX;
    const int dy = m_nScrollY;
    int causeRow = 1;
    int resultRow = 1;
    if (accountRow >= 0 && IsCauseRow(accountRow))
        causeRow = accountRow + 1;
    else if (accountRow >= 3 && accountRow < kEntryRows)
        resultRow = accountRow - 2;
    const CRect cls = ControlRect(c.classList);
    const CRect ca = ControlRect(c.cause[causeRow - 1]);
    const CRect ra = ControlRect(c.result[resultRow - 1]);
    const CRect rm1 = ControlRect(c.resultAmount[0]);
    const CRect rm3 = ControlRect(c.resultAmount[2]);
    const CRect rms = ControlRect(c.resultAmount[resultRow - 1]);
    const CRect button = ControlRect(IDC_BOOK_RECEIVED);
    const CRect d1l = ControlRect(c.descLabel1);
    const CRect d2l = ControlRect(c.descLabel2);

    FillPanel(pDC, cls.right + 2 + dx, cls.top + dy, ca.left - 1 + dx, cls.bottom + dy, m_crBackground);
    const POINT funnel[] = {{cls.right + 3 + dx, cls.top + dy},
                            {ca.left - 2 + dx, ca.top + dy},
                            {ca.left - 2 + dx, ca.bottom + dy},
                            {cls.right + 3 + dx, cls.bottom + dy}};
    pDC->Polygon(funnel, 4);

    CPen blue;
    blue.CreatePen(PS_SOLID, 1, kBlue);
    CPen* previous = pDC->SelectObject(&blue);
    auto bracket = [&](const CRect& from, const CRect& label) {
        pDC->MoveTo(from.left - 5 + dx, from.bottom - 8 + dy);
        pDC->LineTo(from.left - 1 + dx, from.bottom - 8 + dy);
        pDC->MoveTo(from.left - 5 + dx, from.bottom - 8 + dy);
        pDC->LineTo(label.left - 5 + dx, label.top + 6 + dy);
        pDC->MoveTo(label.left - 5 + dx, label.top + 6 + dy);
        pDC->LineTo(label.left - 1 + dx, label.top + 6 + dy);
    };
    bracket(ca, d1l);
    pDC->SelectObject(previous);
    for (int i = 0; i < 3; ++i) {
        const CRect f = ControlRect(c.cause[i]);
        DrawFieldFrame(pDC, f.left - 1, f.top - 1, f.right + 1, f.bottom + 1,
                       accountRow == i ? m_crHighlight : m_crBackground, 2);
    }
    if (FramesDescriptions()) {
        const CRect f = ControlRect(c.desc1);
        DrawFieldFrame(pDC, f.left - 1, f.top - 1, f.right + 1, f.bottom + 1,
                       m_nFilterSide == 1 ? m_crDescriptionFrame : m_crBackground, 2);
    }
    const CRect ra1 = ControlRect(c.result[0]);
    FillPanel(pDC, ra1.left - 5 + dx, ra1.top + 11 + dy, d2l.left - 1 + dx, d2l.top + 8 + dy, m_crBackground);
    previous = pDC->SelectObject(&blue);
    bracket(ra, d2l);
    pDC->SelectObject(previous);

    FillPanel(pDC, rm1.right + dx, rm1.top - 9 + dy, button.right + 8 + dx, rm1.top - 3 + dy, m_crBackground);
    FillPanel(pDC, button.right + dx, rm1.top - 9 + dy, button.right + 8 + dx, rm3.bottom + 9 + dy, m_crBackground);
    FillPanel(pDC, rm1.right + dx, rm3.bottom + 3 + dy, button.right + 8 + dx, rm3.bottom + 9 + dy, m_crBackground);
    FillPanel(pDC, rm1.right + dx, rm1.top - 9 + dy, rm1.right + 16 + dx, rm3.bottom + 9 + dy, m_crBackground);
    const POINT direction[] = {{rms.right + dx, rms.top - 9 + dy},       {rms.right + 12 + dx, rms.top - 9 + dy},
                               {rm1.right + 12 + dx, rm1.top - 9 + dy},  {button.right + 4 + dx, rm1.top - 9 + dy},
                               {button.right + 4 + dx, rm3.bottom + 6 + dy}, {rm1.right + 12 + dx, rm3.bottom + 6 + dy},
                               {rms.right + 12 + dx, rms.bottom + 6 + dy}, {rms.right + dx, rms.bottom + 6 + dy}};
    pDC->Polyline(direction, 8);
    for (int i = 0; i < 3; ++i) {
        const CRect f = ControlRect(c.result[i]);
        DrawFieldFrame(pDC, f.left - 1, f.top - 1, f.right + 1, f.bottom + 1,
                       accountRow == i + 3 ? m_crHighlight : m_crBackground, 2);
    }
    if (FramesDescriptions()) {
        const CRect f = ControlRect(c.desc2);
        DrawFieldFrame(pDC, f.left - 1, f.top - 1, f.right + 1, f.bottom + 1,
                       m_nFilterSide == 2 ? m_crDescriptionFrame : m_crBackground, 2);
    }
}

void CLedgerBookView::DrawListHighlight(int nAccountRow)
{
    m_nScrollX = 0;
    m_nScrollY = 0;
    CClientDC dc(this);
    if (!m_bBackgroundKept)
        m_crBackground = ::GetSysColor(COLOR_3DFACE);
    DrawDetailConnectors(&dc, nAccountRow);
}

void CLedgerBookView::DrawGroupFrame(CDC* pDC, int id, COLORREF colour)
{
    const CRect r = ControlRect(id);
    DrawFrame(pDC, r.left + 8 + m_nScrollX, r.top + 14 + m_nScrollY, r.right - 8 + m_nScrollX,
              r.bottom - 8 + m_nScrollY, colour, 5);
}

void CLedgerBookView::PaintTotals(CDC* pDC)
{
    const int h = ShownRowHeight(GetDocument()->m_nRowHeight);
    const int y = LastWholeRowBottom(h) + 8 + m_nScrollY;
    struct Cell {
        CString text;
        UINT align;
        UINT sides;
    };
    const bool built = !m_strDebitTotal.IsEmpty();
    const Cell cells[] = {
        {"合計", DT_CENTER, BF_LEFT | BF_BOTTOM},
        {built ? FormatAmount(m_strDebitTotal, m_nAmountWidth) + "  " : CString(), DT_RIGHT, BF_BOTTOM},
        {built ? FormatAmount(m_strCreditTotal, m_nAmountWidth) + "  " : CString(), DT_RIGHT, BF_RIGHT | BF_BOTTOM},
        {"期末残高", DT_CENTER, BF_LEFT | BF_BOTTOM},
        {built ? FormatAmount(m_strBalance, m_nAmountWidth) + "   " : CString(), DT_RIGHT, BF_RIGHT | BF_BOTTOM},
    };
    for (int i = 0; i < 5; ++i) {
        const CRect cell = ControlRect(m_controls.totals[static_cast<size_t>(i)]);
        const int left = cell.left + m_nScrollX;
        const int right = cell.right + m_nScrollX;
        FillPanel(pDC, left, y - 2, right, y + h, kWhite);
        CRect text(left, y, right, y + h);
        pDC->DrawText(cells[i].text, &text, cells[i].align | DT_SINGLELINE | DT_NOPREFIX);
        CRect edge(left, y - 2, right, y + h);
        pDC->DrawEdge(&edge, EDGE_RAISED, cells[i].sides);
    }
}

void CLedgerBookView::DrawTotals()
{
    m_nScrollX = 0;
    m_nScrollY = 0;
    CClientDC dc(this);
    CFont font;
    const int size = GetDocument()->m_nFontSize;
    font.CreatePointFont(10 * size + size / 3, "ＭＳ ゴシック", &dc);
    CFont* previous = dc.SelectObject(&font);
    PaintTotals(&dc);
    dc.SelectObject(previous);
}

void CLedgerBookView::OnDraw(CDC* pDC)
{
    CMyDoc* document = GetDocument();
    const CPoint scroll = GetScrollPosition();
    m_nScrollX = scroll.x;
    m_nScrollY = scroll.y;
    if (!m_bBackgroundKept) {
        m_crBackground = pDC->GetBkColor();
        m_bBackgroundKept = TRUE;
    }
    const auto& l = document->m_nLayout;
    if (document->m_bLayoutDone) {
        const int xa = l[0] + m_nSlot * l[3] + l[4];
        const int xb = l[0] + (m_nSlot + 1) * l[3] - l[4];
        DrawRaisedFrame(pDC, xa, l[1], xb, l[2] - 2);
        DrawRaisedFrame(pDC, l[5], l[6], l[7], l[8]);
        FillPanel(pDC, xa + 6, l[1] + 3, xb - 6, l[1] + 7, kPink);
        FillPanel(pDC, xa + 3, l[2] - 6, xb - 3, l[2] + 1, m_crBackground);
        CFont titleFont;
        titleFont.CreatePointFont(11 * document->m_nFontSize, "ＭＳ ゴシック", pDC);
        CFont* previous = pDC->SelectObject(&titleFont);
        CRect title(xa, l[1] + 10, xb, l[2]);
        pDC->DrawText(m_pszTitle, &title, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
        pDC->SelectObject(previous);
    }
    for (const GroupFrame& frame : GroupFrames())
        DrawGroupFrame(pDC, frame.id, frame.colour);
    DrawConnector(pDC, 1);
    DrawDetailConnectors(pDC, m_nAccountRow);
    CFont totalsFont;
    const int size = document->m_nFontSize;
    totalsFont.CreatePointFont(10 * size + size / 3, "ＭＳ ゴシック", pDC);
    CFont* previous = pDC->SelectObject(&totalsFont);
    PaintTotals(pDC);
    pDC->SelectObject(previous);
}

BOOL CLedgerBookView::PreparePrintJob()
{
    CMyDoc* document = GetDocument();
    m_printJob = PrintJob();
    m_printJob.book = PrintBookKind();
    m_printJob.journal = &document->m_arrJournal;
    m_printJob.account = AccountShown();
    m_printJob.filter = m_strDescFilter;
    m_printJob.year = FiscalYearOf(document->m_arrJournal);
    m_printJob.lines = m_ledger.lines;
    if (m_printJob.lines.empty()) {
        if (m_printJob.book != PrintBook::Cash)
            AfxMessageBox(kChooseAccount, MB_OK);
        return FALSE;
    }
    m_printJob.pages = PaginateLedger(m_printJob.lines);
    return TRUE;
}

void CLedgerBookView::DrawPrintPage(CDC* pDC, int page)
{
    DrawPagePlan(pDC, page <= 1 ? PlanLedgerCover(m_printJob) : PlanLedgerPage(m_printJob, page - 1));
}

BOOL CLedgerBookView::OnPreparePrinting(CPrintInfo* pInfo)
{
    // The job has told the user why there is nothing to print.
    if (!PreparePrintJob())
        return FALSE;
    pInfo->SetMaxPage(static_cast<UINT>(PrintPageCount()));
    return DoPreparePrinting(pInfo);
}

void CLedgerBookView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    pInfo->ResetPaper(pDC, DMPAPER_A4, DMORIENT_PORTRAIT);
    CBookFormView::OnBeginPrinting(pDC, pInfo);
}

void CLedgerBookView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    DrawPrintPage(pDC, static_cast<int>(pInfo->m_nCurPage));
}

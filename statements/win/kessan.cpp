#include "kessan.h"

#include "../../core/win/form_painting.h"
#include "../../framework/win/data_exchange.h"
#include "../../framework/win/dc.h"
#include "../../framework/win/framework_ids.h"
#include "../../framework/win/gdi_objects.h"
#include "../../framework/win/message_box.h"
#include "../../framework/win/page_plan_drawer.h"
#include "../../framework/win/print_info.h"
#include "../../framework/win/win_app.h"
#include "../../resources/resource.h"

#include <algorithm>

namespace {

// Posted by the paint when a computation found an unsettled cash discrepancy.
constexpr UINT WM_KESSAN_AFTER_PAINT = WM_APP + 0x151;

const char kTaxPaused[] = "消費税額表示は休止中です。";
const char kDeductionCaption[] = "青色申告の特別控除金額";
const char* const kPageTitles[] = {"残高計算書", "損益計算書", "売上仕入月集計", "貸借対照表"};
const int kPageButtons[] = {IDC_KESSAN_TRIAL_BALANCE, IDC_KESSAN_PROFIT_LOSS, IDC_KESSAN_MONTHLY,
                            IDC_KESSAN_BALANCE_SHEET};
// The controls of the row under the page buttons that no page shows.
const int kHiddenRowControls[] = {
    IDC_KESSAN_RECOUNT,          IDC_KESSAN_INTERIM,          IDC_KESSAN_INTERIM_LABEL,
    IDC_KESSAN_INTERIM_UNIT,     IDC_KESSAN_INTERIM_TRANSFER, IDC_KESSAN_INTERIM_TRANSFER_LABEL,
    IDC_KESSAN_INTERIM_TRANSFER_UNIT,
};

void DrawFrame(CDC* pDC, int left, int top, int right, int bottom, COLORREF color, int width)
{
    CPen pen(PS_SOLID, width, color);
    CPen* old = pDC->SelectObject(&pen);
    pDC->MoveTo(left, top);
    pDC->LineTo(right, top);
    pDC->LineTo(right, bottom);
    pDC->LineTo(left, bottom);
    pDC->LineTo(left, top);
    pDC->SelectObject(old);
}

}  // namespace

IMPLEMENT_DYNCREATE(kessan, CBookFormView)

const MessageMap* kessan::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<kessan>(
        on::Command(ID_FILE_PRINT, &kessan::OnFilePrint),
        on::Command(ID_FILE_PRINT_DIRECT, &kessan::OnFilePrint),
        on::Command(ID_FILE_PRINT_PREVIEW, &kessan::OnFilePrintPreview),
        on::Control(BN_CLICKED, IDC_KESSAN_TRIAL_BALANCE, &kessan::OnTrialBalance),
        on::Control(BN_CLICKED, IDC_KESSAN_PROFIT_LOSS, &kessan::OnProfitLoss),
        on::Control(BN_CLICKED, IDC_KESSAN_MONTHLY, &kessan::OnMonthly),
        on::Control(BN_CLICKED, IDC_KESSAN_BALANCE_SHEET, &kessan::OnBalanceSheet),
        on::Control(BN_CLICKED, IDC_KESSAN_CONSUMPTION_TAX, &kessan::OnConsumptionTax),
        on::Control(BN_CLICKED, IDC_KESSAN_GOTO_SIWAKE, &kessan::OnGotoSiwake),
        on::Control(BN_CLICKED, IDC_KESSAN_GOTO_KANJYO, &kessan::OnGotoKanjyo),
        on::Control(BN_CLICKED, IDC_KESSAN_GOTO_KINSEN, &kessan::OnGotoKinsen),
        on::Control(BN_CLICKED, IDC_KESSAN_GOTO_KEIHI, &kessan::OnGotoKeihi),
        on::Control(BN_CLICKED, IDC_KESSAN_GOTO_SETTEI, &kessan::OnGotoSettei),
        on::Control(BN_CLICKED, IDC_KESSAN_GOTO_URIAGE, &kessan::OnGotoUriage),
        on::Control(BN_CLICKED, IDC_KESSAN_GOTO_SIIRE, &kessan::OnGotoSiire),
        on::Control(LBN_SETFOCUS, IDC_KESSAN_LINES, &kessan::OnSetfocusReadOnly),
        on::Control(CBN_SELCHANGE, IDC_KESSAN_DEDUCTION, &kessan::OnSelchangeDeduction),
        on::Control(CBN_EDITCHANGE, IDC_KESSAN_DEDUCTION, &kessan::OnEditchangeDeduction),
        on::Message(WM_KESSAN_AFTER_PAINT, &kessan::OnAfterPaint));
    return &map;
}

kessan::kessan() : CBookFormView(IDD_KESSAN, {kBookStatements, BookMenuRole::OtherBook}) {}

void kessan::DoDataExchange(CDataExchange* pDX)
{
    CBookFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KESSAN_DEDUCTION_LABEL, m_stDeduction);
    DDX_Control(pDX, IDC_KESSAN_PROFIT_LOSS, m_btnProfitLoss);
    DDX_Control(pDX, IDC_KESSAN_CONSUMPTION_TAX, m_btnTax);
    DDX_Control(pDX, IDC_KESSAN_MONTHLY, m_btnMonthly);
    DDX_Control(pDX, IDC_KESSAN_BALANCE_SHEET, m_btnBalanceSheet);
    DDX_Control(pDX, IDC_KESSAN_TRIAL_BALANCE, m_btnTrialBalance);
    DDX_Control(pDX, IDC_KESSAN_DEDUCTION, m_comboDeduction);
    DDX_Control(pDX, IDC_KESSAN_LINES, m_listStatement);
}

void kessan::OnInitialUpdate()
{
    CBookFormView::OnInitialUpdate();
    m_btnTrialBalance.ShowWindow(SW_HIDE);
    m_bBackKnown = 0;
    const int h = GetDocument()->m_nRowHeight;
    if (h > 0)
        m_comboDeduction.SetItemHeight(0, static_cast<UINT>(h - h / 5));
    m_comboDeduction.SetCurSel(0);
    m_nNameWidth = kNameWidth;
    m_nAmountWidth = kScreenAmountWidth;
    m_bCashUnsettled = 0;
    FitListRowsToCharacters();
    CollectAccountTotals();
    OnTrialBalance();
}

void kessan::FitListRowsToCharacters()
{
    // Rows exactly one character high, so that the vertical rules of the box
    // characters join from one line to the next.
    CClientDC dc(&m_listStatement);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(m_listStatement.SendMessage(WM_GETFONT));
    HGDIOBJ old = font ? ::SelectObject(dc.GetSafeHdc(), font) : nullptr;
    TEXTMETRICA metrics{};
    dc.GetTextMetrics(&metrics);
    if (old)
        ::SelectObject(dc.GetSafeHdc(), old);
    const int height = metrics.tmHeight - metrics.tmInternalLeading;
    if (height > 0)
        m_listStatement.SetItemHeight(0, static_cast<UINT>(height));
    m_nCharWidth = metrics.tmAveCharWidth;
}

Journal kessan::JournalArray() const
{
    const CMyDoc* document = GetDocument();
    Journal journal;
    journal.reserve(static_cast<std::size_t>(document->m_arrJournal.GetSize()));
    for (int i = 0; i < document->m_arrJournal.GetSize(); ++i)
        journal.push_back(document->m_arrJournal.GetAt(i));
    return journal;
}

void kessan::CollectAccountTotals()
{
    m_totals = ::CollectAccountTotals(JournalArray());
    m_strFiscalYear = m_totals.fiscalYear;
}

CButton& kessan::PageButton(int page)
{
    switch (page) {
    case kPageProfitLoss: return m_btnProfitLoss;
    case kPageMonthly: return m_btnMonthly;
    case kPageBalanceSheet: return m_btnBalanceSheet;
    default: return m_btnTrialBalance;
    }
}

void kessan::ShowLeftPageButton()
{
    PageButton(m_nPage).ShowWindow(SW_SHOW);
}

void kessan::ShowPageLines(int page)
{
    // The list is filled and widened while hidden: its scroll bars then come and
    // go without redrawing the list's frame each time, and it is painted once,
    // complete. A list holding the focus stays shown, so the focus stays put.
    const bool hide = (m_listStatement.GetStyle() & WS_VISIBLE) && ::GetFocus() != m_listStatement.GetSafeHwnd();
    if (hide)
        m_listStatement.ShowWindow(SW_HIDE);
    m_listStatement.SendMessage(WM_SETREDRAW, FALSE);
    m_listStatement.ResetContent();
    int widest = 0;
    for (const CString& line : StatementLines(page, m_arrRows, m_nNameWidth, m_nAmountWidth)) {
        m_listStatement.AddString(line);
        widest = std::max(widest, line.GetLength());
    }
    // The widest page is wider than the list: it scrolls sideways (a fixed-pitch
    // font: one byte is one average character width).
    m_listStatement.SendMessage(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest * m_nCharWidth));
    m_listStatement.SendMessage(WM_SETREDRAW, TRUE);
    m_listStatement.Invalidate();
    if (hide)
        m_listStatement.ShowWindow(SW_SHOW);
}

void kessan::FinishPage(int page)
{
    ShowLeftPageButton();
    m_nPage = page;
    PageButton(page).ShowWindow(SW_HIDE);
    Invalidate(TRUE);
}

void kessan::ComputeTrialBalance()
{
    TrialBalancePage page = ::ComputeTrialBalance(m_totals, JournalArray(), m_nAmountWidth);
    m_arrRows = std::move(page.rows);
    m_bCashUnsettled = page.cashUnsettled ? 1 : 0;
    for (const CString& message : page.messages)
        AfxMessageBox(message, MB_OK);
}

void kessan::OnTrialBalance()
{
    CWaitCursor wait;
    m_comboDeduction.ShowWindow(SW_HIDE);
    m_stDeduction.ShowWindow(SW_HIDE);
    for (int id : kHiddenRowControls)
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(SW_HIDE);
    m_nCellMode = 0;
    ComputeTrialBalance();
    wait.Restore();
    ShowPageLines(kPageTrialBalance);
    FinishPage(kPageTrialBalance);
}

void kessan::ComputeProfitLoss()
{
    // The pending choice is used once; without one the combo box's text counts.
    CString deduction = m_strDeductionText;
    m_strDeductionText.Empty();
    if (deduction.IsEmpty())
        m_comboDeduction.GetWindowText(deduction);
    m_arrRows = ::ComputeProfitLoss(m_totals, deduction, m_nAmountWidth).rows;
}

void kessan::OnProfitLoss()
{
    CWaitCursor wait;
    CMyDoc* document = GetDocument();
    const int choice = ValidDeductionChoice(document->m_nDeduction);
    m_comboDeduction.ResetContent();
    for (const CString& item : DeductionItems())
        m_comboDeduction.AddString(item);
    m_comboDeduction.SetCurSel(choice);
    m_stDeduction.SetWindowText(kDeductionCaption);
    m_strDeductionText = DeductionItems()[static_cast<std::size_t>(choice)];
    m_comboDeduction.ShowWindow(SW_SHOW);
    m_stDeduction.ShowWindow(SW_SHOW);
    m_nCellMode = 1;
    ComputeProfitLoss();
    ShowPageLines(kPageProfitLoss);
    FinishPage(kPageProfitLoss);
}

void kessan::ComputeMonthly()
{
    m_arrRows = ::ComputeMonthly(m_totals, JournalArray(), m_nAmountWidth);
}

void kessan::OnMonthly()
{
    CWaitCursor wait;
    m_comboDeduction.ShowWindow(SW_HIDE);
    m_stDeduction.ShowWindow(SW_HIDE);
    ComputeMonthly();
    ShowPageLines(kPageMonthly);
    FinishPage(kPageMonthly);
}

void kessan::ComputeBalanceSheet()
{
    BalanceSheetPage page = ::ComputeBalanceSheet(m_totals, m_nAmountWidth);
    m_arrRows = std::move(page.rows);
    m_bCashUnsettled = page.cashUnsettled ? 1 : 0;
}

void kessan::OnBalanceSheet()
{
    CWaitCursor wait;
    m_comboDeduction.ShowWindow(SW_HIDE);
    m_stDeduction.ShowWindow(SW_HIDE);
    m_nCellMode = 1;
    ComputeBalanceSheet();
    ShowPageLines(kPageBalanceSheet);
    FinishPage(kPageBalanceSheet);
}

void kessan::OnConsumptionTax()
{
    AfxMessageBox(kTaxPaused, MB_OK);
}

void kessan::OnSelchangeDeduction()
{
    if (m_nPage != kPageProfitLoss)
        return;
    const int index = m_comboDeduction.GetCurSel();
    if (index < 0)
        return;
    GetDocument()->m_nDeduction = index;
    m_comboDeduction.GetLBText(index, m_strDeductionText);
    OnProfitLoss();
}

void kessan::OnEditchangeDeduction()
{
    if (m_nPage == kPageProfitLoss)
        OnProfitLoss();
}

void kessan::OnSetfocusReadOnly()
{
    if (CWnd* first = GetWindow(GW_CHILD))
        first->SetFocus();
}

void kessan::SwitchBook(UINT command)
{
    // The switch retires this view (hidden now, destroyed when the program is
    // idle): nothing of it is touched after the send.
    if (CWnd* mainWindow = AfxGetMainWnd())
        mainWindow->SendMessage(WM_COMMAND, command);
}

void kessan::OnGotoSiwake() { SwitchBook(ID_VIEW_SIWAKE); }
void kessan::OnGotoKanjyo() { SwitchBook(ID_VIEW_KANJYO); }
void kessan::OnGotoKinsen() { SwitchBook(ID_VIEW_KINSEN); }
void kessan::OnGotoKeihi() { SwitchBook(ID_VIEW_KEIHI); }
void kessan::OnGotoSettei() { SwitchBook(ID_VIEW_SETTEI); }
void kessan::OnGotoUriage() { SwitchBook(ID_VIEW_URIAGE); }
void kessan::OnGotoSiire() { SwitchBook(ID_VIEW_SIIRE); }

void kessan::OnDraw(CDC* pDC)
{
    const CPoint scroll = GetScrollPosition();
    m_nScrollX = scroll.x;
    m_nScrollY = scroll.y;
    if (!m_bBackKnown) {
        m_crBack = pDC->GetBkColor();
        m_bBackKnown = 1;
    }
    const CMyDoc* document = GetDocument();
    const auto& L = document->m_nLayout;
    const int f = document->m_nFontSize;
    if (L[3] > 0) {
        const int x0 = L[0] + 6 * L[3] + L[4];
        const int x1 = L[0] + 7 * L[3] - L[4];
        DrawSunkenFrame(pDC, x0, L[1], x1, L[2] - 2);
        DrawSunkenFrame(pDC, L[5], L[6], L[7], L[8]);
        FillPanel(pDC, x0 + 6, L[1] + 3, x1 - 6, L[1] + 7, RGB(255, 128, 192));
        FillPanel(pDC, x0 + 3, L[2] - 6, x1 - 3, L[2] + 1, m_crBack);
        WriteCentred(pDC, "決算", CRect(x0, L[1] + 10, x1, L[2]), f * 11);
    }
    DrawPageTab(pDC, m_nPage, kPageTitles[m_nPage >= 0 && m_nPage < 4 ? m_nPage : 0]);

    // What the computation found is reported once the page has been painted, by a
    // message of its own: a paint shows nothing.
    if (m_bCashUnsettled && !m_bCashReportPosted) {
        m_bCashReportPosted = TRUE;
        PostMessage(WM_KESSAN_AFTER_PAINT);
    }
}

LRESULT kessan::OnAfterPaint(WPARAM, LPARAM)
{
    m_bCashReportPosted = FALSE;
    if (m_bCashUnsettled) {
        m_bCashUnsettled = 0;
        AfxMessageBox(kCashUnsettledMessage, MB_OK);
    }
    return 0;
}

void kessan::DrawPageTab(CDC* pDC, int page, const CString& title)
{
    const int f = GetDocument()->m_nFontSize;
    const int g = 2 * f / 3;
    auto clientRect = [&](int id) {
        CRect rect;
        GetDlgItem(id)->GetWindowRect(&rect);
        ScreenToClient(&rect);
        rect.OffsetRect(m_nScrollX, m_nScrollY);
        return rect;
    };
    const CRect B = clientRect(kPageButtons[page >= 0 && page < 4 ? page : 0]);
    const CRect T(B.left - f, B.top - g, B.right + f, B.bottom + g);
    const CRect S = clientRect(IDC_KESSAN_LINES);
    const CRect P(S.left - 2 * g, T.bottom, S.right + 2 * g, S.bottom + 2 * g);
    DrawSunkenFrame(pDC, T.left, T.top, T.right, T.bottom);
    DrawSunkenFrame(pDC, P.left, P.top, P.right, P.bottom);
    FillPanel(pDC, T.left + 3, T.bottom - 5, T.right - 3, T.bottom + 4, m_crBack);
    const COLORREF green = RGB(128, 255, 128);
    DrawFrame(pDC, P.left + 7, T.bottom + 7, P.right - 7, P.bottom - 7, green, 5);
    DrawFrame(pDC, T.left + 7, T.top + 7, T.right - 7, T.bottom + 4, green, 5);
    FillPanel(pDC, T.left + 10, T.bottom - 3, T.right - 9, T.bottom + 12, m_crBack);
    WriteCentred(pDC, title, CRect(B.left, B.top + g, B.right, B.bottom), f * 11);
}

int kessan::BeginPrintJob()
{
    const Journal journal = JournalArray();
    switch (m_nPage) {
    case kPageTrialBalance:
        // Its checks were reported with the screen page; the print shows none.
        m_arrPrintRows = ::ComputeTrialBalance(m_totals, journal, kPrintAmountWidth).rows;
        break;
    case kPageProfitLoss: {
        CString deduction;
        m_comboDeduction.GetWindowText(deduction);
        if (deduction.IsEmpty())
            deduction = DeductionItems()[static_cast<std::size_t>(ValidDeductionChoice(GetDocument()->m_nDeduction))];
        m_arrPrintRows = ::ComputeProfitLoss(m_totals, deduction, kPrintAmountWidth).rows;
        break;
    }
    case kPageMonthly:
        m_arrPrintRows = ::ComputeMonthly(m_totals, journal, kPrintAmountWidth);
        break;
    default:
        m_arrPrintRows = ::ComputeBalanceSheet(m_totals, kPrintAmountWidth).rows;
        break;
    }
    m_arrPages = Paginate(static_cast<int>(m_arrPrintRows.size()), PrintLayoutOf(m_nPage).rowsPerPage);
    return static_cast<int>(m_arrPages.size());
}

BOOL kessan::OnPreparePrinting(CPrintInfo* pInfo)
{
    const int pages = BeginPrintJob();
    if (pages == 0)
        return FALSE;
    pInfo->SetMaxPage(static_cast<UINT>(pages));
    return DoPreparePrinting(pInfo);
}

void kessan::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    pInfo->ResetPaper(pDC, DMPAPER_A4, PrintLayoutOf(m_nPage).landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT);
    CBookFormView::OnBeginPrinting(pDC, pInfo);
}

void kessan::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    PrintPage(pDC, static_cast<int>(pInfo->m_nCurPage) - 1);
}

void kessan::PrintPage(CDC* pDC, int pageIndex)
{
    DrawPagePlan(pDC, LayOutPrintedPage(m_nPage, m_arrPrintRows, m_arrPages, pageIndex, m_strFiscalYear));
}

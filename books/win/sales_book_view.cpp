#include "sales_book_view.h"

#include "../../core/amount_format.h"
#include "../../framework/win/dc.h"
#include "../../framework/win/message_box.h"
#include "../../framework/win/page_plan_drawer.h"
#include "../../framework/win/print_info.h"
#include "../../resources/resource.h"

#include <algorithm>
#include <utility>

namespace {

const BookControls kControls = {
    IDC_SALES_LEDGER,
    IDC_SALES_DATE,
    IDC_SALES_CLASS,
    {IDC_SALES_CAUSE1, IDC_SALES_CAUSE2, IDC_SALES_CAUSE3},
    {IDC_SALES_CAUSE_AMOUNT1, IDC_SALES_CAUSE_AMOUNT2, IDC_SALES_CAUSE_AMOUNT3},
    IDC_SALES_CONNECT_WORD,
    {IDC_SALES_RESULT1, IDC_SALES_RESULT2, IDC_SALES_RESULT3},
    {IDC_SALES_RESULT_AMOUNT1, IDC_SALES_RESULT_AMOUNT2, IDC_SALES_RESULT_AMOUNT3},
    IDC_SALES_DESC1_LABEL,
    IDC_SALES_DESC2_LABEL,
    IDC_SALES_DESC1,
    IDC_SALES_DESC2,
    IDC_SALES_REMARK,
    IDC_SALES_DETAIL_GROUP,
    {IDC_SALES_TOTAL_LABEL, IDC_SALES_DEBIT_TOTAL, IDC_SALES_CREDIT_TOTAL, IDC_SALES_BALANCE_LABEL, IDC_SALES_BALANCE},
};

const char* const kUnits[] = {"", "個", "枚", "本", "冊", "㎏", "㎡", "ｍ", "ﾀﾞｰｽ"};
const char* const kCurrencies[] = {"円", "㌦", "元"};

struct ItemColumn {
    const char* heading;
    int halfRows;  // the width in half row heights
};
const ItemColumn kItemColumns[] = {{"     品名", 15}, {"   数量", 10}, {"単位", 4}, {"   単価", 10}, {"    金額", 16}};
// The pixels a cell needs beside its text, and the narrowest name column in half rows.
constexpr int kItemCellMargin = 6;
constexpr int kItemNameMinHalfRows = 6;

}  // namespace

IMPLEMENT_DYNAMIC(CSalesBookView, CLedgerBookView)

const MessageMap* CSalesBookView::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CSalesBookView>(
        on::Control(BN_CLICKED, IDC_SALES_GOTO_SIWAKE, &CSalesBookView::OnGotoSiwake),
        on::Control(BN_CLICKED, IDC_SALES_GOTO_KANJYO, &CSalesBookView::OnGotoKanjyo),
        on::Control(BN_CLICKED, IDC_SALES_GOTO_KINSEN, &CSalesBookView::OnGotoKinsen),
        on::Control(BN_CLICKED, IDC_SALES_GOTO_KEIHI, &CSalesBookView::OnGotoKeihi),
        on::Control(BN_CLICKED, IDC_SALES_GOTO_KESSAN, &CSalesBookView::OnGotoKessan),
        on::Control(BN_CLICKED, IDC_SALES_GOTO_SETTEI, &CSalesBookView::OnGotoSettei),
        on::Control(BN_CLICKED, IDC_SALES_EDIT_IN_JOURNAL, &CSalesBookView::OnEditInJournal),
        on::Control(BN_CLICKED, IDC_BOOK_RECEIVED, &CSalesBookView::OnClickedDirection),
        on::Control(BN_CLICKED, IDC_BOOK_PAID, &CSalesBookView::OnClickedDirection),
        on::Control(LBN_SETFOCUS, IDC_SALES_CLASS, &CSalesBookView::OnSetfocusReadOnly),
        on::Control(EN_SETFOCUS, IDC_ITEM_QUANTITY, &CSalesBookView::OnSetfocusImeOff),
        on::Control(EN_SETFOCUS, IDC_ITEM_PRICE, &CSalesBookView::OnSetfocusImeOff),
        on::Control(CBN_SETFOCUS, IDC_ITEM_NAME, &CSalesBookView::OnSetfocusImeOn),
        on::Control(LBN_SELCHANGE, IDC_PARTNER_LIST, &CSalesBookView::OnSelchangeAccount),
        on::Control(LBN_SELCHANGE, IDC_SALES_LEDGER, &CSalesBookView::OnSelchangeLedger),
        on::Notify(NM_CLICK, IDC_ITEM_LIST, &CSalesBookView::OnClickItemList),
        on::Control(BN_CLICKED, IDC_ITEM_ADD, &CSalesBookView::OnAddItem),
        on::Control(BN_CLICKED, IDC_ITEM_CHANGE, &CSalesBookView::OnChangeItem),
        on::Control(BN_CLICKED, IDC_ITEM_DELETE, &CSalesBookView::OnDeleteItem));
    return &map;
}

CSalesBookView::CSalesBookView(UINT templateId, SalesBook book, int slot, const char* title)
    : CLedgerBookView(templateId, {kBookExpenseSalesPurchases, BookMenuRole::OtherBook}, kControls, slot, title,
                      RGB(0, 255, 0)),
      m_book(book)
{
    m_crDescriptionFrame = RGB(0, 0, 255);
    m_nAmountWidth = 23;
}

void CSalesBookView::DoDataExchange(CDataExchange* pDX)
{
    CLedgerBookView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PARTNER_LIST, m_lbPartners);
    DDX_Control(pDX, IDC_ITEM_LIST, m_lcItems);
    DDX_Control(pDX, IDC_ITEM_QUANTITY, m_edQuantity);
    DDX_Control(pDX, IDC_ITEM_PRICE, m_edPrice);
    DDX_Control(pDX, IDC_ITEM_NAME, m_cbName);
    DDX_Control(pDX, IDC_ITEM_UNIT, m_cbUnit);
    DDX_Control(pDX, IDC_ITEM_CURRENCY, m_cbCurrency);
}

void CSalesBookView::OnInitialUpdate()
{
    CMyDoc* document = GetDocument();
    // Read before the base writes this book's code.
    m_nRestoreMode = DecideRestoreMode(document->m_nCurBook, document->m_nPrevBook, document->m_strBookCodes,
                                       kBookExpenseSalesPurchases, m_book == SalesBook::Sales ? '5' : '6');
    if (m_book == SalesBook::Purchases && m_nRestoreMode != kRestoreFromJournal)
        document->m_strCurAccount.Empty();
    CLedgerBookView::OnInitialUpdate();
    // The unit and currency lists start at their first choices.
    if (m_cbUnit.GetCurSel() != 1)
        m_cbUnit.SetCurSel(1);
    if (m_cbCurrency.GetCurSel() != 0)
        m_cbCurrency.SetCurSel(0);
    m_editor.ShowEntry(-1);
    LoadAccountLists();
}

void CSalesBookView::OnPrepareLayout(int rowHeight)
{
    CLedgerBookView::OnPrepareLayout(rowHeight);
    const int h = ShownRowHeight(rowHeight);
    // The item list's rows take the height of a one-pixel-wide picture list.
    m_lcItems.SetImageList(nullptr, LVSIL_SMALL);
    m_ilRowHeight.DeleteImageList();
    m_ilRowHeight.Create(1, h, 0, 0, 0);
    m_lcItems.SetImageList(&m_ilRowHeight, LVSIL_SMALL);
    m_lbPartners.SetItemHeight(0, static_cast<UINT>(h - h / 5));
    for (CComboBox* combo : {&m_cbName, &m_cbUnit, &m_cbCurrency})
        combo->SetItemHeight(0, static_cast<UINT>(h - h / 5));
    m_cbUnit.ResetContent();
    for (const char* unit : kUnits)
        m_cbUnit.AddString(unit);
    m_cbUnit.SetCurSel(1);
    m_cbCurrency.ResetContent();
    for (const char* currency : kCurrencies)
        m_cbCurrency.AddString(currency);
    m_cbCurrency.SetCurSel(0);
    m_lcItems.SetExtendedStyle(m_lcItems.GetExtendedStyle() | LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT);
    const bool columnsMade = m_lcItems.GetColumnCount() == 5;
    for (int c = 0; c < 5; ++c) {
        const int width = h * kItemColumns[c].halfRows / 2;
        if (columnsMade)
            m_lcItems.SetColumnWidth(c, width);
        else
            m_lcItems.InsertColumn(c, kItemColumns[c].heading, LVCFMT_LEFT, width);
    }
    PlaceTotalsStrip(rowHeight);
}

std::vector<int> CSalesBookView::DrawnItems() const
{
    // The purchases book gives its partner group box the focus: that one stays a window.
    std::vector<int> ids = CLedgerBookView::DrawnItems();
    ids.erase(std::remove(ids.begin(), ids.end(), IDC_PARTNER_GROUP), ids.end());
    return ids;
}

std::vector<GroupFrame> CSalesBookView::GroupFrames() const
{
    return {{IDC_PARTNER_GROUP, RGB(128, 128, 255)},
            {IDC_SALES_LEDGER_GROUP, RGB(192, 255, 192)},
            {IDC_SALES_DETAIL_GROUP, RGB(64, 255, 64)},
            {IDC_BREAKDOWN_GROUP, RGB(192, 192, 255)}};
}

PrintBook CSalesBookView::PrintBookKind() const
{
    return m_book == SalesBook::Sales ? PrintBook::Sales : PrintBook::Purchases;
}

void CSalesBookView::WriteShownAccount()
{
    CMyDoc* document = GetDocument();
    document->m_strCurAccount = m_strAccount;
    document->m_strFilter = m_strDescFilter;
}

void CSalesBookView::LoadAccountLists()
{
    CMyDoc* document = GetDocument();
    if (CWnd* focus = GetDlgItem(m_book == SalesBook::Sales ? IDC_PARTNER_LIST : IDC_PARTNER_GROUP))
        focus->SetFocus();
    m_lbLedger.ResetContent();
    m_listProductNames.clear();

    const JournalArray& journal = document->m_arrJournal;
    if (journal.GetSize() > 0) {
        // The entry current when the view opened is restored when it is one of the book's own.
        if (m_nInitEntry >= 0 && m_nInitEntry < journal.GetSize() &&
            EntryIsBookClass(*journal.GetAt(m_nInitEntry), m_book))
            m_nRestoreMode = kRestoreFromJournal;
        m_listProductNames = GatherProductNames(journal, m_book);
        m_cbName.SendMessage(WM_SETREDRAW, FALSE);
        m_cbName.ResetContent();
        for (const CString& name : m_listProductNames)
            m_cbName.AddString(name);
        m_cbName.SendMessage(WM_SETREDRAW, TRUE);
        m_strAccount = SalesBookAccount(m_book);
        if (m_nRestoreMode == kRestoreFromJournal)
            RestorePartnerFilter();
        else
            m_strDescFilter = kAllDescriptions;
        BuildLedger();
    }
}

void CSalesBookView::RestorePartnerFilter()
{
    const JournalArray& journal = GetDocument()->m_arrJournal;
    if (m_nInitEntry < 0 || m_nInitEntry >= journal.GetSize())
        return;
    if (SalesAccountRow(*journal.GetAt(m_nInitEntry), m_book) >= 0)
        m_strDescFilter = GetDocument()->m_strFilter;
}

void CSalesBookView::UseLedger(SalesLedger ledger)
{
    m_ledger = Ledger();
    m_ledger.lines = std::move(ledger.lines);
    m_ledger.layout = ledger.layout;
    m_ledger.debitTotal = ledger.debitTotal;
    m_ledger.creditTotal = ledger.creditTotal;
    m_ledger.balance = ledger.balance;
    FillLedgerList();
}

int CSalesBookView::FindPartner(const CString& text) const
{
    // The whole text, compared exactly: "ABC" never restores "ABCD".
    for (int i = 0; i < m_lbPartners.GetCount(); ++i) {
        CString item;
        m_lbPartners.GetText(i, item);
        if (item == text)
            return i;
    }
    return -1;
}

void CSalesBookView::BuildLedger()
{
    CMyDoc* document = GetDocument();
    SalesLedger all = BuildSalesLedger(document->m_arrJournal, m_book, kAllDescriptions);
    m_listPartners = std::move(all.partners);
    UseLedger(std::move(all));
    m_nRestoreMode = kRestoreNone;
    const int restoreLine = FirstLineOfEntry(m_ledger.lines, m_nInitEntry);
    if (restoreLine >= 0) {
        m_nRestoreMode = kRestoreFromJournal;
        const LedgerLine& line = m_ledger.lines[static_cast<std::size_t>(restoreLine)];
        m_strCurPartner = PartnerOfLine(*document->m_arrJournal.GetAt(line.entry), line.entryRow);
    }

    if (m_ledger.lines.empty()) {
        FillList(m_lbPartners, {});
    } else {
        FillList(m_lbPartners, m_listPartners, kAllDescriptions);
        m_lbPartners.SetCurSel(0);
    }
    if (m_ledger.lines.empty())
        return;
    SetDlgItemText(IDC_SALES_LEDGER_GROUP, " 【 " + m_strAccount + " 】 ");
    DrawTotals();

    if (m_nRestoreMode == kRestoreFromJournal) {
        if (m_strDescFilter.IsEmpty()) {
            ShowEntryDetail(restoreLine);
            SelectLedgerLine(restoreLine);
            m_nRestoreMode = kRestoreNone;
            document->m_strFilter.Empty();
            return;
        }
        const int item = FindPartner(m_book == SalesBook::Purchases ? m_strCurPartner : m_strDescFilter);
        if (item >= 0) {
            BuildFilteredLedger();
            m_lbPartners.SetCurSel(item);
        } else {
            // Nothing to restore: every line listed, none selected, nothing shown.
            m_nRestoreMode = kRestoreNone;
            SelectLedgerLine(-1);
            ShowEntryDetail(-1);
        }
        return;
    }
    const int last = static_cast<int>(m_ledger.lines.size()) - 1;
    ShowEntryDetail(last);
    SelectLedgerLine(last);
    document->m_strFilter.Empty();
}

void CSalesBookView::BuildFilteredLedger()
{
    CMyDoc* document = GetDocument();
    SetDlgItemText(IDC_SALES_LEDGER_GROUP, m_strDescFilter == kAllDescriptions
                                               ? "【 " + m_strAccount + " 】"
                                               : "【 " + m_strAccount + " 】  [ " + m_strDescFilter + " ]");
    UseLedger(BuildSalesLedger(document->m_arrJournal, m_book, m_strDescFilter));
    const int count = static_cast<int>(m_ledger.lines.size());
    int restoreLine = FirstLineOfEntry(m_ledger.lines, m_nInitEntry);
    if (m_nRestoreMode == kRestoreFromJournal && count > 0 && restoreLine < 0)
        restoreLine = document->m_nCurLine < count ? document->m_nCurLine : count - 1;
    DrawTotals();
    if (m_nRestoreMode == kRestoreFromJournal && restoreLine >= 0) {
        SelectLedgerLine(restoreLine);
        ShowEntryDetail(restoreLine);
        m_nRestoreMode = kRestoreNone;
    }
    if (m_nRestoreMode == kRestoreFromJournal) {
        m_strDescFilter.Empty();
        document->m_strFilter.Empty();
        SelectLedgerLine(0);
        ShowEntryDetail(0);
        m_nRestoreMode = kRestoreNone;
    }
}

void CSalesBookView::OnSelchangeAccount()
{
    // The lines, their selection and the scroll bar change together and are drawn once.
    const CStripeListBox::Batch batch(m_lbLedger);
    const int item = m_lbPartners.GetCurSel();
    if (item < 0)
        return;
    m_nRestoreMode = kRestoreNone;
    m_lbPartners.GetText(item, m_strDescFilter);
    GetDocument()->m_strFilter = m_strDescFilter;
    BuildFilteredLedger();
    SelectLedgerLine(0);
    ShowEntryDetail(0);
    DrawListHighlight(m_nAccountRow);
}

void CSalesBookView::ShowEntryExtras(int index)
{
    ClearItemFields();
    // Another entry: the item picked for the previous one is forgotten.
    m_editor.ShowEntry(index);
    const JournalArray& journal = GetDocument()->m_arrJournal;
    const CMyObject2* entry = index >= 0 && index < journal.GetSize() ? journal.GetAt(index) : nullptr;
    if (!entry) {
        ShowItemRows({});
        SetDlgItemText(IDC_BREAKDOWN_GROUP, CString(SalesBookAccount(m_book)) + "内訳の編集");
        return;
    }
    SetDlgItemText(IDC_BREAKDOWN_GROUP, BreakdownCaption(*entry, m_book));
    // The remark without its items; a "[]" that opens no whole item stays text.
    SetDlgItemText(IDC_SALES_REMARK, RemarkText(entry->m_strRemark));
    ShowItemRows(ReadItems(entry->m_strRemark));
}

void CSalesBookView::ShowItemRows(const std::vector<SalesItem>& items)
{
    // The list view draws itself again at every change, even an empty list
    // emptied: most entries have no items, and their list is left alone.
    if (items.empty() && m_lcItems.GetItemCount() == 0)
        return;
    m_lcItems.SendMessage(WM_SETREDRAW, FALSE);
    m_lcItems.DeleteAllItems();
    for (int row = 0; row < static_cast<int>(items.size()); ++row)
        SetItemRow(row, items[static_cast<std::size_t>(row)]);
    FitItemColumns();
    m_lcItems.SendMessage(WM_SETREDRAW, TRUE);
    m_lcItems.Invalidate();
}

void CSalesBookView::FitItemColumns()
{
    // Each figure column is at least as wide as its widest text, so that no digit
    // is cut; the name column gives up what the figures and a vertical scroll bar
    // need of the list's width, down to a few characters.
    const int h = ShownRowHeight(GetDocument()->m_nRowHeight);
    int widths[5];
    for (int c = 0; c < 5; ++c)
        widths[c] = h * kItemColumns[c].halfRows / 2;
    CClientDC dc(&m_lcItems);
    const HGDIOBJ previous =
        ::SelectObject(dc.GetSafeHdc(), reinterpret_cast<HGDIOBJ>(m_lcItems.SendMessage(WM_GETFONT)));
    for (int row = 0; row < m_lcItems.GetItemCount(); ++row)
        for (int c = 1; c < 5; ++c)
            widths[c] = std::max(widths[c], static_cast<int>(dc.GetTextExtent(m_lcItems.GetItemText(row, c)).cx) + kItemCellMargin);
    ::SelectObject(dc.GetSafeHdc(), previous);
    CRect client;
    m_lcItems.GetClientRect(&client);
    const int scrollBar = ::GetSystemMetrics(SM_CXVSCROLL);
    const int available = client.Width() + ((m_lcItems.GetStyle() & WS_VSCROLL) ? scrollBar : 0) - scrollBar;
    const int figures = widths[1] + widths[2] + widths[3] + widths[4];
    widths[0] = std::max(h * kItemNameMinHalfRows / 2, std::min(widths[0], available - figures));
    for (int c = 0; c < 5; ++c)
        if (m_lcItems.GetColumnWidth(c) != widths[c])
            m_lcItems.SetColumnWidth(c, widths[c]);
}

void CSalesBookView::ClearItemFields()
{
    SetDlgItemText(IDC_ITEM_NAME, "");
    SetDlgItemText(IDC_ITEM_QUANTITY, "");
    SetDlgItemText(IDC_ITEM_PRICE, "");
}

void CSalesBookView::SetItemRow(int row, const SalesItem& item)
{
    const std::array<CString, 5> cells = ItemRowTexts(item);
    m_lcItems.InsertItem(row, cells[0]);
    for (int c = 1; c < 5; ++c)
        m_lcItems.SetItemText(row, c, cells[static_cast<std::size_t>(c)]);
}

void CSalesBookView::SelectItemRow(int row)
{
    m_lcItems.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

CMyObject2* CSalesBookView::CurrentEntry() const
{
    const CMyDoc* document = GetDocument();
    const int index = document->m_nCurEntry;
    return index >= 0 && index < document->m_arrJournal.GetSize() ? document->m_arrJournal.GetAt(index) : nullptr;
}

std::vector<int> CSalesBookView::OwnEntries() const
{
    std::vector<int> entries;
    entries.reserve(m_ledger.lines.size());
    for (const LedgerLine& line : m_ledger.lines)
        entries.push_back(line.entry);
    return entries;
}

SalesItem CSalesBookView::TypedItem() const
{
    SalesItem item;
    GetDlgItemText(IDC_ITEM_NAME, item.name);
    GetDlgItemText(IDC_ITEM_QUANTITY, item.quantity);
    GetDlgItemText(IDC_ITEM_UNIT, item.unit);
    GetDlgItemText(IDC_ITEM_PRICE, item.price);
    GetDlgItemText(IDC_ITEM_CURRENCY, item.currency);
    return item;
}

bool CSalesBookView::Apply(const BreakdownEditor::Result& result, CMyObject2& entry, const CString& remark)
{
    switch (result.outcome) {
    case BreakdownEditor::Outcome::Done:
        entry.m_strRemark = remark;
        GetDocument()->SetModifiedFlag(TRUE);
        return true;
    case BreakdownEditor::Outcome::Refused:
    case BreakdownEditor::Outcome::NotSelected:
        AfxMessageBox(result.message, MB_OK);
        return false;
    case BreakdownEditor::Outcome::Ignored:
        break;
    }
    return false;
}

void CSalesBookView::OnClickItemList(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const int k = reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR)->iItem;
    CMyObject2* entry = CurrentEntry();
    const bool shown = entry && GetDocument()->m_nCurEntry == m_editor.ShownEntry();
    if (!shown || !m_editor.Pick(k, entry->m_strRemark)) {
        m_editor.Pick(-1, CString());
        ClearItemFields();
        return;
    }
    m_lcItems.SendMessage(WM_SETREDRAW, FALSE);
    const SalesItem item = ReadItems(entry->m_strRemark)[static_cast<std::size_t>(k)];
    SetDlgItemText(IDC_ITEM_NAME, item.name);
    SetDlgItemText(IDC_ITEM_QUANTITY, FormatAmount(item.quantity, 0));
    SetDlgItemText(IDC_ITEM_UNIT, item.unit);
    SetDlgItemText(IDC_ITEM_PRICE, FormatAmount(item.price, 0));
    SetDlgItemText(IDC_ITEM_CURRENCY, item.currency);
    SelectItemRow(k);
    m_lcItems.SendMessage(WM_SETREDRAW, TRUE);
    m_lcItems.Invalidate();
}

void CSalesBookView::OnAddItem()
{
    CMyObject2* entry = CurrentEntry();
    if (m_ledger.lines.empty() || !entry)
        return;
    const SalesItem item = TypedItem();
    CString remark = entry->m_strRemark;
    if (!Apply(m_editor.Add(remark, GetDocument()->m_nCurEntry, OwnEntries(), item), *entry, remark))
        return;
    // The list shows the item as it was stored (cut to its fields), not as typed.
    const std::vector<SalesItem> items = ReadItems(entry->m_strRemark);
    const SalesItem& stored = items.back();
    const int row = static_cast<int>(items.size()) - 1;
    SetItemRow(row, stored);
    FitItemColumns();
    SelectItemRow(row);
    m_lcItems.EnsureVisible(row, FALSE);
    if (!stored.name.IsEmpty() &&
        std::find(m_listProductNames.begin(), m_listProductNames.end(), stored.name) == m_listProductNames.end()) {
        m_listProductNames.push_back(stored.name);
        m_cbName.AddString(stored.name);
    }
}

void CSalesBookView::OnChangeItem()
{
    CMyObject2* entry = CurrentEntry();
    if (m_ledger.lines.empty() || !entry)
        return;
    const SalesItem item = TypedItem();
    const int row = m_editor.SelectedItem();
    CString remark = entry->m_strRemark;
    if (!Apply(m_editor.Change(remark, GetDocument()->m_nCurEntry, OwnEntries(), item), *entry, remark))
        return;
    m_lcItems.DeleteItem(row);
    SetItemRow(row, ReadItems(entry->m_strRemark)[static_cast<std::size_t>(row)]);
    FitItemColumns();
    SelectItemRow(row);
}

void CSalesBookView::OnDeleteItem()
{
    CMyObject2* entry = CurrentEntry();
    if (!entry)
        return;
    const int row = m_editor.SelectedItem();
    CString remark = entry->m_strRemark;
    if (!Apply(m_editor.Delete(remark, GetDocument()->m_nCurEntry, OwnEntries()), *entry, remark))
        return;
    // Nothing stays picked: a second 削除 needs a new pick.
    m_lcItems.DeleteItem(row);
    FitItemColumns();
    m_lcItems.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ClearItemFields();
}

BOOL CSalesBookView::PreparePrintJob()
{
    if (m_ledger.lines.empty()) {
        AfxMessageBox(kChooseAccount, MB_OK);
        return FALSE;
    }
    SalesLedger shown;
    shown.lines = m_ledger.lines;
    // Decided afresh for every job from the lines it prints.
    m_salesJob = MakeSalesPrintJob(GetDocument()->m_arrJournal, m_book, shown, m_strDescFilter);
    m_bPrintBreakdown = m_salesJob.plan.breakdown ? TRUE : FALSE;
    return TRUE;
}

void CSalesBookView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    pInfo->ResetPaper(pDC, DMPAPER_A4, m_bPrintBreakdown ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT);
    CBookFormView::OnBeginPrinting(pDC, pInfo);
}

void CSalesBookView::DrawPrintPage(CDC* pDC, int page)
{
    DrawPagePlan(pDC, page <= 1 ? PlanSalesCover(m_salesJob) : PlanSalesBodyPage(m_salesJob, page - 1));
}

// The sales book and the purchases book on real windows: the lines and partner
// lists of the sample journal and of small journals written here, the partner
// filter and its exact restore, the item breakdown edited through the window
// with its refusals and stale picks, and the printed pages rendered into
// metafiles and read back text by text.
#include "book_fixture.h"
#include "book_test_support.h"

#include "books/item_breakdown.h"
#include "books/win/siire.h"
#include "books/win/uriage.h"
#include "framework/win/print_info.h"
#include "framework/win/print_job.h"
#include "framework/win/print_page.h"
#include "framework/win/wide_text.h"
#include "resource.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int kLedgerList = 1019;
constexpr int kDateEdit = 1115;

class SalesBookTest : public BookWindowTest {
protected:
    // An empty journal filled with the entries given (the document owns them).
    void StartWith(std::initializer_list<EntryBuilder> entries)
    {
        CopyShippedSetupFiles();
        ASSERT_TRUE(Start());
        for (const EntryBuilder& entry : entries)
            Document()->m_arrJournal.Add(entry.New());
    }

    void PickPartner(const char* name) { PickItem(IDC_PARTNER_LIST, name); }

    // A click on row k of the breakdown list (-1 beside the rows).
    void ClickItem(int k)
    {
        CView* view = Frame()->GetActiveView();
        NMITEMACTIVATE click = {};
        click.hdr.hwndFrom = view->GetDlgItem(IDC_ITEM_LIST)->m_hWnd;
        click.hdr.idFrom = IDC_ITEM_LIST;
        click.hdr.code = NM_CLICK;
        click.iItem = k;
        view->SendMessage(WM_NOTIFY, IDC_ITEM_LIST, reinterpret_cast<LPARAM>(&click));
    }

    void Type(const SalesItem& item)
    {
        CView* view = Frame()->GetActiveView();
        view->SetDlgItemText(IDC_ITEM_NAME, item.name);
        view->SetDlgItemText(IDC_ITEM_QUANTITY, item.quantity);
        view->SetDlgItemText(IDC_ITEM_UNIT, item.unit);
        view->SetDlgItemText(IDC_ITEM_PRICE, item.price);
        view->SetDlgItemText(IDC_ITEM_CURRENCY, item.currency);
    }

    CString SelectedPartner(CSalesBookView* view) const
    {
        CString text;
        if (view->m_lbPartners.GetCurSel() >= 0)
            view->m_lbPartners.GetText(view->m_lbPartners.GetCurSel(), text);
        return text;
    }

    // Every message box is answered OK and its text kept.
    std::vector<CString>& RecordMessages()
    {
        m_answers.messageBox = [this](const MessageBoxRequest& box) {
            m_messages.push_back(box.text);
            return IDOK;
        };
        return m_messages;
    }

    // Comes back from the journal to the book that opened it, on entry.
    void ReturnFromJournal(UINT command, int entry, const char* filter)
    {
        Document()->m_nCurBook = 1;
        Document()->m_nPrevBook = kBookExpenseSalesPurchases;
        Document()->m_nCurEntry = entry;
        Document()->m_strFilter = filter;
        Command(command);
    }

    std::vector<CString> m_messages;
};

int EntriesNaming(const JournalArray& journal, const char* account)
{
    int count = 0;
    for (int i = 0; i < journal.GetSize(); ++i)
        count += SalesAccountRow(*journal.GetAt(i), CString(account) == "売上" ? SalesBook::Sales
                                                                                : SalesBook::Purchases) >= 0;
    return count;
}

CString Trimmed(CString text)
{
    text.TrimLeft();
    text.TrimRight();
    return text;
}

CString Padded(const CString& text, int width)
{
    CString padded = text;
    while (padded.GetLength() < width)
        padded += ' ';
    return padded;
}

TEST_F(SalesBookTest, SampleJournalBothBooksPartnerFilterAndItems)
{
    StartWithSample(SW_SHOW);
    Command(ID_VIEW_URIAGE);
    CUriage* sales = Shown<CUriage>();
    ASSERT_NE(nullptr, sales);
    EXPECT_EQ(kBookExpenseSalesPurchases, Document()->m_nCurBook);
    const int all = EntriesNaming(Document()->m_arrJournal, "売上");
    ASSERT_GT(all, 10);
    EXPECT_EQ(all, sales->m_lbLedger.GetCount());
    EXPECT_EQ(all - 1, sales->m_lbLedger.GetCurSel());
    EXPECT_EQ(" 【 売上 】 ", Text(IDC_SALES_LEDGER_GROUP));
    EXPECT_EQ("すべて", SelectedPartner(sales));
    EXPECT_EQ(static_cast<int>(sales->m_listPartners.size()) + 1, sales->m_lbPartners.GetCount());
    EXPECT_EQ("", Document()->m_strFilter);
    // The unit and currency combos start on 個 and 円; product names from the stored items.
    EXPECT_EQ("個", Text(IDC_ITEM_UNIT));
    EXPECT_EQ("円", Text(IDC_ITEM_CURRENCY));
    EXPECT_GT(sales->m_cbName.GetCount(), 3);

    PickPartner("居酒屋はなみ");
    EXPECT_GT(sales->m_lbLedger.GetCount(), 0);
    EXPECT_LT(sales->m_lbLedger.GetCount(), all);
    EXPECT_EQ("【 売上 】  [ 居酒屋はなみ ]", Text(IDC_SALES_LEDGER_GROUP));
    EXPECT_EQ("居酒屋はなみ", Document()->m_strFilter);
    for (const LedgerLine& line : sales->m_ledger.lines)
        EXPECT_EQ("居酒屋はなみ", PartnerOfLine(*Document()->m_arrJournal.GetAt(line.entry), line.entryRow));
    // A line whose entry has items: its breakdown listed, the group retitled.
    int withItems = -1;
    for (int i = 0; i < static_cast<int>(sales->m_ledger.lines.size()) && withItems < 0; ++i)
        if (CountItems(Document()->m_arrJournal.GetAt(sales->m_ledger.lines[i].entry)->m_strRemark) > 0)
            withItems = i;
    ASSERT_GE(withItems, 0);
    PickLine(kLedgerList, withItems);
    const CMyObject2& shown = *Document()->m_arrJournal.GetAt(sales->m_ledger.lines[withItems].entry);
    EXPECT_EQ(CountItems(shown.m_strRemark), sales->m_lcItems.GetItemCount());
    EXPECT_EQ(BreakdownCaption(shown, SalesBook::Sales), Text(IDC_BREAKDOWN_GROUP));
    EXPECT_EQ(RemarkText(shown.m_strRemark), Text(1091));
    ClickItem(1);
    Photograph(Frame(), "uriage");
    // A line without items empties the list again.
    PickPartner("すべて");
    int withoutItems = -1;
    for (int i = 0; i < static_cast<int>(sales->m_ledger.lines.size()) && withoutItems < 0; ++i)
        if (CountItems(Document()->m_arrJournal.GetAt(sales->m_ledger.lines[i].entry)->m_strRemark) == 0)
            withoutItems = i;
    ASSERT_GE(withoutItems, 0);
    PickLine(kLedgerList, withoutItems);
    EXPECT_EQ(0, sales->m_lcItems.GetItemCount());

    // The purchases book from the sales book's button.
    Notify(1047, BN_CLICKED);
    CSiire* purchases = Shown<CSiire>();
    ASSERT_NE(nullptr, purchases);
    EXPECT_EQ(EntriesNaming(Document()->m_arrJournal, "仕入"), purchases->m_lbLedger.GetCount());
    PickPartner("丸山酒販");
    EXPECT_EQ("【 仕入 】  [ 丸山酒販 ]", Text(IDC_SALES_LEDGER_GROUP));
    ASSERT_GT(purchases->m_lcItems.GetItemCount(), 0);
    ClickItem(0);
    Photograph(Frame(), "siire");
}

TEST_F(SalesBookTest, LinesAndPartnersOfASmallJournal)
{
    StartWith({
        // 仕入 in two rows: a line for each, each with its own partner.
        MakeEntry("2024/01/05", {{"仕入", "100", "問屋A"}}, {{"仕入", "30", "問屋B"}, {"現金", "70"}}, 0, 2210000),
        // Under class 1: a line and a partner all the same.
        MakeEntry("2024/01/06", {{"仕入", "200", "問屋A"}}, {{"買掛金", "200", "問屋A"}}, 0, 1410000),
        // No description: listed under すべて only.
        MakeEntry("2024/01/07", {{"仕入", "50"}}, {{"現金", "50"}}, 0, 2510000),
        MakeEntry("2024/01/08", {{"売上", "900", "客"}}, {{"現金", "900"}}, 1, 1510000),
    });
    Command(ID_VIEW_SIIRE);
    CSiire* view = Shown<CSiire>();
    ASSERT_NE(nullptr, view);
    ASSERT_EQ(4, view->m_lbLedger.GetCount());
    EXPECT_EQ(0, view->m_ledger.lines[0].entryRow);
    EXPECT_EQ(3, view->m_ledger.lines[1].entryRow);
    EXPECT_EQ(3, view->m_lbLedger.GetCurSel());
    EXPECT_EQ((std::vector<CString>{"問屋A", "問屋B"}), view->m_listPartners);
    ASSERT_EQ(3, view->m_lbPartners.GetCount());
    // Purchases: debit minus credit, 100 debit, 30 credit, then 200 and 50 debit.
    EXPECT_EQ("320", view->m_strBalance);
    CString line;
    view->m_lbLedger.GetText(0, line);
    EXPECT_EQ(153, line.GetLength());
    PickPartner("問屋A");
    EXPECT_EQ(2, view->m_lbLedger.GetCount());
    EXPECT_EQ("300", view->m_strBalance);
    PickPartner("すべて");
    EXPECT_EQ(4, view->m_lbLedger.GetCount());
    EXPECT_EQ("【 仕入 】", Text(IDC_SALES_LEDGER_GROUP));
}

TEST_F(SalesBookTest, RestoreMatchesThePartnerExactly)
{
    StartWith({
        MakeEntry("2024/02/01", {{"売掛金", "100", "ABCD"}}, {{"売上", "100", "ABCD"}}, 0, 5110000),
        MakeEntry("2024/02/02", {{"売掛金", "200", "ABC"}}, {{"売上", "200", "ABC"}}, 0, 5110000),
        MakeEntry("2024/02/03", {{"売掛金", "300", "ABC"}}, {{"売上", "300", "ABC"}}, 0, 5110000),
        MakeEntry("2024/02/04", {{"旅費交通費", "10", "駅"}}, {{"現金", "10"}}, 0, 3510000),
    });
    ReturnFromJournal(ID_VIEW_URIAGE, 2, "ABC");
    CUriage* view = Shown<CUriage>();
    ASSERT_NE(nullptr, view);
    EXPECT_EQ("ABC", SelectedPartner(view));
    ASSERT_EQ(2, view->m_lbLedger.GetCount());
    EXPECT_EQ(1, view->m_lbLedger.GetCurSel());
    EXPECT_EQ(2, Document()->m_nCurEntry);
    EXPECT_EQ(" 2024/02/03", Text(kDateEdit));

    // A filter that names no partner: every line, none picked, nothing shown,
    // and the editor does not act on the entry.
    Command(ID_VIEW_SIWAKE);
    ReturnFromJournal(ID_VIEW_URIAGE, 2, "AB");
    view = Shown<CUriage>();
    ASSERT_NE(nullptr, view);
    EXPECT_EQ(3, view->m_lbLedger.GetCount());
    EXPECT_EQ(-1, view->m_lbLedger.GetCurSel());
    EXPECT_EQ("すべて", SelectedPartner(view));
    EXPECT_EQ("", Text(kDateEdit));
    EXPECT_EQ(0, view->m_lcItems.GetItemCount());
    std::vector<CString>& messages = RecordMessages();
    Type({"品", "1", "個", "100", "円"});
    Notify(IDC_ITEM_ADD, BN_CLICKED);
    EXPECT_EQ("", Document()->m_arrJournal.GetAt(2)->m_strRemark);
    EXPECT_TRUE(messages.empty());

    // The current entry of another book (the expense entry): nothing is added to it.
    PickLine(kLedgerList, 0);
    Document()->m_nCurEntry = 3;
    Notify(IDC_ITEM_ADD, BN_CLICKED);
    EXPECT_EQ("", Document()->m_arrJournal.GetAt(3)->m_strRemark);
    EXPECT_EQ("", Document()->m_arrJournal.GetAt(0)->m_strRemark);
    EXPECT_FALSE(Document()->IsModified());
}

TEST_F(SalesBookTest, BreakdownAddChangeDeleteThroughTheWindow)
{
    StartWith({
        MakeEntry("2024/03/01", {{"売掛金", "5000", "甲商店"}}, {{"売上", "5000", "甲商店"}}, 0, 5110000, "3月分"),
        MakeEntry("2024/03/02", {{"売掛金", "800", "乙商店"}}, {{"売上", "800", "乙商店"}}, 0, 5110000),
    });
    Command(ID_VIEW_URIAGE);
    CUriage* view = Shown<CUriage>();
    ASSERT_NE(nullptr, view);
    PickLine(kLedgerList, 0);
    EXPECT_EQ(" 03月01日 [ 甲商店 ] 売上内訳の編集", Text(IDC_BREAKDOWN_GROUP));
    std::vector<CString>& messages = RecordMessages();
    CString& remark = Document()->m_arrJournal.GetAt(0)->m_strRemark;

    // Refusals, in the order the fields are checked; nothing changes.
    struct Refusal {
        SalesItem item;
        const char* message;
    } refusals[] = {
        {{"", "1", "個", "100", "円"}, " 品名が入力されていません。"},
        {{"品", "", "個", "100", "円"}, " 数量が入力されていません。"},
        {{"品", "1", "", "100", "円"}, " 単位が入力されていません。"},
        {{"品", "1", "個", "", "円"}, " 単価が入力されていません。"},
        {{"品", "1.2.3", "個", "100", "円"}, "数量「1.2.3」は数字として読めません。\n\n数字とカンマ、小数点で入力してください。"},
        {{"品", "1", "個", "1234567890123456", "円"}, "単価「1234567890123456」は15文字までで入力してください。"},
    };
    for (const Refusal& r : refusals) {
        Type(r.item);
        Notify(IDC_ITEM_ADD, BN_CLICKED);
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(r.message, messages.back());
        EXPECT_EQ("3月分", remark);
        EXPECT_EQ(r.item.name, Text(IDC_ITEM_NAME));
    }
    // Pasted text reaches the field as it stands and is refused, never cut down.
    const struct {
        int field;
        const wchar_t* pasted;
        const char* message;
    } pasted[] = {
        {IDC_ITEM_PRICE, L"-5", "単価「-5」にはマイナスの符号を付けられません。"},
        {IDC_ITEM_QUANTITY, L"1a2b3", "数量「1a2b3」は数字として読めません。\n\n数字とカンマ、小数点で入力してください。"},
    };
    for (const auto& p : pasted) {
        Type({"品", "1", "個", "100", "円"});
        ASSERT_TRUE(PasteIntoEdit(view->GetDlgItem(p.field), p.pasted));
        Notify(IDC_ITEM_ADD, BN_CLICKED);
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(p.message, messages.back());
        EXPECT_EQ("3月分", remark);
    }
    EXPECT_FALSE(Document()->IsModified());

    // Two items: the exact bytes, the rows, the new name offered.
    Type({"ビール", "1000", "本", "1.5", "円"});
    Notify(IDC_ITEM_ADD, BN_CLICKED);
    // 43 bytes whose last two are one character: cut to 41 and a blank.
    const CString longName = "A" + CString("あいうえおかきくけこさしすせそたちつてとな");
    Type({longName, "2", "ｹｰｽ", "300", ""});
    Notify(IDC_ITEM_ADD, BN_CLICKED);
    const CString first = "[]" + Padded("ビール", 42) + Padded("1000", 15) + Padded("本", 6) + Padded("1.5", 15) +
                          Padded("円", 4);
    const CString second = "[]" + Padded(longName.Left(41), 42) + Padded("2", 15) + Padded("ｹｰｽ", 6) +
                           Padded("300", 15) + Padded("", 4);
    EXPECT_EQ("3月分" + first + second, remark);
    EXPECT_TRUE(Document()->IsModified());
    ASSERT_EQ(2, view->m_lcItems.GetItemCount());
    // The list shows what was stored.
    EXPECT_EQ(longName.Left(41), view->m_lcItems.GetItemText(1, 0));
    EXPECT_EQ("1,500.00", Trimmed(view->m_lcItems.GetItemText(0, 4)));
    EXPECT_EQ(-1, view->SelectedItem());
    EXPECT_NE(-1, view->m_cbName.FindStringExact(-1, "ビール"));

    // 変更 with nothing picked is refused; a pick fills the fields formatted.
    const size_t before = messages.size();
    Notify(IDC_ITEM_CHANGE, BN_CLICKED);
    ASSERT_EQ(before + 1, messages.size());
    EXPECT_EQ(" 品名リストが選択されていません。", messages.back());
    ClickItem(0);
    EXPECT_EQ(0, view->SelectedItem());
    EXPECT_EQ("1,000", Text(IDC_ITEM_QUANTITY));
    EXPECT_EQ("1.50", Text(IDC_ITEM_PRICE));
    EXPECT_EQ("本", Text(IDC_ITEM_UNIT));
    view->SetDlgItemText(IDC_ITEM_NAME, "地ビール");
    Notify(IDC_ITEM_CHANGE, BN_CLICKED);
    const CString changed = "[]" + Padded("地ビール", 42) + Padded("1,000", 15) + Padded("本", 6) +
                            Padded("1.50", 15) + Padded("円", 4);
    EXPECT_EQ("3月分" + changed + second, remark);
    EXPECT_EQ("地ビール", view->m_lcItems.GetItemText(0, 0));

    // A click beside the rows forgets the pick; delete then refuses.
    ClickItem(-1);
    EXPECT_EQ(-1, view->SelectedItem());
    EXPECT_EQ("", Text(IDC_ITEM_NAME));
    Notify(IDC_ITEM_DELETE, BN_CLICKED);
    EXPECT_EQ(" 品名リストが選択されていません。", messages.back());

    // Delete the second item; nothing stays picked, a second 削除 needs a pick.
    ClickItem(1);
    Notify(IDC_ITEM_DELETE, BN_CLICKED);
    EXPECT_EQ("3月分" + changed, remark);
    EXPECT_EQ(1, view->m_lcItems.GetItemCount());
    EXPECT_EQ(-1, view->SelectedItem());
    EXPECT_EQ("", Text(IDC_ITEM_QUANTITY));
    const size_t afterDelete = messages.size();
    Notify(IDC_ITEM_DELETE, BN_CLICKED);
    EXPECT_EQ(afterDelete + 1, messages.size());
    EXPECT_EQ("3月分" + changed, remark);

    // A pick made on one entry is forgotten when another line is shown.
    ClickItem(0);
    EXPECT_EQ(0, view->SelectedItem());
    PickLine(kLedgerList, 1);
    EXPECT_EQ(-1, view->SelectedItem());
    Type({"菓子", "3", "袋", "100", "円"});
    Notify(IDC_ITEM_ADD, BN_CLICKED);
    CString& other = Document()->m_arrJournal.GetAt(1)->m_strRemark;
    EXPECT_EQ(84, other.GetLength());
    Notify(IDC_ITEM_CHANGE, BN_CLICKED);
    EXPECT_EQ(" 品名リストが選択されていません。", messages.back());
    EXPECT_EQ("3月分" + changed, remark);
    // A stale row index beyond the entry's items is never applied.
    ClickItem(5);
    EXPECT_EQ(-1, view->SelectedItem());
    ClickItem(0);
    Notify(IDC_ITEM_DELETE, BN_CLICKED);
    EXPECT_EQ("", other);
}

// A journal of one partner with a long item list and one without items.
void AddPrintFixture(JournalArray& journal)
{
    CString items = "1月分";
    for (int i = 1; i <= 40; ++i)
        AppendItem(items, {"品" + IntToText(i), "2", "個", "1,000", "円"});
    journal.Add(MakeEntry("2024/01/10", {{"売掛金", "50000", "乙"}}, {{"売上", "50000", "乙"}}, 0, 5110000).New());
    journal.Add(MakeEntry("2024/01/20", {{"売掛金", "80000", "甲"}}, {{"売上", "80000", "甲"}}, 0, 5110000, items).New());
    for (int i = 0; i < 20; ++i)
        journal.Add(MakeEntry("2024/02/01", {{"売掛金", "1000", "乙"}}, {{"売上", "1000", "乙"}}, 0, 5110000).New());
}

CString TextAtPage(const std::vector<PageText>& texts, int x, int row)
{
    for (const PageText& t : texts)
        if (t.at.x == x && t.at.y == RowText(row))
            return Trimmed(t.text);
    return "(none)";
}

TEST_F(SalesBookTest, TheItemListShowsEveryFigureWhole)
{
    // Decimal quantities, and enough items for the vertical scroll bar.
    CString remark = "明細";
    const SalesItem items[] = {{"ねじ", "1.25", "個", "96000", "円"}, {"くぎ", "0.50", "本", "240000", "円"}};
    for (int i = 0; i < 12; ++i)
        AppendItem(remark, items[i % 2]);
    StartWith({MakeEntry("2024/03/01", {{"売掛金", "1000"}}, {{"売上", "1000", "甲商店"}}, 0, 5110000, remark)});
    Command(ID_VIEW_URIAGE);
    CUriage* view = Shown<CUriage>();
    ASSERT_NE(nullptr, view);
    view->ShowWindow(SW_SHOW);
    PickLine(kLedgerList, 0);
    CListCtrl& list = view->m_lcItems;
    ASSERT_EQ(12, list.GetItemCount());
    ASSERT_TRUE(list.GetStyle() & WS_VSCROLL);
    EXPECT_EQ("1.25", Trimmed(list.GetItemText(0, 1)));
    EXPECT_EQ("120,000.00", Trimmed(list.GetItemText(0, 4)));
    EXPECT_EQ("0.50", Trimmed(list.GetItemText(1, 1)));

    // Each figure's text, measured in the list's font, fits its column, and the
    // columns fit the list beside its scroll bar.
    HDC dc = ::GetDC(list.m_hWnd);
    const HGDIOBJ previous = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(list.SendMessage(WM_GETFONT)));
    for (int row = 0; row < 2; ++row)
        for (int c = 1; c < 5; ++c) {
            const std::wstring text = ToWide(list.GetItemText(row, c));
            SIZE size{};
            ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
            EXPECT_LE(size.cx, list.GetColumnWidth(c)) << row << "," << c;
        }
    ::SelectObject(dc, previous);
    ::ReleaseDC(list.m_hWnd, dc);
    CRect client;
    list.GetClientRect(&client);
    int columns = 0;
    for (int c = 0; c < 5; ++c)
        columns += list.GetColumnWidth(c);
    EXPECT_LE(columns, client.Width());
    Photograph(Frame(), "uriage_item_decimals");
}

TEST_F(SalesBookTest, FifteenDigitItemsArePrintedWholeWithinThePage)
{
    CString remark = "大口";
    for (int i = 0; i < 2; ++i)
        AppendItem(remark, {"特注品", "999999999999999", "個", "999999999999999", "円"});
    StartWith({MakeEntry("2024/03/01", {{"売掛金", "1000"}}, {{"売上", "1000", "甲商店"}}, 0, 5110000, remark)});
    Command(ID_VIEW_URIAGE);
    CUriage* view = Shown<CUriage>();
    ASSERT_NE(nullptr, view);
    CPageJob job(view);
    ASSERT_TRUE(job.Begin());
    const CPageMetafile recorded = job.RenderPage(2);
    const std::vector<PageText> texts = PageTexts(recorded.Get());
    if (ShotFolder())
        SavePageAsBitmap(recorded.Get(), job.Geometry(), 100, CString(ShotFolder()) + "\\print_uriage_wide_items.bmp");
    // The last item's row (row 7): each text read back ends before the next one
    // begins, and the last within the table's right rule, left of the paper's edge.
    std::vector<PageText> row;
    for (const PageText& t : texts)
        if (t.at.y == RowText(7))
            row.push_back(t);
    std::sort(row.begin(), row.end(), [](const PageText& a, const PageText& b) { return a.at.x < b.at.x; });
    ASSERT_EQ(6u, row.size());
    const int tableEnd = kLandscapeX + kLandscapeColumns[5];
    for (std::size_t i = 0; i < row.size(); ++i) {
        ASSERT_GT(row[i].advance, 0) << row[i].text;
        const int limit = i + 1 < row.size() ? row[i + 1].at.x : tableEnd;
        EXPECT_LE(row[i].at.x + row[i].advance, limit) << row[i].text;
    }
    EXPECT_LT(tableEnd, job.Geometry().paper.cx / 10);
    EXPECT_EQ("内訳合計金額 1999999999999,996,000,000,000,000,002 円", Trimmed(row[4].text));
    EXPECT_EQ("(消費税) 99999999999,999,800,000,000,000,000 円", Trimmed(row[5].text));
}

TEST_F(SalesBookTest, PrintLandscapeWithItemsAndPortraitForAPartnerWithout)
{
    CopyShippedSetupFiles();
    ASSERT_TRUE(Start());
    AddPrintFixture(Document()->m_arrJournal);
    Command(ID_VIEW_URIAGE);
    CUriage* view = Shown<CUriage>();
    ASSERT_NE(nullptr, view);
    {
        CPageJob job(view);
        ASSERT_TRUE(job.Begin());
        EXPECT_TRUE(view->m_bPrintBreakdown);
        const PrintPageGeometry page = job.Geometry();
        EXPECT_GT(page.paper.cx, page.paper.cy);
        ASSERT_EQ(4u, job.Info().GetMaxPage());
        // Page 3 drawn before page 2 prints the same texts.
        const std::vector<PageText> thirdFirst = PageTexts(job.RenderPage(3).Get());
        const CPageMetafile secondPage = job.RenderPage(2);
        const std::vector<PageText> second = PageTexts(secondPage.Get());
        const CPageMetafile thirdPage = job.RenderPage(3);
        const std::vector<PageText> third = PageTexts(thirdPage.Get());
        ASSERT_EQ(third.size(), thirdFirst.size());
        for (size_t i = 0; i < third.size(); ++i)
            EXPECT_EQ(third[i].text, thirdFirst[i].text);
        EXPECT_EQ("内訳　後ページへ続く", TextAtPage(second, 864, 36));
        EXPECT_EQ("内訳　前ページの続き", TextAtPage(third, 864, 5));
        EXPECT_EQ("品29", TextAtPage(third, 344, 6));
        EXPECT_EQ("内訳合計金額 80,000 円", TextAtPage(third, 1924, 17));
        EXPECT_EQ("(消費税) 4,000 円", TextAtPage(third, 2430, 17));
        const std::vector<PageText> cover = PageTexts(job.RenderPage(1).Get());
        EXPECT_TRUE(std::any_of(cover.begin(), cover.end(), [](const PageText& t) { return t.text == "《 売上帳 》"; }));
        if (ShotFolder())
        {
            SavePageAsBitmap(secondPage.Get(), page, 100, CString(ShotFolder()) + "\\print_uriage_landscape.bmp");
            SavePageAsBitmap(thirdPage.Get(), page, 100, CString(ShotFolder()) + "\\print_uriage_landscape_end.bmp");
        }
    }

    // The partner without items prints portrait: the orientation is chosen afresh.
    PickPartner("乙");
    {
        CPageJob job(view);
        ASSERT_TRUE(job.Begin());
        EXPECT_FALSE(view->m_bPrintBreakdown);
        const PrintPageGeometry page = job.Geometry();
        EXPECT_LT(page.paper.cx, page.paper.cy);
        ASSERT_EQ(3u, job.Info().GetMaxPage());
        const std::vector<PageText> first = PageTexts(job.RenderPage(2).Get());
        EXPECT_EQ("－ 売上 － < 乙 >", TextAtPage(first, 954, 0));
        EXPECT_EQ("後ページへ繰り越し", TextAtPage(first, 534, 57));
        const std::vector<PageText> second = PageTexts(job.RenderPage(3).Get());
        EXPECT_EQ("前ページより繰り越し", TextAtPage(second, 524, 3));
        EXPECT_EQ("総合計", TextAtPage(second, 534, 14));
    }

    // Nothing to print: refused with the message.
    Command(ID_VIEW_SIIRE);
    CSiire* purchases = Shown<CSiire>();
    ASSERT_NE(nullptr, purchases);
    std::vector<CString>& messages = RecordMessages();
    EXPECT_FALSE(purchases->PreparePrintJob());
    ASSERT_EQ(1u, messages.size());
    EXPECT_EQ("科目を選択して下さい。", messages[0]);
}

}  // namespace

// The closing-inventory command on real windows: the figures the dialog shows,
// "設定" and "削除", and the entries written, changed or removed on
// "適用して閉じる"; cancel and unapplied typing leave the journal alone.
#include "input_aids_fixture.h"

namespace {

const EntryBuilder kPurchase = OneRowEntry("2024/03/01", "仕入", "現金", "50000", 0, 2005000);
const EntryBuilder kOpening = OneRowEntry("2024/01/01", "棚卸資産", "元入金", "100000", 0, 5007000);
const EntryBuilder kTransfer = OneRowEntry("2024/01/01", "棚卸資産", "仕入", "100000", 1, 5002000);
const EntryBuilder kClosing = OneRowEntry("2024/12/31", "棚卸資産", "仕入", "30000", 0, 5002000);

class InventoryTest : public InputAidsTest {
protected:
    // Runs the command; the dialog is driven by drive, which must end it.
    void RunInventory(const std::function<void(CDialog&)>& drive) { RunDialog(ID_INVENTORY, IDD_INVENTORY, drive); }
    static void Apply(CDialog& dlg, const char* opening, const char* closing)
    {
        dlg.SetDlgItemText(1024, opening);
        dlg.SetDlgItemText(1025, closing);
        DlgClick(dlg, 1022);
    }
};

TEST_F(InventoryTest, AJournalWithoutInventoryShowsNothingSetAndClosingChangesNothing)
{
    StartWith({});
    std::vector<CString> shown;
    RunInventory([&](CDialog& dlg) {
        for (int id : {1024, 1166, 1167, 1025, 1168})
            shown.push_back(DlgText(dlg, id));
        Photograph(&dlg, "inventory_empty");
        DlgClick(dlg, IDOK);
    });
    EXPECT_EQ((std::vector<CString>{"", Field18("0   "), "", "未設定   ", ""}), shown);
    EXPECT_TRUE(JournalLines().empty());
    EXPECT_FALSE(Document()->IsModified());
}

TEST_F(InventoryTest, FirstUseWritesTheThreeEntriesAndTheAppendedOneBecomesCurrent)
{
    StartWith({kPurchase});
    std::vector<CString> shown;
    RunInventory([&](CDialog& dlg) {
        shown.push_back(DlgText(dlg, 1166));
        Apply(dlg, "100,000", "30000");
        for (int id : {1024, 1167, 1025, 1168})
            shown.push_back(DlgText(dlg, id));
        Photograph(&dlg, "inventory_set");
        DlgClick(dlg, IDOK);
    });
    EXPECT_EQ((std::vector<CString>{Field18("50,000   "), Field18("100,000   "), Field18("150,000   "),
                                    Field18("30,000   "), Field18("120,000   ")}),
              shown);
    EXPECT_EQ((std::vector<std::string>{EntryLine(kOpening), EntryLine(kTransfer), EntryLine(kPurchase),
                                        EntryLine(kClosing)}),
              JournalLines());
    // The closing inventory entry just appended is the current entry and selected.
    EXPECT_EQ(3, Document()->m_nCurEntry);
    EXPECT_EQ(5, View()->m_lbTransactions.GetCount());
    EXPECT_EQ(3, View()->m_lbTransactions.GetCurSel());
    EXPECT_TRUE(Document()->IsModified());
}

TEST_F(InventoryTest, SettingAFieldThatIsNoAmountIsRefusedAndKeepsTheFigures)
{
    // Typed or pasted, a text that is no amount without a sign, or one of more
    // than 18 integer digits, is refused at "設定" with the field's name, and
    // "適用して閉じる" then writes the journal's own figures back unchanged.
    const struct {
        const wchar_t* text;
        bool pasted;
        const char* refusal;
    } cases[] = {
        {L"1.2.3", false, "期末商品(製品)棚卸高「1.2.3」は数字として読めません。"},
        {L"5,000円", false, "期末商品(製品)棚卸高「5,000円」は数字として読めません。"},
        {L"3.456", false, "期末商品(製品)棚卸高「3.456」は数字として読めません。"},
        {L"1234567890123456789", false,
         "入力金額の整数が上限の18桁を超えました！\n\n期末商品(製品)棚卸高「1234567890123456789」"},
        {L"1234567890123456789", true,
         "入力金額の整数が上限の18桁を超えました！\n\n期末商品(製品)棚卸高「1234567890123456789」"},
        {L"-300", true, "期末商品(製品)棚卸高「-300」にはマイナスの符号を付けられません。"},
        {L"1a2b3", true, "期末商品(製品)棚卸高「1a2b3」は数字として読めません。"},
        {L"１０００", true, "期末商品(製品)棚卸高「１０００」は数字として読めません。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(FromWide(c.text).str());
        StartWith({kPurchase, kOpening, kTransfer, kClosing});
        const auto before = JournalLines();
        CString kept;
        RunInventory([&](CDialog& dlg) {
            dlg.SetDlgItemText(1024, "200,000");
            if (c.pasted)
                ASSERT_TRUE(PasteIntoEdit(dlg.GetDlgItem(1025), c.text));
            else
                dlg.SetDlgItemText(1025, FromWide(c.text));
            DlgClick(dlg, 1022);
            kept = DlgText(dlg, 1025);
            DlgClick(dlg, IDOK);
        });
        EXPECT_EQ(FromWide(c.text), kept);
        ASSERT_EQ(1u, m_boxes.size());
        EXPECT_EQ(0u, m_boxes[0].find(c.refusal)) << m_boxes[0];
        // Neither field was set: the journal's figures are written back as they were.
        EXPECT_EQ(before, JournalLines());
        Stop();
    }
}

TEST_F(InventoryTest, CancelAndTypingWithoutSetLeaveTheJournalAlone)
{
    // Closed with "適用して閉じる", the entries are written with the figures shown,
    // which are still those of the journal; cancelled, nothing is written.
    const struct {
        const char* what;
        bool set;
        int button;
        bool modified;
    } cases[] = {{"typed, closed without 設定", false, IDOK, true}, {"set, then cancelled", true, IDCANCEL, false}};
    StartWith({kPurchase, kClosing});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m_answers.asked.clear();
        RunInventory([&](CDialog& dlg) {
            dlg.SetDlgItemText(1024, "5000");
            dlg.SetDlgItemText(1025, "70000");
            if (c.set)
                DlgClick(dlg, 1022);
            DlgClick(dlg, c.button);
        });
        EXPECT_EQ((std::vector<std::string>{EntryLine(kPurchase), EntryLine(kClosing)}), JournalLines());
        EXPECT_EQ(c.modified, Document()->IsModified() != FALSE);
        Document()->SetModifiedFlag(FALSE);
    }
}

TEST_F(InventoryTest, TwoMatchingOpeningEntriesShowTheirSumAndKeepItAfterAChange)
{
    EntryBuilder earlier = kOpening;
    earlier.Amount("100");
    EntryBuilder later = kOpening;
    later.Amount("50");
    EntryBuilder transfer = kTransfer;
    transfer.Amount("150");
    StartWith({earlier, later, transfer, kClosing});
    CString shown;
    RunInventory([&](CDialog& dlg) {
        shown = DlgText(dlg, 1024);
        Apply(dlg, "200", "30000");
        DlgClick(dlg, IDOK);
    });
    EXPECT_EQ(Field18("150   "), shown);
    // The earlier entry keeps its 100; the later carries the rest, so the
    // opening inventory sums to the figure set, not to twice the earlier one.
    later.Amount("100");
    transfer.Amount("200");
    EXPECT_EQ((std::vector<std::string>{EntryLine(earlier), EntryLine(later), EntryLine(transfer),
                                        EntryLine(kClosing)}),
              JournalLines());
}

TEST_F(InventoryTest, ZeroRemovesTheOpeningEntriesAndTheClosingEntryStillGetsItsFigure)
{
    StartWith({kOpening, kTransfer, kPurchase, kClosing});
    RunInventory([&](CDialog& dlg) {
        Apply(dlg, "0", "70000");
        DlgClick(dlg, IDOK);
    });
    EntryBuilder closing = kClosing;
    closing.Amount("70000");
    EXPECT_EQ((std::vector<std::string>{EntryLine(kPurchase), EntryLine(closing)}), JournalLines());
    EXPECT_EQ(1, Document()->m_nCurEntry);
    EXPECT_TRUE(Document()->IsModified());
}

TEST_F(InventoryTest, DeleteAsksFirstAndOnYesRemovesTheClosingEntry)
{
    const struct {
        int answer;
        CString closingField;
        std::vector<std::string> journal;
    } cases[] = {
        {IDYES, "未設定   ", {EntryLine(kPurchase)}},
        {IDNO, Field18("30,000   "), {EntryLine(kPurchase), EntryLine(kClosing)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer == IDYES ? "yes" : "no");
        StartWith({kPurchase, kClosing});
        m_buttons = {c.answer};
        CString field;
        RunInventory([&](CDialog& dlg) {
            DlgClick(dlg, 1010);
            field = DlgText(dlg, 1025);
            DlgClick(dlg, IDOK);
        });
        EXPECT_EQ(std::vector<std::string>{"「 期末商品(製品)棚卸高 」を削除しますか？"}, m_boxes);
        EXPECT_EQ(c.closingField, field);
        EXPECT_EQ(c.journal, JournalLines());
        Stop();
    }
}

TEST_F(InventoryTest, AFigureTooLongForItsFieldIsNotReadBackFromTheOverflowMark)
{
    EntryBuilder closing = kClosing;
    closing.Amount("1234567890123");
    StartWith({kPurchase, closing});
    CString shown;
    RunInventory([&](CDialog& dlg) {
        shown = DlgText(dlg, 1025);
        DlgClick(dlg, 1022);
        DlgClick(dlg, IDOK);
    });
    EXPECT_EQ(CString("#"), shown.Left(1));
    EXPECT_EQ(18, shown.GetLength());
    EXPECT_EQ((std::vector<std::string>{EntryLine(kPurchase), EntryLine(closing)}), JournalLines());
}

}  // namespace

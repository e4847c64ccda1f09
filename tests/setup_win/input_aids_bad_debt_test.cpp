// The bad-debt allowance command on real windows: the entries found and their
// statuses, the receivables (A) and the limit at both rates, the reversal
// proposed on the next opening, and the entries written, changed or removed on
// "OK"; cancel and an unchanged "OK" leave the journal alone.
#include "input_aids_fixture.h"

namespace {

const EntryBuilder kSale = OneRowEntry("2024/02/01", "売上", "売掛金", "100", 1, 1005000);
const EntryBuilder kOpening = OneRowEntry("2024/01/01", "貸倒引当金", "元入金", "10000", 1, 4007000);
const EntryBuilder kReversal = OneRowEntry("2024/12/31", "貸倒引当金", "貸倒引当金繰戻額", "10000", 0, 4001000);
const EntryBuilder kProvision = OneRowEntry("2024/12/31", "貸倒引当金", "貸倒引当金繰入額", "8000", 1, 4003000);

class BadDebtTest : public InputAidsTest {
protected:
    void RunBadDebt(const std::function<void(CDialog&)>& drive)
    {
        RunDialog(ID_BAD_DEBT_ALLOWANCE, IDD_BAD_DEBT, drive);
    }
    static void ChooseRate(CDialog& dlg, int item)
    {
        static_cast<CComboBox*>(dlg.GetDlgItem(1028))->SetCurSel(item);
        DlgNotify(dlg, 1028, CBN_SELCHANGE);
    }
};

TEST_F(BadDebtTest, NothingBookedShowsEmptyFieldsRedStatusesAndAnEmptyOkChangesNothing)
{
    StartWith({});
    std::vector<CString> shown;
    RunBadDebt([&](CDialog& dlg) {
        for (int id : {1024, 1172, 1025, 1171, 1173, 1174, 1175, 1176})
            shown.push_back(DlgText(dlg, id));
        DlgClick(dlg, IDOK);
    });
    EXPECT_EQ((std::vector<CString>{"", "", "", Field18("0   "), Field18("0   "), "未記帳", "未記帳", "未記帳"}), shown);
    EXPECT_TRUE(JournalLines().empty());
    EXPECT_FALSE(Document()->IsModified());
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(BadDebtTest, TheLimitIsTheReceivablesTimesTheRateCutToWholeYen)
{
    StartWith({kSale});
    std::vector<CString> limits;
    CString receivables;
    RunBadDebt([&](CDialog& dlg) {
        receivables = DlgText(dlg, 1171);
        limits.push_back(DlgText(dlg, 1173));
        ChooseRate(dlg, 1);
        limits.push_back(DlgText(dlg, 1173));
        ChooseRate(dlg, 0);
        limits.push_back(DlgText(dlg, 1173));
        EXPECT_EQ(receivables, DlgText(dlg, 1171));
        DlgClick(dlg, IDCANCEL);
    });
    EXPECT_EQ(Field18("100   "), receivables);
    EXPECT_EQ((std::vector<CString>{Field18("5   "), Field18("3   "), Field18("5   ")}), limits);
}

TEST_F(BadDebtTest, ReceivablesGrowOnTheSideTheirClassGrowsAndAreCurrentAssetsWithoutDigits)
{
    // A credit sale: 売掛金 on the debit side. As a current asset it raises (A);
    // a class digit 0 given in the code makes it grow on the credit side instead.
    const struct {
        int classCode;
        const char* receivables;
    } cases[] = {{0, "1,000   "}, {1005000, "1,000   "}, {1000000, "-1,000   "}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.classCode);
        EntryBuilder sale = kSale;
        sale.Amount("1000");
        sale.ClassCode(c.classCode);
        StartWith({sale});
        CString shown;
        RunBadDebt([&](CDialog& dlg) {
            shown = DlgText(dlg, 1171);
            DlgClick(dlg, IDCANCEL);
        });
        EXPECT_EQ(Field18(c.receivables), shown);
        Stop();
    }
}

TEST_F(BadDebtTest, FirstUseThenTheReversalIsProposedAndWrittenBeforeTheProvision)
{
    StartWith({kSale});
    RunBadDebt([&](CDialog& dlg) {
        dlg.SetDlgItemText(1024, "10,000");
        dlg.SetDlgItemText(1025, "8000");
        DlgClick(dlg, IDOK);
    });
    EXPECT_EQ((std::vector<std::string>{EntryLine(kOpening), EntryLine(kSale), EntryLine(kProvision)}), JournalLines());
    EXPECT_EQ(2, Document()->m_nCurEntry);
    EXPECT_TRUE(Document()->IsModified());
    EXPECT_TRUE(m_boxes.empty());

    std::vector<CString> shown;
    RunBadDebt([&](CDialog& dlg) {
        for (int id : {1024, 1172, 1025, 1174, 1175, 1176})
            shown.push_back(DlgText(dlg, id));
        dlg.SetDlgItemText(1025, "9000");
        Photograph(&dlg, "bad_debt_reversal_proposed");
        DlgClick(dlg, IDOK);
    });
    EXPECT_EQ(std::vector<std::string>{"貸倒引当金繰戻額が期末に未記帳です。"}, m_boxes);
    EXPECT_EQ((std::vector<CString>{Field18("10,000   "), Field18("10,000   "), Field18("8,000   "), "記帳済", "未記帳",
                                    "記帳済"}),
              shown);
    EntryBuilder provision = kProvision;
    provision.Amount("9000");
    EXPECT_EQ((std::vector<std::string>{EntryLine(kOpening), EntryLine(kSale), EntryLine(kReversal),
                                        EntryLine(provision)}),
              JournalLines());
}

TEST_F(BadDebtTest, OkWithoutChangesAndCancelLeaveTheJournalAlone)
{
    for (int button : {IDOK, IDCANCEL}) {
        SCOPED_TRACE(button);
        StartWith({kOpening, kSale, kReversal, kProvision});
        const auto before = JournalLines();
        RunBadDebt([&](CDialog& dlg) {
            if (button == IDCANCEL)
                dlg.SetDlgItemText(1025, "1");
            DlgClick(dlg, button);
        });
        EXPECT_EQ(before, JournalLines());
        EXPECT_FALSE(Document()->IsModified());
        Stop();
    }
}

TEST_F(BadDebtTest, AFieldThatIsNoAmountKeepsTheDialogOpenAndTheJournalAlone)
{
    // Typed or pasted, a text that is no amount without a sign, or one of more
    // than 18 integer digits, is refused with the field's name; nothing is written.
    const struct {
        int field;
        const wchar_t* text;
        bool pasted;
        const char* refusal;
    } cases[] = {
        {1024, L"1.2.3", false, "期首の貸倒引当金「1.2.3」は数字として読めません。"},
        {1172, L"12円", false, "貸倒引当金繰戻し額「12円」は数字として読めません。"},
        {1025, L"3.456", false, "貸倒引当金繰入額「3.456」は数字として読めません。"},
        {1025, L"--5", false, "貸倒引当金繰入額「--5」は数字として読めません。"},
        {1025, L"1234567890123456789", false,
         "入力金額の整数が上限の18桁を超えました！\n\n貸倒引当金繰入額「1234567890123456789」"},
        {1024, L"1234567890123456789", true,
         "入力金額の整数が上限の18桁を超えました！\n\n期首の貸倒引当金「1234567890123456789」"},
        {1025, L"-300", true, "貸倒引当金繰入額「-300」にはマイナスの符号を付けられません。"},
        {1025, L"12abc", true, "貸倒引当金繰入額「12abc」は数字として読めません。"},
        {1024, L"１０００", true, "期首の貸倒引当金「１０００」は数字として読めません。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(FromWide(c.text).str());
        StartWith({kOpening, kSale, kReversal, kProvision});
        const auto before = JournalLines();
        bool stayedOpen = false;
        CString kept;
        RunBadDebt([&](CDialog& dlg) {
            if (c.pasted)
                ASSERT_TRUE(PasteIntoEdit(dlg.GetDlgItem(c.field), c.text));
            else
                dlg.SetDlgItemText(c.field, FromWide(c.text));
            DlgClick(dlg, IDOK);
            stayedOpen = ::IsWindow(dlg.m_hWnd) && ::IsWindowEnabled(dlg.m_hWnd);
            kept = DlgText(dlg, c.field);
            DlgClick(dlg, IDCANCEL);
        });
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(FromWide(c.text), kept);
        ASSERT_EQ(1u, m_boxes.size());
        EXPECT_EQ(0u, m_boxes[0].find(c.refusal)) << m_boxes[0];
        EXPECT_EQ(before, JournalLines());
        EXPECT_FALSE(Document()->IsModified());
        Stop();
    }
}

TEST_F(BadDebtTest, EmptiedFieldsRemoveTheirEntries)
{
    const struct {
        int field;
        const char* typed;
        std::vector<std::string> journal;
    } cases[] = {
        {1025, "", {EntryLine(kOpening), EntryLine(kSale), EntryLine(kReversal)}},
        {1025, "0", {EntryLine(kOpening), EntryLine(kSale), EntryLine(kReversal)}},
        // The opening allowance goes with its reversal.
        {1024, "", {EntryLine(kSale), EntryLine(kProvision)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        StartWith({kOpening, kSale, kReversal, kProvision});
        RunBadDebt([&](CDialog& dlg) {
            dlg.SetDlgItemText(c.field, c.typed);
            DlgClick(dlg, IDOK);
        });
        EXPECT_EQ(c.journal, JournalLines());
        EXPECT_TRUE(Document()->IsModified());
        Stop();
    }
}

}  // namespace

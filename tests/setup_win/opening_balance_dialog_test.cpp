// The opening-balance dialog on real windows, answered through the modal seam, and
// the journal view's command that writes its rows into the journal; the statements
// are then read on the year the dialog wrote.
#include "program_folder.h"

#include "../support/entry_builder.h"

#include "program_data.h"

#include "core/record_file.h"
#include "journal/win/siwake.h"
#include "setup/win/kishu_zandaka_dlg.h"
#include "statements/win/kessan.h"
#include "resource.h"

#include <string>
#include <vector>

namespace {

// Drives the live dialog as a user would: picks lines, types and presses buttons.
class DialogDriver {
public:
    explicit DialogDriver(CDialog& dialog) : m_dlg(static_cast<CKishuZandakaDlg&>(dialog)) {}

    CKishuZandakaDlg& Dialog() { return m_dlg; }

    // Selects the line of the list that begins with the name's column; false when none does.
    bool Pick(int listId, const char* name)
    {
        CListBox& list = List(listId);
        for (int i = 0; i < list.GetCount(); ++i) {
            if (LineName(Line(listId, i)) != name)
                continue;
            list.SetCurSel(i);
            m_dlg.SendMessage(WM_COMMAND, MAKEWPARAM(listId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list.m_hWnd));
            return true;
        }
        return false;
    }
    void Click(int id)
    {
        m_dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                          reinterpret_cast<LPARAM>(m_dlg.GetDlgItem(id)->m_hWnd));
    }
    void Type(const char* amount) { m_dlg.SetDlgItemText(1025, amount); }
    void SetBalance(int listId, const char* name, const char* amount)
    {
        ASSERT_TRUE(Pick(listId, name)) << name;
        Type(amount);
        Click(1022);
    }
    CString Text(int id)
    {
        CString text;
        m_dlg.GetDlgItemText(id, text);
        return text;
    }
    bool Visible(int id) { return (m_dlg.GetDlgItem(id)->GetStyle() & WS_VISIBLE) != 0; }
    CString Line(int listId, int index)
    {
        CString text;
        List(listId).GetText(index, text);
        return text;
    }
    // The line of the list that begins with the name's column, empty when none does.
    CString LineOf(int listId, const char* name)
    {
        for (int i = 0; i < List(listId).GetCount(); ++i)
            if (LineName(Line(listId, i)) == name)
                return Line(listId, i);
        return CString();
    }
    std::vector<CString> Lines(int listId)
    {
        std::vector<CString> lines;
        for (int i = 0; i < List(listId).GetCount(); ++i)
            lines.push_back(Line(listId, i));
        return lines;
    }

private:
    CListBox& List(int id)
    {
        return id == 1001 ? m_dlg.m_listAssets : id == 1034 ? m_dlg.m_listLiabilities : m_dlg.m_listDetail;
    }
    static CString LineName(const CString& line)
    {
        CString name = line.Left(kOpeningNameWidth);
        name.TrimRight();
        return name;
    }
    CKishuZandakaDlg& m_dlg;
};

class OpeningBalanceDialogTest : public ProgramFolderTest {
protected:
    // The entries as the program writes them: amounts of unused rows are "0".
    void StartWith(std::initializer_list<EntryBuilder> entries, int show = SW_HIDE)
    {
        CopyShippedSetupFiles();
        ASSERT_TRUE(Start(show));
        for (const EntryBuilder& entry : entries)
            Document()->m_arrJournal.Add(EntryBuilder(entry).UnusedAmountsZero().New());
        Journal()->RebuildTransactionList();
        Document()->SetModifiedFlag(FALSE);
        m_answers.messageBox = [](const MessageBoxRequest&) { return IDOK; };
        m_answers.asked.clear();
    }
    siwake* Journal() const { return static_cast<siwake*>(Frame()->GetActiveView()); }
    void RunCommand()
    {
        Frame()->SendMessage(WM_COMMAND, ID_OPENING_BALANCE);
        PumpWaitingMessages();
    }
    // "date cause/result amount description direction code" per entry.
    std::vector<std::string> JournalLines() const
    {
        std::vector<std::string> lines;
        const auto& journal = Document()->m_arrJournal;
        for (int i = 0; i < journal.GetSize(); ++i) {
            const CMyObject2& e = *journal[i];
            lines.push_back(e.m_strDate.str() + " " + e.m_strCause1.str() + "/" + e.m_strResult1.str() + " " +
                            e.m_strCauseAmount1.str() + "," + e.m_strResultAmount1.str() + " " +
                            e.m_strCauseDesc1.str() + " " + std::to_string(e.m_nDirection) + " " +
                            std::to_string(e.m_nClassCode));
        }
        return lines;
    }
    // The trial balance's lines on the statements view.
    std::vector<CString> TrialBalance()
    {
        Frame()->SendMessage(WM_COMMAND, ID_VIEW_KESSAN);
        PumpWaitingMessages();
        auto* view = static_cast<kessan*>(Frame()->GetActiveView());
        std::vector<CString> lines;
        for (int i = 0; i < view->m_listStatement.GetCount(); ++i) {
            CString line;
            view->m_listStatement.GetText(i, line);
            lines.push_back(line);
        }
        return lines;
    }
    static int CountLinesWith(const std::vector<CString>& lines, const char* text)
    {
        int count = 0;
        for (const CString& line : lines)
            count += line.Find(text) >= 0;
        return count;
    }
    static CString LineWith(const std::vector<CString>& lines, const char* text)
    {
        for (const CString& line : lines)
            if (line.Find(text) >= 0)
                return line;
        return CString();
    }
    void WritePreviousYear(const char* name, std::initializer_list<EntryBuilder> entries)
    {
        JournalArray journal;
        for (const EntryBuilder& entry : entries)
            journal.Add(EntryBuilder(entry).UnusedAmountsZero().New());
        SaveRecordFile(Path(name), journal);
        DeleteRecords(journal);
        m_answers.fileDialog = [this, name](FileDialogRequest& request) {
            request.fileName = Path(name);
            return IDOK;
        };
    }
};

TEST_F(OpeningBalanceDialogTest, BalancesSetInTheDialogOpenTheJournalAndTheTrialBalance)
{
    StartWith({OneRowEntry("2025/03/01", "売上", "現金", "5000", 1, 1005000)});
    m_answers.dialogs[IDD_KISHU_ZANDAKA] = [](CDialog& dialog) {
        DialogDriver d(dialog);
        EXPECT_FALSE(d.Visible(1008));
        EXPECT_EQ(BalanceLine("現金", UnsetMark()), d.LineOf(1001, "現金"));
        d.SetBalance(1001, "現金", "250,000");
        EXPECT_STREQ("現金", d.Text(1024));
        EXPECT_STREQ("250,000", d.Text(1025));
        EXPECT_EQ(BalanceLine("現金", "250000"), d.LineOf(1001, "現金"));
        d.SetBalance(1034, "買掛金", "100000");
        // A liability kept per description.
        ASSERT_TRUE(d.Pick(1034, "預り金"));
        EXPECT_TRUE(d.Visible(1008));
        d.Click(1106);
        EXPECT_STREQ("摘要名", d.Text(1107));
        EXPECT_STREQ("摘要別の詳細な設定", d.Text(1127));
        d.SetBalance(1008, "源泉所得税", "3,000");
        EXPECT_EQ(BalanceLine("預り金", "3000"), d.LineOf(1034, "預り金"));
        EXPECT_EQ(BalanceLine("源泉所得税", "3000"), d.LineOf(1008, "源泉所得税"));
        // Text that is no amount is refused and changes nothing.
        d.SetBalance(1001, "普通預金", "1.2.3");
        EXPECT_EQ(BalanceLine("普通預金", BlankBalance()), d.LineOf(1001, "普通預金"));
        Photograph(&dialog, "opening_balance_sample");
        dialog.SendMessage(WM_COMMAND, IDOK);
    };
    RunCommand();
    ASSERT_EQ(1u, MessagesShown().size());
    EXPECT_EQ(0, MessagesShown()[0].Find("[ 普通預金 ] の期首残高「1.2.3」は数字として読めません。"));

    const std::vector<std::string> expected = {
        "2025/01/01 現金/元入金 250000,250000  0 5007000",
        "2025/01/01 預り金/元入金 3000,3000 源泉所得税 1 4007000",
        "2025/01/01 買掛金/元入金 100000,100000  1 4007000",
        "2025/03/01 売上/現金 5000,5000  1 1005000",
    };
    EXPECT_EQ(expected, JournalLines());
    EXPECT_TRUE(Document()->IsModified());
    EXPECT_EQ(5, Journal()->m_lbTransactions.GetCount());

    const std::vector<CString> trial = TrialBalance();
    EXPECT_NE(-1, LineWith(trial, "現金").Find("255,000"));
    EXPECT_NE(-1, LineWith(trial, "買掛金").Find("100,000"));
    EXPECT_NE(-1, LineWith(trial, "預り金").Find("3,000"));
    EXPECT_NE(-1, LineWith(trial, "元入金").Find("147,000"));
}

TEST_F(OpeningBalanceDialogTest, CancelLeavesTheJournalAndTheModifiedFlag)
{
    StartWith({OneRowEntry("2025/01/01", "現金", "元入金", "700", 0, 5007000),
               OneRowEntry("2025/03/01", "売上", "現金", "5000", 1, 1005000)});
    const auto before = JournalLines();
    m_answers.dialogs[IDD_KISHU_ZANDAKA] = [](CDialog& dialog) {
        DialogDriver d(dialog);
        // The balance read from the journal's opening entry.
        EXPECT_EQ(BalanceLine("現金", "700"), d.LineOf(1001, "現金"));
        d.SetBalance(1001, "現金", "900");
        d.SetBalance(1034, "買掛金", "100");
        dialog.SendMessage(WM_COMMAND, IDCANCEL);
    };
    RunCommand();
    EXPECT_EQ(before, JournalLines());
    EXPECT_FALSE(Document()->IsModified());
    EXPECT_EQ(3, Journal()->m_lbTransactions.GetCount());

    // Deleting the balance at OK removes its opening entry.
    m_answers.messageBox = [](const MessageBoxRequest& box) { return box.style & MB_YESNO ? IDYES : IDOK; };
    m_answers.dialogs[IDD_KISHU_ZANDAKA] = [](CDialog& dialog) {
        DialogDriver d(dialog);
        ASSERT_TRUE(d.Pick(1001, "現金"));
        d.Click(1010);
        EXPECT_EQ(BalanceLine("現金", UnsetMark()), d.LineOf(1001, "現金"));
        dialog.SendMessage(WM_COMMAND, IDOK);
    };
    RunCommand();
    EXPECT_EQ(std::vector<std::string>{before[1]}, JournalLines());
    EXPECT_TRUE(Document()->IsModified());
    EXPECT_EQ(std::vector<CString>{CString("「 現金 」の期首残高を削除しますか？")}, MessagesShown());
}

TEST_F(OpeningBalanceDialogTest, CarryForwardFromThePreviousYearsFile)
{
    WritePreviousYear("2024.siz", {OneRowEntry("2024/01/01", "現金", "元入金", "1000", 0, 5007000),
                                   OneRowEntry("2024/01/01", "他店商品券", "元入金", "300", 0, 5007000)
                                       .CauseDesc("ビール券"),
                                   OneRowEntry("2024/05/01", "売上", "現金", "500", 1, 1005000),
                                   OneRowEntry("2024/06/01", "仕入", "買掛金", "200", 0, 2004000),
                                   OneRowEntry("2024/07/01", "他店商品券", "現金", "50", 0, 5005000)
                                       .CauseDesc("共通商品券")});
    // This year's old opening entry goes; the user's own 元入金 entry of April stays.
    StartWith({OneRowEntry("2025/01/01", "現金", "元入金", "1", 0, 5007000),
               OneRowEntry("2025/04/01", "現金", "元入金", "20", 0, 5007000)},
              SW_SHOW);
    m_answers.dialogs[IDD_KISHU_ZANDAKA] = [](CDialog& dialog) {
        DialogDriver d(dialog);
        d.Click(1011);
        EXPECT_EQ(BalanceLine("現金", "1450"), d.LineOf(1001, "現金"));
        EXPECT_EQ(BalanceLine("買掛金", "200"), d.LineOf(1034, "買掛金"));
        ASSERT_TRUE(d.Pick(1001, "他店商品券"));
        EXPECT_TRUE(d.Visible(1008));
        d.Click(1106);
        const std::vector<CString> detail = {BalanceLine("共通商品券", UnsetMark()), BalanceLine("ビール券", "300"),
                                             BalanceLine("未設定の合計", "50")};
        EXPECT_EQ(detail, d.Lines(1008));
        Photograph(&dialog, "opening_balance_carried");
        // Carried per description: the account level is refused.
        ASSERT_TRUE(d.Pick(1001, "他店商品券"));
        d.Type("10");
        d.Click(1022);
        dialog.SendMessage(WM_COMMAND, IDOK);
    };
    RunCommand();
    const std::vector<CString> messages = MessagesShown();
    // The April entry of 現金 against 元入金 is cash paid in, no opening balance: nothing is said of it.
    ASSERT_EQ(2u, messages.size());
    EXPECT_STREQ("前年度会計データファイルから、今年度の期首残高が読み込まれました。", messages[0]);
    EXPECT_EQ(0, messages[1].Find("[ 他店商品券 ] は摘要別に期首残高が設定されています。"));
    const std::vector<std::string> expected = {
        "2025/01/01 他店商品券/元入金 50,50  0 5007000",
        "2025/01/01 他店商品券/元入金 300,300 ビール券 0 5007000",
        "2025/01/01 現金/元入金 1450,1450  0 5007000",
        "2025/01/01 買掛金/元入金 200,200  1 4007000",
        "2025/04/01 現金/元入金 20,20  0 5007000",
    };
    EXPECT_EQ(expected, JournalLines());
    EXPECT_STREQ("2025", Document()->m_strYear);
    EXPECT_EQ(0, Document()->m_arrPrevJournal.GetSize());
}

TEST_F(OpeningBalanceDialogTest, TheCarriedYearIsPublishedOnlyOnOk)
{
    // An empty journal has no year of its own: the file's year decides.
    WritePreviousYear("2022.siz", {OneRowEntry("2022/03/01", "売上", "現金", "500", 1, 1005000)});
    StartWith({});
    Document()->m_strYear = "2025";
    m_answers.dialogs[IDD_KISHU_ZANDAKA] = [](CDialog& dialog) {
        DialogDriver d(dialog);
        d.Click(1011);
        EXPECT_STREQ("2023", d.Dialog().m_strCarriedYear);
        dialog.SendMessage(WM_COMMAND, IDCANCEL);
    };
    RunCommand();
    EXPECT_STREQ("2025", Document()->m_strYear);
    EXPECT_EQ(0, Document()->m_arrJournal.GetSize());
    // No question about the year: only the carry-forward's own message.
    EXPECT_EQ(std::vector<CString>{CString("前年度会計データファイルから、今年度の期首残高が読み込まれました。")},
              MessagesShown());

    // A cancelled file choice changes nothing in the dialog.
    m_answers.fileDialog = [](FileDialogRequest&) { return IDCANCEL; };
    m_answers.dialogs[IDD_KISHU_ZANDAKA] = [](CDialog& dialog) {
        DialogDriver d(dialog);
        const std::vector<CString> before = d.Lines(1001);
        d.Click(1011);
        EXPECT_EQ(before, d.Lines(1001));
        EXPECT_TRUE(d.Dialog().m_strCarriedYear.IsEmpty());
        dialog.SendMessage(WM_COMMAND, IDOK);
    };
    RunCommand();
    EXPECT_STREQ("2025", Document()->m_strYear);
    EXPECT_FALSE(Document()->IsModified());
}

TEST_F(OpeningBalanceDialogTest, AFileOfAnotherYearIsCarriedOnlyWhenTheUserSaysSo)
{
    WritePreviousYear("2022.siz", {OneRowEntry("2022/01/01", "現金", "元入金", "1000", 0, 5007000),
                                   OneRowEntry("2022/05/01", "売上", "現金", "500", 1, 1005000)});
    // The open journal of 2025 already has its opening entry.
    StartWith({OneRowEntry("2025/01/01", "現金", "元入金", "700", 0, 5007000),
               OneRowEntry("2025/03/01", "売上", "現金", "5000", 1, 1005000)});
    const std::vector<std::string> before = JournalLines();
    const CString question = "指定されたファイルは 2022 年の会計データです。\n\n開いている会計データは 2025 "
                             "年のもので、前年度は 2024 年です。\n\nこのファイルの期末残高を 2025 "
                             "年の期首残高として読み込みますか？";
    struct Case {
        int answer;
        const char* cash;
    };
    for (const Case& c : {Case{IDNO, "700"}, Case{IDYES, "1500"}}) {
        m_answers.asked.clear();
        m_answers.messageBox = [&c](const MessageBoxRequest& box) { return box.style & MB_YESNO ? c.answer : IDOK; };
        m_answers.dialogs[IDD_KISHU_ZANDAKA] = [&c](CDialog& dialog) {
            DialogDriver d(dialog);
            d.Click(1011);
            EXPECT_EQ(BalanceLine("現金", c.cash), d.LineOf(1001, "現金")) << c.answer;
            dialog.SendMessage(WM_COMMAND, IDOK);
        };
        RunCommand();
        const std::vector<CString> messages = MessagesShown();
        ASSERT_FALSE(messages.empty()) << c.answer;
        EXPECT_EQ(question, messages[0]);
        EXPECT_EQ(0, Document()->m_arrJournal.GetSize() - 2) << c.answer;
        EXPECT_EQ(0, Document()->m_arrPrevJournal.GetSize());
    }
    // Answered yes: the balances replace the open journal's opening entry, dated in its own year.
    const std::vector<std::string> expected = {"2025/01/01 現金/元入金 1500,1500  0 5007000", before[1]};
    EXPECT_EQ(expected, JournalLines());
    EXPECT_STREQ("2025", Document()->m_strYear);
}

// A capital account other than 元入金 on a year the dialog wrote: its opening entry
// and the user's own entries must file it once, under one class.
TEST_F(OpeningBalanceDialogTest, CapitalAccountOnTheStatements)
{
    StartWith({OneRowEntry("2025/02/01", "資本金", "現金", "50000", 1, 7005000)});
    m_answers.dialogs[IDD_KISHU_ZANDAKA] = [](CDialog& dialog) {
        DialogDriver d(dialog);
        d.SetBalance(1034, "資本金", "300,000");
        dialog.SendMessage(WM_COMMAND, IDOK);
    };
    RunCommand();
    ASSERT_EQ(2, Document()->m_arrJournal.GetSize());
    const std::vector<CString> trial = TrialBalance();
    EXPECT_EQ(1, CountLinesWith(trial, "資本金"));
    EXPECT_NE(-1, LineWith(trial, "資本金").Find("350,000"));
}

// The sample journal's opening entries, as the dialog shows them: each account's
// balance, and an account kept per description with its descriptions' balances.
// Photographed when a shot folder is asked for.
TEST_F(OpeningBalanceDialogTest, SampleJournalsOpeningBalancesPerAccountAndDescription)
{
    CopyShippedSetupFiles();
    ASSERT_TRUE(Start(SW_SHOW));
    LoadRecordFile(CString(PROGRAM_DATA_FOLDER) + "\\ｻﾝﾌﾟﾙ2024.siz", Document()->m_arrJournal);
    Journal()->RebuildTransactionList();
    m_answers.messageBox = [](const MessageBoxRequest&) { return IDOK; };
    bool shown = false;
    m_answers.dialogs[IDD_KISHU_ZANDAKA] = [&shown](CDialog& dialog) {
        shown = true;
        DialogDriver d(dialog);
        EXPECT_EQ(BalanceLine("現金", "180000"), d.LineOf(1001, "現金"));
        EXPECT_EQ(BalanceLine("当座預金", "480000"), d.LineOf(1001, "当座預金"));
        EXPECT_EQ(BalanceLine("売掛金", "535000"), d.LineOf(1001, "売掛金"));
        EXPECT_EQ(BalanceLine("買掛金", "1024700"), d.LineOf(1034, "買掛金"));
        EXPECT_EQ(BalanceLine("借入金", "1800000"), d.LineOf(1034, "借入金"));
        Photograph(&dialog, "opening_balance_sample_journal");
        ASSERT_TRUE(d.Pick(1001, "普通預金"));
        d.Click(1106);
        EXPECT_EQ(BalanceLine("あおば銀行", "1650000"), d.LineOf(1008, "あおば銀行"));
        Photograph(&dialog, "opening_balance_sample_detail");
        dialog.SendMessage(WM_COMMAND, IDCANCEL);
    };
    RunCommand();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(Document()->IsModified());
}

}  // namespace

// The journal view keeping a journal on real windows: committing sentences with
// their checks and the dictionary's registrations answered through the modal
// seam, the list and what picking a line shows, insert, change, delete, cut, copy
// and paste with the journal and the list kept aligned, the sort, the question
// before an edited entry is left, the book buttons, and a journal entered, saved
// and read again by a second start of the program.
#include "../support/journal_fixtures.h"
#include "../support/menu_as_shown.h"
#include "program_folder.h"

#include "core/record_file.h"
#include "framework/win/dialog.h"
#include "framework/win/wide_text.h"
#include "journal/dictionary_check.h"
#include "journal/entry_lists.h"
#include "journal/journal_lines.h"
#include "journal/win/siwake.h"
#include "resource.h"
#include "tests/support/window_test_support.h"

#include <deque>
#include <string>
#include <vector>

namespace {

// Whether the control's own visibility is on (the dialog a test answers is never shown).
bool Shown(CDialog& dlg, int id)
{
    return (::GetWindowLongW(dlg.GetDlgItem(id)->m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

class JournalEditingTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        CopyShippedSetupFiles();
        m_answers.messageBox = AnswerFromQueue(m_boxes, m_buttons);
    }

    // Starts on a journal file of these entries.
    void StartWith(std::initializer_list<EntryBuilder> entries)
    {
        JournalArray journal;
        for (const EntryBuilder& entry : entries)
            journal.Add(entry.New());
        SaveRecordFile(Path("2024.siz"), journal);
        DeleteRecords(journal);
        WriteFileBytes(Path("duzizezi.ino"), Path("2024.siz").str());
        ASSERT_TRUE(Start());
        ASSERT_NE(nullptr, View());
        m_boxes.clear();
    }

    siwake* View() const { return ActiveViewOf<siwake>(); }
    void Notify(int id, UINT code)
    {
        View()->SendMessage(WM_COMMAND, MAKEWPARAM(id, code),
                            reinterpret_cast<LPARAM>(View()->GetDlgItem(id)->m_hWnd));
    }
    void Click(int id) { Notify(id, BN_CLICKED); }
    void Command(UINT id) { Frame()->SendMessage(WM_COMMAND, id); }
    void SelectRow(int row)
    {
        View()->m_lbTransactions.SetCurSel(row);
        Notify(1000, LBN_SELCHANGE);
    }
    CString Text(int id) const
    {
        CString text;
        View()->GetDlgItemText(id, text);
        return text;
    }
    void SetText(int id, const char* text) { View()->SetDlgItemText(id, text); }

    // Types a one-row sentence: the cause account's class, the accounts and amounts, a phrase.
    void TypeSentence(int causeClass, const char* cause, const char* causeAmount, const char* result,
                      const char* resultAmount, int direction = 1)
    {
        View()->m_nActiveRow = 1;
        View()->m_lbClass.SetCurSel(causeClass);
        Notify(1034, LBN_SELCHANGE);
        SetText(1038, cause);
        SetText(1032, causeAmount);
        SetText(1043, result);
        SetText(1024, resultAmount);
        View()->CheckDlgButton(1035, direction == 1 ? BST_CHECKED : BST_UNCHECKED);
        View()->CheckDlgButton(1037, direction == 0 ? BST_CHECKED : BST_UNCHECKED);
    }

    std::vector<CString> Rows() const
    {
        std::vector<CString> rows;
        for (int i = 0; i < View()->m_lbTransactions.GetCount(); ++i) {
            CString text;
            View()->m_lbTransactions.GetText(i, text);
            rows.push_back(text);
        }
        return rows;
    }

    // Every list row shows the journal entry of its index, then the new-entry row.
    void ExpectAligned()
    {
        const auto& journal = Document()->m_arrJournal;
        const std::vector<CString> rows = Rows();
        ASSERT_EQ(static_cast<size_t>(journal.GetSize()) + 1, rows.size());
        EXPECT_EQ("---", rows.back());
        const JournalLineFormatter formatter(Document()->m_arrDictionary);
        for (int i = 0; i < journal.GetSize(); ++i) {
            const int connect = DecodeClassCode(journal.GetAt(i)->m_nClassCode).connectChoice;
            EXPECT_EQ(formatter.Line(*journal.GetAt(i), connect), rows[static_cast<size_t>(i)])
                << "row " << i;
        }
    }

    CString Dates() const
    {
        CString dates;
        const auto& journal = Document()->m_arrJournal;
        for (int i = 0; i < journal.GetSize(); ++i)
            dates += journal.GetAt(i)->m_strDate.Mid(5) + " ";
        return dates;
    }

    std::deque<int> m_buttons;
    std::vector<CString> m_boxes;
};

TEST_F(JournalEditingTest, CommitAppendsTheEntryWithItsClassCodeDirectionAndLine)
{
    StartWith({});
    EXPECT_EQ((std::vector<CString>{"---"}), Rows());
    TypeSentence(0, "売上", "1,000", "現金", "1000", 1);
    SetText(1045, "ﾒﾓ　１");
    Click(1092);
    EXPECT_TRUE(m_boxes.empty()) << std::string(m_boxes.empty() ? CString() : m_boxes[0]);
    const auto& journal = Document()->m_arrJournal;
    ASSERT_EQ(1, journal.GetSize());
    const CMyObject2& e = *journal.GetAt(0);
    EXPECT_EQ("1000", e.m_strCauseAmount1);
    EXPECT_EQ("1000", e.m_strResultAmount1);
    EXPECT_EQ(1, e.m_nDirection);
    EXPECT_EQ(1005000, e.m_nClassCode);  // 収益 against 資産(流動), the first connecting word
    EXPECT_EQ("ﾒﾓ 1", e.m_strRemark);   // converted to half-width
    EXPECT_EQ(4, e.m_strDate.Find('/'));
    EXPECT_TRUE(Document()->IsModified());
    EXPECT_EQ(0, Document()->m_nCurEntry);
    ExpectAligned();
    EXPECT_EQ(1, View()->m_lbTransactions.GetCurSel());
    EXPECT_EQ("", Text(1038));
    EXPECT_EQ("", Text(1032));

    // The second phrase puts the cause rows on the debit side.
    TypeSentence(4, "現金", "250.5", "売上", "250.50", 0);
    Click(1092);
    ASSERT_EQ(2, journal.GetSize());
    EXPECT_EQ(0, journal.GetAt(1)->m_nDirection);
    EXPECT_EQ(5001000, journal.GetAt(1)->m_nClassCode);
    EXPECT_EQ("250.50", journal.GetAt(1)->m_strCauseAmount1);
    ExpectAligned();
}

TEST_F(JournalEditingTest, RefusalsKeepWhatWasTyped)
{
    StartWith({});
    TypeSentence(0, "売上", "1,000", "現金", "1,0x0");
    Click(1092);
    ASSERT_EQ(1u, m_boxes.size());
    EXPECT_EQ(0, m_boxes[0].Find("結果科目1段目の金額「1,0x0」は数字として読めません。"));
    EXPECT_EQ("1,0x0", Text(1024));
    EXPECT_EQ("1,000", Text(1032));

    m_boxes.clear();
    SetText(1024, "999");
    Click(1092);
    ASSERT_EQ(1u, m_boxes.size());
    EXPECT_EQ("原因科目金額　と　結果科目金額　が　相違しています。！", m_boxes[0]);
    EXPECT_EQ("売上", Text(1038));
    EXPECT_EQ(0, Document()->m_arrJournal.GetSize());

    // "料金×" without a rate is no apportionment: the balance is still checked.
    m_boxes.clear();
    SetText(1045, "料金×");
    Click(1092);
    ASSERT_EQ(1u, m_boxes.size());
    EXPECT_EQ("原因科目金額　と　結果科目金額　が　相違しています。！", m_boxes[0]);
    EXPECT_EQ(0, Document()->m_arrJournal.GetSize());

    // No phrase chosen: the question names the two phrases shown.
    m_boxes.clear();
    SetText(1045, "");
    View()->CheckDlgButton(1035, BST_UNCHECKED);
    Click(1092);
    ASSERT_EQ(1u, m_boxes.size());
    EXPECT_EQ("[で受取り] ですか？　\n\n[で支払い]  ですか？", m_boxes[0]);
    View()->CheckDlgButton(1035, BST_CHECKED);

    // 100.00 against 100 balances.
    m_boxes.clear();
    SetText(1032, "100.00");
    SetText(1024, "100");
    SetText(1045, "");
    Click(1092);
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(1, Document()->m_arrJournal.GetSize());
}

TEST_F(JournalEditingTest, PastedAmountsAreCommittedAsPastedOrRefusedNamingTheField)
{
    StartWith({});
    // What is no amount is refused with the field's name; nothing is committed and
    // the field keeps what was pasted.
    const struct {
        const wchar_t* pasted;
        const char* refusal;
    } refused[] = {
        {L"12abc", "原因科目1段目の金額「12abc」は数字として読めません。"},
        {L"1a2b3", "原因科目1段目の金額「1a2b3」は数字として読めません。"},
        {L"１０００", "原因科目1段目の金額「１０００」は数字として読めません。"},
        {L"1234567890123456789", "入力金額の整数が上限の18桁を超えました！\n\n原因科目1段目の金額「1234567890123456789」"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(FromWide(c.pasted).str());
        m_boxes.clear();
        TypeSentence(0, "売上", "", "現金", "1000");
        ASSERT_TRUE(PasteIntoEdit(&View()->m_edCauseAmount[0], c.pasted));
        Click(1092);
        ASSERT_EQ(1u, m_boxes.size());
        EXPECT_EQ(0, m_boxes[0].Find(c.refusal)) << m_boxes[0].str();
        EXPECT_EQ(FromWide(c.pasted), Text(1032));
        EXPECT_EQ(0, Document()->m_arrJournal.GetSize());
        EXPECT_FALSE(Document()->IsModified());
    }

    // A sign is the journal's own (a carried balance may be negative): "-500" is
    // taken as it stands, never as 500, so against 500 the sides differ ...
    m_boxes.clear();
    TypeSentence(0, "売上", "", "現金", "500");
    ASSERT_TRUE(PasteIntoEdit(&View()->m_edCauseAmount[0], L"-500"));
    Click(1092);
    ASSERT_EQ(1u, m_boxes.size());
    EXPECT_EQ("原因科目金額　と　結果科目金額　が　相違しています。！", m_boxes[0]);
    EXPECT_EQ(0, Document()->m_arrJournal.GetSize());

    // ... and pasted on both sides it is committed as -500.
    m_boxes.clear();
    ASSERT_TRUE(PasteIntoEdit(&View()->m_edResultAmount[0], L"-500"));
    Click(1092);
    EXPECT_TRUE(m_boxes.empty()) << (m_boxes.empty() ? std::string() : m_boxes[0].str());
    ASSERT_EQ(1, Document()->m_arrJournal.GetSize());
    EXPECT_EQ("-500", Document()->m_arrJournal.GetAt(0)->m_strCauseAmount1);
    EXPECT_EQ("-500", Document()->m_arrJournal.GetAt(0)->m_strResultAmount1);
}

TEST_F(JournalEditingTest, UnknownAccountsAndDescriptionsAreRegisteredThroughTheQuestions)
{
    StartWith({});
    Dictionary& dict = Document()->m_arrDictionary;
    const int size = dict.GetSize();

    // A new cause account under the chosen class with a new description, and a new
    // result account whose class the dialog gives.
    TypeSentence(2, "テスト費", "500", "テスト未払", "500", 1);
    View()->m_strRowDesc[0] = "テスト先";
    m_buttons = {IDYES, IDYES};
    int dialogs = 0;
    m_answers.dialogs[IDD_BUNRUI] = [&dialogs](CDialog& dlg) {
        ++dialogs;
        CString named;
        dlg.GetDlgItemText(1103, named);
        EXPECT_GE(named.Find("テスト未払"), 0);
        EXPECT_FALSE(Shown(dlg, 1136));
        dlg.CheckDlgButton(1099, BST_CHECKED);  // 負債
        dlg.SendMessage(WM_COMMAND, IDOK);
    };
    Click(1092);
    EXPECT_EQ(1, dialogs);
    ASSERT_EQ(2u, m_boxes.size());
    EXPECT_EQ(0, m_boxes[0].Find(" ＜テスト費＞　は 「科目辞書」に未登録です。"));
    EXPECT_GE(m_boxes[0].Find("【費用】 として"), 0);
    EXPECT_EQ("テスト先　は、＜テスト費＞の新しい摘要です。\n\nテスト先 を、＜テスト費＞の摘要 として「科目辞書」に登録しますか？",
              m_boxes[1]);
    ASSERT_EQ(1, Document()->m_arrJournal.GetSize());
    EXPECT_EQ(3004000, Document()->m_arrJournal.GetAt(0)->m_nClassCode);
    EXPECT_EQ(size + 4, dict.GetSize());
    const int cause = FindClassSideAccount(dict, "テスト費");
    EXPECT_EQ(2, ClassIndexOfNode(dict, cause));
    EXPECT_GE(FindChildNode(dict, cause, "テスト先"), 0);
    EXPECT_EQ(3, ClassIndexOfNode(dict, FindClassSideAccount(dict, "テスト未払")));
    const int branch = FindChildNode(dict, 8, "テスト未払");
    ASSERT_GE(branch, 0);
    EXPECT_EQ("へ繰入れる", dict.GetAt(branch)->m_strWord2);

    // The same sentence again asks nothing.
    m_boxes.clear();
    TypeSentence(2, "テスト費", "500", "テスト未払", "500", 1);
    Click(1092);
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(2, Document()->m_arrJournal.GetSize());

    // Refusing a registration abandons the commit; the class dialog cancelled too.
    TypeSentence(2, "別の費用", "5", "現金", "5", 1);
    m_buttons = {IDNO};
    Click(1092);
    EXPECT_EQ(2, Document()->m_arrJournal.GetSize());
    EXPECT_LT(FindClassSideAccount(dict, "別の費用"), 0);
    m_answers.dialogs[IDD_BUNRUI] = [](CDialog& dlg) { dlg.SendMessage(WM_COMMAND, IDCANCEL); };
    TypeSentence(0, "売上", "5", "新しい結果", "5", 1);
    Click(1092);
    EXPECT_EQ(2, Document()->m_arrJournal.GetSize());
    EXPECT_LT(FindClassSideAccount(dict, "新しい結果"), 0);
    EXPECT_EQ("新しい結果", Text(1043));
}

TEST_F(JournalEditingTest, PickingALineLoadsItAndLeavingAChangedEntryAsks)
{
    StartWith({OneRowEntry("2024/01/05", "売上", "現金", "1000", 1, 1005000).Remark("ﾒﾓ" + RemarkItem("品,1,1000")),
               OneRowEntry("2024/01/06", "売上", "現金", "2000", 1, 1005000)});
    // After loading, the last entry is current and shown.
    EXPECT_EQ(1, Document()->m_nCurEntry);
    EXPECT_EQ(1, View()->m_lbTransactions.GetCurSel());
    EXPECT_EQ("2024", Document()->m_strYear);
    EXPECT_EQ("2,000", Text(1032));

    SelectRow(0);
    Photograph(Frame(), "siwake_entry");
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(0, Document()->m_nCurEntry);
    EXPECT_EQ("1,000", Text(1024));
    EXPECT_EQ("ﾒﾓ", Text(1045));  // the breakdown stays hidden
    EXPECT_EQ("35", Document()->m_strBookCodes);

    // Only the form of the amount changed: not a change.
    SetText(1032, "1000");
    SelectRow(1);
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(1, Document()->m_nCurEntry);

    // A changed amount: the question; No puts the selection back.
    SetText(1032, "2500");
    m_buttons = {IDNO};
    SelectRow(0);
    ASSERT_EQ(1u, m_boxes.size());
    EXPECT_EQ("移動前の　2024/01/06　売上　の取引が変更されています。\n\n選択した [ 取引リスト ] に移動しますか？\n\n"
              "取引の変更作業を中止して、移動するには、[はい] を押してください。\n\n"
              "移動を中止して変更作業に戻るには、[いいえ] を押してください。",
              m_boxes[0]);
    EXPECT_EQ(1, View()->m_lbTransactions.GetCurSel());
    EXPECT_EQ(1, Document()->m_nCurEntry);
    // No phrase chosen: the other first sentence; Yes leaves the entry.
    View()->CheckDlgButton(1035, BST_UNCHECKED);
    m_buttons = {IDYES};
    SelectRow(0);
    EXPECT_EQ(0, m_boxes[1].Find("移動前の　2024/01/06　売上　の取引の増減が選択されていません。"));
    EXPECT_EQ(0, Document()->m_nCurEntry);
    EXPECT_EQ("1,000", Text(1032));

    // A change committed with 変更 keeps the breakdown behind the new remark.
    SetText(1032, "1,200");
    SetText(1024, "1200");
    SetText(1045, "新");
    Click(1009);
    const CMyObject2& changed = *Document()->m_arrJournal.GetAt(0);
    EXPECT_EQ("1200", changed.m_strCauseAmount1);
    EXPECT_EQ("新" + RemarkItem("品,1,1000"), changed.m_strRemark);
    ExpectAligned();
}

TEST_F(JournalEditingTest, ALoadedEntryShowsTheConnectingWordOfItsLine)
{
    // The second cause account is on no class of the dictionary: its line has
    // no connecting word, and neither has the sentence it loads.
    StartWith({OneRowEntry("2024/01/05", "売上", "現金", "1000", 1, 1005000),
               OneRowEntry("2024/01/06", "謎の科目", "現金", "2000", 1, 1005000)});
    const CString noWord(' ', 10);
    EXPECT_EQ(noWord, Rows()[1].Mid(30, 10));
    EXPECT_EQ("", Text(1049));
    SelectRow(0);
    EXPECT_EQ("について", Text(1049));
    EXPECT_EQ(CString("について") + CString(' ', 2), Rows()[0].Mid(30, 10));
    SelectRow(1);
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ("謎の科目", Text(1038));
    EXPECT_EQ("", Text(1049));
    // A known account again brings its word back.
    SelectRow(0);
    EXPECT_EQ("について", Text(1049));
}

TEST_F(JournalEditingTest, TabWalksOnlyTheFieldsOfAOneRowSentence)
{
    StartWith({OneRowEntry("2024/01/05", "売上", "現金", "1000", 1, 1005000)});
    const int expected[] = {1039, 1034, 1038, 1032, 1043, 1024, 1035, 1092, 1022};
    HWND view = View()->GetSafeHwnd();
    HWND at = ::GetDlgItem(view, 1039);
    std::vector<int> walked;
    for (int step = 0; step < 20; ++step) {
        walked.push_back(::GetDlgCtrlID(at));
        at = ::GetNextDlgTabItem(view, at, FALSE);
        if (at == ::GetDlgItem(view, 1039))
            break;
    }
    EXPECT_EQ(std::vector<int>(std::begin(expected), std::end(expected)), walked);

    // Typed as a user does: the cause account, Tab, the amount lands in row 1's
    // amount field, and Tab again leads to the result account.
    View()->SetFocus();
    View()->GetDlgItem(1038)->SetFocus();
    MSG tab{::GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(View()->PreTranslateMessage(&tab));
    EXPECT_EQ(::GetDlgItem(view, 1032), ::GetFocus());
    tab.hwnd = ::GetFocus();
    EXPECT_TRUE(View()->PreTranslateMessage(&tab));
    const HWND result = ::GetDlgItem(view, 1043);
    EXPECT_TRUE(::GetFocus() == result || ::IsChild(result, ::GetFocus()));
}

TEST_F(JournalEditingTest, InsertDeleteCutCopyAndPasteKeepTheListAligned)
{
    StartWith({OneRowEntry("2024/01/01", "売上", "現金", "100", 1, 1005000),
               OneRowEntry("2024/02/01", "売上", "現金", "200", 1, 1005000).Remark(RemarkItem("品,2,100")),
               OneRowEntry("2024/03/01", "売上", "現金", "300", 1, 1005000)});

    // Insert in front of row 1: the "***" row, the date of that entry, the lock.
    SelectRow(1);
    Click(1018);
    EXPECT_EQ("***", Rows()[1]);
    EXPECT_EQ(1, Document()->m_nInsertRow);
    EXPECT_EQ("挿入確定", Text(1018));
    EXPECT_EQ("挿入中止", Text(1004));
    EXPECT_FALSE(View()->GetDlgItem(1011)->IsWindowEnabled());
    EXPECT_NE(0u, MenuStateAsShown(Frame(), ID_EDIT_PASTE_END) & MF_GRAYED);
    SYSTEMTIME date{};
    View()->m_dtDate.GetTime(&date);
    EXPECT_EQ(2, date.wMonth);
    // Paste and sort refuse, even sent to the view past the greyed menu.
    View()->SendMessage(WM_COMMAND, ID_SORT_BY_DATE);
    View()->m_bLineCopied = TRUE;
    View()->SendMessage(WM_COMMAND, ID_EDIT_PASTE_END);
    View()->m_bLineCopied = FALSE;
    EXPECT_EQ((std::vector<CString>{"挿入行の編集中です。並べ替えを中止します", "挿入行の編集中です。貼り付けを中止します"}),
              m_boxes);
    EXPECT_EQ("01/01 02/01 03/01 ", Dates());
    // Another row cannot be picked.
    m_boxes.clear();
    SelectRow(3);
    ASSERT_EQ(1u, m_boxes.size());
    EXPECT_EQ(0, m_boxes[0].Find("挿入行の編集中は、取引リストの移動はできません。"));
    EXPECT_EQ(1, View()->m_lbTransactions.GetCurSel());
    TypeSentence(0, "売上", "150", "現金", "150");
    Click(1018);
    EXPECT_EQ(-1, Document()->m_nInsertRow);
    EXPECT_EQ("行挿入", Text(1018));
    EXPECT_TRUE(View()->GetDlgItem(1011)->IsWindowEnabled());
    EXPECT_EQ(0u, MenuStateAsShown(Frame(), ID_EDIT_PASTE_END) & MF_GRAYED);
    EXPECT_EQ("01/01 02/01 02/01 03/01 ", Dates());
    EXPECT_EQ("150", Document()->m_arrJournal.GetAt(1)->m_strCauseAmount1);
    EXPECT_EQ(1, Document()->m_nCurEntry);
    ExpectAligned();

    // Delete the last entry: the current entry is the one before the deleted row.
    m_boxes.clear();
    SelectRow(3);
    m_buttons = {IDYES};
    Click(1004);
    EXPECT_EQ("01/01 02/01 02/01 ", Dates());
    EXPECT_EQ(2, Document()->m_nCurEntry);
    EXPECT_EQ(-1, View()->m_lbTransactions.GetCurSel());
    ExpectAligned();

    // Cut the entry with a breakdown: both delete questions; the breakdown goes with it.
    SelectRow(2);
    ASSERT_EQ(RemarkItem("品,2,100"), Document()->m_arrJournal.GetAt(2)->m_strRemark);
    m_boxes.clear();
    m_buttons = {IDYES, IDYES};
    Command(ID_EDIT_CUT_LINE);
    ASSERT_EQ(2u, m_boxes.size());
    EXPECT_EQ("選択されている行を削除しますか？", m_boxes[0]);
    EXPECT_EQ(0, m_boxes[1].Find("この取引は売上帳で内訳明細が記帳されています。"));
    EXPECT_EQ("01/01 02/01 ", Dates());
    EXPECT_EQ(1, Document()->m_nCurEntry);
    ExpectAligned();
    // Paste-insert in front of row 0, then paste at the end: the whole record each time.
    SelectRow(0);
    Command(ID_EDIT_PASTE_INSERT);
    EXPECT_EQ("02/01 01/01 02/01 ", Dates());
    EXPECT_EQ(RemarkItem("品,2,100"), Document()->m_arrJournal.GetAt(0)->m_strRemark);
    EXPECT_EQ(0, Document()->m_nCurEntry);
    Command(ID_EDIT_PASTE_END);
    EXPECT_EQ("02/01 01/01 02/01 02/01 ", Dates());
    EXPECT_EQ(RemarkItem("品,2,100"), Document()->m_arrJournal.GetAt(3)->m_strRemark);
    EXPECT_EQ(3, Document()->m_nCurEntry);
    ExpectAligned();

    // Copy of an unchanged entry, pasted in front of the new-entry row.
    SelectRow(1);
    Command(ID_EDIT_COPY_LINE);
    SelectRow(4);
    Command(ID_EDIT_PASTE_INSERT);
    EXPECT_EQ("02/01 01/01 02/01 02/01 01/01 ", Dates());
    ExpectAligned();

    // The stable sort by date.
    Command(ID_SORT_BY_DATE);
    EXPECT_EQ("01/01 01/01 02/01 02/01 02/01 ", Dates());
    EXPECT_EQ("100", Document()->m_arrJournal.GetAt(0)->m_strCauseAmount1);
    EXPECT_EQ(RemarkItem("品,2,100"), Document()->m_arrJournal.GetAt(2)->m_strRemark);
    ExpectAligned();
}

TEST_F(JournalEditingTest, CancellingAnInsertionLeavesTheJournalAndUnlocks)
{
    StartWith({OneRowEntry("2024/01/01", "売上", "現金", "100", 1, 1005000)});
    SelectRow(0);
    Click(1018);
    m_buttons = {IDYES};
    Click(1004);
    EXPECT_EQ("挿入を中止し、挿入行を削除しますか？", m_boxes.back());
    EXPECT_EQ(-1, Document()->m_nInsertRow);
    EXPECT_EQ(1, Document()->m_arrJournal.GetSize());
    EXPECT_TRUE(View()->GetDlgItem(1010)->IsWindowEnabled());
    EXPECT_TRUE(Document()->IsModified());
    ExpectAligned();
}

TEST_F(JournalEditingTest, ABookSwitchDuringAnInsertionAbandonsItAndUnlocks)
{
    // The book commands are greyed during an insertion and do nothing when
    // they come anyway (an accelerator); a switch made past the menu gives up the
    // insertion while the journal view still has its document, and unlocks.
    StartWith({OneRowEntry("2024/01/01", "売上", "現金", "100", 1, 1005000)});
    SelectRow(0);
    Click(1018);
    ASSERT_EQ(0, Document()->m_nInsertRow);
    EXPECT_TRUE(GreyedAsShown(Frame(), ID_VIEW_KANJYO));
    Command(ID_VIEW_KANJYO);
    ASSERT_NE(nullptr, View());
    EXPECT_EQ(0, Document()->m_nInsertRow);

    Frame()->OnViewSwitch(ID_VIEW_KANJYO);
    EXPECT_EQ(nullptr, View());
    EXPECT_EQ(-1, Document()->m_nInsertRow);
    EXPECT_FALSE(Document()->m_menuState.InsertionPending());
    EXPECT_FALSE(GreyedAsShown(Frame(), ID_VIEW_SIWAKE));
    EXPECT_FALSE(GreyedAsShown(Frame(), ID_TRADING_PARTNERS));
    // The journal's line commands are the general ledger's to grey.
    EXPECT_TRUE(GreyedAsShown(Frame(), ID_EDIT_PASTE_END));
    EXPECT_EQ(1, Document()->m_arrJournal.GetSize());
}

TEST_F(JournalEditingTest, BookButtonSwitchesFromInsideItsHandlerAfterTheQuestion)
{
    StartWith({OneRowEntry("2024/01/01", "売上", "現金", "100", 1, 1005000)});
    // A new sentence begun: the question; No stays.
    SelectRow(1);
    SetText(1038, "売上");
    m_buttons = {IDNO};
    Click(1011);
    ASSERT_EQ(1u, m_boxes.size());
    EXPECT_EQ(0, m_boxes[0].Find("新規取引の入力中です。選択した [ 現金出納帳 ] に移動しますか？"));
    ASSERT_NE(nullptr, View());
    // While the input-hint dialog is open the buttons do nothing after the question.
    CMyDoc* document = Document();
    document->m_menuState.SetHintDialogOpen(true);
    m_buttons = {IDYES};
    Click(1011);
    ASSERT_NE(nullptr, View());
    document->m_menuState.SetHintDialogOpen(false);
    m_buttons = {IDYES};
    Click(1011);
    PumpWaitingMessages();
    EXPECT_EQ(nullptr, View());
    EXPECT_EQ(3, Document()->m_nCurBook);
    Command(ID_VIEW_SIWAKE);
    ASSERT_NE(nullptr, View());
    ExpectAligned();
    // 総勘定元帳 names its destination 勘定元帳.
    SelectRow(1);
    SetText(1038, "売上");
    m_boxes.clear();
    m_buttons = {IDNO};
    Click(1010);
    ASSERT_EQ(1u, m_boxes.size());
    EXPECT_GE(m_boxes[0].Find("[ 勘定元帳 ]"), 0);
}

TEST_F(JournalEditingTest, ResultAmountOneTakesTheBalancingAmount)
{
    StartWith({});
    SetText(1032, "1,000");
    SetText(1033, "234.5");
    SetText(1025, "200");
    Notify(1024, EN_SETFOCUS);
    EXPECT_EQ("1,034.50", Text(1024));
    EXPECT_EQ("234.50", Text(1033));
    SetText(1032, "");
    SetText(1033, "");
    SetText(1025, "");
    Notify(1024, EN_SETFOCUS);
    EXPECT_EQ("0", Text(1024));

    // Enter and Escape never reach the default buttons.
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        MSG msg{View()->GetDlgItem(1038)->m_hWnd, WM_KEYDOWN, key, 0, 0, {}};
        EXPECT_TRUE(View()->PreTranslateMessage(&msg)) << key;
    }
}

TEST_F(JournalEditingTest, ALongRemarkIsConvertedWhole)
{
    StartWith({});
    CString remark;
    for (int i = 0; i < 150; ++i)
        remark += "Ａ";
    TypeSentence(0, "売上", "1", "現金", "1");
    SetText(1045, remark);
    Click(1092);
    ASSERT_EQ(1, Document()->m_arrJournal.GetSize());
    CString expected;
    for (int i = 0; i < 150; ++i)
        expected += "A";
    EXPECT_EQ(expected, Document()->m_arrJournal.GetAt(0)->m_strRemark);
}

TEST_F(JournalEditingTest, ApportionedEntryAndItsHelpTopicWhenNoCaseApplies)
{
    StartWith({});
    TypeSentence(2, "水道光熱費", "", "現金", "10,000", 0);
    SetText(1040, "事業主貸");
    SetText(1045, "按分:料金×30%");
    Click(1092);
    EXPECT_TRUE(m_boxes.empty());
    ASSERT_EQ(1, Document()->m_arrJournal.GetSize());
    const CMyObject2& e = *Document()->m_arrJournal.GetAt(0);
    EXPECT_EQ("3000", e.m_strCauseAmount1);
    EXPECT_EQ("7000", e.m_strCauseAmount2);
    EXPECT_EQ("10000", e.m_strResultAmount1);
    EXPECT_EQ("按分:料金(10,000)×30%", e.m_strRemark);
    ExpectAligned();

    // Without the owner's account no case applies: refused, and the help topic shown.
    std::vector<CString> topics;
    m_answers.htmlHelp = [&topics](const HtmlHelpRequest& request) {
        topics.push_back(request.file);
        return TRUE;
    };
    TypeSentence(2, "水道光熱費", "", "現金", "10,000", 0);
    SetText(1045, "按分:料金×30%");
    Click(1092);
    ASSERT_EQ(1u, m_boxes.size());
    EXPECT_EQ(0, m_boxes[0].Find("備考に按分率が入力されていますが、「事業主貸」または「事業主借」が入力されていません。"));
    EXPECT_EQ((std::vector<CString>{"dazeruruvo.chm::/0048.htm"}), topics);
    EXPECT_EQ(1, Document()->m_arrJournal.GetSize());
}

TEST_F(JournalEditingTest, DecreaseOfAnOwnersAccountIsAdvisedAndNeverRefused)
{
    StartWith({});
    TypeSentence(3, "事業主借", "800", "現金", "800", 0);
    View()->m_strRowDesc[0] = "個人資金";
    m_buttons = {IDNO};
    Click(1092);
    ASSERT_EQ(1u, m_boxes.size());
    EXPECT_EQ("「　事業主借　」が減少する仕訳が入力されました。\n\n[入力ヒント]ダイアログを表示します", m_boxes[0]);
    EXPECT_EQ(1, Document()->m_arrJournal.GetSize());
    CMyDoc* document = Document();
    EXPECT_EQ("事業主借", document->m_strHintCause);
    EXPECT_EQ("現金", document->m_strHintResult);
}

TEST_F(JournalEditingTest, ClassDialogNamesTheAccountSwallowsEnterAndTogglesItsHelp)
{
    StartWith({});
    int asked = 0;
    m_answers.dialogs[IDD_BUNRUI] = [&asked](CDialog& dlg) {
        ++asked;
        CString panel;
        dlg.GetDlgItemText(1136, panel);
        EXPECT_GE(panel.Find("[ 新科目 ] を"), 0);
        MSG enter{dlg.GetSafeHwnd(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
        EXPECT_TRUE(dlg.PreTranslateMessage(&enter));
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(1140, STN_CLICKED), reinterpret_cast<LPARAM>(dlg.GetDlgItem(1140)->m_hWnd));
        EXPECT_TRUE(Shown(dlg, 1136));
        EXPECT_FALSE(Shown(dlg, 1140));
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(1136, STN_CLICKED), reinterpret_cast<LPARAM>(dlg.GetDlgItem(1136)->m_hWnd));
        EXPECT_FALSE(Shown(dlg, 1136));
        EXPECT_TRUE(Shown(dlg, 1140));
        dlg.SendMessage(WM_COMMAND, IDOK);  // no class selected
    };
    EXPECT_EQ(-1, View()->AskAccountClass("新科目"));
    EXPECT_EQ(1, asked);
    m_answers.dialogs[IDD_BUNRUI] = [](CDialog& dlg) {
        dlg.CheckDlgButton(1102, BST_CHECKED);
        dlg.SendMessage(WM_COMMAND, IDOK);
    };
    EXPECT_EQ(6, View()->AskAccountClass("新科目"));
}

TEST_F(JournalEditingTest, ABusyYearIsListedSortedAndEditedInStep)
{
    // 20,000 entries in falling date order, written as the file commands write them.
    JournalArray journal;
    for (int i = 0; i < 20000; ++i) {
        CString date;
        date.Format("2024/%02d/%02d", 12 - (i / 1700) % 12, 28 - (i / 61) % 28);
        CString amount;
        amount.Format("%d", i + 1);
        journal.Add(OneRowEntry(date, "売上", "現金", amount, 1, 1005000).New());
    }
    SaveRecordFile(Path("2024.siz"), journal);
    DeleteRecords(journal);
    WriteFileBytes(Path("duzizezi.ino"), Path("2024.siz").str());
    const DWORD started = ::GetTickCount();
    ASSERT_TRUE(Start());
    const DWORD loaded = ::GetTickCount();
    ASSERT_EQ(20001, View()->m_lbTransactions.GetCount());
    Command(ID_SORT_BY_DATE);
    const DWORD sorted = ::GetTickCount();
    SelectRow(10000);
    Command(ID_EDIT_COPY_LINE);
    Command(ID_EDIT_PASTE_INSERT);
    SelectRow(20001);
    TypeSentence(0, "売上", "7", "現金", "7");
    Click(1092);
    const DWORD edited = ::GetTickCount();
    // Generous bounds: a step that worked once per entry for every entry would take minutes.
    EXPECT_LT(loaded - started, 20000u);
    EXPECT_LT(sorted - loaded, 20000u);
    EXPECT_LT(edited - sorted, 20000u);
    ASSERT_EQ(20002, Document()->m_arrJournal.GetSize());
    const auto& sortedJournal = Document()->m_arrJournal;
    for (int i = 1; i < sortedJournal.GetSize() - 1; ++i)
        ASSERT_LE(DateSortKey(sortedJournal.GetAt(i - 1)->m_strDate), DateSortKey(sortedJournal.GetAt(i)->m_strDate)) << i;
    ExpectAligned();
}

// The three result-account lists are filled only when their items change:
// showing an entry of the same cause account again after a sort keeps them (the
// data a test marked their items with stays), an entry of another cause account
// or the new-entry row fills them anew. Each time they hold the accounts offered,
// no item chosen, and the fields show the entry's own result accounts.
TEST_F(JournalEditingTest, ResultListsAreFilledAnewOnlyWhenTheirItemsChange)
{
    StartWith({OneRowEntry("2024/03/01", "売上", "現金", "100", 1, 1005000),
               OneRowEntry("2024/01/05", "売上", "現金", "200", 1, 1005000),
               OneRowEntry("2024/02/01", "売掛金", "普通預金", "300", 1, 5005002)});
    const CMyDoc& document = *Document();
    auto offered = [&](const char* cause) {
        return OfferedResultList(cause, document.m_arrDictionary, document.m_arrHints, document.m_arrJournal);
    };
    auto items = [&](int k) {
        CComboBox& combo = View()->m_cbResult[k];
        std::vector<CString> texts;
        for (int i = 0; i < combo.GetCount(); ++i) {
            CString text;
            combo.GetLBText(i, text);
            texts.push_back(text);
        }
        return texts;
    };
    auto expectLists = [&](const std::vector<CString>& expected, const char* firstResult) {
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(expected, items(k)) << k;
            EXPECT_EQ(CB_ERR, View()->m_cbResult[k].GetCurSel()) << k;
        }
        EXPECT_EQ(firstResult, Text(1043));
        EXPECT_EQ("", Text(1040));
        EXPECT_EQ("", Text(1041));
    };
    auto marked = [&] {
        int count = 0;
        for (int k = 0; k < 3; ++k)
            count += View()->m_cbResult[k].GetItemData(0) == static_cast<DWORD_PTR>(0x5eed + k) ? 1 : 0;
        return count;
    };

    SelectRow(0);
    expectLists(offered("売上"), "現金");
    // A pick leaves an item chosen; showing an entry again chooses none.
    View()->m_cbResult[1].SetCurSel(2);
    for (int k = 0; k < 3; ++k)
        View()->m_cbResult[k].SetItemData(0, static_cast<DWORD_PTR>(0x5eed + k));

    Command(ID_SORT_BY_DATE);
    ASSERT_EQ("01/05 02/01 03/01 ", Dates());
    ASSERT_EQ(0, Document()->m_nCurEntry);
    expectLists(offered("売上"), "現金");
    EXPECT_EQ(3, marked());

    SelectRow(1);
    expectLists(offered("売掛金"), "普通預金");
    EXPECT_NE(offered("売上"), offered("売掛金"));
    EXPECT_EQ(0, marked());

    SelectRow(3);
    expectLists(ChildNames(document.m_arrDictionary, 8), "");
}

// The list holds no copies of its lines: the view's list answers with the lines
// of the entries, and a rebuild shows the current entry where it showed before
// (the list goes to the new-entry row first, then back up to the entry).
TEST_F(JournalEditingTest, RebuiltListShowsTheCurrentEntryAtTheTopOfTheList)
{
    StartWith({OneRowEntry("2024/01/01", "売上", "現金", "100", 1, 1005000)});
    auto& journal = Document()->m_arrJournal;
    for (int i = 1; i < 40; ++i) {
        CString date;
        date.Format("2024/02/%02d", 1 + i % 28);
        CString amount;
        amount.Format("%d", i * 100);
        const bool receivable = i % 3 == 0;
        const char* cause = receivable ? "売掛金" : "売上";
        journal.Add(OneRowEntry(date, cause, "現金", amount, i % 2, receivable ? 5005002 : 1005000).New());
    }
    View()->RebuildTransactionList();
    CStripeListBox& list = View()->m_lbTransactions;
    EXPECT_NE(0u, list.GetStyle() & LBS_NODATA);
    EXPECT_EQ(0u, list.GetStyle() & LBS_HASSTRINGS);
    EXPECT_NE(0u, list.GetStyle() & WS_VISIBLE);
    ExpectAligned();

    SelectRow(10);
    ASSERT_EQ(10, Document()->m_nCurEntry);
    View()->RebuildTransactionList();
    EXPECT_EQ(10, list.GetCurSel());
    EXPECT_EQ(10, list.GetTopIndex());
    EXPECT_EQ(10, View()->m_nShownLine);
    EXPECT_EQ(journal.GetAt(10)->m_strCause1, Text(1038));
    // Painted on the screen: the rows come from the view's own lines.
    Frame()->ShowWindow(SW_SHOWNORMAL);
    Frame()->UpdateWindow();
    PumpWaitingMessages();

    // A typed "-" moves to the new-entry row, and the view hears of it as of a click.
    list.SendMessage(WM_CHAR, L'-', 1);
    EXPECT_EQ(40, list.GetCurSel());
    EXPECT_EQ(40, View()->m_nShownLine);
    EXPECT_TRUE(m_boxes.empty());

    // Without a current entry the list shows its end, the new-entry row selected.
    Document()->m_nCurEntry = -1;
    View()->RebuildTransactionList();
    EXPECT_EQ(40, list.GetCurSel());
    EXPECT_GT(list.GetTopIndex(), 0);
    ExpectAligned();
}

TEST_F(JournalEditingTest, ANewEmptyJournalHasNoYear)
{
    StartWith({OneRowEntry("2024/01/01", "売上", "現金", "100", 1, 1005000)});
    CMyDoc* document = Document();
    EXPECT_EQ("2024", document->m_strYear);
    Command(ID_FILE_NEW);
    EXPECT_EQ(0, Document()->m_arrJournal.GetSize());
    EXPECT_EQ((std::vector<CString>{"---"}), Rows());
    EXPECT_EQ("", document->m_strYear);
    EXPECT_EQ("", View()->m_strYearText);
}

TEST_F(JournalEditingTest, AJournalEnteredSavedAndReadByTheNextStart)
{
    ASSERT_TRUE(Start());
    m_boxes.clear();
    TypeSentence(0, "売上", "1,000", "現金", "1,000");
    Click(1092);
    TypeSentence(4, "現金", "300", "売上", "300", 0);
    Click(1092);
    TypeSentence(2, "水道光熱費", "5,500", "現金", "5,500", 0);
    Click(1092);
    ASSERT_EQ(3, Document()->m_arrJournal.GetSize());
    const std::vector<CString> rows = Rows();
    m_answers.fileDialog = [this](FileDialogRequest& request) {
        request.fileName = Path("2024.siz");
        return IDOK;
    };
    Command(ID_FILE_SAVE_AS);
    EXPECT_FALSE(Document()->IsModified());
    ASSERT_TRUE(Close());
    Stop();

    ASSERT_TRUE(Start());
    ASSERT_NE(nullptr, View());
    EXPECT_EQ(Path("2024.siz"), Document()->GetPathName());
    ASSERT_EQ(3, Document()->m_arrJournal.GetSize());
    EXPECT_EQ(rows, Rows());
    EXPECT_EQ("5500", Document()->m_arrJournal.GetAt(2)->m_strCauseAmount1);
    EXPECT_EQ(3005000, Document()->m_arrJournal.GetAt(2)->m_nClassCode);
    ExpectAligned();
}

}  // namespace

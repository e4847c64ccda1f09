// The input-hint dialog on real windows, opened and closed by the main frame's
// commands: the first search from the journal's accounts with its narrowing, the
// extended search, topics, previous and next, the shown sample, the red frame of
// the hit, the greying of the commands while it is open, the keys it ignores and
// its deleting itself. Then the dictionary auto-registration dialog's answers.
#include "program_folder.h"

#include "core/win/dict_register_dlg.h"
#include "journal/win/hint_dlg.h"
#include "framework/win/dc.h"
#include "resource.h"
#include "support/menu_as_shown.h"

#include <array>
#include <functional>
#include <vector>

namespace {

const std::array<UINT, 13> kHintGreyed = {
    ID_VIEW_KANJYO, ID_VIEW_SIWAKE, ID_VIEW_KINSEN, ID_VIEW_KEIHI, ID_VIEW_KESSAN, ID_VIEW_SETTEI,
    ID_VIEW_URIAGE, ID_VIEW_SIIRE, ID_OPENING_BALANCE, ID_TRADING_PARTNERS, ID_INVENTORY, ID_BAD_DEBT_ALLOWANCE,
    ID_KEYWORD_SEARCH,
};

struct Sample {
    const char* explanation;
    std::array<const char*, 3> causes;
    std::array<const char*, 3> results;
    std::array<const char*, 3> causeAmounts;
    std::array<const char*, 3> causeDescs;
    int direction;
    int classCode;
};

class HintDialogTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        CopyShippedSetupFiles();
        ASSERT_TRUE(Start(SW_SHOWNORMAL));
        ReplaceHints({
            {"商品を現金で売った", {"売上", "", ""}, {"現金", "", ""}, {"1234567", "0", ""}, {"店頭", "", ""}, 1,
             1005000},
            {"現金を普通預金から引き出した", {"普通預金", "現金", ""}, {"売掛金", "", ""}, {"-1234567", "500", ""},
             {"甲", "乙", ""}, 0, 6550000},
            {"つり銭用の現金", {"普通預金", "", ""}, {"売掛金", "", ""}, {"800", "", ""}, {"", "", ""}, 0, 5005000},
            {"期首の資産を記帳する", {"現金", "", ""}, {"元入金", "", ""}, {"300000", "", ""}, {"", "", ""}, 0,
             5007000},
        });
    }

    void TearDown() override
    {
        ProgramFolderTest::TearDown();
    }

    void ReplaceHints(std::initializer_list<Sample> samples)
    {
        auto& hints = Document()->m_arrHints;
        for (int i = 0; i < hints.GetSize(); ++i)
            delete hints.GetAt(i);
        hints.RemoveAll();
        for (const Sample& s : samples) {
            // The explanation stands where an entry has its date.
            EntryBuilder e(s.explanation);
            for (size_t i = 0; i < 3; ++i)
                e.Cause(s.causes[i], s.causeAmounts[i], s.causeDescs[i]);
            e.Result(s.results[0], s.causeAmounts[0]).Result(s.results[1]).Result(s.results[2]);
            hints.Add(e.Direction(s.direction).ClassCode(s.classCode).New());
        }
    }

    // Opens the dialog from the journal as its hint button does, and lets it paint.
    CHintDlg* Open(const char* cause, const char* result)
    {
        Document()->m_strHintCause = cause;
        Document()->m_strHintResult = result;
        Frame()->SendMessage(WM_COMMAND, ID_HINT_SHOW);
        auto* dialog = static_cast<CHintDlg*>(Frame()->m_pHintDlg);
        if (dialog)
            dialog->UpdateWindow();
        PumpWaitingMessages();
        return dialog;
    }

    CHintDlg* Dialog() const { return static_cast<CHintDlg*>(Frame()->m_pHintDlg); }

    void Click(int id)
    {
        Dialog()->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                              reinterpret_cast<LPARAM>(Dialog()->GetDlgItem(id)->m_hWnd));
        PumpWaitingMessages();
    }

    void ChooseTopic(int index)
    {
        Dialog()->m_cbTopic.SetCurSel(index);
        Dialog()->SendMessage(WM_COMMAND, MAKEWPARAM(1028, CBN_SELCHANGE),
                              reinterpret_cast<LPARAM>(Dialog()->m_cbTopic.m_hWnd));
        PumpWaitingMessages();
    }

    CString Text(int id) const
    {
        CString text;
        Dialog()->GetDlgItemText(id, text);
        return text;
    }

    bool Enabled(int id) const { return Dialog()->GetDlgItem(id)->IsWindowEnabled() != FALSE; }
    bool Checked(int id) const { return Dialog()->IsDlgButtonChecked(id) == BST_CHECKED; }

    bool Greyed(UINT command) const
    {
        return GreyedAsShown(Frame(), command);
    }

    // The colour of the frame drawn one pixel outside the left edge of a control.
    COLORREF FrameColour(int id) const
    {
        const CRect r = Dialog()->ControlRect(id);
        CClientDC dc(Dialog());
        return dc.GetPixel(r.left - 1, (r.top + r.bottom) / 2);
    }
};

TEST_F(HintDialogTest, OpensOnTheJournalsAccountsNarrowedAndOffersTheExtendedSearch)
{
    CHintDlg* dialog = Open("現金", "売上");
    ASSERT_NE(nullptr, dialog);
    EXPECT_TRUE(dialog->IsWindowVisible());
    EXPECT_TRUE(Document()->m_menuState.HintDialogOpen());
    EXPECT_EQ("現金", Text(1028));
    EXPECT_EQ("\n[ 現金 ] [ 売上 ] の 参考例が 1例 あります。\n【検索実行】を押すと[ 現金 ]のみについて拡張検索できます。",
              Text(1014));
    EXPECT_EQ("1例目を表示中", Text(1015));
    EXPECT_EQ("商品を現金で売った", Text(1024));
    EXPECT_FALSE(Enabled(1022));
    EXPECT_FALSE(Enabled(1010));
    Photograph(dialog, "hint_opened");

    // The extended search: the same keyword without the narrowing word.
    Click(1029);
    EXPECT_EQ("\n[ 現金 ] の 参考例が 4例 あります。", Text(1014));
    EXPECT_EQ("1例目を表示中", Text(1015));
    EXPECT_FALSE(Enabled(1022));
    EXPECT_TRUE(Enabled(1010));
    Click(1010);
    EXPECT_EQ("2例目を表示中", Text(1015));
    EXPECT_TRUE(Enabled(1022));
    EXPECT_TRUE(Enabled(1010));
    Click(1010);
    Click(1010);
    EXPECT_EQ("4例目を表示中", Text(1015));
    EXPECT_EQ("期首の資産を記帳する", Text(1024));
    EXPECT_TRUE(Enabled(1022));
    EXPECT_FALSE(Enabled(1010));
    // No wrap-around.
    Click(1010);
    EXPECT_EQ("4例目を表示中", Text(1015));
    for (int i = 0; i < 3; ++i)
        Click(1022);
    EXPECT_EQ("1例目を表示中", Text(1015));
    EXPECT_EQ("商品を現金で売った", Text(1024));
    EXPECT_FALSE(Enabled(1022));
    EXPECT_TRUE(Enabled(1010));
    Click(1022);
    EXPECT_EQ("1例目を表示中", Text(1015));
}

TEST_F(HintDialogTest, ShowsTheSampleOfTheHitLaidOutLikeTheSentence)
{
    CHintDlg* dialog = Open("現金", "");
    ASSERT_NE(nullptr, dialog);
    // First hit: 現金 as the result account of a sale.
    EXPECT_EQ(kHitResult1, dialog->m_nHitField);
    EXPECT_EQ(0, dialog->m_lbClass.GetCurSel());
    EXPECT_EQ("売上", Text(1025));
    EXPECT_EQ("現金", Text(1033));
    EXPECT_EQ("1,234,567", Text(1002));
    EXPECT_EQ("", Text(1003));
    EXPECT_EQ("1,234,567", Text(1005));
    EXPECT_EQ("店頭", Text(1008));
    EXPECT_EQ("について", Text(1049));
    // The connecting word ends in "て": the phrases take "を".
    EXPECT_EQ("を受取り", Text(1035));
    EXPECT_EQ("を支払い", Text(1037));
    EXPECT_TRUE(Checked(1035));
    EXPECT_FALSE(Checked(1037));

    // The user cannot change the phrase.
    ::SendMessageW(dialog->GetDlgItem(1037)->m_hWnd, BM_CLICK, 0, 0);
    PumpWaitingMessages();
    EXPECT_TRUE(Checked(1035));
    EXPECT_FALSE(Checked(1037));

    // Second hit: in the second cause account, although the explanation holds it too.
    Click(1010);
    EXPECT_EQ(kHitCause2, dialog->m_nHitField);
    EXPECT_EQ(4, dialog->m_lbClass.GetCurSel());
    EXPECT_EQ("普通預金", Text(1025));
    EXPECT_EQ("現金", Text(1026));
    EXPECT_EQ("-1,234,567", Text(1002));
    EXPECT_EQ("500", Text(1003));
    EXPECT_EQ("乙", Text(1008));
    EXPECT_FALSE(Checked(1035));
    EXPECT_TRUE(Checked(1037));
}

TEST_F(HintDialogTest, OnlyTheFieldOfTheHitIsFramedRed)
{
    CHintDlg* dialog = Open("現金", "");
    ASSERT_NE(nullptr, dialog);
    const COLORREF red = RGB(255, 0, 0);
    const COLORREF grey = RGB(224, 224, 224);
    struct Step {
        int field;
        int redControl;
    } const steps[] = {{kHitResult1, 1033}, {kHitCause2, 1026}, {kHitExplanation, 1024}};
    for (const Step& step : steps) {
        ASSERT_EQ(step.field, dialog->m_nHitField);
        for (int id : HitFramedControls())
            EXPECT_EQ(id == step.redControl ? red : grey, FrameColour(id)) << "hit " << step.field << " control " << id;
        // The white wedge from the class list reaches the cause row of the hit
        // only; the rows of earlier hits are painted over.
        for (int row = 1; row <= 3; ++row) {
            const CRect a = dialog->ControlRect(row == 1 ? 1025 : row == 2 ? 1026 : 1032);
            CClientDC dc(dialog);
            EXPECT_EQ(row == CauseRowOfHit(step.field) ? RGB(255, 255, 255) : grey,
                      dc.GetPixel(a.left - 4, (a.top + a.bottom) / 2))
                << "hit " << step.field << " row " << row;
        }
        if (step.field == kHitExplanation)
            Photograph(dialog, "hint_explanation_hit");
        Click(1010);
    }
}

TEST_F(HintDialogTest, TopicsSearchTheirKeywordNarrowedByTheirFirstWord)
{
    CHintDlg* dialog = Open("現金", "売上");
    ASSERT_NE(nullptr, dialog);
    ASSERT_EQ(73, dialog->m_cbTopic.GetCount());
    CString shown;
    dialog->m_cbTopic.GetLBText(0, shown);
    EXPECT_EQ("----[年初(期首)の記帳]--", shown);
    dialog->m_cbTopic.GetLBText(1, shown);
    EXPECT_EQ("資産", shown);
    ASSERT_EQ(7, dialog->m_lbClass.GetCount());

    // 期首資産: the keyword 資産 narrowed by 期首; the opening balance of a current
    // asset reads only the second way.
    ChooseTopic(1);
    EXPECT_EQ("\n[ 資産 ] [ 期首 ] の 参考例が 1例 あります。\n【検索実行】を押すと[ 資産 ]のみについて拡張検索できます。",
              Text(1014));
    EXPECT_EQ(kHitExplanation, dialog->m_nHitField);
    EXPECT_EQ("元入金", Text(1033));
    EXPECT_EQ("", Text(1035));
    EXPECT_FALSE(Checked(1035));
    EXPECT_TRUE(Checked(1037));

    // A heading that no sample holds is a table of contents; the fields empty and
    // the field code of the last hit stays.
    ChooseTopic(8);
    EXPECT_EQ("\n[ ---[売上]- ]> は 目次です。細目を選択してください。", Text(1014));
    EXPECT_EQ("0例", Text(1015));
    EXPECT_EQ("", Text(1024));
    EXPECT_EQ("", Text(1033));
    EXPECT_FALSE(Enabled(1022));
    EXPECT_FALSE(Enabled(1010));
    EXPECT_EQ(kHitExplanation, dialog->m_nHitField);

    // A typed keyword: an empty one, and one nothing holds.
    dialog->m_cbTopic.SetWindowText("");
    Click(1029);
    EXPECT_EQ("ヒント対象語句が入力されていません。", Text(1014));
    EXPECT_EQ("0例", Text(1015));
    dialog->m_cbTopic.SetWindowText("給料賃金");
    Click(1029);
    EXPECT_EQ("\n[ 給料賃金 ]は 該当する例がありませんでした。", Text(1014));
    // The typed heading is cut like a topic.
    dialog->m_cbTopic.SetWindowText("-----[仕入]-----");
    Click(1029);
    EXPECT_EQ("\n[ ---[仕入]- ]> は 目次です。細目を選択してください。", Text(1014));
}

TEST_F(HintDialogTest, GreysTheThirteenCommandsWhileOpenAndGivesBackWhatAnInsertionHeld)
{
    // A pending insertion holds the journal's line commands, the book commands,
    // the input aids and the search greyed.
    Document()->m_nInsertRow = 0;
    Document()->m_menuState.SetInsertionPending(true);

    ASSERT_NE(nullptr, Open("現金", ""));
    for (UINT id : kHintGreyed)
        EXPECT_TRUE(Greyed(id)) << id;
    for (UINT id : {ID_FILE_SAVE, ID_HELP})
        EXPECT_FALSE(Greyed(id)) << id;

    Click(IDOK);
    EXPECT_EQ(nullptr, Frame()->m_pHintDlg);
    EXPECT_EQ(0, CHintDlg::LivingCount());
    EXPECT_FALSE(Document()->m_menuState.HintDialogOpen());
    // The insertion still holds every one of them.
    for (UINT id : kHintGreyed)
        EXPECT_TRUE(Greyed(id)) << id;
    EXPECT_TRUE(Greyed(ID_EDIT_CUT_LINE));

    // The insertion ends while the dialog is open: its unlock is not undone by
    // the close, and the dialog alone keeps the journal's line commands on.
    ASSERT_NE(nullptr, Open("現金", ""));
    Document()->m_nInsertRow = -1;
    Document()->m_menuState.SetInsertionPending(false);
    for (UINT id : kHintGreyed)
        EXPECT_TRUE(Greyed(id)) << id;
    for (UINT id : {ID_FILE_SAVE, ID_EDIT_COPY_LINE, ID_SORT_BY_DATE, ID_HELP})
        EXPECT_FALSE(Greyed(id)) << id;
    Click(IDOK);
    for (UINT id : kHintGreyed)
        EXPECT_FALSE(Greyed(id)) << id;
}

TEST_F(HintDialogTest, DeletesItselfAndTheFrameForgetsIt)
{
    CHintDlg* first = Open("現金", "");
    ASSERT_NE(nullptr, first);
    const HWND firstWindow = first->GetSafeHwnd();
    // A second show replaces the open dialog.
    CHintDlg* second = Open("売上", "");
    ASSERT_NE(nullptr, second);
    EXPECT_FALSE(::IsWindow(firstWindow));
    EXPECT_EQ(1, CHintDlg::LivingCount());
    EXPECT_EQ("売上", Text(1028));
    for (UINT id : kHintGreyed)
        EXPECT_TRUE(Greyed(id)) << id;

    const HWND secondWindow = second->GetSafeHwnd();
    Click(IDOK);
    EXPECT_FALSE(::IsWindow(secondWindow));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(secondWindow));
    EXPECT_EQ(0, CHintDlg::LivingCount());
    EXPECT_EQ(nullptr, Frame()->m_pHintDlg);
    EXPECT_FALSE(Frame()->m_bHintDlg);
    // A close with nothing open does nothing.
    Frame()->SendMessage(WM_COMMAND, ID_HINT_CLOSE);
    EXPECT_EQ(0, CHintDlg::LivingCount());

    // The program ends with the dialog open: it goes with the main window.
    ASSERT_NE(nullptr, Open("現金", ""));
    ASSERT_EQ(1, CHintDlg::LivingCount());
    Stop();
    EXPECT_EQ(0, CHintDlg::LivingCount());
}

// Whether window a lies above window b in the order of the top-level windows.
bool Above(HWND a, HWND b)
{
    for (HWND w = ::GetWindow(a, GW_HWNDNEXT); w; w = ::GetWindow(w, GW_HWNDNEXT))
        if (w == b)
            return true;
    return false;
}

TEST_F(HintDialogTest, StaysAboveTheMainWindowWhenTheMainWindowIsClicked)
{
    CHintDlg* dialog = Open("現金", "");
    ASSERT_NE(nullptr, dialog);
    const HWND hint = dialog->GetSafeHwnd();
    const HWND main = Frame()->GetSafeHwnd();
    EXPECT_EQ(main, ::GetWindow(hint, GW_OWNER));
    EXPECT_TRUE(Above(hint, main));

    // A click on the main window's form activates it and brings it to the top.
    CRect form;
    Frame()->GetWindowRect(&form);
    ::SetCursorPos(form.left + 20, form.bottom - 20);
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, click, sizeof(INPUT));
    PumpWaitingMessages();
    ::SetForegroundWindow(main);
    ::SetWindowPos(main, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    PumpWaitingMessages();
    EXPECT_EQ(main, ::GetActiveWindow());
    EXPECT_TRUE(::IsWindowVisible(hint));
    EXPECT_TRUE(Above(hint, main));
}

TEST_F(HintDialogTest, EnterAndEscapeAreIgnoredAndTheShownFieldsCannotBeEntered)
{
    CHintDlg* dialog = Open("現金", "");
    ASSERT_NE(nullptr, dialog);
    const HWND window = dialog->GetSafeHwnd();
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        MSG msg{dialog->GetDlgItem(IDOK)->m_hWnd, WM_KEYDOWN, key, 0, 0, {}};
        EXPECT_TRUE(dialog->PreTranslateMessage(&msg)) << key;
        ::PostMessageW(dialog->GetDlgItem(1028)->m_hWnd, WM_KEYDOWN, key, 0);
        ::PostMessageW(dialog->GetDlgItem(IDOK)->m_hWnd, WM_KEYDOWN, key, 0);
        PumpWaitingMessages();
        EXPECT_TRUE(::IsWindowVisible(window)) << key;
        EXPECT_EQ(1, CHintDlg::LivingCount());
    }
    // An Escape that reaches the dialog as a cancel does not close it either.
    dialog->SendMessage(WM_COMMAND, IDCANCEL);
    PumpWaitingMessages();
    EXPECT_TRUE(::IsWindowVisible(window));

    for (int id : {1025, 1002, 1008, 1024, 1016}) {
        dialog->GetDlgItem(id)->SetFocus();
        PumpWaitingMessages();
        CWnd* focus = CWnd::GetFocus();
        ASSERT_NE(nullptr, focus) << id;
        EXPECT_EQ(IDOK, focus->GetDlgCtrlID()) << id;
    }
}

TEST_F(HintDialogTest, HelpIconOpensTheHintPageOrSaysItCannot)
{
    CHintDlg* dialog = Open("現金", "");
    ASSERT_NE(nullptr, dialog);
    m_answers.htmlHelp = [](const HtmlHelpRequest&) { return FALSE; };
    dialog->SendMessage(WM_COMMAND, MAKEWPARAM(1140, STN_CLICKED), reinterpret_cast<LPARAM>(dialog->GetDlgItem(1140)->m_hWnd));
    EXPECT_EQ((std::vector<CString>{"HTML HELP(dazeruruvo.chm)を開くことができません。"}), MessagesShown());
    bool asked = false;
    for (const CString& line : m_answers.asked)
        asked = asked || line == "html help: dazeruruvo.chm::/0017.htm";
    EXPECT_TRUE(asked);
}

// The dictionary auto-registration dialog, run as the dictionary view runs it.
class DictRegisterTest : public ProgramFolderTest {
protected:
    // Runs the dialog for a description of 売上 with the handler; the caller's answer.
    int Ask(const std::function<void(CDialog&)>& handler)
    {
        m_answers.dialogs[IDD_DICT_REGISTER] = handler;
        CDictRegisterDlg dialog;
        dialog.m_strParent = "売上";
        dialog.m_strName = "現金売上";
        dialog.m_nKind = kRegisterDescription;
        dialog.m_nChoice = kRegisterThis;
        const bool ok = dialog.DoModal() == IDOK;
        return DictRegisterAnswerOf(ok, dialog.m_nChoice);
    }

    static void Press(CDialog& dialog, int id)
    {
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(dialog.GetDlgItem(id)->m_hWnd));
    }
};

TEST_F(DictRegisterTest, EachButtonGivesItsAnswer)
{
    CopyShippedSetupFiles();
    ASSERT_TRUE(Start());
    struct Case {
        int button;
        int answer;
    } const cases[] = {
        {IDOK, kRegisterThis},      {1022, kRegisterAll},  {1011, kRegisterResetAll},
        {IDCANCEL, kRegisterSkip}, {1010, kRegisterSkipAll}, {1029, kRegisterSkipAll},
    };
    for (const Case& c : cases) {
        CString question;
        const int answer = Ask([&](CDialog& dialog) {
            dialog.GetDlgItemText(1125, question);
            if (c.button == IDOK && ShotFolder()) {
                dialog.ShowWindow(SW_SHOW);
                dialog.UpdateWindow();
                Photograph(&dialog, "dict_register");
            }
            Press(dialog, c.button);
        });
        EXPECT_EQ(c.answer, answer) << c.button;
        EXPECT_EQ("取引に入力されている現金売上　は、＜売上＞の新しい摘要です。\n\n\n"
                  "現金売上 を、＜売上＞の摘要 として「科目辞書」に登録しますか？",
                  question);
    }
}

TEST_F(DictRegisterTest, EnterLeavesItOpenAndEscapeSkips)
{
    CopyShippedSetupFiles();
    ASSERT_TRUE(Start());
    // Enter is used up before the dialog manager could press the default button.
    BOOL enterUsedUp = FALSE;
    const int afterEnter = Ask([&](CDialog& dialog) {
        MSG enter{dialog.GetDlgItem(1029)->m_hWnd, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
        enterUsedUp = dialog.PreTranslateMessage(&enter);
        Press(dialog, 1022);
    });
    EXPECT_TRUE(enterUsedUp);
    EXPECT_EQ(kRegisterAll, afterEnter);

    const int afterEscape = Ask([](CDialog& dialog) {
        ::PostMessageW(dialog.GetDlgItem(1029)->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(kRegisterSkip, afterEscape);
}

}  // namespace

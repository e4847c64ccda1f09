// The journal view on real windows: its initial update, the run's screen layout,
// the empty journal's list, the class pick, the offered accounts, the labels, the
// connecting word and the phrases, and the amount fields.
#include "program_folder.h"

#include "app/my_app.h"
#include "core/record_file.h"
#include "framework/win/edit_bytes.h"
#include "framework/win/wide_text.h"
#include "journal/entry_lists.h"
#include "journal/screen_layout.h"
#include "journal/win/siwake.h"
#include "resource.h"
#include "support/menu_as_shown.h"
#include "tests/support/window_test_support.h"

#include <string>
#include <vector>

namespace {

class JournalViewTest : public ProgramFolderTest {
protected:
    void StartWithShippedFiles(int show = SW_HIDE)
    {
        CopyShippedSetupFiles();
        ASSERT_TRUE(Start(show));
        ASSERT_NE(nullptr, View());
    }

    siwake* View() const { return ActiveViewOf<siwake>(); }

    // A control's notification, as the control sends it to the view.
    void Notify(int id, UINT code)
    {
        View()->SendMessage(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(View()->GetDlgItem(id)->m_hWnd));
    }

    // Picks the item named text in the combo box id, as the user does.
    void Pick(int id, const char* text)
    {
        auto* combo = static_cast<CComboBox*>(View()->GetDlgItem(id));
        int found = -1;
        for (int i = 0; i < combo->GetCount() && found < 0; ++i) {
            CString item;
            combo->GetLBText(i, item);
            if (item == text)
                found = i;
        }
        ASSERT_GE(found, 0) << text;
        combo->SetCurSel(found);
        Notify(id, CBN_SELCHANGE);
    }

    void PickClass(int index)
    {
        View()->m_lbClass.SetCurSel(index);
        Notify(1034, LBN_SELCHANGE);
    }

    std::vector<CString> ComboItems(int id) const
    {
        auto* combo = static_cast<CComboBox*>(View()->GetDlgItem(id));
        std::vector<CString> items;
        for (int i = 0; i < combo->GetCount(); ++i) {
            CString item;
            combo->GetLBText(i, item);
            items.push_back(item);
        }
        return items;
    }

    CString Text(int id) const
    {
        CString text;
        View()->GetDlgItemText(id, text);
        return text;
    }

    bool Greyed(UINT command)
    {
        return GreyedAsShown(Frame(), command);
    }

    int CountNamed(const char* name) const
    {
        int count = 0;
        const auto& dict = Document()->m_arrDictionary;
        for (int i = 0; i < dict.GetSize(); ++i)
            count += dict.GetAt(i)->m_strName == name ? 1 : 0;
        return count;
    }
};

TEST_F(JournalViewTest, InitialUpdateSetsMenuPresetsLimitsClassesAndTheFixedAccounts)
{
    StartWithShippedFiles();
    siwake* view = View();
    Photograph(Frame(), "siwake");
    EXPECT_EQ(1, Document()->m_nCurBook);
    EXPECT_TRUE(Greyed(ID_LEDGER_PRINT_ALL));
    EXPECT_TRUE(Greyed(ID_LEDGER_PRINT_ALL_PREVIEW));
    for (UINT id : {ID_EDIT_CUT_LINE, ID_EDIT_PASTE_END, ID_SORT_BY_DATE, ID_TRADING_PARTNERS, ID_KEYWORD_SEARCH})
        EXPECT_FALSE(Greyed(id)) << id;

    const std::vector<CString> presets = ComboItems(1045);
    ASSERT_EQ(21u, presets.size());
    EXPECT_EQ("月分支払", presets.front());
    EXPECT_EQ("[品名]   [数量]   ＠", presets[5]);
    EXPECT_EQ("按分:料金×10%", presets[10]);
    EXPECT_EQ("消費税8%", presets.back());

    EXPECT_EQ(48u, edit_bytes::GetByteLimit(view->m_cbRemark.GetEditHandle()));
    for (int id : {1028, 1043, 1030, 1031, 1036, 1038, 1040, 1041})
        EXPECT_EQ(16u, edit_bytes::GetByteLimit(static_cast<CComboBox*>(view->GetDlgItem(id))->GetEditHandle())) << id;

    ASSERT_EQ(7, view->m_lbClass.GetCount());
    const auto& dict = Document()->m_arrDictionary;
    for (int i = 0; i < 7; ++i) {
        CString name;
        view->m_lbClass.GetText(i, name);
        EXPECT_EQ(dict.GetAt(i + 1)->m_strName, name);
    }
    EXPECT_EQ(Document()->m_nRowHeight, view->m_lbTransactions.GetItemHeight(0));
    EXPECT_EQ(ItemHeightsFor(Document()->m_nRowHeight).classList, view->m_lbClass.GetItemHeight(0));

    // Both fixed accounts stand on the class side and in the result branch, once,
    // also after the journal view was made again by a book switch.
    EXPECT_GE(FindClassSideAccount(dict, "貸倒回収益"), 0);
    EXPECT_GE(FindChildNode(dict, 8, "事業主借"), 0);
    const int size = dict.GetSize();
    const int owner = CountNamed("事業主借");
    Frame()->SendMessage(WM_COMMAND, ID_VIEW_KANJYO);
    Frame()->SendMessage(WM_COMMAND, ID_VIEW_SIWAKE);
    PumpWaitingMessages();
    ASSERT_NE(nullptr, View());
    EXPECT_EQ(size, Document()->m_arrDictionary.GetSize());
    EXPECT_EQ(owner, CountNamed("事業主借"));
    EXPECT_EQ(2, Document()->m_nPrevBook);
}

TEST_F(JournalViewTest, FirstViewPlacesTheMainWindowAndStoresTheLayoutWordsOnce)
{
    StartWithShippedFiles(SW_SHOWNORMAL);
    siwake* view = View();
    CMyDoc* document = Document();
    ASSERT_EQ(1, document->m_bLayoutDone);
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
    const int width = ::GetDeviceCaps(screen, HORZRES);
    const int height = ::GetDeviceCaps(screen, VERTRES);
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(ListRowHeight(12, dpi), document->m_nRowHeight);

    auto rect = [view](int id) {
        CRect r;
        view->GetDlgItem(id)->GetWindowRect(&r);
        view->ScreenToClient(&r);
        return r;
    };
    const auto words = LayoutWords(dpi, rect(1010), rect(1093), rect(1095));
    for (size_t i = 0; i < words.size(); ++i)
        EXPECT_EQ(words[i], document->m_nLayout[i]) << i;
    // The words are measured from the controls, not fixed: the tab lies left of
    // the first book button and the frame around the group boxes.
    EXPECT_LT(document->m_nLayout[0], rect(1010).left);
    EXPECT_EQ(rect(1095).right + 6, document->m_nLayout[7]);

    const WindowPlacement want = MainWindowPlacement(dpi, width, height, rect(1095));
    CRect placed;
    Frame()->GetWindowRect(&placed);
    EXPECT_EQ(want.x, placed.left);
    EXPECT_EQ(want.y, placed.top);
    // The system keeps a window within its largest tracking size.
    EXPECT_EQ(std::min(want.width, ::GetSystemMetrics(SM_CXMAXTRACK)), placed.Width());
    EXPECT_EQ(std::min(want.height, ::GetSystemMetrics(SM_CYMAXTRACK)), placed.Height());

    // A later journal view leaves the window where the user put it.
    Frame()->MoveWindow(5, 7, 700, 500, TRUE);
    Frame()->SendMessage(WM_COMMAND, ID_VIEW_KINSEN);
    Frame()->SendMessage(WM_COMMAND, ID_VIEW_SIWAKE);
    PumpWaitingMessages();
    Frame()->GetWindowRect(&placed);
    EXPECT_EQ(CRect(5, 7, 705, 507), placed);
}

TEST_F(JournalViewTest, EmptyJournalListsTheNewEntryRowAndRepaintsChangeNothing)
{
    StartWithShippedFiles(SW_SHOWNORMAL);
    siwake* view = View();
    auto check = [view] {
        ASSERT_EQ(1, view->m_lbTransactions.GetCount());
        CString row;
        view->m_lbTransactions.GetText(0, row);
        EXPECT_EQ("---", row);
        EXPECT_EQ(0, view->m_lbTransactions.GetCurSel());
    };
    check();
    view->m_lbTransactions.SetCurSel(-1);
    const int modified = Document()->IsModified();
    for (int i = 0; i < 3; ++i) {
        view->RedrawWindow();
        PumpWaitingMessages();
    }
    check();  // put right after the paint, not by it
    EXPECT_EQ(modified, Document()->IsModified());
    EXPECT_EQ(0, Document()->m_arrJournal.GetSize());
    EXPECT_TRUE(MessagesShown().empty());
}

TEST_F(JournalViewTest, ClassPickFillsTheActiveCauseRowOrAsksForARow)
{
    StartWithShippedFiles();
    siwake* view = View();
    const auto& dict = Document()->m_arrDictionary;
    PickClass(1);
    EXPECT_EQ(ChildNames(dict, 2), ComboItems(1038));
    EXPECT_EQ(1, view->m_nClassIndex[0]);

    Notify(1040, CBN_SETFOCUS);
    EXPECT_EQ(2, view->m_nActiveRow);
    EXPECT_TRUE(view->GetDlgItem(1111)->IsWindowVisible() || !view->IsWindowVisible());
    PickClass(4);
    EXPECT_EQ(ChildNames(dict, 5), ComboItems(1040));
    EXPECT_EQ(ChildNames(dict, 2), ComboItems(1038));

    view->m_lbTransactions.SetCurSel(-1);
    PickClass(0);
    EXPECT_EQ(std::vector<CString>{CString("行が選択されていません。\n\n新規登録するには、 行末に移動して「　- - -　」表示の行を選択してください。\n\n"
                                          "入力済みの取引を編集するには、 目的の行を選択してください。")},
              MessagesShown());
    EXPECT_TRUE(ComboItems(1040).empty());  // the fields were cleared
    EXPECT_EQ(-1, view->m_nClassIndex[1]);
}

TEST_F(JournalViewTest, CausePickOffersRankedCompanionsAndResultAccountsWithLabels)
{
    StartWithShippedFiles();
    CMyDoc* document = Document();
    DeleteRecords(document->m_arrJournal);
    DeleteRecords(document->m_arrHints);
    // Hint examples count before the journal: 普通預金 three times, 現金 twice, 売掛金 once.
    auto add = [](auto& array, const char* cause2, const char* result1) {
        array.Add(EntryBuilder("2024/01/05").Cause("売上").Cause(cause2).Result(result1).New());
    };
    add(document->m_arrHints, "", "現金");
    add(document->m_arrHints, "雑収入", "普通預金");
    add(document->m_arrJournal, "", "普通預金");
    add(document->m_arrJournal, "", "普通預金");
    add(document->m_arrJournal, "雑収入", "現金");
    add(document->m_arrJournal, "", "売掛金");
    siwake* view = View();
    view->m_lbTransactions.ResetContent();
    view->m_lbTransactions.AddString("---");
    view->m_lbTransactions.SetCurSel(0);

    PickClass(0);
    Pick(1038, "売上");
    EXPECT_EQ(std::vector<CString>{"雑収入"}, ComboItems(1040));
    EXPECT_EQ(std::vector<CString>{"雑収入"}, ComboItems(1041));
    const std::vector<CString> results = ComboItems(1043);
    ASSERT_GE(results.size(), 5u);
    EXPECT_EQ((std::vector<CString>{kRankedHeader, "普通預金", "現金", "売掛金", kOtherAccountsHeader}),
              std::vector<CString>(results.begin(), results.begin() + 5));
    EXPECT_EQ(1, std::count(results.begin(), results.end(), CString("普通預金")));
    EXPECT_EQ(results, ComboItems(1031));
    EXPECT_EQ("取引先", Text(1112));

    // A header is no account; a picked result account sets its label and phrases.
    Pick(1043, kRankedHeader);
    EXPECT_EQ(CString("科目を選択してください。"), MessagesShown().back());
    Pick(1030, "現金");
    EXPECT_EQ("2段目摘要2", Text(1113));
    EXPECT_EQ(2, view->m_nActiveResultRow);
    Pick(1043, "普通預金");
    EXPECT_EQ("取引先", Text(1113));
    EXPECT_EQ("を受取り", Text(1079));  // after "について"
    EXPECT_EQ("を支払い", Text(1080));

    // The companion picked for row 2 takes its class and leaves row 3's offer.
    Pick(1040, "雑収入");
    EXPECT_EQ(0, view->m_nClassIndex[1]);
    EXPECT_TRUE(ComboItems(1041).empty());
    EXPECT_EQ("2段目摘要1", Text(1112));
}

TEST_F(JournalViewTest, ConnectingWordCyclesAndThePhrasesAgree)
{
    StartWithShippedFiles();
    siwake* view = View();
    view->m_cbCause[0].SetWindowText("売掛金");
    Notify(1038, CBN_SETFOCUS);
    const CString first = Text(1049);
    EXPECT_EQ(view->m_strCauseWord1, first);
    std::vector<CString> shown{first};
    for (int i = 0; i < 4; ++i) {
        Notify(1049, STN_CLICKED);
        shown.push_back(Text(1049));
    }
    EXPECT_EQ((std::vector<CString>{view->m_strCauseWord1, view->m_strCauseWord2, "を回収して", "を割引して",
                                    view->m_strCauseWord1}),
              shown);

    // The phrases follow the connecting word: "を" after a word ending in "を".
    view->m_cbResult[0].SetWindowText("普通預金");
    Notify(1043, CBN_SETFOCUS);
    EXPECT_EQ("を受取り", Text(1079));
    view->m_strCauseWord1 = "を";
    view->m_nConnectIndex = 5;  // the next click returns to choice 0
    Notify(1049, STN_CLICKED);
    EXPECT_EQ("を", Text(1049));
    EXPECT_EQ("で受取り", Text(1079));
    EXPECT_EQ("で支払い", Text(1080));

    // The radios are never checked together.
    view->CheckDlgButton(1035, BST_CHECKED);
    Notify(1035, BN_CLICKED);
    view->CheckDlgButton(1037, BST_CHECKED);
    Notify(1037, BN_CLICKED);
    EXPECT_FALSE(view->IsDlgButtonChecked(1035));
    EXPECT_TRUE(view->IsDlgButtonChecked(1037));
}

TEST_F(JournalViewTest, FixedPhraseCasesOfOpeningCapitalAndInventory)
{
    StartWithShippedFiles();
    siwake* view = View();
    PickClass(3);  // 負債
    view->m_cbResult[0].SetWindowText("元入金");
    Notify(1043, CBN_SETFOCUS);
    EXPECT_EQ("", Text(1080));
    EXPECT_TRUE(view->IsDlgButtonChecked(1035));

    SYSTEMTIME newYear{};
    newYear.wYear = 2024;
    newYear.wMonth = 12;
    newYear.wDay = 31;
    view->m_dtDate.SetTime(&newYear);
    view->m_nClassIndex[0] = 4;
    view->m_cbCause[0].SetWindowText("棚卸資産");
    view->m_cbResult[0].SetWindowText("仕入");
    Notify(1043, CBN_SETFOCUS);
    EXPECT_EQ("", Text(1079));
    EXPECT_TRUE(view->IsDlgButtonChecked(1037));
    EXPECT_FALSE(view->IsDlgButtonChecked(1035));
}

TEST_F(JournalViewTest, AmountFieldsTakeOnlyAmountKeysButPastedTextAsItStands)
{
    StartWithShippedFiles();
    CEdit& amount = View()->m_edCauseAmount[0];
    for (wchar_t ch : std::wstring(L"-1a2,3.4５ "))
        amount.SendMessage(WM_CHAR, ch, 1);
    CString typed;
    amount.GetWindowText(typed);
    EXPECT_EQ("12,3.4", typed);

    // Pasted text is not cut down to a figure the user never meant: the commit's
    // amount check refuses it and names the field.
    for (const wchar_t* pasted : {L"￥-5,000円abc", L"-500", L"１０００"}) {
        amount.SetWindowText("");
        ASSERT_TRUE(PasteIntoEdit(&amount, pasted));
        CString text;
        amount.GetWindowText(text);
        EXPECT_EQ(FromWide(pasted), text);
    }
}

}  // namespace

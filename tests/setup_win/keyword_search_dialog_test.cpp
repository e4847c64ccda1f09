// The keyword search on real windows: the empty state, a search with its hits
// and field codes, stepping, the position kept across openings, a search that
// finds nothing, the fields of a hit, and "仕訳帳\nで表示" selecting the hit in
// the journal view; the journal and its modified flag are never touched.
#include "input_aids_fixture.h"

#include "setup/win/kensaku_dlg.h"

namespace {

class KeywordSearchTest : public InputAidsTest {
protected:
    void SetUp() override
    {
        InputAidsTest::SetUp();
        EntryBuilder descHit = OneRowEntry("2024/01/05", "売上", "現金", "1234.50", 1, 1005000);
        descHit.CauseDesc("A商店");
        EntryBuilder remarkHit = OneRowEntry("2024/01/10", "仕入", "現金", "300", 1, 2005000);
        remarkHit.Remark("B商店より[]x商店");
        EntryBuilder secondDesc = OneRowEntry("2024/02/01", "消耗品費", "現金", "500", 1, 3305000);
        secondDesc.Cause("雑費", "", "C商店");
        EntryBuilder afterMarks = OneRowEntry("2024/02/02", "売上", "現金", "700", 1, 1005000);
        afterMarks.Remark("見本[]商店");
        EntryBuilder resultDesc = OneRowEntry("2024/03/01", "売上", "売掛金", "900", 1, 1005000);
        resultDesc.ResultDesc("D商店");
        EntryBuilder twoFields = OneRowEntry("2024/04/01", "商店会費", "現金", "100", 1, 3005000);
        twoFields.Remark("E商店");
        StartWith({descHit, remarkHit, secondDesc, afterMarks, resultDesc, twoFields,
                   OneRowEntry("2024/05/01", "売上", "現金", "12345", 1, 1005000)});
        m_before = JournalLines();
    }

    void RunSearch(const std::function<void(CKensakuDlg&)>& drive)
    {
        RunDialog(ID_KEYWORD_SEARCH, IDD_KEYWORD_SEARCH, [&](CDialog& dlg) { drive(static_cast<CKensakuDlg&>(dlg)); });
        EXPECT_EQ(m_before, JournalLines());
        EXPECT_FALSE(Document()->IsModified());
    }
    static void Search(CDialog& dlg, const char* keyword)
    {
        dlg.SetDlgItemText(1061, keyword);
        DlgClick(dlg, 1029);
    }

    std::vector<std::string> m_before;
};

TEST_F(KeywordSearchTest, TheFirstOpeningShowsTheEmptyState)
{
    RunSearch([](CKensakuDlg& dlg) {
        EXPECT_EQ(CString("検索語句が入力されていません。"), DlgText(dlg, 1014));
        EXPECT_EQ(CString("0番目"), DlgText(dlg, 1015));
        EXPECT_EQ(CString(), DlgText(dlg, 1061));
        EXPECT_EQ(CString(), DlgText(dlg, 1024));
        EXPECT_FALSE(DlgShows(dlg, IDOK));
        EXPECT_EQ(7, dlg.m_listClass.GetCount());
        DlgClick(dlg, IDCANCEL);
    });
}

TEST_F(KeywordSearchTest, HitsAreSteppedAndThePositionIsKeptForTheNextOpening)
{
    const int current = Document()->m_nCurEntry;
    RunSearch([](CKensakuDlg& dlg) {
        Search(dlg, "商店");
        // One hit per entry, the last matching field winning; nothing after "[]".
        EXPECT_EQ((std::vector<int>{0, 1, 2, 4, 5}), dlg.m_arrHitEntry);
        EXPECT_EQ((std::vector<int>{101, 12, 102, 111, 12}), dlg.m_arrHitField);
        EXPECT_EQ(CString("  [商店] の 語句を含む取引が 5 件 あります。"), DlgText(dlg, 1014));
        EXPECT_EQ(CString("1 件目を表示中"), DlgText(dlg, 1015));
        EXPECT_TRUE(DlgShows(dlg, IDOK));
        EXPECT_FALSE(DlgEnabled(dlg, 1022));
        EXPECT_TRUE(DlgEnabled(dlg, 1010));
        DlgClick(dlg, 1010);
        DlgClick(dlg, 1010);
        EXPECT_EQ(CString("3　件目を表示中"), DlgText(dlg, 1015));
        EXPECT_EQ(CString("2024/02/01"), DlgText(dlg, 1024));
        DlgClick(dlg, IDCANCEL);
    });
    EXPECT_EQ(CString("商店"), Document()->m_strSearchWord);
    EXPECT_EQ(2, Document()->m_nSearchHit);
    EXPECT_EQ(current, Document()->m_nCurEntry);

    RunSearch([](CKensakuDlg& dlg) {
        EXPECT_EQ(CString("商店"), DlgText(dlg, 1061));
        EXPECT_EQ(CString("3 件目を表示中"), DlgText(dlg, 1015));
        EXPECT_EQ(CString("2024/02/01"), DlgText(dlg, 1024));
        DlgClick(dlg, 1010);
        DlgClick(dlg, 1010);
        EXPECT_EQ(CString("5　件目を表示中"), DlgText(dlg, 1015));
        EXPECT_TRUE(DlgEnabled(dlg, 1022));
        EXPECT_FALSE(DlgEnabled(dlg, 1010));
        DlgClick(dlg, 1022);
        EXPECT_EQ(CString("4　件目を表示中"), DlgText(dlg, 1015));
        EXPECT_TRUE(DlgEnabled(dlg, 1010));
        DlgClick(dlg, IDCANCEL);
    });
    EXPECT_EQ(3, Document()->m_nSearchHit);
}

TEST_F(KeywordSearchTest, ASearchThatFindsNothingForgetsTheKeyword)
{
    RunSearch([](CKensakuDlg& dlg) {
        Search(dlg, "商店");
        Search(dlg, "存在");
        EXPECT_EQ(CString("  <存在  [存在] の 語句を含む取引は　ありません。"), DlgText(dlg, 1014));
        EXPECT_EQ(CString("0番目"), DlgText(dlg, 1015));
        EXPECT_EQ(CString(), DlgText(dlg, 1024));
        EXPECT_FALSE(DlgEnabled(dlg, 1022));
        EXPECT_FALSE(DlgEnabled(dlg, 1010));
        EXPECT_FALSE(DlgShows(dlg, IDOK));
        DlgClick(dlg, IDCANCEL);
    });
    EXPECT_EQ(CString(), Document()->m_strSearchWord);
    EXPECT_EQ(-1, Document()->m_nSearchHit);
    RunSearch([](CKensakuDlg& dlg) {
        EXPECT_EQ(CString("検索語句が入力されていません。"), DlgText(dlg, 1014));
        EXPECT_EQ(CString(), DlgText(dlg, 1061));
        DlgClick(dlg, IDCANCEL);
    });
}

TEST_F(KeywordSearchTest, AHitShowsItsRowsDescriptionsRemarkAndGroupedAmounts)
{
    RunSearch([](CKensakuDlg& dlg) {
        Search(dlg, "商店");
        EXPECT_EQ(CString("A商店"), DlgText(dlg, 1008));
        EXPECT_EQ(CString("1,234.50"), DlgText(dlg, 1002));
        EXPECT_EQ(CString("売上"), DlgText(dlg, 1025));
        EXPECT_EQ(0, dlg.m_listClass.GetCurSel());
        DlgClick(dlg, 1010);
        // The remark up to its "[]".
        EXPECT_EQ(CString("B商店より"), DlgText(dlg, 1011));
        DlgClick(dlg, 1010);
        // A hit in the second cause description shows that description and the
        // class of cause row 1.
        EXPECT_EQ(CString("C商店"), DlgText(dlg, 1008));
        EXPECT_EQ(2, dlg.m_listClass.GetCurSel());
        DlgClick(dlg, 1010);
        EXPECT_EQ(CString("D商店"), DlgText(dlg, 1009));
        Photograph(&dlg, "keyword_search_hit");
        // The phrase radios keep the entry's direction whatever is clicked.
        const int checked = dlg.IsDlgButtonChecked(1035);
        DlgClick(dlg, 1035 + (checked == BST_CHECKED ? 2 : 0));
        EXPECT_EQ(checked, static_cast<int>(dlg.IsDlgButtonChecked(1035)));
        DlgClick(dlg, IDCANCEL);
    });
}

TEST_F(KeywordSearchTest, ARadioClickPutsBackThePhraseShownChecked)
{
    // The owner's purchase reads only the second way, whatever the entry's direction.
    Stop();
    EntryBuilder purchase = OneRowEntry("2024/06/01", "買掛金", "仕入", "800", 1, 4002000);
    purchase.CauseDesc("F商店");
    StartWith({purchase});
    m_before = JournalLines();
    RunSearch([](CKensakuDlg& dlg) {
        Search(dlg, "F商店");
        for (int radio : {0, 1035, 1037}) {
            if (radio)
                DlgClick(dlg, radio);
            EXPECT_EQ(BST_UNCHECKED, dlg.IsDlgButtonChecked(1035)) << radio;
            EXPECT_EQ(BST_CHECKED, dlg.IsDlgButtonChecked(1037)) << radio;
        }
        DlgClick(dlg, IDCANCEL);
    });
}

TEST_F(KeywordSearchTest, ShowInJournalMakesTheHitTheCurrentEntry)
{
    RunSearch([](CKensakuDlg& dlg) {
        Search(dlg, "商店");
        DlgClick(dlg, 1010);
        DlgClick(dlg, 1010);
        DlgClick(dlg, 1010);
        DlgClick(dlg, IDOK);
    });
    EXPECT_EQ(4, Document()->m_nCurEntry);
    EXPECT_EQ(4, View()->m_lbTransactions.GetCurSel());
    EXPECT_EQ(-1, Document()->m_nInsertRow);
}

TEST_F(KeywordSearchTest, AKeywordOfOnlyTheDeleteMarkIsEmpty)
{
    RunSearch([](CKensakuDlg& dlg) {
        Search(dlg, "(消)");
        EXPECT_EQ(CString("検索語句が入力されていません。"), DlgText(dlg, 1014));
        EXPECT_TRUE(dlg.m_arrHitEntry.empty());
        DlgClick(dlg, IDCANCEL);
    });
    EXPECT_EQ(-1, Document()->m_nSearchHit);
}

}  // namespace

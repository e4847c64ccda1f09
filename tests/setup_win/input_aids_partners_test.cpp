// The trading-partner command on real windows: the dialog registered at start,
// the partners collected from the dictionary and the journal by kind, the kind
// tabs, the edits with their refusals, and the registration into both branches
// of the dictionary on "O K"; "ｷｬﾝｾﾙ" registers nothing.
#include "input_aids_fixture.h"

#include "core/dictionary_tree.h"
#include "setup/win/torihikisaki_dlg.h"

#include "../core/dictionary_fixture.h"

namespace {

// The descriptions of an account among the cause accounts (side 0) or in the
// result branch (side 1).
std::vector<std::string> Descriptions(const DictionaryNodes& nodes, int side, const char* account)
{
    const int branchFirst = nodes[8]->m_nFirstChild;
    const int begin = side == 0 ? 9 : branchFirst;
    const int end = side == 0 ? branchFirst : branchFirst + nodes[8]->m_nChildCount;
    for (int i = begin; i < end; ++i) {
        if (nodes[i]->m_strName != account)
            continue;
        std::vector<std::string> names;
        for (int d = 0; d < nodes[i]->m_nChildCount; ++d)
            names.push_back(nodes[nodes[i]->m_nFirstChild + d]->m_strName.str());
        return names;
    }
    return {"(no account)"};
}

class PartnersTest : public InputAidsTest {
protected:
    void SetUp() override
    {
        InputAidsTest::SetUp();
        FixtureDictionary tree = SmallDictionary();
        tree.classes[0][0].descriptions = {"A商店", "家事消費", "家事消費(食品)"};
        tree.branch[0].descriptions = {"A商店", "家事消費", "家事消費(食品)"};
        DictionaryNodes nodes;
        MakeDictionary(tree, nodes);
        SaveRecordFile(Path("zuvavodi.sdn"), nodes);
        DeleteRecords(nodes);
        // A supplier that only the journal names.
        EntryBuilder purchase = OneRowEntry("2024/03/01", "仕入", "現金", "1000", 0, 2005000).CauseDesc("F食品");
        StartWith({purchase});
    }

    void RunPartners(const std::function<void(CTorihikisakiDlg&)>& drive)
    {
        RunDialog(ID_TRADING_PARTNERS, IDD_PARTNERS,
                  [&](CDialog& dlg) { drive(static_cast<CTorihikisakiDlg&>(dlg)); });
    }
    static void Select(CTorihikisakiDlg& dlg, int line)
    {
        dlg.m_listPartners.SetCurSel(line);
        DlgNotify(dlg, 1001, LBN_SELCHANGE);
    }
};

TEST_F(PartnersTest, TheCommandOpensTheDialogOnTheSuppliers)
{
    RunPartners([](CTorihikisakiDlg& dlg) {
        EXPECT_EQ((std::vector<std::string>{"B商事", "F食品", "X工業"}), ListLines(dlg));
        EXPECT_EQ(CString("仕入先名"), DlgText(dlg, 1108));
        EXPECT_FALSE(DlgShows(dlg, 1029));
        EXPECT_TRUE(DlgShows(dlg, 1023));
        DlgClick(dlg, 1023);
        // Household use is no customer; a name under two accounts is one customer.
        EXPECT_EQ((std::vector<std::string>{"A商店"}), ListLines(dlg));
        EXPECT_EQ(CString("売上先名"), DlgText(dlg, 1108));
        EXPECT_TRUE(DlgShows(dlg, 1029));
        EXPECT_FALSE(DlgShows(dlg, 1023));
        DlgClick(dlg, 1027);
        EXPECT_EQ((std::vector<std::string>{"C銀行"}), ListLines(dlg));
        EXPECT_FALSE(DlgShows(dlg, 1109));
        DlgClick(dlg, 1010);
        EXPECT_TRUE(DlgShows(dlg, 1109));
        EXPECT_FALSE(DlgShows(dlg, 1010));
        DlgNotify(dlg, 1109, STN_CLICKED);
        EXPECT_FALSE(DlgShows(dlg, 1109));
        DlgClick(dlg, 1029);
        Photograph(&dlg, "partners_suppliers");
        DlgClick(dlg, IDCANCEL);
    });
}

TEST_F(PartnersTest, EditsKeepTheListAndIgnoreEmptyNames)
{
    RunPartners([this](CTorihikisakiDlg& dlg) {
        dlg.SetDlgItemText(1024, "G商会");
        DlgClick(dlg, 1092);
        EXPECT_EQ(CString(), DlgText(dlg, 1024));
        Select(dlg, 1);
        EXPECT_EQ(CString("F食品"), DlgText(dlg, 1024));
        dlg.SetDlgItemText(1024, "H物産");
        DlgClick(dlg, 1018);
        EXPECT_EQ((std::vector<std::string>{"B商事", "H物産", "F食品", "X工業", "G商会"}), ListLines(dlg));
        Select(dlg, 0);
        dlg.SetDlgItemText(1024, "B商事(株)");
        DlgClick(dlg, 1009);
        Select(dlg, 3);
        DlgClick(dlg, 1004);
        EXPECT_EQ(CString(), DlgText(dlg, 1024));
        // An empty name would become an empty description under three accounts.
        Select(dlg, 0);
        dlg.SetDlgItemText(1024, "");
        DlgClick(dlg, 1092);
        DlgClick(dlg, 1018);
        DlgClick(dlg, 1009);
        EXPECT_EQ((std::vector<std::string>{"B商事(株)", "H物産", "F食品", "G商会"}), ListLines(dlg));
        EXPECT_TRUE(m_boxes.empty());
        // Change, insert and delete need a line.
        dlg.m_listPartners.SetCurSel(-1);
        dlg.SetDlgItemText(1024, "I社");
        for (int button : {1009, 1018, 1004})
            DlgClick(dlg, button);
        EXPECT_EQ(std::vector<std::string>(3, "リスト名を選択して下さい。"), m_boxes);
        EXPECT_EQ((std::vector<std::string>{"B商事(株)", "H物産", "F食品", "G商会"}), ListLines(dlg));
        DlgClick(dlg, 1023);
        EXPECT_EQ(CString(), DlgText(dlg, 1024));
        DlgClick(dlg, IDOK);
    });
    const DictionaryNodes& nodes = Document()->m_arrDictionary;
    const std::vector<std::string> suppliers{"B商事(株)", "H物産", "F食品", "G商会"};
    for (int side = 0; side < 2; ++side) {
        SCOPED_TRACE(side);
        // 支払手形 is no result account of this dictionary.
        for (const char* account : {"買掛金", "支払手形"}) {
            if (side == 0 || std::string(account) == "買掛金") {
                EXPECT_EQ(suppliers, Descriptions(nodes, side, account)) << account;
            }
        }
    }
    auto purchases = suppliers;
    purchases.insert(purchases.end(), {"期首繰入", "期末繰戻"});
    EXPECT_EQ(purchases, Descriptions(nodes, 0, "仕入"));
    // The user's own household-use descriptions stay beside the fixed one.
    for (int side = 0; side < 2; ++side)
        EXPECT_EQ((std::vector<std::string>{"A商店", "家事消費", "家事消費(食品)"}), Descriptions(nodes, side, "売上"));
}

TEST_F(PartnersTest, CancelRegistersNothing)
{
    const auto before = NodeLines(Document()->m_arrDictionary);
    RunPartners([](CTorihikisakiDlg& dlg) {
        dlg.SetDlgItemText(1024, "G商会");
        DlgClick(dlg, 1092);
        DlgClick(dlg, IDCANCEL);
    });
    EXPECT_EQ(before, NodeLines(Document()->m_arrDictionary));
    // The next opening shows the list rebuilt from the dictionary.
    RunPartners([](CTorihikisakiDlg& dlg) {
        EXPECT_EQ((std::vector<std::string>{"B商事", "F食品", "X工業"}), ListLines(dlg));
        DlgClick(dlg, IDCANCEL);
    });
}

}  // namespace

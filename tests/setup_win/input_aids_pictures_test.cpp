// The four input-aid dialogs on the shipped sample journal: each shows the
// sample year's own figures (the keyword search a hit), and is photographed for
// a person to look at when ZIRERE_SHOTS names a folder.
#include "input_aids_fixture.h"

#include "program_data.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

class InputAidPicturesTest : public InputAidsTest {
protected:
    void SetUp() override
    {
        InputAidsTest::SetUp();
        WriteFileBytes(Path("2024.siz"), ReadFileBytes(CString(PROGRAM_DATA_FOLDER) + "\\ｻﾝﾌﾟﾙ2024.siz"));
        WriteFileBytes(Path("duzizezi.ino"), Path("2024.siz").str());
        ASSERT_TRUE(Start(SW_SHOW));
        ASSERT_GT(Document()->m_arrJournal.GetSize(), 300);
    }

    // Runs the command; its dialog is set by drive, photographed and cancelled.
    void Picture(UINT command, UINT dialogId, const char* name,
                 const std::function<void(CDialog&)>& drive = [](CDialog&) {})
    {
        RunDialog(command, dialogId, [&](CDialog& dlg) {
            drive(dlg);
            Photograph(&dlg, name);
            dlg.SendMessage(WM_COMMAND, IDCANCEL);
        });
    }
};

TEST_F(InputAidPicturesTest, Inventory)
{
    std::vector<CString> shown;
    Picture(ID_INVENTORY, IDD_INVENTORY, "sample_inventory", [&](CDialog& dlg) {
        for (int id : {1024, 1025})
            shown.push_back(DlgText(dlg, id));
    });
    // The sample's opening and closing inventory.
    EXPECT_EQ((std::vector<CString>{Field18("1,150,000   "), Field18("1,218,000   ")}), shown);
}

TEST_F(InputAidPicturesTest, BadDebtAllowance)
{
    std::vector<CString> shown;
    Picture(ID_BAD_DEBT_ALLOWANCE, IDD_BAD_DEBT, "sample_bad_debt", [&](CDialog& dlg) {
        for (int id : {1024, 1172, 1025, 1174, 1175, 1176})
            shown.push_back(DlgText(dlg, id));
    });
    // The sample books all three allowance entries.
    EXPECT_EQ((std::vector<CString>{Field18("29,425   "), Field18("29,425   "), Field18("43,617   "), "記帳済", "記帳済",
                                    "記帳済"}),
              shown);
}

TEST_F(InputAidPicturesTest, KeywordSearchWithAHit)
{
    Picture(ID_KEYWORD_SEARCH, IDD_KEYWORD_SEARCH, "sample_keyword_search", [](CDialog& dlg) {
        dlg.SetDlgItemText(1061, "居酒屋");
        DlgClick(dlg, 1029);
        EXPECT_EQ(CString("居酒屋はなみ"), DlgText(dlg, 1008));
    });
}

TEST_F(InputAidPicturesTest, TradingPartners)
{
    std::vector<std::string> suppliers;
    Picture(ID_TRADING_PARTNERS, IDD_PARTNERS, "sample_partners",
            [&](CDialog& dlg) { suppliers = ListLines(static_cast<CTorihikisakiDlg&>(dlg)); });
    // The sample's supplier of liquor is listed, once.
    EXPECT_EQ(1, std::count(suppliers.begin(), suppliers.end(), std::string("丸山酒販")));
}

}  // namespace

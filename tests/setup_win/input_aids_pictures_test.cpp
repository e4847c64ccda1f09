// The four input-aid dialogs on the shipped sample journal, photographed for a
// person to look at when ZIRERE_SHOTS names a folder (skipped otherwise): each
// dialog shows the year's figures, the keyword search a hit.
#include "input_aids_fixture.h"

#include "program_data.h"

#include <functional>

namespace {

class InputAidPicturesTest : public InputAidsTest {
protected:
    void SetUp() override
    {
        if (!ShotFolder())
            GTEST_SKIP() << "set ZIRERE_SHOTS to a folder for the pictures";
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
    Picture(ID_INVENTORY, IDD_INVENTORY, "sample_inventory");
}

TEST_F(InputAidPicturesTest, BadDebtAllowance)
{
    Picture(ID_BAD_DEBT_ALLOWANCE, IDD_BAD_DEBT, "sample_bad_debt");
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
    Picture(ID_TRADING_PARTNERS, IDD_PARTNERS, "sample_partners");
}

}  // namespace

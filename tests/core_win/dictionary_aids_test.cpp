// The document's routines for the input aids that write into the dictionary: the
// trading-partner command (its dialog answered by the test, which sets the
// partners it leaves) and the carry-forward from the previous year's file.
#include "program_folder.h"

#include "../core/dictionary_fixture.h"

#include "core/record_file.h"
#include "framework/win/dialog.h"
#include "resource.h"

namespace {

// What the answered partner dialog does: the partners it leaves and its answer.
std::vector<std::pair<int, const char*>> g_partners;
int g_partnerAnswer = IDOK;

void AnswerPartnerDialog(CDialog& dialog)
{
    CMyDoc* document = GetActiveDoc();
    DeleteRecords(document->m_arrPartners);
    for (const auto& [kind, name] : g_partners) {
        auto* partner = new CTorihikisaki;
        partner->m_nKind = kind;
        partner->m_strName = name;
        document->m_arrPartners.Add(partner);
    }
    dialog.EndDialog(g_partnerAnswer);
}

// The small dictionary with the two accounts that the journal view makes sure of
// at start, so that the start leaves it as it was written.
FixtureDictionary StartedDictionary()
{
    FixtureDictionary tree = SmallDictionary();
    tree.classes[0].push_back({"貸倒回収益", {}});
    tree.classes[3].push_back({"事業主借", {"譲渡益"}, "として", "について"});
    tree.branch.push_back({"貸倒回収益", {}, "", "で収益の計上"});
    tree.branch.push_back({"事業主借", {"譲渡益"}, "", "で事業主が借り"});
    return tree;
}

class DictionaryAidsTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        CopyShippedSetupFiles();
        MakeDictionary(StartedDictionary(), m_expected);
        SaveRecordFile(Path("zuvavodi.sdn"), m_expected);
        WriteJournal(Path("2024.siz"), {"100"});
        WriteFileBytes(Path("duzizezi.ino"), Path("2024.siz").str());
        ASSERT_TRUE(Start());
        ASSERT_EQ(NodeLines(m_expected), NodeLines(Document()->m_arrDictionary));
        m_answers.dialogs[IDD_PARTNERS] = &AnswerPartnerDialog;
        m_answers.asked.clear();
    }
    void TearDown() override
    {
        DeleteRecords(m_expected);
        ProgramFolderTest::TearDown();
    }
    void Send(UINT command) { Frame()->SendMessage(WM_COMMAND, command); }

    DictionaryNodes m_expected;
};

TEST_F(DictionaryAidsTest, ConfirmedPartnersBecomeTheDescriptionsOfTheirAccounts)
{
    g_partners = {{CTorihikisaki::kSupplier, "S一"}, {CTorihikisaki::kCustomer, "K一"}, {CTorihikisaki::kBank, "B銀行"}};
    g_partnerAnswer = IDOK;
    Send(ID_TRADING_PARTNERS);

    FixtureDictionary tree = StartedDictionary();
    tree.classes[0][0].descriptions = {"K一", "家事消費"};
    tree.classes[1][0].descriptions = {"S一", "期首繰入", "期末繰戻"};
    tree.classes[3][0].descriptions = {"S一"};
    tree.classes[3][1].descriptions = {"S一"};
    tree.classes[4][1].descriptions = {"B銀行"};
    tree.classes[4][2].descriptions = {"K一"};
    tree.branch[0].descriptions = {"K一", "家事消費"};
    tree.branch[2].descriptions = {"B銀行"};
    tree.branch[3].descriptions = {"S一"};
    MakeDictionary(tree, m_expected);
    EXPECT_EQ(NodeLines(m_expected), NodeLines(Document()->m_arrDictionary));
    EXPECT_FALSE(Document()->IsModified());
    EXPECT_TRUE(MessagesShown().empty());
}

TEST_F(DictionaryAidsTest, ACancelledPartnerDialogChangesNothing)
{
    const auto before = NodeLines(Document()->m_arrDictionary);
    g_partners = {{CTorihikisaki::kCustomer, "K一"}};
    g_partnerAnswer = IDCANCEL;
    Send(ID_TRADING_PARTNERS);
    EXPECT_EQ(before, NodeLines(Document()->m_arrDictionary));
}

TEST_F(DictionaryAidsTest, CarryForwardReadsThePreviousYearAndCompletesTheWorkDictionary)
{
    JournalArray previous;
    previous.Add(OneRowEntry("2023/06/01", "売上", "定期預金", "300", 1, 1005000).ResultDesc("D銀行").New());
    SaveRecordFile(Path("2023.siz"), previous);
    DeleteRecords(previous);
    const auto dictionary = NodeLines(Document()->m_arrDictionary);

    FileDialogRequest asked;
    m_answers.fileDialog = [&](FileDialogRequest& request) {
        asked = request;
        request.fileName = Path("2023.siz");
        return IDOK;
    };
    EXPECT_EQ(0, Document()->CarryForwardFromPrevYear());
    EXPECT_EQ(CString("前年度の会計データファイルの指定"), asked.title);
    EXPECT_EQ(CString("*.siz"), asked.fileName.Right(5));
    EXPECT_EQ(Folder(), asked.initialDir);
    EXPECT_TRUE(asked.flags & OFN_FILEMUSTEXIST);
    EXPECT_EQ(1, Document()->m_arrPrevJournal.GetSize());

    FixtureDictionary tree = StartedDictionary();
    tree.classes[4].push_back({"定期預金", {"D銀行"}});
    tree.branch.push_back({"定期預金", {"D銀行"}, "で受取り", "で支払い"});
    MakeDictionary(tree, m_expected);
    EXPECT_EQ(NodeLines(m_expected), NodeLines(Document()->m_arrWorkDict));
    EXPECT_EQ(dictionary, NodeLines(Document()->m_arrDictionary));
    EXPECT_TRUE(MessagesShown().empty());

    // Cancelled: the previous year is emptied and the work dictionary kept.
    const auto work = NodeLines(Document()->m_arrWorkDict);
    m_answers.fileDialog = [](FileDialogRequest&) { return IDCANCEL; };
    EXPECT_EQ(-1, Document()->CarryForwardFromPrevYear());
    EXPECT_EQ(0, Document()->m_arrPrevJournal.GetSize());
    EXPECT_EQ(work, NodeLines(Document()->m_arrWorkDict));

    // A file that is no journal is reported.
    WriteFileBytes(Path("broken.siz"), "not a journal");
    m_answers.fileDialog = [this](FileDialogRequest& request) {
        request.fileName = Path("broken.siz");
        return IDOK;
    };
    EXPECT_EQ(-1, Document()->CarryForwardFromPrevYear());
    EXPECT_EQ(std::vector<CString>{CString("ファイルのオープンに失敗しました！")}, MessagesShown());
    EXPECT_EQ(work, NodeLines(Document()->m_arrWorkDict));
}

}  // namespace

// The dictionary as a tree: its check, the trading partners written into it as
// descriptions, and the work dictionary completed from a previous year's journal.
#include "dictionary_fixture.h"

#include "core/my_object2.h"
#include "core/node_words.h"
#include "support/entry_builder.h"

namespace {

class DictionaryTreeTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        DeleteRecords(m_nodes);
        DeleteRecords(m_expected);
        DeleteRecords(m_partners);
        DeleteRecords(m_journal);
    }
    void AddPartner(int kind, const char* name)
    {
        auto* partner = new CTorihikisaki;
        partner->m_nKind = kind;
        partner->m_strName = name;
        m_partners.Add(partner);
    }
    // An entry of the previous year's journal.
    void Add(const EntryBuilder& entry) { m_journal.Add(entry.New()); }

    DictionaryNodes m_nodes;
    DictionaryNodes m_expected;
    CTypedPtrArray<CObArray, CTorihikisaki*> m_partners;
    JournalArray m_journal;
};

TEST_F(DictionaryTreeTest, TheCheckAcceptsTreesAndNamesTheNodeOfEachFault)
{
    MakeDictionary(SmallDictionary(), m_nodes);
    EXPECT_TRUE(IsDictionaryTree(m_nodes));

    struct Case {
        const char* fault;
        int node;
        int first;
        int count;
        int faultNode;
        int faultField;
    };
    // Node 1 is the class 収益 (accounts 9 and 10), node 9 売上 (descriptions from 23),
    // node 10 雑収入, node 8 the result branch (accounts from 19).
    const Case cases[] = {
        {"root's run moved", 0, 2, 8, 0, 1},
        {"root's count", 0, 1, 7, 0, 2},
        {"negative count", 10, 0, -1, 10, 2},
        {"run in front of its parent", 9, 5, 1, 9, 1},
        {"run that skips a node", 9, 28, 1, 9, 1},
        {"run past the end", 8, 19, 200, 8, 2},
        {"class run overlapping the next", 1, 9, 3, 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        MakeDictionary(SmallDictionary(), m_nodes);
        m_nodes[c.node]->m_nFirstChild = c.first;
        m_nodes[c.node]->m_nChildCount = c.count;
        TreeFault fault;
        EXPECT_FALSE(IsDictionaryTree(m_nodes, &fault));
        EXPECT_EQ(c.faultNode, fault.node);
        EXPECT_EQ(c.faultField, fault.field);
        EXPECT_FALSE(fault.what.IsEmpty());
    }
    // A node that is nobody's child, and a dictionary too small to hold the classes.
    MakeDictionary(SmallDictionary(), m_nodes);
    m_nodes.Add(FixtureNode(0, 0, "迷子"));
    TreeFault fault;
    EXPECT_FALSE(IsDictionaryTree(m_nodes, &fault));
    EXPECT_EQ(m_nodes.GetSize() - 1, fault.node);
    while (m_nodes.GetSize() > 8) {
        delete m_nodes[m_nodes.GetSize() - 1];
        m_nodes.RemoveAt(m_nodes.GetSize() - 1);
    }
    EXPECT_FALSE(IsDictionaryTree(m_nodes, &fault));
    EXPECT_EQ(-1, fault.node);
}

TEST_F(DictionaryTreeTest, PartnersReplaceTheDescriptionsOfTheirAccountsOnBothSides)
{
    MakeDictionary(SmallDictionary(), m_nodes);
    AddPartner(CTorihikisaki::kSupplier, "S一");
    AddPartner(CTorihikisaki::kSupplier, "S二");
    AddPartner(CTorihikisaki::kCustomer, "K一");
    ASSERT_TRUE(RegisterAllPartners(m_nodes, m_partners));

    FixtureDictionary tree = SmallDictionary();
    tree.classes[0][0].descriptions = {"K一", "家事消費"};
    tree.classes[1][0].descriptions = {"S一", "S二", "期首繰入", "期末繰戻"};
    tree.classes[3][0].descriptions = {"S一", "S二"};   // 買掛金 had none: run placed where the next begins
    tree.classes[3][1].descriptions = {"S一", "S二"};   // 支払手形
    tree.classes[4][1].descriptions = {};               // 普通預金: no banks
    tree.classes[4][2].descriptions = {"K一"};          // 売掛金
    tree.branch[0].descriptions = {"K一", "家事消費"};
    tree.branch[2].descriptions = {};
    tree.branch[3].descriptions = {"S一", "S二"};       // 買掛金 last in the branch: run at the end
    MakeDictionary(tree, m_expected);
    EXPECT_EQ(NodeLines(m_expected), NodeLines(m_nodes));
    EXPECT_TRUE(IsDictionaryTree(m_nodes));
}

TEST_F(DictionaryTreeTest, WithoutPartnersOnlyTheFixedDescriptionsStay)
{
    MakeDictionary(SmallDictionary(), m_nodes);
    ASSERT_TRUE(RegisterAllPartners(m_nodes, m_partners));
    FixtureDictionary tree = SmallDictionary();
    tree.classes[0][0].descriptions = {"家事消費"};
    tree.classes[1][0].descriptions = {"期首繰入", "期末繰戻"};
    tree.classes[3][1].descriptions = {};
    tree.classes[4][1].descriptions = {};
    tree.classes[4][2].descriptions = {};
    tree.branch[0].descriptions = {"家事消費"};
    tree.branch[2].descriptions = {};
    MakeDictionary(tree, m_expected);
    EXPECT_EQ(NodeLines(m_expected), NodeLines(m_nodes));
}

TEST_F(DictionaryTreeTest, PartnersKeepTheOwnUseAndCarryDescriptionsBeyondTheFixedOnes)
{
    FixtureDictionary tree = SmallDictionary();
    tree.classes[0][0].descriptions = {"A商店", "家事消費", "家事消費(食品)"};
    tree.classes[1][0].descriptions = {"B商事", "期首繰入", "在庫繰越", "期末繰戻"};
    tree.branch[0].descriptions = {"家事消費(食品)", "A商店"};
    MakeDictionary(tree, m_nodes);
    AddPartner(CTorihikisaki::kCustomer, "K一");
    AddPartner(CTorihikisaki::kSupplier, "S一");
    ASSERT_TRUE(RegisterAllPartners(m_nodes, m_partners));

    FixtureDictionary expected = SmallDictionary();
    expected.classes[0][0].descriptions = {"K一", "家事消費", "家事消費(食品)"};
    expected.classes[1][0].descriptions = {"S一", "期首繰入", "期末繰戻", "在庫繰越"};
    expected.classes[3][0].descriptions = {"S一"};
    expected.classes[3][1].descriptions = {"S一"};
    expected.classes[4][1].descriptions = {};
    expected.classes[4][2].descriptions = {"K一"};
    expected.branch[0].descriptions = {"K一", "家事消費", "家事消費(食品)"};
    expected.branch[2].descriptions = {};
    expected.branch[3].descriptions = {"S一"};
    MakeDictionary(expected, m_expected);
    EXPECT_EQ(NodeLines(m_expected), NodeLines(m_nodes));
    EXPECT_TRUE(IsDictionaryTree(m_nodes));
}

TEST_F(DictionaryTreeTest, PartnersLeaveADictionaryThatIsNoTreeAlone)
{
    MakeDictionary(SmallDictionary(), m_nodes);
    m_nodes[9]->m_nFirstChild = 500;
    const auto before = NodeLines(m_nodes);
    AddPartner(CTorihikisaki::kCustomer, "K一");
    EXPECT_FALSE(RegisterAllPartners(m_nodes, m_partners));
    EXPECT_EQ(before, NodeLines(m_nodes));
}

TEST_F(DictionaryTreeTest, TheWorkDictionaryTakesWhatThePreviousYearUsedAndTheDictionaryLacks)
{
    MakeDictionary(SmallDictionary(), m_nodes);
    const auto dictionaryBefore = NodeLines(m_nodes);
    // A new description of a known cause account.
    Add(OneRowEntry("2023/04/01", "通信費", "現金", "1000", 1, 3005000).CauseDesc("切手"));
    // A new result account of class 5.
    Add(OneRowEntry("2023/04/01", "売上", "定期預金", "1000", 1, 1005000).CauseDesc("A商店").ResultDesc("D銀行"));
    // No class digits: the unknown account is left out.
    Add(OneRowEntry("2023/04/01", "未登録", "現金", "1000", 1, 0).ResultDesc("小口"));
    // Class digit 9: left out as well.
    Add(OneRowEntry("2023/04/01", "謎科目", "現金", "1000", 1, 9095000));
    Add(OneRowEntry("2023/04/01", "元入金", "現金", "1000", 1, 7105000).Cause("雑収入", "", "還付金"));

    DictionaryNodes work;
    CarryForwardSlots slots;
    BuildWorkDictionary(m_nodes, m_journal, work, slots);

    FixtureDictionary tree = SmallDictionary();
    tree.classes[0][1].descriptions = {"還付金"};
    tree.classes[2][0].descriptions = {"電話代", "切手"};
    tree.classes[4][0].descriptions = {"小口"};
    tree.classes[4].push_back({"定期預金", {"D銀行"}});
    tree.branch[1].descriptions = {"小口"};
    tree.branch.push_back({"定期預金", {"D銀行"}, "で受取り", "で支払い"});
    MakeDictionary(tree, m_expected);
    EXPECT_EQ(NodeLines(m_expected), NodeLines(work));
    EXPECT_EQ(dictionaryBefore, NodeLines(m_nodes));
    DeleteRecords(work);
}

TEST_F(DictionaryTreeTest, AWorkDictionaryOfKnownAccountsIsACopy)
{
    MakeDictionary(SmallDictionary(), m_nodes);
    Add(OneRowEntry("2023/04/01", "売上", "普通預金", "1000", 1, 1005000).CauseDesc("A商店").ResultDesc("C銀行"));
    Add(OneRowEntry("2023/04/01", "", "", "1000", 1, 0));
    DictionaryNodes work;
    CarryForwardSlots slots;
    BuildWorkDictionary(m_nodes, m_journal, work, slots);
    EXPECT_EQ(NodeLines(m_nodes), NodeLines(work));
    DeleteRecords(work);
}

TEST_F(DictionaryTreeTest, ResultWordsFollowTheClassOfTheNewAccount)
{
    struct Case {
        int classDigit;
        const char* word1;
        const char* word2;
    };
    const Case cases[] = {{1, "から繰戻す", "で収入とする"}, {2, "で費用とする", "から繰戻す"},
                          {3, "で費用とする", "から繰戻す"}, {4, "から繰戻す", "へ繰入れる"},
                          {6, "で受取り", "で支払い"},       {7, "から繰戻す", "計上する"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.classDigit);
        MakeDictionary(SmallDictionary(), m_nodes);
        CarryForwardSlots slots;
        slots.classIndex[3] = c.classDigit - 1;
        MergePrevYearRow(m_nodes, slots, 3, "新科目", "");
        const int inBranch = FindWorkChildNode(m_nodes, 8, "新科目");
        ASSERT_GT(inBranch, 0);
        EXPECT_EQ(CString(c.word1), m_nodes[inBranch]->m_strWord1);
        EXPECT_EQ(CString(c.word2), m_nodes[inBranch]->m_strWord2);
        const int onClassSide = FindWorkChildNode(m_nodes, c.classDigit, "新科目");
        ASSERT_GT(onClassSide, 0);
        EXPECT_EQ(CString("について"), m_nodes[onClassSide]->m_strWord1);
        EXPECT_EQ(0, slots.wordClass);
        EXPECT_TRUE(IsDictionaryTree(m_nodes));
    }
}

TEST_F(DictionaryTreeTest, FindingAChildAnswersMinusOneForNoNameAndMinusTwoForNone)
{
    MakeDictionary(SmallDictionary(), m_nodes);
    EXPECT_EQ(-1, FindWorkChildNode(m_nodes, 9, ""));
    EXPECT_EQ(-2, FindWorkChildNode(m_nodes, 10, "何か"));  // 雑収入 has no descriptions
    EXPECT_EQ(-2, FindWorkChildNode(m_nodes, 9, "何か"));
    EXPECT_EQ(m_nodes[9]->m_nFirstChild, FindWorkChildNode(m_nodes, 9, "A商店"));
}

TEST(ClassDigits, ComeFromCodesAboveFiveDigitsOnly)
{
    CarryForwardSlots slots;
    TakeClassDigits(slots, 1205302);
    EXPECT_EQ((std::array<int, 6>{0, 1, -1, 4, 2, -1}), slots.classIndex);
    TakeClassDigits(slots, 99999);
    EXPECT_EQ((std::array<int, 6>{-1, -1, -1, -1, -1, -1}), slots.classIndex);
    TakeClassDigits(slots, -5);
    EXPECT_EQ((std::array<int, 6>{-1, -1, -1, -1, -1, -1}), slots.classIndex);
}

TEST(NodeWords, ByKindAndClass)
{
    CString w1;
    CString w2;
    const struct {
        int kind, digit;
        const char *first, *second;
    } cases[] = {{0, 0, "", ""},           {1, 0, "について", "として"}, {2, 1, "から繰戻す", "で収入とする"},
                 {2, 2, "で費用とする", "から繰戻す"}, {2, 3, "で費用とする", "から繰戻す"},
                 {2, 4, "から繰戻す", "へ繰入れる"}, {2, 5, "で受取り", "で支払い"},
                 {2, 6, "で受取り", "で支払い"},   {2, 7, "から繰戻す", "計上する"}, {2, 0, "", ""}};
    for (const auto& c : cases) {
        NewNodeWords(c.kind, c.digit, w1, w2);
        EXPECT_EQ(c.first, w1) << c.kind << c.digit;
        EXPECT_EQ(c.second, w2) << c.kind << c.digit;
    }
}

}  // namespace

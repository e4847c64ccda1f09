// The dictionary check of a committed sentence: classes taken from the
// dictionary, registrations after the user's answers, the node insertion keeping
// every child run contiguous, and the two faults of the class-side walk.
#include "dictionary_fixture.h"

#include "journal/dictionary_check.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

// Answers the questions in order and records them.
struct Script {
    std::deque<bool> yes;
    int chosenClass = -1;
    std::vector<CString> asked;
    RegistrationAnswers answers()
    {
        RegistrationAnswers a;
        a.yesNo = [this](const CString& text) {
            asked.push_back(text);
            EXPECT_FALSE(yes.empty()) << text;
            if (yes.empty())
                return false;
            const bool answer = yes.front();
            yes.pop_front();
            return answer;
        };
        a.registerDescription = [a](const CString& account, const CString& description) {
            return a.yesNo(DescriptionQuestion(account, description));
        };
        a.tell = [this](const CString& text) { asked.push_back("OK: " + text); };
        a.askClass = [this](const CString& account) {
            asked.push_back("class: " + account);
            return chosenClass;
        };
        return a;
    }
};

// Every child run lies behind the runs of earlier parents, contiguous.
void ExpectRunsInOrder(const Dictionary& dict)
{
    int next = 1;
    for (int i = 0; i < dict.GetSize(); ++i) {
        const CKiso* node = dict.GetAt(i);
        if (node->m_nChildCount == 0) {
            EXPECT_EQ(0, node->m_nFirstChild) << i;
            continue;
        }
        EXPECT_EQ(next, node->m_nFirstChild) << "node " << i;
        next += node->m_nChildCount;
    }
    EXPECT_EQ(dict.GetSize(), next);
}

DictionaryFixture Small()
{
    return DictionaryFixture{{1, "売上", "について", "として"},
                             {3, "水道光熱費", "について", "として"},
                             {5, "現金", "について", "として"},
                             {7, "元入金", "について", "として"},
                             {8, "現金", "で受取り", "で支払い"},
                             {11, "窓口"},
                             {13, "窓口"}};
}

TEST(DictionaryCheck, KnownAccountsGiveTheirClassAndAskNothing)
{
    DictionaryFixture d = Small();
    Script s;
    int cls = 0;  // the user chose 収益, the dictionary says 資産(流動)
    EXPECT_EQ(0, CheckDictionaryRow(d.dict, 0, "現金", "", cls, s.answers()).status);
    EXPECT_EQ(4, cls);
    EXPECT_EQ(0, CheckDictionaryRow(d.dict, 3, "現金", "窓口", cls, s.answers()).status);
    int empty = 3;
    EXPECT_EQ(0, CheckDictionaryRow(d.dict, 4, "", "x", empty, s.answers()).status);
    EXPECT_EQ(-1, empty);
    EXPECT_TRUE(s.asked.empty());
}

TEST(DictionaryCheck, UnknownCauseAccountIsRegisteredUnderTheChosenClassAfterConsent)
{
    DictionaryFixture d = Small();
    const int before = d.dict.GetSize();
    Script s;
    s.yes = {true, false};  // register the account, not the description
    int cls = 2;
    const RowCheck check = CheckDictionaryRow(d.dict, 1, "通信費", "電話", cls, s.answers());
    EXPECT_EQ(0, check.status);
    ASSERT_EQ(2u, s.asked.size());
    EXPECT_EQ(" ＜通信費＞　は 「科目辞書」に未登録です。\n\n取引に使用される科目は、必ず「科目辞書」に登録してください。"
              "\n\n現在、この科目の分類 は 【費用】 が選択されています。\n\n＜通信費＞ を 【費用】 として「科目辞書」に登録しますか？",
              s.asked[0]);
    EXPECT_EQ("電話　は、＜通信費＞の新しい摘要です。\n\n電話 を、＜通信費＞の摘要 として「科目辞書」に登録しますか？",
              s.asked[1]);
    EXPECT_EQ(before + 1, d.dict.GetSize());
    const int node = FindClassSideAccount(d.dict, "通信費");
    EXPECT_EQ(2, ClassIndexOfNode(d.dict, node));
    EXPECT_EQ("について", d.dict.GetAt(node)->m_strWord1);
    EXPECT_EQ("として", check.causeWord2);
    ExpectRunsInOrder(d.dict);

    // Refused: nothing registered, the commit is abandoned.
    Script no;
    no.yes = {false};
    int other = 2;
    EXPECT_EQ(-1, CheckDictionaryRow(d.dict, 0, "交際費", "", other, no.answers()).status);
    EXPECT_LT(FindClassSideAccount(d.dict, "交際費"), 0);
    // Without a class: an OK message and no question.
    Script none;
    int noClass = -1;
    EXPECT_EQ(-1, CheckDictionaryRow(d.dict, 0, "交際費", "", noClass, none.answers()).status);
    ASSERT_EQ(1u, none.asked.size());
    EXPECT_EQ("OK: 交際費 は科目分類(収益:費用:負債:資産:資本)が指定されていません。\n\n先に [科目の分類]を選択して下さい。",
              none.asked[0]);
}

TEST(DictionaryCheck, UnknownResultAccountTakesTheDialogsClassOnBothSides)
{
    DictionaryFixture d = Small();
    Script s;
    s.chosenClass = 3;  // 負債
    s.yes = {true};
    int cls = -1;
    const RowCheck check = CheckDictionaryRow(d.dict, 3, "未払金", "カード", cls, s.answers());
    EXPECT_EQ(0, check.status);
    EXPECT_EQ(3, cls);
    EXPECT_TRUE(check.resultBranchAdded);
    EXPECT_TRUE(check.refillResultLists);
    const int classNode = FindClassSideAccount(d.dict, "未払金");
    EXPECT_EQ(3, ClassIndexOfNode(d.dict, classNode));
    EXPECT_EQ("について", d.dict.GetAt(classNode)->m_strWord1);
    const int branchNode = FindChildNode(d.dict, 8, "未払金");
    ASSERT_GE(branchNode, 0);
    EXPECT_EQ("から繰戻す", d.dict.GetAt(branchNode)->m_strWord1);
    EXPECT_EQ("へ繰入れる", d.dict.GetAt(branchNode)->m_strWord2);
    EXPECT_GE(FindChildNode(d.dict, classNode, "カード"), 0);
    EXPECT_GE(FindChildNode(d.dict, branchNode, "カード"), 0);
    ExpectRunsInOrder(d.dict);

    // The dialog cancelled: abandoned without a message.
    Script cancel;
    int c2 = 4;
    EXPECT_EQ(-1, CheckDictionaryRow(d.dict, 4, "前受金", "", c2, cancel.answers()).status);
    EXPECT_EQ(-1, c2);
    EXPECT_EQ((std::vector<CString>{"class: 前受金"}), cancel.asked);
}

TEST(DictionaryCheck, AccountOnlyInTheResultBranchKeepsItsOneBranchNode)
{
    DictionaryFixture d{{5, "現金"}, {8, "現金"}, {8, "預り金", "から繰戻す", "へ繰入れる"}};
    Script s;
    s.chosenClass = 3;
    int cls = -1;
    EXPECT_EQ(0, CheckDictionaryRow(d.dict, 3, "預り金", "", cls, s.answers()).status);
    int branchCount = 0;
    for (int i = 0; i < d.dict.GetSize(); ++i)
        branchCount += d.dict.GetAt(i)->m_strName == "預り金" ? 1 : 0;
    EXPECT_EQ(2, branchCount);  // one on the class side, one in the branch
    EXPECT_EQ(3, ClassIndexOfNode(d.dict, FindClassSideAccount(d.dict, "預り金")));
    ExpectRunsInOrder(d.dict);
    // The next commit finds it and asks nothing.
    Script again;
    int c2 = -1;
    EXPECT_EQ(0, CheckDictionaryRow(d.dict, 3, "預り金", "", c2, again.answers()).status);
    EXPECT_TRUE(again.asked.empty());
}

TEST(DictionaryCheck, EmptyClassSevenDoesNotHideTheClassSide)
{
    // Class 7 has no accounts: the whole class side is still searched.
    DictionaryFixture d{{1, "売上"}, {5, "現金"}, {8, "現金", "で受取り", "で支払い"}};
    Script s;
    int cls = -1;
    EXPECT_EQ(0, CheckDictionaryRow(d.dict, 0, "売上", "", cls, s.answers()).status);
    EXPECT_EQ(0, cls);
    EXPECT_TRUE(s.asked.empty());
    // A cause account registered under class 7 becomes its first child where the
    // result branch's run began; the branch moves up by one.
    const int branchFirst = d.dict.GetAt(8)->m_nFirstChild;
    Script yes;
    yes.yes = {true};
    int capital = 6;
    EXPECT_EQ(0, CheckDictionaryRow(d.dict, 0, "元入金", "", capital, yes.answers()).status);
    EXPECT_EQ(branchFirst, d.dict.GetAt(7)->m_nFirstChild);
    EXPECT_EQ(branchFirst + 1, d.dict.GetAt(8)->m_nFirstChild);
    ExpectRunsInOrder(d.dict);
    Script again;
    int c2 = -1;
    EXPECT_EQ(0, CheckDictionaryRow(d.dict, 0, "元入金", "", c2, again.answers()).status);
    EXPECT_EQ(6, c2);
    EXPECT_TRUE(again.asked.empty());
}

TEST(DictionaryCheck, KnownResultAccountGetsTheBranchNodeAndNewDescriptionsOnBothSides)
{
    DictionaryFixture d{{4, "買掛金"}, {5, "現金"}, {8, "現金", "で受取り", "で支払い"}};
    Script s;
    s.yes = {true};
    int cls = -1;
    const RowCheck check = CheckDictionaryRow(d.dict, 3, "買掛金", "A商店", cls, s.answers());
    EXPECT_EQ(0, check.status);
    EXPECT_EQ(3, cls);
    EXPECT_TRUE(check.resultBranchAdded);
    const int branchNode = FindChildNode(d.dict, 8, "買掛金");
    ASSERT_GE(branchNode, 0);
    EXPECT_EQ("から繰戻す", d.dict.GetAt(branchNode)->m_strWord1);
    EXPECT_GE(FindChildNode(d.dict, branchNode, "A商店"), 0);
    EXPECT_GE(FindChildNode(d.dict, FindClassSideAccount(d.dict, "買掛金"), "A商店"), 0);
    ExpectRunsInOrder(d.dict);

    // A description declined: nothing added, the commit goes on.
    Script no;
    no.yes = {false};
    int c2 = -1;
    EXPECT_EQ(0, CheckDictionaryRow(d.dict, 3, "現金", "銀行", c2, no.answers()).status);
    EXPECT_EQ(-2, FindChildNode(d.dict, FindChildNode(d.dict, 8, "現金"), "銀行"));
}

}  // namespace

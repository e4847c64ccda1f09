#include "setup/dictionary_rebuild.h"

#include "core/dictionary_fixture.h"
#include "setup/dictionary_edit.h"
#include "support/entry_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace dict_rebuild;

namespace {

struct Question {
    int mode;
    std::string text1, text2;
};

struct Fixture {
    DictionaryNodes nodes;
    JournalArray journal;
    std::vector<Question> asked;
    std::vector<int> answers;  // given in turn; the last repeats
    int resets = 0;
    int sizeAfterReset = 0;

    Fixture() { MakeDictionary(SmallDictionary(), nodes); }
    ~Fixture()
    {
        Free(nodes);
        for (int i = 0; i < journal.GetSize(); ++i)
            delete journal[i];
    }
    static void Free(DictionaryNodes& n)
    {
        for (int i = 0; i < n.GetSize(); ++i)
            delete n[i];
        n.RemoveAll();
    }
    void Add(const EntryBuilder& entry) { journal.Add(entry.New()); }
    Outcome Run()
    {
        Rebuild rebuild(
            nodes,
            [this](int mode, const CString& a, const CString& b) {
                asked.push_back({mode, static_cast<LPCTSTR>(a), static_cast<LPCTSTR>(b)});
                const size_t i = std::min(asked.size(), answers.size()) - 1;
                return answers.empty() ? 0 : answers[i];
            },
            [this](DictionaryNodes& n) {
                ++resets;
                Free(n);
                FixtureDictionary initial;
                initial.classes[0] = {{"売上", {}}};
                initial.classes[4] = {{"現金", {}}};
                initial.branch = {{"現金", {}, "で受取り", "で支払い"}};
                MakeDictionary(initial, n);
                sizeAfterReset = n.GetSize();
                return true;
            });
        return rebuild.Run(journal);
    }
    int Find(const char* name, int from = 0) const
    {
        for (int i = from; i < nodes.GetSize(); ++i)
            if (nodes[i]->m_strName == name)
                return i;
        return -1;
    }
    bool IsTree() const { return IsDictionaryTree(nodes); }
};

}  // namespace

TEST(DictionaryRebuild, NothingMissingAsksNothing)
{
    Fixture f;
    f.Add(EntryBuilder().Cause("売上", "", "A商店").Result("現金").ClassCode(1005000));
    const int size = f.nodes.GetSize();
    const Outcome out = f.Run();
    EXPECT_TRUE(f.asked.empty());
    EXPECT_EQ(out.registered, 0);
    EXPECT_EQ(f.nodes.GetSize(), size);
}

TEST(DictionaryRebuild, MissingCauseAccountWithDescriptionAsksTwice)
{
    Fixture f;
    f.Add(EntryBuilder().Cause("広告費", "", "チラシ").Result("現金").ClassCode(3005000));
    const Outcome out = f.Run();
    ASSERT_EQ(f.asked.size(), 2u);
    EXPECT_EQ(f.asked[0].mode, 0);
    EXPECT_EQ(f.asked[0].text1, "費用");
    EXPECT_EQ(f.asked[0].text2, "広告費");
    EXPECT_EQ(f.asked[1].mode, 2);
    EXPECT_EQ(f.asked[1].text2, "チラシ");
    EXPECT_EQ(out.registered, 2);
    EXPECT_EQ(out.answer, 0);
    ASSERT_TRUE(f.IsTree());
    const int ad = f.Find("広告費");
    const CKiso* c3 = f.nodes[3];
    EXPECT_EQ(ad, c3->m_nFirstChild + c3->m_nChildCount - 1);  // last of its class
    EXPECT_EQ(f.nodes[ad]->m_strWord1, "について");
    EXPECT_EQ(f.nodes[ad]->m_strWord2, "として");
    EXPECT_EQ(f.nodes[f.nodes[ad]->m_nFirstChild]->m_strName, "チラシ");
}

TEST(DictionaryRebuild, MissingResultRowRegistersCauseAndResultAccount)
{
    Fixture f;
    f.Add(EntryBuilder().Cause("売上").Result("小口現金").ClassCode(1006000));
    const Outcome out = f.Run();
    ASSERT_EQ(f.asked.size(), 1u);
    EXPECT_EQ(f.asked[0].text1, "資産");
    EXPECT_EQ(out.registered, 2);
    ASSERT_TRUE(f.IsTree());
    const int cause = f.Find("小口現金");
    const int result = f.Find("小口現金", cause + 1);
    ASSERT_GT(result, cause);
    EXPECT_EQ(dict_edit::KindOf(f.nodes, cause), dict_edit::kCauseAccount);
    EXPECT_EQ(dict_edit::KindOf(f.nodes, result), dict_edit::kResultAccount);
    EXPECT_EQ(f.nodes[result]->m_strWord1, "で受取り");
    EXPECT_EQ(f.nodes[result]->m_strWord2, "で支払い");
}

TEST(DictionaryRebuild, AnswersAllAndCancelAll)
{
    const struct {
        int answer;
        size_t questions;
        int registered;
        int state;
    } cases[] = {
        {kRegisterAll, 1, 4, 1},
        {kCancelAll, 1, 0, -2},
        {kSkip, 2, 0, -1},
    };
    for (const auto& c : cases) {
        Fixture f;
        f.answers = {c.answer};
        f.Add(EntryBuilder().Cause("広告費", "", "チラシ").ClassCode(3000000));
        f.Add(EntryBuilder().Cause("旅費", "", "出張").ClassCode(3000000));
        const Outcome out = f.Run();
        EXPECT_EQ(f.asked.size(), c.questions) << c.answer;
        EXPECT_EQ(out.registered, c.registered) << c.answer;
        EXPECT_EQ(out.answer, c.state) << c.answer;
        EXPECT_TRUE(f.IsTree());
    }
}

// A row without class digits has no class to register under: it is left out, and
// the tree keeps its rules. The rows keep the classes of the entry before.
TEST(DictionaryRebuild, RowsWithoutClassDigits)
{
    Fixture f;
    f.Add(EntryBuilder().Cause("不明科目"));
    const int size = f.nodes.GetSize();
    f.Run();
    EXPECT_TRUE(f.asked.empty());
    EXPECT_EQ(f.nodes.GetSize(), size);

    Fixture g;
    g.Add(EntryBuilder().Cause("仕入").ClassCode(2000000));
    g.Add(EntryBuilder().Cause("外注費").ClassCode(12));
    const Outcome out = g.Run();
    EXPECT_EQ(out.registered, 1);
    ASSERT_TRUE(g.IsTree());
    EXPECT_EQ(dict_edit::ClassOfNode(g.nodes, g.Find("外注費"), "外注費"), 2);
}

// 初期化してすべて実行 at the description question: the dictionary is reset
// first, the account is looked up again in it (and registered, being missing),
// then the description goes under it.
TEST(DictionaryRebuild, ResetAndAllLooksIndexesUpAgain)
{
    Fixture f;
    f.answers = {kRegister, kResetAndAll};
    f.Add(EntryBuilder().Cause("広告費", "", "チラシ").ClassCode(3000000));
    // 普通預金 is in the old dictionary, not in the initial one.
    f.Add(EntryBuilder().Cause("普通預金").ClassCode(5000000));
    const Outcome out = f.Run();
    EXPECT_EQ(f.resets, 1);
    EXPECT_EQ(f.asked.size(), 2u);
    EXPECT_EQ(out.answer, kRegisterAll);
    ASSERT_TRUE(f.IsTree());
    const int ad = f.Find("広告費");
    ASSERT_GT(ad, 8);
    EXPECT_EQ(dict_edit::ClassOfNode(f.nodes, ad, "広告費"), 3);
    EXPECT_EQ(f.nodes[f.nodes[ad]->m_nFirstChild]->m_strName, "チラシ");
    EXPECT_EQ(f.Find("仕入"), -1);  // the old dictionary is gone
    EXPECT_EQ(dict_edit::ClassOfNode(f.nodes, f.Find("普通預金"), "普通預金"), 5);
    // What was registered before the reset went with it: only the nodes added since count.
    EXPECT_EQ(out.registered, f.nodes.GetSize() - f.sizeAfterReset);
}

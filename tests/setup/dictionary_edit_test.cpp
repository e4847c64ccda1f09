#include "setup/dictionary_edit.h"

#include "core/dictionary_fixture.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace dict_edit;

namespace {

struct Nodes {
    DictionaryNodes nodes;
    Nodes() = default;
    explicit Nodes(const FixtureDictionary& tree) { MakeDictionary(tree, nodes); }
    ~Nodes()
    {
        for (int i = 0; i < nodes.GetSize(); ++i)
            delete nodes[i];
    }
    int Find(const char* name, int from = 0) const
    {
        for (int i = from; i < nodes.GetSize(); ++i)
            if (nodes[i]->m_strName == name)
                return i;
        return -1;
    }
};

// The layout rules: level order, the runs one after the other in the order of
// their parents, first child 0 exactly when there are no children.
::testing::AssertionResult KeepsLayout(const DictionaryNodes& nodes)
{
    const int size = nodes.GetSize();
    if (size < 9)
        return ::testing::AssertionFailure() << "only " << size << " nodes";
    int next = 1;
    for (int i = 0; i < size; ++i) {
        const CKiso* n = nodes[i];
        if ((n->m_nFirstChild == 0) != (n->m_nChildCount == 0))
            return ::testing::AssertionFailure() << "node " << i << " first " << n->m_nFirstChild << " count "
                                                 << n->m_nChildCount;
        if (n->m_nChildCount == 0)
            continue;
        if (n->m_nFirstChild != next || n->m_nFirstChild <= i)
            return ::testing::AssertionFailure() << "node " << i << " run at " << n->m_nFirstChild << ", expected "
                                                 << next;
        next += n->m_nChildCount;
    }
    if (next != size)
        return ::testing::AssertionFailure() << "runs end at " << next << " of " << size;
    return ::testing::AssertionSuccess();
}

std::string Name(const DictionaryNodes& nodes, int i) { return static_cast<LPCTSTR>(nodes[i]->m_strName); }

}  // namespace

TEST(DictionaryEdit, KindsAndClassesOfTheFixture)
{
    Nodes d(SmallDictionary());
    ASSERT_TRUE(KeepsLayout(d.nodes));
    const struct {
        const char* name;
        int from;
        int kind;
        int classDigit;
    } cases[] = {
        {"売上", 9, kCauseAccount, 1},      {"元入金", 9, kCauseAccount, 7},
        {"電話代", 9, kCauseDescription, -1}, {"C銀行", 9, kCauseDescription, -1},
    };
    for (const auto& c : cases) {
        const int i = d.Find(c.name, c.from);
        ASSERT_GT(i, 8) << c.name;
        EXPECT_EQ(KindOf(d.nodes, i), c.kind) << c.name;
        EXPECT_EQ(ClassOfNode(d.nodes, i, d.nodes[i]->m_strName), c.classDigit) << c.name;
    }
    EXPECT_EQ(KindOf(d.nodes, 0), kRootKind);
    EXPECT_EQ(KindOf(d.nodes, 3), kClassKind);
    EXPECT_EQ(KindOf(d.nodes, 8), kResultBranchKind);
    const int resultCash = d.Find("現金", d.nodes[8]->m_nFirstChild);
    EXPECT_EQ(KindOf(d.nodes, resultCash), kResultAccount);
    EXPECT_EQ(ClassOfNode(d.nodes, resultCash, "現金"), 5);  // the class of the cause account of that name
    const int resultDesc = d.Find("C銀行", d.Find("C銀行") + 1);
    EXPECT_EQ(KindOf(d.nodes, resultDesc), kResultDescription);
    EXPECT_EQ(KindOf(d.nodes, d.nodes.GetSize()), kRootKind);
    EXPECT_EQ(ClassOfNode(d.nodes, 20, ""), -1);
}

TEST(DictionaryEdit, DamagedIndexesNeitherReadOutOfRangeNorLoop)
{
    Nodes d(SmallDictionary());
    const int size = d.nodes.GetSize();
    d.nodes[1]->m_nFirstChild = size + 40;  // beyond the array
    d.nodes[9]->m_nFirstChild = 2;          // back up the tree: a loop
    d.nodes[9]->m_nChildCount = 3;
    d.nodes[8]->m_nChildCount = 1000;       // a run past the end
    for (int i = -1; i <= size; ++i) {
        const int kind = KindOf(d.nodes, i);
        EXPECT_GE(kind, 0);
        EXPECT_LE(kind, 6);
        CanHaveChildren(d.nodes, i);
        ClassOfNode(d.nodes, i, "現金");
    }
    const auto lines = TreeWalk(d.nodes);
    EXPECT_LE(static_cast<int>(lines.size()), size);
    std::vector<int> seen(static_cast<size_t>(size), 0);
    for (const auto& l : lines)
        EXPECT_EQ(++seen[static_cast<size_t>(l.node)], 1) << l.node;
}

TEST(DictionaryEdit, CreateUnderBeforeAndAfterShiftTheIndexes)
{
    Nodes d(SmallDictionary());
    const int size = d.nodes.GetSize();
    // Class 6 has no accounts: its first account goes where the next run starts.
    const int class7First = d.nodes[7]->m_nFirstChild;
    const int at = InsertNode(d.nodes, 6, 0, kAppendChild, "新しい項目");
    EXPECT_EQ(at, class7First);
    EXPECT_EQ(d.nodes[6]->m_nFirstChild, at);
    EXPECT_EQ(d.nodes[6]->m_nChildCount, 1);
    EXPECT_EQ(d.nodes[7]->m_nFirstChild, class7First + 1);
    EXPECT_EQ(Name(d.nodes, at), "新しい項目");
    EXPECT_EQ(Name(d.nodes, at).size(), 10u);
    EXPECT_EQ(d.nodes[at]->m_strWord1, "について");
    EXPECT_EQ(KindOf(d.nodes, at), kCauseAccount);
    EXPECT_TRUE(KeepsLayout(d.nodes));

    // Under node 8: a result account without words.
    const int r = InsertNode(d.nodes, 8, 0, kAppendChild, "新しい項目");
    EXPECT_EQ(KindOf(d.nodes, r), kResultAccount);
    EXPECT_TRUE(d.nodes[r]->m_strWord1.IsEmpty());
    EXPECT_TRUE(KeepsLayout(d.nodes));

    // Before and after an account; a selection outside the parent's run is refused.
    const int cash = d.Find("現金");
    const int before = InsertNode(d.nodes, 5, cash, kBefore, "前");
    EXPECT_EQ(before, cash);
    EXPECT_EQ(Name(d.nodes, cash + 1), "現金");
    const int after = InsertNode(d.nodes, 5, cash + 1, kAfter, "次");
    EXPECT_EQ(after, cash + 2);
    EXPECT_TRUE(KeepsLayout(d.nodes));
    EXPECT_EQ(InsertNode(d.nodes, 5, 2, kBefore, "x"), -1);
    EXPECT_EQ(InsertNode(d.nodes, d.nodes.GetSize(), 0, kAppendChild, "x"), -1);
    EXPECT_EQ(d.nodes.GetSize(), size + 4);
    EXPECT_FALSE(CanHaveChildren(d.nodes, d.Find("電話代")));
    EXPECT_FALSE(CanHaveChildren(d.nodes, 0));
    EXPECT_TRUE(CanHaveChildren(d.nodes, cash));
}

TEST(DictionaryEdit, DeleteTakesTheDescriptionsAndTheTwinRule)
{
    Nodes d(SmallDictionary());
    const int size = d.nodes.GetSize();
    EXPECT_TRUE(RemoveSubtree(d.nodes, 8).empty());  // classes and node 8 stay
    EXPECT_TRUE(RemoveSubtree(d.nodes, 3).empty());

    const int shiire = d.Find("仕入");
    const auto map = RemoveSubtree(d.nodes, shiire);
    ASSERT_EQ(static_cast<int>(map.size()), size);
    EXPECT_EQ(map[static_cast<size_t>(shiire)], -1);
    EXPECT_EQ(d.nodes.GetSize(), size - 4);
    EXPECT_EQ(d.Find("期首繰入"), -1);
    EXPECT_EQ(d.nodes[2]->m_nFirstChild, 0);
    EXPECT_TRUE(KeepsLayout(d.nodes));

    // The twin of 普通預金 is the result account of that name, found by name
    // under node 8, also when node 9 has no descriptions.
    const int futsu = d.Find("普通預金");
    const std::string twinName = "普通預金";
    RemoveSubtree(d.nodes, futsu);
    const int twin = ResultTwinOf(d.nodes, twinName.c_str(), -1);
    ASSERT_GT(twin, 8);
    EXPECT_EQ(KindOf(d.nodes, twin), kResultAccount);
    RemoveSubtree(d.nodes, twin);
    EXPECT_EQ(d.Find("普通預金"), -1);
    EXPECT_EQ(d.Find("C銀行"), -1);
    EXPECT_TRUE(KeepsLayout(d.nodes));

    // A name still kept by another cause account keeps its result account.
    const int extra = InsertNode(d.nodes, 6, 0, kAppendChild, "現金");
    EXPECT_EQ(ResultTwinOf(d.nodes, "現金", extra), -1);
    EXPECT_EQ(ResultTwinOf(d.nodes, "無い科目", -1), -1);

    // Deleting a description only lowers its account's count.
    const int phone = d.Find("電話代");
    RemoveSubtree(d.nodes, phone);
    const int tsushin = d.Find("通信費");
    EXPECT_EQ(d.nodes[tsushin]->m_nChildCount, 0);
    EXPECT_EQ(d.nodes[tsushin]->m_nFirstChild, 0);
    EXPECT_TRUE(KeepsLayout(d.nodes));
}

TEST(DictionaryEdit, ResultWordSplitsOnACharacterBoundary)
{
    const struct {
        const char* word;
        const char* first;
        const char* second;
    } cases[] = {
        {"で受取り", "で受取り", ""},
        {"で収入とする  です", "で収入とする", "です"},            // stored padded to 14 bytes
        {"あいうえおかきくけ", "あいうえおかき", "くけ"},          // 18 bytes, cut at 14
        {"aあいうえおかきくけ", "aあいうえおか", "きくけ"},        // 14 would split き: cut at 13
        {"で\x81\x40受取り", "で  受取り", ""},                      // a full-width blank
        {"", "", ""},
    };
    for (const auto& c : cases) {
        CString first, second;
        SplitResultWord(c.word, first, second);
        EXPECT_EQ(std::string(static_cast<LPCTSTR>(first)), c.first) << c.word;
        EXPECT_EQ(std::string(static_cast<LPCTSTR>(second)), c.second) << c.word;
    }
    EXPECT_EQ(JoinResultWord("で収入とする", "です"), "で収入とする  です");
    EXPECT_EQ(JoinResultWord("で受取り", ""), "で受取り");
}

// Random inserts and deletes: after each the array keeps its rules, and every
// tree item (kept as the editor keeps its items, renumbered by each edit) still
// maps to its node and to its parent.
TEST(DictionaryEdit, RandomEditsKeepTheTreeAndTheItems)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        Nodes d(SmallDictionary());
        int uid = 0;
        for (int i = 0; i < d.nodes.GetSize(); ++i)
            d.nodes[i]->m_strName.Format("n%d", uid++);
        struct Item {
            std::string name;
            std::string parent;
            int data;
        };
        std::vector<Item> items;
        for (int i = 0; i < d.nodes.GetSize(); ++i) {
            const int p = ParentOf(d.nodes, i);
            items.push_back({Name(d.nodes, i), p < 0 ? "" : Name(d.nodes, p), i});
        }
        for (int step = 0; step < 150; ++step) {
            const int size = d.nodes.GetSize();
            const int pick = std::uniform_int_distribution<int>(1, size - 1)(rng);
            const int what = std::uniform_int_distribution<int>(0, 3)(rng);
            if (what == 3 || (what != 0 && pick <= 8) || (what == 0 && !CanHaveChildren(d.nodes, pick))) {
                if (pick <= 8)
                    continue;
                const std::string gone = Name(d.nodes, pick);
                const auto map = RemoveSubtree(d.nodes, pick);
                ASSERT_EQ(static_cast<int>(map.size()), size);
                std::vector<Item> kept;
                for (const auto& it : items)
                    if (map[static_cast<size_t>(it.data)] >= 0)
                        kept.push_back({it.name, it.parent, map[static_cast<size_t>(it.data)]});
                items = kept;
                EXPECT_EQ(d.Find(gone.c_str()), -1);
            } else {
                CString name;
                name.Format("n%d", uid++);
                const int parent = what == 0 ? pick : ParentOf(d.nodes, pick);
                ASSERT_GE(parent, 0);
                const int at = InsertNode(d.nodes, parent, pick, what == 0 ? kAppendChild : what, name);
                ASSERT_GT(at, 8);
                for (auto& it : items)
                    if (it.data >= at)
                        ++it.data;
                items.push_back({static_cast<LPCTSTR>(name), Name(d.nodes, parent), at});
            }
            ASSERT_TRUE(KeepsLayout(d.nodes)) << "seed " << seed << " step " << step;
            ASSERT_EQ(static_cast<int>(items.size()), d.nodes.GetSize());
            for (const auto& it : items) {
                ASSERT_EQ(Name(d.nodes, it.data), it.name) << "seed " << seed << " step " << step;
                const int p = ParentOf(d.nodes, it.data);
                ASSERT_EQ(p < 0 ? "" : Name(d.nodes, p), it.parent);
            }
            ASSERT_EQ(TreeWalk(d.nodes).size(), items.size());
        }
    }
}

#include "setup/dictionary_print_plan.h"

#include "core/dictionary_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace dict_print;

namespace {

struct Dict {
    DictionaryNodes nodes;
    explicit Dict(const FixtureDictionary& tree) { MakeDictionary(tree, nodes); }
    ~Dict()
    {
        for (int i = 0; i < nodes.GetSize(); ++i)
            delete nodes[i];
    }
};

bool HasLine(const PagePlan& plan, int x1, int y1, int x2, int y2)
{
    return std::any_of(plan.rules.begin(), plan.rules.end(), [&](const PlannedRule& r) {
        return !r.dotted && r.x1 == x1 && r.y1 == y1 && r.x2 == x2 && r.y2 == y2;
    });
}

const PlannedText* TextOf(const PagePlan& plan, const CString& words)
{
    for (const auto& t : plan.texts)
        if (t.text == words)
            return &t;
    return nullptr;
}

}  // namespace

TEST(DictionaryPrint, SmallDictionaryOnOnePage)
{
    Dict d(SmallDictionary());
    const auto lines = LayoutPrintLines(d.nodes);
    ASSERT_EQ(static_cast<int>(lines.size()), d.nodes.GetSize() - 1);
    // 収益 → 売上 → A商店 on one row, then 雑収入 on the next.
    EXPECT_EQ(lines[0].node, 1);
    EXPECT_EQ(lines[0].depth, 0);
    EXPECT_EQ(lines[0].newRow, 0);
    EXPECT_EQ(lines[1].depth, 1);
    EXPECT_EQ(lines[1].newRow, 0);
    EXPECT_EQ(lines[1].moreAccounts, 1);
    EXPECT_EQ(lines[2].depth, 2);
    EXPECT_EQ(lines[2].newRow, 0);
    EXPECT_EQ(lines[2].moreAccounts, 1);
    EXPECT_EQ(lines[3].depth, 1);
    EXPECT_EQ(lines[3].newRow, 1);
    EXPECT_EQ(lines[3].moreAccounts, 0);

    const auto pages = PlanPages(lines, RowsForHeight(2970));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].first, 0);
    EXPECT_EQ(pages[0].last, static_cast<int>(lines.size()) - 1);

    const PagePlan ops = PlanPrintPage(d.nodes, lines, pages, 1);
    // Every text in the tree's 9 points; the connectors in the device's thinnest line.
    EXPECT_EQ(0, ops.ruleWidth);
    EXPECT_TRUE(std::all_of(ops.texts.begin(), ops.texts.end(),
                            [](const PlannedText& t) { return t.pointTenths == 90 && !t.centred && t.fitWidth == 0; }));
    ASSERT_NE(TextOf(ops, "====  項 目 の 階 層 図  ===="), nullptr);
    ASSERT_NE(TextOf(ops, "Page  1"), nullptr);
    const PlannedText* sales = TextOf(ops, "売上");
    ASSERT_NE(sales, nullptr);
    EXPECT_EQ(sales->x, 850);
    EXPECT_EQ(sales->y, -230);
    const PlannedText* shop = TextOf(ops, "A商店");
    ASSERT_NE(shop, nullptr);
    EXPECT_EQ(shop->x, 1400);
    EXPECT_EQ(shop->y, -230);
    // 収益 (4 bytes) joined to 売上 on row 1, and 売上 (4 bytes) to A商店.
    EXPECT_TRUE(HasLine(ops, 300 + 80, -250, 820, -250));
    EXPECT_TRUE(HasLine(ops, 850 + 80, -250, 1370, -250));
    // The account column's vertical goes on while 雑収入 follows.
    EXPECT_TRUE(HasLine(ops, 700, -250, 700, -300));
    EXPECT_TRUE(PlanPrintPage(d.nodes, lines, pages, 2).Empty());
}

// Many accounts of one row each: pages break by the rows that fit, and never on
// a node whose children follow.
TEST(DictionaryPrint, PagesBreakByRowsAndNotBeforeChildren)
{
    FixtureDictionary tree;
    for (int i = 0; i < 70; ++i)
        tree.classes[4].push_back({"科目" + std::to_string(i), i % 3 == 0 ? std::vector<std::string>{"摘要a", "摘要b"}
                                                                            : std::vector<std::string>{}});
    for (int i = 0; i < 30; ++i)
        tree.classes[1].push_back({"費用" + std::to_string(i), {}});
    Dict d(tree);
    const auto lines = LayoutPrintLines(d.nodes);
    for (const int maxRow : {RowsForHeight(2970), 7, 12}) {
        const auto pages = PlanPages(lines, maxRow);
        ASSERT_GT(pages.size(), 1u);
        int expectedFirst = 0;
        for (size_t p = 0; p < pages.size(); ++p) {
            EXPECT_EQ(pages[p].first, expectedFirst);
            int rows = 1;
            for (int i = pages[p].first; i <= pages[p].last; ++i)
                rows += lines[static_cast<size_t>(i)].newRow;
            EXPECT_LE(rows, maxRow) << "page " << p + 1;
            if (pages[p].last + 1 < static_cast<int>(lines.size())) {
                EXPECT_EQ(lines[static_cast<size_t>(pages[p].last + 1)].newRow, 1) << "page " << p + 1;
            }
            expectedFirst = pages[p].last + 1;
        }
        EXPECT_EQ(expectedFirst, static_cast<int>(lines.size()));
    }
    // A later page starts on row 2.
    const auto pages = PlanPages(lines, 12);
    const PagePlan ops = PlanPrintPage(d.nodes, lines, pages, 2);
    const PrintLine& first = lines[static_cast<size_t>(pages[1].first)];
    const PlannedText* name = TextOf(ops, d.nodes[first.node]->m_strName);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->y, -280);
    EXPECT_NE(TextOf(ops, "Page  2"), nullptr);
    EXPECT_EQ(RowsForHeight(2970), 54);
}
